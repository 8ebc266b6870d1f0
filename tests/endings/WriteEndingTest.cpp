// The desktop's signals during a Write: the write runs to its end, its check
// word repaired, and only then does the program end; the modem holds what a
// write left alone holds.
#include "EndingSupport.h"
#include "ToolProbeRun.h"

#include <QFile>
#include <QThread>

#include <csignal>
#include <optional>

namespace {

// An edit that changes the modem's own memory, and so its check word.
const QStringList EditAndWrite = {"read", "type", "PTTTime", "20", "show", "PTTTime", "write"};

SimProfile cleanWrite()
{
    static std::optional<SimProfile> written;
    if (!written) {
        ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
        EXPECT_TRUE(run.Probe(EditAndWrite));
        EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
        written = run.Stop();
    }
    return *written;
}

uint16_t storedCheckWord(const SimProfile& modem) { return uint16_t(modem.Memory[0xFD] << 8 | modem.Memory[0xFE]); }

// Once the first location of the modem has been written.
std::function<bool()> writing(const ToolProbeRun& run)
{
    return [&run] { return !LinesStarting(run.Log(), QStringLiteral("WN")).isEmpty(); };
}

// The modem holds what a clean write leaves, its check word repaired.
void expectWrittenWhole(ToolProbeRun& run)
{
    const SimProfile clean = cleanWrite();
    const QStringList log = run.Log();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.last().toStdString(), "CR") << "the configuration checked last";
    const SimProfile after = run.Stop();
    EXPECT_EQ(storedCheckWord(after), SimProfile::CheckWordOf(after.Memory));
    EXPECT_EQ(storedCheckWord(after), storedCheckWord(clean));
    EXPECT_TRUE(after.Memory == clean.Memory);
    EXPECT_TRUE(after.TxRadio.Memory == clean.TxRadio.Memory);
    EXPECT_TRUE(after.RxRadio.Memory == clean.RxRadio.Memory);
}

// The boxes of a start, with nothing else done, that tell of an unfinished write.
QStringList unfinishedBoxes(ToolProbeRun& run)
{
    EXPECT_TRUE(run.Probe({"wait", "1", "read"}));
    QStringList told;
    for (const QString& box : run.ErrLines("MSGBOX"))
        if (box.contains(QLatin1String("did not finish"))) told << box;
    return told;
}

QString recordOf(ToolProbeRun& run)
{
    return run.Harness().ConfigHome() + QStringLiteral("/state/ZenvoProgrammer/UnfinishedWrites");
}

class WriteSignalTest : public ::testing::TestWithParam<EndingSignal> {};

TEST_P(WriteSignalTest, TheWriteCompletesBeforeTheProgramEnds)
{
    const SimProfile clean = cleanWrite();
    ASSERT_EQ(storedCheckWord(clean), SimProfile::CheckWordOf(clean.Memory));

    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    SignalSender sender(GetParam().number);
    ASSERT_TRUE(run.Probe(EditAndWrite + QStringList{"wait", "30"}, QString(), {sender.At("PTTTime=", writing(run))}));
    ASSERT_TRUE(sender.Sent());
    EXPECT_LT(sender.SinceSent(), 10000);
    EXPECT_EQ(run.ExitCode(), 128 + GetParam().number) << run.Err().toStdString();
    expectWrittenWhole(run);
}

INSTANTIATE_TEST_SUITE_P(EachSignal, WriteSignalTest, ::testing::ValuesIn(EndingSignals), SignalName);

// The X server gone mid-write: Qt ends the program from inside the write's
// waits, and the write is made whole before the process goes.
TEST(WriteDisplayGone, TheWriteCompletesBeforeTheProgramEnds)
{
    VirtualDisplay display;
    ASSERT_FALSE(display.Name().isEmpty()) << "Xvfb did not start";
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    display.Serve(run.Harness());
    const ProgramProbe::Trigger endDisplay{QStringLiteral("PTTTime="), [&](qint64) { display.End(); }, 1,
                                           writing(run)};
    ASSERT_TRUE(run.Probe(EditAndWrite + QStringList{"wait", "30"}, QString(), {endDisplay}));
    EXPECT_TRUE(run.Err().contains("The X11 connection broke")) << run.Err().toStdString();
    EXPECT_FALSE(QFile::exists(recordOf(run))) << "the write finished";
    expectWrittenWhole(run);
}

// What no process can finish is told at the next start, once; a write that
// finished leaves nothing to tell.
TEST(WriteKilled, TheNextStartTellsTheWriteDidNotFinish)
{
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    const ProgramProbe::Trigger kill{QStringLiteral("PTTTime="), [](qint64 pid) { ::kill(pid_t(pid), SIGKILL); }, 1,
                                     writing(run)};
    ASSERT_TRUE(run.Probe(EditAndWrite + QStringList{"wait", "30"}, QString(), {kill}));
    EXPECT_NE(run.Log().last(), QLatin1String("CR")) << "killed before the end";
    ASSERT_TRUE(QFile::exists(recordOf(run)));

    const QStringList told = unfinishedBoxes(run);
    ASSERT_EQ(told.size(), 1) << run.Err().toStdString();
    EXPECT_EQ(told[0].toStdString(),
              QStringLiteral("MSGBOX title=Halvex Programmer text=The last write to the modem on %1 did not finish. The "
                             "modem may hold part of the new configuration: write it again before you use it.")
                  .arg(run.Device())
                  .toStdString());
    EXPECT_EQ(unfinishedBoxes(run).size(), 1) << "told at every start until a write finishes";
}

TEST(WriteCompleted, LeavesNothingToTell)
{
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    ASSERT_TRUE(run.Probe(EditAndWrite));
    EXPECT_EQ(run.Log().last(), QLatin1String("CR")) << run.Err().toStdString();
    EXPECT_FALSE(QFile::exists(recordOf(run)));
    EXPECT_TRUE(unfinishedBoxes(run).isEmpty()) << run.Err().toStdString();
}

// A second ending signal does not wait for the write: the program ends at once
// and the next start tells of the write it cut short.
TEST(WriteSecondSignal, EndsTheProgramAtOnce)
{
    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    QElapsedTimer sinceSecond;
    const ProgramProbe::Trigger twice{QStringLiteral("PTTTime="),
                                      [&](qint64 pid) {
                                          ::kill(pid_t(pid), SIGTERM);
                                          QThread::msleep(300);
                                          sinceSecond.start();
                                          ::kill(pid_t(pid), SIGTERM);
                                      },
                                      1, writing(run)};
    ASSERT_TRUE(run.Probe(EditAndWrite + QStringList{"wait", "30"}, QString(), {twice}));
    ASSERT_TRUE(sinceSecond.isValid());
    EXPECT_LT(sinceSecond.elapsed(), 1500);
    EXPECT_EQ(run.ExitCode(), 128 + SIGTERM) << run.Err().toStdString();
    EXPECT_NE(run.Log().last(), QLatin1String("CR"));
    EXPECT_EQ(unfinishedBoxes(run).size(), 1);
}

}  // namespace
