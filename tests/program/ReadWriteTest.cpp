// Read and Write through the main window on the simulated modem: the models,
// the guards of a running operation, failures and the errors that escape the
// control, and the toolbar's keys.
#include "ProgramFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include <stdexcept>

namespace {

// A failing case is told by its name.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

const QString UnableToRead = QStringLiteral(
    "Unable to read configuration.\n"
    "    Check correct comm port is selected and programming cable Tarvik\n"
    "    is conneted to Port A of radio modem and power has been cycled.");

class ReadWriteTest : public ProgramFixture {
protected:
    QAction* Tool(const char* key) const { return form->Toolbar1->findChild<QAction*>(QString::fromLatin1(key)); }
    QAction* Menu(const char* name) const { return form->findChild<QAction*>(QString::fromLatin1(name)); }
    QString Panel(int i) const { return form->StatusBar1[i]->text(); }
    bool EditorsOn() const
    {
        return form->TransFreq->isEnabled() && form->ACharDef1->isEnabled() && form->SIDON->isEnabled() &&
               Tool("TWRadio")->isEnabled() && Tool("TSave")->isEnabled();
    }
    bool EditorsOff() const
    {
        return !form->TransFreq->isEnabled() && !form->ACharDef1->isEnabled() && !form->SIDON->isEnabled() &&
               !Tool("TWRadio")->isEnabled() && !Tool("TSave")->isEnabled() && !Tool("TWizard")->isEnabled() &&
               !Tool("TPrint")->isEnabled();
    }
    // The port number can be changed: the control's port is closed.
    void ExpectPortChangeAccepted()
    {
        const int boxes = int(prompt.Boxes().size());
        form->Menu_Comm[5]->trigger();
        EXPECT_EQ(form->VellModem1->CommPort(), 5);
        EXPECT_TRUE(form->Menu_Comm[5]->isChecked());
        EXPECT_EQ(prompt.Boxes().size(), boxes) << prompt.Texts().join(" | ").toStdString();
    }
    // The modem wakes up while the wait window is up.
    void PowerUpInTheWaitWindow()
    {
        wait.Cancel = false;
        wait.OnShow = [this] { modem.PowerCycle(clock.NowMs()); };
    }
};

struct ModelCase {
    const char* name;
    const char* profile;
    int buildType;
    const char* duplex;
    bool receiverOn;
    bool waitsForPowerUp;
};

class ReadModelTest : public ReadWriteTest, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(ReadModelTest, EveryModelReadsAndShows)
{
    const ModelCase& c = GetParam();
    Play(c.profile);
    if (c.waitsForPowerUp) PowerUpInTheWaitWindow();
    ASSERT_TRUE(Load());
    form->FromFile = true;
    form->Menu_Read_Click();
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_TRUE(form->VellModem1->Working());
    EXPECT_TRUE(EditorsOn());
    EXPECT_FALSE(form->FromFile);
    EXPECT_FALSE(form->Busy());
    EXPECT_EQ(wait.Shown, c.waitsForPowerUp ? 1 : 0);
    EXPECT_EQ(Panel(1), QStringLiteral("Build Type: %1").arg(c.buildType));
    EXPECT_EQ(form->DXLabel->text(), c.duplex);
    EXPECT_EQ(form->RXFreq->isEnabled(), c.receiverOn);
    ExpectPortChangeAccepted();
}

INSTANTIATE_TEST_SUITE_P(
    Models, ReadModelTest,
    ::testing::Values(ModelCase{"Default", "default", 6, "Modem is 9600 Full Duplex", false, false},
                      ModelCase{"BuiltInLow", "builtin-low", 7, "Modem is 9600 Full Duplex", false, false},
                      ModelCase{"LumbrelFullDuplex", "lumbrel-fdx", 39, "Modem is 9600 Full Duplex", true, false},
                      ModelCase{"LumbrelHalfDuplex", "lumbrel-hdx", 35, "Modem is 9600 Half Duplex", true, false},
                      ModelCase{"Moskar", "moskar-fdx", 12, "Modem is 9600 Full Duplex", true, false},
                      ModelCase{"Rudvik", "rudvik-fdx", 62, "Modem is 9600 Full Duplex", true, false},
                      ModelCase{"Firmware32", "firmware-32", 6, "Modem is 9600 Full Duplex", false, false},
                      ModelCase{"OldFirmware", "old-firmware", 6, "Modem is 9600 Full Duplex", false, false},
                      ModelCase{"StartsOff", "starts-off", 6, "Modem is 9600 Full Duplex", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadWriteTest, WhileAReadRunsOtherReadsWritesPortChangesAndClosingDoNothing)
{
    Play("starts-off");
    ASSERT_TRUE(Load());
    form->show();
    bool busyInside = false;
    int boxesInside = -1;
    wait.Cancel = false;
    wait.OnShow = [&] {
        // A second wait window means a second read: let it go by.
        if (wait.Shown > 1) return;
        busyInside = form->Busy();
        // A user clicking about while the modem is being waited for.
        form->Menu_Read_Click();
        Tool("TRRadio")->trigger();
        form->Menu_Write_Click();
        form->Menu_Comm[4]->trigger();
        form->close();
        QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);
        boxesInside = int(prompt.Boxes().size());
        modem.PowerCycle(clock.NowMs());
    };

    form->Menu_Read_Click();

    EXPECT_TRUE(busyInside);
    EXPECT_EQ(wait.Shown, 1) << "one read";
    EXPECT_EQ(boxesInside, 0) << prompt.Texts().join(" | ").toStdString();
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_TRUE(form->VellModem1->Working());
    EXPECT_TRUE(EditorsOn());
    EXPECT_EQ(form->VellModem1->CommPort(), 1);
    EXPECT_TRUE(form->Menu_Comm[1]->isChecked());
    EXPECT_FALSE(form->Menu_Comm[4]->isChecked());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(ends.isEmpty());
    EXPECT_FALSE(form->Busy());
    EXPECT_EQ(CommandCount("WN"), 0);
}

TEST_F(ReadWriteTest, WhileAWriteRunsNothingElseTalksToTheModem)
{
    Play("starts-off");
    PowerUpInTheWaitWindow();
    ASSERT_TRUE(Load());
    ASSERT_TRUE(ReadModem());
    form->show();
    // The modem is switched off before the write, so that the write waits for it.
    modem.Profile().Faults.Silent = true;
    int waitsInside = -1;
    wait.OnShow = [&] {
        form->Menu_Write_Click();
        form->Menu_Read_Click();
        form->close();
        waitsInside = wait.Shown;
        modem.Profile().Faults.Silent = false;
        modem.PowerCycle(clock.NowMs());
    };
    const int shownBefore = wait.Shown;

    form->Menu_Write_Click();

    EXPECT_EQ(waitsInside, shownBefore + 1);
    EXPECT_EQ(wait.Shown, shownBefore + 1);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_GT(CommandCount("WN"), 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->VellModem1->PortOpen());
    EXPECT_FALSE(form->Busy());
}

enum class Failure { NoModem, OldProgrammer, UnknownFirmware, DeclinedPreference, RejectedConfiguration };

struct FailureCase {
    const char* name;
    Failure failure;
    bool readBefore;
    QStringList controlMessages;
};

class ReadFailureTest : public ReadWriteTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ReadFailureTest, AFailedReadShowsTheMessageLeavesTheEditorsOffAndThePortFree)
{
    const FailureCase& c = GetParam();
    ASSERT_TRUE(Load());
    if (c.readBefore) {
        ASSERT_TRUE(ReadModem());
        prompt.Clear();
    }
    switch (c.failure) {
    case Failure::NoModem: modem.Profile().Faults.Silent = true; break;
    case Failure::OldProgrammer:
        modem.Profile().Firmware = "3.2";
        modem.Profile().ProductVersion = "3.5;3.6";
        break;
    case Failure::UnknownFirmware: modem.Profile().Firmware = "2.5"; break;
    case Failure::DeclinedPreference:
        modem.Profile().Firmware = "3.2";
        modem.Profile().ProductVersion = "3.0;3.6";
        prompt.Answer(MsgResult::Cancel);
        break;
    case Failure::RejectedConfiguration: modem.SetMemory(0xF6, {0x20}); break;
    }
    modem.PowerCycle(clock.NowMs());

