// The transmitter power dialogs on simulated modems: the high/low switch, the
// power bar in steps of 7 mW, and the power test with every way out of it, its
// warning, a frequency that cannot be set, a link fault, and the busy flag.
#include "QtPrinting.h"
#include "AdjHL.h"
#include "AdjPower.h"
#include "NumericBox.h"
#include "ToolFixture.h"
#include "VellModem.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString Warning = QStringLiteral(
    "THE RADIO'S TRANSMITTER IS ABOUT TO BE ENERGISED.\nENSURE THAT THE ANTENNA PORT IS PROPERLY TERMINATED\n"
    "WITH AN RF POWER METER CAPABLE OF ABSORBING UP\nTO TEN WATTS AT THE TRANSMIT FREQUENCY.");

// The transmit radio's frames as the test's steps: the transmit synthesiser
// tuned, a power setting, the transmitter switched on or off.
QStringList describe(const std::vector<std::vector<uint8_t>>& frames)
{
    QStringList steps;
    for (const auto& f : frames) {
        if (f.size() == 14 && f[0] == 0x03) steps << QStringLiteral("tune");
        else if (f.size() == 5 && f[0] == 0x03) steps << ((f[2] & 0x02) ? QStringLiteral("off") : QStringLiteral("on"));
        else if (f.size() == 3 && f[0] == 0x09 && f[1] == 0x03) steps << QStringLiteral("power %1").arg(f[2]);
        else steps << QStringLiteral("frame %1").arg(f[0]);
    }
    return steps;
}

// The Lumbrel's power byte for a power in mW.
int powerByte(int milliwatts) { return int(std::nearbyint(std::sqrt(milliwatts * 4.6) - 5.2)); }

void drag(QScrollBar* bar, int position)
{
    bar->setSliderDown(true);
    bar->setSliderPosition(position);
    bar->setSliderDown(false);
}

class PowerTest : public ToolFixture {
protected:
    // Reads the profile and says Yes to writing the power, as a user must before
    // the power command can be reached.
    void ReadWithPower(const std::string& profile)
    {
        Play(profile);
        ASSERT_TRUE(Load());
        ASSERT_TRUE(Read()) << prompt.Texts().join(" | ").toStdString();
        form->WriteTxOn->click();
        ASSERT_TRUE(form->PowAdjust->isEnabled());
        prompt.Clear();
    }
    // The power command with the body acting in the power window.
    void InPowerWindow(const std::function<void(AdjPower&)>& body)
    {
        WithModal([this] { form->PowAdjust->click(); },
                  [&](QWidget* window) {
                      auto* power = dynamic_cast<AdjPower*>(window);
                      ASSERT_NE(power, nullptr) << window->objectName().toStdString();
                      body(*power);
                  });
    }
};

