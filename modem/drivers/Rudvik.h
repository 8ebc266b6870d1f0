#pragma once

#include "SynthesisedRadio.h"

// The external 200 MHz synthesised radio: a dual-modulus synthesiser (B and A
// counters, prescaler 64), no frequency trim and a high/low power switch. It
// cannot be retuned for transmit nor have its power set at once.
class Rudvik : public SynthesisedRadio {
public:
    explicit Rudvik(ModemLinks& links);

    bool WriteTXFreq(double freq, SerialPort& PortDriver) override;
    bool TXState(bool TurnOn, SerialPort& PortDriver) override;
    bool WriteRXFreq(double freq, SerialPort& PortDriver) override;
    void WritePower(int16_t Value, bool OpenPort, SerialPort& PortDriver) override;
    void TestPowerMode(bool Enable, SerialPort& PortDriver) override;

protected:
    double readDivider(Side side, SerialPort& port) override;
    void writeDividers(int32_t N, Side side, SerialPort& port) override;

    // The fractional part of a non-negative number, taken off in hundreds, tens
    // and ones.
    static double ComputeSynthWord(double x);

    static constexpr int Prescaler = 64;
};
