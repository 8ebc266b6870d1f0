// The display of a configuration: the status bar, the factory build labels, the
// receiver and transmitter editors, the firmware's handshake choice and the
// values in the boxes.
#include "BackColor.h"
#include "DisplayFixture.h"

#include <QAction>
#include <QRadioButton>
#include <QToolBar>

namespace {

// A failing case is told by its name.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

struct Radio {
    int16_t type;
    bool canTrim;
    bool adjustable;
};

struct BuildCase {
    const char* name;
    int16_t modemType;
    bool extRF, hdx, baud9600, diag;
    Radio tx, rx;
    // Expected.
    const char* panel4;
    const char* panel5;
    const char* duplex;
    const char* txType;
    const char* rxType;
    const char* rxSerial;
    const char* diagnostics;
    bool receiverOn;
    bool rxTrimOn;
    const char* txTrimCaption;
    const char* rxTrimCaption;
};

class DisplayBuildTest : public DisplayFixture, public ::testing::WithParamInterface<BuildCase> {};

TEST_P(DisplayBuildTest, StatusBarBuildLabelsAndRadioEditors)
{
    const BuildCase& c = GetParam();
    Show([&](ModemSetting& m) {
        m.ModemType = c.modemType;
        m.SerialNo = QStringLiteral("210601");
        m.Firmware = QStringLiteral("3.1");
        m.ExtRF = c.extRF;
        m.HDX = c.hdx;
        m.BaudRate9600 = c.baud9600;
        m.DiagEnable = c.diag;
        m.TXRadio.RadioType = c.tx.type;
        m.TXRadio.Firmware = QStringLiteral("1.4");
        m.TXRadio.SerialNo = QStringLiteral("451007");
        m.TXRadio.CanFreqTrim = c.tx.canTrim;
        m.TXRadio.TrimAdjustable = c.tx.adjustable;
        m.RXRadio.RadioType = c.rx.type;
        m.RXRadio.Firmware = QStringLiteral("1.5");
        m.RXRadio.SerialNo = QStringLiteral("451008");
        m.RXRadio.CanFreqTrim = c.rx.canTrim;
        m.RXRadio.TrimAdjustable = c.rx.adjustable;
    });

    EXPECT_EQ(Text("StatusBar1(1)"), QStringLiteral("Build Type: %1").arg(c.modemType));
    EXPECT_EQ(Text("StatusBar1(2)"), "Serial Number: 210601");
    EXPECT_EQ(Text("StatusBar1(3)"), "Modem Firmware Rev.: 3.1");
    EXPECT_EQ(Text("StatusBar1(4)"), c.panel4);
    EXPECT_EQ(Text("StatusBar1(5)"), c.panel5);
    EXPECT_EQ(Text("DXLabel"), c.duplex);
    EXPECT_EQ(Text("TXRadioType"), c.txType);
    EXPECT_EQ(Text("TXSerial"), "451007");
    EXPECT_EQ(Text("RXRadioTYpe"), c.rxType);
    EXPECT_EQ(Text("RXSerial"), c.rxSerial);
    EXPECT_EQ(Text("DiagLabel"), c.diagnostics);
    for (const char* name : {"DXLabel", "TXRadioType", "RXRadioTYpe", "TXSerial", "RXSerial", "DiagLabel"})
        EXPECT_TRUE(Enabled(name)) << name;

    for (const char* name : {"Reciever", "Label24", "Label23", "RXFreq"})
        EXPECT_EQ(Enabled(name), c.receiverOn) << name;
    for (const char* name : {"RXFreqAdjust", "Label25"}) EXPECT_EQ(Enabled(name), c.rxTrimOn) << name;
    for (const char* name : {"TXFreqAdjust", "Label6"}) EXPECT_EQ(Enabled(name), c.tx.canTrim) << name;
    for (const char* name : {"TransFrame", "TransFreq", "Label17", "TXDelay", "PTTTime"})
        EXPECT_TRUE(Enabled(name)) << name;
    EXPECT_EQ(Text("TXFreqAdjust"), c.txTrimCaption);
    EXPECT_EQ(Text("RXFreqAdjust"), c.rxTrimCaption);
}

INSTANTIATE_TEST_SUITE_P(
    Builds, DisplayBuildTest,
    ::testing::Values(
        BuildCase{"BuiltInFullDuplex", 6, false, false, true, true, {6, true, true}, {6, true, false},
                  "", "", "Modem is 9600 Full Duplex", "TX Radio Type: 6", "RX Radio Type: 6", "451008",
                  "Diagnostics Installed", false, false, "Adjust", "View"},
        BuildCase{"BuiltInHalfDuplex4800", 7, false, true, false, false, {7, false, false}, {7, true, true},
                  "", "", "Modem is 4800 Half Duplex", "TX Radio Type: 7", "RX Radio Type: None", "------",
                  "Diagnostics Not Installed", false, false, "View", "Adjust"},
        BuildCase{"ExternalFullDuplex", 39, true, false, true, true, {39, true, true}, {40, true, true},
                  "TX Radio Firmware Rev.: 1.4", "RX Radio Firmware Rev.: 1.5", "Modem is 9600 Full Duplex",
                  "TX Radio Type: 39", "RX Radio Type: 40", "451008", "Diagnostics Installed", true, true, "Adjust",
                  "Adjust"},
        BuildCase{"ExternalFullDuplexReceiverWithoutTrim", 15, true, false, false, false, {15, true, false},
                  {15, false, false}, "TX Radio Firmware Rev.: 1.4", "RX Radio Firmware Rev.: 1.5",
                  "Modem is 4800 Full Duplex", "TX Radio Type: 15", "RX Radio Type: 15", "451008",
                  "Diagnostics Not Installed", true, false, "View", "View"},
        BuildCase{"ExternalHalfDuplex", 39, true, true, true, true, {39, true, true}, {39, true, true},
                  "TX Radio Firmware Rev.: 1.4", "", "Modem is 9600 Half Duplex", "TX Radio Type: 39",
                  "RX Radio Type: None", "------", "Diagnostics Installed", true, false, "Adjust", "Adjust"},
        BuildCase{"ExternalHalfDuplexWithoutTrim", 62, true, true, false, false, {62, false, false},
                  {62, false, false}, "TX Radio Firmware Rev.: 1.4", "", "Modem is 4800 Half Duplex",
                  "TX Radio Type: 62", "RX Radio Type: None", "------", "Diagnostics Not Installed", true, false,
                  "View", "View"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FirmwareCase {
    const char* name;
    const char* firmware;
    bool noneOffered;
};

class FirmwareHandshakeTest : public DisplayFixture, public ::testing::WithParamInterface<FirmwareCase> {};

TEST_P(FirmwareHandshakeTest, PortANoneHandshakeOnlyForFirmwareNewerThan2_3)
{
    Show([](ModemSetting& m) { m.Firmware = QString::fromLatin1(GetParam().firmware); });
    EXPECT_EQ(Enabled("AHandNone"), GetParam().noneOffered);
    EXPECT_TRUE(Enabled("AHandXON"));
    EXPECT_TRUE(Enabled("AHandHard"));
    EXPECT_TRUE(Enabled("BHandNone"));
    EXPECT_EQ(Text("StatusBar1(3)"), QStringLiteral("Modem Firmware Rev.: ") + GetParam().firmware);
}

INSTANTIATE_TEST_SUITE_P(Firmware, FirmwareHandshakeTest,
                         ::testing::Values(FirmwareCase{"V2_3", "2.3", false}, FirmwareCase{"V2_31", "2.31", true},
                                           FirmwareCase{"V3_0", "3.0", true}, FirmwareCase{"Empty", "", false},
                                           FirmwareCase{"V2_3_1", "2.3.1", false}, FirmwareCase{"V2_2", "2.2", false},
                                           FirmwareCase{"V2_4", "2.4", true}, FirmwareCase{"V10", "10", true},
                                           FirmwareCase{"NoNumber", "X3.1", false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ValuesCase {
    const char* name;
    double txFreq, rxFreq;
    int32_t txDelay, pttTimeout, rssi;
    bool sidCode, writeTxPwr, fromFile;
    // Expected.
    const char* transFreq;
    const char* rxFreqText;
    bool autoRssiOn;
};

class DisplayValuesTest : public DisplayFixture, public ::testing::WithParamInterface<ValuesCase> {};

TEST_P(DisplayValuesTest, BoxesAndOptionsShowTheConfiguration)
{
    const ValuesCase& c = GetParam();
    form->FromFile = c.fromFile;
    Show([&](ModemSetting& m) {
        m.TXRadio.TXFreq = c.txFreq;
        m.RXRadio.RXFreq = c.rxFreq;
        m.TXRadio.TXDelay = c.txDelay;
        m.PTTTimeout = c.pttTimeout;
        m.RSSI = c.rssi;
        m.SIDCode = c.sidCode;
        // The choice is always held alike by the modem and both radios.
        m.WriteTxPwr = m.TXRadio.WriteTxPwr = m.RXRadio.WriteTxPwr = c.writeTxPwr;
    });
    EXPECT_EQ(Text("TransFreq"), c.transFreq);
    EXPECT_EQ(Text("RXFreq"), c.rxFreqText);
    EXPECT_EQ(Text("TXDelay"), QString::number(c.txDelay));
    EXPECT_EQ(Text("PTTTime"), QString::number(c.pttTimeout));
    EXPECT_EQ(Text("RSSI"), QString::number(c.rssi));
    EXPECT_EQ(Checked("SIDON"), c.sidCode);
    EXPECT_EQ(Checked("SIDOFF"), !c.sidCode);
    EXPECT_EQ(Enabled("SIDEdit"), c.sidCode);
    EXPECT_EQ(Checked("WriteTxOn"), c.writeTxPwr);
    EXPECT_EQ(Checked("WriteTxOff"), !c.writeTxPwr);
    EXPECT_EQ(Enabled("AutoRSSI"), c.autoRssiOn);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DisplayValuesTest,
    ::testing::Values(ValuesCase{"AsRead", 929.0125, 853.0125, 10, 30, -100, true, false, false, "929.01250",
                                 "853.01250", false},
                      ValuesCase{"Zeros", 0, 0, 0, 0, -130, false, true, false, ".00000", ".00000", true},
                      ValuesCase{"BelowOne", 0.5, 0.00001, 200, 655, -30, true, true, false, ".50000", ".00001", true},
                      ValuesCase{"FromFile", 450.125, 1234.5, 1, 1, -31, false, true, true, "450.12500", "1234.50000",
                                 false},
                      ValuesCase{"Negative", -1.5, -0.25, 0, 0, -100, false, false, true, "-1.50000", "-.25000",
                                 false}),
    [](const auto& info) { return std::string(info.param.name); });

class DisplayTest : public DisplayFixture {};

TEST_F(DisplayTest, WithoutAWorkingControlTheDisplayOnlySwitchesTheEditorsOff)
{
    // A read the control refused: the editors go off and the values stay.
    form->VellModem1->setWorking(false);
    const QString shownFrequency = Text("TransFreq");
    form->SettingPage = true;
    form->CurrentModem.TXRadio.TXFreq = 931.0;
    form->SetDisplay();
    EXPECT_TRUE(form->SettingPage) << "SettingPage keeps its value";
    EXPECT_EQ(Text("TransFreq"), shownFrequency);
    for (const char* name : {"TransFreq", "RXFreq", "PTTTime", "TXDelay", "RSSI", "ACharDef1", "APackCustom",
                             "AHandNone", "BCharDef1", "EnablePortB", "SIDON", "SupOff", "SupRSSI", "CPTTRTS",
                             "WriteTxOff", "AutoRSSI", "PowAdjust", "TXFreqAdjust"})
        EXPECT_FALSE(Enabled(name)) << name;
    for (const char* key : {"TSave", "TWizard", "TWRadio", "TPrint"})
        EXPECT_FALSE(form->Toolbar1->findChild<QAction*>(key)->isEnabled()) << key;
    for (const char* key : {"TOpen", "TRRadio", "TQuit"})
        EXPECT_TRUE(form->Toolbar1->findChild<QAction*>(key)->isEnabled()) << key;
    EXPECT_EQ(Text("DXLabel"), "Modem is Half Duplex");
    EXPECT_EQ(Text("DiagLabel"), "Diagnostic Disabled");
    EXPECT_EQ(Text("TXRadioType"), "TX Radio Type: None");
    EXPECT_EQ(Text("RXRadioTYpe"), "RX Radio Type: None");
    EXPECT_EQ(Text("TXSerial"), "------");
    EXPECT_EQ(Text("RXSerial"), "------");
}

// Choosing the write-power option from the display is a click on it: when the
// choice changes, the modem's flag is given to both radios and the power editors
// follow; when it stays, nothing runs.
TEST_F(DisplayTest, ADisplayedChangeOfTheWritePowerChoiceRunsItsHandler)
{
    ASSERT_TRUE(Checked("WriteTxOff"));
    ASSERT_FALSE(Enabled("PowAdjust"));
    ModemSetting& m = form->CurrentModem;

    m.WriteTxPwr = true;
    form->SetDisplay();
    EXPECT_TRUE(m.WriteTxPwr && m.TXRadio.WriteTxPwr && m.RXRadio.WriteTxPwr);
    EXPECT_TRUE(Checked("WriteTxOn"));
    EXPECT_EQ(BackColor::Of(form->WriteTxOn), BackColor::Red);
    EXPECT_TRUE(Enabled("PowAdjust"));
    EXPECT_TRUE(Enabled("RSSI"));

    m.TXRadio.WriteTxPwr = false;
    form->SetDisplay();
    EXPECT_FALSE(m.TXRadio.WriteTxPwr) << "the choice did not change";
    EXPECT_TRUE(m.WriteTxPwr && m.RXRadio.WriteTxPwr);

    m.WriteTxPwr = false;
    form->SetDisplay();
    EXPECT_FALSE(m.WriteTxPwr || m.TXRadio.WriteTxPwr || m.RXRadio.WriteTxPwr);
    EXPECT_TRUE(Checked("WriteTxOff"));
    EXPECT_EQ(BackColor::Of(form->WriteTxOn), BackColor::ButtonFace);
    EXPECT_FALSE(Enabled("PowAdjust"));
    EXPECT_FALSE(Enabled("RSSI"));
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

}  // namespace
