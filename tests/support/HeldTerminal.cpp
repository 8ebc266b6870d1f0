#include "HeldTerminal.h"

#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

HeldTerminal::State stateOf(int fd)
{
    HeldTerminal::State state;
    termios line{};
    if (::tcgetattr(fd, &line) != 0) return state;
    state.inputSpeed = cfgetispeed(&line);
    state.outputSpeed = cfgetospeed(&line);
    state.iflag = line.c_iflag;
    state.oflag = line.c_oflag;
    state.cflag = line.c_cflag;
    state.lflag = line.c_lflag;
    state.controlChars = QByteArray(reinterpret_cast<const char*>(line.c_cc), sizeof line.c_cc);
    return state;
}

// The line discipline takes typed input in asynchronously.
bool waitForInput(int fd, int count)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    int waiting = 0;
    while (::ioctl(fd, FIONREAD, &waiting) == 0 && waiting < count) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return waiting == count;
}

void drain(int fd)
{
    char chunk[256];
    pollfd readable{fd, POLLIN, 0};
    while (::poll(&readable, 1, 20) > 0 && ::read(fd, chunk, sizeof chunk) > 0) {
    }
}

bool mark(int fd, HeldTerminal::Mark mark)
{
    switch (mark) {
    case HeldTerminal::Mark::None: return true;
    case HeldTerminal::Mark::Flock: return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    case HeldTerminal::Mark::RecordLock:
    case HeldTerminal::Mark::OpenFileLock: {
        struct flock lock{};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        return ::fcntl(fd, mark == HeldTerminal::Mark::RecordLock ? F_SETLK : F_OFD_SETLK, &lock) == 0;
    }
    case HeldTerminal::Mark::Exclusive: return ::ioctl(fd, TIOCEXCL) == 0;
    }
    return false;
}

}  // namespace

const QByteArray HeldTerminal::TypedLine("waiting input!\n");

HeldTerminal::HeldTerminal(Mark how)
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
    path_ = QString::fromLocal8Bit(::ptsname(master_));
    holder_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (holder_ < 0) return;

    termios line{};
    if (::tcgetattr(holder_, &line) != 0) return;
    cfsetispeed(&line, B115200);
    cfsetospeed(&line, B115200);
    line.c_lflag |= ICANON | ECHO;
    if (::tcsetattr(holder_, TCSANOW, &line) != 0) return;

    if (::write(master_, TypedLine.constData(), size_t(TypedLine.size())) != TypedLine.size()) return;
    if (!waitForInput(holder_, int(TypedLine.size()))) return;
    drain(master_);  // the echo
    valid_ = mark(holder_, how);
}

HeldTerminal::~HeldTerminal()
{
    if (holder_ >= 0) {
        ::ioctl(holder_, TIOCNXCL);
        ::close(holder_);
    }
    if (master_ >= 0) ::close(master_);
}

HeldTerminal::State HeldTerminal::Now() const
{
    State state = stateOf(holder_);
    if (::ioctl(holder_, FIONREAD, &state.waiting) != 0) state.waiting = -1;
    return state;
}

QByteArray HeldTerminal::ReadLine() const
{
    char chunk[256];
    const ssize_t n = ::read(holder_, chunk, sizeof chunk);
    return n > 0 ? QByteArray(chunk, n) : QByteArray();
}

HeldTerminal::State HeldTerminal::LineOf(const QString& device)
{
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {};
    const State state = stateOf(fd);
    ::close(fd);
    return state;
}

HeldTerminal::State HeldTerminal::LineOf(int fd) { return stateOf(fd); }

void PrintTo(const HeldTerminal::State& state, std::ostream* os)
{
    *os << std::hex << "speed " << state.inputSpeed << '/' << state.outputSpeed << " iflag " << state.iflag
        << " oflag " << state.oflag << " cflag " << state.cflag << " lflag " << state.lflag << " cc "
        << state.controlChars.toHex().constData() << std::dec << " waiting " << state.waiting;
}

long OtherRunningPid() { return long(::getppid()); }

long GonePid()
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    if (child < 0) return -1;
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}
