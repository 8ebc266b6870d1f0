#include "FileReplacement.h"

#include "DatabaseError.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

namespace {

// What SQLite leaves beside a database and reads with it: a reader would replay
// an old -wal or -journal over the new file.
const char* const sideSuffixes[] = {"-wal", "-shm", "-journal"};

QByteArray encoded(const QString& path) { return QFile::encodeName(path); }

bool entryIn(int folder, const QByteArray& name, struct stat& entry)
{
    return ::fstatat(folder, name.constData(), &entry, AT_SYMLINK_NOFOLLOW) == 0;
}

// The hidden files: ".cfg-" and eight hexadecimal digits, and the side files the
// engine or a save moved aside gives them.
constexpr char HiddenPrefix[] = ".cfg-";
constexpr int HiddenLength = 13;
// A side file whose hidden file has gone may belong to a save that is between
// its rename and the side file's removal: only an old one is left over.
constexpr time_t OrphanAgeSeconds = 600;

bool hiddenName(const char* name)
{
    if (std::strncmp(name, HiddenPrefix, sizeof HiddenPrefix - 1) != 0 || std::strlen(name) < HiddenLength) return false;
    for (int i = sizeof HiddenPrefix - 1; i < HiddenLength; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(name[i])) || std::isupper(static_cast<unsigned char>(name[i])))
            return false;
    const char* rest = name + HiddenLength;
    if (*rest == '\0') return true;
    for (const char* suffix : sideSuffixes)
        if (std::strcmp(rest, suffix) == 0) return true;
    return false;
}

// Whether the hidden file is one that no save is building: every save holds a
// lock on its own while it lives, and a killed one's lock went with it.
bool abandoned(int folder, const char* name)
{
    const int fd = ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat entry {};
    const bool free = ::fstat(fd, &entry) == 0 && S_ISREG(entry.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

// What a save that was killed half way left in the folder.
void removeLeftovers(int folder)
{
    const int copy = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    DIR* entries = copy < 0 ? nullptr : ::fdopendir(copy);
    if (!entries) {
        if (copy >= 0) ::close(copy);
        return;
    }
    ::rewinddir(entries);
    std::vector<QByteArray> stale;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(entries)) {
        if (!hiddenName(entry->d_name)) continue;
        const QByteArray name(entry->d_name);
        const QByteArray base = name.left(HiddenLength);
        struct stat found {};
        if (!entryIn(folder, name, found) || !S_ISREG(found.st_mode)) continue;
        struct stat hidden {};
        const bool baseThere = entryIn(folder, base, hidden);
        if (baseThere ? abandoned(folder, base.constData()) : now - found.st_ctime > OrphanAgeSeconds)
            stale.push_back(name);
    }
    ::closedir(entries);
    for (const QByteArray& name : stale) ::unlinkat(folder, name.constData(), 0);
}


// A longer path than the system takes could be written inside the open folder,
// but never opened again.
void checkPathLength(const QString& path)
{
    const qsizetype length = encoded(path).size();
    if (length >= PATH_MAX)
        throw RuntimeError(75, QStringLiteral("Could not save the file '%1': its path is too long (%2 bytes; the "
                                              "system takes paths of at most %3).")
                                   .arg(path)
                                   .arg(length)
                                   .arg(PATH_MAX - 1));
}

// A name longer than the folder's file system takes would be cut or refused
// with a message about the folder.
void checkNameLength(const QString& path, int folder)
{
    long longest = ::fpathconf(folder, _PC_NAME_MAX);
    if (longest <= 0) longest = NAME_MAX;
    const qsizetype length = encoded(QFileInfo(path).fileName()).size();
    if (length > longest)
        throw RuntimeError(75, QStringLiteral("Could not save the file '%1': its name is too long (%2 bytes; the "
                                              "folder takes names of at most %3).")
                                   .arg(path)
                                   .arg(length)
                                   .arg(longest));
}

// The old file's side files, moved aside while the new file takes its place: put
// back when the save fails, so that the old file reads as before; removed once it
// has succeeded, so that no reader applies them to the new file.
class SideFiles {
public:
    SideFiles(int folder, const QString& name, const QString& aside) : folder_(folder), name_(name), aside_(aside) {}
    ~SideFiles() { PutBack(); }

    void MoveAside(const QString& chosen)
    {
        for (const char* suffix : sideSuffixes) {
            const QByteArray side = encoded(name_ + QLatin1String(suffix));
            struct stat entry {};
            // A folder is none of the engine's files (it cannot open one) and stays as it is.
            if (!entryIn(folder_, side, entry) || S_ISDIR(entry.st_mode)) continue;
            if (::renameat(folder_, side.constData(), folder_, encoded(aside_ + QLatin1String(suffix)).constData()) != 0)
                throw FileReplacement::Error(chosen, errno);
            moved_.push_back(suffix);
        }
    }
    void PutBack()
    {
        for (const char* suffix : moved_)
            ::renameat(folder_, encoded(aside_ + QLatin1String(suffix)).constData(), folder_,
                       encoded(name_ + QLatin1String(suffix)).constData());
        moved_.clear();
    }
    void Remove()
    {
        for (const char* suffix : moved_) ::unlinkat(folder_, encoded(aside_ + QLatin1String(suffix)).constData(), 0);
        moved_.clear();
    }

private:
    int folder_;
    QString name_;
    QString aside_;
    std::vector<const char*> moved_;
};

}  // namespace

