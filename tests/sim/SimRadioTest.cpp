#include "SimModem.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

using namespace simtest;
using namespace std::string_literals;

namespace {

using Radio = SimModem::Radio;

// A full-duplex modem with a Moskar transmit radio and a Lumbrel receive radio.
SimProfile twoRadios()
{
    SimProfile p = SimProfile::Default();
    p.Memory[0xFA] = 0x02;
    p.FixCheckWord();
    p.TxRadio.Family = "moskar";
    p.TxRadio.Version = 0x23;
    p.TxRadio.LoadStatus = 0x20;
    p.TxRadio.Memory[0x78] = 0x31;
    p.TxRadio.Memory[0x79] = 0x20;
    p.TxRadio.Memory[0x7A] = 0x01;
    p.TxRadio.Memory[0x7F] = 12;
    p.RxRadio.Family = "lumbrel";
    p.RxRadio.Version = 0x14;
    p.RxRadio.LoadStatus = 0x01;
    p.RxRadio.Memory[0x7F] = 39;
    return p;
}

class SimRadioTest : public ::testing::Test {
protected:
    void Enter()
    {
        ASSERT_EQ(Exchange(modem, AccessCode + "\r"), "OK\r");
    }
    // Sends one frame at the radio link's rate; what comes back after its echo.
    std::string Command(const Bytes& command)
    {
        const std::string frame = RadioFrame(command);
        const std::string got = RadioExchange(modem, frame);
        const std::string echo = EchoOf(frame);
        EXPECT_EQ(got.substr(0, echo.size()), echo);
        return got.size() > echo.size() ? got.substr(echo.size()) : std::string();
    }

    SimModem modem{twoRadios()};
};

TEST_F(SimRadioTest, EveryByteIsEchoedAtOnceAndEscWithCr)
{
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string expected = b == 0x1B ? "\x1B\r" : std::string(1, char(b));
        EXPECT_EQ(RadioExchange(modem, std::string(1, char(b))), expected);
    }
}

TEST_F(SimRadioTest, TheLinksOwnExamplesOnTheWire)
{
    // Version: 1B 00 00 0D; reading 3 bytes at 0x78: 1B 01 78 03 7A 0D; writing 0x0D to
    // 0x4E: 1B 02 4E 10 0E 41 0D, the data byte stuffed and its checksum taken before.
    EXPECT_EQ(RadioExchange(modem, "\x1B\x00\x00\r"s), "\x1B\r\x00\x00\r\x00\x23\x23\r"s);
    EXPECT_EQ(RadioExchange(modem, "\x1B\x01\x78\x03\x7A\r"s),
              "\x1B\r\x01\x78\x03\x7A\r\x01\x00\x31\x20\x01\x11\r"s);
    EXPECT_EQ(RadioExchange(modem, "\x1B\x02\x4E\x10\x0E\x41\r"s), "\x1B\r\x02\x4E\x10\x0E\x41\r\x02\x00\x02\r"s);
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x4E), 0x0D);
}

TEST_F(SimRadioTest, StuffingBothWays)
{
    // 02 4E 41 has the checksum 0x0D, which travels as DLE 0E.
    EXPECT_EQ(RadioFrame({0x02, 0x4E, 0x41}), "\x1B\x02\x4E\x41\x10\x0E\r");
    EXPECT_EQ(Command({0x02, 0x4E, 0x41}), RadioReply({0x02, 0x00}));
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x4E), 0x41);

    // Stuffed command bytes arrive as the bytes they stand for.
    EXPECT_EQ(Command({0x02, 0x50, 0x0D, 0x10, 0x1B}), RadioReply({0x02, 0x00}));
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x50), 0x0D);
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x51), 0x10);
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x52), 0x1B);

    // Reply data and a reply checksum that need stuffing.
    EXPECT_EQ(Command({0x01, 0x50, 0x03}), "\x01\x00\x10\x0E\x10\x11\x10\x1C\x07\r"s);
    modem.Profile().TxRadio.Version = 0x1B;  // reply 00 1B, checksum 1B
    EXPECT_EQ(Command({0x00}), "\x00\x10\x1C\x10\x1C\r"s);
    // An unknown stand-in after DLE is the byte itself.
    const std::string unknownStandIn = "\x1B\x02\x60\x10\x41\x23\r";
    EXPECT_EQ(RadioExchange(modem, unknownStandIn), EchoOf(unknownStandIn) + RadioReply({0x02, 0x00}));
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x60), 0x41);
}

