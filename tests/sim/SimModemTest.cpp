#include "SimModem.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <stdexcept>

using namespace simtest;

namespace {

class SimModemTest : public ::testing::Test {
protected:
    void Enter(SimModem& m)
    {
        ASSERT_EQ(Exchange(m, AccessCode + "\r"), "OK\r");
        ASSERT_TRUE(m.InCommandMode());
    }
    std::string Command(SimModem& m, const std::string& command) { return Exchange(m, Frame(command)); }

    SimModem modem;
};

TEST_F(SimModemTest, RepliesAreBodyUpperCaseChecksumAndCrWithoutEcho)
{
    Enter(modem);
    // Literal frames and replies, so the test does not lean on its own checksum helper alone.
    EXPECT_EQ(Exchange(modem, "\x1BSV05\r"), "SV:VA3.104\r");
    EXPECT_EQ(Exchange(modem, "\x1BST07\r"), "ST07\r");
    EXPECT_EQ(Exchange(modem, "\x1BSR01\r"), "SR01\r");
    EXPECT_EQ(Command(modem, "RN1E202"), "RN:E2,03,C021\r");
    EXPECT_EQ(Command(modem, "XX"), "ER17\r");
}

TEST_F(SimModemTest, EveryCommandsReplyOnTheDefaultModem)
{
    Enter(modem);
    const struct {
        const char* command;
        const char* body;
    } cases[] = {
        {"SV", "SV:VA3.1"},
        {"PV", "ER"},  // no product version
        {"RN18501", "RN:85,06"},
        {"RN19A03", "RN:9A,12,34,56"},
        {"RN19602", "RN:96,05,05"},
        {"RN10001", "RN:00,00"},
        {"RN1FF01", "RN:FF,00"},
        {"RN1E007", "RN:E0,00,00,03,C0,02,1F,90"},
        {"CR", "CR=F0B8"},
        {"ST", "ST"},
        {"SR", "SR"},
        {"RA0", "RA:AF"},
        {"RA1", "RA:AF"},
        {"RA4", "RA:AF"},
        {"SF000003C0512C", "SF"},
        {"SF", "SF"},
        {"WN1F0", "ER"},
        {"WN1F030", "WN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(Command(modem, c.command), Reply(c.body));
    }
}

TEST_F(SimModemTest, MalformedAndUnknownCommandsGetEr)
{
    Enter(modem);
    const char* const cases[] = {
        "RN10000",    // count 0
        "RN1FF02",    // past the end
        "RN18081",    // 0x80 + 0x81 bytes
        "RN1E2",      // no count
        "RN1E20100",  // too long
        "RN1e202",    // lower-case hex
        "RN2E201",    // not bank 1
        "RN",
        "WN",
        "WN1E2",      // no data
        "WN1E2C",     // half a byte
        "WN1FF0102",  // past the end
        "WN1E2ZZ",
        "WN1e2AA",
        "RA",
        "RA5",
        "RA9",
        "RA12",
        "RAx",
        "SVX",
        "PV1",
        "CR1",
        "ST1",
        "sv",
        "S",
        "HELLO",
    };
    for (const char* c : cases) {
        SCOPED_TRACE(c);
        EXPECT_EQ(Command(modem, c), Reply("ER"));
    }
    EXPECT_EQ(modem.Memory(0xE2), 0x03) << "a refused write stores nothing";
    EXPECT_EQ(modem.Memory(0xFF), 0x00);
}

TEST_F(SimModemTest, WriteStoresTheBytesReadBackByRn)
{
    Enter(modem);
    EXPECT_EQ(Command(modem, "WN1F6070B"), Reply("WN"));
    EXPECT_EQ(modem.Memory(0xF6), 0x07);
    EXPECT_EQ(modem.Memory(0xF7), 0x0B);
    EXPECT_EQ(Command(modem, "RN1F503"), Reply("RN:F5,0C,07,0B"));
    EXPECT_EQ(Command(modem, "WN1FFAB"), Reply("WN"));
    EXPECT_EQ(modem.Memory(0xFF), 0xAB);
    modem.SetMemory(0x10, {0x5A});
    EXPECT_EQ(Command(modem, "RN11001"), Reply("RN:10,5A"));
}

TEST_F(SimModemTest, ProfileTextsAndSamplesReachTheReplies)
{
    SimProfile p = SimProfile::Default();
    p.Firmware = "2.3.1";
    p.ProductVersion = "3.0;3.4";
    p.Rssi[1] = 200;
    p.Rssi[3] = 7;
    SimModem m(p);
    Enter(m);
    EXPECT_EQ(Command(m, "SV"), Reply("SV:VA2.3.1"));
    EXPECT_EQ(Command(m, "PV"), "PV:3.0;3.403\r");
    EXPECT_EQ(Command(m, "RA1"), Reply("RA:C8"));
    EXPECT_EQ(Command(m, "RA3"), Reply("RA:07"));
    EXPECT_EQ(Command(m, "RA0"), Reply("RA:AF"));
}

TEST_F(SimModemTest, RadioSelectionAndSynthesiserSettingAreKeptUntilPowerCycle)
{
    Enter(modem);
    EXPECT_EQ(modem.SelectedRadio(), SimModem::Radio::None);
    Command(modem, "ST");
    EXPECT_EQ(modem.SelectedRadio(), SimModem::Radio::Tx);
    Command(modem, "SR");
    EXPECT_EQ(modem.SelectedRadio(), SimModem::Radio::Rx);
    Command(modem, "SF000003C0512C");
    EXPECT_EQ(modem.SynthSetting(), "000003C0512C");
    EXPECT_EQ(modem.Memory(0xE4), 0x02) << "SF tunes live, the stored registers stay";
    modem.PowerCycle(1000);
    EXPECT_EQ(modem.SelectedRadio(), SimModem::Radio::None);
    EXPECT_EQ(modem.SynthSetting(), "");
}

TEST_F(SimModemTest, AFrameWithAWrongChecksumGetsErAndDoesNothing)
{
    Enter(modem);
    const std::string write = "WN1F605";
    const std::string good = Hex2(Xor(write));
    std::string lower = good;
    for (char& c : lower) c = char(std::tolower(uint8_t(c)));
    ASSERT_NE(lower, good) << "the case needs a checksum with a letter";
    const std::string frames[] = {
        "\x1B" + write + lower + "\r",                     // lower-case digits
        "\x1B" + write + Hex2(Xor(write) ^ 0x01) + "\r",   // one bit off
        "\x1B" + write + "\r",                             // no checksum
        "\x1B" + write + good.substr(0, 1) + "\r",         // half a checksum
    };
    for (const std::string& frame : frames) {
        SCOPED_TRACE(frame.substr(1));
        EXPECT_EQ(Exchange(modem, frame), Reply("ER"));
    }
    EXPECT_EQ(modem.Memory(0xF6), 0x04);
    EXPECT_EQ(Exchange(modem, "\x1B" + write + good + "\r"), Reply("WN"));
    EXPECT_EQ(modem.Memory(0xF6), 0x05);
}

TEST_F(SimModemTest, BytesOutsideAFrameAreIgnoredAndEscRestartsAFrame)
{
    Enter(modem);
    EXPECT_EQ(Exchange(modem, "noise\r\r\n"), "");
    EXPECT_EQ(Exchange(modem, "xx" + Frame("SV") + "yy"), Reply("SV:VA3.1"));
    EXPECT_EQ(Exchange(modem, "\x1BRN1" + Frame("SV")), Reply("SV:VA3.1"));
    EXPECT_EQ(Exchange(modem, "\x1B\r"), Reply("ER"));
    EXPECT_EQ(Exchange(modem, "\x1BS\r"), Reply("ER"));
}

TEST_F(SimModemTest, TheCommandLogHoldsTheTextsOfCommandModeFrames)
{
    Send(modem, Frame("PV"));  // before command mode: not a command
    Enter(modem);
    Command(modem, "SV");
    Command(modem, "RN1E202");
    Exchange(modem, "\x1BWN1F60500\r");  // wrong checksum, still received
    const std::vector<std::string> expected{"SV", "RN1E202", "WN1F605"};
    EXPECT_EQ(modem.CommandLog(), expected);
}

TEST_F(SimModemTest, PromptsFallDueEveryIntervalUntilTheAccessCode)
{
    EXPECT_EQ(modem.NextEventMs(), 200);
    modem.Advance(199);
    EXPECT_FALSE(modem.HasOutput());
    modem.Advance(200);
    EXPECT_EQ(modem.TakeOutput(), "?");
    EXPECT_EQ(modem.NextEventMs(), 400);
    modem.Advance(1000);  // late: every prompt that fell due meanwhile
    EXPECT_EQ(modem.TakeOutput(), "????");
    EXPECT_EQ(modem.NextEventMs(), 1200);

    EXPECT_EQ(Exchange(modem, Frame("SV"), 1100), "") << "frames get no reply while prompting";
    EXPECT_EQ(Exchange(modem, AccessCode + "\r\r", 1150), "OK\r");
    EXPECT_EQ(modem.NextEventMs(), -1);
    modem.Advance(100000);
    EXPECT_FALSE(modem.HasOutput());
    EXPECT_EQ(Command(modem, "SV"), Reply("SV:VA3.1"));
}

TEST_F(SimModemTest, OnlyTheExactCodeAndCrAtTheModemRateEnterCommandMode)
{
    const struct {
        const char* name;
        std::string bytes;
        int baud;
        bool enters;
    } cases[] = {
        {"code and CR", AccessCode + "\r", 9600, true},
        {"noise first", "xx?" + AccessCode + "\r", 9600, true},
        {"no CR", AccessCode, 9600, false},
        {"wrong letter", "t]u[b\r", 9600, false},
        {"broken up", "t]uX[a\r", 9600, false},
        {"split by CR", "t]u\r[a\r", 9600, false},
        {"radio link rate", AccessCode + "\r", 1200, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimModem m;
        EXPECT_EQ(Exchange(m, c.bytes, 50, c.baud), c.enters ? "OK\r" : "");
        EXPECT_EQ(m.InCommandMode(), c.enters);
    }
}

TEST_F(SimModemTest, PromptIntervalComesFromTheProfile)
{
    SimProfile p = SimProfile::Default();
    p.PromptIntervalMs = 50;
    SimModem m(p);
    m.Advance(120);
    EXPECT_EQ(m.TakeOutput(), "??");
    EXPECT_EQ(m.NextEventMs(), 150);
}

TEST_F(SimModemTest, APowerCycleReturnsToPromptingAndKeepsTheMemory)
{
    Enter(modem);
    Command(modem, "WN1F609");
    modem.PowerCycle(5000);
    EXPECT_FALSE(modem.InCommandMode());
    EXPECT_EQ(modem.NextEventMs(), 5200);
    modem.Advance(5199);
    EXPECT_FALSE(modem.HasOutput());
    EXPECT_EQ(Exchange(modem, Frame("SV"), 5199), "");
    modem.Advance(5200);
    EXPECT_EQ(modem.TakeOutput(), "?");
    EXPECT_EQ(Exchange(modem, AccessCode + "\r", 5300), "OK\r");
    EXPECT_EQ(Command(modem, "RN1F601"), Reply("RN:F6,09"));
}

TEST_F(SimModemTest, AModemThatStartsOffIsSilentUntilThePowerCycle)
{
    SimProfile p = SimProfile::Default();
    p.StartsOff = true;
    SimModem m(p);
    EXPECT_EQ(m.NextEventMs(), -1);
    m.Advance(10000);
    EXPECT_FALSE(m.HasOutput());
    EXPECT_EQ(Exchange(m, AccessCode + "\r" + Frame("SV"), 10000), "");
    m.PowerCycle(10000);
    EXPECT_EQ(m.NextEventMs(), 10200);
    m.Advance(10200);
    EXPECT_EQ(m.TakeOutput(), "?");
    EXPECT_EQ(Exchange(m, AccessCode + "\r", 10300), "OK\r");
}

TEST_F(SimModemTest, TheCheckRepairRuleGivesTheWordThatMakesTheNextCheckPass)
{
    Enter(modem);
    EXPECT_EQ(Command(modem, "CR"), Reply("CR=F0B8"));
    Command(modem, "WN1F605");
    const uint16_t word = modem.CorrectCheckWord();
    char digits[5];
    std::snprintf(digits, sizeof digits, "%04X", word);
    ASSERT_NE(std::string(digits), "F0B8");
    EXPECT_EQ(Command(modem, "CR"), Reply(std::string("CR=") + digits));
    EXPECT_EQ(Command(modem, "CR"), Reply(std::string("CR=") + digits)) << "CR itself repairs nothing";
    EXPECT_EQ(Command(modem, std::string("WN1FD") + digits), Reply("WN"));
    EXPECT_EQ(Command(modem, "CR"), Reply("CR=F0B8"));
}

TEST_F(SimModemTest, AStuckCheckAnswersItsResidueWhateverTheCheckWordHolds)
{
    modem.Profile().Faults.CheckStuck = 0x1234;
    Enter(modem);
    EXPECT_EQ(Command(modem, "CR"), Reply("CR=1234")) << "even a consistent memory";
    EXPECT_EQ(Command(modem, "WN1FD1234"), Reply("WN"));
    EXPECT_EQ(Command(modem, "CR"), Reply("CR=1234")) << "the repair does not take";
    EXPECT_EQ(modem.Memory(0xFD) << 8 | modem.Memory(0xFE), 0x1234) << "but is stored";

    modem.Profile().Faults.CheckStuck = -1;
    const uint16_t word = modem.CorrectCheckWord();
    char digits[5];
    std::snprintf(digits, sizeof digits, "%04X", word);
    EXPECT_EQ(Command(modem, "CR"), Reply(std::string("CR=") + digits)) << "off again: the real rule";
}

TEST_F(SimModemTest, TheCheckWordCoversExactly0x80To0xFC)
{
    const uint16_t base = modem.CorrectCheckWord();
    EXPECT_EQ(base, SimProfile::Crc16X25(&modem.Profile().Memory[0x80], 0x7D));
    const struct {
        int address;
        bool covered;
    } cases[] = {{0x7F, false}, {0x80, true}, {0xC0, true}, {0xFC, true}, {0xFD, false}, {0xFF, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        SimModem m;
        m.SetMemory(c.address, {uint8_t(m.Memory(c.address) ^ 0x5A)});
        EXPECT_EQ(m.CorrectCheckWord() != base, c.covered);
    }
}

TEST_F(SimModemTest, BytesAtAnotherLineRateAreForTheRadioSide)
{
    Enter(modem);
    EXPECT_EQ(Exchange(modem, Frame("SV"), 0, 1200), "");
    EXPECT_TRUE(modem.CommandLog().empty());
    EXPECT_EQ(Command(modem, "SV"), Reply("SV:VA3.1"));
}

TEST_F(SimModemTest, ReplyFaults)
{
    auto badReply = [](const std::string& body) { return body + Hex2(Xor(body) ^ 0x01) + "\r"; };
    const struct {
        const char* name;
        std::function<void(SimProfile::SimFaults&)> set;
        const char* command;
        std::string expected;
    } cases[] = {
        {"bad checksum", [](auto& f) { f.BadChecksum = true; }, "SV", badReply("SV:VA3.1")},
        {"bad checksum on ER", [](auto& f) { f.BadChecksum = true; }, "XX", badReply("ER")},
        {"bad checksum on RN: RN", [](auto& f) { f.BadChecksumOn = "RN"; }, "RN18501", badReply("RN:85,06")},
        {"bad checksum on RN: SV", [](auto& f) { f.BadChecksumOn = "RN"; }, "SV", Reply("SV:VA3.1")},
        {"ER on RN: RN", [](auto& f) { f.ErOn = "RN"; }, "RN18501", Reply("ER")},
        {"ER on RN: SV", [](auto& f) { f.ErOn = "RN"; }, "SV", Reply("SV:VA3.1")},
        {"ER on SV", [](auto& f) { f.ErOn = "SV"; }, "SV", Reply("ER")},
        {"silent", [](auto& f) { f.Silent = true; }, "SV", ""},
        {"silence after 4", [](auto& f) { f.SilenceAfter = 4; }, "SV", "SV:V"},
        {"silence after 0", [](auto& f) { f.SilenceAfter = 0; }, "SV", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimModem m;
        Enter(m);
        c.set(m.Profile().Faults);
        EXPECT_EQ(Command(m, c.command), c.expected);
    }
}

TEST_F(SimModemTest, AStreamingPeerSendsAtTheLineRateAndTakesNothing)
{
    const struct {
        const char* kind;
        char first;
    } cases[] = {{"text", '$'}, {"nul", '\0'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        SimModem m;
        m.Profile().Faults.Stream = c.kind;
        m.Advance(1000);
        EXPECT_FALSE(m.HasOutput()) << "it starts when it is first given a time, prompting no more";
        EXPECT_EQ(m.NextEventMs(), 1001);
        m.Advance(1100);
        const std::string sent = m.TakeOutput();
        EXPECT_EQ(sent.size(), 100u) << "one byte a millisecond, about 9600 baud";
        EXPECT_EQ(sent[0], c.first);
        EXPECT_EQ(sent.find('\r'), std::string::npos);
        // Neither the access code nor a command is heard.
        Send(m, AccessCode + "\r" + Frame("SV"), 1100);
        EXPECT_FALSE(m.HasOutput());
        EXPECT_FALSE(m.InCommandMode());
        EXPECT_TRUE(m.CommandLog().empty());
        m.Advance(61100);
        EXPECT_EQ(m.TakeOutput().size(), size_t(SimFlow::MaxBacklog)) << "a host away for a minute finds a buffer full";
        EXPECT_EQ(m.NextEventMs(), 61101);
    }
}

TEST_F(SimModemTest, EndlessPromptsOutlastTheWindowAndTakeNothing)
{
    SimProfile p = SimProfile::Default();
    p.PromptWindowMs = 1000;
    p.Faults.EndlessPrompts = true;
    SimModem m(p);
    m.Advance(0);
    m.Advance(5000);
    EXPECT_EQ(m.TakeOutput(), std::string(25, '?')) << "every 200 ms, long past the window";
    Send(m, AccessCode + "\r" + Frame("SV"), 5000);
    EXPECT_FALSE(m.HasOutput());
    EXPECT_FALSE(m.InCommandMode());
    EXPECT_EQ(m.NextEventMs(), 5200);

    // Switched on in command mode, it prompts too and answers nothing.
    SimModem answering;
    Enter(answering);
    answering.Profile().Faults.EndlessPrompts = true;
    EXPECT_EQ(Exchange(answering, Frame("SV"), 100), "");
    answering.Advance(700);
    EXPECT_EQ(answering.TakeOutput(), "???");
}

TEST_F(SimModemTest, ALongReplyIsPaddedBeforeItsChecksum)
{
    const std::string filler(5000, '0');
    Enter(modem);
    modem.Profile().Faults.LongReply = 5000;
    EXPECT_EQ(Command(modem, "SV"), Reply("SV:VA3.1" + filler));
    modem.Profile().Faults.LongReplyOn = "RN";
    EXPECT_EQ(Command(modem, "SV"), Reply("SV:VA3.1"));
    EXPECT_EQ(Command(modem, "RN18501"), Reply("RN:85,06" + filler));
}

TEST_F(SimModemTest, ErOnRefusesTheCommandItself)
{
    Enter(modem);
    modem.Profile().Faults.ErOn = "WN";
    EXPECT_EQ(Command(modem, "WN1F605"), Reply("ER"));
    EXPECT_EQ(modem.Memory(0xF6), 0x04);
    modem.Profile().Faults.ErOn.clear();
    EXPECT_EQ(Command(modem, "WN1F605"), Reply("WN"));
}

TEST_F(SimModemTest, ASilentModemStillHearsAndPromptsResumeWhenTheFaultGoes)
{
    modem.Profile().Faults.Silent = true;
    modem.Advance(1000);
    EXPECT_FALSE(modem.HasOutput());
    Send(modem, AccessCode + "\r" + Frame("WN1F606"), 1000);
    EXPECT_FALSE(modem.HasOutput());
    EXPECT_EQ(modem.Memory(0xF6), 0x06);
    modem.Profile().Faults.Silent = false;
    EXPECT_EQ(Command(modem, "SV"), Reply("SV:VA3.1"));
}

TEST_F(SimModemTest, SilenceAfterCountsReplyBytesAndLastsUntilThePowerCycle)
{
    SimProfile p = SimProfile::Default();
    p.Faults.SilenceAfter = 12;
    SimModem m(p);
    m.Advance(1000);
    EXPECT_EQ(m.TakeOutput(), "?????") << "prompts are not counted";
    Enter(m);  // nor is the OK
    EXPECT_EQ(Command(m, "SV"), Reply("SV:VA3.1"));  // 11 bytes
    EXPECT_EQ(Command(m, "ST"), "S");
    EXPECT_EQ(Command(m, "ST"), "");
    EXPECT_EQ(Command(m, "XX"), "");
    m.PowerCycle(2000);
    m.Advance(2200);
    EXPECT_EQ(m.TakeOutput(), "?");
    Enter(m);
    EXPECT_EQ(Command(m, "SV"), Reply("SV:VA3.1")) << "the fault is spent";
    EXPECT_EQ(m.Profile().Faults.SilenceAfter, -1);
}

TEST_F(SimModemTest, TheAccessCodeIsTakenOnlyInsideThePromptWindow)
{
    const struct {
        const char* name;
        int windowMs;
        int64_t codeAtMs;
        int prompts;  // by then
        bool enters;
    } cases[] = {
        {"default window, last moment", 0, 9999, 49, true},
        {"default window, its end", 0, 10000, 49, false},
        {"short window, last moment", 1000, 999, 4, true},
        {"short window, its end", 1000, 1000, 4, false},
        {"short window, long after", 1000, 60000, 4, false},
        {"window shorter than the interval", 150, 100, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimProfile p = SimProfile::Default();
        if (c.windowMs > 0) p.PromptWindowMs = c.windowMs;
        SimModem m(p);
        m.Advance(0);
        m.Advance(c.codeAtMs);
        EXPECT_EQ(m.TakeOutput(), std::string(size_t(c.prompts), '?'));
        EXPECT_EQ(Exchange(m, AccessCode + "\r", c.codeAtMs), c.enters ? "OK\r" : "");
        EXPECT_EQ(m.InCommandMode(), c.enters);
    }
}

TEST_F(SimModemTest, AfterTheWindowTheModemIsInDataModeUntilThePowerCycle)
{
    SimProfile p = SimProfile::Default();
    p.PromptWindowMs = 1000;
    SimModem m(p);
    m.Advance(0);
    m.Advance(900);
    EXPECT_EQ(m.TakeOutput(), "????");
    EXPECT_EQ(m.NextEventMs(), -1) << "the prompt at 1000 would fall outside the window";
    m.Advance(100000);
    EXPECT_FALSE(m.HasOutput());
    EXPECT_EQ(Exchange(m, AccessCode + "\r" + Frame("SV"), 100000), "");
    EXPECT_EQ(Exchange(m, AccessCode + "\r", 100001), "");

    m.PowerCycle(200000);
    EXPECT_EQ(m.NextEventMs(), 200200);
    m.Advance(200999);
    EXPECT_EQ(m.TakeOutput(), "????");
    EXPECT_EQ(Exchange(m, AccessCode + "\r", 200999), "OK\r");
    m.Advance(300000);
    EXPECT_EQ(Command(m, "SV"), Reply("SV:VA3.1")) << "in command mode the window no longer matters";
}

TEST_F(SimModemTest, ANewModemsWindowRunsFromTheFirstTimeItIsGiven)
{
    SimModem m;
    m.Advance(1000000);  // a fake clock that does not start at zero
    m.TakeOutput();
    m.Advance(1009999);
    EXPECT_TRUE(m.HasOutput());
    EXPECT_EQ(m.NextEventMs(), -1);
    m.TakeOutput();
    EXPECT_EQ(Exchange(m, AccessCode + "\r", 1009999), "OK\r");
}

TEST_F(SimModemTest, AddressesOutsideTheMemoryThrow)
{
    EXPECT_THROW(modem.Memory(256), std::out_of_range);
    EXPECT_THROW(modem.Memory(-1), std::out_of_range);
    EXPECT_THROW(modem.SetMemory(0xFF, {1, 2}), std::out_of_range);
    EXPECT_NO_THROW(modem.SetMemory(0xFE, {1, 2}));
}

}  // namespace
