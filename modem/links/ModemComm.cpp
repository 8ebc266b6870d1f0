#include "ModemComm.h"

#include "Clock.h"
#include "LibraryContext.h"
#include "ModemCommands.h"
#include "PortOpenMessage.h"
#include "RuntimeError.h"
#include "SerialPort.h"
#include "VbNumbers.h"

#include <algorithm>

namespace {

const QChar Esc(27);
const QChar Cr(13);

// Waits on the port, never longer than what is left of the time-out from start.
bool waitForInputSince(SerialPort& port, Clock& clock, int64_t start, int timeoutMs)
{
    while (port.InBufferCount() == 0) {
        const int64_t left = start + timeoutMs - clock.NowMs();
        if (left <= 0) return false;
        port.WaitForInput(int(left));
    }
    return true;
}

}  // namespace

const QString ModemComm::AccessCode = QStringLiteral("t]u[a");

ModemComm::ModemComm(LibraryContext& context) : context_(context) {}

void ModemComm::OpenModemPort(SerialPort& port)
{
    ModemErrorCode = NoError;
    try {
        if (port.PortOpen()) port.setPortOpen(false);
        port.setInputMode(SerialPort::Text);
        port.setInputLen(1);
        port.setSettings(QStringLiteral("9600,N,8,1"));
        port.setRTSEnable(false);
        port.setDTREnable(false);
        port.setPortOpen(true);
        context_.PortOpened();
        WaitMilliseconds(SettleMs);
    } catch (const RuntimeError& e) {
        PortOpenMessage::Show(context_, port, e.Number());
        ModemErrorCode = PortNotOpened;
    }
}

void ModemComm::WaitMilliseconds(int milliseconds) { context_.WaitWithEvents(milliseconds); }

void ModemComm::CloseModemPort(SerialPort& port)
{
    if (port.PortOpen()) port.setPortOpen(false);
}

void ModemComm::OnModemRetry(SerialPort&) {}

QString ModemComm::AppendModemChecksum(const QString& text)
{
    int sum = 0;
    for (QChar c : text) sum ^= c.toLatin1() & 0xFF;
    return text + vb::HexByte(sum);
}

QString ModemComm::SendModemCommand(const QString& command, SerialPort& port)
{
    const QString frame = Esc + AppendModemChecksum(command) + Cr;
    QString reply;
    for (int attempts = 0; (attempts == 0 || ModemErrorCode != NoError) && attempts < 1; ++attempts) {
        WriteModemString(frame, port);
        if (ModemErrorCode != NoError) {
            OnModemRetry(port);
            continue;
        }
        reply = readReply(port);
    }
    if (ModemErrorCode != NoError) return QString();

    // A reply too short to carry its checksum fails as a wrong checksum.
    const QString received = reply.right(2);
    const QString body = reply.left(reply.size() - 2);
    if (reply.size() < 2 || AppendModemChecksum(body).right(2) != received) {
        ModemErrorCode = BadChecksum;
        throw RuntimeError::deviceUnavailable();
    }
    if (body.startsWith(QStringLiteral("ER"))) {
        ModemErrorCode = UnexpectedReply;
        throw RuntimeError::deviceUnavailable();
    }
    return body;
}

QString ModemComm::readReply(SerialPort& port)
{
    Clock& clock = context_.clock();
    const int64_t deadline = clock.NowMs() + ReplyLimitMs;
    QString reply;
    for (;;) {
        ModemErrorCode = NoError;
        // Each character has its second, and none may take the reply past its limit.
        const int64_t now = clock.NowMs();
        if (now >= deadline) break;
        if (!waitForInputSince(port, clock, now, int(std::min<int64_t>(CharTimeoutMs, deadline - now)))) break;
        const QString c = QString::fromLatin1(port.Input().left(1));
        if (c == Cr) return reply;
        reply += c;
        if (reply.size() > MaxReplyLength) break;
    }
    ModemErrorCode = Timeout;
    return QString();
}

QString ModemComm::ReadModemChar(SerialPort& port)
{
    ModemErrorCode = NoError;
    Clock& clock = context_.clock();
    if (waitForInputSince(port, clock, clock.NowMs(), CharTimeoutMs)) {
        const QByteArray in = port.Input();
        return QString::fromLatin1(in.left(1));
    }
    ModemErrorCode = Timeout;
    return QStringLiteral("0");
}

void ModemComm::WriteModemChar(const QString& character, SerialPort& port)
{
    ModemErrorCode = NoError;
    // Nothing bounds the wait for earlier output, as on the modem's own line.
    while (port.OutBufferCount() != 0) port.WaitForOutput(CharTimeoutMs);
    port.Output(character.left(1).toLatin1());
    Clock& clock = context_.clock();
    const int64_t start = clock.NowMs();
    while (port.OutBufferCount() != 0) {
        const int64_t left = start + CharTimeoutMs - clock.NowMs();
        if (left <= 0) break;
        port.WaitForOutput(int(left));
    }
}

void ModemComm::WriteModemString(const QString& text, SerialPort& port)
{
    for (QChar c : text) WriteModemChar(QString(c), port);
}

void ModemComm::SelectTxRadio(SerialPort& port)
{
    if (SendModemCommand(QStringLiteral("ST"), port) != QStringLiteral("ST")) ModemErrorCode = UnexpectedReply;
}

void ModemComm::SelectRxRadio(SerialPort& port)
{
    if (SendModemCommand(QStringLiteral("SR"), port) != QStringLiteral("SR")) {
        ModemErrorCode = UnexpectedReply;
        throw RuntimeError::deviceUnavailable();
    }
}

void ModemComm::EnterModemCommandMode(SerialPort& port)
{
    ModemErrorCode = NoError;
    port.setInBufferCount(0);
    if (ReadModemChar(port) != QStringLiteral("?")) {
        ModemErrorCode = NoPrompt;
        return;
    }
    port.setInBufferCount(0);
    WriteModemString(AccessCode + Cr + Cr, port);
    context_.clock().Sleep(1000);
    port.setInBufferCount(0);
}

QString ModemComm::ReadModemParameter(int address, int count, SerialPort& port)
{
    ModemErrorCode = NoError;
    const QString command = QStringLiteral("RN1") + vb::HexByte(address) + vb::HexByte(count);
    const QString reply = SendModemCommand(command, port);
    CheckModemError();
    if (reply.left(6) != QStringLiteral("RN:") + vb::HexByte(address) + QStringLiteral(",")) {
        ModemErrorCode = UnexpectedReply;
        throw RuntimeError::deviceUnavailable();
    }
    return ModemCommands::StripCommas(reply.mid(6));
}

void ModemComm::WriteModemParameter(int address, const QString& data, SerialPort& port)
{
    ModemErrorCode = NoError;
    const QString reply = SendModemCommand(QStringLiteral("WN1") + vb::HexByte(address) + data, port);
    CheckModemError();
    if (reply != QStringLiteral("WN")) ModemErrorCode = UnexpectedReply;
}

bool ModemComm::CheckModemError()
{
    if (ModemErrorCode == NoError) return false;
    ShowModemError();
    throw RuntimeError::deviceUnavailable();
}

void ModemComm::ShowModemError()
{
    context_.MsgBox(QStringLiteral("Error has occured error code: ") + QString::number(ModemErrorCode));
}
