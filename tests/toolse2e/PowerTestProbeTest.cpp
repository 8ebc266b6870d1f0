// The transmitter power test driven through programprobe against modemsim: the
// simulated modem's log shows the transmitter tuned, keyed at the bar's power and
// then released, once, whichever way the test ends, also when the radio falls
// silent mid-test; the bar, the milliwatts and the bytes in the modem agree.
#include "ToolProbeRun.h"
#include "ReplyCount.h"

#include <QThread>
#include <gtest/gtest.h>

namespace {

const QStringList OpenPower = {"read", "click", "WriteTxOn", "click", "PowAdjust"};

// The power test's steps among the transmit radio's frames.
QStringList testSteps(const ToolProbeRun& run)
{
    QStringList steps;
    for (const QString& step : PowerSteps(run.TxFrames()))
        if (!step.startsWith(QLatin1String("frame"))) steps << step;
    return steps;
}

struct Way {
    const char* name;
    QStringList steps;  // from the open power window on, leaving it closed
    bool warned;        // OK in the warning: the transmitter was keyed
};

void PrintTo(const Way& way, std::ostream* out) { *out << way.name; }

class PowerTestProbeTest : public ::testing::TestWithParam<Way> {};

TEST_P(PowerTestProbeTest, TheTransmitterIsReleasedOnceWhateverEndsTheTest)
{
    const Way& way = GetParam();
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    ASSERT_TRUE(run.Probe(OpenPower + way.steps + QStringList{"write", "dump"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    EXPECT_TRUE(run.ErrLines("WINDOW").contains("WINDOW AdjPower"));
    EXPECT_TRUE(run.ErrLines("CLOSED").contains("CLOSED AdjPower"));

    const QStringList boxes = run.ErrLines("MSGBOX");
    ASSERT_FALSE(boxes.isEmpty());
    EXPECT_TRUE(boxes[0].startsWith("MSGBOX title=Warning text=THE RADIO'S TRANSMITTER IS ABOUT TO BE ENERGISED.\\n"))
        << boxes[0].toStdString();
    for (const QString& box : boxes.mid(1)) {
        EXPECT_FALSE(box.contains("Error Occured")) << box.toStdString();
        EXPECT_FALSE(box.contains("did not end cleanly")) << box.toStdString();
    }

    // Opened at 1011 mW, the bar stands at 144 (1008 mW); moved to 300: 2100 mW.
    const QStringList expected =
        way.warned ? QStringList{"tune", QStringLiteral("power %1").arg(LumbrelPowerByte(1008)),
                                 QStringLiteral("power %1").arg(LumbrelPowerByte(2100)), "power 0", "off"}
                   : QStringList{"power 0", "off"};
    EXPECT_EQ(testSteps(run).join(", ").toStdString(), expected.join(", ").toStdString());

    const int milliwatts = way.warned ? 2100 : 1008;
    EXPECT_EQ(run.Value("TXRadio.txpower"), QString::number(milliwatts));
    const SimProfile after = run.Stop();
    EXPECT_EQ(after.TxRadio.Memory[0x4E], LumbrelPowerByte(milliwatts)) << "the power written with the configuration";
}

const Way ways[] = {
    {"Finish", {"click", "TestPower", "move", "Power", "300", "click", "Finish"}, true},
    {"Escape", {"click", "TestPower", "move", "Power", "300", "key", "Escape"}, true},
    {"CloseBox", {"click", "TestPower", "move", "Power", "300", "close", "AdjPower"}, true},
    {"TenSeconds", {"click", "TestPower", "move", "Power", "300", "wait", "11", "click", "Finish"}, true},
    {"Released", {"click", "TestPower", "move", "Power", "300", "click", "TestPower", "click", "Finish"}, true},
    {"WarningCancelled", {"answer", "Cancel", "click", "TestPower", "click", "Finish"}, false},
};

INSTANTIATE_TEST_SUITE_P(EveryWayOut, PowerTestProbeTest, ::testing::ValuesIn(ways),
                         [](const ::testing::TestParamInfo<Way>& info) { return std::string(info.param.name); });

// Clicks that land while the test is starting or stopping (the control lets
// window events through while it waits on the modem) neither stop, restart nor
// re-enter it: the transmitter is keyed once and released once, the button shows
// what the transmitter does, Finish closes the window and the port is let go.
// The start takes some 2.5 s and the stop some 1.5 s: the clicks land early,
// midway and late in them.
struct Overlap {
    const char* name;
    QStringList steps;  // from the open power window on, the test left running (or stopped)
    bool running;       // the test still on once the clicks have landed
};

void PrintTo(const Overlap& overlap, std::ostream* out) { *out << overlap.name; }

class PowerTestOverlapTest : public ::testing::TestWithParam<Overlap> {};

TEST_P(PowerTestOverlapTest, AClickWhileTheTestStartsOrStopsIsNotTaken)
{
    const Overlap& overlap = GetParam();
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    QStringList held;
    bool checked = false;
    const ProgramProbe::Trigger closed{QStringLiteral("CLOSED AdjPower"), [&](qint64 pid) {
                                           checked = true;
                                           for (const QString& file : ProgramProbe::OpenFiles(pid))
                                               if (file == run.Device()) held << file;
                                       }};
    ASSERT_TRUE(run.Probe(OpenPower + overlap.steps + QStringList{"wait", "2", "show", "AdjPower", "click", "Finish",
                                                                  "wait", "1"},
                          QString(), {closed}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();

    const ProgramProbe::Result shown = run.Result().Shown(QStringLiteral("AdjPower"));
    EXPECT_EQ(shown.Value("TestPower.Value"), overlap.running ? "True" : "False");
    EXPECT_FALSE(shown.Printed("TestPower.Enabled")) << "the button back once the step is done";
    EXPECT_TRUE(run.ErrLines("CLOSED").contains("CLOSED AdjPower")) << run.Err().toStdString();
    EXPECT_TRUE(checked);
    EXPECT_EQ(held.join(' ').toStdString(), "") << "the port closed with the window";

    EXPECT_EQ(testSteps(run).join(", ").toStdString(),
              QStringList({"tune", QStringLiteral("power %1").arg(LumbrelPowerByte(1008)), "power 0", "off"})
                  .join(", ")
                  .toStdString());
    // Nothing reaches the transmitter after it is switched off.
    const QStringList frames = PowerSteps(run.TxFrames());
    ASSERT_GE(frames.size(), 2);
    EXPECT_EQ(frames.mid(frames.size() - 2).join(", ").toStdString(), "power 0, off");
    const QStringList boxes = run.ErrLines("MSGBOX");
    ASSERT_EQ(boxes.size(), 1) << run.Err().toStdString();
    EXPECT_TRUE(boxes[0].startsWith("MSGBOX title=Warning text=THE RADIO'S"));
}

const Overlap overlaps[] = {
    {"SecondClickEarlyInTheStart", {"after", "150", "TestPower", "click", "TestPower"}, true},
    {"SecondClickMidwayInTheStart", {"after", "900", "TestPower", "click", "TestPower"}, true},
    {"SecondClickLateInTheStart", {"after", "1800", "TestPower", "click", "TestPower"}, true},
    {"SecondAndThirdClickInTheStart",
     {"after", "150", "TestPower", "after", "1200", "TestPower", "click", "TestPower"}, true},
    {"FinishInTheStart", {"after", "600", "Finish", "click", "TestPower"}, true},
    {"SecondClickEarlyInTheStop", {"click", "TestPower", "after", "100", "TestPower", "click", "TestPower"}, false},
    {"SecondClickLateInTheStop", {"click", "TestPower", "after", "900", "TestPower", "click", "TestPower"}, false},
    {"SecondAndThirdClickInTheStop",
     {"click", "TestPower", "after", "100", "TestPower", "after", "700", "TestPower", "click", "TestPower"}, false},
};

INSTANTIATE_TEST_SUITE_P(WhileAStepRuns, PowerTestOverlapTest, ::testing::ValuesIn(overlaps),
                         [](const ::testing::TestParamInfo<Overlap>& info) { return std::string(info.param.name); });

// A power below the radio's range: once the window has gone, the main window's
// check corrects it, before the next step looks.
TEST(PowerWindowProbe, ThePowerIsCheckedOnceTheWindowHasGone)
{
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_TRUE(run.Probe(OpenPower + QStringList{"move", "Power", "1", "click", "Finish", "dump"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    EXPECT_EQ(run.ErrLines("MSGBOX").join('\n').toStdString(),
              "MSGBOX title=Error, Invalid setting! text=ERROR - Tx Power Level.\\r\\rThe Tx Power Range is 100mW to "
              "7000mW\\r\\rTx power is currently set to 7mW");
    EXPECT_EQ(run.Value("TXRadio.txpower"), "1000");
}

// The radio falls silent right after the test's first power setting: the next
// move fails, and every stop step still goes out, once, and the user is told.
TEST(PowerTestLinkFault, EveryStopStepGoesOutAndTheUserIsTold)
{
    ReplyCount count("lumbrel-fdx");
    count.Read();
    double freq = count.setting.TXRadio.TXFreq;
    bool select = true;
    ASSERT_NE(count.control.WriteTXFreq(freq, select), 0);
    bool on = true;
    count.control.TestPowerMode(on);
    int16_t power = 1008;
    count.control.WritePower(power);
    const int silentAfter = count.RadioBytes();

    ToolProbeRun run(QStringLiteral("lumbrel-fdx"),
                 {QStringLiteral("--fault"), QStringLiteral("radio_silence_after=%1").arg(silentAfter)});
    ASSERT_TRUE(run.Probe(OpenPower + QStringList{"click", "TestPower", "move", "Power", "300", "click", "Finish", "dump"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    // A transmitter guard left behind would have sent its frames by now.
    QThread::msleep(1500);
    EXPECT_EQ(testSteps(run).join(", ").toStdString(),
              QStringList({"tune", QStringLiteral("power %1").arg(LumbrelPowerByte(1008)),
                           QStringLiteral("power %1").arg(LumbrelPowerByte(2100)), "power 0", "off"})
                  .join(", ")
                  .toStdString());
    const QStringList boxes = run.ErrLines("MSGBOX");
    ASSERT_EQ(boxes.size(), 3) << run.Err().toStdString();
    EXPECT_TRUE(boxes[0].startsWith("MSGBOX title=Warning text=THE RADIO'S"));
    EXPECT_TRUE(boxes[1].startsWith("MSGBOX title=Error Occured text=")) << boxes[1].toStdString();
    EXPECT_TRUE(boxes[2].startsWith("MSGBOX title=Warning text=The power test did not end cleanly:\\n"))
        << boxes[2].toStdString();
    EXPECT_TRUE(boxes[2].contains("switching the transmitter off: ")) << boxes[2].toStdString();
    EXPECT_TRUE(run.ErrLines("CLOSED").contains("CLOSED AdjPower"));
    EXPECT_EQ(run.Value("TXRadio.txpower"), "2100");
}

}  // namespace

namespace {

// The keyboard user's test: Space on Test keys the transmitter, and the next
// Space releases it while the window stays open.
TEST(PowerTestKeyboard, SpaceReleasesTheTransmitterThatSpaceKeyed)
{
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_TRUE(run.Probe(OpenPower + QStringList{"click", "TestPower", "show", "AdjPower", "key", "Space", "show",
                                                  "AdjPower", "click", "Finish"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    EXPECT_EQ(run.Result().Shown("AdjPower", 0).Value("TestPower.Value"), "True") << run.Out().toStdString();
    EXPECT_EQ(run.Result().Shown("AdjPower", 1).Value("TestPower.Value"), "False") << "Space released Test";
    EXPECT_EQ(testSteps(run).join(", ").toStdString(),
              QStringList({"tune", QStringLiteral("power %1").arg(LumbrelPowerByte(1008)), "power 0", "off"})
                  .join(", ")
                  .toStdString());
    for (const QString& box : run.ErrLines("MSGBOX").mid(1)) EXPECT_FALSE(box.contains("Error")) << box.toStdString();
}

}  // namespace
