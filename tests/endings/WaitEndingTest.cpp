// The desktop's signals while the control's wait window waits for a modem
// that is switched off: the window is answered as its Cancel, the read gives
// up, and the program ends within seconds.
#include "EndingSupport.h"
#include "ToolProbeRun.h"

namespace {

class WaitWindowSignalTest : public ::testing::TestWithParam<EndingSignal> {};

TEST_P(WaitWindowSignalTest, TheWaitIsCancelledAndTheProgramEnds)
{
    ToolProbeRun run(QStringLiteral("starts-off"));
    ASSERT_FALSE(run.Device().isEmpty());
    SignalSender sender(GetParam().number);
    // Left alone, the window would wait a minute for the modem.
    ASSERT_TRUE(run.Probe({"read", "dump"}, QString(), {sender.At(QStringLiteral("WAITWINDOW"))}));
    ASSERT_TRUE(sender.Sent());
    EXPECT_LT(sender.SinceSent(), 8000) << "ended within a few seconds";
    EXPECT_EQ(run.ExitCode(), 128 + GetParam().number) << run.Err().toStdString();
    EXPECT_FALSE(run.Result().Printed(QStringLiteral("ModemType"))) << "the steps left are dropped";
    EXPECT_EQ(run.Harness().Setting(QStringLiteral("StartUp/CommPort")), "1");
}

INSTANTIATE_TEST_SUITE_P(EachSignal, WaitWindowSignalTest, ::testing::ValuesIn(EndingSignals), SignalName);

}  // namespace