TEST_F(PowerTest, AHighLowTransmitterIsSwitchedInItsOwnWindow)
{
    ReadWithPower("default");
    ASSERT_EQ(form->CurrentModem.TXRadio.txpower, 0);
    ASSERT_TRUE(form->CurrentModem.TXRadio.PowerHL);
    WithModal([this] { form->PowAdjust->click(); },
              [](QWidget* window) {
                  EXPECT_EQ(window->objectName(), "AdjHL");
                  EXPECT_EQ(window->windowTitle(), "Adjust Transmitter Power");
                  auto* high = window->findChild<QRadioButton*>(QStringLiteral("TransHigh"));
                  auto* low = window->findChild<QRadioButton*>(QStringLiteral("TransLow"));
                  EXPECT_TRUE(high->isChecked());
                  EXPECT_FALSE(low->isChecked());
                  low->click();
                  window->findChild<QPushButton*>(QStringLiteral("Finish"))->click();
              });
    EXPECT_FALSE(form->CurrentModem.TXRadio.PowerHL);
    EXPECT_EQ(form->CurrentModem.TXRadio.txpower, 0);
    EXPECT_FALSE(form->findChild<QWidget*>(QStringLiteral("AdjPower"))) << "never the milliwatt window";
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(PowerTest, TheBarShowsThePowerInStepsOf7mWAndKeepsWhatItCannotShow)
{
    ReadWithPower("lumbrel-fdx");
    const struct {
        int stored, position, kept;
    } cases[] = {
        {1000, 143, 1001}, {3500, 500, 3500}, {1011, 144, 1008}, {7003, 1000, 7000}, {7000, 1000, 7000},
        {8000, 1000, 8000}, {3, 1, 3},        {4, 1, 7},         {-50, 1, -50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stored << " mW");
        form->CurrentModem.TXRadio.txpower = int16_t(c.stored);
        InPowerWindow([&](AdjPower& window) {
            EXPECT_EQ(window.Power->value(), c.position);
            EXPECT_EQ(window.Setting->TXRadio.txpower, c.kept);
            EXPECT_EQ(window.Power->minimum(), 1);
            EXPECT_EQ(window.Power->maximum(), 1000);
            window.Finish->click();
        });
    }
    // A power the bar cannot show is stored once the bar is moved.
    form->CurrentModem.TXRadio.txpower = 8000;
    InPowerWindow([](AdjPower& window) {
        drag(window.Power, 500);
        EXPECT_EQ(window.Setting->TXRadio.txpower, 3500);
        window.Finish->click();
    });
    EXPECT_EQ(form->CurrentModem.TXRadio.txpower, 3500);
}

TEST_F(PowerTest, MovingTheBarWithoutATestSendsNothing)
{
    ReadWithPower("lumbrel-fdx");
    const size_t commands = Mark(), frames = RadioMark();
    InPowerWindow([this](AdjPower& window) {
        drag(window.Power, 300);
        EXPECT_EQ(window.Setting->TXRadio.txpower, 2100);
        EXPECT_TRUE(window.Timer1->isActive());
        EXPECT_EQ(window.Timer1->interval(), 10000);
        window.Timer1_Timer();
        EXPECT_FALSE(window.TestPower->isChecked());
        EXPECT_FALSE(form->Busy());
        window.Finish->click();
    });
    EXPECT_TRUE(CommandsSince(commands).empty());
    EXPECT_TRUE(TxFramesSince(frames).empty());
    EXPECT_EQ(form->CurrentModem.TXRadio.txpower, 2100);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(PowerTest, EveryWayOutOfARunningTestSendsTheStopOnce)
{
    const struct {
        const char* way;
        std::function<void(AdjPower&)> leave;
        bool closes;
    } ways[] = {
        {"Finish", [](AdjPower& w) { w.Finish->click(); }, true},
        {"Escape", [](AdjPower& w) { QTest::keyClick(&w, Qt::Key_Escape); }, true},
        {"the close box", [](AdjPower& w) { w.close(); }, true},
        {"ten seconds without a move", [](AdjPower& w) { w.Timer1_Timer(); }, false},
        {"the test button released", [](AdjPower& w) { w.TestPower->click(); }, false},
    };
    ReadWithPower("lumbrel-fdx");
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        prompt.Clear();
        form->CurrentModem.TXRadio.txpower = 1008;
        const size_t frames = RadioMark();
        InPowerWindow([&](AdjPower& window) {
            EXPECT_TRUE(window.TestPower->isEnabled());
            window.TestPower->click();
            EXPECT_EQ(describe(TxFramesSince(frames)), (QStringList{"tune", QStringLiteral("power %1").arg(powerByte(1008))}));
            EXPECT_TRUE(form->Busy()) << "no other command while the transmitter is keyed";
            EXPECT_TRUE(window.Timer1->isActive());
            drag(window.Power, 300);
            way.leave(window);
            EXPECT_EQ(window.isVisible(), !way.closes);
            EXPECT_FALSE(window.TestPower->isChecked());
            EXPECT_FALSE(form->Busy());
            EXPECT_FALSE(window.Timer1->isActive());
            if (window.isVisible()) window.Finish->click();
        });
        EXPECT_EQ(describe(TxFramesSince(frames)),
                  (QStringList{"tune", QStringLiteral("power %1").arg(powerByte(1008)),
                               QStringLiteral("power %1").arg(powerByte(2100)), "power 0", "off"}));
        EXPECT_FALSE(form->VellModem1->PortOpen());
        EXPECT_EQ(prompt.Texts(), QStringList{Warning});
        ASSERT_FALSE(prompt.Boxes().isEmpty());
        EXPECT_EQ(prompt.Boxes()[0].Title, "Warning");
        EXPECT_EQ(prompt.Boxes()[0].Icon, MsgIcon::Exclamation);
        EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OKCancel);
        EXPECT_EQ(form->CurrentModem.TXRadio.txpower, 2100);
    }
}

TEST_F(PowerTest, CancellingTheWarningSendsTheStopAndNoTest)
{
    ReadWithPower("lumbrel-fdx");
    const size_t frames = RadioMark();
    prompt.Answer(MsgResult::Cancel);
    InPowerWindow([this](AdjPower& window) {
        window.TestPower->click();
        EXPECT_FALSE(window.TestPower->isChecked());
        EXPECT_FALSE(form->Busy());
        EXPECT_TRUE(window.isVisible());
        window.Finish->click();
    });
    EXPECT_EQ(describe(TxFramesSince(frames)), (QStringList{"power 0", "off"}));
    EXPECT_EQ(prompt.Texts(), QStringList{Warning});
}

