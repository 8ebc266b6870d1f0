#include "SimModem.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace simtest;
using namespace std::string_literals;

namespace {

using Radio = SimModem::Radio;

// Two radios told apart by their version bytes: 0x23 transmit, 0x14 receive.
SimProfile twoRadios(uint8_t buildByte = 0x02)
{
    SimProfile p = SimProfile::Default();
    p.Memory[0xFA] = buildByte;
    p.FixCheckWord();
    p.TxRadio.Family = "moskar";
    p.TxRadio.Version = 0x23;
    p.RxRadio.Family = "moskar";
    p.RxRadio.Version = 0x14;
    return p;
}

void enter(SimModem& m) { ASSERT_EQ(Exchange(m, AccessCode + "\r"), "OK\r"); }

void select(SimModem& m, const std::string& command) { ASSERT_EQ(Exchange(m, Frame(command)), Reply(command)); }

// The version byte of the radio the link reaches now; -1 when none answers.
int versionHeard(SimModem& m)
{
    const std::string frame = RadioFrame({0x00});
    const std::string got = RadioExchange(m, frame);
    const std::string echo = EchoOf(frame);
    if (got.size() < echo.size() + 2 || got.compare(0, echo.size(), echo) != 0) return -1;
    return uint8_t(got[echo.size() + 1]);
}

TEST(SimRadioRouting, StAndSrChooseTheRadioAndTheTransmitRadioComesFirst)
{
    const struct {
        const char* name;
        uint8_t build;
        std::vector<std::string> selects;
        int version;
    } cases[] = {
        {"nothing selected", 0x02, {}, 0x23},
        {"ST", 0x02, {"ST"}, 0x23},
        {"SR", 0x02, {"SR"}, 0x14},
        {"SR then ST", 0x02, {"SR", "ST"}, 0x23},
        {"ST then SR", 0x02, {"ST", "SR"}, 0x14},
        {"half duplex: SR", 0x0A, {"SR"}, 0x23},
        {"half duplex: ST then SR", 0x0A, {"ST", "SR"}, 0x23},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimModem m(twoRadios(c.build));
        enter(m);
        for (const std::string& s : c.selects) select(m, s);
        EXPECT_EQ(versionHeard(m), c.version);
        EXPECT_EQ(m.RadioCommandLog(c.version == 0x23 ? Radio::Tx : Radio::Rx).size(), 1u);
        EXPECT_TRUE(m.RadioCommandLog(c.version == 0x23 ? Radio::Rx : Radio::Tx).empty());
    }
}

TEST(SimRadioRouting, OnlyTheRadioLinksRateReachesTheRadio)
{
    SimModem m(twoRadios());
    enter(m);
    const std::string frame = RadioFrame({0x00});
    EXPECT_EQ(Exchange(m, frame, 0, 9600), Reply("ER")) << "the modem's answer to a frame it cannot read";
    for (int baud : {4800, 19200}) {
        SCOPED_TRACE(baud);
        EXPECT_EQ(Exchange(m, frame, 0, baud), "");
    }
    EXPECT_TRUE(m.RadioCommandLog(Radio::Tx).empty());
    const size_t modemCommands = m.CommandLog().size();
    // "SV05" happens to be a code 'S' with a right checksum: the radio does not know it.
    EXPECT_EQ(RadioExchange(m, Frame("SV")), "\x1B\rSV05\r" + RadioReply({'S', 0xFF}));
    EXPECT_EQ(m.CommandLog().size(), modemCommands) << "nothing at the radio's rate reaches the modem";
    EXPECT_EQ(Exchange(m, Frame("SV")), Reply("SV:VA3.1"));
}

TEST(SimRadioRouting, TheRadioAnswersWhileTheModemPromptsButNotWhileItIsOff)
{
    SimModem prompting(twoRadios());
    EXPECT_EQ(versionHeard(prompting), 0x23);
    EXPECT_FALSE(prompting.InCommandMode());

    SimProfile p = twoRadios();
    p.StartsOff = true;
    SimModem off(p);
    EXPECT_EQ(versionHeard(off), -1);
    EXPECT_EQ(RadioExchange(off, "x"), "");
}

TEST(SimRadioRouting, ARadioThatIsNotThereAnswersNothing)
{
    SimModem m;  // built-in radio: nothing behind the radio link
    enter(m);
    EXPECT_EQ(RadioExchange(m, RadioFrame({0x00})), "");
    select(m, "SR");
    EXPECT_EQ(RadioExchange(m, RadioFrame({0x00})), "");
}

TEST(SimRadioRouting, APowerCycleLosesTheSelectionTheHalfFrameAndTheLiveSettings)
{
    SimModem m(twoRadios());
    enter(m);
    select(m, "SR");
    RadioExchange(m, RadioFrame({0x03, 0x01, 0x02}) + RadioFrame({0x09, 0x03, 0x3D}) + RadioFrame({0x0A}));
    RadioExchange(m, "\x1B\x02\x40"s);  // half a write
    m.PowerCycle(1000);
    EXPECT_EQ(m.SelectedRadio(), Radio::None);
    EXPECT_TRUE(m.LastSynthLoad(Radio::Rx).empty());
    EXPECT_TRUE(m.LastSetOutput(Radio::Rx).empty());
    EXPECT_EQ(m.FinishCount(Radio::Rx), 1) << "a tally, kept like the logs";
    EXPECT_EQ(m.RadioCommandLog(Radio::Rx).size(), 3u);
    enter(m);
    select(m, "SR");
    // The end of the lost write does not complete it.
    EXPECT_EQ(RadioExchange(m, "\x01\x43\r"s), "\x01\x43\r"s);
    EXPECT_EQ(m.RadioMemory(Radio::Rx, 0x40), 0x00);
    EXPECT_EQ(versionHeard(m), 0x14);
}

TEST(SimRadioRouting, EchoFaults)
{
    const std::string frame = RadioFrame({0x01, 0x7F, 0x01});  // 1B 01 7F 01 7F 0D
    const Bytes reply{0x01, 0x00, 0x00};
    const struct {
        const char* name;
        std::function<void(SimProfile::SimFaults&)> set;
        std::string echo;
    } cases[] = {
        {"wrong echo of the ESC", [](auto& f) { f.RadioWrongEcho = 1; }, "\xE4\r\x01\x7F\x01\x7F\r"s},
        {"wrong echo of byte 3", [](auto& f) { f.RadioWrongEcho = 3; }, "\x1B\r\x01\x80\x01\x7F\r"s},
        {"wrong echo of the CR", [](auto& f) { f.RadioWrongEcho = 6; }, "\x1B\r\x01\x7F\x01\x7F\xF2"s},
        {"wrong echo past the frame", [](auto& f) { f.RadioWrongEcho = 7; }, EchoOf(frame)},
        {"ESC without CR", [](auto& f) { f.RadioEscWithoutCr = true; }, "\x1B\n\x01\x7F\x01\x7F\r"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimModem m(twoRadios());
        c.set(m.Profile().Faults);
        EXPECT_EQ(RadioExchange(m, frame), c.echo + RadioReply(reply));
        EXPECT_EQ(RadioExchange(m, frame), c.echo + RadioReply(reply)) << "every frame";
    }
}

TEST(SimRadioRouting, RadioSilenceAfterCountsReplyBytesOfBothRadiosUntilThePowerCycle)
{
    SimProfile p = twoRadios();
    p.Faults.RadioSilenceAfter = 5;
    SimModem m(p);
    enter(m);
    const std::string version = RadioFrame({0x00});
    EXPECT_EQ(RadioExchange(m, version), EchoOf(version) + RadioReply({0x00, 0x23}));  // 4 bytes
    select(m, "SR");
    EXPECT_EQ(RadioExchange(m, version), EchoOf(version) + "\x00"s);
    EXPECT_EQ(RadioExchange(m, version), EchoOf(version)) << "only echoes now";
    select(m, "ST");
    EXPECT_EQ(RadioExchange(m, version), EchoOf(version));
    EXPECT_EQ(Exchange(m, Frame("SV")), Reply("SV:VA3.1")) << "the modem itself still talks";
    m.PowerCycle(1000);
    enter(m);
    EXPECT_EQ(RadioExchange(m, version), EchoOf(version) + RadioReply({0x00, 0x23})) << "the fault is spent";
    EXPECT_EQ(m.Profile().Faults.RadioSilenceAfter, -1);
}

TEST(SimRadioRouting, ModemFaultsLeaveTheRadiosAlone)
{
    SimProfile p = twoRadios();
    p.Faults.Silent = true;
    SimModem m(p);
    EXPECT_EQ(versionHeard(m), 0x23);
}

TEST(SimRadioRouting, TheHelpersNameASideAndAnAddressInsideTheRadiosMemory)
{
    SimModem m(twoRadios());
    m.SetRadioMemory(Radio::Rx, 0x7E, {1, 2});
    EXPECT_EQ(m.RadioMemory(Radio::Rx, 0x7F), 2);
    EXPECT_EQ(m.Profile().RxRadio.Memory[0x7E], 1) << "the live memory is the profile's";
    EXPECT_EQ(m.Snapshot().RxRadio.Memory[0x7E], 1);
    EXPECT_THROW(m.RadioMemory(Radio::Tx, 0x80), std::out_of_range);
    EXPECT_THROW(m.RadioMemory(Radio::Tx, -1), std::out_of_range);
    EXPECT_THROW(m.SetRadioMemory(Radio::Tx, 0x7F, {1, 2}), std::out_of_range);
    EXPECT_THROW(m.RadioMemory(Radio::None, 0), std::invalid_argument);
    EXPECT_THROW(m.FinishCount(Radio::None), std::invalid_argument);
    EXPECT_THROW(m.LastSynthLoad(Radio::None), std::invalid_argument);
}

TEST(SimRadioRouting, TheTranscriptKeepsCommandsAndFramesInTheirOrder)
{
    SimModem m(twoRadios());
    enter(m);
    select(m, "ST");
    versionHeard(m);
    select(m, "SR");
    versionHeard(m);
    Exchange(m, Frame("RN1F201"));
    const std::vector<std::string> expected = {"ST", "radio.tx 00", "SR", "radio.rx 00", "RN1F201"};
    EXPECT_EQ(m.Transcript(), expected);
}

}  // namespace
