// Edits on the main window written to every simulated model: the modem's memory
// changes where the memory map puts the edited values, and nowhere else.
#include "ProfileCase.h"
#include "ProfileModem.h"
#include "ProgramProbe.h"
#include "QtPrinting.h"
#include "SimProcess.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

ModemImage expectedAfter(const ModemImage& original, std::initializer_list<const std::vector<ByteValue>*> changes)
{
    ModemImage image = original;
    for (const std::vector<ByteValue>* list : changes)
        for (const ByteValue& byte : *list) image.Set(byte);
    // Every write ends with the modem repairing its check word.
    image.FixCheckWord();
    return image;
}

std::string differences(const ModemImage& want, const ModemImage& got)
{
    return want.DifferencesTo(got).join('\n').toStdString();
}

QStringList readThenEdit(const ProfileModem& modem, const ProfileCase& c)
{
    QStringList steps{"port", modem.DevicePath(), "read", "type", c.box, c.frequency};
    for (const char* option : c.clicks) steps << "click" << option;
    return steps;
}

class ProgramWrite : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ProgramWrite, ChangesTheEditedLocationsAndNothingElse)
{
    const ProfileCase& c = GetParam();
    ProfileModem modem(c);
    ASSERT_FALSE(modem.DevicePath().isEmpty());
    // Once the write is done the program lets go of the port.
    bool portChecked = false;
    QStringList heldAfterWrite;
    std::vector<ProgramProbe::Trigger> triggers = modem.Triggers();
    triggers.push_back({QStringLiteral("MainForm="), [&](qint64 pid) {
                            portChecked = true;
                            for (const QString& file : ProgramProbe::OpenFiles(pid))
                                if (file == modem.DevicePath()) heldAfterWrite << file;
                        }});
    ProgramProbe probe;
    const ProgramProbe::Result run =
        probe.Run(readThenEdit(modem, c) + QStringList{"write", "show", "MainForm", "wait", "1"}, triggers);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.boxes.join('\n').toStdString(), "");
    EXPECT_TRUE(portChecked);
    EXPECT_EQ(heldAfterWrite.join(' ').toStdString(), "");

    // The window shows the edit as it was written.
    const ProgramProbe::Result shown = run.Shown(QStringLiteral("MainForm"));
    EXPECT_EQ(shown.Value(QLatin1String(c.box)), QLatin1String(c.frequencyShown));
    for (const char* option : c.clicks)
        EXPECT_EQ(shown.Value(QLatin1String(option) + QStringLiteral(".Value")), QLatin1String("True")) << option;

    const ModemImage original = modem.Original();
    const ModemImage after = modem.Stop();
    ASSERT_TRUE(original.IsValid()) << original.Error().toStdString();
    ASSERT_TRUE(after.IsValid()) << after.Error().toStdString();
    const ModemImage want = expectedAfter(original, {&c.readBytes, &c.frequencyBytes, &c.clickBytes});
    ASSERT_NE(differences(original, want), "") << "the edit should change the modem";
    EXPECT_EQ(differences(want, after), "");
}

INSTANTIATE_TEST_SUITE_P(EveryProfile, ProgramWrite, ::testing::ValuesIn(ProfileCases()),
                         [](const auto& info) { return CaseName(info.param); });

