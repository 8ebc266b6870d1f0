#include "ModemWrite.h"

#include "CollisionOptions.h"
#include "ModemComm.h"
#include "ModemCommands.h"
#include "ModemMap.h"
#include "LibraryContext.h"
#include "ModemSetting.h"
#include "PortSetting.h"
#include "ProgressView.h"
#include "RuntimeError.h"
#include "VbNumbers.h"

using namespace ModemMap;

ModemWrite::ModemWrite(ModemCommands& commands) : commands_(commands), comm_(commands.comm()) {}

ModemWrite::Planning::Planning(ModemWrite& writer, WritePlan& plan) : writer_(writer), outer_(writer.plan_)
{
    writer.plan_ = &plan;
}

ModemWrite::Planning::~Planning() { writer_.plan_ = outer_; }

void ModemWrite::send(int address, const QString& data, SerialPort& Comm)
{
    comm_.ModemErrorCode = ModemComm::NoError;
    comm_.WriteModemParameter(address, data, Comm);
    comm_.CheckModemError();
}

void ModemWrite::WriteLocation(int address, const QString& data, SerialPort& Comm)
{
    if (plan_)
        plan_->Write(address, data);
    else
        send(address, data, Comm);
}

int32_t ModemWrite::read(int address, int bytes, SerialPort& Comm)
{
    return plan_ ? plan_->Read(address, bytes, Comm) : commands_.ReadLocation(address, bytes, Comm);
}

void ModemWrite::Send(const WritePlan::Steps& steps, SerialPort& Comm)
{
    ProgressView& progress = comm_.context().progress();
    for (const WritePlan::Step& step : steps) {
        if (step.Address != WritePlan::NoLocation) {
            send(step.Address, step.Data, Comm);
            continue;
        }
        progress.SetValue(step.Added ? progress.Value() + step.Percent : step.Percent);
        progress.Repaint();
    }
}

void ModemWrite::WriteByte(int address, double value, SerialPort& Comm)
{
    WriteLocation(address, vb::HexByte(vb::CByte(value)), Comm);
}

void ModemWrite::writeBit(int address, int mask, bool set, SerialPort& Comm)
{
    const int byte = read(address, 1, Comm);
    WriteByte(address, set ? (byte | mask) : (byte & ~mask), Comm);
}

void ModemWrite::WriteTxFreqTrim(int trim, SerialPort& Comm)
{
    // A trim outside the signed byte would be stored as another trim.
    if (trim < -128 || trim > 127) throw RuntimeError::overflow();
    WriteByte(TxFreqTrim.Address, trim < 0 ? 256 + trim : trim, Comm);
}

void ModemWrite::WriteDiagSid1(int32_t DiagSID1, int32_t DiagSID2, SerialPort& Comm)
{
    WriteLocation(DiagSid1.Address, vb::HexByte(vb::CByte(DiagSID1)) + vb::HexByte(vb::CByte(DiagSID2)), Comm);
}

void ModemWrite::WritePortBEnabled(bool enabled, SerialPort& Comm)
{
    writeBit(PortBFlags.Address, Bits::PortBEnabled, enabled, Comm);
}

int64_t ModemWrite::pttTimeoutWord(int32_t seconds)
{
    // A word that does not fit its two bytes would run over the serial number.
    const int64_t stored = int64_t(seconds) * 100;
    if (stored < 0 || stored > 0xFFFF) throw RuntimeError::overflow();
    return stored;
}

void ModemWrite::WritePttTimeout(int32_t seconds, SerialPort& Comm)
{
    WriteLocation(PttTimeout.Address, vb::HexWord(pttTimeoutWord(seconds)), Comm);
}

void ModemWrite::WriteSynthRegisters(double frequency, SerialPort& Comm)
{
    // No writer touches the reference word: the modem's is the one the write leaves.
    const int32_t r = commands_.ReadSynthWordE2(Comm);
    if (r == 0) throw RuntimeError(11, QStringLiteral("Division by zero"));
    const double step = 12000000.0 / r;
    const double q = frequency * 1000000.0 / (step * 128);
    const double a = vb::Int((q - vb::Int(q)) * 128);
    const double n = vb::Int(frequency * 1000000.0 / step / 128);
    const double word = 16 * n;
    if (!(word >= 0 && word <= 0xFFFF)) throw RuntimeError::overflow();
    WriteByte(SynthA.Address, 2 * a, Comm);
    WriteLocation(SynthN.Address, vb::HexWord(int64_t(word)), Comm);
}

void ModemWrite::writeRssiThreshold(int32_t dBm, SerialPort& Comm)
{
    read(RssiThreshold.Address, 1, Comm);
    // No writer touches the calibration either.
    const int32_t cal = commands_.ReadCalibration(SignalCal.Address, ModemCommands::DefaultSignalCal, Comm);
    WriteByte(RssiThreshold.Address, double(dBm + 134) * cal / 74, Comm);
}

