#pragma once

#include "SynthesisedRadio.h"

// The external 900 MHz synthesised radio: the 450 MHz radio's logic with its own
// registers and synthesiser load, and the radio table's channel step throughout.
class Moskar : public SynthesisedRadio {
public:
    explicit Moskar(ModemLinks& links);

    bool WriteTXFreq(double freq, SerialPort& PortDriver) override;
    bool TXState(bool TurnOn, SerialPort& PortDriver) override;
    bool WriteRXFreq(double freq, SerialPort& PortDriver) override;
    void WritePower(int16_t Value, bool OpenPort, SerialPort& PortDriver) override;
    QList<QByteArray> ReleaseCommands() const override;

protected:
    double readDivider(Side side, SerialPort& port) override;
    void writeDividers(int32_t N, Side side, SerialPort& port) override;

private:
    int32_t midBandDivider() const;
};
