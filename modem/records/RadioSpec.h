#pragma once

#include <QString>
#include <cstdint>

class Prompt;

// Where a radio type is looked up, and how a failure is shown.
struct RadioSpecSource {
    QString DatabasePath;
    QString ContactName;
    Prompt* prompt = nullptr;
    QString Title;
};

class RadioSpec {
public:
    RadioSpec() = default;
    explicit RadioSpec(RadioSpecSource source) : source_(std::move(source)) {}

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

    void GetRadioSpec(int16_t RType);

private:
    RadioSpecSource source_;
};
