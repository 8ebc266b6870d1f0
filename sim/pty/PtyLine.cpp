#include "PtyLine.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

struct Rate {
    speed_t code;
    int baud;
};

constexpr Rate Rates[] = {
    {B50, 50},         {B75, 75},         {B110, 110},       {B134, 134},       {B150, 150},
    {B200, 200},       {B300, 300},       {B600, 600},       {B1200, 1200},     {B1800, 1800},
    {B2400, 2400},     {B4800, 4800},     {B9600, 9600},     {B19200, 19200},   {B38400, 38400},
    {B57600, 57600},   {B115200, 115200}, {B230400, 230400}, {B460800, 460800}, {B921600, 921600},
};

// The slave's own end, opened for a moment; never our controlling terminal.
int openSlave(const std::string& path) { return open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC); }

}  // namespace

PtyLine::PtyLine()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) fail("posix_openpt");
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) fail("grantpt");
    const char* name = ptsname(master_);
    if (!name) fail("ptsname");
    slavePath_ = name;

    // Termios calls on the master act on the slave: raw 8N1 at 9600, no echo.
    termios t{};
    if (tcgetattr(master_, &t) != 0) fail("tcgetattr");
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    if (tcsetattr(master_, TCSANOW, &t) != 0) fail("tcsetattr");

    watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ >= 0 && inotify_add_watch(watch_, name, IN_OPEN | IN_CLOSE) < 0) {
        close(watch_);
        watch_ = -1;
    }
    // A slave never opened reports no hang-up, and what is written before the
    // first open would wait for it; one open and close puts the line in the
    // hung-up state that a host's open then clears.
    const int slave = openSlave(slavePath_);
    if (slave < 0) fail("open slave");
    close(slave);
    Service();
}

PtyLine::~PtyLine()
{
    if (watch_ >= 0) close(watch_);
    if (master_ >= 0) close(master_);
}

std::string PtyLine::Service()
{
    if (watch_ >= 0) {
        char events[4096];
        while (read(watch_, events, sizeof events) > 0) {
        }
    }
    std::string received;
    char buffer[512];
    for (;;) {
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n <= 0) break;  // EAGAIN: nothing more; EIO: no host holds the slave
        received.append(buffer, size_t(n));
    }
    pollfd p{master_, POLLIN, 0};
    const bool hungUp = poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR));
    if (connected_ && hungUp) DropStaleOutput();
    connected_ = !hungUp;
    return received;
}

// What the host left unread must not reach the next host.
void PtyLine::DropStaleOutput()
{
    const int slave = openSlave(slavePath_);
    if (slave < 0) return;
    tcflush(slave, TCIFLUSH);
    close(slave);
}

int PtyLine::Baud() const
{
    termios t{};
    if (tcgetattr(master_, &t) != 0) return 0;
    const speed_t code = cfgetospeed(&t);
    for (const Rate& r : Rates)
        if (r.code == code) return r.baud;
    return 0;
}

size_t PtyLine::Write(const char* data, size_t size)
{
    if (!connected_ || size == 0) return 0;
    const ssize_t n = write(master_, data, size);
    return n > 0 ? size_t(n) : 0;
}
