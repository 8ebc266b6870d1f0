#include "RadioComm.h"

#include "Clock.h"
#include "LibraryContext.h"
#include "PortOpenMessage.h"
#include "RuntimeError.h"
#include "SerialPort.h"

#include <algorithm>

namespace {

// Stuffed bytes: each special byte travels as DLE and a stand-in.
struct Escape {
    uint8_t Byte;
    uint8_t StandIn;
};
constexpr Escape escapes[] = {{RadioComm::Cr, 0x0E}, {RadioComm::Dle, 0x11}, {RadioComm::Esc, 0x1C}};

}  // namespace

RadioComm::RadioComm(LibraryContext& context) : context_(context) {}

void RadioComm::fail(int code)
{
    RadioErrorCode = code;
    throw RuntimeError::deviceUnavailable();
}

void RadioComm::OpenRadioPort(SerialPort& port)
{
    RadioErrorCode = NoError;
    try {
        if (port.PortOpen()) port.setPortOpen(false);
        port.setInputMode(SerialPort::Binary);
        port.setInputLen(1);
        port.setSettings(QStringLiteral("1200,N,8,1"));
        port.setRTSEnable(false);
        port.setDTREnable(true);
        port.setPortOpen(true);
        context_.PortOpened();
        context_.WaitWithEvents(SettleMs);
    } catch (const RuntimeError& e) {
        PortOpenMessage::Show(context_, port, e.Number());
        RadioErrorCode = PortNotOpened;
    }
}

QByteArray RadioComm::AppendRadioChecksum(const QByteArray& bytes)
{
    uint8_t sum = 0;
    for (char b : bytes) sum ^= uint8_t(b);
    return bytes + char(sum);
}

QByteArray RadioComm::StuffRadioFrame(const QByteArray& bytes)
{
    QByteArray out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const uint8_t b = uint8_t(c);
        bool stuffed = false;
        for (const Escape& e : escapes) {
            if (e.Byte == b) {
                out.append(char(Dle)).append(char(e.StandIn));
                stuffed = true;
                break;
            }
        }
        if (!stuffed) out.append(c);
    }
    return out;
}

QByteArray RadioComm::UnstuffRadioFrame(const QByteArray& bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uint8_t b = uint8_t(bytes[i]);
        if (b != Dle) {
            out.append(char(b));
            continue;
        }
        // A DLE with nothing after it cannot be decoded.
        if (++i >= bytes.size()) throw RuntimeError::invalidArgument();
        uint8_t decoded = uint8_t(bytes[i]);
        for (const Escape& e : escapes)
            if (e.StandIn == decoded) decoded = e.Byte;
        out.append(char(decoded));
    }
    return out;
}

QByteArray RadioComm::Frame(const QByteArray& command)
{
    return char(Esc) + StuffRadioFrame(AppendRadioChecksum(command)) + char(Cr);
}

QByteArray RadioComm::SendRadioCommand(const QByteArray& command, SerialPort& port)
{
    port.setOutBufferCount(0);
    const QByteArray frame = Frame(command);
    for (char c : frame) {
        const uint8_t b = uint8_t(c);
        const uint8_t echo = WriteRadioChar(b, port);
        if (echo == Esc) {
            // The radio answers the opening ESC with ESC CR.
            if (b != Esc) fail(BadEcho);
            if (ReadRadioChar(port) != Cr) fail(BadEcho);
        } else if (echo != b) {
            fail(BadEcho);
        }
    }
    return UnstuffRadioFrame(readReply(port));
}

QByteArray RadioComm::readReply(SerialPort& port)
{
    Clock& clock = context_.clock();
    const int64_t deadline = clock.NowMs() + ReplyLimitMs;
    QByteArray reply;
    for (;;) {
        // Each byte has its second, and none may take the reply past its limit.
        const int64_t now = clock.NowMs();
        if (now >= deadline) fail(Timeout);
        const uint8_t c = readByte(port, int(std::min<int64_t>(ByteTimeoutMs, deadline - now)));
        if (c == Cr) return reply;
        reply.append(char(c));
        if (reply.size() > MaxReplyLength) fail(Timeout);
    }
}

uint8_t RadioComm::ReadRadioChar(SerialPort& port) { return readByte(port, ByteTimeoutMs); }

uint8_t RadioComm::readByte(SerialPort& port, int timeoutMs)
{
    RadioErrorCode = NoError;
    Clock& clock = context_.clock();
    const int64_t start = clock.NowMs();
    while (port.InBufferCount() == 0) {
        const int64_t left = start + timeoutMs - clock.NowMs();
        if (left <= 0) fail(Timeout);
        port.WaitForInput(int(left));
    }
    return uint8_t(port.Input().at(0));
}

uint8_t RadioComm::WriteRadioChar(uint8_t byte, SerialPort& port)
{
    RadioErrorCode = NoError;
    while (port.OutBufferCount() != 0) port.WaitForOutput(ByteTimeoutMs);
    port.Output(QByteArray(1, char(byte)));
    Clock& clock = context_.clock();
    const int64_t start = clock.NowMs();
    while (port.OutBufferCount() != 0) {
        const int64_t left = start + ByteTimeoutMs - clock.NowMs();
        if (left <= 0) break;
        port.WaitForOutput(int(left));
    }
    return ReadRadioChar(port);
}

void RadioComm::SendRadioAbort(SerialPort& port) { WriteRadioChar(Esc, port); }
