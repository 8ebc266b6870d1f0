#pragma once

#include <cstddef>
#include <string>

// The modem's end of the cable: the master side of a pseudo-terminal whose
// slave the host opens as its serial port. Knows whether a host holds the slave
// open, so that what the modem sends meanwhile can be dropped as on an unplugged
// line instead of waiting in the slave's buffer for the next host.
class PtyLine {
public:
    // Throws std::system_error when no pseudo-terminal can be had.
    PtyLine();
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    int MasterFd() const { return master_; }
    // Readable when the slave is opened or closed; -1 when the system cannot
    // tell, in which case the caller looks again now and then.
    int WatchFd() const { return watch_; }

    bool Connected() const { return connected_; }
    // Takes what the host has sent and looks at whether it still holds the slave.
    std::string Service();
    // The line rate the host set on the slave.
    int Baud() const;
    // Writes what the line takes now; returns the count of bytes written.
    size_t Write(const char* data, size_t size);

private:
    void DropStaleOutput();

    int master_ = -1;
    int watch_ = -1;
    std::string slavePath_;
    bool connected_ = false;
};
