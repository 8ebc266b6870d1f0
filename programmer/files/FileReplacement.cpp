#include "FileReplacement.h"

#include "DatabaseError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// What SQLite leaves beside a database and reads with it: a reader would replay
// an old -wal or -journal over the new file.
const char* const sideSuffixes[] = {"-wal", "-shm", "-journal"};

QByteArray encoded(const QString& path) { return QFile::encodeName(path); }

bool exists(const QString& path)
{
    struct stat entry {};
    return ::lstat(encoded(path).constData(), &entry) == 0;
}

// A short hidden name in the folder that no other save uses: the name chosen may
// already be as long as a name can be.
QString temporaryPath(const QString& folder)
{
    for (;;) {
        const QString tag = QString::number(QRandomGenerator::global()->generate(), 16);
        const QString path = QDir(folder).filePath(QStringLiteral(".cfg-") + tag);
        if (!exists(path)) return path;
    }
}

// A name longer than the folder's file system takes would be cut or refused
// with a message about the folder.
void checkNameLength(const QString& path)
{
    const QFileInfo info(path);
    long longest = ::pathconf(encoded(info.path()).constData(), _PC_NAME_MAX);
    if (longest <= 0) longest = NAME_MAX;
    const qsizetype length = encoded(info.fileName()).size();
    if (length > longest)
        throw RuntimeError(75, QStringLiteral("Could not save the file '%1': its name is too long (%2 bytes; the "
                                              "folder takes names of at most %3).")
                                   .arg(path)
                                   .arg(length)
                                   .arg(longest));
}

// Waits until the folder's new entry is on the disk.
void syncFolder(const QString& folder, const QString& saved)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) throw FileReplacement::Error(saved, errno);
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0) throw FileReplacement::Error(saved, error);
}

// The old file's side files, moved aside while the new file takes its place: put
// back when the save fails, so that the old file reads as before; removed once it
// has succeeded, so that no reader applies them to the new file.
class SideFiles {
public:
    SideFiles(const QString& path, const QString& aside) : path_(path), aside_(aside) {}
    ~SideFiles() { PutBack(); }

    void MoveAside(const QString& chosen)
    {
        for (const char* suffix : sideSuffixes) {
            const QString side = path_ + QLatin1String(suffix);
            if (!exists(side)) continue;
            const QString away = aside_ + QLatin1String(suffix);
            if (std::rename(encoded(side).constData(), encoded(away).constData()) != 0) throw FileReplacement::Error(chosen, errno);
            moved_.push_back(suffix);
        }
    }
    void PutBack()
    {
        for (const char* suffix : moved_)
            std::rename(encoded(aside_ + QLatin1String(suffix)).constData(),
                        encoded(path_ + QLatin1String(suffix)).constData());
        moved_.clear();
    }
    void Remove()
    {
        for (const char* suffix : moved_) ::unlink(encoded(aside_ + QLatin1String(suffix)).constData());
        moved_.clear();
    }

private:
    QString path_;
    QString aside_;
    std::vector<const char*> moved_;
};

}  // namespace

RuntimeError FileReplacement::Error(const QString& path, int error)
{
    return RuntimeError(75, QStringLiteral("Could not save the file '%1': %2.")
                                .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

FileReplacement::FileReplacement(const QString& path) : path_(path)
{
    checkNameLength(path);
    // A file the user may not write is not replaced: a rename needs only the
    // folder's permission, so the file's own is asked here. A link has no
    // permission of its own: it is replaced as the folder allows (in a sticky
    // folder only by its owner).
    struct stat old {};
    if (::lstat(encoded(path).constData(), &old) != 0 || S_ISLNK(old.st_mode)) return;
    if (::faccessat(AT_FDCWD, encoded(path).constData(), W_OK, AT_EACCESS) != 0) throw Error(path, errno);
    old_ = old;
}

FileReplacement::~FileReplacement()
{
    if (!temporary_.isEmpty()) ::unlink(encoded(temporary_).constData());
}

void FileReplacement::Replace(const QString& source)
{
    const QString folder = QFileInfo(path_).path();
    temporary_ = temporaryPath(folder);
    copyInto(source);
    if (old_) keepOwnership();

    SideFiles sides(path_, temporary_);
    sides.MoveAside(path_);
    if (std::rename(encoded(temporary_).constData(), encoded(path_).constData()) != 0) throw Error(path_, errno);
    sides.Remove();
    temporary_.clear();
    syncFolder(folder, path_);
}

void FileReplacement::copyInto(const QString& source)
{
    QFile built(source);
    if (!built.open(QIODevice::ReadOnly)) throw Error(path_, EIO);
    const QByteArray bytes = built.readAll();
    // The mode SQLite gives the files it creates.
    const int fd = ::open(encoded(temporary_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        const int error = errno;
        temporary_.clear();
        if (error == EACCES || error == ENOENT || error == EROFS || error == ENOTDIR)
            throw DatabaseError::cannotCreate(path_);
        throw Error(path_, error);
    }
    try {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) throw Error(path_, written < 0 ? errno : ENOSPC);
            done += written;
        }
        if (::fsync(fd) != 0) throw Error(path_, errno);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0) throw Error(path_, errno);
}

// Its owner and group where the user may set them, and its mode.
void FileReplacement::keepOwnership()
{
    const QByteArray file = encoded(temporary_);
    if (::chown(file.constData(), old_->st_uid, old_->st_gid) != 0) {
        // Not allowed to give the file away: the group may still be one of the user's.
        [[maybe_unused]] const int ignored = ::chown(file.constData(), uid_t(-1), old_->st_gid);
    }
    if (::chmod(file.constData(), old_->st_mode & 07777) != 0) throw Error(path_, errno);
}
