// What the wizard's buttons do: go to a page, apply a preset and close, close;
// the check box choosing between the two parameters; the preset stored member
// by member; and every fault of the wizard's database reported with the
// configuration left as it was.
#include "QtPrinting.h"
#include "ModemSetting.h"
#include "ScriptedPrompt.h"
#include "StartModule.h"
#include "WizardDb.h"
#include "WizardFixture.h"
#include "WizardForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A configuration as a modem of the built-in kind might hold it, with every
// member set, so that what a preset leaves alone can be seen to stay.
ModemSetting sample()
{
    ModemSetting m;
    m.ModemType = 6;
    m.ModemID = 3;
    m.Firmware = QStringLiteral("3.1");
    m.SerialNo = QStringLiteral("123456");
    m.HDX = false;
    m.ExtRF = true;
    m.BaudRate9600 = true;
    m.DiagEnable = true;
    m.DiagsEditable = true;
    m.StreamCod = 4;
    m.WriteTxPwr = true;
    for (RadioSetting* r : {&m.TXRadio, &m.RXRadio}) {
        r->RadioType = 39;
        r->Firmware = QStringLiteral("1.4");
        r->TXFreq = 460.5;
        r->RXFreq = 465.5;
        r->TXFreqTrim = 3;
        r->RXFreqTrim = -2;
        r->TXTrimGain = 50;
        r->RXTrimGain = 50;
        r->MinTCT = -32;
        r->MaxTCT = 32;
        r->txpower = 1011;
        r->PowerHL = true;
        r->TXDelay = 10;
        r->PowerAlarm = 1000;
        r->SerialNo = QStringLiteral("451007");
        r->WriteTxPwr = true;
    }
    return m;
}

class WizardActionTest : public WizardFixture {
protected:
    WizardActionTest() : WizardFixture(sample()) {}

    void Click(int index)
    {
        wizard.ButtonArray[index]->click();
        QApplication::processEvents();
    }
    // A page with the label that names it.
    void NamedPage(int page)
    {
        db.Page(page);
        db.AddItem({.PageId = page, .ItemId = 99, .TypeOfItem = 2, .Title = QStringLiteral("page %1").arg(page)});
    }
    QString Shown() const { return wizard.LabelArray[0]->isVisible() ? wizard.LabelArray[0]->text() : QString(); }
    QString Fatal(char letter, int page) const
    {
        return QStringLiteral("Fatal Error has occured in the application,please report Error %1%2 to Orvane Sypheral")
            .arg(QLatin1Char(letter))
            .arg(page);
    }
};

