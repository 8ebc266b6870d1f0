// The packet dialog: the model's five presets, the interface brands of the model
// and firmware, and the port's own values in their boxes.
#include "MainWindowFixture.h"

#include "BrandQueries.h"
#include "DataControl.h"
#include "ModemDefaults.h"
#include "NumericBox.h"
#include "PacketSel.h"
#include "VellModem.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

TEST(BrandQueriesTest, TheBrandQueryNamesTheTypeAndTheFirmwaresNumber)
{
    const struct {
        int16_t type;
        const char* firmware;
        const char* query;
    } cases[] = {
        {6, "2.10", "select * from brandlist where lowertype<=6 and hightype>=6 and minfirmware<=2.1"},
        {35, "3.1", "select * from brandlist where lowertype<=35 and hightype>=35 and minfirmware<=3.1"},
        {6, "2.3.1", "select * from brandlist where lowertype<=6 and hightype>=6 and minfirmware<=2.3"},
        {62, "3", "select * from brandlist where lowertype<=62 and hightype>=62 and minfirmware<=3"},
        {0, "", "select * from brandlist where lowertype<=0 and hightype>=0 and minfirmware<=0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BrandQueries::BrandList(c.type, QString::fromLatin1(c.firmware)), QString::fromLatin1(c.query));
}

class PacketSelTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ReadModem();
    }

    // Opens the dialog on the port as the main window does, runs the body in it
    // and leaves it by Finish.
    void Open(PortSetting& port, const std::function<void(PacketSel&)>& body)
    {
        const QString opened = WhileModal([&] { open(port); }, [&](QWidget* window) {
            auto& dialog = static_cast<PacketSel&>(*window);
            body(dialog);
            if (dialog.isVisible()) dialog.Finish->click();
        });
        EXPECT_EQ(opened, QStringLiteral("PacketSel"));
    }

    void open(PortSetting& port)
    {
        PacketSel dialog(*form);
        dialog.OldSetting = &port;
        dialog.ShowModal();
        dialog.Form_Unload();
    }

    // The port as preset or brand row id sets it.
    void ExpectPacketRow(const PortSetting& port, int16_t id)
    {
        const std::optional<ModemDefaults::Packet> row = tables.PacketFor(id);
        ASSERT_TRUE(row) << id;
        EXPECT_EQ(port.Packet, id);
        EXPECT_EQ(port.CharTimer, row->InputTimer);
        EXPECT_EQ(port.EOMChar, row->EOMChar);
        EXPECT_EQ(port.EOMEnable, row->ISEOMEnable);
        EXPECT_EQ(port.ISSlip, row->Slip);
        EXPECT_EQ(port.ISLive, row->ISLive);
        EXPECT_EQ(port.MaxFrame, row->MaxFrame);
    }

    static QStringList Brands(const PacketSel& dialog)
    {
        QStringList names;
        for (int i = 0; i < dialog.BrandList->count(); ++i) names << dialog.BrandList->itemText(i);
        return names;
    }

    // The user picks the brand by typing its name into the list.
    static void PickBrand(PacketSel& dialog, const QString& name)
    {
        dialog.BrandList->setFocus();
        QTest::keyClicks(dialog.BrandList, name);
    }

    ModemDefaults tables{QStringLiteral(MODEM_DATABASE_PATH)};
};

