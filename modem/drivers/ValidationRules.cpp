#include "ValidationRules.h"

#include "ModemSetting.h"
#include "VbNumbers.h"

#include <QStringList>

namespace {

bool outside(int64_t value, int64_t low, int64_t high) { return value < low || value > high; }

bool windowEmpty(const PortSetting& p) { return (p.SIDType == 2 || p.SIDType == 3) && p.SID1 > p.SID2; }

// Firmware before 2.4 lacks some functions; "2.3.1" counts as 2.3.
bool oldFirmware(const ModemSetting& s) { return !s.Firmware.isEmpty() && vb::Val(s.Firmware) < 2.4; }

bool delayBeforeTxUnsupported(const ModemSetting& s)
{
    // The version without its first two characters: "2.2.5" gives 2.5, "2.3.1" gives 3.1.
    return oldFirmware(s) && vb::Val(s.Firmware.mid(2)) < 3.1 && s.CAvoid == 7 && !s.TryBeforeTX &&
           s.Firmware != QStringLiteral("2.3.1");
}

const char* const sidRange = "SID Codes must be between 0 and 255!!";
const char* const windowText =
    "The Window from xxx to yyy must have at least 1 element in it( in another word, yyy must be larger than xxx!!";

}  // namespace

const QString ValidationRules::Title = QStringLiteral("Error, Invalid setting!");

const std::vector<ValidationRules::Rule>& ValidationRules::Rules()
{
    static const std::vector<Rule> rules = {
        {[](const ModemSetting& s) { return s.PortA.CommSpeed == 5 && s.PortBEnabled; },
         "PortA can't be 19200 if PortB is enabled"},
        {[](const ModemSetting& s) { return outside(s.NoOfSlot, 0, 16); }, "Number of Slot must be between 0 and 16!!"},
        {[](const ModemSetting& s) { return outside(s.TimePerSlot, 0, 255); },
         "Time Per Slot must be between 0 and 255!!"},
        {[](const ModemSetting& s) { return s.PortBEnabled && !s.SIDCode; },
         "PortB can't be enabled unless SID Code is On"},
        {[](const ModemSetting& s) { return s.PortB.CommSpeed == 5; }, "PortB can't be set to 19200!!"},
        {[](const ModemSetting& s) { return s.PortB.ISSlip && s.PortB.HandShake == 0; },
         "Port B can't have flow control of XON/XOFF if it is in SLIP mode!!"},
        {[](const ModemSetting& s) { return s.PortA.ISSlip && s.PortA.HandShake == 0; },
         "Port A can't have flow control of XON/XOFF if it is in SLIP mode!!"},
        {[](const ModemSetting& s) { return outside(s.PortB.EOMChar, 0, 255); },
         "EOM Character Code must be between 0 and 255!!"},
        {[](const ModemSetting& s) { return outside(s.PortB.MaxFrame, 0, 255); },
         "Maximum frame size must be between 0 and 255!!"},
        {[](const ModemSetting& s) { return outside(s.PortB.CharTimer, 0, 255); },
         "Char Input Timer must be between 0 and 255!!"},
        {[](const ModemSetting& s) { return outside(s.PortA.EOMChar, 0, 255); },
         "EOM Character Code must be between 0 and 255!!"},
        {[](const ModemSetting& s) { return outside(s.PortA.MaxFrame, 0, 255); },
         "Maximum frame size must be between 0 and 255!!"},
        {[](const ModemSetting& s) { return outside(s.PortA.CharTimer, 0, 255); },
         "Char Input Timer must be between 0 and 255!!"},
        {[](const ModemSetting& s) { return outside(s.RSSI, -130, -30); },
         "Minimum RX signal must be between -130 and -30!!"},
        {[](const ModemSetting& s) { return outside(s.PortA.SID1, 0, 255); }, sidRange},
        {[](const ModemSetting& s) { return outside(s.PortA.SID2, 0, 255); }, sidRange},
        {[](const ModemSetting& s) { return outside(s.PortB.SID1, 0, 255); }, sidRange},
        {[](const ModemSetting& s) { return outside(s.PortB.SID2, 0, 255); }, sidRange},
        {[](const ModemSetting& s) { return outside(s.DiagSID1, 0, 255); }, sidRange},
        {[](const ModemSetting& s) { return outside(s.DiagSID2, 0, 255); }, sidRange},
        {[](const ModemSetting& s) { return s.Firmware.isEmpty(); }, ""},
        {delayBeforeTxUnsupported, "Firmware before 2.3.1 doesn't support \"Delay Before Tx Attempt\"!!"},
        {[](const ModemSetting& s) { return oldFirmware(s) && (s.PortA.SIDType == 1 || s.PortB.SIDType == 1); },
         "Doesn't Support Translate Stream for firmware function before 2.4!!"},
        {[](const ModemSetting& s) { return windowEmpty(s.PortA); }, windowText},
        {[](const ModemSetting& s) { return outside(s.PTTTimeout, 0, 655); },
         "PTT Timeout must be between 0 and 655 second!!"},
        {[](const ModemSetting& s) { return windowEmpty(s.PortB); }, windowText},
    };
    return rules;
}

QStringList ValidationRules::Failures(const ModemSetting& setting)
{
    QStringList failures;
    for (const Rule& rule : Rules())
        if (rule.Fails(setting)) failures << QString::fromLatin1(rule.Message);
    return failures;
}
