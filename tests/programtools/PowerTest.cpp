// The transmitter power dialogs on simulated modems: the high/low switch, the
// power bar in steps of 7 mW, and the power test with every way out of it, its
// warning, a frequency that cannot be set, a link fault, and the busy flag.
#include "QtPrinting.h"
#include "AdjHL.h"
#include "AdjPower.h"
#include "MessageBoxPrompt.h"
#include "NumericBox.h"
#include "ToolFixture.h"
#include "VellModem.h"

#include <QApplication>
#include <QMap>
#include <QMessageBox>
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

// The power bar takes the focus, so the power can be set from the keyboard.
TEST_F(PowerTest, ThePowerCanBeSetFromTheKeyboard)
{
    ReadWithPower("lumbrel-fdx");
    form->CurrentModem.TXRadio.txpower = 3500;
    InPowerWindow([&](AdjPower& window) {
        EXPECT_EQ(window.Power->focusPolicy(), Qt::StrongFocus);
        QApplication::setActiveWindow(&window);
        window.Power->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(window.Power->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        EXPECT_EQ(window.Power->value(), 510);
        window.Finish->click();
    });
    EXPECT_EQ(form->CurrentModem.TXRadio.txpower, 3570);
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

// The button takes no click while the test starts, yet the keyboard stays on it:
// the Space that started the test stops it, and the window stays.
TEST_F(PowerTest, SpaceStopsATestThatSpaceStarted)
{
    ReadWithPower("lumbrel-fdx");
    form->CurrentModem.TXRadio.txpower = 1008;
    const size_t frames = RadioMark();
    InPowerWindow([this](AdjPower& window) {
        window.TestPower->setFocus();
        ASSERT_EQ(window.focusWidget(), window.TestPower);
        QTest::keyClick(window.TestPower, Qt::Key_Space);
        ASSERT_TRUE(window.TestPower->isChecked()) << "the test runs";
        EXPECT_EQ(window.focusWidget(), window.TestPower);
        QWidget* focused = window.focusWidget() ? window.focusWidget() : &window;
        QTest::keyClick(focused, Qt::Key_Space);
        EXPECT_FALSE(window.TestPower->isChecked());
        EXPECT_FALSE(form->Busy());
        EXPECT_TRUE(window.isVisible()) << "the test stopped, not the window";
        EXPECT_EQ(window.focusWidget(), window.TestPower) << "ready to start again";
        window.Finish->click();
    });
    EXPECT_EQ(describe(TxFramesSince(frames)),
              (QStringList{"tune", QStringLiteral("power %1").arg(powerByte(1008)), "power 0", "off"}));
    EXPECT_EQ(prompt.Texts(), QStringList{Warning});
}

// Every opening starts on the bar, as the first does, whatever the last one left
// focused: the test's button is reached only on purpose.
TEST_F(PowerTest, EveryOpeningStartsOnThePowerBar)
{
    ReadWithPower("lumbrel-fdx");
    for (int opening = 1; opening <= 3; ++opening) {
        SCOPED_TRACE(testing::Message() << "opening " << opening);
        InPowerWindow([&](AdjPower& window) {
            QApplication::setActiveWindow(&window);
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
            EXPECT_EQ(QApplication::focusWidget(), window.Power);
            // Leave from the test's button, by the keyboard.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), window.TestPower);
            QTest::keyClick(window.TestPower, Qt::Key_Escape);
            EXPECT_FALSE(window.isVisible());
        });
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

// The warning's own box on the screen: the key that started the test, pressed
// again, Enter or Escape, cancels it; only OK chosen on purpose keys the transmitter.
TEST_F(PowerTest, KeyingTakesAChoiceOfOKInTheWarning)
{
    // The warning is a real message box; the boxes of the read stay scripted.
    struct OnScreenWarning : Prompt {
        Prompt* scripted = nullptr;
        MessageBoxPrompt screen;
        MsgResult Show(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override
        {
            return (title == "Warning" ? static_cast<Prompt&>(screen) : *scripted).Show(text, title, buttons, icon);
        }
        MsgResult ShowCautious(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon) override
        {
            return (title == "Warning" ? static_cast<Prompt&>(screen) : *scripted).ShowCautious(text, title, buttons, icon);
        }
    } warning;
    warning.scripted = &prompt;
    seams.prompt = &warning;
    ReadWithPower("lumbrel-fdx");
    const struct {
        const char* name;
        std::function<void(QMessageBox*)> answer;
        bool keyed;
    } cases[] = {
        {"Space", [](QMessageBox* box) { QTest::keyClick(box->focusWidget(), Qt::Key_Space); }, false},
        {"Enter", [](QMessageBox* box) { QTest::keyClick(box->focusWidget(), Qt::Key_Return); }, false},
        {"Escape", [](QMessageBox* box) { QTest::keyClick(box->focusWidget(), Qt::Key_Escape); }, false},
        {"OK chosen", [](QMessageBox* box) { QTest::keyClick(box->button(QMessageBox::Ok), Qt::Key_Space); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const size_t frames = RadioMark();
        InPowerWindow([&](AdjPower& window) {
            QApplication::setActiveWindow(&window);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), window.TestPower);
            QString focused;
            QTimer answer;
            answer.setInterval(1);
            QObject::connect(&answer, &QTimer::timeout, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box || !box->isVisible()) return;
                answer.stop();
                QApplication::setActiveWindow(box);
                focused = box->focusWidget() ? box->focusWidget()->property("text").toString() : QString();
                c.answer(box);
            });
            answer.start();
            QTest::keyClick(window.TestPower, Qt::Key_Space);
            EXPECT_EQ(focused.remove('&'), "Cancel") << "the box opens on Cancel";
            EXPECT_EQ(window.TestPower->isChecked(), c.keyed);
            window.Finish->click();
        });
        const QStringList sent = describe(TxFramesSince(frames));
        EXPECT_EQ(sent.contains("tune"), c.keyed) << sent.join(' ').toStdString();
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(" | ").toStdString();
}

// The serial adapter pulled out while the transmitter is keyed: every stop step
// still runs, and the port that will not open is told of once.
TEST_F(PowerTest, AModemThatVanishesDuringTheTestIsToldOfOnce)
{
    ReadWithPower("lumbrel-fdx");
    form->CurrentModem.TXRadio.txpower = 1008;
    InPowerWindow([this](AdjPower& window) {
        window.TestPower->click();
        ASSERT_TRUE(window.TestPower->isChecked());
        port.Vanish();
        drag(window.Power, 300);
        EXPECT_FALSE(window.TestPower->isChecked());
        EXPECT_FALSE(form->Busy());
        window.Finish->click();
    });
    QStringList titles;
    for (const auto& box : prompt.Boxes()) titles << box.Title;
    EXPECT_EQ(titles.count(QStringLiteral("Comm Port Error")), 1) << prompt.Texts().join(" | ").toStdString();
    EXPECT_EQ(titles.count(QStringLiteral("Error Occured")), 1) << "the fault that ended the test";
    ASSERT_FALSE(prompt.Boxes().isEmpty());
    EXPECT_TRUE(prompt.Boxes().back().Text.startsWith("The power test did not end cleanly:\n"))
        << prompt.Boxes().back().Text.toStdString();
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

// Clicks on the test button, Escape and the close box that arrive while the
// test is being started or stopped (wherever the control lets window events
// through) start, stop or re-enter nothing: the transmitter is keyed once and
// released once, each stop step sent once, and Finish still closes the window.
TEST_F(PowerTest, NothingStartsStopsOrReentersTheTestWhileItStartsOrStops)
{
    enum class Step { None, Start, Stop };
    auto click = [](AdjPower& w) { w.TestPower->click(); };
    auto escape = [](AdjPower& w) { QTest::keyClick(&w, Qt::Key_Escape); };
    auto closeBox = [](AdjPower& w) { w.close(); };
    const struct {
        const char* what;
        Step during;
        std::function<void(AdjPower&)> act;
        int times;
    } acts[] = {
        {"a second click during the start", Step::Start, click, 1},
        {"a second and a third click during the start", Step::Start, click, 2},
        {"Escape during the start", Step::Start, escape, 1},
        {"the close box during the start", Step::Start, closeBox, 1},
        {"a second click during the stop", Step::Stop, click, 1},
        {"a second and a third click during the stop", Step::Stop, click, 2},
        {"Escape during the stop", Step::Stop, escape, 1},
        {"the close box during the stop", Step::Stop, closeBox, 1},
    };
    ReadWithPower("lumbrel-fdx");
    form->CurrentModem.TXRadio.txpower = 1008;
    const QStringList once = {"tune", QStringLiteral("power %1").arg(powerByte(1008)), "power 0", "off"};

    Step now = Step::None;
    // Runs a whole test, start and stop, with onEvents at each pass of window events.
    auto runTest = [&](AdjPower& window, const std::function<void()>& onEvents) {
        clock.OnEvents = onEvents;
        now = Step::Start;
        window.TestPower->click();
        now = Step::Stop;
        if (window.isVisible() && window.TestPower->isChecked()) window.TestPower->click();
        now = Step::None;
        clock.OnEvents = nullptr;
    };

    // Where each step lets window events through.
    QMap<Step, int> passes;
    InPowerWindow([&](AdjPower& window) {
        runTest(window, [&] { ++passes[now]; });
        window.Finish->click();
    });
    ASSERT_GT(passes[Step::Start], 0);
    ASSERT_GT(passes[Step::Stop], 0);

    for (const auto& act : acts) {
        for (int at = 1; at <= passes[act.during]; ++at) {
            SCOPED_TRACE(testing::Message() << act.what << ", at pass " << at);
            prompt.Clear();
            const size_t frames = RadioMark();
            InPowerWindow([&](AdjPower& window) {
                int seen = 0;
                runTest(window, [&] {
                    if (now != act.during) return;
                    ++seen;
                    if (seen >= at && seen < at + act.times) act.act(window);
                });
                if (window.isVisible()) {
                    EXPECT_FALSE(window.TestPower->isChecked());
                    EXPECT_TRUE(window.TestPower->isEnabled());
                    EXPECT_FALSE(window.Timer1->isActive()) << "no test left for the time-out";
                    window.Finish->click();
                }
                EXPECT_FALSE(window.isVisible()) << "Finish closes the window";
            });
            EXPECT_EQ(describe(TxFramesSince(frames)), once);
            EXPECT_FALSE(form->VellModem1->PortOpen());
            EXPECT_FALSE(form->Busy());
            EXPECT_EQ(prompt.Texts(), QStringList{Warning});
        }
    }
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
