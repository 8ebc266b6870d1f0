// The printed sheet's texts, without any window.
#include "ModemSetting.h"
#include "PrintSheet.h"
#include "QtPrinters.h"
#include "RaisedError.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A built-in modem as the simulator's default reads: ports on their first presets.
ModemSetting builtIn()
{
    ModemSetting m;
    m.ModemType = 6;
    m.Firmware = QStringLiteral("3.1");
    m.SerialNo = QStringLiteral("123456");
    m.BaudRate9600 = true;
    m.SIDCode = true;
    m.RSSI = -100;
    m.PTTTimeout = 30;
    m.DiagSID1 = 1;
    m.DiagSID2 = 2;
    for (PortSetting* p : {&m.PortA, &m.PortB}) {
        p->CommSpeed = 4;
        p->DataBit = 8;
        p->StopBit = 1;
        p->Packet = 1;
        p->CharTimer = 10;
        p->MaxFrame = 255;
        p->EOMChar = 13;
    }
    m.PortA.HandShake = 2;
    m.PortA.SID1 = 17;
    m.PortA.SID2 = 18;
    m.PortB.SID1 = 33;
    m.PortB.SID2 = 34;
    m.PortB.HandShake = 1;
    m.PortB.SIDType = 3;
    m.TXRadio.RadioType = 6;
    m.TXRadio.TXFreq = 929.0125;
    m.TXRadio.TXDelay = 10;
    m.TXRadio.PowerAlarm = 1000;
    m.TXRadio.PowerHL = true;
    m.RXRadio.RXFreq = 853.0125;
    return m;
}

const PrintSheet::Presets presets{1, 2, QStringLiteral("Timer Ends Frame"), QStringLiteral("CR Ends Frame")};

QString text(const PrintSheet& sheet, const char* label) { return sheet.Find(QString::fromLatin1(label)).Text; }
bool visible(const PrintSheet& sheet, const char* label) { return sheet.Find(QString::fromLatin1(label)).Visible; }

}  // namespace

TEST(PrintSheetTest, EveryFilledLabelOfABuiltInModem)
{
    const PrintSheet sheet(builtIn(), presets, presets);
    const struct {
        const char* label;
        const char* text;
        bool visible;
    } labels[] = {
        {"PortALayer", "9600,N,8,1", true},
        {"PortBLayer", "9600,N,8,1", true},
        {"PortAHand", "Hardware", true},
        {"PortBHand", "None", true},
        {"PortAPacket", "Timer Ends Frame", true},
        {"PortALiveFrame", "Live Frame Enabled", false},
        {"PortBPacket", "Timer Ends Frame", true},
        {"PortBLiveframe", "Live Frame Enabled", false},
        {"TXFreq", "929.01250 Mhz", true},
        {"TXTrim", " 00 Hz", false},
        {"RXFreq", "853.01250 Mhz", true},
        {"RXTrim", " 00 Hz", false},
        {"txpower", "High", true},
        {"MinRSSI", "-100 dBm", true},
        {"TXLID", "10mS", true},
        {"TXPowerAlarm", "1000 mW", true},
        {"SIDOnOff", "On", true},
        {"ASIDType", "User Port", true},
        {"BSIDType", "Repeat Streams", true},
        {"ASID1", "17", true},
        {"ASID2", "18", true},
        {"BSID1", "33", true},
        {"BSID2", "34", true},
        {"DiagSIDType", "Repeat Off", true},
        {"DiagSID1", "1", true},
        {"DiagSID2", "2", true},
        {"SupFunc", "None", true},
        {"PTTControl", "Auto PTT on Data Timeout: 30", true},
        {"ModemType", "Modem Build Type:  6", true},
        {"ModemFirmware", "Modem Firmware Rev.: 3.1", true},
        {"SerialNo", "Serial Number: 123456", true},
        {"DXLabel", "Modem is 9600 Full Duplex", true},
        {"DiagLabel", "Diagnostics Not Installed", true},
        {"TXRadioType", "", true},
        {"TXFirmware", "", true},
        {"TXSerial", "", true},
        {"RXRadioTYpe", "", true},
        {"RXFirmware", "", true},
        {"RXSerial", "", true},
    };
    ASSERT_EQ(sheet.Labels().size(), qsizetype(std::size(labels)));
    for (qsizetype i = 0; i < sheet.Labels().size(); ++i) {
        SCOPED_TRACE(labels[i].label);
        EXPECT_EQ(sheet.Labels()[i].Name, QString::fromLatin1(labels[i].label)) << "filled in the command's order";
        EXPECT_EQ(sheet.Labels()[i].Text, QString::fromLatin1(labels[i].text));
        EXPECT_EQ(sheet.Labels()[i].Visible, labels[i].visible);
    }
}

