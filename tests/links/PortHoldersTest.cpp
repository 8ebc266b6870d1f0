// Both of the library's ports on a device that another program has: one that
// marks it as its own is refused, one that only has it open keeps its line as
// it was, and a closed port gives the line back with its old attributes.
#include "DevicePort.h"
#include "HeldTerminal.h"
#include "PseudoTerminal.h"
#include "ProbePort.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

namespace {

int raisedNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

QByteArray textPid(long pid) { return QByteArray::number(qint64(pid)).rightJustified(10, ' ') + '\n'; }

QByteArray binaryPid(long pid)
{
    const int32_t value = int32_t(pid);
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

// The lock file names serial tools give a device.
enum class LockName { Base, PathBelowDev, Numbers };

QString lockName(const QString& device, LockName name)
{
    switch (name) {
    case LockName::Base: return "LCK.." + device.section('/', -1);
    case LockName::PathBelowDev: return "LCK.." + device.mid(5).replace('/', '_');
    case LockName::Numbers: {
        struct stat st{};
        ::stat(QFile::encodeName(device).constData(), &st);
        return QString::asprintf("LCK.%03u.%03u", major(st.st_rdev), minor(st.st_rdev));
    }
    }
    return {};
}

struct PortKind {
    const char* name;
    // The control drops what arrived before it set the line up.
    bool keepsInput;
    std::function<std::unique_ptr<SerialPort>(const QString& device, const QString& lockFolder)> make;
};

const PortKind Ports[] = {
    {"the control's port", false,
     [](const QString& device, const QString& lockFolder) {
         auto port = std::make_unique<DevicePort>();
         port->SetDevicePath(device);
         port->SetLockFolder(lockFolder);
         return std::unique_ptr<SerialPort>(std::move(port));
     }},
    {"the probe's port", true,
     [](const QString& device, const QString& lockFolder) {
         auto port = std::make_unique<ProbePort>();
         port->SetDevicePath(device);
         port->SetLockFolder(lockFolder);
         return std::unique_ptr<SerialPort>(std::move(port));
     }},
};

struct HoldCase {
    const char* name;
    HeldTerminal::Mark mark;
    // A lock file, when content is not null.
    LockName lockName;
    QByteArray content;
    bool refused;
};

const HoldCase Holds[] = {
    {"only open", HeldTerminal::Mark::None, LockName::Base, {}, false},
    {"flock", HeldTerminal::Mark::Flock, LockName::Base, {}, true},
    {"open-file lock", HeldTerminal::Mark::OpenFileLock, LockName::Base, {}, true},
    {"exclusive mode", HeldTerminal::Mark::Exclusive, LockName::Base, {}, true},
    {"lock file", HeldTerminal::Mark::None, LockName::Base, textPid(OtherRunningPid()), true},
    {"lock file, binary", HeldTerminal::Mark::None, LockName::Base, binaryPid(OtherRunningPid()), true},
    {"lock file by path", HeldTerminal::Mark::None, LockName::PathBelowDev, textPid(OtherRunningPid()), true},
    {"lock file by numbers", HeldTerminal::Mark::None, LockName::Numbers, textPid(OtherRunningPid()), true},
    {"stale lock file", HeldTerminal::Mark::None, LockName::Base, textPid(GonePid()), false},
    {"stale binary lock file", HeldTerminal::Mark::None, LockName::Base, binaryPid(GonePid()), false},
};

TEST(PortHoldersTest, ADeviceMarkedAsAnotherProgramsIsInUseAndKeepsItsLine)
{
    for (const PortKind& kind : Ports) {
        for (const HoldCase& hold : Holds) {
            SCOPED_TRACE(testing::Message() << kind.name << ", " << hold.name);
            const HeldTerminal terminal(hold.mark);
            ASSERT_TRUE(terminal.IsValid());
            QTemporaryDir locks;
            if (!hold.content.isNull()) {
                QFile lock(locks.filePath(lockName(terminal.Path(), hold.lockName)));
                ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
                lock.write(hold.content);
            }
            const HeldTerminal::State before = terminal.Now();
            const std::unique_ptr<SerialPort> port = kind.make(terminal.Path(), locks.path());

            EXPECT_EQ(raisedNumber([&] { port->setPortOpen(true); }), hold.refused ? RuntimeError::PortAlreadyOpen : 0);
            EXPECT_EQ(port->PortOpen(), !hold.refused);
            port->setPortOpen(false);
            HeldTerminal::State expected = before;
            if (!hold.refused && !kind.keepsInput) expected.waiting = 0;
            EXPECT_EQ(terminal.Now(), expected);
            if (expected.waiting > 0) {
                EXPECT_EQ(terminal.ReadLine(), HeldTerminal::TypedLine);
            }
        }
    }
}

TEST(PortHoldersTest, TheProbeTouchesNothingWhileItHasTheDevice)
{
    const HeldTerminal terminal;
    ASSERT_TRUE(terminal.IsValid());
    const HeldTerminal::State before = terminal.Now();
    ProbePort probe;
    probe.SetDevicePath(terminal.Path());
    probe.setRTSEnable(true);
    probe.setDTREnable(true);
    probe.setPortOpen(true);
    ASSERT_TRUE(probe.PortOpen());
    probe.setSettings(QStringLiteral("1200,N,8,1"));
    probe.setInBufferCount(0);
    probe.setOutBufferCount(0);
    EXPECT_EQ(probe.InBufferCount(), 0);
    EXPECT_EQ(probe.Input(), QByteArray());
    EXPECT_EQ(raisedNumber([&] { probe.Output("x"); }), RuntimeError::DeviceUnavailable);
    EXPECT_EQ(terminal.Now(), before);
    probe.setPortOpen(false);
    EXPECT_EQ(terminal.Now(), before);
    EXPECT_EQ(terminal.ReadLine(), HeldTerminal::TypedLine);
}

// A line that some other program left cooked at another rate.
void cook(int fd)
{
    termios line{};
    ASSERT_EQ(::tcgetattr(fd, &line), 0);
    cfsetispeed(&line, B115200);
    cfsetospeed(&line, B115200);
    line.c_iflag |= ICRNL | IXON;
    line.c_oflag |= OPOST | ONLCR;
    line.c_lflag |= ICANON | ECHO | ISIG | IEXTEN;
    line.c_cc[VMIN] = 1;
    line.c_cc[VTIME] = 5;
    ASSERT_EQ(::tcsetattr(fd, TCSANOW, &line), 0);
}

TEST(PortHoldersTest, ClosingGivesTheLineBackAsItWas)
{
    PseudoTerminal pty;
    ASSERT_TRUE(pty.IsValid());
    cook(pty.Master());
    const HeldTerminal::State before = HeldTerminal::LineOf(pty.Master());
    DevicePort port;
    port.SetDevicePath(pty.SlavePath());
    // As the two links use it: the modem's rate, then the radio's.
    for (const char* settings : {"9600,N,8,1", "1200,N,8,1"}) {
        SCOPED_TRACE(settings);
        port.setSettings(QString::fromLatin1(settings));
        port.setDTREnable(settings[0] == '1');
        port.setPortOpen(true);
        EXPECT_NE(HeldTerminal::LineOf(pty.Master()), before);
        port.Output("frame\r");
        port.setPortOpen(false);
        // The last frame went out whole, as the program sent it (no newline translation).
        EXPECT_EQ(pty.Read(6, 2000), QByteArray("frame\r"));
        EXPECT_EQ(HeldTerminal::LineOf(pty.Master()), before);
    }
}

TEST(PortHoldersTest, WhileOpenTheDeviceIsMarkedAsThisProgramsOwn)
{
    PseudoTerminal pty;
    ASSERT_TRUE(pty.IsValid());
    DevicePort port;
    port.SetDevicePath(pty.SlavePath());
    port.setPortOpen(true);

    const int other = ::open(QFile::encodeName(pty.SlavePath()).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (other < 0) {
        // Exclusive mode turns an unprivileged opener away at once.
        EXPECT_EQ(errno, EBUSY);
    } else {
        int exclusive = 0;
        EXPECT_EQ(::ioctl(other, TIOCGEXCL, &exclusive), 0);
        EXPECT_EQ(exclusive, 1);
        EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
        EXPECT_EQ(errno, EWOULDBLOCK);
        ::close(other);
    }

    port.setPortOpen(false);
    const int after = ::open(QFile::encodeName(pty.SlavePath()).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(after, 0);
    int exclusive = 1;
    EXPECT_EQ(::ioctl(after, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    EXPECT_EQ(::flock(after, LOCK_EX | LOCK_NB), 0);
    ::close(after);
}

}  // namespace
