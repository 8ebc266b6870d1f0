#pragma once

#include "RadioSpec.h"

#include <QByteArray>
#include <QList>

#include <cstdint>

class ModemLinks;
class RadioSetting;
class SerialPort;

// What the modem driver calls on the driver of a transmit or receive radio.
// TXRX and TXorRX are 0 for the transmit side, 1 for the receive side.
class RadioDriver {
public:
    explicit RadioDriver(ModemLinks& links);
    virtual ~RadioDriver() = default;
    RadioDriver(const RadioDriver&) = delete;
    RadioDriver& operator=(const RadioDriver&) = delete;

    // Looks the radio type up; called once right after creation.
    virtual void Initialize(int16_t RType);
    // True when the read completed; a failure has shown its message.
    virtual bool ReadRadioSetting(SerialPort& Comm, RadioSetting& RadioSet, int TXRX) = 0;
    // True when the setting breaks a rule of this radio.
    virtual bool QuerySetting(RadioSetting& RadioSet, bool& DisplayError, int TXorRX) = 0;
    // True when the write completed; FreqTrimWritten False when the trim was kept out.
    virtual bool WriteRadioSetting(SerialPort& Comm, RadioSetting& RadioSet, int TXRX, bool& FreqTrimWritten) = 0;
    // Works out, before anything is sent, each value WriteRadioSetting computes from
    // the setting and the radio table; raises the conversion's error for one that
    // cannot be written.
    virtual void CheckWriteValues(const RadioSetting& RadioSet, int TXRX) const;
    virtual bool WriteTXFreq(double freq, SerialPort& PortDriver) = 0;
    virtual bool WriteRXFreq(double freq, SerialPort& PortDriver) = 0;
    virtual bool TXState(bool TurnOn, SerialPort& PortDriver) = 0;
    virtual void WritePower(int16_t Value, bool OpenPort, SerialPort& PortDriver) = 0;
    virtual void TestPowerMode(bool Enable, SerialPort& PortDriver) = 0;
    // The radio commands that the end of a power test sends on the radio link to
    // un-key the transmitter (its power 0, then its transmitter off); none for a
    // radio that the test does not key.
    virtual QList<QByteArray> ReleaseCommands() const { return {}; }

    const RadioSpec& Spec() const { return RadSpec; }

protected:
    // Adds to the value of the progress window's bar.
    void AddProgress(int percent) const;

    ModemLinks& links_;
    RadioSpec RadSpec;
};
