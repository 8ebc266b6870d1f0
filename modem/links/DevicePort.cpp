#include "DevicePort.h"

#include "DeviceAccess.h"
#include "PortMap.h"
#include "RuntimeError.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int DrainSpareMs = 500;

struct LineSettings {
    speed_t speed;
    tcflag_t cflag; // parity, data and stop bits
};

speed_t speedFor(int rate)
{
    switch (rate) {
    case 110: return B110;
    case 300: return B300;
    case 600: return B600;
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    default: throw RuntimeError::invalidArgument();
    }
}

// "9600,N,8,1": rate, parity (N, O or E), data bits (7 or 8), stop bits (1 or 2).
LineSettings parseSettings(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) throw RuntimeError::invalidArgument();
    bool ok = false;
    const int rate = parts[0].trimmed().toInt(&ok);
    if (!ok) throw RuntimeError::invalidArgument();
    LineSettings line{speedFor(rate), 0};

    const QString parity = parts[1].trimmed().toUpper();
    if (parity == QLatin1String("E")) line.cflag |= PARENB;
    else if (parity == QLatin1String("O")) line.cflag |= PARENB | PARODD;
    else if (parity != QLatin1String("N")) throw RuntimeError::invalidArgument();

    const QString data = parts[2].trimmed();
    if (data == QLatin1String("8")) line.cflag |= CS8;
    else if (data == QLatin1String("7")) line.cflag |= CS7;
    else throw RuntimeError::invalidArgument();

    const QString stop = parts[3].trimmed();
    if (stop == QLatin1String("2")) line.cflag |= CSTOPB;
    else if (stop != QLatin1String("1")) throw RuntimeError::invalidArgument();
    return line;
}

// Poll wants whole milliseconds; rounding up keeps the last step from
// becoming a zero-time poll that spins.
int millisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::max<decltype(left)>(left, 0));
}

} // namespace

DevicePort::~DevicePort() { close(); }

QString DevicePort::DeviceName() const { return devicePath_.isEmpty() ? PortMap::DevicePath(CommPort()) : devicePath_; }

void DevicePort::setPortOpen(bool open)
{
    if (open) this->open();
    else close();
}

void DevicePort::open()
{
    if (PortOpen()) throw DeviceAccess::PortAlreadyOpen();
    const QString path = DeviceName();
    if (path.isEmpty()) throw DeviceAccess::InvalidPortNumber();
    // Settings are checked before the device is touched.
    parseSettings(Settings());

    const int fd = DeviceAccess::Open(path, LockFolder());
    // What the line was before this program took it is what it gets back.
    if (::tcgetattr(fd, &before_) != 0) {
        ::close(fd);
        throw DeviceAccess::InvalidPortNumber();
    }
    // Exclusive mode turns away other programs' opens, which would take the
    // modem's replies or break into a write.
    ::ioctl(fd, TIOCEXCL);

    fd_ = fd;
    try {
        applyLineSettings();
        applyModemLines();
    } catch (...) {
        close();
        throw;
    }
    // Whatever arrived before the line was raw is noise.
    ::tcflush(fd_, TCIOFLUSH);
    received_.clear();
}

void DevicePort::close()
{
    if (!PortOpen()) return;
    // The last frames leave at this program's rate before the line is given
    // back; a line that stops sending does not hold up the close for long.
    const int rate = std::max(BaudRate(), 50);
    if (WaitForOutput(OutBufferCount() * 10 * 1000 / rate + DrainSpareMs))
        while (::tcdrain(fd_) != 0 && errno == EINTR) {
        }
    ::tcsetattr(fd_, TCSANOW, &before_);
    ::ioctl(fd_, TIOCNXCL);
    // A copy of the descriptor held elsewhere (the power test's guard) would
    // keep the lock, and with it this program's next open, out.
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
    received_.clear();
}

QString DevicePort::LockFolder() const { return lockFolder_.isEmpty() ? PortMap::LockFolder() : lockFolder_; }

void DevicePort::requireOpen() const
{
    if (!PortOpen()) throw DeviceAccess::PortNotOpen();
}

