// What a save replaces and what an open reads: links at the name, files that
// another program left in WAL mode, and the longest names and paths.
#include "AsNobody.h"
#include "ConfigurationFile.h"
#include "Connection.h"
#include "CrashedWriter.h"
#include "ModemSetting.h"
#include "RadioSpec.h"
#include "RaisedError.h"
#include "ReadOnlyFolder.h"
#include "SqlFile.h"
#include "WalFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList everyFileIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

ModemSetting configuration(int pttTimeout)
{
    ModemSetting m;
    m.TXRadio.RadioType = 12;
    m.RXRadio.RadioType = 12;
    m.Firmware = QStringLiteral("3.1");
    m.SerialNo = QStringLiteral("210601");
    m.PTTTimeout = pttTimeout;
    return m;
}

mode_t modeOf(const QString& path)
{
    struct stat entry {};
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0 ? entry.st_mode : 0;
}

const QString PttOf = QStringLiteral("select PTTTimeout from ModemSetting");

class ReplacedFileTest : public ::testing::Test {
protected:
    ReplacedFileTest()
    {
        // Others may pass, so that "nobody" reaches the folders of a test run as root.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    }

    QString Folder(const QString& name) const
    {
        const QString folder = dir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(folder));
        return folder;
    }

    // The PTT time-out that the program's open reads from the file.
    int OpenedPtt(const QString& path)
    {
        ModemSetting read;
        const std::optional<RuntimeError> e = RaisedError([&] {
            ConfigurationFile file = ConfigurationFile::Open(path);
            file.Read(read, spec);
            file.Close();
        });
        if (e) ADD_FAILURE() << e->Description().toStdString();
        return e ? -1 : read.PTTTimeout;
    }

    // A configuration file left in WAL mode holding 77 in its -wal and 30 in the file.
    void LeaveInWal(const QString& path, bool keepIndex = true)
    {
        ConfigurationFile::Write(configuration(30), path);
        ASSERT_TRUE(WalFile::Commit(path, {QStringLiteral("update ModemSetting set PTTTimeout=77")}, keepIndex));
    }

    QTemporaryDir dir;
    RadioSpec spec{RadioSpecSource{QStringLiteral(MODEM_DATABASE_PATH), QStringLiteral("us"), nullptr, QString()}};
};

}  // namespace