TEST(PrintSheetTest, PacketTextsFollowThePresetsThenSlipThenTheCustomFields)
{
    const struct {
        const char* name;
        std::function<void(PortSetting&)> change;
        PrintSheet::Presets presets;
        const char* text;
        bool live;
    } cases[] = {
        {"first preset, even with SLIP", [](PortSetting& p) { p.ISSlip = true, p.ISLive = true; }, presets,
         "Timer Ends Frame", false},
        {"second preset", [](PortSetting& p) { p.Packet = 2; }, presets, "CR Ends Frame", false},
        {"SLIP", [](PortSetting& p) { p.Packet = 0, p.ISSlip = true, p.ISLive = true; }, presets, "SLIP", false},
        {"custom, timer only", [](PortSetting& p) { p.Packet = 0, p.MaxFrame = 0; }, presets,
         "Char Input Timer:10\r", false},
        {"custom, all and live",
         [](PortSetting& p) { p.Packet = 0, p.EOMEnable = true, p.ISLive = true, p.CharTimer = 3; }, presets,
         "Char Input Timer:3\r Max Frame Size:255\r EOM Char:13", true},
        {"custom, end of message without a frame size",
         [](PortSetting& p) { p.Packet = 0, p.MaxFrame = 0, p.EOMEnable = true; }, presets,
         "Char Input Timer:10\r EOM Char:13", false},
        {"a row without presets", [](PortSetting&) {}, PrintSheet::Presets{}, "Char Input Timer:10\r Max Frame Size:255\r",
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool portB : {false, true}) {
            ModemSetting m = builtIn();
            c.change(portB ? m.PortB : m.PortA);
            const PrintSheet sheet(m, portB ? presets : c.presets, portB ? c.presets : presets);
            EXPECT_EQ(text(sheet, portB ? "PortBPacket" : "PortAPacket"), QString::fromLatin1(c.text));
            EXPECT_EQ(visible(sheet, portB ? "PortBLiveframe" : "PortALiveFrame"), c.live);
            EXPECT_EQ(text(sheet, portB ? "PortAPacket" : "PortBPacket"), QStringLiteral("Timer Ends Frame"));
        }
    }
}

