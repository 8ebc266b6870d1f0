// The packet table's two operations against the real Modem.mdb, and the port
// options' handlers on a read modem.
#include "DataControl.h"
#include "DatabaseFolder.h"
#include "PacketSel.h"
#include "PortSel.h"
#include "ProgramFixture.h"
#include "SettingFields.h"
#include "WhileModal.h"

#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// A failing case is told by its name.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

struct PacketRow {
    int16_t id;
    int32_t timer, eom;
    bool eomOn, slip, live;
    int32_t maxFrame;
};

void PrintTo(const PacketRow& row, std::ostream* os) { *os << "PacketID " << row.id; }

std::string rowName(const ::testing::TestParamInfo<PacketRow>& info)
{
    return "PacketID" + std::to_string(info.param.id);
}

// The rows of the packet table as data/modem.sql has them, in its order.
const PacketRow Rows[] = {
    {1, 10, 13, false, false, false, 255}, {2, 10, 13, true, false, false, 255},
    {3, 10, 10, true, false, false, 255},  {4, 10, 13, false, false, true, 255},
    {5, 3, 13, false, false, false, 64},   {6, 0, 0, false, true, false, 0},
    {7, 10, 3, true, false, false, 255},   {8, 5, 13, true, false, true, 128},
    {9, 20, 4, true, false, false, 255},
};

bool listed(int16_t id)
{
    return std::any_of(std::begin(Rows), std::end(Rows), [id](const PacketRow& row) { return row.id == id; });
}

PortSetting portWith(const PacketRow& row)
{
    PortSetting p;
    p.CharTimer = row.timer, p.EOMChar = row.eom, p.EOMEnable = row.eomOn;
    p.ISSlip = row.slip, p.ISLive = row.live, p.MaxFrame = row.maxFrame;
    return p;
}

void expectFields(const PortSetting& p, const PacketRow& row)
{
    EXPECT_EQ(p.CharTimer, row.timer);
    EXPECT_EQ(p.EOMChar, row.eom);
    EXPECT_EQ(p.EOMEnable, row.eomOn);
    EXPECT_EQ(p.ISSlip, row.slip);
    EXPECT_EQ(p.ISLive, row.live);
    EXPECT_EQ(p.MaxFrame, row.maxFrame);
}

// Fields that no row holds.
const PacketRow Unlisted{0, 99, 27, true, true, true, 99};

// Every field different from the row's.
PacketRow opposite(const PacketRow& row)
{
    return {0, row.timer + 1, row.eom + 1, !row.eomOn, !row.slip, !row.live, row.maxFrame + 1};
}

class PacketPresetTest : public ProgramFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Load()); }
};

TEST_F(PacketPresetTest, TheRowsAboveAreTheWholeTable)
{
    DataControl table(QStringLiteral("AllPackets"));
    table.DatabaseName = form->PacketData->DatabaseName;
    table.RecordSource = QStringLiteral("Select * from packet");
    table.Refresh();
    std::vector<PacketRow> found;
    for (; !table.Eof(); table.MoveNext()) {
        auto number = [&](const char* column) { return table.Field(QLatin1String(column)).toInt(); };
        auto flag = [&](const char* column) { return table.Field(QLatin1String(column)).toBool(); };
        found.push_back({int16_t(number("PacketID")), number("InputTimer"), number("EOMChar"), flag("ISEOMEnable"),
                         flag("Slip"), flag("ISLive"), number("MaxFrame")});
    }
    ASSERT_EQ(found.size(), std::size(Rows));
    for (size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(found[i].id, Rows[i].id);
        expectFields(portWith(found[i]), Rows[i]);
    }
}

class SetPacketTest : public PacketPresetTest, public ::testing::WithParamInterface<PacketRow> {};