TEST_F(WizardActionTest, APageButtonTakesTheSecondPageWhileTheCheckBoxIsTicked)
{
    for (int page : {5, 6}) NamedPage(page);
    // Page 1: a text check box. Page 2: a graphical one. Page 3: none.
    db.Page(1);
    db.AddItem({.PageId = 1, .ItemId = 1, .TypeOfItem = 3, .Title = QStringLiteral("choose")});
    db.Page(2);
    WizardDb::Item graph{.PageId = 2, .ItemId = 1, .TypeOfItem = 3, .Title = QStringLiteral("choose")};
    graph.FontStyle = 16;
    db.AddItem(graph);
    db.Page(3);
    for (int page : {1, 2, 3}) {
        db.Button(page, 2, 1, 5, 6);
        db.Button(page, 3, 1, 5, std::nullopt);
    }
    const struct {
        int page;
        bool tick;
        int button;
        int expected;
    } cases[] = {
        {1, false, 0, 5}, {1, true, 0, 6}, {1, false, 1, 5}, {1, true, 1, 5},
        {2, false, 0, 5}, {2, true, 0, 6}, {3, false, 0, 5}, {3, false, 1, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << (c.tick ? " ticked" : " clear") << ", button " << c.button);
        wizard.hide();
        Open(c.page);
        if (c.tick) (c.page == 2 ? static_cast<QAbstractButton*>(wizard.CheckBoxGraph) : wizard.CheckBoxText)->click();
        Click(c.button);
        EXPECT_EQ(wizard.PageID, c.expected);
        EXPECT_EQ(Shown(), QStringLiteral("page %1").arg(c.expected));
        EXPECT_TRUE(wizard.isVisible());
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(WizardActionTest, ThePresetIsStoredMemberByMemberAndTheWindowCloses)
{
    db.Page(7);
    db.AddItem({.PageId = 7, .ItemId = 1, .TypeOfItem = 3, .Title = QStringLiteral("second preset")});
    db.Button(7, 2, 2, 11, 12);
    db.Preset(11, {{"RSSI", "-120"}});
    db.Preset(12);
    const ModemSetting before = modem;
    Open(7);
    wizard.CheckBoxText->click();
    Click(0);

    EXPECT_FALSE(wizard.isVisible());
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    EXPECT_FALSE(wizard.Failed());
    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes()[0].Text, "Wizard will not change Tx and Rx frequencies, \nplease check your required Tx "
                                      "and Rx frequencies before writing to the radio.");
    EXPECT_EQ(prompt.Boxes()[0].Icon, MsgIcon::Question);
    EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OK);
    EXPECT_EQ(prompt.Boxes()[0].Title, StartModule::ApplicationTitle);

    // Preset 12: the base values of every column.
    const PortSetting& a = modem.PortA;
    EXPECT_EQ(a.CommSpeed, 3);
    EXPECT_EQ(a.DataBit, 7);
    EXPECT_EQ(a.StopBit, 2);
    EXPECT_EQ(a.Parity, 1);
    EXPECT_EQ(a.Packet, 2);
    EXPECT_EQ(a.HandShake, 0);
    EXPECT_EQ(a.EOMChar, 10);
    EXPECT_EQ(a.MaxFrame, 200);
    EXPECT_EQ(a.CharTimer, 7);
    EXPECT_EQ(a.SID1, 41);
    EXPECT_EQ(a.SID2, 42);
    EXPECT_EQ(a.SIDType, 2);
    EXPECT_TRUE(a.ISLive);
    EXPECT_TRUE(a.EOMEnable);
    EXPECT_TRUE(a.ISSlip);
    const PortSetting& b = modem.PortB;
    EXPECT_EQ(b.CommSpeed, 2);
    EXPECT_EQ(b.DataBit, 7);
    EXPECT_EQ(b.StopBit, 2);
    EXPECT_EQ(b.Parity, 2);
    EXPECT_EQ(b.Packet, 3);
    EXPECT_EQ(b.HandShake, 1);
    EXPECT_EQ(b.EOMChar, 4);
    EXPECT_EQ(b.MaxFrame, 100);
    EXPECT_EQ(b.CharTimer, 5);
    EXPECT_EQ(b.SID1, 51);
    EXPECT_EQ(b.SID2, 52);
    EXPECT_EQ(b.SIDType, 3);
    EXPECT_TRUE(b.ISLive);
    EXPECT_TRUE(b.EOMEnable);
    EXPECT_FALSE(b.ISSlip);
    EXPECT_TRUE(modem.PortBEnabled);
    EXPECT_EQ(modem.TXRadio.TXDelay, 35);
    EXPECT_EQ(modem.TXRadio.PowerAlarm, 1500);
    EXPECT_EQ(modem.PTTTimeout, 45);
    EXPECT_EQ(modem.PTTControl, 2);
    EXPECT_EQ(modem.CAvoid, 9);
    EXPECT_TRUE(modem.SIDCode);
    EXPECT_EQ(modem.DiagSID1, 61);
    EXPECT_EQ(modem.DiagSID2, 62);
    EXPECT_EQ(modem.NoOfSlot, 6);
    EXPECT_EQ(modem.TimePerSlot, 25);
    EXPECT_TRUE(modem.TryBeforeTX);
    EXPECT_TRUE(modem.DiagRepeat);
    EXPECT_EQ(modem.RSSI, -97) << "the ticked box chose preset 12";
    EXPECT_FALSE(modem.WriteTxPwr);
    EXPECT_FALSE(modem.TXRadio.WriteTxPwr);
    EXPECT_FALSE(modem.RXRadio.WriteTxPwr);

    // What no preset touches.
    EXPECT_EQ(modem.ModemType, before.ModemType);
    EXPECT_EQ(modem.ModemID, before.ModemID);
    EXPECT_EQ(modem.Firmware, before.Firmware);
    EXPECT_EQ(modem.SerialNo, before.SerialNo);
    EXPECT_EQ(modem.HDX, before.HDX);
    EXPECT_EQ(modem.ExtRF, before.ExtRF);
    EXPECT_EQ(modem.BaudRate9600, before.BaudRate9600);
    EXPECT_EQ(modem.DiagEnable, before.DiagEnable);
    EXPECT_EQ(modem.DiagsEditable, before.DiagsEditable);
    EXPECT_EQ(modem.StreamCod, before.StreamCod);
    for (const auto& [got, was] : {std::pair{&modem.TXRadio, &before.TXRadio}, {&modem.RXRadio, &before.RXRadio}}) {
        EXPECT_EQ(got->TXFreq, was->TXFreq);
        EXPECT_EQ(got->RXFreq, was->RXFreq);
        EXPECT_EQ(got->TXFreqTrim, was->TXFreqTrim);
        EXPECT_EQ(got->RXFreqTrim, was->RXFreqTrim);
        EXPECT_EQ(got->txpower, was->txpower);
        EXPECT_EQ(got->PowerHL, was->PowerHL);
        EXPECT_EQ(got->RadioType, was->RadioType);
        EXPECT_EQ(got->SerialNo, was->SerialNo);
    }
    EXPECT_EQ(modem.RXRadio.TXDelay, before.RXRadio.TXDelay) << "only the transmit radio's lead-in";
    EXPECT_EQ(modem.RXRadio.PowerAlarm, before.RXRadio.PowerAlarm);
}

