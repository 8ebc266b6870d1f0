#include "RadioWrite.h"

#include "Clock.h"
#include "LibraryContext.h"
#include "RadioComm.h"
#include "RadioCommands.h"
#include "RadioMap.h"
#include "RadioSpec.h"
#include "RuntimeError.h"
#include "VbNumbers.h"

using namespace RadioMap;

RadioWrite::RadioWrite(RadioCommands& commands) : commands_(commands), radio_(commands.radio()) {}

void RadioWrite::writeByte(int address, int value, SerialPort& port)
{
    commands_.WriteRadioMemory(port, address, QByteArray(1, vb::ByteChar(value)));
}

void RadioWrite::writeDivider(int address, int highAddress, int32_t N, int mask, int highBits, SerialPort& port)
{
    QByteArray low;
    low.append(char((N >> 8) & 0xFF)).append(char(N & 0xFF));
    commands_.WriteRadioMemory(port, address, low);
    const int32_t shared = commands_.ReadByte(port, highAddress);
    if (radio_.RadioErrorCode != 0) return;
    writeByte(highAddress, (shared & ~mask) | (highBits & mask), port);
}

void RadioWrite::WriteRadioValueA(int32_t N, SerialPort& port)
{
    writeDivider(Divider46, Divider45, N, 0x03, (N >> 16) & 3, port);
}

void RadioWrite::WriteRadioValueB(int32_t N, SerialPort& port)
{
    writeDivider(Divider42, HighBits, N, 0x03, (N >> 16) & 3, port);
}

void RadioWrite::WriteRadioValueC(int32_t N, SerialPort& port)
{
    writeDivider(Divider44, HighBits, N, 0x02, ((N >> 16) & 1) << 1, port);
}

void RadioWrite::WriteRadioValueD(int32_t N, SerialPort& port)
{
    writeDivider(Divider46, HighBits, N, 0x01, (N >> 16) & 1, port);
}

void RadioWrite::writeCounterB(int address, int32_t B, SerialPort& port)
{
    QByteArray bytes;
    bytes.append(char((B >> 8) & 7)).append(char(B & 0xFF));
    commands_.WriteRadioMemory(port, address, bytes);
}

void RadioWrite::WriteRadioRegE(int32_t B, SerialPort& port) { writeCounterB(Divider45, B, port); }

void RadioWrite::WriteRadioRegF(int32_t B, SerialPort& port)
{
    try {
        writeCounterB(Divider42, B, port);
    } catch (const RuntimeError& e) {
        radio_.context().MsgBox(QStringLiteral("Rudvik Error Code: ") + QString::number(e.Number()) +
                                QStringLiteral("Description: ") + e.Description());
    }
}

void RadioWrite::WriteRadioRegG(int32_t A, SerialPort& port) { writeByte(Divider44, A & 127, port); }
void RadioWrite::WriteRadioRegH(int32_t A, SerialPort& port) { writeByte(Divider47, A & 127, port); }

void RadioWrite::WriteRadioRegI(int16_t& power, SerialPort& port)
{
    if (power > 255) power = 255;
    if (power < 0) power = 0;
    writeByte(Power, power, port);
}

void RadioWrite::WriteRadioRegJ(int32_t trim, SerialPort& port)
{
    if (trim < -MaxTrim || trim > MaxTrim) throw RuntimeError::overflow();
    writeByte(FreqTrim, trim < 0 ? 256 + trim : trim, port);
}

void RadioWrite::WriteRadioRegK(bool highPower, SerialPort& port)
{
    const int32_t byte = commands_.ReadByte(port, Power) & 0x7F;
    writeByte(Power, highPower ? byte : (byte | RudvikLowPower), port);
}

QByteArray RadioWrite::BlockACommand(const RadioSpec& spec, int32_t N, bool transmit)
{
    const int32_t sc = spec.SynthCtl;
    const bool bs = transmit ? spec.TXBs : spec.RXBs;
    QByteArray command;
    command.append(char(Command::SynthLoad));
    command.append(vb::ByteChar(sc / 256));
    command.append(vb::ByteChar((sc & 0xF0) | (transmit ? 4 : 0) | (bs ? 8 : 0) | ((N / 65536) & 3)));
    command.append(char((N & 0xFF00) / 256));
    command.append(char(N & 0xFF));
    command.append(vb::ByteChar(spec.SynthLockTime));
    return command;
}

int32_t RadioWrite::WriteRadioBlockA(const RadioSpec& spec, int32_t N, bool transmit, SerialPort& port)
{
    const int32_t status = commands_.SendStatusCommand(port, BlockACommand(spec, N, transmit));
    radio_.context().clock().Sleep(1000);
    return status;
}

int32_t RadioWrite::WriteRadioBlockB(const RadioSpec& spec, int32_t N, bool transmit, SerialPort& port)
{
    const int32_t sc = spec.SynthCtl;
    const int bs = (transmit ? spec.TXBs : spec.RXBs) ? 8 : 0;
    const int64_t r = int64_t(vb::RoundHalfEven(spec.RefCrystal / spec.PhaseFreq));
    const char control = char(((sc / 256) / 2) & 0x7F);
    auto word24 = [](int64_t value, int low) {
        QByteArray w;
        w.append(char((value / 512) & 0xFF)).append(char((value / 2) & 0xFF)).append(char(((value % 2) * 128) | low));
        return w;
    };
    QByteArray command;
    command.append(char(Command::SynthLoad));
    command.append(control);
    command.append(char(bs | (transmit ? ((sc / 2) & 0x4A) : (((sc & 0x90) | 4) / 2))));
    command.append(char(0x08));
    command.append(word24(r, 0x28));
    command.append(word24(N, 0x30));
    command.append(control);
    command.append(char(bs | (transmit ? ((sc / 2) & 0x7A) : (((sc & 0xF0) | 4) / 2))));
    command.append(char(0x08));
    command.append(vb::ByteChar(spec.SynthLockTime));
    const int32_t status = commands_.SendStatusCommand(port, command);
    radio_.context().clock().Sleep(1000);
    return status;
}

QByteArray RadioWrite::BlockCCommand(int selector, int value)
{
    QByteArray command;
    command.append(char(Command::SetOutput)).append(vb::ByteChar(selector)).append(vb::ByteChar(value));
    return command;
}

void RadioWrite::WriteRadioBlockC(int selector, int value, SerialPort& port)
{
    radio_.SendRadioCommand(BlockCCommand(selector, value), port);
}
