// The control against peers that never end what they send, on the loopback
// port and the fake clock: each ends as a silent modem does, in the links'
// time-out and the messages that follow it, and what was under way is given up.
#include "FakeClock.h"
#include "Karsid.h"
#include "LibraryContext.h"
#include "LoopbackPort.h"
#include "ModemControl.h"
#include "ModemSetting.h"
#include "RecordingProgressView.h"
#include "ScriptedPrompt.h"
#include "ScriptedWait.h"
#include "SimModem.h"
#include "SimProfile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <memory>
#include <string>

namespace {

const QString CodeOne = QStringLiteral("Error has occured error code: 1");
const QString Unrecoverable = QStringLiteral("Unrecoverable Error, Contact Orvane Sypheral for help");
const QString NotRecognised = QStringLiteral(
    "Error has occured when trying to recognize the modem's type, Make sure that you have reset the power of the "
    "modem");

// Ends within this of the last byte the host sent.
constexpr int64_t EndsWithinMs = 10000;

// The loopback port, noting when the host last sent anything.
class TimedPort : public LoopbackPort {
public:
    TimedPort(SimModem& modem, FakeClock& clock) : LoopbackPort(modem, clock), clock_(clock) {}
    void Output(const QByteArray& data) override
    {
        LastSentMs = clock_.NowMs();
        LoopbackPort::Output(data);
    }
    int64_t LastSentMs = -1;

private:
    FakeClock& clock_;
};

// One control on one simulated modem.
struct Rig {
    explicit Rig(const char* profile)
        : modem(profile ? SimProfile::Load(std::string(SIM_PROFILES_DIR) + "/" + profile + ".profile")
                        : SimProfile::Default())
    {
        context.DatabasePath = MODEM_DATABASE_PATH;
        // A peer that streams closes the wait window at once, as a modem that sends would.
        wait.Cancel = false;
    }
    bool Create()
    {
        int16_t type = 0, tx = 0, rx = 0;
        control.CreatModem(type, tx, rx);
        return control.Working;
    }
    // Whether the host sent a command starting so after the first count of commands.
    bool SentSince(size_t count, const std::string& prefix) const
    {
        const auto& log = modem.CommandLog();
        for (size_t i = count; i < log.size(); ++i)
            if (log[i].rfind(prefix, 0) == 0) return true;
        return false;
    }
    std::string Boxes() const { return prompt.Texts().join(" | ").toStdString(); }

