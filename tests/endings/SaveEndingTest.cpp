// The desktop's signals during a Save on a slow disk: the save runs to its end
// and only then does the program end, with its settings written; no hidden
// temporary file stays beside the saved one.
#include "EndingSupport.h"
#include "ToolProbeRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <optional>
#include <sys/file.h>

#ifndef SLOWSYNC_PATH
#error "SLOWSYNC_PATH must name the slow-disk library"
#endif

namespace {

// A configuration file read from the simulated modem, and its values.
struct Sample {
    QTemporaryDir dir;
    QString path;
    ProgramProbe::Result dump;
};

const Sample& sample()
{
    static std::optional<Sample> made;
    if (!made) {
        made.emplace();
        made->path = made->dir.filePath(QStringLiteral("sample.mdb"));
        ToolProbeRun run(QStringLiteral("lumbrel-fdx"));
        EXPECT_TRUE(run.Probe({"read", "save", made->path, "open", made->path, "dump"}));
        EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
        made->dump = run.Result().Dumped();
    }
    return *made;
}

class SaveSignalTest : public ::testing::TestWithParam<EndingSignal> {};

TEST_P(SaveSignalTest, TheSaveCompletesAndLeavesNoFileBeside)
{
    const Sample& from = sample();
    ASSERT_TRUE(QFileInfo::exists(from.path));
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("site.mdb"));

    ProgramProbe probe;
    probe.SetEnvironment(QStringLiteral("LD_PRELOAD"), QStringLiteral(SLOWSYNC_PATH));
    probe.SetEnvironment(QStringLiteral("SLOW_SYNC_FOLDER"), folder.path());
    SignalSender sender(GetParam().number);
    const ProgramProbe::Result result =
        probe.Run({"open", from.path, "save", saved, "wait", "30"}, {sender.At(QStringLiteral("SLOWSYNC"))});
    ASSERT_TRUE(result.ended);
    ASSERT_TRUE(sender.Sent()) << result.errors.toStdString();
    EXPECT_LT(sender.SinceSent(), 15000);
    EXPECT_EQ(result.exitCode, 128 + GetParam().number) << result.errors.toStdString();

    const QStringList left =
        QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    EXPECT_EQ(left.join(' ').toStdString(), "site.mdb");
    // The session's settings: the folder and the file just saved.
    EXPECT_EQ(probe.Setting(QStringLiteral("StartUp/InitDir")), folder.path());
    EXPECT_EQ(probe.Setting(QStringLiteral("StartUp/FileName1")), folder.filePath(QStringLiteral("site")));

    // The file is whole.
    const ProgramProbe::Result reopened = ProgramProbe().Run({"open", saved, "dump"});
    EXPECT_EQ(reopened.exitCode, 0);
    EXPECT_TRUE(reopened.boxes.isEmpty()) << reopened.boxes.join('\n').toStdString();
    for (const char* name : {"PTTTimeout", "TXRadio.TXFreq", "PortA.CommSpeed", "SerialNo"})
        EXPECT_EQ(reopened.Value(QString::fromLatin1(name)), from.dump.Value(QString::fromLatin1(name))) << name;
}

TEST(SaveOnASlowDiskTest, TheFileBeingBuiltShowsNoMoreThanTheFileItReplaces)
{
    const Sample& from = sample();
    QTemporaryDir folder;
    const QString secret = folder.filePath(QStringLiteral("secret.mdb"));
    ASSERT_TRUE(QFile::copy(from.path, secret));
    ASSERT_TRUE(QFile::setPermissions(secret, QFile::ReadOwner | QFile::WriteOwner));

    ProgramProbe probe;
    probe.SetEnvironment(QStringLiteral("LD_PRELOAD"), QStringLiteral(SLOWSYNC_PATH));
    probe.SetEnvironment(QStringLiteral("SLOW_SYNC_FOLDER"), folder.path());
    probe.SetEnvironment(QStringLiteral("SLOW_SYNC_MS"), QStringLiteral("1500"));
    // What the folder holds while the new file goes to the disk: its mode and size.
    QStringList seen;
    const ProgramProbe::Trigger look{QStringLiteral("SLOWSYNC"), [&](qint64) {
                                         const QDir::Filters all = QDir::Files | QDir::Hidden | QDir::System;
                                         for (const QFileInfo& entry : QDir(folder.path()).entryInfoList(all))
                                             if (entry.fileName().startsWith(QLatin1Char('.')))
                                                 seen << QStringLiteral("%1 %2").arg(
                                                     QString::number(int(entry.permissions()), 16),
                                                     entry.size() > 0 ? "filled" : "empty");
                                     }};
    const ProgramProbe::Result result = probe.Run({"open", from.path, "save", secret}, {look});
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(result.exitCode, 0) << result.errors.toStdString();
    EXPECT_TRUE(result.boxes.isEmpty()) << result.boxes.join('\n').toStdString();
    const QString ownerOnly = QString::number(int(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                                  QFile::WriteUser), 16);
    EXPECT_EQ(seen, QStringList{ownerOnly + QStringLiteral(" filled")}) << "the hidden file as the save syncs it";
    EXPECT_EQ(QFileInfo(secret).permissions() & 0x0FFF, QFile::ReadUser | QFile::WriteUser);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("secret.mdb")});
}

// A save killed half way leaves its hidden file; the next save into that folder
// takes it away, but never one that another save is still building.
TEST(SaveKilled, TheNextSaveRemovesWhatItLeft)
{
    const Sample& from = sample();
    QTemporaryDir folder;
    const QDir::Filters all = QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    ProgramProbe killed;
    killed.SetEnvironment(QStringLiteral("LD_PRELOAD"), QStringLiteral(SLOWSYNC_PATH));
    killed.SetEnvironment(QStringLiteral("SLOW_SYNC_FOLDER"), folder.path());
    SignalSender kill(SIGKILL);
    const ProgramProbe::Result result = killed.Run(
        {"open", from.path, "save", folder.filePath(QStringLiteral("site.mdb")), "wait", "30"},
        {kill.At(QStringLiteral("SLOWSYNC"))});
    ASSERT_TRUE(result.ended);
    ASSERT_TRUE(kill.Sent());
    const QStringList left = QDir(folder.path()).entryList(all);
    ASSERT_FALSE(left.isEmpty());
    ASSERT_TRUE(left.first().startsWith(QLatin1String(".cfg-"))) << left.join(' ').toStdString();

    // One being built now: held, as a save holds its own.
    QFile building(folder.filePath(QStringLiteral(".cfg-0123abcd")));
    ASSERT_TRUE(building.open(QIODevice::WriteOnly));
    ASSERT_EQ(::flock(building.handle(), LOCK_EX), 0);

    const ProgramProbe::Result next = ProgramProbe().Run({"open", from.path, "save", folder.filePath("other.mdb")});
    EXPECT_EQ(next.exitCode, 0) << next.errors.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(all).join(' ').toStdString(), ".cfg-0123abcd other.mdb");
}

INSTANTIATE_TEST_SUITE_P(EachSignal, SaveSignalTest, ::testing::ValuesIn(EndingSignals), SignalName);

}  // namespace
