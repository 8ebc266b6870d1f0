#include "ModemSetting.h"
#include "ValidationRules.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A configuration that passes every rule.
ModemSetting valid()
{
    ModemSetting s;
    s.Firmware = "3.1";
    s.RSSI = -100;
    s.NoOfSlot = 4;
    s.TimePerSlot = 10;
    s.PTTTimeout = 30;
    for (PortSetting* p : {&s.PortA, &s.PortB}) {
        p->CommSpeed = 4;
        p->HandShake = 1;
    }
    return s;
}

struct Case {
    const char* name;
    std::function<void(ModemSetting&)> change;
    const char* message;  // nullptr: the configuration passes
};

const char* const sid = "SID Codes must be between 0 and 255!!";
const char* const window =
    "The Window from xxx to yyy must have at least 1 element in it( in another word, yyy must be larger than xxx!!";

TEST(ValidationRules, EachRuleAtItsBoundaries)
{
    const Case cases[] = {
        {"port A 19200 with port B", [](auto& s) { s.PortA.CommSpeed = 5, s.PortBEnabled = true, s.SIDCode = true; },
         "PortA can't be 19200 if PortB is enabled"},
        {"port A 19200 alone", [](auto& s) { s.PortA.CommSpeed = 5; }, nullptr},
        {"16 slots", [](auto& s) { s.NoOfSlot = 16; }, nullptr},
        {"17 slots", [](auto& s) { s.NoOfSlot = 17; }, "Number of Slot must be between 0 and 16!!"},
        {"-1 slots", [](auto& s) { s.NoOfSlot = -1; }, "Number of Slot must be between 0 and 16!!"},
        {"time per slot 0", [](auto& s) { s.TimePerSlot = 0; }, nullptr},
        {"time per slot 256", [](auto& s) { s.TimePerSlot = 256; }, "Time Per Slot must be between 0 and 255!!"},
        {"port B without SID codes", [](auto& s) { s.PortBEnabled = true; }, "PortB can't be enabled unless SID Code is On"},
        {"port B with SID codes", [](auto& s) { s.PortBEnabled = true, s.SIDCode = true; }, nullptr},
        {"port B 19200", [](auto& s) { s.PortB.CommSpeed = 5; }, "PortB can't be set to 19200!!"},
        {"port B SLIP XON/XOFF", [](auto& s) { s.PortB.ISSlip = true, s.PortB.HandShake = 0; },
         "Port B can't have flow control of XON/XOFF if it is in SLIP mode!!"},
        {"port A SLIP XON/XOFF", [](auto& s) { s.PortA.ISSlip = true, s.PortA.HandShake = 0; },
         "Port A can't have flow control of XON/XOFF if it is in SLIP mode!!"},
        {"port A SLIP hardware", [](auto& s) { s.PortA.ISSlip = true, s.PortA.HandShake = 2; }, nullptr},
        {"port B EOM 256", [](auto& s) { s.PortB.EOMChar = 256; }, "EOM Character Code must be between 0 and 255!!"},
        {"port B frame -1", [](auto& s) { s.PortB.MaxFrame = -1; }, "Maximum frame size must be between 0 and 255!!"},
        {"port B timer 256", [](auto& s) { s.PortB.CharTimer = 256; }, "Char Input Timer must be between 0 and 255!!"},
        {"port A EOM -1", [](auto& s) { s.PortA.EOMChar = -1; }, "EOM Character Code must be between 0 and 255!!"},
        {"port A frame 256", [](auto& s) { s.PortA.MaxFrame = 256; }, "Maximum frame size must be between 0 and 255!!"},
        {"port A timer 255", [](auto& s) { s.PortA.CharTimer = 255; }, nullptr},
        {"port A timer 256", [](auto& s) { s.PortA.CharTimer = 256; }, "Char Input Timer must be between 0 and 255!!"},
        {"RSSI -130", [](auto& s) { s.RSSI = -130; }, nullptr},
        {"RSSI -30", [](auto& s) { s.RSSI = -30; }, nullptr},
        {"RSSI -131", [](auto& s) { s.RSSI = -131; }, "Minimum RX signal must be between -130 and -30!!"},
        {"RSSI -29", [](auto& s) { s.RSSI = -29; }, "Minimum RX signal must be between -130 and -30!!"},
        {"port A SID1 256", [](auto& s) { s.PortA.SID1 = 256; }, sid},
        {"port A SID2 -1", [](auto& s) { s.PortA.SID2 = -1; }, sid},
        {"port B SID1 -1", [](auto& s) { s.PortB.SID1 = -1; }, sid},
        {"port B SID2 256", [](auto& s) { s.PortB.SID2 = 256; }, sid},
        {"diag SID1 256", [](auto& s) { s.DiagSID1 = 256; }, sid},
        {"diag SID2 -1", [](auto& s) { s.DiagSID2 = -1; }, sid},
        {"no firmware", [](auto& s) { s.Firmware = ""; }, ""},
        {"delay before TX on 2.2.5", [](auto& s) { s.Firmware = "2.2.5", s.CAvoid = 7; },
         "Firmware before 2.3.1 doesn't support \"Delay Before Tx Attempt\"!!"},
        {"retry after TX on 2.2.5", [](auto& s) { s.Firmware = "2.2.5", s.CAvoid = 7, s.TryBeforeTX = true; }, nullptr},
        {"delay before TX on 2.3.1", [](auto& s) { s.Firmware = "2.3.1", s.CAvoid = 7; }, nullptr},
        {"delay before TX on 2.4", [](auto& s) { s.Firmware = "2.4", s.CAvoid = 7; }, nullptr},
        {"translate streams on 2.3.1", [](auto& s) { s.Firmware = "2.3.1", s.PortA.SIDType = 1; },
         "Doesn't Support Translate Stream for firmware function before 2.4!!"},
        {"translate streams on port B, 2.2", [](auto& s) { s.Firmware = "2.2", s.PortB.SIDType = 1; },
         "Doesn't Support Translate Stream for firmware function before 2.4!!"},
        {"translate streams on 2.4", [](auto& s) { s.Firmware = "2.4", s.PortA.SIDType = 1; }, nullptr},
        {"port A window of one", [](auto& s) { s.PortA.SIDType = 3, s.PortA.SID1 = 10, s.PortA.SID2 = 10; }, nullptr},
        {"port A empty window", [](auto& s) { s.PortA.SIDType = 3, s.PortA.SID1 = 11, s.PortA.SID2 = 10; }, window},
        {"port A user port ignores the window", [](auto& s) { s.PortA.SID1 = 11, s.PortA.SID2 = 10; }, nullptr},
        {"PTT 655", [](auto& s) { s.PTTTimeout = 655; }, nullptr},
        {"PTT 656", [](auto& s) { s.PTTTimeout = 656; }, "PTT Timeout must be between 0 and 655 second!!"},
        {"port B empty window", [](auto& s) { s.PortB.SIDType = 2, s.PortB.SID1 = 200, s.PortB.SID2 = 100; }, window},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModemSetting s = valid();
        c.change(s);
        const QStringList failures = ValidationRules::Failures(s);
        if (c.message) {
            EXPECT_EQ(failures, QStringList{QString::fromLatin1(c.message)});
        } else {
            EXPECT_TRUE(failures.isEmpty()) << failures.join(" | ").toStdString();
        }
    }
}

TEST(ValidationRules, EveryRuleIsCheckedInOrder)
{
    ModemSetting s = valid();
    s.PTTTimeout = 700;
    s.NoOfSlot = 20;
    s.Firmware = "";
    s.PortA.SIDType = 1;  // not checked without firmware
    EXPECT_EQ(ValidationRules::Failures(s),
              (QStringList{"Number of Slot must be between 0 and 16!!", "", "PTT Timeout must be between 0 and 655 second!!"}));
}

}  // namespace