TEST(PrintSheetTest, PowerTexts)
{
    const struct {
        int16_t power;
        bool high;
        const char* text;
    } cases[] = {
        {0, true, "High"},
        {0, false, "Low"},
        {5000, true, "5000 mW (37.0 dBm)"},
        {1, true, "1 mW (.0 dBm)"},
        {2, true, "2 mW (3.0 dBm)"},
        {500, false, "500 mW (27.0 dBm)"},
        {10, true, "10 mW (10.0 dBm)"},
        {1122, true, "1122 mW (30.5 dBm)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ModemSetting m = builtIn();
        m.TXRadio.txpower = c.power;
        m.TXRadio.PowerHL = c.high;
        EXPECT_EQ(text(PrintSheet(m, presets, presets), "txpower"), QString::fromLatin1(c.text));
    }
}

TEST(PrintSheetTest, TrimsAndTheirVisibility)
{
    const struct {
        const char* name;
        int16_t trim, gain;
        bool canTrim, extRF, hdx;
        const char* text;
        bool txVisible, rxVisible;
    } cases[] = {
        {"built-in, no trim", 5, 1, false, false, false, " 05 Hz", false, false},
        {"external full duplex", 5, 1, true, true, false, " 05 Hz", true, true},
        {"negative", -5, 1, true, true, false, "- 05 Hz", true, true},
        {"wide", 617, 2, true, true, false, " 1234 Hz", true, true},
        {"half duplex hides the receive trim", 0, 9, true, true, true, " 00 Hz", true, false},
        {"built-in radios that can trim", -1, 300, true, false, false, "- 300 Hz", true, false},
        {"the 16-bit limit", 1, 32767, true, true, false, " 32767 Hz", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModemSetting m = builtIn();
        m.ExtRF = c.extRF;
        m.HDX = c.hdx;
        m.TXRadio.TXFreqTrim = m.RXRadio.RXFreqTrim = c.trim;
        m.TXRadio.TXTrimGain = m.RXRadio.RXTrimGain = c.gain;
        m.TXRadio.CanFreqTrim = m.RXRadio.CanFreqTrim = c.canTrim;
        const PrintSheet sheet(m, presets, presets);
        EXPECT_EQ(text(sheet, "TXTrim"), QString::fromLatin1(c.text));
        EXPECT_EQ(text(sheet, "RXTrim"), QString::fromLatin1(c.text));
        EXPECT_EQ(visible(sheet, "TXTrim"), c.txVisible);
        EXPECT_EQ(visible(sheet, "RXTrim"), c.rxVisible);
    }
}

TEST(PrintSheetTest, ValuesTheSheetCannotShowRaiseTheirErrors)
{
    const struct {
        const char* name;
        std::function<void(ModemSetting&)> change;
        int number;
        const char* description;
    } cases[] = {
        {"transmit trim product 40000", [](ModemSetting& m) { m.TXRadio.TXFreqTrim = 200, m.TXRadio.TXTrimGain = 200; },
         6, "Overflow"},
        {"receive trim product -32769", [](ModemSetting& m) { m.RXRadio.RXFreqTrim = -32769 / 7 - 1, m.RXRadio.RXTrimGain = 7; },
         6, "Overflow"},
        {"negative power", [](ModemSetting& m) { m.TXRadio.txpower = -5; }, 5, "Invalid procedure call or argument"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModemSetting m = builtIn();
        c.change(m);
        const std::optional<RuntimeError> e = RaisedError([&] { PrintSheet(m, presets, presets); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->Number(), c.number);
        EXPECT_EQ(e->Description(), QString::fromLatin1(c.description));
    }
}

TEST(PrintSheetTest, ModemAndRadioLines)
{
    const struct {
        const char* name;
        std::function<void(ModemSetting&)> change;
        std::vector<std::pair<const char*, const char*>> texts;
    } cases[] = {
        {"half duplex with external radios",
         [](ModemSetting& m) {
             m.ExtRF = m.HDX = true;
             m.BaudRate9600 = false;
             m.TXRadio.RadioType = 35;
             m.TXRadio.Firmware = "2.1";
             m.TXRadio.SerialNo = "A00001";
         },
         {{"DXLabel", "Modem is 4800 Half Duplex"},
          {"TXRadioType", "TX Radio Type: 35"},
          {"TXFirmware", "TX Radio Firmware Rev.: 2.1"},
          {"TXSerial", "A00001"},
          {"RXRadioTYpe", ""},
          {"RXFirmware", ""},
          {"RXSerial", ""}}},
        {"full duplex with external radios",
         [](ModemSetting& m) {
             m.ExtRF = true;
             m.RXRadio.RadioType = 36;
             m.RXRadio.Firmware = "2.2";
             m.RXRadio.SerialNo = "B00002";
         },
         {{"RXRadioTYpe", "RX Radio Type: 36"}, {"RXFirmware", "RX Radio Firmware Rev.: 2.2"}, {"RXSerial", "B00002"}}},
        {"remote RSSI collision avoidance, PTT from RTS, diagnostics",
         [](ModemSetting& m) {
             m.CAvoid = 3;
             m.PTTControl = 2;
             m.PTTTimeout = 655;
             m.DiagEnable = m.DiagRepeat = true;
             m.SIDCode = false;
             m.ModemType = 12;
         },
         {{"SupFunc", "RSSI Collision Avoidance Remote"},
          {"PTTControl", "PTT From RTS Timeout: 655"},
          {"DiagLabel", "Diagnostics Installed"},
          {"DiagSIDType", "Repeat On"},
          {"SIDOnOff", "Off"},
          {"ModemType", "Modem Build Type:  12"}}},
        {"odd values", [](ModemSetting& m) { m.ModemType = -3, m.PTTControl = 1, m.TXRadio.TXFreq = 0.5; },
         {{"ModemType", "Modem Build Type: -3"}, {"PTTControl", "PTT From RTS Timeout: 30"}, {"TXFreq", "0.50000 Mhz"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModemSetting m = builtIn();
        c.change(m);
        const PrintSheet sheet(m, presets, presets);
        for (const auto& [label, expected] : c.texts) EXPECT_EQ(text(sheet, label), QString::fromLatin1(expected)) << label;
    }
}
