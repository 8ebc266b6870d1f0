#include "LockFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

const QString LockFiles::DefaultFolder = QStringLiteral("/var/lock");

namespace {

// "pts/3" for /dev/pts/3; the file name for a device outside /dev.
QString nameBelowDev(const QString& device)
{
    const QString prefix = QStringLiteral("/dev/");
    if (device.startsWith(prefix)) return device.mid(prefix.size());
    return QFileInfo(device).fileName();
}

void addNamesOf(const QString& device, const QDir& folder, QStringList& paths)
{
    const auto add = [&](const QString& name) {
        const QString path = folder.filePath(name);
        if (!paths.contains(path)) paths << path;
    };
    add(QStringLiteral("LCK..") + QFileInfo(device).fileName());
    add(QStringLiteral("LCK..") + QString(nameBelowDev(device)).replace(QLatin1Char('/'), QLatin1Char('_')));
}

bool running(long pid)
{
    // This program writes no locks: one naming it was left by an earlier process
    // that had the same id.
    if (pid == long(::getpid())) return false;
    // EPERM: the process exists but belongs to another user.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// Serial tools write a few bytes; the rest of a larger file is not read.
constexpr ssize_t LongestLock = 128;

}  // namespace

QStringList LockFiles::Paths(const QString& device, const QString& folder)
{
    const QDir dir(folder);
    QStringList paths;
    addNamesOf(device, dir, paths);
    const QString target = QFileInfo(device).canonicalFilePath();
    if (!target.isEmpty() && target != device) addNamesOf(target, dir, paths);

    struct stat st{};
    if (::stat(QFile::encodeName(device).constData(), &st) == 0 && S_ISCHR(st.st_mode))
        paths << dir.filePath(QStringLiteral("LCK.%1.%2")
                                  .arg(major(st.st_rdev), 3, 10, QLatin1Char('0'))
                                  .arg(minor(st.st_rdev), 3, 10, QLatin1Char('0')));
    return paths;
}

bool LockFiles::Held(const QString& device, const QString& folder)
{
    for (const QString& path : Paths(device, folder))
        if (FileHeld(path)) return true;
    return false;
}

long LockFiles::OwnerIn(const QByteArray& content)
{
    // The old binary form is a native int: an id is below 2^22, so one of its
    // four bytes is not printable, as none of a text's are.
    if (content.size() == 4) {
        bool text = true;
        for (char c : content) text = text && ((c >= ' ' && c <= '~') || c == '\n' || c == '\t');
        if (!text) {
            int32_t pid = 0;
            std::memcpy(&pid, content.constData(), sizeof pid);
            return pid > 0 ? pid : 0;
        }
    }
    // Text: the id first, padded with spaces, maybe followed by the owner's name.
    const QByteArray first = content.simplified().split(' ').value(0);
    bool ok = false;
    const long pid = first.toLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

bool LockFiles::FileHeld(const QString& path)
{
    // Anyone may put a FIFO, a device or a link into a shared lock folder: only a
    // regular file is opened, never following a link and never waiting, so that no
    // such entry can stop the program.
    const QByteArray name = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(name.constData(), &entry) != 0) return errno != ENOENT && errno != ENOTDIR;
    if (!S_ISREG(entry.st_mode)) return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno != ENOENT && errno != ELOOP;
    QByteArray content;
    ssize_t length = 0;
    // Checked again on the descriptor: the entry may have been swapped meanwhile.
    struct stat opened {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)) {
        content.resize(LongestLock);
        do length = ::read(fd, content.data(), size_t(content.size()));
        while (length < 0 && errno == EINTR);
    }
    ::close(fd);
    if (length < 0) return true;
    content.truncate(length);
    const long pid = OwnerIn(content);
    return pid > 0 && running(pid);
}