void DevicePort::ApplySettings(const QString& settings, termios& attributes)
{
    const LineSettings line = parseSettings(settings);
    ::cfmakeraw(&attributes);
    attributes.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY | INPCK);
    attributes.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    attributes.c_cflag |= line.cflag | CLOCAL | CREAD;
    attributes.c_cc[VMIN] = 0;
    attributes.c_cc[VTIME] = 0;
    ::cfsetispeed(&attributes, line.speed);
    ::cfsetospeed(&attributes, line.speed);
}

void DevicePort::applyLineSettings()
{
    termios attributes{};
    if (::tcgetattr(fd_, &attributes) != 0) throw RuntimeError::deviceUnavailable();
    ApplySettings(Settings(), attributes);
    if (::tcsetattr(fd_, TCSANOW, &attributes) != 0) throw RuntimeError::deviceUnavailable();
}

void DevicePort::applyModemLines()
{
    const auto set = [this](int line, bool on) {
        int bits = line;
        if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits) == 0) return;
        // A pseudo-terminal has no modem lines.
        if (errno == ENOTTY || errno == EINVAL) return;
        throw RuntimeError::deviceUnavailable();
    };
    set(TIOCM_DTR, DTREnable());
    set(TIOCM_RTS, RTSEnable());
}

void DevicePort::readWaiting()
{
    if (!PortOpen()) return;
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n > 0) received_.append(chunk, n);
        else if (n < 0 && errno == EINTR) continue;
        else return;
    }
}

int DevicePort::InBufferCount()
{
    readWaiting();
    return int(received_.size());
}

void DevicePort::setInBufferCount(int count)
{
    if (count != 0 || !PortOpen()) return;
    ::tcflush(fd_, TCIFLUSH);
    received_.clear();
}

int DevicePort::OutBufferCount()
{
    if (!PortOpen()) return 0;
    int pending = 0;
    if (::ioctl(fd_, TIOCOUTQ, &pending) != 0) return 0;
    return pending;
}

void DevicePort::setOutBufferCount(int count)
{
    if (count != 0 || !PortOpen()) return;
    ::tcflush(fd_, TCOFLUSH);
}

QByteArray DevicePort::Input()
{
    requireOpen();
    readWaiting();
    const qsizetype count = InputLen() > 0 ? std::min<qsizetype>(InputLen(), received_.size()) : received_.size();
    QByteArray units = received_.left(count);
    received_.remove(0, count);
    return units;
}

void DevicePort::Output(const QByteArray& data)
{
    requireOpen();
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::write(fd_, data.constData() + sent, size_t(data.size() - sent));
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd writable{fd_, POLLOUT, 0};
            if (::poll(&writable, 1, -1) < 0 && errno != EINTR) throw RuntimeError::deviceUnavailable();
            if (writable.revents & (POLLERR | POLLHUP | POLLNVAL)) throw RuntimeError::deviceUnavailable();
            continue;
        }
        throw RuntimeError::deviceUnavailable();
    }
}

bool DevicePort::WaitForInput(int ms)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(ms, 0));
    if (!PortOpen()) {
        std::this_thread::sleep_until(deadline);
        return false;
    }
    for (;;) {
        readWaiting();
        if (!received_.isEmpty()) return true;
        const int left = millisecondsUntil(deadline);
        if (left == 0) return false;
        pollfd readable{fd_, POLLIN, 0};
        const int ready = ::poll(&readable, 1, left);
        if (ready < 0 && errno == EINTR) continue;
        if (ready == 0) continue;
        readWaiting();
        if (!received_.isEmpty()) return true;
        // Woken with nothing to read: the device hung up or failed, and
        // polling it again would return at once.
        std::this_thread::sleep_until(deadline);
        return false;
    }
}

bool DevicePort::WaitForOutput(int ms)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(ms, 0));
    for (;;) {
        if (OutBufferCount() == 0) return true;
        const Clock::time_point now = Clock::now();
        if (now >= deadline) return false;
        std::this_thread::sleep_for(std::min<Clock::duration>(std::chrono::milliseconds(1), deadline - now));
    }
}
