#pragma once

#include "SimModem.h"

#include <cstdio>
#include <string>

// Frames and replies built independently of the simulator's own code.
namespace simtest {

inline std::string Hex2(unsigned value)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

inline unsigned Xor(const std::string& text)
{
    unsigned sum = 0;
    for (char c : text) sum ^= uint8_t(c);
    return sum;
}

// ESC, the command, its checksum, CR: as the host sends it.
inline std::string Frame(const std::string& command) { return "\x1B" + command + Hex2(Xor(command)) + "\r"; }

// The body, its checksum, CR: as the modem answers.
inline std::string Reply(const std::string& body) { return body + Hex2(Xor(body)) + "\r"; }

inline void Send(SimModem& modem, const std::string& bytes, int64_t nowMs = 0, int baud = 9600)
{
    for (char c : bytes) modem.Receive(uint8_t(c), baud, nowMs);
}

// Sends the bytes and returns everything the modem put out meanwhile.
inline std::string Exchange(SimModem& modem, const std::string& bytes, int64_t nowMs = 0, int baud = 9600)
{
    Send(modem, bytes, nowMs, baud);
    return modem.TakeOutput();
}

const std::string AccessCode = "t]u[a";

}  // namespace simtest
