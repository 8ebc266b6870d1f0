#include "DeviceAccess.h"

#include "LockFiles.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Exclusive mode refuses others' opens with EBUSY, but not a privileged
// process's, which has to ask.
bool exclusive(int fd)
{
    int on = 0;
    return ::ioctl(fd, TIOCGEXCL, &on) == 0 && on != 0;
}

// Record locks of anyone else: an open-file query sees other processes' POSIX
// locks and every other descriptor's open-file locks, this process's too.
bool recordLocked(int fd)
{
    struct flock query{};
    query.l_type = F_WRLCK;
    query.l_whence = SEEK_SET;
    query.l_start = 0;
    query.l_len = 0;
    query.l_pid = 0;
    return ::fcntl(fd, F_OFD_GETLK, &query) == 0 && query.l_type != F_UNLCK;
}

}  // namespace

RuntimeError DeviceAccess::InvalidPortNumber() { return {RuntimeError::InvalidPortNumber, QStringLiteral("Invalid port number")}; }
RuntimeError DeviceAccess::PortAlreadyOpen() { return {RuntimeError::PortAlreadyOpen, QStringLiteral("Port already open")}; }
RuntimeError DeviceAccess::PortNotOpen() { return {RuntimeError::PortNotOpen, QStringLiteral("Port not open")}; }
RuntimeError DeviceAccess::PermissionDenied() { return {RuntimeError::PermissionDenied, QStringLiteral("Permission denied")}; }

bool DeviceAccess::HeldElsewhere(int fd, const QString& path, const QString& lockFolder)
{
    if (exclusive(fd)) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return true;
    if (recordLocked(fd)) return true;
    return LockFiles::Held(path, lockFolder);
}

int DeviceAccess::Open(const QString& path, const QString& lockFolder)
{
    if (path.isEmpty()) throw InvalidPortNumber();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EBUSY) throw PortAlreadyOpen();
        if (errno == EACCES || errno == EPERM) throw PermissionDenied();
        throw InvalidPortNumber();
    }
    // Reading the attributes only tells a terminal from anything else.
    termios attributes{};
    if (::tcgetattr(fd, &attributes) != 0) {
        ::close(fd);
        throw InvalidPortNumber();
    }
    if (HeldElsewhere(fd, path, lockFolder)) {
        ::close(fd);
        throw PortAlreadyOpen();
    }
    return fd;
}
