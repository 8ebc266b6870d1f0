#pragma once

#include "PtyLine.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

class SimModem;

// Serves the simulated modem on a pseudo-terminal: feeds it what the host sends
// (with the line rate the host set), puts its output on the line, and sleeps in
// poll until the next byte, prompt or signal is due.
class PtyServer {
public:
    struct Options {
        bool throttle = false;   // send and take bytes at the real line rate
        // The modem's command texts, one a line, and the radios' frames as
        // "radio.tx 09 03 3F" (code and arguments in hex); empty: no log.
        std::string logPath;
    };

    // signalFd: a signalfd for SIGUSR1 (power cycle), SIGTERM and SIGINT (stop).
    // Throws std::runtime_error when the log cannot be opened.
    PtyServer(SimModem& modem, PtyLine& line, int signalFd, Options options);

    // Runs until SIGTERM or SIGINT.
    void Run();

private:
    int64_t NowUs() const;
    void Feed(const std::string& received, int64_t nowUs);
    // Throttled: hands the modem each received byte once its wire time has passed.
    void DeliverIncoming(int64_t nowUs);
    void Receive(uint8_t byte, int baud, int64_t nowUs);
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
    struct Incoming {
        uint8_t Byte;
        int Baud;
        int64_t ArrivedUs;
    };
    std::vector<Incoming> incoming_;  // throttle: received, still on the wire
    int64_t inputFreeUs_ = 0;         // throttle: when the last received byte was complete
    int64_t CompleteUs(const Incoming& in) const;
    bool blocked_ = false;    // the line took nothing last time
    int64_t startUs_ = 0;
};
