#pragma once

#include <QString>
#include <QTemporaryDir>

#include <optional>

// A private folder of its own in the system's temporary folder ($TMPDIR, else
// /tmp), for files the engine cannot reach where they belong; removed with what
// it holds when the object goes.
class TemporaryFolder {
public:
    TemporaryFolder();

    bool IsValid() const { return dir_ && dir_->isValid(); }
    QString FilePath(const QString& name) const { return dir_ ? dir_->filePath(name) : QString(); }
    // The system's temporary folder, where this one is made.
    const QString& Location() const { return location_; }
    // Why no folder could be made there, as the system says it.
    QString Problem() const { return dir_ ? dir_->errorString() : problem_; }

private:
    QString location_;
    QString problem_;
    std::optional<QTemporaryDir> dir_;
};
