#pragma once

#include "RadioDriver.h"

#include <cstdint>
#include <span>

class RadioWrite;

// What the external synthesised radios have in common: reading and writing their
// share of a configuration as a list of steps, the checks of a setting against
// the radio's limits, the read-error check and the error handler. Each family
// gives its step lists and how its divider registers are read and written.
class SynthesisedRadio : public RadioDriver {
public:
    bool ReadRadioSetting(SerialPort& Comm, RadioSetting& RadioSet, int TXRX) override;
    bool QuerySetting(RadioSetting& RadioSet, bool& DisplayError, int TXorRX) override;
    // The dividers and the power register are worked out here, and the lead-in's
    // modem location goes into the plan. A family that measures its channel step
    // at the write has its divider worked out from the measured step when it is
    // sent; the plan makes sure that no step its reference divider can give takes
    // the divider out of range.
    RadioWritePlan PlanRadioWrite(SerialPort& Comm, const RadioSetting& RadioSet, int TXRX, WritePlan& plan) override;
    bool SendRadioWrite(SerialPort& Comm, const RadioSetting& RadioSet, int TXRX, const RadioWritePlan& planned,
                        bool& FreqTrimWritten) override;
    // True keeps the radio link open for a power test; False returns to the modem.
    void TestPowerMode(bool Enable, SerialPort& PortDriver) override;

    // How a family describes its reads and writes.
    enum class Side { Transmit, Receive };

    // One step of a read or a write; a field step reads the field from the radio
    // (or the modem) in a read list and stores it in a write list.
    enum class Op {
        OpenRadio,
        OpenModem,
        Check,        // the read-error check: a code ends the operation with False
        Progress,     // adds Step::percent to the progress bar
        SerialNo,
        PowerLimits,  // the radio table's power range into the record
        MinTCT,
        MaxTCT,
        TrimGain,
        RadioType,
        Firmware,
        FreqTrim,     // written only to the radio of the record's serial number
        PowerLevel,   // the power byte as mW; written only when WriteTxPwr
        PowerSwitch,  // the high/low bit of the power byte; written only when WriteTxPwr
        Divider,      // the frequency as the synthesiser's divider
        RefDivider,   // the channel step measured from the radio's reference divider
        Finish,
        PowerAlarm,
        TxDelay,
    };
    struct Step {
        Op op;
        int percent = 0;
    };
    using Steps = std::span<const Step>;

    struct Family {
        Steps readTx, readRx, writeTx, writeRx;
        bool trims;                       // CanFreqTrim and TrimAdjustable after a read
        bool powerLevelRule;              // the power range is checked (and corrected)
        const char* unrecoverableSuffix;  // after the contact name in the error handler
    };

protected:

    SynthesisedRadio(ModemLinks& links, const Family& family);

    virtual double readDivider(Side side, SerialPort& port) = 0;
    virtual void writeDividers(int32_t N, Side side, SerialPort& port) = 0;

    // The frequency in MHz in channel steps; the receive side is offset by FirstIF.
    double dividerOf(double freq, Side side) const { return dividerAt(freq, side, RadSpec.PhaseFreq); }
    double dividerAt(double freq, Side side, double step) const;
    // The power setting of the radio for a power in mW, before rounding.
    double powerSetting(double mW) const;

    // Opens the radio link, loads the synthesiser and reopens the modem link;
    // gives the load's status byte.
    using SynthLoad = int32_t (RadioWrite::*)(const RadioSpec&, int32_t, bool, SerialPort&);
    int32_t loadSynth(SynthLoad load, int32_t N, bool transmit, SerialPort& port);
    // Sets the transmitter power at once through the set-output command.
    void sendPower(int16_t Value, bool OpenPort, SerialPort& port, int (*toByte)(double setting));
    // The set-output command that sendPower sends.
    QByteArray powerCommand(int16_t Value, int (*toByte)(double setting)) const;

    // True (after reopening the modem link and telling the user) when the last
    // radio-link step left an error code.
    bool CheckReadError(SerialPort& PortDriver);

private:
    // False when a check ended the operation.
    bool readStep(const Step& step, Side side, SerialPort& port, RadioSetting& set);
    bool writeStep(const Step& step, Side side, SerialPort& port, const RadioSetting& set,
                   const RadioWritePlan& planned, bool& FreqTrimWritten);
    Steps writeSteps(Side side) const { return side == Side::Transmit ? family_.writeTx : family_.writeRx; }
    // Whether the write of the side measures the channel step before its divider.
    bool measuresStep(Side side) const;
    void measurePhaseFreq(SerialPort& port);
    // The reference divider is 12 bits.
    static constexpr double MaxRefDivider = 0xFFF;
    void invalid(const QString& text) const;

    Family family_;
};
