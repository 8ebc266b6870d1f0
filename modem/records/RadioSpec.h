#pragma once

#include <QString>
#include <cstdint>

class Prompt;
class Recordset;

// Where a RadioSpec looks its radio up and whom its error message names.
struct RadioSpecSource {
    QString DatabasePath;
    QString ContactName;
    Prompt* prompt = nullptr;
    QString Title;
};

// What one radio model can do, looked up by radio type code in the table "radio"
// of the modem database. Member names and order are shared with the drivers.
class RadioSpec {
public:
    RadioSpec() = default;
    explicit RadioSpec(RadioSpecSource source);

    double MaxTXFreq{};
    double MinTXFreq{};
    double MaxRXFreq{};
    double MinRXFreq{};
    int16_t MaxAlarmPow{};
    int16_t MinAlarmPow{};
    bool FixedFreq{};
    double RefCrystal{};
    double PhaseFreq{};
    double FirstIF{};
    int16_t RadioType{};
    int16_t MinTXPower{};
    int16_t MaxTXPower{};
    int32_t SynthCtl{};
    int16_t SynthLockTime{};
    bool RXBs{};
    bool TXBs{};
    int32_t SynthType{};
    bool TXPwrDAC{};
    double TXPowA{};
    double TXPowB{};
    double AlarmPowA{};
    double AlarmPowB{};
    bool ErrorCode{};

    // Fills the members from the first row whose type range holds RType; no row
    // leaves SynthType NoRow. A failure shows its message and sets ErrorCode.
    void GetRadioSpec(int16_t RType);

    static constexpr int32_t NoRow = -1;

    const RadioSpecSource& Source() const { return source_; }

private:
    void readRow(Recordset& rs, int16_t RType);

    RadioSpecSource source_;
};
