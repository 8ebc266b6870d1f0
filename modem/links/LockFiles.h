#pragma once

#include <QString>
#include <QStringList>

// The lock files that serial tools leave in a lock folder to say a device is
// theirs: "LCK..ttyS0" (and "LCK..pts_3" for a device below a folder of /dev)
// holding the owner's process id as text or as a binary int, or
// "LCK.004.064" after the device's major and minor numbers.
class LockFiles {
public:
    static const QString DefaultFolder;

    // The names a lock of device may have, in folder; a link is also looked
    // up under the name of the device it leads to.
    static QStringList Paths(const QString& device, const QString& folder);
    // True when one of them names a process that is still running.
    static bool Held(const QString& device, const QString& folder);

    // The process id in a lock file's content; 0 when it names none.
    static long OwnerIn(const QByteArray& content);
    // A lock whose owner is gone, that names no owner or that names this very
    // process holds nothing; nor does anything but a regular file (a FIFO, a
    // device, a folder, a link), which is never opened in a way that could wait.
    // A regular file that cannot be read is taken as held: its owner cannot be told.
    static bool FileHeld(const QString& path);
};
