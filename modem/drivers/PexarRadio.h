#pragma once

#include "RadioDriver.h"

#include <cstdint>

// The radio built into the modem. One synthesiser sets both frequencies at once,
// and the settings live in the modem's own memory, reached with modem commands.
// The models differ only in their constants.
class PexarRadio : public RadioDriver {
public:
    struct Constants {
        int16_t RadioType;
        // TX and RX frequency minus the synthesiser's, MHz.
        double TXOffset;
        double RXOffset;
        // The transmit band the modem accepts, MHz, edges included.
        double MinTXFreq;
        double MaxTXFreq;
        const char* BandMessage;
    };

    PexarRadio(ModemLinks& links, const Constants& constants);

    bool ReadRadioSetting(SerialPort& Comm, RadioSetting& RadioSet, int TXRX) override;
    bool QuerySetting(RadioSetting& RadioSet, bool& DisplayError, int TXorRX) override;
    // The built-in radio's settings are modem locations: all of its write is planned.
    RadioWritePlan PlanRadioWrite(SerialPort& Comm, const RadioSetting& RadioSet, int TXRX, WritePlan& plan) override;
    bool SendRadioWrite(SerialPort& Comm, const RadioSetting& RadioSet, int TXRX, const RadioWritePlan& planned,
                        bool& FreqTrimWritten) override;
    bool WriteTXFreq(double freq, SerialPort& PortDriver) override;
    bool WriteRXFreq(double freq, SerialPort& PortDriver) override;
    // The built-in radio has no transmitter switch: nothing is sent.
    bool TXState(bool TurnOn, SerialPort& PortDriver) override;
    // Power is set by PowerHL in the configuration only.
    void WritePower(int16_t Value, bool OpenPort, SerialPort& PortDriver) override;
    void TestPowerMode(bool Enable, SerialPort& PortDriver) override;

private:
    void readTransmit(SerialPort& Comm, RadioSetting& RadioSet);
    void readReceive(SerialPort& Comm, RadioSetting& RadioSet);

    const Constants constants_;
};