void ModemWrite::WriteRssiThresholdA(int32_t dBm, SerialPort& Comm) { writeRssiThreshold(dBm, Comm); }
void ModemWrite::WriteRssiThresholdB(int32_t dBm, SerialPort& Comm) { writeRssiThreshold(dBm, Comm); }

void ModemWrite::WriteTxDelay(int32_t milliseconds, SerialPort& Comm)
{
    const int32_t both = read(CollisionNibbles.Address, 2, Comm);
    const int f8 = both >> 8;
    const int f9 = both & 0xFF;
    const int k = (f8 >> 4) != 0 ? 9 : 8;
    const double perMs = (f9 >> 4) != 0 ? 9.6 : 4.8;
    WriteByte(TxDelay.Address, milliseconds * perMs / k, Comm);
}

void ModemWrite::WriteNoOfSlot(int32_t NoOfSlot, SerialPort& Comm) { WriteByte(ModemMap::NoOfSlot.Address, NoOfSlot, Comm); }
void ModemWrite::WriteTimePerSlot(int32_t time, SerialPort& Comm) { WriteByte(TimePerSlot.Address, time, Comm); }

void ModemWrite::WriteByteF8(int high, int low, SerialPort& Comm)
{
    WriteByte(CollisionNibbles.Address, high * 16 + low, Comm);
}

void ModemWrite::WriteOptionFBa(bool PowerHL, SerialPort& Comm) { writeBit(Options.Address, Bits::PowerHL, PowerHL, Comm); }

void ModemWrite::WriteOptionFBb(int32_t PTTControl, SerialPort& Comm)
{
    const int byte = read(Options.Address, 1, Comm) & ~Bits::PttField;
    WriteByte(Options.Address, PTTControl == 2 ? (byte | Bits::PttFromRts) : byte, Comm);
}

void ModemWrite::WriteOptionFBc(bool SIDCode, SerialPort& Comm) { writeBit(Options.Address, Bits::SIDCode, SIDCode, Comm); }

void ModemWrite::WriteDiagRepeat(bool repeat, SerialPort& Comm)
{
    writeBit(DiagRepeat.Address, Bits::DiagRepeat, repeat, Comm);
}

void ModemWrite::WriteCollisionOptions(const ModemSetting& ModemSet, SerialPort& Comm)
{
    const int options = read(Options.Address, 1, Comm);
    const auto encoding = CollisionOptions::Encode(ModemSet.CAvoid, ModemSet.TryBeforeTX);
    if (!encoding) {
        WriteByte(Options.Address, options, Comm);
        return;
    }
    WriteByteF8(encoding->High, encoding->Low, Comm);
    WriteByte(Options.Address, (options & ~CollisionOptions::FbMask) | encoding->FbBits, Comm);
}

void ModemWrite::WriteModemPortSetting(const PortSetting& Port, bool IsPortA, SerialPort& Comm)
{
    const int p = IsPortA ? 0 : 1;
    const bool above23 = commands_.FirmwareAbove23(Comm);

    int format = CodeOfCommSpeed(Port.CommSpeed);
    if (Port.StopBit != 1) format |= PortFormatBit::TwoStopBits;
    if (Port.Parity != 0) format |= PortFormatBit::ParityOn;
    if (Port.Parity == 1) format |= PortFormatBit::Odd;
    if (Port.DataBit == 7) format |= PortFormatBit::SevenDataBits;
    WriteByte(PortFormat.Address + p, format, Comm);

    WriteByte(PortSid1.Address + 2 * p, Port.SID1, Comm);
    WriteByte(PortSid2.Address + 2 * p, Port.SID2, Comm);

    int flags = read(PortFlags.Address + p, 1, Comm);
    flags = (flags & ~PortFlag::SidTypeMask) | ((Port.SIDType << PortFlag::SidTypeShift) & PortFlag::SidTypeMask);
    flags = Port.ISLive ? (flags | PortFlag::Live) : (flags & ~PortFlag::Live);
    flags = Port.EOMEnable ? (flags | PortFlag::EomEnable) : (flags & ~PortFlag::EomEnable);
    // Translated and repeated streams, and SLIP, are never live.
    if (Port.ISSlip || Port.SIDType == 1 || Port.SIDType == 3) flags &= ~PortFlag::Live;

    if (Port.ISSlip) {
        flags = (flags & ~PortFlag::XonXoff) | PortFlag::Slip;
    } else {
        flags &= ~PortFlag::Slip;
        flags = Port.HandShake == 0 ? (flags | PortFlag::XonXoff) : (flags & ~PortFlag::XonXoff);
    }
    if (IsPortA && above23)
        flags = Port.HandShake != 1 ? (flags | PortFlag::Hardware) : (flags & ~PortFlag::Hardware);
    WriteByte(PortFlags.Address + p, flags, Comm);
    if (Port.ISSlip) return;

    WriteByte(PortEomChar.Address + p, Port.EOMChar, Comm);
    WriteByte(PortCharTimer.Address + p, Port.CharTimer, Comm);
    WriteByte(PortMaxFrame.Address + p, Port.MaxFrame, Comm);
}
