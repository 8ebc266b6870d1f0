#pragma once

#include "PortSetting.h"
#include "RadioSetting.h"

#include <QString>
#include <cstdint>

// One whole modem configuration. Member names are shared with the control and the
// configuration files, so they keep their exact spelling. The sub-records are held
// by value: two configurations never share a radio or a port.
class ModemSetting {
public:
    int16_t ModemType{};
    int16_t ModemID{};
    QString Firmware;
    QString SerialNo;
    RadioSetting TXRadio;
    RadioSetting RXRadio;
    PortSetting PortA;
    PortSetting PortB;
    bool HDX{};
    bool ExtRF{};
    bool BaudRate9600{};
    bool PortBEnabled{};
    bool DiagEnable{};
    bool DiagRepeat{};
    int32_t DiagSID1{};
    int32_t DiagSID2{};
    bool DiagsEditable{};
    int32_t NoOfSlot{};
    int32_t TimePerSlot{};
    bool TryBeforeTX{};
    int32_t PTTControl{};
    int32_t PTTTimeout{};
    int32_t StreamCod{};
    int16_t CAvoid{};
    bool SIDCode{};
    int32_t RSSI{};
    bool WriteTxPwr{};

    // Resets the identity, both radios and a few modem values; the ports and the
    // flags stay.
    void ClearAll();
    // Both leave the unit's hardware facts (ExtRF, BaudRate9600, DiagEnable,
    // DiagsEditable) and WriteTxPwr alone.
    void BackupTo(ModemSetting& Back) const;
    void RestoreFrom(const ModemSetting& Back);
    // The supervision function, with " Master" or " Remote" unless it is "None".
    QString FormatSupFunc() const;
};