    form->Menu_Read_Click();

    QStringList expected = c.controlMessages;
    expected << UnableToRead;
    EXPECT_EQ(prompt.Texts(), expected);
    EXPECT_EQ(prompt.Boxes().last().Title, "Halvex Programmer V3.4.5");
    EXPECT_EQ(prompt.Boxes().last().Buttons, MsgButtons::OK);
    EXPECT_EQ(wait.Shown, c.failure == Failure::NoModem ? 1 : 0);
    EXPECT_TRUE(EditorsOff());
    EXPECT_EQ(form->DXLabel->text(), "Modem is Half Duplex");
    EXPECT_FALSE(form->VellModem1->PortOpen());
    EXPECT_FALSE(form->Busy());
    EXPECT_TRUE(ends.isEmpty());
    // The window taking the focus does not bring a refused configuration back.
    form->Form_GotFocus();
    EXPECT_TRUE(EditorsOff());
    ExpectPortChangeAccepted();
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ReadFailureTest,
    ::testing::Values(
        FailureCase{"NoModemCancelInTheWaitWindow", Failure::NoModem, false, {}},
        FailureCase{"NoModemAfterAGoodRead", Failure::NoModem, true, {}},
        FailureCase{"OldProgrammer",
                    Failure::OldProgrammer,
                    false,
                    {"The modem requires programmer version 3.5 and above, please upgrade the Halvex Programmer if "
                     "you want to program this modem"}},
        FailureCase{"UnknownFirmware",
                    Failure::UnknownFirmware,
                    true,
                    {"Unrecognized modem firmware revision, contact Orvane Sypheral for a update of this programmer"}},
        FailureCase{"NewerProgrammerPreferredAndDeclined",
                    Failure::DeclinedPreference,
                    false,
                    {"The modem prefers programmer version higher then 3.6.  This Halvex Programmer will still "
                     "function but some features may not be available.  Do you wish to continue?"}},
        FailureCase{"ConfigurationTheControlRejects", Failure::RejectedConfiguration, false, {}},
        FailureCase{"RejectedAfterAGoodRead", Failure::RejectedConfiguration, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadWriteTest, AfterARejectedReadTheCommandsOnTheConfigurationDoNothing)
{
    ASSERT_TRUE(Load());
    ASSERT_TRUE(ReadModem());
    modem.SetMemory(0xF6, {0x20});
    form->Menu_Read_Click();
    ASSERT_EQ(prompt.Texts(), QStringList{UnableToRead});
    // The control still holds a driver for the modem.
    ASSERT_TRUE(form->VellModem1->Working());
    ASSERT_TRUE(EditorsOff());
    prompt.Clear();
    const size_t commands = modem.CommandLog().size();
    const int opens = port.Opens();

    for (const char* name : {"Menu_Write", "Menu_Save", "Menu_Print", "Menu_Wizard"}) Menu(name)->trigger();
    for (const char* key : {"TWRadio", "TSave", "TPrint", "TWizard"}) form->Toolbar1_ButtonClick(key);
    form->Form_GotFocus();
    form->show();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();

    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(modem.CommandLog().size(), commands) << "nothing went to the modem";
    EXPECT_EQ(port.Opens(), opens);
    EXPECT_TRUE(EditorsOff());

    // A good read brings the editors back, and the focus keeps them.
    modem.SetMemory(0xF6, {0x04});
    ASSERT_TRUE(ReadModem()) << prompt.Texts().join(" | ").toStdString();
    form->Form_GotFocus();
    EXPECT_TRUE(EditorsOn());
}

TEST_F(ReadWriteTest, TheWindowTakingTheFocusShowsTheConfigurationAgain)
{
    ASSERT_TRUE(Load());
    ASSERT_TRUE(ReadModem());
    form->SettingPage = true;
    form->CurrentModem.TXRadio.TXFreq = 931.0;
    form->CurrentModem.PTTTimeout = 45;
    form->Form_GotFocus();
    EXPECT_FALSE(form->SettingPage);
    EXPECT_EQ(form->TransFreq->text(), "931.00000");
    EXPECT_EQ(form->PTTTime->text(), "45");
    EXPECT_TRUE(EditorsOn());
}

// A minimum signal that the modem's calibration takes past its byte, written
// with the transmitter settings and a supervision setting: the Write is refused
// with the one message such a value gets, before the modem is touched.
TEST_F(ReadWriteTest, AThresholdTheModemCannotHoldRefusesTheWriteBeforeItsFirstFrame)
{
    Play("builtin-high");
    modem.SetMemory(0xF3, {0xFA});
    modem.SetMemory(0xFA, {uint8_t(modem.Memory(0xFA) | 0x01)});
    modem.Profile().FixCheckWord();
    ASSERT_TRUE(Load());
    ASSERT_TRUE(ReadModem()) << prompt.Texts().join(" | ").toStdString();
    form->WriteTxOn->click();
    form->RSSI->setText(QStringLiteral("-30"));
    form->RSSI->Commit();
    form->SupEndToEnd->click();
    ASSERT_EQ(form->CurrentModem.RSSI, -30);
    ASSERT_TRUE(form->CurrentModem.WriteTxPwr);
    ASSERT_EQ(form->CurrentModem.CAvoid & 0xFE, 8);
    const SimProfile::MemoryImage held = modem.Profile().Memory;
    const int written = CommandCount("WN");
    const int checks = CommandCount("CR");
    prompt.Clear();

    EXPECT_FALSE(form->Menu_Write_Click());

    const QStringList texts = prompt.Texts();
    ASSERT_EQ(texts.size(), 1) << texts.join(" | ").toStdString();
    EXPECT_TRUE(texts[0].startsWith(QStringLiteral("Unrecoverable Error, Contact ")));
    EXPECT_TRUE(texts[0].endsWith(QStringLiteral(" for help")));
    EXPECT_EQ(CommandCount("WN"), written) << "no location written";
    EXPECT_EQ(CommandCount("CR"), checks);
    EXPECT_EQ(modem.Profile().Memory, held);
    EXPECT_FALSE(form->VellModem1->PortOpen());
}

TEST_F(ReadWriteTest, WriteDoesNothingWithoutAWorkingControl)
{
    ASSERT_TRUE(Load());
    form->Menu_Write_Click();
    Tool("TWRadio")->trigger();
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    EXPECT_EQ(port.Opens(), 0);
    EXPECT_TRUE(modem.CommandLog().empty());
}

enum class WriteFault { Silent, ErrorReply, OtherBuild, CheckStuck };

struct WriteFailureCase {
    const char* name;
    WriteFault fault;
    // The last message, and its title.
    const char* message;
    const char* title;
    // The configuration went into the modem before the failure.
    bool writes;
};

class WriteFailureTest : public ReadWriteTest, public ::testing::WithParamInterface<WriteFailureCase> {};

TEST_P(WriteFailureTest, AFailedWriteFreesThePortAndTheWindowGoesOn)
{
    const WriteFailureCase& c = GetParam();
    ASSERT_TRUE(Load());
    ASSERT_TRUE(ReadModem());
    prompt.Clear();
    switch (c.fault) {
    case WriteFault::Silent: modem.Profile().Faults.Silent = true; break;
    case WriteFault::ErrorReply: modem.Profile().Faults.ErOn = "RN1FA"; break;
    case WriteFault::OtherBuild: modem.SetMemory(0x85, {0x07}); break;
    case WriteFault::CheckStuck: modem.Profile().Faults.CheckStuck = 0x1234; break;
    }
    modem.PowerCycle(clock.NowMs());

    EXPECT_FALSE(form->Menu_Write_Click());

    EXPECT_EQ(CommandCount("WN") > 0, c.writes);
    if (c.message) {
        ASSERT_FALSE(prompt.Boxes().isEmpty());
        EXPECT_EQ(prompt.Boxes().last().Text, c.message) << prompt.Texts().join(" | ").toStdString();
        EXPECT_EQ(prompt.Boxes().last().Title, c.title);
    } else {
        EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    }
    EXPECT_TRUE(ends.isEmpty());
    EXPECT_FALSE(form->Busy());
    EXPECT_FALSE(form->VellModem1->PortOpen());
    EXPECT_TRUE(EditorsOn());
    ExpectPortChangeAccepted();

    // With the modem mended, the next Write goes through.
    modem.Profile().Faults = {};
    modem.SetMemory(0x85, {0x06});
    modem.PowerCycle(clock.NowMs());
    form->Menu_Comm_Click(1);
    prompt.Clear();
    const int written = CommandCount("WN");
    EXPECT_TRUE(form->Menu_Write_Click());
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
    EXPECT_GT(CommandCount("WN"), written);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WriteFailureTest,
    ::testing::Values(WriteFailureCase{"SilentModem", WriteFault::Silent, nullptr, nullptr, false},
                      WriteFailureCase{"ErrorReplyEscapesTheControl", WriteFault::ErrorReply,
                                       "Device unavailable", "Error Occured", false},
                      WriteFailureCase{"AnotherBuildType", WriteFault::OtherBuild,
                                       "Error - Target Radio/Modem must be same Build Type!", "Radio Modem", false},
                      WriteFailureCase{"CheckThatNeverPasses", WriteFault::CheckStuck,
                                       "Error has occured error code: 4", "Radio Modem", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadWriteTest, AnErrorEscapingTheControlDuringAReadIsShownAndTheProgramGoesOn)
{
    modem.Profile().Faults.Silent = true;
    ASSERT_TRUE(Load());
    wait.OnShow = [] { throw std::runtime_error("The programming cable was pulled"); };

    form->Menu_Read_Click();

    ASSERT_EQ(prompt.Boxes().size(), 1) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(prompt.Boxes()[0].Title, "Error Occured");
    EXPECT_EQ(prompt.Boxes()[0].Text, "The programming cable was pulled");
    EXPECT_TRUE(ends.isEmpty());
    EXPECT_FALSE(form->Busy());
    EXPECT_FALSE(form->VellModem1->PortOpen());
    EXPECT_TRUE(EditorsOff());
    ExpectPortChangeAccepted();

    // The next Read works.
    wait.OnShow = nullptr;
    modem.Profile().Faults.Silent = false;
    modem.PowerCycle(clock.NowMs());
    form->Menu_Comm_Click(1);
    prompt.Clear();
    EXPECT_TRUE(ReadModem()) << prompt.Texts().join(" | ").toStdString();
}

struct KeyCase {
    const char* name;
    const char* key;
    bool reads;
    bool asksToQuit;
};

class ToolbarKeyTest : public ReadWriteTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ToolbarKeyTest, KeysAreComparedExactly)
{
    ASSERT_TRUE(Load());
    prompt.Answer(MsgResult::Cancel);
    form->Toolbar1_ButtonClick(QString::fromLatin1(GetParam().key));
    EXPECT_EQ(form->VellModem1->Working(), GetParam().reads);
    EXPECT_EQ(!modem.CommandLog().empty(), GetParam().reads);
    EXPECT_EQ(prompt.Texts().contains("Are you sure you want to exit program?"), GetParam().asksToQuit);
    EXPECT_EQ(prompt.Boxes().size(), GetParam().asksToQuit ? 1 : 0) << prompt.Texts().join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Keys, ToolbarKeyTest,
                         ::testing::Values(KeyCase{"Read", "TRRadio", true, false},
                                           KeyCase{"ReadLowerCase", "trradio", false, false},
                                           KeyCase{"ReadWithBlank", "TRRadio ", false, false},
                                           KeyCase{"Quit", "TQuit", false, true},
                                           KeyCase{"QuitOtherCase", "TQUIT", false, false},
                                           KeyCase{"Empty", "", false, false},
                                           KeyCase{"Unknown", "TOther", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
