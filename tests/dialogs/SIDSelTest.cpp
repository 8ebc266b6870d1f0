// The SID dialog: each port's SID type and codes, the diagnostics processor's codes
// and repeat switch, all written into the configuration at once.
#include "MainWindowFixture.h"

#include "NumericBox.h"
#include "SIDSel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class SIDSelTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ReadModem();
        dialog = &form->SIDSelForm();
    }

    // Shows the dialog as the Edit SID button does, runs the body in it and leaves it.
    void Open(const std::function<void()>& body, const std::function<void()>& leave = {})
    {
        const QString opened = WhileModal([&] { form->SIDEdit_Click(); }, [&](QWidget*) {
            body();
            if (leave) leave();
            else dialog->Finish->click();
        });
        EXPECT_EQ(opened, QStringLiteral("SIDSel"));
    }

    // Only the row of the port's type is on, holding the port's codes.
    void ExpectRows(const PortSetting& port, const std::array<QRadioButton*, 4>& options,
                    const std::array<NumericBox*, 4>& first, const std::array<NumericBox*, 4>& second)
    {
        for (int t = 0; t <= 3; ++t) {
            SCOPED_TRACE(testing::Message() << "row " << t);
            const bool current = t == port.SIDType;
            EXPECT_EQ(options[t]->isChecked(), current);
            EXPECT_EQ(first[t]->isEnabled(), current);
            EXPECT_EQ(second[t]->isEnabled(), current);
            EXPECT_EQ(first[t]->text(), current ? QString::number(port.SID1) : QString());
            EXPECT_EQ(second[t]->text(), current ? QString::number(port.SID2) : QString());
        }
    }

    SIDSel* dialog = nullptr;
};

TEST_F(SIDSelTest, RowsAndLabelsAreNamedByTheirSIDType)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select Stream Identifier Codes"));
    const std::map<QString, QString> texts = {
        {"AUserport(0)", "User Port"},      {"AUserport(1)", "Translate Streams"}, {"AUserport(2)", "Trunk Streams"},
        {"AUserport(3)", "Repeat Streams"}, {"BUserport(2)", "Trunk Streams"},     {"Label1(0)", "RX SID"},
        {"Label2(0)", "TX SID"},            {"Label1(1)", "From"},                 {"Label2(2)", "To"},
        {"Label1(3)", "Change RX Stream"},  {"Label2(3)", "Change TX Stream"},     {"Label1(4)", "Change RX Stream"},
        {"Label1(5)", "From"},              {"Label2(6)", "To"},                   {"Label1(7)", "RX SID"},
        {"Label2(7)", "TX SID"},            {"Label1(8)", "RX SID"},               {"Label2(8)", "TX SID"},
        {"Frame1", "Port A"},               {"PortBFrame", "Port B"},
        {"NotEditableLbl", "This parameter has been factory configured and is write protected."},
    };
    for (const auto& [name, text] : texts) {
        QWidget* w = dialog->findChild<QWidget*>(name);
        ASSERT_TRUE(w) << name.toStdString();
        if (auto* l = qobject_cast<QLabel*>(w)) EXPECT_EQ(l->text(), text) << name.toStdString();
        else if (auto* b = qobject_cast<QAbstractButton*>(w)) EXPECT_EQ(b->text(), text) << name.toStdString();
        else EXPECT_EQ(static_cast<QGroupBox*>(w)->title(), text) << name.toStdString();
    }
    // The port's labels sit on their rows: port B's "Translate Streams" row is element 4.
    EXPECT_EQ(dialog->Label1[4]->parentWidget(), dialog->PortBFrame);
    EXPECT_EQ(dialog->Label1[3]->parentWidget(), dialog->Frame1);
}

