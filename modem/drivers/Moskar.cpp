#include "Moskar.h"

#include "ModemLinks.h"
#include "VbNumbers.h"

namespace {

using Step = SynthesisedRadio::Step;
using enum SynthesisedRadio::Op;

constexpr Step ReadTx[] = {
    {OpenRadio}, {SerialNo}, {PowerLimits}, {Progress, 10}, {MinTCT}, {Check}, {MaxTCT}, {Check}, {TrimGain},
    {Check}, {RadioType}, {Firmware}, {Check}, {FreqTrim}, {Check}, {Progress, 10}, {PowerLevel}, {Check},
    {Divider}, {Check}, {Progress, 5}, {OpenModem}, {PowerAlarm}, {TxDelay},
};
constexpr Step ReadRx[] = {
    {OpenRadio}, {Check}, {SerialNo}, {Progress, 10}, {MinTCT}, {Check}, {MaxTCT}, {Firmware}, {Check},
    {RadioType}, {Check}, {Progress, 15}, {TrimGain}, {Check}, {FreqTrim}, {Check}, {Divider}, {Check},
    {OpenModem},
};
constexpr Step WriteTx[] = {
    {OpenRadio}, {Check}, {Progress, 10}, {Divider}, {Check}, {Progress, 10}, {FreqTrim}, {Check}, {PowerLevel},
    {Check}, {Finish}, {OpenModem}, {TxDelay}, {Progress, 5},
};
constexpr Step WriteRx[] = {
    {Progress, 10}, {OpenRadio}, {Check}, {Divider}, {Check}, {Progress, 10}, {FreqTrim}, {Check}, {Finish},
    {OpenModem},
};

constexpr SynthesisedRadio::Family MoskarFamily{ReadTx, ReadRx, WriteTx, WriteRx, true, true, " for help"};

// A setting of 255.5 or more does not fit the byte: the overflow reaches the caller.
int roundedByte(double setting) { return setting < 0 ? 0 : vb::CByte(setting); }

}  // namespace

Moskar::Moskar(ModemLinks& links) : SynthesisedRadio(links, MoskarFamily) {}

double Moskar::readDivider(Side side, SerialPort& port)
{
    return side == Side::Transmit ? links_.RadioCmds.ReadMoskarDividerB(port)
                                  : links_.RadioCmds.ReadMoskarDividerA(port);
}

void Moskar::writeDividers(int32_t N, Side side, SerialPort& port)
{
    // A transmit radio's receive register gets the transmit divider too.
    if (side == Side::Transmit) links_.RadioWriter.WriteRadioValueA(N, port);
    links_.RadioWriter.WriteRadioValueB(N, port);
}

bool Moskar::WriteTXFreq(double freq, SerialPort& PortDriver)
{
    const int32_t N = vb::CLng(dividerOf(freq, Side::Transmit));
    return (loadSynth(&RadioWrite::WriteRadioBlockA, N, true, PortDriver) & 0x20) == 0;
}

bool Moskar::WriteRXFreq(double freq, SerialPort& PortDriver)
{
    const int32_t N = vb::CLng(dividerOf(freq, Side::Receive));
    loadSynth(&RadioWrite::WriteRadioBlockA, N, false, PortDriver);
    return false;
}

int32_t Moskar::midBandDivider() const
{
    // The receive synthesiser is loaded with the divider of the middle of the band
    // as it is, without the FirstIF offset.
    return vb::CLng((RadSpec.MaxRXFreq + RadSpec.MinRXFreq) * 1000000 / RadSpec.PhaseFreq / 2);
}

bool Moskar::TXState(bool, SerialPort& PortDriver)
{
    // TurnOn is not used.
    return loadSynth(&RadioWrite::WriteRadioBlockA, midBandDivider(), false, PortDriver) == 0;
}

void Moskar::WritePower(int16_t Value, bool OpenPort, SerialPort& PortDriver)
{
    sendPower(Value, OpenPort, PortDriver, roundedByte);
}

QList<QByteArray> Moskar::ReleaseCommands() const
{
    return {powerCommand(0, roundedByte), RadioWrite::BlockACommand(RadSpec, midBandDivider(), false)};
}