TEST_F(PacketSelTest, TheBrandListFollowsTheModelAndTheFirmware)
{
    const QStringList forType6 = {"Corvane RTU-20", "Mistral PLC", "Kesteven SLIP Router"};
    const struct {
        int16_t type;
        const char* firmware;
        int16_t packet;
        QStringList brands;
        bool brandOption;
        const char* prompt;
        int option;
    } cases[] = {
        {6, "3.1", 1, forType6, true, "Choose From Interface List", 1},
        {6, "3.2", 1, forType6 + QStringList{"Orrin Gateway"}, true, "Choose From Interface List", 1},
        {6, "2.3.1", 1, {"Corvane RTU-20", "Kesteven SLIP Router"}, true, "Choose From Interface List", 1},
        {25, "3.1",  1,
         {"Corvane RTU-20", "Mistral PLC", "Kesteven SLIP Router", "Talgarth Meter Hub", "Brackwell Telemetry"},
         true, "Choose From Interface List", 1},
        {55, "2.0", 1, {"Corvane RTU-20", "Talgarth Meter Hub", "Brackwell Telemetry"}, true,
         "Choose From Interface List", 1},
        // A model without brands: a preset still leaves the brand option on, the port's own values do not.
        {62, "3.1", 1, {}, true, "Choose From Interface List", 1},
        {62, "3.1", 7, {}, false, "Choose From Brand List", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << ", firmware " << c.firmware << ", packet " << c.packet);
        Current().ModemType = c.type;
        Current().Firmware = QString::fromLatin1(c.firmware);
        form->SetDisplay();
        Current().PortA.Packet = c.packet;
        Open(Current().PortA, [&](PacketSel& dialog) {
            EXPECT_EQ(dialog.BrandData->RecordSource, BrandQueries::BrandList(c.type, Current().Firmware));
            EXPECT_EQ(Brands(dialog), c.brands);
            EXPECT_EQ(dialog.BrandName->isEnabled(), c.brandOption);
            EXPECT_FALSE(dialog.BrandList->isEnabled());
            EXPECT_EQ(dialog.BrandList->currentIndex(), -1);
            EXPECT_EQ(dialog.BrandList->placeholderText(), QString::fromLatin1(c.prompt));
            EXPECT_TRUE(dialog.PacketOption[c.option]->isChecked());
        });
    }
}