TEST_F(SIDSelTest, ChoosingATypeMovesThePortsCodesToItsRow)
{
    const struct {
        const char* name;
        bool portB;
        int type;
        const char* firmware;
        int sid1;
        const char* refusal;
    } cases[] = {
        {"port A trunk", false, 2, "3.1", 17, nullptr},
        {"port A repeat", false, 3, "3.1", 17, nullptr},
        {"port A translate", false, 1, "3.1", 17, nullptr},
        {"port B trunk", true, 2, "3.1", 33, nullptr},
        {"port A translate on old firmware", false, 1, "2.3.1", 17,
         "Doesn't Support Translate Stream for firmware function before 2.4!!"},
        {"port A trunk, empty window", false, 2, "3.1", 19,
         "The Window from xxx to yyy must have at least 1 element in it( in another word, yyy must be larger than xxx!!"},
        {"port B repeat, empty window", true, 3, "3.1", 35,
         "The Window from xxx to yyy must have at least 1 element in it( in another word, yyy must be larger than xxx!!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PortSetting& port = c.portB ? Current().PortB : Current().PortA;
        Current().Firmware = QString::fromLatin1(c.firmware);
        port.SIDType = 0;
        port.SID1 = c.sid1;
        Open([&] {
            TakeMessages();
            Click((c.portB ? dialog->BUserport : dialog->AUserport)[c.type]);
            EXPECT_EQ(port.SIDType, c.refusal ? 0 : c.type);
            EXPECT_EQ(TakeMessages(), c.refusal ? QStringList{c.refusal} : QStringList());
            ExpectRows(Current().PortA, dialog->AUserport, dialog->SID1, dialog->SID2);
            ExpectRows(Current().PortB, dialog->BUserport, dialog->BSID1, dialog->BSID2);
        });
        EXPECT_TRUE(TakeMessages().isEmpty());
        port.SIDType = 0;
    }
}

TEST_F(SIDSelTest, TheBoxesCommitWholeNumbersOrAreRolledBack)
{
    Current().DiagEnable = true;
    Current().DiagsEditable = true;
    const struct {
        const char* box;
        int32_t ModemSetting::*modem;
        int32_t PortSetting::*port;
        bool portB;
        int type;
        const char* typed;
        int32_t stored;
        const char* refusal;
    } cases[] = {
        {"SID1(0)", nullptr, &PortSetting::SID1, false, 0, "5", 5, nullptr},
        {"SID2(0)", nullptr, &PortSetting::SID2, false, 0, "", 0, nullptr},
        {"SID1(0)", nullptr, &PortSetting::SID1, false, 0, "0012", 12, nullptr},
        {"SID1(0)", nullptr, &PortSetting::SID1, false, 0, "-5", 17, "SID Codes must be between 0 and 255!!"},
        {"SID1(2)", nullptr, &PortSetting::SID1, false, 2, "11", 11, nullptr},
        {"SID2(2)", nullptr, &PortSetting::SID2, false, 2, "16", 18,
         "The Window from xxx to yyy must have at least 1 element in it( in another word, yyy must be larger than xxx!!"},
        {"BSID1(0)", nullptr, &PortSetting::SID1, true, 0, "300", 33, "SID Codes must be between 0 and 255!!"},
        {"BSID2(3)", nullptr, &PortSetting::SID2, true, 3, "200", 200, nullptr},
        {"DiagSID1", &ModemSetting::DiagSID1, nullptr, false, 0, "7", 7, nullptr},
        {"DiagSID2", &ModemSetting::DiagSID2, nullptr, false, 0, "256", 2, "SID Codes must be between 0 and 255!!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.box << " " << c.typed);
        PortSetting& port = c.portB ? Current().PortB : Current().PortA;
        port.SIDType = int16_t(c.type);
        if (c.type == 2) port.SID1 = 17;
        Open([&] {
            TakeMessages();
            auto* box = dialog->findChild<NumericBox*>(QString::fromLatin1(c.box));
            ASSERT_TRUE(box && box->isEnabled());
            Type(box, QString::fromLatin1(c.typed));
            const int32_t now = c.modem ? Current().*c.modem : port.*c.port;
            EXPECT_EQ(now, c.stored);
            EXPECT_EQ(box->text(), QString::number(c.stored));
            EXPECT_EQ(TakeMessages(), c.refusal ? QStringList{c.refusal} : QStringList());
        });
        // The values the test set up, for the next case.
        Current().PortA.SID1 = 17, Current().PortA.SID2 = 18, Current().PortB.SID1 = 33, Current().PortB.SID2 = 34;
        Current().DiagSID1 = 1, Current().DiagSID2 = 2;
        port.SIDType = 0;
    }
}

// A pasted letter is refused whole and the code stays as it was.
TEST_F(SIDSelTest, TheCodeBoxesRefuseAPastedLetter)
{
    const PortSetting& port = Current().PortA;
    const int32_t first = port.SID1, second = port.SID2;
    Open([&] {
        for (NumericBox* box : {dialog->SID1[port.SIDType], dialog->SID2[port.SIDType]}) {
            SCOPED_TRACE(box->objectName().toStdString());
            ASSERT_TRUE(box->isEnabled());
            const QString shown = box->text();
            Paste(box, QStringLiteral("x"));
            EXPECT_EQ(box->text(), shown);
            EXPECT_EQ(TakeMessages(), QStringList{"Halvex Programmer V3.4.5: The text was not taken: this box takes only the digits 0 to 9, \".\" and \"-\", not \"x\"."});
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    EXPECT_EQ(port.SID1, first);
    EXPECT_EQ(port.SID2, second);
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(SIDSelTest, TheDiagnosticsFrameFollowsTheModemsProcessor)
{
    const struct {
        bool diagEnable, editable, repeat;
        bool shown, enabled, note;
    } cases[] = {
        {false, true, false, false, false, false},
        {true, true, true, true, true, false},
        {true, false, false, true, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "installed " << c.diagEnable << ", editable " << c.editable);
        Current().DiagEnable = c.diagEnable;
        Current().DiagsEditable = c.editable;
        Current().DiagRepeat = c.repeat;
        Current().DiagSID1 = 41;
        Open([&] {
            EXPECT_EQ(dialog->OrvaneDiag->title(), QStringLiteral("Orvane Diagnostics Processor"));
            EXPECT_EQ(dialog->OrvaneDiag->isVisible(), c.shown);
            if (!c.shown) return;
            EXPECT_EQ(dialog->OrvaneDiag->isEnabled(), c.enabled);
            EXPECT_EQ(dialog->DiagSID1->isEnabled(), c.enabled);
            EXPECT_EQ(dialog->NotEditableLbl->isVisible(), c.note);
            EXPECT_EQ(dialog->DiagSID1->text(), QStringLiteral("41"));
            EXPECT_EQ(dialog->DiagRepeatOn->isChecked(), c.repeat);
            EXPECT_EQ(dialog->DiagRepeatOff->isChecked(), !c.repeat);
            if (!c.enabled) return;
            Click(dialog->DiagRepeatOff);
            EXPECT_FALSE(Current().DiagRepeat);
            Click(dialog->DiagRepeatOn);
            EXPECT_TRUE(Current().DiagRepeat);
        });
    }
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(SIDSelTest, ATypeWithoutARowShowsNoneChosen)
{
    Current().PortA.SIDType = 5;
    Current().PortB.SIDType = -1;
    Open([&] {
        for (int t = 0; t <= 3; ++t) {
            EXPECT_FALSE(dialog->AUserport[t]->isChecked());
            EXPECT_FALSE(dialog->BUserport[t]->isChecked());
            EXPECT_FALSE(dialog->SID1[t]->isEnabled());
            EXPECT_FALSE(dialog->BSID2[t]->isEnabled());
        }
    }, [&] { dialog->close(); });
    EXPECT_EQ(Current().PortA.SIDType, 5);
    EXPECT_EQ(Current().PortA.SID1, 17);
    EXPECT_EQ(Current().PortB.SID1, 33);
}

TEST_F(SIDSelTest, PortBOffIsShownEmptyAndLeftAlone)
{
    form->EnablePortB->setChecked(false);
    form->SIDOFF->setChecked(true);
    ASSERT_FALSE(Current().PortBEnabled);
    form->SIDON->setChecked(true);
    Open(
        [&] {
            EXPECT_FALSE(dialog->PortBFrame->isEnabled());
            for (int t = 0; t <= 3; ++t) {
                EXPECT_FALSE(dialog->BUserport[t]->isEnabled());
                EXPECT_FALSE(dialog->Label1[t + 4]->isEnabled());
                EXPECT_FALSE(dialog->Label2[t + 4]->isEnabled());
                EXPECT_TRUE(dialog->BSID1[t]->text().isEmpty());
                EXPECT_TRUE(dialog->BSID2[t]->text().isEmpty());
            }
        },
        [&] { PressKey(dialog, Qt::Key_Escape); });
    EXPECT_EQ(Current().PortB.SID1, 33);
    EXPECT_EQ(Current().PortB.SID2, 34);
    EXPECT_TRUE(TakeMessages().isEmpty());
}

// The close box unloads the dialog, which commits the boxes; Escape leaves the same
// way. Finish only hides it.
TEST_F(SIDSelTest, EscapeAndTheCloseBoxCommitTheBoxesFinishDoesNot)
{
    const struct {
        const char* way;
        std::function<void(SIDSel&)> leave;
        bool committed;
    } cases[] = {
        {"Escape", [](SIDSel& d) { PressKey(&d, Qt::Key_Escape); }, true},
        {"close box", [](SIDSel& d) { d.close(); }, true},
        {"Finish", [](SIDSel& d) { d.Finish_Click(); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        Current().PortA.SID1 = 17;
        Open([&] { dialog->SID1[0]->setText(QStringLiteral("99")); }, [&] { c.leave(*dialog); });
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(Current().PortA.SID1, c.committed ? 99 : 17);
    }
}

}  // namespace
