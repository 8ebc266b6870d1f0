// A file saved from a modem opens into the configuration that saves the same bytes
// again, for every model the simulator plays.
#include "FormFixture.h"
#include "SimProfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

class RoundTripTest : public FormFixture, public ::testing::WithParamInterface<QString> {};

QStringList profiles() { return QDir(QStringLiteral(SIM_PROFILES_DIR)).entryList({QStringLiteral("*.profile")}); }

}  // namespace

TEST_P(RoundTripTest, ReadSaveOpenAndSaveAgainGiveTheSameBytes)
{
    SimProfile profile = SimProfile::Load((QStringLiteral(SIM_PROFILES_DIR "/") + GetParam()).toStdString());
    // One that starts off is read once it has been switched on.
    profile.StartsOff = false;
    modem = SimModem(profile);
    ReadModem();
    const QString first = PathIn(QStringLiteral("first.mdb"));
    SaveAs(first);
    ASSERT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    const ModemSetting read = form->CurrentModem;

    Reload();
    Open(first);
    ASSERT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    const QString second = PathIn(QStringLiteral("second.mdb"));
    SaveAs(second);
    ASSERT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join('|').toStdString();
    EXPECT_EQ(Contents(second), Contents(first));
    EXPECT_EQ(form->CurrentModem.Firmware, read.Firmware);
    EXPECT_EQ(form->CurrentModem.PTTTimeout, read.PTTTimeout);
}

INSTANTIATE_TEST_SUITE_P(EveryProfile, RoundTripTest, ::testing::ValuesIn(profiles()), [](const auto& info) {
    QString name = QFileInfo(info.param).completeBaseName();
    return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
});
