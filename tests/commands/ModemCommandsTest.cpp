#include "ModemFixture.h"
#include "ModemSetting.h"
#include "ScriptedPort.h"

#include <gtest/gtest.h>

namespace {

class ModemCommandsTest : public ModemFixture {
protected:
    void SetUp() override { EnterCommandMode(); }

    // Sets the synthesiser registers for a channel count 128 N + A on a raster.
    void SetSynth(int r, int n, int a)
    {
        SetWord(0xE2, r);
        SetByte(0xE4, 2 * a);
        SetWord(0xE5, 16 * n);
    }
};

TEST_F(ModemCommandsTest, FirmwareAndProbe)
{
    SetFirmware("2.3.1");
    EXPECT_EQ(commands.ReadModemFirmware(port), "2.3.1");
    EXPECT_TRUE(commands.ProbeModemVersion(port));
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(ModemCommandsTest, AProbeOfASilentModemFailsQuietly)
{
    modem.Profile().Faults.Silent = true;
    const int64_t start = clock.NowMs();
    EXPECT_FALSE(commands.ProbeModemVersion(port));
    EXPECT_LE(clock.NowMs() - start, 1100);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(ModemCommandsTest, ProductVersion)
{
    SetProductVersion("3.0;3.4");
    EXPECT_EQ(commands.ReadModemProductVersion(port), "3.0;3.4");
    EXPECT_EQ(comm.ModemErrorCode, 0);
}

TEST_F(ModemCommandsTest, TypeIsTakenAsStoredFromFirmware3)
{
    SetFirmware("3.0.2");
    SetByte(0x85, 0);
    const size_t before = Commands().size();
    EXPECT_EQ(commands.ReadModemType(port), 0);
    EXPECT_EQ(comm.ModemErrorCode, 0);
    for (const std::string& c : CommandsSince(before)) EXPECT_NE(c.substr(0, 2), "WN") << c;
}

TEST_F(ModemCommandsTest, OldFirmwareDerivesTheTypeFromTheSynthesiser)
{
    const struct {
        int stored;
        int n, a;  // on a 12.5 kHz raster
        int type;
        int code;
    } cases[] = {
        {0, 505, 1, 6, 0},    // 808.0125 MHz
        {0, 503, 96, 6, 0},   // 806.0 MHz, the lower bound
        {0, 506, 32, 6, 0},   // 810.0 MHz, the upper bound
        {0, 608, 0, 7, 0},    // 972.8 MHz
        {0, 506, 112, 0, 7},  // 811.0 MHz
        {7, 505, 1, 7, 0},    // a stored built-in type is kept
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "n " << c.n << " a " << c.a);
        SetFirmware("2.3.1");
        SetByte(0x85, c.stored);
        SetSynth(960, c.n, c.a);
        EXPECT_EQ(commands.ReadModemType(port), c.type);
        EXPECT_EQ(comm.ModemErrorCode, c.code);
        EXPECT_EQ(Byte(0x85), c.type == 0 ? c.stored : c.type);
        if (c.stored == 0 && c.type != 0) {
            EXPECT_EQ((Byte(0xFD) << 8) | Byte(0xFE), modem.CorrectCheckWord()) << "the check word follows the type";
        }
    }
}

TEST_F(ModemCommandsTest, SynthesiserFrequency)
{
    SetSynth(960, 505, 1);
    EXPECT_DOUBLE_EQ(commands.ReadSynthFrequency(port), 808.0125);
    SetSynth(480, 200, 64);
    EXPECT_DOUBLE_EQ(commands.ReadSynthFrequency(port), 25000.0 * (128 * 200 + 64) / 1e6);
}

TEST_F(ModemCommandsTest, SetSynthFrequencySendsTheRegistersThenAAndNWithoutLeadingZeros)
{
    modem.SetMemory(0xE0, {0x12, 0x34, 0x03, 0xC0});  // the last two bytes are R, 960
    const size_t before = Commands().size();
    commands.SetSynthFrequency(12500.0 * (128 * 300 + 5) / 1e6, port);  // A 5, N 300
    const auto sent = CommandsSince(before);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), "SF123403C0512C");
}