RuntimeError FileReplacement::Error(const QString& path, int error)
{
    return RuntimeError(75, QStringLiteral("Could not save the file '%1': %2.")
                                .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

FileReplacement::FileReplacement(const QString& path) : path_(path), name_(QFileInfo(path).fileName())
{
    checkPathLength(path);
    folder_ = ::open(encoded(QFileInfo(path).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR || error == EACCES) throw DatabaseError::cannotCreate(path);
        throw Error(path, error);
    }
    checkNameLength(path, folder_);
    // A file the user may not write is not replaced: a rename needs only the
    // folder's permission, so the file's own is asked here. A link has no
    // permission of its own: it is replaced as the folder allows (in a sticky
    // folder only by its owner).
    struct stat old {};
    if (!entryIn(folder_, encoded(name_), old) || S_ISLNK(old.st_mode)) return;
    if (::faccessat(folder_, encoded(name_).constData(), W_OK, AT_EACCESS) != 0) throw Error(path, errno);
    old_ = old;
}

FileReplacement::~FileReplacement()
{
    if (file_ >= 0) ::close(file_);
    if (!hidden_.isEmpty()) ::unlinkat(folder_, encoded(hidden_).constData(), 0);
    if (lock_ >= 0) ::close(lock_);
    if (folder_ >= 0) ::close(folder_);
}

QString FileReplacement::Create()
{
    // A new file gets the mode the user's umask gives it; one that replaces
    // another starts with no permission for anyone else.
    const mode_t created = old_ ? 0600 : 0644;
    removeLeftovers(folder_);
    for (;;) {
        // Short and always as long, so that the engine reaches it wherever it reaches a path that long.
        const QString name =
            QStringLiteral(".cfg-%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        file_ = ::openat(folder_, encoded(name).constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         created);
        if (file_ >= 0) {
            hidden_ = name;
            // Held as long as this save lives, the closed file's descriptor
            // included: another save's sweep leaves the file alone.
            lock_ = ::fcntl(file_, F_DUPFD_CLOEXEC, 0);
            if (lock_ >= 0) ::flock(lock_, LOCK_EX);
            break;
        }
        const int error = errno;
        if (error == EEXIST) continue;
        if (error == EACCES || error == EROFS) throw DatabaseError::cannotCreate(path_);
        throw Error(path_, error);
    }
    struct stat made {};
    if (::fstat(file_, &made) != 0) throw Error(path_, errno);
    mode_ = made.st_mode & 07777;
    if (old_) {
        // On the descriptor and before the first byte: the file never shows its
        // content to more users than the old one did.
        if (::fchown(file_, old_->st_uid, old_->st_gid) != 0) {
            // Not allowed to give the file away: the group may still be one of the user's.
            [[maybe_unused]] const int ignored = ::fchown(file_, uid_t(-1), old_->st_gid);
        }
        mode_ = old_->st_mode & 07777;
    }
    // Its owner reads and writes it while it is built (the engine opens it by
    // name); the final mode follows at Commit.
    if (::fchmod(file_, mode_ | S_IRUSR | S_IWUSR) != 0) throw Error(path_, errno);
    const QString folder = QFileInfo(QFileInfo(path_).path()).canonicalFilePath();
    temporary_ = (folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')) + hidden_;
    return temporary_;
}

void FileReplacement::Fill(const QString& source)
{
    QFile built(source);
    if (!built.open(QIODevice::ReadOnly)) throw Error(path_, EIO);
    const QByteArray bytes = built.readAll();
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(file_, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) throw Error(path_, written < 0 ? errno : ENOSPC);
        done += written;
    }
}

void FileReplacement::Commit()
{
    if (::fchmod(file_, mode_) != 0 || ::fsync(file_) != 0) throw Error(path_, errno);
    const int closed = ::close(file_);
    file_ = -1;
    if (closed != 0) throw Error(path_, errno);

    SideFiles sides(folder_, name_, hidden_);
    sides.MoveAside(path_);
    if (::renameat(folder_, encoded(hidden_).constData(), folder_, encoded(name_).constData()) != 0)
        throw Error(path_, errno);
    sides.Remove();
    hidden_.clear();
    temporary_.clear();
    // Waits until the folder's new entry is on the disk.
    if (::fsync(folder_) != 0) throw Error(path_, errno);
}
