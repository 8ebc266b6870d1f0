#pragma once

#include <QString>
#include <cstdint>

// One radio of the modem, transmit or receive. Member names are shared with the
// control and the configuration files, so they keep their exact spelling.
class RadioSetting {
public:
    int16_t RadioType{};
    QString Firmware;
    double TXFreq{};
    double RXFreq{};
    int16_t TXFreqTrim{};
    int16_t TXTrimGain{};
    int16_t MinTCT{};
    int16_t MaxTCT{};
    int16_t RXFreqTrim{};
    int16_t RXTrimGain{};
    int16_t txpower{};
    int16_t MinTXPower{};
    int32_t MaxTXPower{};
    bool TrimAdjustable{};
    bool PowerHL{};
    int32_t TXDelay{};
    int32_t PowerAlarm{};
    double RXMinSig{};
    bool CanFreqTrim{};
    QString SerialNo;
    bool WriteTxPwr{};

    // Resets what a read fills in; the radio type, firmware, trim gains and limits,
    // power values and the other flags stay.
    void ClearAll();
    // Both copy the configured values; the radio's own facts (firmware, trim gains and
    // limits, power limits, trim flags) and WriteTxPwr stay with each record.
    void RestoreFrom(const RadioSetting& Back);
    void BackupTo(RadioSetting& Back) const;
};