TEST_F(PowerTest, AFrequencyThatCannotBeSetEndsTheTestWithItsMessage)
{
    ReadWithPower("lumbrel-fdx");
    modem.Profile().TxRadio.LoadStatus = 0;  // the synthesiser does not lock
    const size_t frames = RadioMark();
    InPowerWindow([](AdjPower& window) {
        window.TestPower->click();
        EXPECT_FALSE(window.TestPower->isChecked());
        EXPECT_TRUE(window.Finish->isEnabled());
        window.Finish->click();
    });
    EXPECT_EQ(describe(TxFramesSince(frames)), (QStringList{"tune", "power 0", "off"}));
    ASSERT_EQ(prompt.Boxes().size(), 2);
    EXPECT_EQ(prompt.Boxes()[1].Text, "Error!, Can't test TX Power");
    EXPECT_EQ(prompt.Boxes()[1].Buttons, MsgButtons::OK);
    EXPECT_FALSE(form->Busy());
}

TEST_F(PowerTest, ALinkFaultMidTestStillSendsEveryStopStepAndTellsTheUser)
{
    ReadWithPower("lumbrel-fdx");
    form->CurrentModem.TXRadio.txpower = 1008;
    const size_t frames = RadioMark();
    InPowerWindow([this](AdjPower& window) {
        window.TestPower->click();
        ASSERT_TRUE(window.TestPower->isChecked());
        // The radio falls silent but for its echoes.
        modem.Profile().Faults.RadioSilenceAfter = 0;
        drag(window.Power, 300);
        EXPECT_FALSE(window.TestPower->isChecked());
        EXPECT_FALSE(form->Busy());
        EXPECT_TRUE(window.isVisible());
        window.Finish->click();
    });
    EXPECT_EQ(describe(TxFramesSince(frames)),
              (QStringList{"tune", QStringLiteral("power %1").arg(powerByte(1008)),
                           QStringLiteral("power %1").arg(powerByte(2100)), "power 0", "off"}))
        << "each stop step sent once, although the first failed";
    ASSERT_EQ(prompt.Boxes().size(), 3) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(prompt.Boxes()[1].Title, "Error Occured") << "the fault, told after the stop";
    const QString stop = prompt.Boxes()[2].Text;
    EXPECT_TRUE(stop.startsWith("The power test did not end cleanly:\n")) << stop.toStdString();
    EXPECT_TRUE(stop.contains("setting the power to 0: ")) << stop.toStdString();
    EXPECT_TRUE(stop.contains("switching the transmitter off: ")) << stop.toStdString();
    EXPECT_FALSE(stop.contains("leaving the test mode")) << stop.toStdString();
    EXPECT_TRUE(stop.endsWith("The transmitter may still be on: switch the modem off and on."));
    EXPECT_EQ(prompt.Boxes()[2].Icon, MsgIcon::Exclamation);
    EXPECT_FALSE(form->VellModem1->PortOpen());
}

TEST_F(PowerTest, TheBusyFlagCoversTheTestWhereverWindowEventsGetThrough)
{
    ReadWithPower("lumbrel-fdx");
    int passes = 0;
    bool allBusy = true;
    InPowerWindow([&](AdjPower& window) {
        clock.OnEvents = [&] {
            ++passes;
            allBusy &= form->Busy() && !form->centralWidget()->isEnabled();
            // A Read clicked meanwhile is turned away.
            const size_t before = Mark();
            form->Menu_Read_Click();
            allBusy &= Mark() == before;
        };
        window.TestPower->click();
        window.Finish->click();
        clock.OnEvents = nullptr;
    });
    EXPECT_GT(passes, 0) << "the start and the stop let events through";
    EXPECT_TRUE(allBusy);
    EXPECT_FALSE(form->Busy());
    EXPECT_TRUE(form->centralWidget()->isEnabled());
}

TEST_F(PowerTest, LeavingWhileTheTransmitterIsBeingKeyedStopsItOnceKeyed)
{
    ReadWithPower("lumbrel-fdx");
    form->CurrentModem.TXRadio.txpower = 1008;
    const size_t frames = RadioMark();
    bool closedEarly = false;
    InPowerWindow([&](AdjPower& window) {
        // The close box, pressed while the start waits on the modem.
        bool pressed = false;
        clock.OnEvents = [&] {
            if (pressed) return;
            pressed = true;
            window.close();
            closedEarly = !window.isVisible();
        };
        window.TestPower->click();
        clock.OnEvents = nullptr;
        EXPECT_FALSE(window.isVisible()) << "gone once the stop was sent";
    });
    EXPECT_FALSE(closedEarly) << "not while the control was busy";
    EXPECT_EQ(describe(TxFramesSince(frames)),
              (QStringList{"tune", QStringLiteral("power %1").arg(powerByte(1008)), "power 0", "off"}));
    EXPECT_FALSE(form->Busy());
    EXPECT_EQ(prompt.Texts(), QStringList{Warning});
}

TEST_F(PowerTest, NoTestOfAConfigurationFromAFile)
{
    ReadWithPower("lumbrel-fdx");
    form->FromFile = true;
    InPowerWindow([](AdjPower& window) {
        EXPECT_FALSE(window.TestPower->isEnabled());
        window.Finish->click();
    });
}

}  // namespace
