// The main window's Start Wizard command around the wizard: the backup, the
// modal run, the control's verdict on the result, the restore of a refused one,
// and a fault of the wizard's database that leaves the program running with the
// configuration as it was.
#include "QtPrinting.h"
#include "NumericBox.h"
#include "SettingFields.h"
#include "StartModule.h"
#include "ToolFixture.h"
#include "VellModem.h"
#include "WizardDb.h"
#include "WizardForm.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace {

const QString Incompatible = QStringLiteral(
    "The Wizard's Configuration is imcompatible with your modem, press Ok to Restore Old Configuration.");
const QString Frequencies = QStringLiteral("Wizard will not change Tx and Rx frequencies, \nplease check your required "
                                           "Tx and Rx frequencies before writing to the radio.");

class WizardCommandTest : public ToolFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Load());
        ASSERT_TRUE(Read()) << prompt.Texts().join(" | ").toStdString();
        prompt.Clear();
    }

    // The first page for the built-in type 6, with a preset button.
    void PresetPage(int setId)
    {
        db.StartUp(6, 7, 3);
        db.Page(3);
        db.Button(3, 1, 2, setId);
    }
    // The Start Wizard command, pressing the wizard's first button when it is up.
    void RunWizard()
    {
        WithModal([this] { form->Menu_Wizard_Click(); },
                  [](QWidget* window) {
                      EXPECT_EQ(window->objectName(), "WizardForm");
                      window->findChild<QToolButton*>(QStringLiteral("ButtonArray(0)"))->click();
                  });
        QApplication::processEvents();
    }
    bool EditorsOn() const { return form->TXDelay->isEnabled() && form->Toolbar1->findChild<QAction*>("TWRadio")->isEnabled(); }

    WizardDb db{DataFolder()};
};

TEST_F(WizardCommandTest, AnAcceptedPresetIsShownWithTheEditorsOn)
{
    PresetPage(11);
    db.Preset(11, {{"PortAISSLip", "0"}});
    RunWizard();
    EXPECT_EQ(prompt.Texts(), QStringList{Frequencies});
    EXPECT_EQ(form->CurrentModem.PortA.CommSpeed, 3);
    EXPECT_EQ(form->CurrentModem.TXRadio.TXDelay, 35);
    EXPECT_EQ(form->CurrentModem.RSSI, -97);
    EXPECT_TRUE(EditorsOn());
    EXPECT_EQ(form->TXDelay->text(), "35");
    EXPECT_EQ(form->PTTTime->text(), "45");
    EXPECT_EQ(form->RSSI->text(), "-97");
    EXPECT_FALSE(form->Wizard().isVisible());
}

TEST_F(WizardCommandTest, ARefusedPresetIsUndoneWithItsMessage)
{
    // The base preset puts port A into SLIP with XON/XOFF flow control, which no modem takes.
    PresetPage(11);
    db.Preset(11);
    const QStringList before = SettingFields::Lines(form->CurrentModem);
    RunWizard();
    ASSERT_EQ(prompt.Boxes().size(), 2) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(prompt.Boxes()[0].Text, Frequencies);
    EXPECT_EQ(prompt.Boxes()[1].Text, Incompatible);
    EXPECT_EQ(prompt.Boxes()[1].Buttons, MsgButtons::OK);
    EXPECT_EQ(prompt.Boxes()[1].Title, StartModule::ApplicationTitle);
    EXPECT_EQ(SettingFields::Lines(form->CurrentModem), before);
    EXPECT_EQ(form->TXDelay->text(), QString::number(form->CurrentModem.TXRadio.TXDelay)) << "the old values shown";
    EXPECT_EQ(form->RSSI->text(), QString::number(form->CurrentModem.RSSI));
    EXPECT_TRUE(EditorsOn());
}

TEST_F(WizardCommandTest, AFaultOfTheWizardsDatabaseLeavesTheProgramAndTheConfiguration)
{
    const struct {
        const char* name;
        std::function<void(WizardDb&)> fill;
        bool press;
        QString text;
    } cases[] = {
        {"no first page for the build type", [](WizardDb& d) { d.StartUp(60, 69, 3); }, false,
         QStringLiteral("Fatal Error has occured in the application,please report Error W0 to Orvane Sypheral")},
        {"a first page that is not there", [](WizardDb& d) { d.StartUp(6, 7, 8); }, false,
         QStringLiteral("Fatal Error has occured in the application,please report Error W8 to Orvane Sypheral")},
        {"a preset that is not there",
         [](WizardDb& d) {
             d.StartUp(6, 7, 3);
             d.Page(3);
             d.Button(3, 1, 2, 77);
         },
         true, QStringLiteral("Fatal Error has occured in the application,please report Error S3 to Orvane Sypheral")},
        {"a preset with a Null",
         [](WizardDb& d) {
             d.StartUp(6, 7, 3);
             d.Page(3);
             d.Button(3, 1, 2, 77);
             d.Preset(77, {{"PortAISSLip", "0"}, {"RSSI", "NULL"}});
         },
         true, QStringLiteral("Fatal Error has occured in the application,please report Error S3 to Orvane Sypheral")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        db.Run({"DELETE FROM startuppage", "DELETE FROM pages", "DELETE FROM item", "DELETE FROM WizardSetting"});
        c.fill(db);
        prompt.Clear();
        const QStringList before = SettingFields::Lines(form->CurrentModem);
        if (c.press) {
            RunWizard();
        } else {
            form->Menu_Wizard_Click();
            EXPECT_FALSE(form->Wizard().isVisible()) << "closed";
        }
        EXPECT_EQ(prompt.Texts(), QStringList{c.text});
        EXPECT_TRUE(form->Wizard().Failed());
        EXPECT_FALSE(form->Ended());
        EXPECT_TRUE(ends.isEmpty());
        EXPECT_EQ(SettingFields::Lines(form->CurrentModem), before);
        EXPECT_TRUE(EditorsOn());
    }
    // And the wizard works again once its database is right.
    db.Run({"DELETE FROM startuppage", "DELETE FROM pages", "DELETE FROM item", "DELETE FROM WizardSetting"});
    PresetPage(11);
    db.Preset(11, {{"PortAISSLip", "0"}});
    prompt.Clear();
    RunWizard();
    EXPECT_EQ(prompt.Texts(), QStringList{Frequencies});
    EXPECT_EQ(form->CurrentModem.PTTTimeout, 45);
}

TEST_F(WizardCommandTest, TheWizardWaitsForAWorkingModemAndForAnyRunningCommand)
{
    PresetPage(11);
    db.Preset(11, {{"PortAISSLip", "0"}});
    form->setBusy(true);
    form->Menu_Wizard_Click();
    form->setBusy(false);
    form->VellModem1->setWorking(false);
    form->Menu_Wizard_Click();
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_FALSE(form->findChild<QWidget*>(QStringLiteral("WizardForm"))) << "never loaded";
}

}  // namespace