TEST_P(SetPacketTest, APresetNumberExpandsIntoTheSixFields)
{
    const PacketRow& row = GetParam();
    PortSetting port = portWith(opposite(row));
    port.Packet = 77;
    int16_t id = row.id;
    form->SetPacket(port, id);
    expectFields(port, row);
    EXPECT_EQ(port.Packet, 77) << "callers set the number";
    EXPECT_EQ(form->PacketData->RecordSource, QStringLiteral("Select * from packet where PacketID=%1").arg(row.id));
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rows, SetPacketTest, ::testing::ValuesIn(Rows), rowName);

class MatchPacketTest : public PacketPresetTest, public ::testing::WithParamInterface<PacketRow> {};

TEST_P(MatchPacketTest, TheSixFieldsFindTheirPresetAndOneFieldOffFindsNone)
{
    const PacketRow& row = GetParam();
    EXPECT_EQ(form->MatchPacket(portWith(row)), row.id);
    const std::function<void(PortSetting&)> offByOne[] = {
        [](PortSetting& p) { p.CharTimer += 1; }, [](PortSetting& p) { p.EOMChar += 1; },
        [](PortSetting& p) { p.EOMEnable = !p.EOMEnable; }, [](PortSetting& p) { p.ISSlip = !p.ISSlip; },
        [](PortSetting& p) { p.ISLive = !p.ISLive; }, [](PortSetting& p) { p.MaxFrame -= 1; },
    };
    for (size_t i = 0; i < std::size(offByOne); ++i) {
        PortSetting p = portWith(row);
        offByOne[i](p);
        // One field off may be another row (an end character switched on), else no row at all.
        int16_t expected = 0;
        for (const PacketRow& other : Rows) {
            const PortSetting q = portWith(other);
            if (q.CharTimer == p.CharTimer && q.EOMChar == p.EOMChar && q.EOMEnable == p.EOMEnable &&
                q.ISSlip == p.ISSlip && q.ISLive == p.ISLive && q.MaxFrame == p.MaxFrame) {
                expected = other.id;
                break;
            }
        }
        EXPECT_EQ(form->MatchPacket(p), expected) << "field " << i;
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rows, MatchPacketTest, ::testing::ValuesIn(Rows), rowName);

TEST_F(PacketPresetTest, TheMatchQueryIsTheExactText)
{
    PortSetting p = portWith(Rows[3]);
    EXPECT_EQ(form->MatchPacket(p), 4);
    EXPECT_EQ(form->PacketData->RecordSource,
              "Select * from packet where EOMChar=13 and ISEOMEnable=False  and ISLive=True and  slip=False  and "
              "Inputtimer=10  and maxframe=255");
    EXPECT_EQ(form->MatchPacket(portWith(Unlisted)), 0);
    EXPECT_EQ(form->PacketData->RecordSource,
              "Select * from packet where EOMChar=27 and ISEOMEnable=True  and ISLive=True and  slip=True  and "
              "Inputtimer=99  and maxframe=99");
}

TEST_F(PacketPresetTest, AMissingPresetNumberIsAnInternalErrorAndChangesNothing)
{
    for (int16_t missing : {int16_t(10), int16_t(99), int16_t(-1), int16_t(32767)}) {
        SCOPED_TRACE(missing);
        ASSERT_FALSE(listed(missing));
        prompt.Clear();
        PortSetting port = portWith(Unlisted);
        int16_t id = missing;
        form->SetPacket(port, id);
        expectFields(port, Unlisted);
        ASSERT_EQ(prompt.Boxes().size(), 1);
        EXPECT_EQ(prompt.Boxes()[0].Text, "An internal error has occured with in the program, contact Orvane Sypheral");
        EXPECT_EQ(prompt.Boxes()[0].Title, "Halvex Programmer V3.4.5");
        EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OK);
    }
}

