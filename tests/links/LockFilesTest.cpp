#include "HeldTerminal.h"
#include "LockFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>
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

TEST(LockFilesTest, OnlyALockOfARunningProcessHolds)
{
    const QByteArray self = QByteArray::number(qint64(::getpid())).rightJustified(10, ' ') + '\n';
    const QByteArray gone = QByteArray::number(qint64(GonePid())).rightJustified(10, ' ') + '\n';
    const HeldCase cases[] = {
        {"no file", QByteArray(), false},
        {"running, as text", self, true},
        {"running, binary", binaryPid(int32_t(::getpid())), true},
        {"the init process", "1\n", true},
        {"gone", gone, false},
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

}  // namespace
