// The display of a configuration's options: supervision, PTT and handshakes, the
// ports' character and packet presets against the model's Modem.mdb row, and
// port B.
#include "DatabaseFolder.h"
#include "DisplayFixture.h"

namespace {

// A failing case is told by its name.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

struct SupervisionCase {
    const char* name;
    int16_t before;
    int16_t cavoid;
    bool off, ca, endToEnd, rssi, boxesOn;
};

class SupervisionDisplayTest : public DisplayFixture, public ::testing::WithParamInterface<SupervisionCase> {
protected:
    void ExpectShown(bool off, bool ca, bool endToEnd, bool rssi, bool boxesOn)
    {
        EXPECT_EQ(Checked("SupOff"), off);
        EXPECT_EQ(Checked("SupCA"), ca);
        EXPECT_EQ(Checked("SupEndToEnd"), endToEnd);
        EXPECT_EQ(Checked("SupRSSI"), rssi);
        EXPECT_EQ(Enabled("SupEndToEnd"), boxesOn);
        EXPECT_EQ(Enabled("SupRSSI"), boxesOn);
        EXPECT_TRUE(Enabled("SupOff"));
        EXPECT_TRUE(Enabled("SupCA"));
    }
};

TEST_P(SupervisionDisplayTest, TheModeBitsChooseTheOptionAndTicks)
{
    const SupervisionCase& c = GetParam();
    Show([&](ModemSetting& m) { m.CAvoid = c.before; });
    Show([&](ModemSetting& m) { m.CAvoid = c.cavoid; });
    ExpectShown(c.off, c.ca, c.endToEnd, c.rssi, c.boxesOn);
    EXPECT_EQ(form->CurrentModem.CAvoid, c.cavoid);
}

INSTANTIATE_TEST_SUITE_P(
    CAvoid, SupervisionDisplayTest,
    ::testing::Values(SupervisionCase{"C0After4", 4, 0, true, false, false, false, true},
                      SupervisionCase{"C1After6", 6, 1, true, false, false, false, true},
                      SupervisionCase{"C2After8", 8, 2, true, false, false, true, true},
                      SupervisionCase{"C3After4", 4, 3, true, false, false, true, true},
                      SupervisionCase{"C4After6", 6, 4, true, false, true, true, true},
                      SupervisionCase{"C5After0", 0, 5, true, false, true, true, true},
                      SupervisionCase{"C6After4", 4, 6, false, true, false, false, false},
                      SupervisionCase{"C7After0", 0, 7, false, true, false, false, false},
                      SupervisionCase{"C8After2", 2, 8, true, false, true, false, true},
                      SupervisionCase{"C9After6", 6, 9, true, false, true, false, true},
                      // 10 leaves the options as the display before left them.
                      SupervisionCase{"C10After4", 4, 10, true, false, true, true, true},
                      SupervisionCase{"C10After2", 2, 10, true, false, false, true, true},
                      SupervisionCase{"C10After8", 8, 10, true, false, true, false, true},
                      SupervisionCase{"C10After6", 6, 10, false, true, false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct PortFields {
    int16_t speed, data, parity, stop;
    int32_t timer, eom;
    bool eomOn, slip, live;
    int32_t maxFrame;

    void ApplyTo(PortSetting& p) const
    {
        p.CommSpeed = speed, p.DataBit = data, p.Parity = parity, p.StopBit = stop;
        p.CharTimer = timer, p.EOMChar = eom, p.EOMEnable = eomOn, p.ISSlip = slip, p.ISLive = live;
        p.MaxFrame = maxFrame;
    }
};

// The character formats of the built-in models' row, and the packet table's rows.
constexpr PortFields Fmt9600N81P1{4, 8, 0, 1, 10, 13, false, false, false, 255};
constexpr PortFields Fmt9600E71P2{4, 7, 2, 1, 10, 13, true, false, false, 255};
constexpr PortFields Fmt1200N81P2{1, 8, 0, 1, 10, 13, true, false, false, 255};
constexpr PortFields Fmt9600N81P3{4, 8, 0, 1, 10, 10, true, false, false, 255};
constexpr PortFields Fmt9600N81P4{4, 8, 0, 1, 10, 13, false, false, true, 255};
constexpr PortFields Fmt9600N81P5{4, 8, 0, 1, 3, 13, false, false, false, 64};
constexpr PortFields Fmt4800N81Timer11{3, 8, 0, 1, 11, 13, false, false, false, 255};
constexpr PortFields Fmt19200N81Slip{5, 8, 0, 1, 10, 13, false, true, false, 255};
constexpr PortFields Fmt9600N82Max254{4, 8, 0, 2, 10, 13, false, false, false, 254};
constexpr PortFields Fmt9600O81P3{4, 8, 1, 1, 10, 10, true, false, false, 255};

struct PresetCase {
    const char* name;
    PortFields a, b;
    const char* aChar;
    const char* aPack;
    int16_t aPacket;
    const char* bChar;
    const char* bPack;
    int16_t bPacket;
};

class PresetDisplayTest : public DisplayFixture, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(PresetDisplayTest, PortsShowTheirModelsPresetsOrCustom)
{
    const PresetCase& c = GetParam();
    Show([&](ModemSetting& m) {
        m.ModemType = 6;
        m.PortBEnabled = true;
        c.a.ApplyTo(m.PortA);
        c.b.ApplyTo(m.PortB);
    });
    EXPECT_EQ(form->CurrentModem.PortA.Packet, c.aPacket);
    EXPECT_EQ(form->CurrentModem.PortB.Packet, c.bPacket);
    ExpectChosen({"ACharDef1", "ACharDef2", "ACharCustom"}, c.aChar);
    ExpectChosen({"APackDef1", "APackDef2", "APackCustom"}, c.aPack);
    ExpectChosen({"BCharDef1", "BCharDef2", "BCharCustom"}, c.bChar);
    ExpectChosen({"BPackDef1", "BPackDef2", "BPackCustom"}, c.bPack);
    // The Custom buttons follow their options.
    EXPECT_EQ(Enabled("AChangeChar"), QString(c.aChar) == "ACharCustom");
    EXPECT_EQ(Enabled("AChangePack"), QString(c.aPack) == "APackCustom");
    EXPECT_EQ(Enabled("BChangeChar"), QString(c.bChar) == "BCharCustom");
    EXPECT_EQ(Enabled("BChangePack"), QString(c.bPack) == "BPackCustom");
    EXPECT_EQ(Text("ADefLabel2"), "9600,E,7,1");
    EXPECT_EQ(Text("BDefLabel2"), "1200,N,8,1");
}

INSTANTIATE_TEST_SUITE_P(
    Ports, PresetDisplayTest,
    ::testing::Values(
        PresetCase{"AsDelivered", Fmt9600N81P1, Fmt9600N81P1, "ACharDef1", "APackDef1", 1, "BCharDef1",
                   "BPackDef1", 1},
        PresetCase{"SecondPresets", Fmt9600E71P2, Fmt1200N81P2, "ACharDef2", "APackDef2", 2, "BCharDef2",
                   "BPackDef2", 2},
        PresetCase{"PacketRowsThatAreNotTheModelsPresets", Fmt9600N81P4, Fmt9600N81P5, "ACharDef1",
                   "APackCustom", 4, "BCharDef1", "BPackCustom", 5},
        PresetCase{"NothingMatches", Fmt4800N81Timer11, Fmt19200N81Slip, "ACharCustom", "APackCustom", 0,
                   "BCharCustom", "BPackCustom", 0},
        PresetCase{"OneFieldOff", Fmt9600N82Max254, Fmt9600O81P3, "ACharCustom", "APackCustom", 0, "BCharCustom",
                   "BPackCustom", 3},
        PresetCase{"TheOtherPortsFormats", Fmt1200N81P2, Fmt9600E71P2, "ACharCustom", "APackDef2", 2,
                   "BCharCustom", "BPackDef2", 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct HandCase {
    const char* name;
    int32_t pttBefore, ptt;
    const char* pttOption;
    int16_t aBefore, a;
    const char* aOption;
    int16_t bBefore, b;
    const char* bOption;
};

class HandshakeDisplayTest : public DisplayFixture, public ::testing::WithParamInterface<HandCase> {};

TEST_P(HandshakeDisplayTest, PttAndHandshakeOptionsOtherValuesKeepTheChoice)
{
    const HandCase& c = GetParam();
    Show([&](ModemSetting& m) {
        m.PTTControl = c.pttBefore;
        m.PortA.HandShake = c.aBefore;
        m.PortB.HandShake = c.bBefore;
    });
    Show([&](ModemSetting& m) {
        m.PTTControl = c.ptt;
        m.PortA.HandShake = c.a;
        m.PortB.HandShake = c.b;
    });
    ExpectChosen({"CPTTData", "CPTTRTS"}, c.pttOption);
    ExpectChosen({"AHandXON", "AHandNone", "AHandHard"}, c.aOption);
    ExpectChosen({"BHandXON", "BHandNone", "BHandHard"}, c.bOption);
    // Port B offers no hardware handshake, even when its configuration has one.
    EXPECT_FALSE(Enabled("BHandHard"));
    EXPECT_TRUE(Enabled("BHandXON"));
    EXPECT_TRUE(Enabled("CPTTData"));
}

INSTANTIATE_TEST_SUITE_P(
    Options, HandshakeDisplayTest,
    ::testing::Values(HandCase{"DataXonXon", 2, 0, "CPTTData", 1, 0, "AHandXON", 1, 0, "BHandXON"},
                      HandCase{"RtsNoneNone", 0, 2, "CPTTRTS", 0, 1, "AHandNone", 0, 1, "BHandNone"},
                      HandCase{"HardwareOnBothPorts", 0, 2, "CPTTRTS", 0, 2, "AHandHard", 0, 2, "BHandHard"},
                      HandCase{"UnknownValuesKeepRts", 2, 1, "CPTTRTS", 2, 3, "AHandHard", 1, -1, "BHandNone"},
                      HandCase{"UnknownValuesKeepData", 0, 5, "CPTTData", 0, 7, "AHandXON", 2, 3, "BHandHard"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PortBCase {
    const char* name;
    bool enabled;
    PortFields b;
    bool changeButtonsOn;
};

class PortBDisplayTest : public DisplayFixture, public ::testing::WithParamInterface<PortBCase> {};

TEST_P(PortBDisplayTest, PortBFrameFollowsItsSwitch)
{
    const PortBCase& c = GetParam();
    Show([&](ModemSetting& m) {
        m.PortBEnabled = c.enabled;
        c.b.ApplyTo(m.PortB);
    });
    EXPECT_EQ(Checked("EnablePortB"), c.enabled);
    EXPECT_TRUE(Enabled("EnablePortB"));
    for (const char* name : {"BDefLabel1", "BCharDef1", "BDefLabel2", "BCharDef2", "BCharCustom", "BPackDefLabel1",
                             "BPackDef1", "BPackDefLabel2", "BPackDef2", "BPackCustom", "BHandXON", "BHandNone",
                             "Label8", "Label9", "Label13"})
        EXPECT_EQ(Enabled(name), c.enabled) << name;
    EXPECT_EQ(Enabled("BChangeChar"), c.changeButtonsOn);
    EXPECT_EQ(Enabled("BChangePack"), c.changeButtonsOn);
    EXPECT_FALSE(Enabled("BHandHard"));
    for (const char* name : {"ACharDef1", "APackCustom", "AHandXON", "Label2"}) EXPECT_TRUE(Enabled(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(PortB, PortBDisplayTest,
                         ::testing::Values(PortBCase{"OnWithPresets", true, Fmt9600N81P1, false},
                                           PortBCase{"OnCustom", true, Fmt4800N81Timer11, true},
                                           PortBCase{"OffCustom", false, Fmt4800N81Timer11, false},
                                           PortBCase{"OffWithPresets", false, Fmt9600N81P1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RowCase {
    const char* name;
    int16_t modemType;
    QStringList labels;
    // The option a modem as delivered (9600,N,8,1) shows on port A.
    const char* aChar;
};

const QStringList RowLabelNames = {"ADefLabel1",     "ADefLabel2",     "BDefLabel1",     "BDefLabel2",
                                   "APackDefLabel1", "APackDefLabel2", "BPackDefLabel1", "BPackDefLabel2"};

class ModemRowDisplayTest : public DisplayFixture, public ::testing::WithParamInterface<RowCase> {};

TEST_P(ModemRowDisplayTest, TheBuildTypesRowGivesThePresetsAndTheirLabels)
{
    const RowCase& c = GetParam();
    Show([&](ModemSetting& m) {
        m.ModemType = c.modemType;
        Fmt9600N81P1.ApplyTo(m.PortA);
    });
    QStringList shown;
    for (const QString& name : RowLabelNames) shown << Text(name);
    EXPECT_EQ(shown, c.labels);
    ExpectChosen({"ACharDef1", "ACharDef2", "ACharCustom"}, c.aChar);
}

const QStringList DefaultRow = {"9600,N,8,1",       "4800,N,8,1",    "9600,N,8,1",       "4800,N,8,1",
                                "Timer Ends Frame", "CR Ends Frame", "Timer Ends Frame", "CR Ends Frame"};
const QStringList WideRow = {"9600,N,8,1",       "9600,E,7,1",    "9600,N,8,1",       "1200,N,8,1",
                             "Timer Ends Frame", "CR Ends Frame", "Timer Ends Frame", "CR Ends Frame"};
const QStringList NarrowRow = {"4800,N,8,1",       "9600,N,8,1",    "4800,N,8,1",       "1200,N,8,1",
                               "Timer Ends Frame", "CR Ends Frame", "Timer Ends Frame", "CR Ends Frame"};

INSTANTIATE_TEST_SUITE_P(Rows, ModemRowDisplayTest,
                         ::testing::Values(RowCase{"Type0", 0, DefaultRow, "ACharDef1"},
                                           RowCase{"Type6", 6, WideRow, "ACharDef1"},
                                           RowCase{"Type7", 7, WideRow, "ACharDef1"},
                                           RowCase{"Type19", 19, WideRow, "ACharDef1"},
                                           RowCase{"Type20", 20, NarrowRow, "ACharDef2"},
                                           RowCase{"Type39", 39, WideRow, "ACharDef1"},
                                           RowCase{"Type55", 55, NarrowRow, "ACharDef2"},
                                           RowCase{"Type69", 69, WideRow, "ACharDef1"},
                                           // No row: no presets to offer.
                                           RowCase{"Type70", 70, {"", "", "", "", "", "", "", ""}, "ACharCustom"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A Modem.mdb whose built-in models' row has both port A formats alike and
// packet captions that differ from port to port.
class ChangedRowDisplayTest : public DisplayFixture {
protected:
    void SetUp() override
    {
        folder.Run({QStringLiteral(
            "update Modem set APackDefText1='A packet one', APackDefText2='A packet two', "
            "BPackDefText1='B packet one', BPackDefText2='B packet two', ACommDefText2='9600,N,8,1 too', "
            "ACommDefSpeed2=4, ACommDefData2=8, ACommDefParity2=0, ACommDefStop2=1 where modemID=1")});
        seams.dataDir = folder.Path();
        DisplayFixture::SetUp();
    }
    void TearDown() override { form.reset(); }

    DatabaseFolder folder;
};

TEST_F(ChangedRowDisplayTest, EachLabelShowsItsOwnColumnAndTheSecondOfTwoMatchingFormatsWins)
{
    Show([](ModemSetting& m) {
        m.ModemType = 6;
        Fmt9600N81P1.ApplyTo(m.PortA);
    });
    EXPECT_EQ(Text("APackDefLabel1"), "A packet one");
    EXPECT_EQ(Text("APackDefLabel2"), "A packet two");
    EXPECT_EQ(Text("BPackDefLabel1"), "B packet one");
    EXPECT_EQ(Text("BPackDefLabel2"), "B packet two");
    EXPECT_EQ(Text("ADefLabel2"), "9600,N,8,1 too");
    ExpectChosen({"ACharDef1", "ACharDef2", "ACharCustom"}, "ACharDef2");
    EXPECT_FALSE(Enabled("AChangeChar"));
}

}  // namespace
