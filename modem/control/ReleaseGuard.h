#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/types.h>

// A small process of its own that holds a copy of the serial port while the
// power test may have the transmitter keyed. When this process ends without
// saying that the test stopped (SIGKILL, a crash, the display gone), the socket
// to the guard closes and the guard sends the frames that un-key the transmitter.
class ReleaseGuard {
public:
    ReleaseGuard() = default;
    // A guard still armed is let go as the process's end would let it go: it
    // sends its frames, and is waited for, before the port is given back.
    ~ReleaseGuard();
    ReleaseGuard(const ReleaseGuard&) = delete;
    ReleaseGuard& operator=(const ReleaseGuard&) = delete;

    // Starts the guard on the open port, whose line it takes as it is now.
    // Raises a RuntimeError when the guard cannot be started.
    void Arm(int portDescriptor, const QList<QByteArray>& frames);
    // The test has stopped: the guard ends without sending anything.
    void Disarm();
    bool Armed() const { return pid_ > 0; }

    // The guard's program, installed beside this library.
    static QString ProgramPath();
    static constexpr const char* ProgramName = "halvex-txguard";
    // The word that tells the guard the test has stopped.
    static constexpr char Stopped = 'S';

private:
    void end(bool stopped);

    pid_t pid_ = -1;
    int pipe_ = -1;
};