TEST_F(PacketPresetTest, PresetZeroIsCustomAndRunsNoQuery)
{
    form->PacketData->RecordSource = QStringLiteral("not run");
    PortSetting port = portWith(Unlisted);
    int16_t id = 0;
    form->SetPacket(port, id);
    expectFields(port, Unlisted);
    EXPECT_EQ(form->PacketData->RecordSource, "not run");
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

class DuplicatePacketTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        // Rows alike in their six fields, inserted after the ones they repeat under
        // numbers of their own.
        ASSERT_FALSE(listed(12) || listed(11));
        folder.Run({QStringLiteral("insert into packet (PacketID, InputTimer, EOMChar, ISEOMEnable, Slip, ISLive, "
                                   "MaxFrame) values (12, 10, 13, 1, 0, 0, 255), (11, 3, 13, 0, 0, 0, 64)")});
        seams.dataDir = folder.Path();
        ASSERT_TRUE(Load());
    }
    void TearDown() override { form.reset(); }

    DatabaseFolder folder;
};

TEST_F(DuplicatePacketTest, TheFirstOfTwoAlikeRowsIsFound)
{
    EXPECT_EQ(form->MatchPacket(portWith(Rows[1])), 2);
    EXPECT_EQ(form->MatchPacket(portWith(Rows[4])), 5);
    PortSetting port;
    int16_t id = 12;
    form->SetPacket(port, id);
    expectFields(port, Rows[1]);
}

// The two ports' members.
QStringList portLines(const ModemSetting& m)
{
    QStringList lines = SettingFields::Lines(m);
    lines.removeIf([](const QString& line) { return !line.startsWith(QLatin1String("Port")); });
    return lines;
}

struct ClickCase {
    const char* name;
    const char* option;
    std::function<void(const ModemSetting&)> check;
    const char* changeButton;
    bool changeButtonOn;
    // The dialog that the click opens on port A, none when null.
    const char* dialog = nullptr;
};

class PortOptionClickTest : public ProgramFixture, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(PortOptionClickTest, AClickEditsThePortUnderValidation)
{
    const ClickCase& c = GetParam();
    ASSERT_TRUE(Load());
    ASSERT_TRUE(ReadModem());
    prompt.Clear();
    auto* option = Find<QRadioButton>(c.option);
    ASSERT_NE(option, nullptr);
    ASSERT_TRUE(option->isEnabled());
    const ModemSetting before = form->CurrentModem;
    form->BackupModem.PTTTimeout = before.PTTTimeout + 1;
    // A dialog edits the port in place; it is left at once, changing nothing.
    const PortSetting* edited = nullptr;
    const QString opened = WhileModal([&] { option->click(); }, [&](QWidget* dialog) {
        if (auto* portSel = dynamic_cast<PortSel*>(dialog)) edited = portSel->OldSetting;
        if (auto* packetSel = dynamic_cast<PacketSel*>(dialog)) edited = packetSel->OldSetting;
        dialog->findChild<QPushButton*>(QStringLiteral("Finish"))->click();
    });
    EXPECT_EQ(opened, QString::fromLatin1(c.dialog ? c.dialog : ""));
    if (c.dialog) {
        EXPECT_EQ(edited, &form->CurrentModem.PortA);
    }
    EXPECT_EQ(form->BackupModem.PTTTimeout, before.PTTTimeout) << "backed up";
    EXPECT_EQ(portLines(form->BackupModem), portLines(before)) << "backed up before the change";
    EXPECT_TRUE(option->isChecked());
    c.check(form->CurrentModem);
    EXPECT_EQ(Find<QPushButton>(c.changeButton)->isEnabled(), c.changeButtonOn);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_FALSE(form->StopWrite);
}

