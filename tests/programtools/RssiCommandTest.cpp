// The RSSI calibration command on simulated modems: its instructions, the
// receive radio it selects, the measured level committed through the RSSI box,
// the busy flag, and a modem lost mid-way that leaves the program running.
#include "QtPrinting.h"
#include "NumericBox.h"
#include "ToolFixture.h"
#include "VellModem.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

#include <algorithm>

namespace {

const QString Lost =
    QStringLiteral("Unrecoverable Error has occured when trying to adjust the RSSI Value, Program exiting");

QString instructions(const QString& frequency)
{
    const QString cr(QChar(13));
    return QStringLiteral("Attach SIGNAL GENERATOR to modem antenna.") + cr +
           QStringLiteral("      Apply 'ENOUGH RF' input signal") + cr + QStringLiteral("       at a frequency of ") +
           frequency + QStringLiteral("MHz") + cr +
           QStringLiteral("(Typically a level of -110dBm to -105dBm would be used)") + cr;
}

class RssiCommandTest : public ToolFixture {
protected:
    // Reads the profile and says Yes to writing the power and receive mute
    // settings, which the RSSI button waits for.
    void ReadForRssi(const std::string& profile)
    {
        Play(profile);
        ASSERT_TRUE(Load());
        ASSERT_TRUE(Read()) << prompt.Texts().join(" | ").toStdString();
        form->WriteTxOn->click();
        ASSERT_TRUE(form->AutoRSSI->isEnabled());
        prompt.Clear();
    }
    void Calibrate()
    {
        form->AutoRSSI->click();
        QApplication::processEvents();
    }
    int Sent(const std::string& command, size_t mark) const
    {
        const auto since = CommandsSince(mark);
        return int(std::count(since.begin(), since.end(), command));
    }
    int Samples(size_t mark) const
    {
        const auto since = CommandsSince(mark);
        return int(std::count_if(since.begin(), since.end(), [](const std::string& c) { return c.rfind("RA", 0) == 0; }));
    }
};

TEST_F(RssiCommandTest, TheInstructionsNameTheReceiveFrequencyAndCancelChangesNothing)
{
    ReadForRssi("lumbrel-fdx");
    const int rssi = form->CurrentModem.RSSI;
    const struct {
        double freq;
        const char* text;
    } cases[] = {{450.125, "450.125"}, {465.5, "465.5"}, {460.0, "460"}, {451.00625, "451.00625"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        form->CurrentModem.RXRadio.RXFreq = c.freq;
        prompt.Clear();
        prompt.Answer(MsgResult::Cancel);
        const size_t mark = Mark();
        Calibrate();
        ASSERT_EQ(prompt.Boxes().size(), 1);
        EXPECT_EQ(prompt.Boxes()[0].Text, instructions(QString::fromLatin1(c.text)));
        EXPECT_EQ(prompt.Boxes()[0].Title, "Automatic Calibration of RSSI Level");
        EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OKCancel);
        EXPECT_EQ(prompt.Boxes()[0].Icon, MsgIcon::None);
        EXPECT_TRUE(CommandsSince(mark).empty());
        EXPECT_EQ(form->CurrentModem.RSSI, rssi);
        EXPECT_EQ(form->RSSI->text(), QString::number(rssi));
    }
}

TEST_F(RssiCommandTest, TheMeasuredLevelIsCommittedThroughTheRssiBox)
{
    // Sample 175 reads as -64 dBm on the first curve and -60 dBm on the second,
    // which the 450 MHz radios of type 39 use.
    const struct {
        const char* profile;
        int level;
        int selects;  // "SR": the control's and the driver's, only for a separate receive radio
    } cases[] = {{"default", -64, 0}, {"builtin-low", -64, 0}, {"lumbrel-fdx", -60, 2}, {"lumbrel-hdx", -64, 0},
                 {"moskar-fdx", -64, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        ReadForRssi(c.profile);
        const size_t mark = Mark();
        Calibrate();
        EXPECT_EQ(prompt.Texts().size(), 1) << prompt.Texts().join(" | ").toStdString();
        EXPECT_EQ(Samples(mark), 20);
        EXPECT_EQ(Sent("SR", mark), c.selects);
        EXPECT_EQ(form->RSSI->text(), QString::number(c.level));
        EXPECT_EQ(form->CurrentModem.RSSI, c.level);
        EXPECT_FALSE(form->StopWrite);
        EXPECT_FALSE(form->Busy());
        EXPECT_FALSE(form->VellModem1->PortOpen());
    }
}

TEST_F(RssiCommandTest, ALevelTheModelRefusesIsUndone)
{
    ReadForRssi("default");
    const int before = form->CurrentModem.RSSI;
    for (int channel = 0; channel < 5; ++channel) modem.Profile().Rssi[channel] = 0;  // -138 dBm
    Calibrate();
    ASSERT_EQ(prompt.Boxes().size(), 2) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(prompt.Boxes()[1].Text, "Minimum RX signal must be between -130 and -30!!");
    EXPECT_EQ(form->CurrentModem.RSSI, before);
    EXPECT_EQ(form->RSSI->text(), QString::number(before));
    EXPECT_TRUE(form->StopWrite);
}

TEST_F(RssiCommandTest, NothingElseRunsWhileTheSignalIsMeasured)
{
    ReadForRssi("default");
    int passes = 0;
    bool allBusy = true;
    clock.OnEvents = [&] {
        ++passes;
        allBusy &= form->Busy() && !form->centralWidget()->isEnabled();
    };
    Calibrate();
    clock.OnEvents = nullptr;
    EXPECT_GT(passes, 0);
    EXPECT_TRUE(allBusy);
    EXPECT_FALSE(form->Busy());
    EXPECT_TRUE(form->centralWidget()->isEnabled());
}

TEST_F(RssiCommandTest, AModemLostMidWayLeavesTheProgramRunningWithItsConfiguration)
{
    ReadForRssi("default");
    // How many reply bytes a whole calibration takes, so the modem can fall silent half-way.
    modem.Profile().Faults.SilenceAfter = 1000000;
    Calibrate();
    const int whole = 1000000 - modem.Profile().Faults.SilenceAfter;
    ASSERT_GT(whole, 0);
    prompt.Clear();
    form->CurrentModem.RSSI = -99;
    form->RSSI->setText(QStringLiteral("-99"));
    modem.Profile().Faults.SilenceAfter = whole / 2;
    const size_t mark = Mark();
    Calibrate();

    EXPECT_GT(Samples(mark), 2) << "lost mid-way";
    EXPECT_LT(Samples(mark), 20);
    // The link's own report of the failed command may come first; the control's
    // message is the last: the program adds none.
    ASSERT_GE(prompt.Texts().size(), 2);
    EXPECT_EQ(prompt.Texts().first(), instructions("853.0125"));
    EXPECT_EQ(prompt.Texts().last(), Lost);
    for (const QString& text : prompt.Texts().mid(1, prompt.Texts().size() - 2))
        EXPECT_TRUE(text.startsWith("Error has occured error code: ")) << text.toStdString();
    EXPECT_FALSE(form->Ended());
    EXPECT_TRUE(ends.isEmpty());
    EXPECT_FALSE(form->VellModem1->Working());
    EXPECT_FALSE(form->VellModem1->PortOpen());
    EXPECT_FALSE(form->Busy());
    EXPECT_EQ(form->CurrentModem.RSSI, -99) << "the configuration kept";
    EXPECT_EQ(form->RSSI->text(), "-99");
    EXPECT_FALSE(form->TXDelay->isEnabled()) << "the editors off";
    EXPECT_FALSE(form->Toolbar1->findChild<QAction*>(QStringLiteral("TWRadio"))->isEnabled());
    const QWidgetList tops = QApplication::topLevelWidgets();
    const auto progress = std::find_if(tops.begin(), tops.end(),
                                       [](const QWidget* w) { return w->objectName() == QLatin1String("Progress"); });
    ASSERT_NE(progress, tops.end());
    EXPECT_FALSE((*progress)->isVisible()) << "the progress window closed";

    // Nothing more until the modem is read again; then it all works once more.
    prompt.Clear();
    form->AutoRSSI_Click();
    EXPECT_TRUE(prompt.Boxes().isEmpty());
    modem.Profile().Faults.SilenceAfter = -1;
    modem.PowerCycle(clock.NowMs());
    EXPECT_TRUE(Read());
}

TEST_F(RssiCommandTest, TheButtonDoesNothingWithoutAWorkingControlOrWhileBusy)
{
    ReadForRssi("default");
    form->setBusy(true);
    form->AutoRSSI_Click();
    form->setBusy(false);
    form->VellModem1->setWorking(false);
    form->AutoRSSI_Click();
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

}  // namespace