    FakeClock clock;
    ScriptedPrompt prompt;
    RecordingProgressView progress;
    LibraryContext context{clock, prompt, progress};
    SimModem modem;
    TimedPort port{modem, clock};
    ScriptedWait wait;
    ModemControl control{context, port, wait};
};

struct Peer {
    const char* name;
    const char* profile;  // the modem it turns out to be; null: the built-in default
    std::function<void(SimProfile::SimFaults&)> turn;
};

void PrintTo(const Peer& peer, std::ostream* os) { *os << peer.name; }

const Peer endlessLine{"an endless line", nullptr, [](auto& f) { f.Stream = "text"; }};
const Peer nulFlood{"a NUL flood", nullptr, [](auto& f) { f.Stream = "nul"; }};
const Peer endlessPrompts{"prompts for ever", nullptr, [](auto& f) { f.EndlessPrompts = true; }};
const Peer longReply{"a reply far longer than any", nullptr, [](auto& f) { f.LongReply = 100000; }};
const Peer radioNoise{"radio echo noise", "moskar-fdx", [](auto& f) { f.RadioNoise = true; }};

TEST(HostilePeer, ConnectingEndsWithTheLinksTimeOutAndItsMessages)
{
    const struct {
        Peer peer;
        QStringList boxes;
        int waitShown;
    } cases[] = {
        // The probe times out; what streams closes the wait window, and command mode finds no prompt.
        {endlessLine, {NotRecognised}, 1},
        {nulFlood, {NotRecognised}, 1},
        // Command mode is entered on a prompt, and the first command's reply never ends.
        {endlessPrompts, {CodeOne, Unrecoverable}, 0},
        {longReply, {CodeOne, Unrecoverable}, 0},
        // The radio's type is asked over the radio link.
        {radioNoise, {Unrecoverable}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.peer.name);
        Rig rig(c.peer.profile);
        c.peer.turn(rig.modem.Profile().Faults);
        const int64_t start = rig.clock.NowMs();
        EXPECT_FALSE(rig.Create());
        EXPECT_EQ(rig.prompt.Texts(), c.boxes);
        EXPECT_EQ(rig.wait.Shown, c.waitShown);
        EXPECT_EQ(rig.control.Driver(), nullptr);
        EXPECT_LT(rig.clock.NowMs() - rig.port.LastSentMs, EndsWithinMs);
        EXPECT_LT(rig.clock.NowMs() - start, EndsWithinMs);
        if (c.peer.profile) {
            EXPECT_EQ(rig.control.Links().Radio.RadioErrorCode, RadioComm::Timeout);
        }
    }
}

// Every peer turns hostile once the control is connected.
class ConnectedToAHostilePeer : public ::testing::TestWithParam<Peer> {};

TEST_P(ConnectedToAHostilePeer, AReadIsGivenUp)
{
    const Peer& peer = GetParam();
    Rig rig(peer.profile);
    ASSERT_TRUE(rig.Create()) << rig.Boxes();
    peer.turn(rig.modem.Profile().Faults);
    ModemSetting setting;
    EXPECT_EQ(rig.control.ReadModemSetting(setting), 0);
    EXPECT_FALSE(rig.control.Working);
    EXPECT_FALSE(rig.control.Driver()->Working);
    // The modem link reports its code and gives up; the radio driver reports its own failure.
    const QStringList boxes = peer.profile ? QStringList{Unrecoverable} : QStringList{CodeOne, Unrecoverable};
    EXPECT_EQ(rig.prompt.Texts(), boxes);
    EXPECT_FALSE(rig.port.PortOpen());
    EXPECT_FALSE(rig.progress.Shown());
    EXPECT_LT(rig.clock.NowMs() - rig.port.LastSentMs, EndsWithinMs);
}

INSTANTIATE_TEST_SUITE_P(EveryPeer, ConnectedToAHostilePeer,
                         ::testing::Values(endlessLine, nulFlood, endlessPrompts, longReply, radioNoise),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(HostilePeer, AWriteGivenUpHalfWayIsNotReportedDone)
{
    const struct {
        Peer peer;
        const char* failsAt;  // the first command the peer answers without end
        QStringList boxes;
    } cases[] = {
        // The port settings are written; the slot count's write is never acknowledged.
        {{"an endless reply to a write", nullptr,
          [](auto& f) {
              f.LongReply = 100000;
              f.LongReplyOn = "WN1F6";
          }},
         "WN1F6",
         {CodeOne, Unrecoverable}},
        // The modem's own settings are written; the radio answers its first command with noise.
        {radioNoise, "ST", {Unrecoverable}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.peer.name);
        Rig rig(c.peer.profile);
        ASSERT_TRUE(rig.Create()) << rig.Boxes();
        ModemSetting setting;
        rig.control.ReadModemSetting(setting);
        ASSERT_TRUE(rig.control.Working) << rig.Boxes();
        setting.NoOfSlot = 9;
        c.peer.turn(rig.modem.Profile().Faults);
        const size_t before = rig.modem.CommandLog().size();
        bool needPassword = false;
        EXPECT_FALSE(rig.control.WriteModemSetting(setting, needPassword));
        EXPECT_TRUE(rig.SentSince(before, c.failsAt));
        EXPECT_FALSE(rig.control.Driver()->Working) << "the write is not reported as done";
        EXPECT_FALSE(rig.SentSince(before, "CR")) << "the configuration is not committed";
        EXPECT_EQ(rig.prompt.Texts(), c.boxes);
        EXPECT_FALSE(rig.port.PortOpen());
        EXPECT_LT(rig.clock.NowMs() - rig.port.LastSentMs, EndsWithinMs);
    }
}

}  // namespace
