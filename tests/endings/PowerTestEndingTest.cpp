// The program ended from outside while the power test has the transmitter keyed:
// by the desktop's signals, by the X server going away, and suspended by Ctrl+Z.
// However it ends, the simulated modem's log ends with the power set to 0 and the
// transmitter switched off, as the window's Finish leaves it.
#include "EndingSupport.h"
#include "ToolProbeRun.h"

#include <QThread>

#include <csignal>
#include <sys/resource.h>

namespace {

// The test is running once the window has been shown after the start.
const QStringList KeyedTest = {"read", "click", "WriteTxOn", "click", "PowAdjust", "click", "TestPower", "show",
                               "AdjPower"};
const QString Keyed = QStringLiteral("AdjPower=");
// Opened at 1011 mW, the bar stands at 144: 1008 mW.
const QStringList TestedAndReleased = {"tune", QStringLiteral("power %1").arg(LumbrelPowerByte(1008)), "power 0",
                                       "off"};

// The power test's steps among the transmit radio's frames.
QString powerSteps(const ToolProbeRun& run)
{
    QStringList steps;
    for (const QString& step : PowerSteps(run.TxFrames()))
        if (!step.startsWith(QLatin1String("frame"))) steps << step;
    return steps.join(QStringLiteral(", "));
}

// The last two frames to the transmitter: its power 0, then the closing frame.
void expectReleasedLast(const ToolProbeRun& run)
{
    const QStringList frames = LinesStarting(run.Log(), QStringLiteral("radio.tx "));
    ASSERT_GE(frames.size(), 2);
    EXPECT_EQ(frames[frames.size() - 2].toStdString(), "radio.tx 09 03 00");
    EXPECT_TRUE(frames.last().startsWith(QLatin1String("radio.tx 03 20 6A"))) << frames.last().toStdString();
}

// Waits, up to ms from the timer's start, for the log to end with the release.
bool releasedWithin(const ToolProbeRun& run, const QElapsedTimer& since, int ms)
{
    for (;;) {
        const QStringList frames = LinesStarting(run.Log(), QStringLiteral("radio.tx "));
        if (frames.size() >= 2 && frames[frames.size() - 2] == QLatin1String("radio.tx 09 03 00") &&
            frames.last().startsWith(QLatin1String("radio.tx 03 20 6A")))
            return true;
        if (since.elapsed() > ms) return false;
        QThread::msleep(20);
    }
}

// Long enough for a transmitter guard left behind to have sent its frames.
void letGuardsAct() { QThread::msleep(1500); }

class PowerTestSignalTest : public ::testing::TestWithParam<EndingSignal> {};

TEST_P(PowerTestSignalTest, TheTestStopsAsFinishStopsItAndTheProgramEnds)
{
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    SignalSender sender(GetParam().number);
    // Left alone, the steps would run on for half a minute.
    ASSERT_TRUE(run.Probe(KeyedTest + QStringList{"wait", "30", "click", "Finish"}, QString(), {sender.At(Keyed)}));
    ASSERT_TRUE(sender.Sent());
    EXPECT_LT(sender.SinceSent(), 6000) << "ended within a few seconds";
    EXPECT_EQ(run.ExitCode(), 128 + GetParam().number) << run.Err().toStdString();
    letGuardsAct();
    EXPECT_EQ(powerSteps(run).toStdString(), TestedAndReleased.join(", ").toStdString()) << "released once";
    expectReleasedLast(run);
    // The quit's settings are written, the port among them.
    EXPECT_EQ(run.Harness().Setting(QStringLiteral("StartUp/CommPort")), "1");
    EXPECT_TRUE(run.ErrLines("CLOSED").contains("CLOSED AdjPower"));
}

INSTANTIATE_TEST_SUITE_P(EachSignal, PowerTestSignalTest, ::testing::ValuesIn(EndingSignals), SignalName);

// Deaths that no handler of the program sees: the guard process releases the
// transmitter once the program is gone.
const EndingSignal Deaths[] = {{"SIGKILL", SIGKILL}, {"SIGSEGV", SIGSEGV}, {"SIGABRT", SIGABRT}, {"SIGBUS", SIGBUS}};

class PowerTestDeathTest : public ::testing::TestWithParam<EndingSignal> {
protected:
    // A crash writes no core file into the test's folder.
    void SetUp() override
    {
        rlimit none{0, 0};
        ::getrlimit(RLIMIT_CORE, &before_);
        ::setrlimit(RLIMIT_CORE, &none);
    }
    void TearDown() override { ::setrlimit(RLIMIT_CORE, &before_); }

private:
    rlimit before_{};
};

TEST_P(PowerTestDeathTest, TheGuardReleasesTheTransmitterWithinTwoSeconds)
{
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    SignalSender death(GetParam().number);
    QElapsedTimer sinceDeath;
    ProgramProbe::Trigger kill = death.At(Keyed);
    const auto send = kill.action;
    kill.action = [&](qint64 pid) {
        // Nothing reaches the radio in the last moments but the test's own frames.
        QThread::msleep(300);
        sinceDeath.start();
        send(pid);
    };
    ASSERT_TRUE(run.Probe(KeyedTest + QStringList{"wait", "30", "click", "Finish"}, QString(), {kill}));
    ASSERT_TRUE(death.Sent());
    EXPECT_NE(run.ExitCode(), 0);
    EXPECT_TRUE(releasedWithin(run, sinceDeath, 2000)) << run.Log().join('\n').toStdString();
    letGuardsAct();
    EXPECT_EQ(powerSteps(run).toStdString(), TestedAndReleased.join(", ").toStdString());
}

INSTANTIATE_TEST_SUITE_P(EachDeath, PowerTestDeathTest, ::testing::ValuesIn(Deaths), SignalName);

// The window's own ways out send the release once: the guard stands down.
TEST(PowerTestGuardStandsDown, FinishAndTheTimerReleaseOnce)
{
    for (const QStringList& end : {QStringList{"click", "Finish"}, QStringList{"wait", "11", "click", "Finish"}}) {
        SCOPED_TRACE(end.join(' ').toStdString());
        ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
        ASSERT_FALSE(run.Device().isEmpty());
        ASSERT_TRUE(run.Probe(KeyedTest + end + QStringList{"wait", "1"}));
        EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
        letGuardsAct();
        EXPECT_EQ(powerSteps(run).toStdString(), TestedAndReleased.join(", ").toStdString());
    }
}

TEST(PowerTestDisplayGone, TheTestStopsBeforeTheProgramEnds)
{
    VirtualDisplay display;
    ASSERT_FALSE(display.Name().isEmpty()) << "Xvfb did not start";
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    display.Serve(run.Harness());
    QElapsedTimer sinceGone;
    const ProgramProbe::Trigger endDisplay{Keyed, [&](qint64) {
                                               sinceGone.start();
                                               display.End();
                                           }};
    ASSERT_TRUE(run.Probe(KeyedTest + QStringList{"wait", "30", "click", "Finish"}, QString(), {endDisplay}));
    ASSERT_TRUE(sinceGone.isValid());
    EXPECT_LT(sinceGone.elapsed(), 6000) << "ended within a few seconds";
    EXPECT_TRUE(run.Err().contains("The X11 connection broke")) << run.Err().toStdString();
    EXPECT_EQ(powerSteps(run).toStdString(), TestedAndReleased.join(", ").toStdString());
    expectReleasedLast(run);
}

// Ctrl+Z: the transmitter is released, then the program stops; continued, it
// goes on where it was, with the test off.
TEST(PowerTestSuspended, TheTestStopsBeforeTheProgramStops)
{
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    QString state;
    QString whileStopped;
    QString stillStopped;
    const ProgramProbe::Trigger suspend{Keyed, [&](qint64 pid) {
                                            ::kill(pid_t(pid), SIGTSTP);
                                            QElapsedTimer timer;
                                            timer.start();
                                            while ((state = ProcessState(pid)) != QLatin1String("T") &&
                                                   timer.elapsed() < 10000)
                                                QThread::msleep(20);
                                            whileStopped = powerSteps(run);
                                            QThread::msleep(1500);
                                            stillStopped = powerSteps(run);
                                            ::kill(pid_t(pid), SIGCONT);
                                        }};
    ASSERT_TRUE(run.Probe(KeyedTest + QStringList{"wait", "2", "show", "AdjPower", "click", "Finish"}, QString(),
                          {suspend}));
    EXPECT_EQ(state, "T") << "the program stopped";
    EXPECT_EQ(whileStopped.toStdString(), TestedAndReleased.join(", ").toStdString());
    EXPECT_EQ(stillStopped, whileStopped) << "nothing reaches the modem while stopped";
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    EXPECT_EQ(run.Result().Shown(QStringLiteral("AdjPower"), 1).Value(QStringLiteral("TestPower.Value")), "False");
    EXPECT_EQ(powerSteps(run).toStdString(), TestedAndReleased.join(", ").toStdString());
}

// Outside the power test Ctrl+Z stops the program at once, as by default, also
// while it talks to the modem.
struct Outside {
    const char* name;
    QStringList steps;
    QString marker;
};
void PrintTo(const Outside& c, std::ostream* out) { *out << c.name; }

class SuspendOutsideTest : public ::testing::TestWithParam<Outside> {};

TEST_P(SuspendOutsideTest, TheProgramStopsAtOnce)
{
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    qint64 stoppedAfter = -1;
    const ProgramProbe::Trigger suspend{GetParam().marker, [&](qint64 pid) {
                                            QElapsedTimer timer;
                                            timer.start();
                                            ::kill(pid_t(pid), SIGTSTP);
                                            while (ProcessState(pid) != QLatin1String("T") && timer.elapsed() < 10000)
                                                QThread::msleep(5);
                                            stoppedAfter = timer.elapsed();
                                            ::kill(pid_t(pid), SIGCONT);
                                        }};
    ASSERT_TRUE(run.Probe(GetParam().steps, QString(), {suspend}));
    EXPECT_GE(stoppedAfter, 0);
    EXPECT_LT(stoppedAfter, 300);
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
}

const Outside outside[] = {
    {"Idle", {"show", "MainForm", "wait", "2", "dump"}, QStringLiteral("MainForm=")},
    {"Reading", {"show", "MainForm", "read", "dump"}, QStringLiteral("MainForm=")},
};

INSTANTIATE_TEST_SUITE_P(Ways, SuspendOutsideTest, ::testing::ValuesIn(outside),
                         [](const ::testing::TestParamInfo<Outside>& info) { return std::string(info.param.name); });

}  // namespace