TEST_F(PacketSelTest, EachPresetCopiesItsRowAndUserSelectableKeepsTheValues)
{
    const std::optional<ModemDefaults::Row> row = tables.RowFor(Current().ModemType);
    ASSERT_TRUE(row);
    Open(Current().PortB, [&](PacketSel& dialog) {
        for (int i = 1; i <= 5; ++i) {
            SCOPED_TRACE(testing::Message() << "preset " << i);
            EXPECT_EQ(dialog.First[i]->text(), row->Packets[i - 1].Text);
            Click(dialog.PacketOption[i]);
            ExpectPacketRow(Current().PortB, row->Packets[i - 1].PacketID);
            EXPECT_FALSE(dialog.Frame1->isEnabled());
            EXPECT_EQ(dialog.CharTimer->text(), QString::number(Current().PortB.CharTimer));
            EXPECT_EQ(dialog.Framesize->text(), QString::number(Current().PortB.MaxFrame));
            EXPECT_EQ(dialog.EOMChar->text(), QString::number(Current().PortB.EOMChar));
            EXPECT_EQ(dialog.EOMEnable->isChecked(), Current().PortB.EOMEnable);
            EXPECT_EQ(dialog.LiveEnable->isChecked(), Current().PortB.ISLive);
        }
        // The preset's values stay as the port's own.
        Click(dialog.PacketOption[3]);
        Click(dialog.PacketOption[0]);
        const PortSetting& port = Current().PortB;
        EXPECT_EQ(port.Packet, 0);
        EXPECT_FALSE(port.ISSlip);
        EXPECT_EQ(std::tuple(port.CharTimer, port.EOMChar, port.EOMEnable, port.MaxFrame), std::tuple(10, 10, true, 255));
        EXPECT_TRUE(dialog.Frame1->isEnabled());
        EXPECT_EQ(dialog.EOMChar->text(), QStringLiteral("10"));
    });
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(PacketSelTest, OpeningShowsWhereThePortsPacketComesFrom)
{
    const struct {
        const char* name;
        int16_t packet;
        bool slip;
        QRadioButton* PacketSel::*option;
        int index;
        const char* brand;
        int16_t packetAfter;
    } cases[] = {
        {"the fourth preset", 4, false, nullptr, 4, nullptr, 4},
        {"a brand", 7, false, &PacketSel::BrandName, -1, "Mistral PLC", 7},
        {"a brand that is also a preset", 2, false, nullptr, 2, nullptr, 2},
        {"neither", 33, true, nullptr, 0, nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PortSetting& port = Current().PortA;
        port.Packet = c.packet;
        port.ISSlip = c.slip;
        port.CharTimer = 77;
        Open(port, [&](PacketSel& dialog) {
            QRadioButton* chosen = c.option ? dialog.*c.option : dialog.PacketOption[c.index];
            EXPECT_TRUE(chosen->isChecked());
            EXPECT_EQ(dialog.BrandList->isEnabled(), c.brand != nullptr);
            EXPECT_EQ(dialog.BrandList->currentText(), QString::fromLatin1(c.brand ? c.brand : ""));
            EXPECT_EQ(dialog.Frame1->isEnabled(), c.packetAfter == 0);
        });
        EXPECT_EQ(port.Packet, c.packetAfter);
        if (c.packetAfter == 0) {
            // The port's own values: SLIP off, the numbers as they were.
            EXPECT_FALSE(port.ISSlip);
            EXPECT_EQ(port.CharTimer, 77);
        }
        form->SetDisplay();
    }
}

TEST_F(PacketSelTest, TheBoxesCommitWholeNumbersOrAreRolledBack)
{
    const struct {
        NumericBox* PacketSel::*box;
        int32_t PortSetting::*member;
        const char* typed;
        int32_t stored;
        const char* shown;
        const char* refusal;
    } cases[] = {
        {&PacketSel::CharTimer, &PortSetting::CharTimer, "0012", 12, "12", nullptr},
        {&PacketSel::Framesize, &PortSetting::MaxFrame, "", 0, "0", nullptr},
        {&PacketSel::EOMChar, &PortSetting::EOMChar, "2.5", 2, "2", nullptr},
        {&PacketSel::EOMChar, &PortSetting::EOMChar, "3.5", 4, "4", nullptr},
        {&PacketSel::Framesize, &PortSetting::MaxFrame, "0000000123", 12, "12", nullptr},
        {&PacketSel::EOMChar, &PortSetting::EOMChar, "300", 13, "13", "EOM Character Code must be between 0 and 255!!"},
        {&PacketSel::CharTimer, &PortSetting::CharTimer, "1234567890", 10, "10", "Char Input Timer must be between 0 and 255!!"},
        {&PacketSel::Framesize, &PortSetting::MaxFrame, "-1", 255, "255", "Maximum frame size must be between 0 and 255!!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        // Carriage return ends a packet: the EOM box is open.
        PortSetting& port = Current().PortA;
        port.Packet = 2;
        form->SetPacket(port, port.Packet);
        Open(port, [&](PacketSel& dialog) {
            Click(dialog.PacketOption[0]);
            TakeMessages();
            Type(dialog.*c.box, QString::fromLatin1(c.typed));
            EXPECT_EQ(port.*c.member, c.stored);
            EXPECT_EQ((dialog.*c.box)->text(), QString::fromLatin1(c.shown));
            EXPECT_EQ(TakeMessages(), c.refusal ? QStringList{c.refusal} : QStringList());
            EXPECT_TRUE(dialog.PacketOption[0]->isChecked());
        });
        EXPECT_TRUE(TakeMessages().isEmpty()) << "leaving committed a refused value again";
        form->SetDisplay();
    }
}

// A pasted letter is refused whole and the box keeps its number; the number
// pad's decimal key types the point.
TEST_F(PacketSelTest, ThePacketBoxesRefuseAPastedLetterAndTakeTheNumberPadsPoint)
{
    PortSetting& port = Current().PortA;
    port.Packet = 2;
    form->SetPacket(port, port.Packet);
    const struct {
        NumericBox* PacketSel::*box;
        int32_t PortSetting::*member;
    } cases[] = {{&PacketSel::CharTimer, &PortSetting::CharTimer},
                 {&PacketSel::Framesize, &PortSetting::MaxFrame},
                 {&PacketSel::EOMChar, &PortSetting::EOMChar}};
    Open(port, [&](PacketSel& dialog) {
        Click(dialog.PacketOption[0]);
        TakeMessages();
        for (const auto& c : cases) {
            NumericBox* box = dialog.*c.box;
            SCOPED_TRACE(box->objectName().toStdString());
            const int32_t before = port.*c.member;
            const QString shown = box->text();
            Paste(box, QStringLiteral("x"));
            EXPECT_EQ(box->text(), shown);
            EXPECT_EQ(TakeMessages(), QStringList{"Halvex Programmer V3.4.5: The text was not taken: this box takes only the digits 0 to 9, \".\" and \"-\", not \"x\"."});
            QTest::keyClick(box, Qt::Key_Return);
            EXPECT_EQ(port.*c.member, before);
            box->selectAll();
            QTest::keyClicks(box, QStringLiteral("12"));
            QTest::keyClick(box, ',', Qt::KeypadModifier);
            QTest::keyClick(box, '5', Qt::KeypadModifier);
            EXPECT_EQ(box->text(), QStringLiteral("12.5"));
            QTest::keyClick(box, Qt::Key_Return);
            EXPECT_EQ(port.*c.member, 12);
        }
    });
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(PacketSelTest, TheEndOfMessageAndLiveChoicesWriteThePort)
{
    PortSetting& port = Current().PortB;
    Open(port, [&](PacketSel& dialog) {
        Click(dialog.PacketOption[0]);
        Click(dialog.EOMEnable);
        EXPECT_TRUE(port.EOMEnable);
        EXPECT_TRUE(dialog.EOMChar->isEnabled());
        Click(dialog.EOMDisable);
        EXPECT_FALSE(port.EOMEnable);
        EXPECT_FALSE(dialog.EOMChar->isEnabled());
        Click(dialog.LiveEnable);
        EXPECT_TRUE(port.ISLive);
        Click(dialog.LiveDisable);
        EXPECT_FALSE(port.ISLive);
    });
    EXPECT_TRUE(TakeMessages().isEmpty());
}

// A brand is backed up and checked like every other change: SLIP where the port
// has XON/XOFF flow control is refused and the port is as it was, so nothing is
// left that would stop a write.
TEST_F(PacketSelTest, ABrandIsCheckedAndARefusedOneRolledBack)
{
    const struct {
        const char* brand;
        int16_t handShake;
        int16_t packet;
        const char* refusal;
    } cases[] = {
        {"Mistral PLC", 0, 7, nullptr},
        {"Kesteven SLIP Router", 2, 6, nullptr},
        {"Kesteven SLIP Router", 0, 1, "Port A can't have flow control of XON/XOFF if it is in SLIP mode!!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.brand << " with handshake " << c.handShake);
        PortSetting& port = Current().PortA;
        port.HandShake = c.handShake;
        port.Packet = 1;
        form->SetPacket(port, port.Packet);
        form->SetDisplay();
        TakeMessages();
        Open(port, [&](PacketSel& dialog) {
            Click(dialog.BrandName);
            EXPECT_TRUE(dialog.BrandList->isEnabled());
            PickBrand(dialog, QString::fromLatin1(c.brand));
            ExpectPacketRow(port, c.packet);
            EXPECT_EQ(TakeMessages(), c.refusal ? QStringList{c.refusal} : QStringList());
            if (c.refusal) {
                EXPECT_TRUE(dialog.PacketOption[1]->isChecked());
                EXPECT_FALSE(dialog.BrandList->isEnabled());
            }
        });
        EXPECT_TRUE(TakeMessages().isEmpty());
        bool quiet = false;
        EXPECT_FALSE(form->VellModem1->QuerySetting(Current(), quiet)) << "the port is left refused";
        EXPECT_FALSE(form->StopWrite);
    }
}

TEST_F(PacketSelTest, EscapeAndTheCloseBoxCommitTheBoxesAsFinishDoes)
{
    for (const char* way : {"Escape", "close box"}) {
        SCOPED_TRACE(way);
        PortSetting& port = Current().PortA;
        port.Packet = 1;
        Open(port, [&](PacketSel& dialog) {
            Click(dialog.PacketOption[0]);
            // Typed, not yet committed.
            dialog.CharTimer->setText(QStringLiteral("42"));
            if (QLatin1String(way) == QLatin1String("Escape")) PressKey(&dialog, Qt::Key_Escape);
            else dialog.close();
            EXPECT_FALSE(dialog.isVisible());
        });
        EXPECT_EQ(port.CharTimer, 42);
        port.CharTimer = 10;
    }
}

}  // namespace