TEST_F(SimRadioTest, EachCommandsReply)
{
    modem.SetRadioMemory(Radio::Tx, 0x40, {0x04, 0x00, 0x29, 0x80});
    modem.SetRadioMemory(Radio::Tx, 0x7E, {0xAA, 12});
    const struct {
        const char* name;
        Bytes command;
        Bytes reply;
    } cases[] = {
        {"version", {0x00}, {0x00, 0x23}},
        {"read one", {0x01, 0x7F, 0x01}, {0x01, 0x00, 12}},
        {"read four", {0x01, 0x40, 0x04}, {0x01, 0x00, 0x04, 0x00, 0x29, 0x80}},
        {"read from 0", {0x01, 0x00, 0x02}, {0x01, 0x00, 0x00, 0x00}},
        {"read to the end", {0x01, 0x7E, 0x02}, {0x01, 0x00, 0xAA, 12}},
        {"write", {0x02, 0x4C, 0x0B}, {0x02, 0x00}},
        {"synthesiser load", {0x03, 0x9C, 0x8D, 0x29, 0x80, 0x14}, {0x03, 0x20}},
        {"load with no words", {0x03}, {0x03, 0x20}},
        {"set output", {0x09, 0x03, 0x3D}, {0x09, 0x00}},
        {"finish", {0x0A}, {0x0A, 0x00}},
        {"unknown 04", {0x04, 0x01}, {0x04, 0xFF}},
        {"unknown FF", {0xFF}, {0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Command(c.command), RadioReply(c.reply));
    }
}

TEST_F(SimRadioTest, CommandsDoWhatTheyAnswer)
{
    EXPECT_EQ(Command({0x02, 0x45, 0x01, 0x29, 0x80}), RadioReply({0x02, 0x00}));
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x45), 0x01);
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x47), 0x80);
    EXPECT_EQ(Command({0x01, 0x45, 0x03}), RadioReply({0x01, 0x00, 0x01, 0x29, 0x80}));
    EXPECT_EQ(modem.RadioMemory(Radio::Rx, 0x45), 0x00) << "the other radio keeps its own memory";

    Command({0x03, 0x9C, 0x8D, 0x29, 0x80, 0x14});
    Command({0x03, 0x9C, 0x89, 0x17, 0xB0, 0x14});
    EXPECT_EQ(modem.LastSynthLoad(Radio::Tx), (Bytes{0x9C, 0x89, 0x17, 0xB0, 0x14}));
    Command({0x09, 0x03, 0x3D});
    EXPECT_EQ(modem.LastSetOutput(Radio::Tx), (Bytes{0x03, 0x3D}));
    EXPECT_EQ(modem.FinishCount(Radio::Tx), 0);
    Command({0x0A});
    Command({0x0A});
    EXPECT_EQ(modem.FinishCount(Radio::Tx), 2);
    EXPECT_TRUE(modem.LastSynthLoad(Radio::Rx).empty());
    EXPECT_EQ(modem.FinishCount(Radio::Rx), 0);
}

TEST_F(SimRadioTest, MalformedCommandsGetNoReplyAndChangeNothing)
{
    const struct {
        const char* name;
        Bytes command;
    } cases[] = {
        {"version with an argument", {0x00, 0x01}},
        {"read without a count", {0x01, 0x7F}},
        {"read of nothing", {0x01, 0x40, 0x00}},
        {"read past 0x7F", {0x01, 0x7F, 0x02}},
        {"read at 0x80", {0x01, 0x80, 0x01}},
        {"read with too much", {0x01, 0x40, 0x01, 0x01}},
        {"write without data", {0x02, 0x4C}},
        {"write without an address", {0x02}},
        {"write past 0x7F", {0x02, 0x7F, 0x01, 0x02}},
        {"write at 0x80", {0x02, 0x80, 0x01}},
        {"set output of one byte", {0x09, 0x03}},
        {"set output of three", {0x09, 0x03, 0x3D, 0x00}},
        {"finish with an argument", {0x0A, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Command(c.command), "");
    }
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x7F), 12);
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x4C), 0x00);
    EXPECT_TRUE(modem.LastSetOutput(Radio::Tx).empty());
    EXPECT_EQ(modem.FinishCount(Radio::Tx), 0);
    EXPECT_EQ(modem.RadioCommandLog(Radio::Tx).size(), std::size(cases)) << "each was received";
}

