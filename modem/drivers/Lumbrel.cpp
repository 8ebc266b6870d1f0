#include "Lumbrel.h"

#include "ModemLinks.h"
#include "RadioMap.h"
#include "VbNumbers.h"

namespace {

using Step = SynthesisedRadio::Step;
using enum SynthesisedRadio::Op;

constexpr Step ReadTx[] = {
    {OpenRadio}, {SerialNo}, {PowerLimits}, {Progress, 10}, {MinTCT}, {Check}, {MaxTCT}, {Check}, {TrimGain},
    {Check}, {RadioType}, {Check}, {FreqTrim}, {Check}, {Progress, 10}, {PowerLevel}, {Check},
    // The transmit divider is read with the channel step the driver holds now.
    {Divider}, {Firmware}, {Check}, {Progress, 5}, {OpenModem}, {TxDelay},
};
constexpr Step ReadRx[] = {
    {OpenRadio}, {Check}, {SerialNo}, {Progress, 10}, {MinTCT}, {Check}, {MaxTCT}, {Check}, {RadioType}, {Check},
    {Progress, 15}, {TrimGain}, {Check}, {FreqTrim}, {Firmware}, {Check}, {RefDivider}, {Divider}, {Check},
    {OpenModem},
};
constexpr Step WriteTx[] = {
    {OpenRadio}, {Check}, {Progress, 10}, {RefDivider}, {Divider}, {Check}, {Progress, 10}, {FreqTrim}, {Check},
    {PowerLevel}, {Check}, {Finish}, {OpenModem}, {Progress, 5}, {TxDelay},
};
constexpr Step WriteRx[] = {
    {Progress, 10}, {OpenRadio}, {Check}, {RefDivider}, {Divider}, {Check}, {Progress, 10}, {FreqTrim}, {Check},
    {Finish}, {OpenModem},
};

constexpr SynthesisedRadio::Family LumbrelFamily{ReadTx, ReadRx, WriteTx, WriteRx, true, true, ""};

int clampedByte(double setting)
{
    const int32_t x = vb::CLng(setting);
    return x < 0 ? 0 : x > 255 ? 255 : x;
}

}  // namespace

Lumbrel::Lumbrel(ModemLinks& links) : SynthesisedRadio(links, LumbrelFamily) {}

double Lumbrel::readDivider(Side side, SerialPort& port)
{
    return side == Side::Transmit ? links_.RadioCmds.ReadLumbrelTxDivider(port)
                                  : links_.RadioCmds.ReadLumbrelRxDivider(port);
}

void Lumbrel::writeDividers(int32_t N, Side side, SerialPort& port)
{
    // A transmit radio's receive register gets the transmit divider too.
    if (side == Side::Transmit) links_.RadioWriter.WriteRadioValueD(N, port);
    links_.RadioWriter.WriteRadioValueC(N, port);
}

bool Lumbrel::WriteTXFreq(double freq, SerialPort& PortDriver)
{
    const int32_t N = vb::CLng(dividerOf(freq, Side::Transmit));
    return (loadSynth(&RadioWrite::WriteRadioBlockB, N, true, PortDriver) & 0x01) != 0;
}

bool Lumbrel::WriteRXFreq(double freq, SerialPort& PortDriver)
{
    const int32_t N = vb::CLng(dividerOf(freq, Side::Receive));
    loadSynth(&RadioWrite::WriteRadioBlockB, N, false, PortDriver);
    return false;
}

QByteArray Lumbrel::txStateCommand(bool TurnOn) const
{
    const int32_t sc = RadSpec.SynthCtl;
    QByteArray command;
    command.append(char(RadioMap::Command::SynthLoad));
    command.append(char(((sc / 256) / 2) & 0x7F));
    command.append(char((TurnOn ? 0 : 2) | (RadSpec.TXBs ? 8 : 0) | ((sc / 2) & 0x7A)));
    command.append(char(0x08));
    command.append(char(vb::CByte(RadSpec.SynthLockTime)));
    return command;
}

bool Lumbrel::TXState(bool TurnOn, SerialPort& PortDriver)
{
    const QByteArray command = txStateCommand(TurnOn);
    links_.Radio.OpenRadioPort(PortDriver);
    const bool on = links_.RadioCmds.SendStatusCommand(PortDriver, command) != 0;
    links_.Comm.OpenModemPort(PortDriver);
    return on;
}

void Lumbrel::WritePower(int16_t Value, bool OpenPort, SerialPort& PortDriver)
{
    sendPower(Value, OpenPort, PortDriver, clampedByte);
}

QList<QByteArray> Lumbrel::ReleaseCommands() const { return {powerCommand(0, clampedByte), txStateCommand(false)}; }