TEST_F(WizardActionTest, CloseClosesAndOtherActionsDoNothing)
{
    NamedPage(1);
    db.Button(1, 1, 3, std::nullopt);
    db.Button(1, 2, 7, 2, 2);
    db.Button(1, 3, 0, 2, 2);
    const ModemSetting before = modem;
    for (int button : {1, 2}) {
        Open(1);
        Click(button);
        EXPECT_TRUE(wizard.isVisible()) << "action of button " << button << " does nothing";
        EXPECT_EQ(wizard.PageID, 1);
    }
    Click(0);
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_EQ(wizard.result(), QDialog::Rejected);
    EXPECT_FALSE(wizard.Failed());
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_EQ(modem.PortA.CommSpeed, before.PortA.CommSpeed);
    EXPECT_EQ(modem.RSSI, before.RSSI);
    EXPECT_EQ(modem.WriteTxPwr, before.WriteTxPwr);
}

// Each fault of the database: the message it ends in, with the wizard closed,
// Failed() set and the configuration untouched.
TEST_F(WizardActionTest, EveryFaultOfTheDatabaseIsReportedAndChangesNothing)
{
    struct Case {
        const char* name;
        std::function<void(WizardDb&)> fill;
        int startPage;              // 0: by build type 6
        std::function<void(WizardForm&)> act;  // after the page is up
        QString text;
        QString title;
    };
    const QString fatalTitle = StartModule::ApplicationTitle;
    auto pageWithButton = [](WizardDb& d, int page, int action, std::optional<int> param) {
        d.Page(page);
        d.Button(page, 1, action, param);
    };
    auto press = [](WizardForm& w) {
        w.ButtonArray[0]->click();
        QApplication::processEvents();
    };
    const Case cases[] = {
        {"no start page for the build type", [](WizardDb& d) { d.StartUp(10, 19, 1); }, 0, {}, Fatal('W', 0), fatalTitle},
        {"no row for the start page", [](WizardDb& d) { d.StartUp(6, 7, 4); }, 0, {}, Fatal('W', 4), fatalTitle},
        {"a page without items", [](WizardDb& d) { d.Page(4); }, 4, {}, Fatal('W', 4), fatalTitle},
        {"an item without a position",
         [](WizardDb& d) {
             d.Page(4);
             WizardDb::Item item{.PageId = 4, .ItemId = 1};
             item.Left = std::nullopt;
             d.AddItem(item);
         },
         4, {}, Fatal('W', 4), fatalTitle},
        {"a button without an action", [&](WizardDb& d) { pageWithButton(d, 4, 0, 1); d.Run({"UPDATE item SET action=NULL"}); }, 4, {},
         Fatal('W', 4), fatalTitle},
        {"a kind that is not a number",
         [](WizardDb& d) {
             d.Page(4);
             d.AddItem({.PageId = 4, .ItemId = 1});
             d.Run({"UPDATE item SET TypeOfItem='label'"});
         },
         4, {}, Fatal('W', 4), fatalTitle},
        {"a button to a page that is not there", [&](WizardDb& d) { pageWithButton(d, 4, 1, 9); }, 4, press,
         Fatal('W', 9), fatalTitle},
        {"a preset that is not there", [&](WizardDb& d) { pageWithButton(d, 7, 2, 55); }, 7, press, Fatal('S', 7),
         fatalTitle},
        {"a preset with a Null",
         [&](WizardDb& d) {
             pageWithButton(d, 7, 2, 55);
             d.Preset(55, {{"PortBSID2", "NULL"}});
         },
         7, press, Fatal('S', 7), fatalTitle},
        {"a preset value too big for its member",
         [&](WizardDb& d) {
             pageWithButton(d, 7, 2, 55);
             d.Preset(55, {{"CAvoid", "70000"}});
         },
         7, press, Fatal('S', 7), fatalTitle},
        {"no preset table",
         [&](WizardDb& d) {
             pageWithButton(d, 7, 2, 55);
             d.Run({"DROP TABLE WizardSetting"});
         },
         7, press, Fatal('S', 7), fatalTitle},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WizardDb fresh;
        c.fill(fresh);
        ScriptedPrompt boxes;
        ModemSetting edited = sample();
        WizardForm form(edited, boxes);
        form.AppFolder = fresh.Folder();
        int16_t type = 6, start = int16_t(c.startPage);
        form.StartUpWizard(type, start);
        if (!form.Failed()) {
            form.show();
            QApplication::processEvents();
            if (c.act && !form.Failed()) c.act(form);
            QApplication::processEvents();
        }
        EXPECT_TRUE(form.Failed());
        EXPECT_FALSE(form.isVisible());
        ASSERT_EQ(boxes.Boxes().size(), 1) << boxes.Texts().join(" | ").toStdString();
        EXPECT_EQ(boxes.Boxes()[0].Text, c.text);
        EXPECT_EQ(boxes.Boxes()[0].Title, c.title);
        EXPECT_EQ(boxes.Boxes()[0].Buttons, MsgButtons::OK);
        const ModemSetting untouched = sample();
        EXPECT_EQ(edited.PortB.SID2, untouched.PortB.SID2);
        EXPECT_EQ(edited.PortA.CommSpeed, untouched.PortA.CommSpeed);
        EXPECT_EQ(edited.CAvoid, untouched.CAvoid);
        EXPECT_EQ(edited.WriteTxPwr, untouched.WriteTxPwr);
    }
}

TEST_F(WizardActionTest, AMissingDatabaseIsReportedAsTheFileItIs)
{
    wizard.AppFolder = db.Folder() + QStringLiteral("/elsewhere");
    int16_t type = 6, start = 0;
    wizard.StartUpWizard(type, start);
    EXPECT_TRUE(wizard.Failed());
    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes()[0].Title, "Error Occured");
    EXPECT_EQ(prompt.Boxes()[0].Text,
              QStringLiteral("Could not find file '%1/elsewhere/Wizard.mdb'.").arg(db.Folder()));
}

}  // namespace
