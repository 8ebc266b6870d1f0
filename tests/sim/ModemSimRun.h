#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// One run of the modemsim executable, and the host's end of its line opened
// with plain termios. The run is ended when the object goes.
class ModemSimRun {
public:
    explicit ModemSimRun(const std::vector<std::string>& arguments = {});
    ~ModemSimRun();
    ModemSimRun(const ModemSimRun&) = delete;
    ModemSimRun& operator=(const ModemSimRun&) = delete;

    // The first line of its output: the slave's path (empty when it failed).
    const std::string& Path() const { return path_; }
    pid_t Pid() const { return pid_; }

    // Opens the slave raw at the given rate; false when it cannot.
    bool Open(int baud = 9600);
    void SetBaud(int baud);
    void Close();
    void Write(const std::string& bytes);
    // What arrives within the time, or up to and including the terminator.
    std::string ReadFor(int ms);
    std::string ReadUntil(char terminator, int timeoutMs);
    // What arrives until count bytes are in, or the time is up.
    std::string ReadCount(size_t count, int timeoutMs);

    void Signal(int signal) const;
    // Sends SIGTERM and waits: the exit status (-1 when killed otherwise).
    int Stop();
    // Waits for a run that ends by itself; its exit status and what it wrote to stderr.
    int Wait();
    const std::string& Errors() const { return errors_; }
    // CPU time used so far, in clock ticks.
    long CpuTicks() const;

private:
    pid_t pid_ = -1;
    int errFd_ = -1;
    int slave_ = -1;
    std::string path_;
    std::string errors_;
};
