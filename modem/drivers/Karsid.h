#pragma once

#include "RadioDriver.h"

#include <cstdint>
#include <memory>

class ModemLinks;
class ModemSetting;
class SerialPort;
class WritePlan;

// The modem driver: one per connected modem. It owns the drivers of the transmit
// and the receive radio, selects the radio before it forwards a call, and reads,
// checks and writes whole configurations.
class Karsid {
public:
    explicit Karsid(ModemLinks& links);
    ~Karsid();

    bool Working = false;

    bool TXState(bool TurnOn, SerialPort& PortDriver);
    bool WriteRXFreq(double freq, SerialPort& PortDriver);
    bool WriteTXFreq(double freq, SerialPort& PortDriver);
    std::unique_ptr<RadioDriver> CreatRadio(int16_t RadioType);
    bool QuerySetting(ModemSetting& Setting, bool& DisplayError);
    void CreatModem(int16_t ModemType, int16_t& TXRadioType, int16_t& RXRadioType, SerialPort& Comm);
    // True when the configuration went into the modem and the modem's check of it
    // passed; Working says the same until the next read or write.
    bool WriteModemSetting(SerialPort& Comm, ModemSetting& ModemSet);
    int16_t ReadModemSetting(SerialPort& Comm, ModemSetting& ModemSet);
    void WritePower(int16_t Value, SerialPort& PortDriver);
    void TestPowerMode(bool Enable, SerialPort& PortDriver);
    // The frames, as they go on the radio link, that un-key the transmit radio at
    // the end of a power test; none when the test does not key it.
    QList<QByteArray> ReleaseFrames() const;

    RadioDriver* TXRadio() const { return TXRadioDriver.get(); }
    RadioDriver* RXRadio() const { return RXRadioDriver.get(); }

private:
    void readSetting(SerialPort& Comm, ModemSetting& ModemSet);
    bool writeSetting(SerialPort& Comm, ModemSetting& ModemSet);
    bool planModemLocations(SerialPort& Comm, const ModemSetting& ModemSet, WritePlan& plan);
    void setProgress(int percent) const;
    // Ends a whole operation after a run-time error.
    void unrecoverable(SerialPort& Comm);
    RadioDriver& txDriver() const;
    RadioDriver& rxDriver() const;

    ModemLinks& links_;
    std::unique_ptr<RadioDriver> TXRadioDriver;
    std::unique_ptr<RadioDriver> RXRadioDriver;
    bool PowerTestMode = false;
};
