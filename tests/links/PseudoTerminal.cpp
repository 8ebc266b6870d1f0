#include "PseudoTerminal.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    const int fd = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return;
    if (::grantpt(fd) != 0 || ::unlockpt(fd) != 0) {
        ::close(fd);
        return;
    }
    master_ = fd;
    slavePath_ = QString::fromLocal8Bit(::ptsname(fd));
}

PseudoTerminal::~PseudoTerminal() { CloseMaster(); }

void PseudoTerminal::CloseMaster()
{
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}

void PseudoTerminal::Write(const QByteArray& data)
{
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::write(master_, data.constData() + sent, size_t(data.size() - sent));
        if (n <= 0) return;
        sent += n;
    }
}

QByteArray PseudoTerminal::Read(int count, int ms)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    QByteArray got;
    while (got.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) break;
        pollfd readable{master_, POLLIN, 0};
        if (::poll(&readable, 1, int(left)) <= 0) continue;
        char chunk[4096];
        const ssize_t n = ::read(master_, chunk, std::min<size_t>(sizeof chunk, size_t(count - got.size())));
        if (n <= 0) break;
        got.append(chunk, n);
    }
    return got;
}
