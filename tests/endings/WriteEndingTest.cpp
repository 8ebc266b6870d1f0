// The desktop's signals during a Write: the write runs to its end, its check
// word repaired, and only then does the program end; the modem holds what a
// write left alone holds.
#include "EndingSupport.h"
#include "ToolProbeRun.h"

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

class WriteSignalTest : public ::testing::TestWithParam<EndingSignal> {};

TEST_P(WriteSignalTest, TheWriteCompletesBeforeTheProgramEnds)
{
    const SimProfile clean = cleanWrite();
    ASSERT_EQ(storedCheckWord(clean), SimProfile::CheckWordOf(clean.Memory));

    ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
    ASSERT_FALSE(run.Device().isEmpty());
    SignalSender sender(GetParam().number);
    // Once the first location of the modem has been written.
    auto writing = [&] { return !LinesStarting(run.Log(), QStringLiteral("WN")).isEmpty(); };
    ASSERT_TRUE(run.Probe(EditAndWrite + QStringList{"wait", "30"}, QString(), {sender.At("PTTTime=", writing)}));
    ASSERT_TRUE(sender.Sent());
    EXPECT_LT(sender.SinceSent(), 10000);
    EXPECT_EQ(run.ExitCode(), 128 + GetParam().number) << run.Err().toStdString();

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

INSTANTIATE_TEST_SUITE_P(EachSignal, WriteSignalTest, ::testing::ValuesIn(EndingSignals), SignalName);

}  // namespace
