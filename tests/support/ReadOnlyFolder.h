#pragma once

#include <QString>
#include <sys/types.h>

// A folder that this process cannot write into while the object lives, also when
// the tests run as root: root then acts as the unprivileged user "nobody" meanwhile,
// so keep the object's life to the one action under test.
class ReadOnlyFolder {
public:
    // The folder's parents must let others through (mode 0755 or so).
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // False when the folder could not be made read-only.
    bool Active() const { return active_; }

private:
    QString path_;
    bool active_ = false;
    bool droppedRoot_ = false;
};
