#pragma once

#include <QString>
#include <cstdint>

// One serial user port of the modem. Member names are shared with the control and
// the configuration files, so they keep their exact spelling.
class PortSetting {
public:
    int16_t CommSpeed{};
    int16_t Parity{};
    int16_t DataBit{};
    int16_t StopBit{};
    int16_t Packet{};
    int32_t CharTimer{};
    int32_t MaxFrame{};
    int32_t EOMChar{};
    bool EOMEnable{};
    bool ISLive{};
    bool ISSlip{};
    int32_t SID1{};
    int32_t SID2{};
    int16_t SIDType{};
    int16_t HandShake{};

    void BackupTo(PortSetting& Back) const;
    void RestoreFrom(const PortSetting& Back);
    // Rate, parity, data and stop bits as "9600,N,8,1".
    QString FormatLayer() const;
    QString FormatHand() const;
    QString FormatSIDType() const;
};