// A transmit frequency outside the radio's band: the control refuses it, the
// window shows the old value again, and the Write that follows puts nothing new
// into the modem. The next Write, after a good edit, goes through: it goes to a
// second modem of the same model on port 2, so each modem's memory tells one
// Write's story. (By then the second modem may have stopped prompting, as a
// modem does some seconds after its power-up: it is power-cycled when the
// program waits for it.)
class ProgramRefusal : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ProgramRefusal, BlocksThatWriteAndTheNextWriteGoesThrough)
{
    const ProfileCase& c = GetParam();
    ProfileModem first(c);
    ProfileModem second(c);
    ASSERT_FALSE(first.DevicePath().isEmpty());
    ASSERT_FALSE(second.DevicePath().isEmpty());
    ProgramProbe probe;
    probe.MapPort(1, first.DevicePath());
    probe.MapPort(2, second.DevicePath());
    std::vector<ProgramProbe::Trigger> triggers = first.Triggers();
    triggers.push_back(second.PowerUpWhenAsked(c.startsOff ? 2 : 1));
    const ProgramProbe::Result run =
        probe.Run({"read", "type", "TransFreq", c.outOfBand, "show", "TransFrame", "dump", "write", "click",
                   "Menu_Comm(2)", "type", c.box, c.frequency, "write", "dump"},
                  triggers);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.boxes.join('\n').toStdString(), std::string("Error, Invalid setting!|") + c.refusal);
    EXPECT_EQ(run.Shown(QStringLiteral("TransFrame")).Value(QStringLiteral("TransFreq")), QLatin1String(c.transFreq));
    EXPECT_EQ(run.Dumped(0).Value(QStringLiteral("StopWrite")), QLatin1String("True"));
    EXPECT_EQ(run.Dumped(1).Value(QStringLiteral("StopWrite")), QLatin1String("False"));

    const ModemImage original = first.Original();
    const ModemImage refused = first.Stop();
    const ModemImage written = second.Stop();
    ASSERT_TRUE(refused.IsValid()) << refused.Error().toStdString();
    ASSERT_TRUE(written.IsValid()) << written.Error().toStdString();
    EXPECT_EQ(differences(expectedAfter(original, {&c.readBytes}), refused), "");
    EXPECT_EQ(differences(expectedAfter(original, {&c.readBytes, &c.frequencyBytes}), written), "");
}

INSTANTIATE_TEST_SUITE_P(EveryProfile, ProgramRefusal, ::testing::ValuesIn(ProfileCases()),
                         [](const auto& info) { return CaseName(info.param); });

// A modem whose configuration check never passes: the edit goes in with the word
// the modem gave for its check, the control's code says the write failed, and the
// window stays as it was, ready for the user to write again.
TEST(ProgramCheckFailure, TheWriteEndsWithTheCodeAndTheWindowStaysReadyToWriteAgain)
{
    const auto& cases = ProfileCases();
    const auto found = std::find_if(cases.begin(), cases.end(),
                                    [](const ProfileCase& c) { return std::string(c.profile) == "builtin-high"; });
    ASSERT_NE(found, cases.end());
    const ProfileCase& c = *found;
    QTemporaryDir dir;
    const QString dump = dir.filePath(QStringLiteral("memory.profile"));
    SimProcess sim({c.ProfilePath(), QStringLiteral("--fault"), QStringLiteral("check_stuck=1234"),
                    QStringLiteral("--dump"), dump});
    ASSERT_FALSE(sim.DevicePath().isEmpty());

    ProgramProbe probe;
    const ProgramProbe::Result run = probe.Run(
        {"port", sim.DevicePath(), "read", "type", c.box, c.frequency, "write", "show", "MainForm", "dump"});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.boxes, QStringList{"Radio Modem|Error has occured error code: 4"});
    const ProgramProbe::Result shown = run.Shown(QStringLiteral("MainForm"));
    EXPECT_EQ(shown.Value(QLatin1String(c.box)), QLatin1String(c.frequencyShown));
    EXPECT_TRUE(shown.ShownEnabled(QStringLiteral("TWRadio")));
    EXPECT_EQ(run.Dumped().Value(QStringLiteral("Working")), QLatin1String("True"));

    ASSERT_EQ(sim.Stop(), 0);
    const ModemImage after = ModemImage::Load(dump);
    ASSERT_TRUE(after.IsValid()) << after.Error().toStdString();
    ModemImage want = ModemImage::Load(c.ProfilePath());
    for (const std::vector<ByteValue>* list : {&c.readBytes, &c.frequencyBytes})
        for (const ByteValue& byte : *list) want.Set(byte);
    want.Set({MemoryBank::Modem, 0xFD, 0x12});
    want.Set({MemoryBank::Modem, 0xFE, 0x34});
    EXPECT_EQ(differences(want, after), "");
}

}  // namespace
