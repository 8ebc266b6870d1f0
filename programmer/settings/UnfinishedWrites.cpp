#include "UnfinishedWrites.h"

#include "EndingLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString stateFolder()
{
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative state folder does not count: the default is taken instead.
    if (!state.isEmpty() && QDir::isAbsolutePath(state)) return state;
    return QDir::homePath() + QStringLiteral("/.local/state");
}

bool syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

}  // namespace

QString UnfinishedWrites::FileName() { return stateFolder() + QStringLiteral("/ZenvoProgrammer/UnfinishedWrites"); }

QString UnfinishedWrites::Text(const QString& device)
{
    return QStringLiteral("The last write to the modem on %1 did not finish. The modem may hold part of the new "
                          "configuration: write it again before you use it.")
        .arg(device);
}

QStringList UnfinishedWrites::Devices()
{
    QFile file(FileName());
    // Only a small regular file of our own is a record.
    const QFileInfo info(file);
    if (!info.isFile() || info.isSymLink() || info.size() > 64 * 1024 || !file.open(QIODevice::ReadOnly)) return {};
    QStringList devices;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty()) devices << QFile::decodeName(line);
    devices.removeDuplicates();
    return devices;
}

void UnfinishedWrites::Begin(const QString& device)
{
    QStringList devices = Devices();
    if (devices.contains(device)) return;
    store(devices << device);
}

void UnfinishedWrites::End(const QString& device)
{
    QStringList devices = Devices();
    if (devices.removeAll(device) == 0) return;
    store(devices);
}

bool UnfinishedWrites::store(const QStringList& devices)
{
    const QString name = FileName();
    const QString folder = QFileInfo(name).absolutePath();
    auto fail = [&](const char* what) {
        EndingLog::Write(QStringLiteral("The record of unfinished writes %1 could not be %2: %3")
                             .arg(name, QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    };
    if (devices.isEmpty()) {
        if (::unlink(QFile::encodeName(name).constData()) != 0 && errno != ENOENT) return fail("removed");
        syncFolder(folder);
        return true;
    }
    if (!QDir().mkpath(folder)) return fail("made");
    QByteArray content;
    for (const QString& device : devices) content += QFile::encodeName(device) + '\n';
    // Whole or not at all: a new file, synced, then put in the old one's place.
    const QByteArray temporary = QFile::encodeName(name + QStringLiteral(".new"));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return fail("written");
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size() && ::fsync(fd) == 0;
    ::close(fd);
    if (!written || ::rename(temporary.constData(), QFile::encodeName(name).constData()) != 0) {
        ::unlink(temporary.constData());
        return fail("written");
    }
    if (!syncFolder(folder)) return fail("synced");
    return true;
}
