// The harness's delayed click: it lands when its time comes, also once the steps
// have run out, and a malformed one is refused.
#include "ToolProbeRun.h"

#include <gtest/gtest.h>

namespace {

TEST(AfterStepProbe, AClickDueWhenTheStepsHaveRunOutStillLands)
{
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_TRUE(run.Probe({"read", "click", "WriteTxOn", "after", "500", "Finish", "click", "PowAdjust"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    EXPECT_EQ(run.ErrLines("WINDOW").join(", ").toStdString(), "WINDOW AdjPower");
    EXPECT_EQ(run.ErrLines("CLOSED").join(", ").toStdString(), "CLOSED AdjPower") << "Finish clicked in the window";
}

TEST(AfterStepProbe, AClickOnAControlThatIsNotThereFailsTheRun)
{
    ToolProbeRun run(QStringLiteral("default"));
    ASSERT_TRUE(run.Probe({"after", "50", "NoSuchButton", "wait", "0.5"}));
    EXPECT_EQ(run.ExitCode(), 2);
    EXPECT_TRUE(run.Err().contains("no such control NoSuchButton")) << run.Err().toStdString();
}

TEST(AfterStepProbe, NeedsMillisecondsAndAName)
{
    for (const QStringList& steps : {QStringList{"after", "soon", "Finish"}, QStringList{"after", "-5", "Finish"},
                                     QStringList{"after", "100"}}) {
        SCOPED_TRACE(steps.join(' ').toStdString());
        ToolProbeRun run(QStringLiteral("default"));
        ASSERT_TRUE(run.Probe(steps));
        EXPECT_EQ(run.ExitCode(), 2);
        EXPECT_TRUE(run.Err().contains("programprobe: after: ")) << run.Err().toStdString();
    }
}

}  // namespace
