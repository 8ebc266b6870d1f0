#pragma once

#include "PtyLine.h"

#include <cstdint>
#include <fstream>
#include <string>

class SimModem;

// Serves the simulated modem on a pseudo-terminal: feeds it what the host sends
// (with the line rate the host set), puts its output on the line, and sleeps in
// poll until the next byte, prompt or signal is due.
class PtyServer {
public:
    struct Options {
        bool throttle = false;   // send at the real line rate
        std::string logPath;     // command texts, one a line; empty: none
    };

    // signalFd: a signalfd for SIGUSR1 (power cycle), SIGTERM and SIGINT (stop).
    // Throws std::runtime_error when the log cannot be opened.
    PtyServer(SimModem& modem, PtyLine& line, int signalFd, Options options);

    // Runs until SIGTERM or SIGINT.
    void Run();

private:
    int64_t NowUs() const;
    void Feed(const std::string& received, int64_t nowUs);
    void TakeOutput();
    void SendPending(int64_t nowUs);
    bool HandleSignals(int64_t nowUs);
    int64_t TimeoutUs(int64_t nowUs) const;

    SimModem& modem_;
    PtyLine& line_;
    int signalFd_;
    Options options_;
    std::ofstream log_;
    size_t logged_ = 0;
    std::string pending_;
    int64_t nextByteUs_ = 0;  // throttle: when the line is free for the next byte
    bool blocked_ = false;    // the line took nothing last time
    int64_t startUs_ = 0;
};