TEST_F(ModemCommandsTest, CheckWordIsLeftAloneWhenConsistentAndRepairedOtherwise)
{
    size_t before = Commands().size();
    commands.CheckModemCrc(port);
    EXPECT_EQ(comm.ModemErrorCode, 0);
    EXPECT_EQ(CommandsSince(before), std::vector<std::string>{"CR"});

    SetByte(0xF6, Byte(0xF6) ^ 0x5A);  // the memory changes, the check word does not
    before = Commands().size();
    commands.CheckModemCrc(port);
    EXPECT_EQ(comm.ModemErrorCode, 0);
    const auto sent = CommandsSince(before);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0], "CR");
    EXPECT_EQ(sent[1].substr(0, 5), "WN1FD");
    EXPECT_EQ(sent[2], "CR");
    EXPECT_EQ((Byte(0xFD) << 8) | Byte(0xFE), modem.CorrectCheckWord());
}

TEST(CheckWordReplies, ARepairThatDoesNotTakeOrABadReplySetsCode4)
{
    FakeClock clock;
    ScriptedPrompt prompt;
    RecordingProgressView progress;
    LibraryContext context{clock, prompt, progress};
    ModemComm comm{context};
    ModemCommands commands{comm};
    ScriptedPort port{clock};
    port.setPortOpen(true);
    port.setInputLen(1);

    port.ReplyOnCr(ScriptedPort::Framed("CR=1234"));
    port.ReplyOnCr(ScriptedPort::Framed("WN"));
    port.ReplyOnCr(ScriptedPort::Framed("CR=1234"));
    commands.CheckModemCrc(port);
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::UnexpectedReply);
    EXPECT_TRUE(port.Sent().contains(ModemComm::AppendModemChecksum("WN1FD1234").toLatin1()));

    port.ReplyOnCr(ScriptedPort::Framed("XX=F0B8"));
    commands.CheckModemCrc(port);
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::UnexpectedReply);

    port.ReplyOnCr(ScriptedPort::Framed("PX:3.0"));
    EXPECT_EQ(commands.ReadModemProductVersion(port), "");
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::UnexpectedReply);

    port.ReplyOnCr(ScriptedPort::Framed("SV:XX3.1"));
    EXPECT_EQ(commands.ReadModemFirmware(port), "");
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::UnexpectedReply);
    EXPECT_EQ(prompt.Texts(), QStringList{"Error Reading the firmware version of modem!"});
    EXPECT_TRUE(prompt.Boxes().front().Title == "Radio Modem");
}

TEST_F(ModemCommandsTest, SignalSamples)
{
    SetRssiSample(0x9C);
    EXPECT_EQ(commands.ReadRssiSample(1, port), 0x9C);
    const size_t before = Commands().size();
    EXPECT_EQ(commands.ReadRssiSample(5, port), 0);
    EXPECT_EQ(commands.ReadRssiSample(-1, port), 0);
    EXPECT_TRUE(CommandsSince(before).empty());
}

TEST_F(ModemCommandsTest, AveragesTwentySamplesWithTheSignalScale)
{
    const struct {
        int sample;
        int fa, f3;
        int a, b;
    } cases[] = {
        {175, 0x00, 0x00, -64, -60},
        {175, 0x01, 0xFF, -64, -60},   // calibration byte 255 means none
        {175, 0x00, 0x64, -64, -60},   // calibration only counts when 0xFA says so
        {100, 0x01, 0x64, -64, -60},   // 100 / 100 * 74
        {0, 0x00, 0x00, -138, -134},
        {255, 0x00, 0x00, -30, -26},   // 255 / 175 * 74 = 107.8
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "sample " << c.sample << " FA " << c.fa << " F3 " << c.f3);
        SetRssiSample(c.sample);
        SetByte(0xFA, c.fa);
        SetByte(0xF3, c.f3);
        EXPECT_EQ(commands.AverageRssiA(port), c.a);
        EXPECT_EQ(commands.AverageRssiB(port), c.b);
    }
}

TEST_F(ModemCommandsTest, AveragingMovesTheBarByFivePercentAndHidesIt)
{
    progress.Show();
    commands.AverageRssiA(port);
    QList<int> expected;
    for (int i = 1; i <= 20; ++i) expected << i * 5;
    EXPECT_EQ(progress.Values(), expected);
    EXPECT_FALSE(progress.Shown());
}

}  // namespace
