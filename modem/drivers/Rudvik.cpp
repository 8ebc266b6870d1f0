#include "Rudvik.h"

#include "RuntimeError.h"

#include "ModemLinks.h"
#include "RadioMap.h"
#include "VbNumbers.h"

namespace {

using Step = SynthesisedRadio::Step;
using enum SynthesisedRadio::Op;

constexpr Step ReadTx[] = {
    {OpenRadio}, {SerialNo}, {Progress, 10}, {Check}, {TrimGain}, {Check}, {RadioType}, {Check}, {Progress, 10},
    {PowerSwitch}, {Check}, {Divider}, {Firmware}, {Check}, {Progress, 5}, {OpenModem}, {PowerAlarm}, {TxDelay},
};
constexpr Step ReadRx[] = {
    {OpenRadio}, {Check}, {SerialNo}, {Progress, 10}, {Check}, {RadioType}, {Check}, {Progress, 15}, {Firmware},
    {Check}, {Divider}, {Check}, {OpenModem},
};
constexpr Step WriteTx[] = {
    {OpenRadio}, {Check}, {Progress, 10}, {Divider}, {Check}, {Progress, 10}, {PowerSwitch}, {Check}, {Finish},
    {OpenModem}, {Progress, 5}, {TxDelay},
};
constexpr Step WriteRx[] = {
    {OpenRadio}, {Check}, {Progress, 10}, {Divider}, {Check}, {Progress, 10}, {Finish}, {OpenModem},
};

constexpr SynthesisedRadio::Family RudvikFamily{ReadTx, ReadRx, WriteTx, WriteRx, false, false, ""};

}  // namespace

Rudvik::Rudvik(ModemLinks& links) : SynthesisedRadio(links, RudvikFamily) {}

double Rudvik::ComputeSynthWord(double x)
{
    while (x >= 100) x -= 100;
    while (x >= 10) x -= 10;
    while (x >= 1) x -= 1;
    return x;
}

double Rudvik::readDivider(Side side, SerialPort& port)
{
    RadioCommands& radio = links_.RadioCmds;
    const bool tx = side == Side::Transmit;
    const double B = tx ? radio.ReadRudvikCounterB1(port) : radio.ReadRudvikCounterB2(port);
    const double A = tx ? radio.ReadRudvikCounterA1(port) : radio.ReadRudvikCounterA2(port);
    return (A / Prescaler + B) * Prescaler;
}

void Rudvik::writeDividers(int32_t N, Side side, SerialPort& port)
{
    RadioWrite& writer = links_.RadioWriter;
    const int32_t B = N / Prescaler;
    const int32_t A = N % Prescaler;
    if (side == Side::Transmit) {
        writer.WriteRadioRegE(B, port);
        writer.WriteRadioRegH(A, port);
    }
    // A transmit radio's receive counters get the transmit value too.
    writer.WriteRadioRegF(B, port);
    writer.WriteRadioRegG(A, port);
}

bool Rudvik::WriteTXFreq(double, SerialPort&) { return false; }
bool Rudvik::TXState(bool, SerialPort&) { return false; }
void Rudvik::WritePower(int16_t, bool, SerialPort&) {}
void Rudvik::TestPowerMode(bool, SerialPort&) {}

bool Rudvik::WriteRXFreq(double freq, SerialPort& PortDriver)
{
    links_.Radio.OpenRadioPort(PortDriver);
    const int64_t W = int64_t(links_.RadioCmds.ReadRudvikWord40(PortDriver)) * 2 | 1;
    if (RadSpec.PhaseFreq == 0) throw RuntimeError(11, QStringLiteral("Division by zero"));
    const double y = dividerOf(freq, Side::Receive) / Prescaler;
    // The counters are whole numbers well inside 32 bits; anything else cannot be loaded.
    if (!(y >= 0 && y < 2147483648.0)) throw RuntimeError::overflow();
    const int64_t B = int64_t(vb::Int(y));
    const int64_t A64 = int64_t(vb::RoundHalfEven(64 * (ComputeSynthWord(y) * 64)));
    const int64_t D = (B * 8192) | A64;
    QByteArray command;
    command.append(char(RadioMap::Command::SynthLoad));
    command.append(char((W >> 8) & 0xFF)).append(char(W & 0xFF));
    command.append(char((D >> 16) & 0xFF)).append(char((D >> 8) & 0xFF)).append(char(D & 0xFF));
    command.append(char(vb::CByte(RadSpec.SynthLockTime)));
    // The status in the reply is of no use here, and no wait follows.
    links_.RadioCmds.SendStatusCommand(PortDriver, command);
    links_.Comm.OpenModemPort(PortDriver);
    return false;
}
