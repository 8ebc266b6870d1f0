#pragma once

#include "RadioSpec.h"
#include "RadioWritePlan.h"

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
    // The error handler's message ends with the suffix after the contact name.
    RadioDriver(ModemLinks& links, const char* unrecoverableSuffix);
    virtual ~RadioDriver() = default;
    RadioDriver(const RadioDriver&) = delete;
    RadioDriver& operator=(const RadioDriver&) = delete;

    // Looks the radio type up; called once right after creation.
    virtual void Initialize(int16_t RType);
    // True when the read completed; a failure has shown its message.
    virtual bool ReadRadioSetting(SerialPort& Comm, RadioSetting& RadioSet, int TXRX) = 0;
    // True when the setting breaks a rule of this radio.
    virtual bool QuerySetting(RadioSetting& RadioSet, bool& DisplayError, int TXorRX) = 0;
    // True when the write completed; FreqTrimWritten False when the trim was kept
    // out. Plans the write, then sends it: a value that cannot be written ends it
    // before its first frame.
    bool WriteRadioSetting(SerialPort& Comm, RadioSetting& RadioSet, int TXRX, bool& FreqTrimWritten);
    // Works out everything the write of this side will send, with the modem's
    // locations going into the plan; sends nothing. A value that cannot be
    // written raises its conversion's error.
    virtual RadioWritePlan PlanRadioWrite(SerialPort& Comm, const RadioSetting& RadioSet, int TXRX,
                                          WritePlan& plan) = 0;
    // Sends what PlanRadioWrite worked out; as WriteRadioSetting otherwise.
    virtual bool SendRadioWrite(SerialPort& Comm, const RadioSetting& RadioSet, int TXRX,
                                const RadioWritePlan& planned, bool& FreqTrimWritten) = 0;
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
    // After a run-time error in a read or a write: back to the modem link, and
    // tell the user.
    void unrecoverable(SerialPort& Comm) const;

    ModemLinks& links_;
    RadioSpec RadSpec;

private:
    const char* unrecoverableSuffix_;
};