TEST_F(ReplacedFileTest, ALinkAtTheNameGivesWayToTheFileAndWhatItNamesKeepsEveryByte)
{
    const QString elsewhere = Folder(QStringLiteral("home"));
    const QString folder = Folder(QStringLiteral("shared"));
    const QString fresh = folder + QStringLiteral("/fresh.mdb");
    ConfigurationFile::Write(configuration(45), fresh);
    const struct {
        const char* name;
        QString target;
        std::function<void(const QString&)> make;
    } cases[] = {
        {"a link to a text file", elsewhere + QStringLiteral("/.bashrc"),
         [](const QString& t) { ASSERT_TRUE(writeBytes(t, "alias ll='ls -l'\n")); }},
        {"a link to a read-only file", elsewhere + QStringLiteral("/notes.txt"),
         [](const QString& t) {
             ASSERT_TRUE(writeBytes(t, "keep\n"));
             ASSERT_TRUE(QFile::setPermissions(t, QFile::ReadOwner | QFile::ReadOther));
         }},
        {"a link to another configuration", elsewhere + QStringLiteral("/other.mdb"),
         [](const QString& t) { ConfigurationFile::Write(configuration(20), t); }},
        {"a link to a configuration in the same folder", folder + QStringLiteral("/real.mdb"),
         [](const QString& t) { ConfigurationFile::Write(configuration(20), t); }},
        {"a link that names nothing", elsewhere + QStringLiteral("/missing.mdb"), [](const QString&) {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder + QStringLiteral("/site.mdb");
        QFile::remove(path);
        QFile::remove(c.target);
        c.make(c.target);
        const QByteArray before = contents(c.target);
        const bool existed = QFileInfo::exists(c.target);
        ASSERT_TRUE(QFile::link(c.target, path));

        ConfigurationFile::Write(configuration(60), path);

        EXPECT_EQ(contents(c.target), before);
        EXPECT_EQ(QFileInfo::exists(c.target), existed);
        EXPECT_FALSE(QFileInfo(path).isSymLink());
        EXPECT_TRUE(S_ISREG(modeOf(path)));
        EXPECT_EQ(modeOf(path) & 07777, modeOf(fresh) & 07777) << "the mode of a new file, not the link's";
        EXPECT_EQ(OpenedPtt(path), 60);
        if (existed && c.target.startsWith(elsewhere)) {
            EXPECT_EQ(everyFileIn(folder), (QStringList{"fresh.mdb", "site.mdb"}));
        }
        QFile::setPermissions(c.target, QFile::ReadOwner | QFile::WriteOwner);
        QFile::remove(c.target);
    }
}

TEST_F(ReplacedFileTest, AnotherUsersLinkInAStickyFolderStaysAndSoDoesWhatItNames)
{
    const QString elsewhere = Folder(QStringLiteral("home"));
    const QString shared = Folder(QStringLiteral("tmp"));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    const QString target = elsewhere + QStringLiteral("/.bashrc");
    ASSERT_TRUE(writeBytes(target, "alias ll='ls -l'\n"));
    const QString path = shared + QStringLiteral("/site.mdb");
    ASSERT_TRUE(QFile::link(target, path));

    std::optional<RuntimeError> e;
    {
        // The link belongs to the test's user; the save runs as another one when it can.
        AsNobody nobody;
        e = RaisedError([&] { ConfigurationFile::Write(configuration(60), path); });
        if (nobody.Active()) {
            ASSERT_TRUE(e);
            EXPECT_EQ(e->Description(), QStringLiteral("Could not save the file '%1': Operation not permitted.").arg(path));
        } else {
            EXPECT_FALSE(e) << e->Description().toStdString();
        }
    }
    EXPECT_EQ(contents(target), QByteArray("alias ll='ls -l'\n"));
    EXPECT_EQ(QFileInfo(path).isSymLink(), bool(e)) << "replaced only by its owner";
    EXPECT_EQ(everyFileIn(shared), QStringList{QStringLiteral("site.mdb")});
}

TEST_F(ReplacedFileTest, OpenReadsWhatTheFileHoldsWithTheChangesInItsWal)
{
    const struct {
        const char* name;
        bool keepIndex;
        bool readOnlyFolder;
        // Beside the file after the read, besides the file and its -wal.
        QStringList created;
    } cases[] = {
        {"the -wal and its index", true, false, {"site.mdb-shm"}},
        {"the -wal without its index", false, false, {"site.mdb-shm"}},
        {"the -wal without its index in a folder the user may not write", false, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir own(dir.filePath(QStringLiteral("caseXXXXXX")));
        ::chmod(QFile::encodeName(own.path()).constData(), 0755);
        const QString path = own.filePath(QStringLiteral("site.mdb"));
        LeaveInWal(path, c.keepIndex);
        for (const QString& file : everyFileIn(own.path())) ::chmod(QFile::encodeName(own.filePath(file)).constData(), 0644);
        const QStringList before = everyFileIn(own.path());
        int read = 0;
        {
            std::optional<ReadOnlyFolder> readOnly;
            if (c.readOnlyFolder) {
                readOnly.emplace(own.path());
                ASSERT_TRUE(readOnly->Active());
            }
            read = OpenedPtt(path);
        }
        EXPECT_EQ(read, 77);
        QStringList expected = QStringList{"site.mdb", "site.mdb-wal"} + c.created;
        expected.sort();
        EXPECT_EQ(everyFileIn(own.path()), expected) << "before: " << before.join(' ').toStdString();
    }

    // A table that only the -wal holds.
    const QString folder = Folder(QStringLiteral("new"));
    const QString source = folder + QStringLiteral("/source.mdb");
    ConfigurationFile::Write(configuration(40), source);
    const QString schema = SqlFile::Rows(source, QStringLiteral("select sql from sqlite_master"))[0][0];
    const QString path = folder + QStringLiteral("/site.mdb");
    ASSERT_TRUE(WalFile::Commit(path, {QStringLiteral("attach '%1' as source").arg(source), schema,
                                       QStringLiteral("insert into ModemSetting select * from source.ModemSetting")}));
    EXPECT_EQ(OpenedPtt(path), 40);
}

TEST_F(ReplacedFileTest, SavingOverAFileInWalModeLeavesNothingOfTheOldFileBehind)
{
    const QString folder = Folder(QStringLiteral("cfg"));
    const QString path = folder + QStringLiteral("/site.mdb");
    const struct {
        const char* name;
        std::function<void()> leave;
    } cases[] = {
        {"a -wal and its index", [&] { LeaveInWal(path); }},
        {"a -wal alone", [&] { LeaveInWal(path, false); }},
        {"a -journal and an index left by a crash",
         [&] {
             ConfigurationFile::Write(configuration(30), path);
             ASSERT_TRUE(writeBytes(path + QStringLiteral("-journal"), QByteArray(512, '\x7f')));
             ASSERT_TRUE(writeBytes(path + QStringLiteral("-shm"), QByteArray(32768, '\0')));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& file : everyFileIn(folder)) QFile::remove(folder + QLatin1Char('/') + file);
        c.leave();

        ConfigurationFile::Write(configuration(60), path);

        EXPECT_EQ(everyFileIn(folder), QStringList{QStringLiteral("site.mdb")});
        EXPECT_EQ(WalFile::Value(path, PttOf), QStringLiteral("60")) << "as sqlite3 reads it";
        EXPECT_EQ(OpenedPtt(path), 60);
        EXPECT_EQ(SqlFile::Rows(path, PttOf), QList<QStringList>{{"60"}});
    }
}

TEST_F(ReplacedFileTest, AFailedSaveOverAFileInWalModeKeepsItsChanges)
{
    const QString folder = Folder(QStringLiteral("cfg"));
    const QString path = folder + QStringLiteral("/site.mdb");
    LeaveInWal(path);
    const QStringList before = everyFileIn(folder);
    ModemSetting refused = configuration(60);
    refused.NoOfSlot = 40000;
    EXPECT_TRUE(RaisedError([&] { ConfigurationFile::Write(refused, path); }));
    EXPECT_EQ(everyFileIn(folder), before);
    EXPECT_EQ(WalFile::Value(path, PttOf), QStringLiteral("77"));

    // The rename itself fails: what was moved aside comes back.
    const QString blocked = folder + QStringLiteral("/blocked.mdb");
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/inside")));
    ASSERT_TRUE(writeBytes(blocked + QStringLiteral("-wal"), "old frames"));
    EXPECT_TRUE(RaisedError([&] { ConfigurationFile::Write(configuration(60), blocked); }));
    EXPECT_EQ(contents(blocked + QStringLiteral("-wal")), QByteArray("old frames"));
    EXPECT_EQ(everyFileIn(folder), (QStringList{"blocked.mdb", "blocked.mdb-wal"} + before));
}

TEST_F(ReplacedFileTest, EveryNameTheFileSystemTakesIsSavedAndOpened)
{
    const QString folder = Folder(QStringLiteral("cfg"));
    for (const int length : {246, 250, 254, 255}) {
        SCOPED_TRACE(length);
        const QString path = folder + QLatin1Char('/') + QString(length - 4, u'n') + QStringLiteral(".mdb");
        ConfigurationFile::Write(configuration(45), path);
        ConfigurationFile::Write(configuration(60), path);
        EXPECT_EQ(OpenedPtt(path), 60);
        EXPECT_EQ(everyFileIn(folder), QStringList{QFileInfo(path).fileName()});
        QFile::remove(path);
    }

    const QString tooLong = folder + QLatin1Char('/') + QString(252, u'n') + QStringLiteral(".mdb");
    const std::optional<RuntimeError> e = RaisedError([&] { ConfigurationFile::Write(configuration(60), tooLong); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Description(), QStringLiteral("Could not save the file '%1': its name is too long (256 bytes; the "
                                               "folder takes names of at most 255).")
                                    .arg(tooLong));
    EXPECT_TRUE(everyFileIn(folder).isEmpty());
}

TEST_F(ReplacedFileTest, PathsLongerThanTheDatabaseEngineTakesAreSavedAndOpened)
{
    for (const int depth : {5, 12}) {
        SCOPED_TRACE(depth);
        QString folder = dir.path();
        for (int i = 0; i < depth; ++i) folder += QLatin1Char('/') + QString(100, QLatin1Char('a' + i));
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/site.mdb");
        ASSERT_GT(QFile::encodeName(path).size(), 512);

        ConfigurationFile::Write(configuration(45), path);
        ConfigurationFile::Write(configuration(60), path);
        EXPECT_EQ(OpenedPtt(path), 60);
        EXPECT_EQ(everyFileIn(folder), QStringList{QStringLiteral("site.mdb")});

        // A file left in WAL mode whose folder was moved down there.
        const QString moved = folder + QStringLiteral("/moved");
        const QString shortFolder = Folder(QStringLiteral("short"));
        LeaveInWal(shortFolder + QStringLiteral("/site.mdb"));
        ASSERT_TRUE(QDir().rename(shortFolder, moved));
        EXPECT_EQ(OpenedPtt(moved + QStringLiteral("/site.mdb")), 77);
        ConfigurationFile::Write(configuration(60), moved + QStringLiteral("/site.mdb"));
        EXPECT_EQ(everyFileIn(moved), QStringList{QStringLiteral("site.mdb")});
        EXPECT_EQ(OpenedPtt(moved + QStringLiteral("/site.mdb")), 60);
    }
}

TEST_F(ReplacedFileTest, EveryPathLengthAroundTheEnginesLimitIsSavedAndOpened)
{
    QString folder = dir.path();
    while (folder.size() < 440) folder += QStringLiteral("/") + QString(40, u'f');
    ASSERT_TRUE(QDir().mkpath(folder));
    // Both sides of the engine's limit, for the file and for its hidden name beside it.
    for (int length = Connection::EngineLongestPath() - 20; length <= Connection::EngineLongestPath() + 12; ++length) {
        SCOPED_TRACE(length);
        const QString path =
            folder + QLatin1Char('/') + QString(length - folder.size() - 5, u'n') + QStringLiteral(".mdb");
        ASSERT_EQ(QFile::encodeName(path).size(), length);
        ConfigurationFile::Write(configuration(45), path);
        ConfigurationFile::Write(configuration(60), path);
        EXPECT_EQ(OpenedPtt(path), 60);
        EXPECT_EQ(everyFileIn(folder), QStringList{QFileInfo(path).fileName()});
        QFile::remove(path);
    }
}

TEST_F(ReplacedFileTest, PathsUpToTheLongestTheSystemTakesAreSavedAndOpenedWhateverTheName)
{
    for (const int length : {4083, 4090, 4095, 4096}) {
        SCOPED_TRACE(length);
        // A name shorter than the hidden one beside it.
        const QString name = QStringLiteral("a.mdb");
        QString folder = dir.filePath(QStringLiteral("len%1").arg(length));
        const int folderLength = length - 1 - int(name.size());
        while (folder.size() + 201 < folderLength) folder += QLatin1Char('/') + QString(200, u'd');
        folder += QLatin1Char('/') + QString(folderLength - folder.size() - 1, u'e');
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = folder + QLatin1Char('/') + name;
        ASSERT_EQ(QFile::encodeName(path).size(), length);

        const std::optional<RuntimeError> e = RaisedError([&] {
            ConfigurationFile::Write(configuration(45), path);
            ConfigurationFile::Write(configuration(60), path);
        });
        if (length < PATH_MAX) {
            EXPECT_FALSE(e) << e->Description().toStdString();
            EXPECT_EQ(OpenedPtt(path), 60);
            EXPECT_EQ(everyFileIn(folder), QStringList{name});
        } else {
            ASSERT_TRUE(e);
            EXPECT_EQ(e->Description(), QStringLiteral("Could not save the file '%1': its path is too long (4096 "
                                                       "bytes; the system takes paths of at most 4095).")
                                            .arg(path));
            EXPECT_TRUE(everyFileIn(folder).isEmpty());
        }
    }
}

TEST_F(ReplacedFileTest, AFolderNamedLikeASideFileStaysAsItIs)
{
    const QString folder = Folder(QStringLiteral("cfg"));
    const QString path = folder + QStringLiteral("/site.mdb");
    ConfigurationFile::Write(configuration(30), path);
    for (const char* suffix : {"-shm", "-wal", "-journal"}) ASSERT_TRUE(QDir().mkdir(path + QLatin1String(suffix)));
    ASSERT_TRUE(writeBytes(path + QStringLiteral("-wal/notes"), "mine\n"));

    ConfigurationFile::Write(configuration(60), path);

    EXPECT_EQ(everyFileIn(folder), (QStringList{"site.mdb", "site.mdb-journal", "site.mdb-shm", "site.mdb-wal"}));
    EXPECT_EQ(contents(path + QStringLiteral("-wal/notes")), QByteArray("mine\n"));
    EXPECT_EQ(OpenedPtt(path), 60);
}

TEST_F(ReplacedFileTest, OpenShowsWhatAWriterThatStoppedMidTransactionCommittedAndTouchesNothing)
{
    const QString source = Folder(QStringLiteral("source")) + QStringLiteral("/site.mdb");
    ConfigurationFile::Write(configuration(30), source);
    for (const bool readOnlyFolder : {false, true}) {
        SCOPED_TRACE(readOnlyFolder ? "in a folder the user may not write" : "in the user's folder");
        QTemporaryDir own(dir.filePath(QStringLiteral("caseXXXXXX")));
        ::chmod(QFile::encodeName(own.path()).constData(), 0755);
        const QString path = own.filePath(QStringLiteral("site.mdb"));
        ASSERT_TRUE(CrashedWriter::Leave(source, {QStringLiteral("update ModemSetting set PTTTimeout=66")}, path));
        const QByteArray file = contents(path);
        const QByteArray journal = contents(path + QStringLiteral("-journal"));
        ASSERT_NE(file, contents(source)) << "the uncommitted change is in the file";
        int read = 0;
        {
            std::optional<ReadOnlyFolder> readOnly;
            if (readOnlyFolder) readOnly.emplace(own.path());
            read = OpenedPtt(path);
        }
        EXPECT_EQ(read, 30);
        EXPECT_EQ(contents(path), file);
        EXPECT_EQ(contents(path + QStringLiteral("-journal")), journal);
        EXPECT_EQ(everyFileIn(own.path()), (QStringList{"site.mdb", "site.mdb-journal"}));
    }
}

namespace {

// TMPDIR as the test sets it, restored when the test ends.
class TemporaryFolderSetting {
public:
    explicit TemporaryFolderSetting(const QString& folder)
        : had_(qEnvironmentVariableIsSet("TMPDIR")), old_(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(folder));
    }
    ~TemporaryFolderSetting()
    {
        if (had_) qputenv("TMPDIR", old_);
        else qunsetenv("TMPDIR");
    }

private:
    bool had_;
    QByteArray old_;
};

}  // namespace

TEST_F(ReplacedFileTest, OnlyPathsTheEngineCannotReachNeedTheTemporaryFolderAndItsFaultIsNamed)
{
    QString deep = dir.path();
    for (int i = 0; i < 6; ++i) deep += QLatin1Char('/') + QString(100, QLatin1Char('a' + i));
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString far = deep + QStringLiteral("/site.mdb");
    ConfigurationFile::Write(configuration(45), far);
    const QString near = Folder(QStringLiteral("cfg")) + QStringLiteral("/site.mdb");
    const QString aFile = dir.filePath(QStringLiteral("not-a-folder"));
    ASSERT_TRUE(writeBytes(aFile, "x"));

    const struct {
        const char* name;
        QString folder;
        QString cause;
    } cases[] = {
        {"a file", aFile, QString::fromLocal8Bit(std::strerror(ENOTDIR))},
        {"a folder that does not exist", dir.filePath(QStringLiteral("gone")),
         QString::fromLocal8Bit(std::strerror(ENOENT))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryFolderSetting setting(c.folder);
        ConfigurationFile::Write(configuration(60), near);
        EXPECT_EQ(OpenedPtt(near), 60);
        EXPECT_EQ(everyFileIn(QFileInfo(near).path()), QStringList{QStringLiteral("site.mdb")});

        const std::optional<RuntimeError> saved =
            RaisedError([&] { ConfigurationFile::Write(configuration(60), far); });
        ASSERT_TRUE(saved);
        const QString hidden = QString(13, u'h');
        EXPECT_EQ(saved->Description(),
                  QStringLiteral("Could not save the file '%1': its path is too long for the database engine to "
                                 "build it in its folder (%2 bytes; the engine takes at most %3), and the temporary "
                                 "folder '%4', where it is built instead, cannot be used: %5.")
                      .arg(far)
                      .arg(QFile::encodeName(deep + QLatin1Char('/') + hidden).size())
                      .arg(Connection::EngineLongestPath())
                      .arg(c.folder, c.cause));
        EXPECT_EQ(everyFileIn(deep), QStringList{QStringLiteral("site.mdb")});

        const std::optional<RuntimeError> opened = RaisedError([&] { ConfigurationFile::Open(far); });
        ASSERT_TRUE(opened);
        EXPECT_EQ(opened->Description(), QStringLiteral("The file '%1' is read through a copy in the temporary "
                                                        "folder '%2', which cannot be used: %3.")
                                             .arg(far, c.folder, c.cause));
    }
    EXPECT_EQ(OpenedPtt(far), 45) << "the file stays as it was";
}