TEST_F(SimRadioTest, AWrongChecksumGetsNoReplyAndIsNotCarriedOut)
{
    const Bytes write{0x02, 0x4C, 0x0B};
    std::string frame = RadioFrame(write);
    frame[frame.size() - 2] ^= 0x01;
    EXPECT_EQ(RadioExchange(modem, frame), EchoOf(frame));
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x4C), 0x00);

    const std::string noReply[] = {
        "\x1B\r",                  // nothing between ESC and CR
        "\x1B\x00\r"s,             // a checksum without a code
        "\x1B\x00\x00\x10\r"s,     // ends in a lone DLE
        "\x1B\x00\x10\x0E\r"s,     // version with checksum 0D for 00
    };
    for (const std::string& f : noReply) {
        SCOPED_TRACE(testing::PrintToString(f));
        EXPECT_EQ(RadioExchange(modem, f), EchoOf(f));
    }
    EXPECT_EQ(Command(write), RadioReply({0x02, 0x00}));
    EXPECT_EQ(modem.RadioMemory(Radio::Tx, 0x4C), 0x0B);
}

TEST_F(SimRadioTest, TheLogHoldsTheUnstuffedCommandsWithoutChecksum)
{
    Command({0x00});
    Command({0x02, 0x4E, 0x0D});
    std::string bad = RadioFrame({0x01, 0x7F, 0x01});
    bad[bad.size() - 2] ^= 0x40;
    RadioExchange(modem, "noise" + bad);
    const std::vector<Bytes> expected{{0x00}, {0x02, 0x4E, 0x0D}, {0x01, 0x7F, 0x01}};
    EXPECT_EQ(modem.RadioCommandLog(Radio::Tx), expected);
    EXPECT_TRUE(modem.RadioCommandLog(Radio::Rx).empty());
    EXPECT_TRUE(modem.CommandLog().empty()) << "no modem command";
}

TEST_F(SimRadioTest, EscRestartsAFrameAndBytesOutsideAFrameAreOnlyEchoed)
{
    EXPECT_EQ(RadioExchange(modem, "abc\r"), "abc\r");
    const std::string restarted = "\x1B\x01\x7F" + RadioFrame({0x00});
    EXPECT_EQ(RadioExchange(modem, restarted), EchoOf(restarted) + RadioReply({0x00, 0x23}));
}

TEST_F(SimRadioTest, RadioNoiseTakesThePlaceOfTheReplyUntilTheHostSendsAgain)
{
    Enter();
    ASSERT_EQ(Exchange(modem, Frame("ST"), 0), Reply("ST"));
    modem.Profile().Faults.RadioNoise = true;
    const std::string frame = RadioFrame({0x00});
    EXPECT_EQ(RadioExchange(modem, frame, 1000), EchoOf(frame)) << "the frame is echoed, and no reply follows";
    EXPECT_EQ(modem.NextEventMs(), 1008);
    modem.Advance(1800);
    const std::string noise = modem.TakeOutput();
    EXPECT_EQ(noise.size(), 100u) << "a byte every 8 ms, about 1200 baud";
    EXPECT_EQ(noise.find('\r'), std::string::npos);
    EXPECT_NE(noise.find('\x1B'), std::string::npos) << "the link's special bytes are in it";

    // The next byte from the host ends it; the radio echoes as before.
    EXPECT_EQ(RadioExchange(modem, "\x55", 1800), "\x55");
    modem.Advance(5000);
    EXPECT_FALSE(modem.HasOutput());
    EXPECT_EQ(modem.NextEventMs(), -1);
    EXPECT_EQ(modem.RadioCommandLog(Radio::Tx).size(), 1u) << "the radio took its command";
}

}  // namespace
