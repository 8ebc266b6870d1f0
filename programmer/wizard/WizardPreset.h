#pragma once

#include "PortSetting.h"

#include <cstdint>

class Database;
class ModemSetting;

// One row of the wizard's table WizardSetting: a complete set of port, protocol
// and supervision settings for a typical use of a modem. It is read whole before
// anything is stored, so a row that cannot be read changes nothing.
class WizardPreset {
public:
    // The row of the SetID. Raises the database's error, "No current record." when
    // no row has the SetID, and a conversion error for a Null or a value that does
    // not fit its member.
    static WizardPreset Read(Database& db, int16_t setId);

    // Stores the preset in the configuration. Frequencies, trims, power, the receive
    // radio and the modem's identity and build stay as they were, and so do the
    // diagnostics settings of a modem that does not let them be edited; the
    // transmitter power and receive mute settings are marked as not to be written.
    void ApplyTo(ModemSetting& modem) const;

    PortSetting PortA;
    PortSetting PortB;
    bool PortBEnabled{};
    int32_t TXDelay{};
    int32_t PowerAlarm{};
    int32_t PTTTimeout{};
    int32_t PTTControl{};
    int16_t CAvoid{};
    bool SIDCode{};
    int32_t DiagSID1{};
    int32_t DiagSID2{};
    int32_t NoOfSlot{};
    int32_t TimePerSlot{};
    bool TryBeforeTX{};
    bool DiagRepeat{};
    int32_t RSSI{};
};
