#include "ModemSimRun.h"
#include "SimProfile.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

using namespace simtest;

namespace {

// A file in /tmp that goes with the test.
class TempFile {
public:
    explicit TempFile(const std::string& text = {})
    {
        char name[] = "/tmp/modemsimXXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        path_ = name;
        std::ofstream(path_) << text;
    }
    ~TempFile() { std::remove(path_.c_str()); }
    const std::string& Path() const { return path_; }
    std::string Text() const
    {
        std::ifstream in(path_);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::string path_;
};

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Waits for a prompt and gives the access code as the library does.
void enterCommandMode(ModemSimRun& sim)
{
    ASSERT_EQ(sim.ReadUntil('?', 1000), "?");
    sim.Write(AccessCode + "\r\r");
    const std::string answer = sim.ReadUntil('\r', 1000);
    ASSERT_GE(answer.size(), 3u) << answer;
    ASSERT_EQ(answer.substr(answer.size() - 3), "OK\r");
    ASSERT_EQ(answer.find_first_not_of('?'), answer.size() - 3) << "only prompts before the OK";
    sim.ReadFor(50);  // a prompt that crossed the code
}

TEST(ModemSimExecutable, PrintsTheSlavePathAndAnswersAFramedCommand)
{
    TempFile log;
    ModemSimRun sim({"--log", log.Path()});
    ASSERT_EQ(sim.Path().rfind("/dev/pts/", 0), 0u) << sim.Path();
    ASSERT_TRUE(sim.Open());
    enterCommandMode(sim);
    sim.Write(Frame("SV"));
    EXPECT_EQ(sim.ReadUntil('\r', 1000), "SV:VA3.104\r");
    sim.Write(Frame("RN1E202"));
    EXPECT_EQ(sim.ReadUntil('\r', 1000), Reply("RN:E2,03,C0"));
    EXPECT_EQ(log.Text(), "SV\nRN1E202\n") << "flushed at once, while the simulator runs";
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(ModemSimExecutable, TheRateSetOnTheSlaveTellsTheModemLinkFromTheRadioLink)
{
    ModemSimRun sim;
    ASSERT_TRUE(sim.Open());
    enterCommandMode(sim);
    sim.SetBaud(1200);
    sim.Write(Frame("SV"));
    EXPECT_EQ(sim.ReadFor(300), "");
    sim.SetBaud(9600);
    sim.Write(Frame("SV"));
    EXPECT_EQ(sim.ReadUntil('\r', 1000), Reply("SV:VA3.1"));
}

TEST(ModemSimExecutable, WhatTheModemSendsWhileTheSlaveIsClosedIsDropped)
{
    TempFile profile("prompt_interval_ms = 40\n");
    ModemSimRun sim({profile.Path()});
    sleepMs(400);  // before any host: about ten prompts into the void
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(sim.Open());
        const std::string got = sim.ReadFor(100);
        // Held prompts would arrive as a burst of ten; a live line gives two or three.
        EXPECT_GE(got.size(), 1u);
        EXPECT_LE(got.size(), 4u) << got;
        EXPECT_EQ(got.find_first_not_of('?'), std::string::npos);
        sim.Close();
        sleepMs(400);
    }
}

TEST(ModemSimExecutable, AReplyLeftUnreadAtCloseDoesNotReachTheNextHost)
{
    ModemSimRun sim;
    ASSERT_TRUE(sim.Open());
    enterCommandMode(sim);
    sim.Write(Frame("SV"));
    sleepMs(100);  // the reply is in the slave's buffer, unread
    sim.Close();
    sleepMs(100);
    ASSERT_TRUE(sim.Open());
    EXPECT_EQ(sim.ReadFor(200), "");
    sim.Write(Frame("ST"));
    EXPECT_EQ(sim.ReadUntil('\r', 1000), Reply("ST")) << "still in command mode";
}

TEST(ModemSimExecutable, SigUsr1PowerCyclesTheModem)
{
    ModemSimRun sim;
    ASSERT_TRUE(sim.Open());
    enterCommandMode(sim);
    EXPECT_EQ(sim.ReadFor(300), "") << "no prompts in command mode";
    sim.Signal(SIGUSR1);
    EXPECT_EQ(sim.ReadUntil('?', 1000), "?");
    sim.Write(Frame("SV"));
    const std::string got = sim.ReadFor(250);
    EXPECT_EQ(got.find_first_not_of('?'), std::string::npos) << "no reply while prompting: " << got;
}

TEST(ModemSimExecutable, TheDumpLoadsAgainAsTheSameModem)
{
    TempFile dump;
    TempFile profile("firmware = 2.4\nproduct_version = 3.0;3.4\n");
    {
        ModemSimRun sim({profile.Path(), "--dump", dump.Path()});
        ASSERT_TRUE(sim.Open());
        enterCommandMode(sim);
        sim.Write(Frame("WN1F6077F"));
        EXPECT_EQ(sim.ReadUntil('\r', 1000), Reply("WN"));
        EXPECT_EQ(sim.Stop(), 0);
    }
    SimProfile expected = SimProfile::Parse("firmware = 2.4\nproduct_version = 3.0;3.4\n");
    expected.Memory[0xF6] = 0x07;
    expected.Memory[0xF7] = 0x7F;  // the check word stays as the modem holds it
    EXPECT_EQ(SimProfile::Load(dump.Path()), expected);

    ModemSimRun again({dump.Path()});
    ASSERT_TRUE(again.Open());
    enterCommandMode(again);
    again.Write(Frame("RN1F602"));
    EXPECT_EQ(again.ReadUntil('\r', 1000), Reply("RN:F6,07,7F"));
    again.Write(Frame("PV"));
    EXPECT_EQ(again.ReadUntil('\r', 1000), Reply("PV:3.0;3.4"));
    again.Write(Frame("CR"));
    EXPECT_NE(again.ReadUntil('\r', 1000), Reply("CR=F0B8"));
}

// Sends a radio frame and returns what follows its echo, up to replyBytes of it.
std::string radioCommand(ModemSimRun& sim, const Bytes& command, size_t replyBytes)
{
    const std::string frame = RadioFrame(command);
    const std::string echo = EchoOf(frame);
    sim.Write(frame);
    const std::string got = sim.ReadCount(echo.size() + replyBytes, 1000);
    EXPECT_EQ(got.substr(0, echo.size()), echo);
    return got.size() > echo.size() ? got.substr(echo.size()) : std::string();
}

TEST(ModemSimExecutable, TheRadioLinkReachesTheSelectedRadioAndTheDumpKeepsItsMemory)
{
    const std::string profile = SIM_PROFILES_DIR "/moskar-fdx.profile";
    TempFile dump;
    {
        ModemSimRun sim({profile, "--dump", dump.Path()});
        ASSERT_TRUE(sim.Open());
        enterCommandMode(sim);
        sim.SetBaud(1200);
        EXPECT_EQ(radioCommand(sim, {0x02, 0x4C, 0x0D}, 4), RadioReply({0x02, 0x00})) << "the transmit radio first";
        sim.SetBaud(9600);
        sim.Write(Frame("SR"));
        EXPECT_EQ(sim.ReadUntil('\r', 1000), Reply("SR"));
        sim.SetBaud(1200);
        EXPECT_EQ(radioCommand(sim, {0x01, 0x78, 0x03}, 7), RadioReply({0x01, 0x00, 0x31, 0x20, 0x02}));
        sim.SetBaud(9600);
        sim.Write(Frame("SV"));
        EXPECT_EQ(sim.ReadUntil('\r', 1000), Reply("SV:VA3.1"));
        EXPECT_EQ(sim.ReadFor(50), "") << "nothing more from either side";
        EXPECT_EQ(sim.Stop(), 0);
    }
    SimProfile expected = SimProfile::Load(profile);
    expected.TxRadio.Memory[0x4C] = 0x0D;
    const SimProfile dumped = SimProfile::Load(dump.Path());
    EXPECT_EQ(dumped.TxRadio, expected.TxRadio);
    EXPECT_EQ(dumped.RxRadio, expected.RxRadio);
}

TEST(ModemSimExecutable, RadioFaultFlagsReachTheRadio)
{
    // A window of 1 ms: no prompts get in between the radio's bytes.
    TempFile profile(SimProfile::Load(SIM_PROFILES_DIR "/moskar-fdx.profile").ToText() + "prompt_window_ms = 1\n");
    ModemSimRun sim({profile.Path(), "--fault", "radio-esc-without-cr", "--fault", "radio_silence_after=2"});
    ASSERT_TRUE(sim.Open(1200));
    const std::string frame = RadioFrame({0x00});
    sim.Write(frame);
    EXPECT_EQ(sim.ReadFor(150), "\x1B\n" + frame.substr(1) + RadioReply({0x00, 0x23}).substr(0, 2));
}

TEST(ModemSimExecutable, FaultFlagsReachTheModem)
{
    ModemSimRun sim({"--fault", "bad-checksum", "--fault", "er_on=RN"});
    ASSERT_TRUE(sim.Open());
    enterCommandMode(sim);
    sim.Write(Frame("SV"));
    EXPECT_EQ(sim.ReadUntil('\r', 1000), "SV:VA3.1" + Hex2(Xor("SV:VA3.1") ^ 1) + "\r");
    sim.Write(Frame("RN18501"));
    EXPECT_EQ(sim.ReadUntil('\r', 1000), "ER" + Hex2(Xor("ER") ^ 1) + "\r");
}

TEST(ModemSimExecutable, AStreamingPeerFillsTheLineWithoutEnd)
{
    ModemSimRun sim({"--fault", "stream=nul"});
    ASSERT_TRUE(sim.Open());
    sim.Write(AccessCode + "\r\r" + Frame("SV"));
    const std::string got = sim.ReadFor(300);
    EXPECT_GE(got.size(), 150u) << "about a byte a millisecond";
    EXPECT_EQ(got.find_first_not_of('\0'), std::string::npos) << "NUL bytes and nothing else";
}

TEST(ModemSimExecutable, ThrottledOutputKeepsToTheLineRate)
{
    ModemSimRun sim({"--throttle"});
    ASSERT_TRUE(sim.Open());
    enterCommandMode(sim);
    // "RN:80", 32 times ",XX", checksum and CR: 104 bytes of 1.04 ms at 9600 baud.
    const auto start = std::chrono::steady_clock::now();
    sim.Write(Frame("RN18020"));
    const std::string reply = sim.ReadUntil('\r', 2000);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_EQ(reply.size(), 104u);
    EXPECT_GE(ms.count(), 100);
    EXPECT_LT(ms.count(), 400);
}

TEST(ModemSimExecutable, IdleCostsNoCpu)
{
    ModemSimRun sim;
    ASSERT_FALSE(sim.Path().empty());
    const long before = sim.CpuTicks();
    sleepMs(500);  // prompting with no host on the line
    ASSERT_TRUE(sim.Open());
    enterCommandMode(sim);
    sleepMs(500);  // command mode, host attached, nothing to do
    EXPECT_LE(sim.CpuTicks() - before, 5) << "ticks of " << sysconf(_SC_CLK_TCK) << " a second";
}

TEST(ModemSimExecutable, BadArgumentsEndWithAMessage)
{
    TempFile badProfile("firmware = 3.1\nvolume = 11\n");
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"--bogus"}, "unexpected argument \"--bogus\""},
        {{"a.profile", "b.profile"}, "unexpected argument \"b.profile\""},
        {{"--dump"}, "--dump needs a value"},
        {{"/nonexistent.profile"}, "/nonexistent.profile: cannot be read"},
        {{badProfile.Path()}, badProfile.Path() + ": line 2: unknown key \"volume\""},
        {{"--fault", "loud"}, "--fault loud: unknown key \"loud\""},
        {{"--fault", "silence-after=x"}, "bad value \"x\" for silence_after"},
        {{"--log", "/nonexistent/dir/log"}, "/nonexistent/dir/log: cannot be written"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ModemSimRun sim(c.arguments);
        EXPECT_EQ(sim.Path(), "");
        EXPECT_NE(sim.Wait(), 0);
        EXPECT_NE(sim.Errors().find(c.message), std::string::npos) << sim.Errors();
    }
}

}  // namespace
