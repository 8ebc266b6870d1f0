#pragma once

#include "SimModem.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

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

// The radio link: raw bytes, XOR checksum byte, byte stuffing.
using Bytes = std::vector<uint8_t>;
constexpr int RadioBaud = 1200;

inline Bytes WithChecksum(Bytes bytes)
{
    uint8_t sum = 0;
    for (uint8_t b : bytes) sum ^= b;
    bytes.push_back(sum);
    return bytes;
}

// CR, DLE and ESC travel as DLE 0E, DLE 11 and DLE 1C.
inline std::string Stuffed(const Bytes& bytes)
{
    std::string out;
    for (uint8_t b : bytes) {
        if (b == 0x0D || b == 0x10 || b == 0x1B) {
            out += '\x10';
            out += char(b == 0x0D ? 0x0E : b == 0x10 ? 0x11 : 0x1C);
        } else {
            out += char(b);
        }
    }
    return out;
}

// ESC, the stuffed command and its checksum, CR: as the host sends it.
inline std::string RadioFrame(const Bytes& command) { return "\x1B" + Stuffed(WithChecksum(command)) + "\r"; }

// The stuffed reply and its checksum, CR: as the radio answers.
inline std::string RadioReply(const Bytes& body) { return Stuffed(WithChecksum(body)) + "\r"; }

// What a radio echoes for the bytes sent: each byte, an ESC followed by CR.
inline std::string EchoOf(const std::string& sent)
{
    std::string echo;
    for (char c : sent) {
        echo += c;
        if (c == '\x1B') echo += '\r';
    }
    return echo;
}

inline std::string RadioExchange(SimModem& modem, const std::string& bytes, int64_t nowMs = 0)
{
    return Exchange(modem, bytes, nowMs, RadioBaud);
}

inline std::string AsText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

}  // namespace simtest