INSTANTIATE_TEST_SUITE_P(
    Options, PortOptionClickTest,
    ::testing::Values(
        ClickCase{"APacketPreset2", "APackDef2",
                  [](const ModemSetting& m) {
                      EXPECT_EQ(m.PortA.Packet, 2);
                      expectFields(m.PortA, Rows[1]);
                  },
                  "AChangePack", false},
        ClickCase{"BPacketPreset2", "BPackDef2",
                  [](const ModemSetting& m) {
                      EXPECT_EQ(m.PortB.Packet, 2);
                      expectFields(m.PortB, Rows[1]);
                      expectFields(m.PortA, Rows[0]);
                  },
                  "BChangePack", false},
        ClickCase{"ACharacterPreset2", "ACharDef2",
                  [](const ModemSetting& m) {
                      EXPECT_EQ(m.PortA.CommSpeed, 4);
                      EXPECT_EQ(m.PortA.DataBit, 7);
                      EXPECT_EQ(m.PortA.Parity, 2);
                      EXPECT_EQ(m.PortA.StopBit, 1);
                  },
                  "AChangeChar", false},
        ClickCase{"BCharacterPreset2", "BCharDef2",
                  [](const ModemSetting& m) {
                      EXPECT_EQ(m.PortB.CommSpeed, 1);
                      EXPECT_EQ(m.PortB.DataBit, 8);
                      EXPECT_EQ(m.PortB.Parity, 0);
                      EXPECT_EQ(m.PortB.StopBit, 1);
                      EXPECT_EQ(m.PortA.DataBit, 8);
                  },
                  "BChangeChar", false},
        ClickCase{"ACharacterCustom", "ACharCustom",
                  [](const ModemSetting& m) {
                      EXPECT_EQ(m.PortA.CommSpeed, 4);
                      EXPECT_EQ(m.PortA.DataBit, 8);
                      EXPECT_EQ(m.PortA.Parity, 0);
                      EXPECT_EQ(m.PortA.StopBit, 1);
                  },
                  "AChangeChar", true, "PortSel"},
        ClickCase{"APacketCustom", "APackCustom",
                  [](const ModemSetting& m) {
                      EXPECT_EQ(m.PortA.Packet, 1);
                      expectFields(m.PortA, Rows[0]);
                  },
                  "AChangePack", true, "PacketSel"},
        ClickCase{"AHandshakeNone", "AHandNone", [](const ModemSetting& m) { EXPECT_EQ(m.PortA.HandShake, 1); },
                  "AChangePack", false},
        ClickCase{"AHandshakeXon", "AHandXON", [](const ModemSetting& m) { EXPECT_EQ(m.PortA.HandShake, 0); },
                  "AChangePack", false},
        // Port B reads with no handshake: XON/XOFF is the choice that changes it.
        ClickCase{"BHandshakeXon", "BHandXON",
                  [](const ModemSetting& m) {
                      EXPECT_EQ(m.PortB.HandShake, 0);
                      EXPECT_EQ(m.PortA.HandShake, 2);
                  },
                  "BChangePack", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PacketPresetTest, ARefusedHandshakeIsRolledBack)
{
    ASSERT_TRUE(ReadModem());
    form->CurrentModem.PortA.ISSlip = true;
    form->CurrentModem.PortA.HandShake = 2;
    form->SetDisplay();
    ASSERT_TRUE(form->AHandHard->isChecked());
    prompt.Clear();

    form->AHandXON->click();

    EXPECT_EQ(prompt.Texts(), QStringList{"Port A can't have flow control of XON/XOFF if it is in SLIP mode!!"});
    EXPECT_EQ(form->CurrentModem.PortA.HandShake, 2);
    EXPECT_TRUE(form->AHandHard->isChecked());
    EXPECT_FALSE(form->AHandXON->isChecked());
    EXPECT_TRUE(form->StopWrite);
}

TEST_F(PacketPresetTest, PortBsCustomOptionsDoNothingWhilePortBIsOff)
{
    ASSERT_TRUE(ReadModem());
    form->CurrentModem.PortBEnabled = false;
    form->CurrentModem.SIDCode = true;
    form->SetDisplay();
    ASSERT_FALSE(form->BChangeChar->isEnabled());
    const ModemSetting before = form->CurrentModem;
    form->BCharCustom->setChecked(true);
    form->BPackCustom->setChecked(true);
    EXPECT_FALSE(form->BChangeChar->isEnabled());
    EXPECT_FALSE(form->BChangePack->isEnabled());
    EXPECT_EQ(form->CurrentModem.PortB.CommSpeed, before.PortB.CommSpeed);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

}  // namespace
