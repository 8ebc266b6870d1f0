// modemprobe against peers on a pseudo-terminal that never end what they send:
// the wrong device on the port, a modem stuck prompting, a reply without end,
// a radio that answers with noise. Each run ends as on a silent modem.
#include "ProbeRun.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

namespace {

const QString CodeOne = QStringLiteral("Radio Modem|Error has occured error code: 1");
const QString Unrecoverable = QStringLiteral("Radio Modem|Unrecoverable Error, Contact Orvane Sypheral for help");
const QString NotRecognised = QStringLiteral(
    "Radio Modem|Error has occured when trying to recognize the modem's type, Make sure that you have reset the "
    "power of the modem");

constexpr qint64 EndsWithinMs = 15000;

struct PeerCase {
    const char* name;
    QStringList simArguments;
    QStringList boxes;
};

void PrintTo(const PeerCase& c, std::ostream* os) { *os << c.name; }

class ProbeAgainstAHostilePeer : public ::testing::TestWithParam<PeerCase> {};

TEST_P(ProbeAgainstAHostilePeer, ReadExitsWithItsMessages)
{
    const PeerCase& c = GetParam();
    SimProcess sim(c.simArguments);
    ASSERT_FALSE(sim.DevicePath().isEmpty());
    const ProbeRun run = ProbeRun::Run({"read", sim.DevicePath()});
    EXPECT_EQ(run.exitCode, 1) << run.errors.toStdString();
    EXPECT_LT(run.ms, EndsWithinMs);
    EXPECT_EQ(run.boxes, c.boxes) << run.errors.toStdString();
}

const QString moskar = QStringLiteral(SIM_PROFILES_DIR "/moskar-fdx.profile");

INSTANTIATE_TEST_SUITE_P(
    EveryPeer, ProbeAgainstAHostilePeer,
    ::testing::Values(PeerCase{"EndlessLine", {"--fault", "stream=text"}, {NotRecognised}},
                      PeerCase{"NulFlood", {"--fault", "stream=nul"}, {NotRecognised}},
                      PeerCase{"EndlessPrompts", {"--fault", "endless_prompts"}, {CodeOne, Unrecoverable}},
                      PeerCase{"LongReply", {"--fault", "long_reply=100000"}, {CodeOne, Unrecoverable}},
                      PeerCase{"RadioNoise", {moskar, "--fault", "radio_noise"}, {Unrecoverable}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
