#include "HeldTerminal.h"
#include "LockFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

QByteArray binaryPid(int32_t pid)
{
    QByteArray bytes(sizeof pid, '\0');
    std::memcpy(bytes.data(), &pid, sizeof pid);
    return bytes;
}

struct OwnerCase {
    const char* name;
    QByteArray content;
    long owner;
};

TEST(LockFilesTest, TheOwnerIsReadInEveryFormSerialToolsWrite)
{
    const OwnerCase cases[] = {
        {"padded text", "      4242\n", 4242},
        {"bare text", "4242", 4242},
        {"text and the owner's name", "  4242 minicom root\n", 4242},
        {"four digits", "1234", 1234},
        {"binary", binaryPid(4242), 4242},
        {"binary of a large id", binaryPid(3'999'999), 3'999'999},
        {"empty", "", 0},
        {"no number", "locked\n", 0},
        {"zero", "         0\n", 0},
        {"negative", "-17\n", 0},
    };
    for (const OwnerCase& c : cases) EXPECT_EQ(LockFiles::OwnerIn(c.content), c.owner) << c.name;
}

TEST(LockFilesTest, ADeviceIsLookedUpByItsNameItsPathAndItsNumbers)
{
    const HeldTerminal terminal;
    ASSERT_TRUE(terminal.IsValid());
    const QString number = terminal.Path().section('/', -1);
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(terminal.Path()).constData(), &st), 0);
    const QString numbers = QString::asprintf("/locks/LCK.%03u.%03u", major(st.st_rdev), minor(st.st_rdev));

    EXPECT_EQ(LockFiles::Paths(terminal.Path(), "/locks"),
              (QStringList{"/locks/LCK.." + number, "/locks/LCK..pts_" + number, numbers}));
    EXPECT_EQ(LockFiles::Paths("/dev/ttyS0", "/locks").mid(0, 1), QStringList{"/locks/LCK..ttyS0"});
    EXPECT_EQ(LockFiles::Paths("/dev/serial-none/ttyX", "/locks"),
              (QStringList{"/locks/LCK..ttyX", "/locks/LCK..serial-none_ttyX"}));
}

TEST(LockFilesTest, ALinkIsAlsoLookedUpUnderItsDevicesName)
{
    const HeldTerminal terminal;
    ASSERT_TRUE(terminal.IsValid());
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyLink");
    ASSERT_TRUE(QFile::link(terminal.Path(), link));
    EXPECT_TRUE(LockFiles::Paths(link, "/locks").contains("/locks/LCK..ttyLink"));
    EXPECT_TRUE(LockFiles::Paths(link, "/locks").contains("/locks/LCK..pts_" + terminal.Path().section('/', -1)));
}

struct HeldCase {
    const char* name;
    QByteArray content;  // null: no file
    bool held;
};

QByteArray textPid(long pid) { return QByteArray::number(qint64(pid)).rightJustified(10, ' ') + '\n'; }

TEST(LockFilesTest, OnlyALockOfARunningProcessHolds)
{
    const long other = OtherRunningPid();
    const HeldCase cases[] = {
        {"no file", QByteArray(), false},
        {"running, as text", textPid(other), true},
        {"running, binary", binaryPid(int32_t(other)), true},
        {"the init process", "1\n", true},
        {"gone", textPid(GonePid()), false},
        {"this very process, as text", textPid(long(::getpid())), false},
        {"this very process, binary", binaryPid(int32_t(::getpid())), false},
        {"names no process", "locked\n", false},
        {"empty", "", false},
    };
    for (const HeldCase& c : cases) {
        QTemporaryDir dir;
        const QString path = dir.filePath("LCK..ttyS0");
        if (!c.content.isNull()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        EXPECT_EQ(LockFiles::FileHeld(path), c.held) << c.name;
        EXPECT_EQ(LockFiles::Held("/dev/ttyS0", dir.path()), c.held) << c.name;
    }
}

struct EntryCase {
    const char* name;
    std::function<bool(const QString& path)> make;
};

TEST(LockFilesTest, OnlyARegularFileIsReadAndNothingElseEverWaitsOrHolds)
{
    QTemporaryDir dir;
    const QString running = dir.filePath("running");
    {
        QFile file(running);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(textPid(OtherRunningPid()));
    }
    ASSERT_TRUE(LockFiles::FileHeld(running));
    const EntryCase cases[] = {
        {"a FIFO", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0666) == 0; }},
        {"a folder", [](const QString& p) { return QDir().mkdir(p); }},
        {"a link to a lock of a running process", [&](const QString& p) { return QFile::link(running, p); }},
        {"a link to a device", [](const QString& p) { return QFile::link("/dev/zero", p); }},
        {"a link to a FIFO",
         [&](const QString& p) {
             const QString fifo = dir.filePath("fifo");
             return ::mkfifo(QFile::encodeName(fifo).constData(), 0666) == 0 && QFile::link(fifo, p);
         }},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString path = folder.filePath("LCK..ttyS0");
        ASSERT_TRUE(c.make(path));
        auto held = std::async(std::launch::async, [&] { return LockFiles::Held("/dev/ttyS0", folder.path()); });
        if (held.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "reading the lock waits";
            // A writer lets a reader blocked in the FIFO's open go.
            const int fd = ::open(QFile::encodeName(QFileInfo(path).canonicalFilePath()).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
        }
        EXPECT_FALSE(held.get());
    }
}

}  // namespace
