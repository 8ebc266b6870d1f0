#pragma once

#include "RuntimeError.h"

#include <QString>

// Opening a serial device as this library's ports do. A device that another
// program holds counts as one that cannot be opened, as a port in use is
// refused elsewhere: one in exclusive mode, one under an advisory lock (flock,
// POSIX or open-file record locks), or one named by a live lock file.
class DeviceAccess {
public:
    // A descriptor of the terminal at path, non-blocking and holding this
    // program's flock, with nothing on the device changed. Raises "Invalid port
    // number" for a device that is not there or not a terminal, "Permission
    // denied" when this user may not open it, and "Port already open" when
    // another program holds it.
    static int Open(const QString& path, const QString& lockFolder);

    // Whether another program marks the device open on fd as its own.
    // Takes this program's flock on fd when none is there.
    static bool HeldElsewhere(int fd, const QString& path, const QString& lockFolder);

    static RuntimeError InvalidPortNumber();
    static RuntimeError PortAlreadyOpen();
    static RuntimeError PortNotOpen();
    static RuntimeError PermissionDenied();
};
