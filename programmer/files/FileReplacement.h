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
// file. Errors name the path, as "Could not save the file ...".
class FileReplacement {
public:
    // Raises when the name is longer than the folder takes, or when the entry is
    // a file that the user may not write.
    explicit FileReplacement(const QString& path);
    // A temporary file not yet renamed is removed.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // The bytes of the file at source become the file at the path. A file that
    // was there passes its mode on, and its owner and group as far as the user may
    // set them; a new one, or one in place of a link, gets the mode of a new file.
    void Replace(const QString& source);

    // The hidden name while the new file is being written; empty before and after.
    const QString& Temporary() const { return temporary_; }

    static RuntimeError Error(const QString& path, int error);

private:
    void copyInto(const QString& source);
    void keepOwnership();

    QString path_;
    QString temporary_;
    std::optional<struct stat> old_;
};
