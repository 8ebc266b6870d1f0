#pragma once

#include "RuntimeError.h"

#include <QString>

#include <optional>
#include <sys/stat.h>

// A new file that takes the place of the entry at a path in one step: complete
// and on the disk under a short hidden name in the same folder first, then
// renamed onto the path, so that a failure leaves the old file as it was and
// nothing else behind. What is replaced is the entry itself: a link there gives
// way to the new file and the file it names is never touched. The old file's
// -wal, -shm and -journal go with it, so that no reader applies them to the new
// file; a folder of such a name is no file of the engine's and stays. The folder
// is held open and every name is taken inside it, so that any path the system
// takes works, however short the name. Errors name the path, as "Could not save
// the file ...".
class FileReplacement {
public:
    // Raises when the path or the name is longer than the system or the folder
    // takes, when the folder cannot be opened, or when the entry is a file that
    // the user may not write.
    explicit FileReplacement(const QString& path);
    // A hidden file not yet renamed is removed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Creates the hidden file, empty and private from the start: only its owner
    // may read it, and it already has the owner and group of the file it
    // replaces (as far as the user may set them) and that file's mode, or the
    // mode of a new file, never more. Its path, with the folder's links resolved.
    QString Create();
    // The bytes of the file at source become the hidden file's.
    void Fill(const QString& source);
    // The hidden file, on the disk, takes the place of the entry at the path.
    void Commit();

    // The hidden file's path as Create gave it; empty before and after.
    const QString& Temporary() const { return temporary_; }

    static RuntimeError Error(const QString& path, int error);

private:
    QString path_;
    QString name_;
    int folder_ = -1;
    int file_ = -1;
    // A lock on the hidden file while this save lives.
    int lock_ = -1;
    QString hidden_;
    QString temporary_;
    mode_t mode_ = 0;
    std::optional<struct stat> old_;
};
