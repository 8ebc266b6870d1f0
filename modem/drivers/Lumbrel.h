#pragma once

#include "SynthesisedRadio.h"

// The external 450 MHz synthesised radio. Its channel step is measured from the
// radio's reference divider on every receive read and every write.
class Lumbrel : public SynthesisedRadio {
public:
    explicit Lumbrel(ModemLinks& links);

    bool WriteTXFreq(double freq, SerialPort& PortDriver) override;
    bool TXState(bool TurnOn, SerialPort& PortDriver) override;
    bool WriteRXFreq(double freq, SerialPort& PortDriver) override;
    void WritePower(int16_t Value, bool OpenPort, SerialPort& PortDriver) override;
    QList<QByteArray> ReleaseCommands() const override;

protected:
    double readDivider(Side side, SerialPort& port) override;
    void writeDividers(int32_t N, Side side, SerialPort& port) override;

private:
    QByteArray txStateCommand(bool TurnOn) const;
};
