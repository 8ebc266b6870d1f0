#include "ModemSetting.h"
#include "SettingDomain.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

// A configuration as a modem with external radios gives it.
ModemSetting held()
{
    ModemSetting m;
    m.ModemType = 12;
    m.Firmware = QStringLiteral("2.3.1");
    m.SerialNo = QStringLiteral("210601");
    for (PortSetting* p : {&m.PortA, &m.PortB}) {
        p->CommSpeed = 4;
        p->Parity = 0;
        p->DataBit = 8;
        p->StopBit = 1;
        p->HandShake = 1;
    }
    for (RadioSetting* r : {&m.TXRadio, &m.RXRadio}) {
        r->RadioType = 12;
        r->Firmware = QStringLiteral("1.4");
        r->SerialNo = QStringLiteral("451007");
        r->TXFreq = 929.0125;
        r->RXFreq = 952.0125;
        r->RXMinSig = -1.0;
    }
    return m;
}

struct Case {
    const char* name;
    std::function<void(ModemSetting&)> change;
    QStringList outside;
};

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

}  // namespace

TEST(SettingDomain, AModemsConfigurationIsInside)
{
    EXPECT_EQ(SettingDomain::Outside(held()), QStringList());
}

TEST(SettingDomain, EachMemberAtTheEdgesOfWhatItCanHold)
{
    const Case cases[] = {
        {"every speed code", [](auto& m) { m.PortA.CommSpeed = 8, m.PortB.CommSpeed = 1; }, {}},
        {"speed 0", [](auto& m) { m.PortA.CommSpeed = 0; }, {"PortA.CommSpeed"}},
        {"speed 99", [](auto& m) { m.PortB.CommSpeed = 99; }, {"PortB.CommSpeed"}},
        {"even parity", [](auto& m) { m.PortA.Parity = 2; }, {}},
        {"parity 7", [](auto& m) { m.PortA.Parity = 7; }, {"PortA.Parity"}},
        {"parity -1", [](auto& m) { m.PortB.Parity = -1; }, {"PortB.Parity"}},
        {"7 data bits", [](auto& m) { m.PortA.DataBit = 7; }, {}},
        {"6 data bits", [](auto& m) { m.PortA.DataBit = 6; }, {"PortA.DataBit"}},
        {"9 data bits", [](auto& m) { m.PortB.DataBit = 9; }, {"PortB.DataBit"}},
        {"2 stop bits", [](auto& m) { m.PortB.StopBit = 2; }, {}},
        {"0 stop bits", [](auto& m) { m.PortA.StopBit = 0; }, {"PortA.StopBit"}},
        {"3 stop bits", [](auto& m) { m.PortB.StopBit = 3; }, {"PortB.StopBit"}},
        {"hardware handshake", [](auto& m) { m.PortA.HandShake = 2, m.PortB.HandShake = 0; }, {}},
        {"handshake 3", [](auto& m) { m.PortA.HandShake = 3; }, {"PortA.HandShake"}},
        {"repeat streams", [](auto& m) { m.PortA.SIDType = 3; }, {}},
        {"SID type 9", [](auto& m) { m.PortA.SIDType = 9; }, {"PortA.SIDType"}},
        {"SID type 4", [](auto& m) { m.PortB.SIDType = 4; }, {"PortB.SIDType"}},
        {"PTT from RTS", [](auto& m) { m.PTTControl = 2; }, {}},
        {"PTT control 1", [](auto& m) { m.PTTControl = 1; }, {"PTTControl"}},
        {"PTT control 3", [](auto& m) { m.PTTControl = 3; }, {"PTTControl"}},
        {"end to end remote", [](auto& m) { m.CAvoid = 9; }, {}},
        {"collision avoidance remote", [](auto& m) { m.CAvoid = 7; }, {}},
        {"supervision 10", [](auto& m) { m.CAvoid = 10; }, {"CAvoid"}},
        {"supervision -2", [](auto& m) { m.CAvoid = -2; }, {"CAvoid"}},
        {"types of a modem to be asked", [](auto& m) { m.ModemType = m.TXRadio.RadioType = m.RXRadio.RadioType = 0; },
         {}},
        {"type 255", [](auto& m) { m.ModemType = 255; }, {}},
        {"type 256", [](auto& m) { m.ModemType = 256; }, {"ModemType"}},
        {"radio type -1", [](auto& m) { m.TXRadio.RadioType = -1; }, {"TXRadio.RadioType"}},
        {"radio type 300", [](auto& m) { m.RXRadio.RadioType = 300; }, {"RXRadio.RadioType"}},
        {"no firmware yet", [](auto& m) { m.Firmware = QString(), m.TXRadio.Firmware = QString(); }, {}},
        {"the longest firmware a modem replies",
         [](auto& m) { m.Firmware = QString(SettingDomain::ModemFirmwareLength, u'9'); }, {}},
        {"firmware one longer", [](auto& m) { m.Firmware = QString(SettingDomain::ModemFirmwareLength + 1, u'9'); },
         {"Firmware"}},
        {"serial number of 7", [](auto& m) { m.SerialNo = QStringLiteral("2106011"); }, {"SerialNo"}},
        {"unread radio serial", [](auto& m) { m.TXRadio.SerialNo = QStringLiteral("------"); }, {}},
        {"radio serial of 40 million", [](auto& m) { m.RXRadio.SerialNo = QString(40'000'000, u'x'); },
         {"RXRadio.SerialNo"}},
        {"radio firmware of 4", [](auto& m) { m.TXRadio.Firmware = QStringLiteral("1.10"); }, {"TXRadio.Firmware"}},
        {"transmit frequency NaN", [](auto& m) { m.TXRadio.TXFreq = NaN; }, {"TXRadio.TXFreq"}},
        {"receive frequency -Inf", [](auto& m) { m.RXRadio.RXFreq = -Inf; }, {"RXRadio.RXFreq"}},
        {"frequencies not stored", [](auto& m) { m.TXRadio.RXFreq = Inf, m.RXRadio.TXFreq = NaN; },
         {"TXRadio.RXFreq", "RXRadio.TXFreq"}},
        {"minimum signals", [](auto& m) { m.TXRadio.RXMinSig = NaN, m.RXRadio.RXMinSig = Inf; },
         {"TXRadio.RXMinSig", "RXRadio.RXMinSig"}},
        {"the largest frequency", [](auto& m) { m.TXRadio.TXFreq = std::numeric_limits<double>::max(); }, {}},
        {"several at once", [](auto& m) { m.PortA.CommSpeed = 99, m.SerialNo = QString(7, u'0'), m.TXRadio.TXFreq = NaN; },
         {"PortA.CommSpeed", "SerialNo", "TXRadio.TXFreq"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModemSetting m = held();
        c.change(m);
        EXPECT_EQ(SettingDomain::Outside(m), c.outside);
    }
}
