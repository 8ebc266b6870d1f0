#include "RadioCommands.h"

#include "Clock.h"
#include "LibraryContext.h"
#include "RadioComm.h"
#include "RadioMap.h"
#include "RuntimeError.h"
#include "VbNumbers.h"

#include <QChar>

using namespace RadioMap;

RadioCommands::RadioCommands(RadioComm& radio) : radio_(radio) {}

QString RadioCommands::FormatRadioVersion(const QByteArray& reply)
{
    if (reply.isEmpty()) return QString();
    // Byte 2 holds the version: a reply without it has no version to take.
    if (reply.size() < 2) throw RuntimeError::invalidArgument();
    const int v = uint8_t(reply[1]);
    return vb::Hex(v >> 4) + QLatin1Char('.') + vb::Hex(v & 0x0F);
}

QString RadioCommands::ReadRadioVersion(SerialPort& port)
{
    const QByteArray reply = radio_.SendRadioCommand(QByteArray(1, char(Command::Version)), port);
    if (radio_.RadioErrorCode != 0) return QString();
    return FormatRadioVersion(reply);
}

QByteArray RadioCommands::ReadRadioMemory(SerialPort& port, int address, int count)
{
    QByteArray command;
    command.append(char(Command::ReadMemory)).append(vb::ByteChar(address)).append(vb::ByteChar(count));
    return radio_.SendRadioCommand(command, port);
}

void RadioCommands::WriteRadioMemory(SerialPort& port, int address, const QByteArray& data)
{
    QByteArray command;
    command.append(char(Command::WriteMemory)).append(vb::ByteChar(address)).append(data);
    radio_.SendRadioCommand(command, port);
}

QByteArray RadioCommands::ReadBytes(SerialPort& port, int address, int count)
{
    const QByteArray reply = ReadRadioMemory(port, address, count);
    if (radio_.RadioErrorCode != 0) return QByteArray();
    // A reply short of its data has no bytes to take at those positions.
    if (reply.size() < 2 + count) throw RuntimeError::invalidArgument();
    return reply.mid(2, count);
}

int32_t RadioCommands::ReadByte(SerialPort& port, int address)
{
    const QByteArray data = ReadBytes(port, address, 1);
    return data.isEmpty() ? 0 : uint8_t(data[0]);
}

int32_t RadioCommands::readWord(SerialPort& port, int address)
{
    const QByteArray data = ReadBytes(port, address, 2);
    return data.isEmpty() ? 0 : uint8_t(data[0]) * 256 + uint8_t(data[1]);
}

QString RadioCommands::ReadRadioSerialNo(SerialPort& port)
{
    const QByteArray data = ReadBytes(port, SerialNo, 3);
    if (data.isEmpty()) return QStringLiteral("------");
    QString text;
    for (char b : data) text += vb::HexByte(uint8_t(b));
    return text;
}

void RadioCommands::FinishRadioWrite(SerialPort& port)
{
    radio_.SendRadioCommand(QByteArray(1, char(Command::Finish)), port);
    radio_.context().clock().Sleep(1000);
}

int32_t RadioCommands::SendStatusCommand(SerialPort& port, const QByteArray& command)
{
    const QByteArray reply = radio_.SendRadioCommand(command, port);
    if (radio_.RadioErrorCode != 0) return 0;
    // A reply without its status byte must not pass for one that reports success.
    if (reply.size() < 2) throw RuntimeError::invalidArgument();
    return uint8_t(reply[1]);
}

int32_t RadioCommands::ReadRadioType(SerialPort& port) { return ReadByte(port, RadioType); }
int32_t RadioCommands::ReadRadioByte75(SerialPort& port) { return ReadByte(port, LowerTrimSpan); }
int32_t RadioCommands::ReadRadioByte76(SerialPort& port) { return ReadByte(port, UpperTrimSpan); }
int32_t RadioCommands::ReadRadioTrimGain(SerialPort& port) { return ReadByte(port, TrimGain); }
int32_t RadioCommands::ReadRadioTrimBase(SerialPort& port) { return signedByte(ReadByte(port, TrimBase)); }
int32_t RadioCommands::ReadRadioFreqTrim(SerialPort& port) { return signedByte(ReadByte(port, FreqTrim)); }
int32_t RadioCommands::ReadRadioPowerByte(SerialPort& port) { return ReadByte(port, Power); }

int32_t RadioCommands::ReadLumbrelRxDivider(SerialPort& port)
{
    const int32_t low = readWord(port, Divider44);
    const int32_t high = ReadByte(port, HighBits);
    return low + ((high & 0x02) ? 65536 : 0);
}

double RadioCommands::ReadLumbrelTxDivider(SerialPort& port)
{
    const int32_t low = readWord(port, Divider46);
    const int32_t high = ReadByte(port, HighBits);
    return low + ((high & 0x01) ? 65536 : 0);
}

double RadioCommands::ReadLumbrelRefDivider(SerialPort& port) { return readWord(port, Divider42) & 0xFFF; }

double RadioCommands::ReadMoskarDividerB(SerialPort& port)
{
    const int32_t low = readWord(port, Divider46);
    return low + (ReadByte(port, Divider45) & 3) * 65536.0;
}

double RadioCommands::ReadMoskarDividerA(SerialPort& port)
{
    const int32_t low = readWord(port, Divider42);
    return low + (ReadByte(port, HighBits) & 3) * 65536.0;
}

double RadioCommands::ReadRudvikCounterB1(SerialPort& port)
{
    const int32_t w = readWord(port, Divider45);
    return ((w >> 8) & 7) * 256 + (w & 0xFF);
}

double RadioCommands::ReadRudvikCounterB2(SerialPort& port)
{
    const int32_t w = readWord(port, Divider42);
    return ((w >> 8) & 7) * 256 + (w & 0xFF);
}

double RadioCommands::ReadRudvikCounterA1(SerialPort& port) { return ReadByte(port, Divider47) & 127; }
double RadioCommands::ReadRudvikCounterA2(SerialPort& port) { return ReadByte(port, Divider44) & 127; }
int32_t RadioCommands::ReadRudvikWord40(SerialPort& port) { return readWord(port, RudvikReference); }
