#include "ModemCommands.h"

#include "CollisionOptions.h"
#include "LibraryContext.h"
#include "ModemComm.h"
#include "ModemMap.h"
#include "ModemSetting.h"
#include "PortSetting.h"
#include "ProgressView.h"
#include "RuntimeError.h"
#include "SettingDomain.h"
#include "VbNumbers.h"

using namespace ModemMap;

ModemCommands::ModemCommands(ModemComm& comm) : comm_(comm) {}

bool ModemCommands::CheckModemError() { return comm_.CheckModemError(); }

bool ModemCommands::ProbeModemVersion(SerialPort& Comm)
{
    comm_.ModemErrorCode = ModemComm::NoError;
    try {
        return comm_.SendModemCommand(QStringLiteral("SV"), Comm).startsWith(QStringLiteral("SV:VA"));
    } catch (const RuntimeError&) {
        return false;
    }
}

// A configuration file holds every version text this reads.
static_assert(SettingDomain::ModemFirmwareLength == ModemComm::MaxReplyLength - 7, "SV:VA, the text, the checksum");

QString ModemCommands::ReadModemFirmware(SerialPort& Comm)
{
    comm_.ModemErrorCode = ModemComm::NoError;
    const QString reply = comm_.SendModemCommand(QStringLiteral("SV"), Comm);
    CheckModemError();
    if (!reply.startsWith(QStringLiteral("SV:VA"))) {
        comm_.context().MsgBox(QStringLiteral("Error Reading the firmware version of modem!"));
        comm_.ModemErrorCode = ModemComm::UnexpectedReply;
        return QString();
    }
    return reply.mid(5);
}

QString ModemCommands::ReadModemProductVersion(SerialPort& Comm)
{
    comm_.ModemErrorCode = ModemComm::NoError;
    const QString reply = comm_.SendModemCommand(QStringLiteral("PV"), Comm);
    CheckModemError();
    if (!reply.startsWith(QStringLiteral("PV:"))) {
        comm_.ModemErrorCode = ModemComm::UnexpectedReply;
        return QString();
    }
    return reply.mid(3);
}

int16_t ModemCommands::ReadModemType(SerialPort& Comm)
{
    const int32_t stored = ReadLocation(ModemMap::ModemType.Address, 1, Comm);
    // Firmware 3 and later keeps the type; older firmware may not have stored it.
    if (ReadModemFirmware(Comm).left(1) >= QStringLiteral("3")) return int16_t(stored);
    CheckModemError();
    if (stored == 6 || stored == 7) return int16_t(stored);

    struct Band {
        double Low, High;
        int16_t Type;
    };
    static constexpr Band builtInBands[] = {{806, 810, 6}, {972, 976, 7}};
    const double f = ReadSynthFrequency(Comm);
    for (const Band& band : builtInBands) {
        if (f >= band.Low && f <= band.High) {
            comm_.WriteModemParameter(ModemMap::ModemType.Address, vb::HexByte(band.Type), Comm);
            CheckModemError();
            CheckModemCrc(Comm);
            CheckModemError();
            return band.Type;
        }
    }
    comm_.ModemErrorCode = ModemComm::TypeNotDerived;
    return 0;
}

double ModemCommands::ReadSynthFrequency(SerialPort& Comm)
{
    const int32_t r = ReadSynthWordE2(Comm);
    const int32_t n = ReadSynthWordE5(Comm) / 16;
    const int32_t a = ReadSynthByteE4(Comm) / 2;
    if (r == 0) throw RuntimeError(11, QStringLiteral("Division by zero"));
    const int32_t count = 128 * n + a;
    return (12000000.0 / r) * count / 1000000.0;
}

void ModemCommands::CheckModemCrc(SerialPort& Comm)
{
    static const QString good = QStringLiteral("F0B8");
    comm_.ModemErrorCode = ModemComm::NoError;
    const QString reply = comm_.SendModemCommand(QStringLiteral("CR"), Comm);
    CheckModemError();
    if (!reply.startsWith(QStringLiteral("CR="))) {
        comm_.ModemErrorCode = ModemComm::UnexpectedReply;
        return;
    }
    const QString residue = reply.mid(3, 4);
    if (residue == good) return;
    // The modem reports the word that makes its configuration consistent.
    comm_.WriteModemParameter(ModemMap::CheckWord.Address, residue, Comm);
    const QString again = comm_.SendModemCommand(QStringLiteral("CR"), Comm);
    if (!(again.startsWith(QStringLiteral("CR=")) && again.endsWith(good)))
        comm_.ModemErrorCode = ModemComm::UnexpectedReply;
}

void ModemCommands::SetSynthFrequency(double frequency, SerialPort& Comm)
{
    const double f = frequency * 1000000.0;
    const int32_t r = ReadSynthWordE2(Comm);
    if (r == 0) throw RuntimeError(11, QStringLiteral("Division by zero"));
    const double step = 12000000.0 / r;
    const double q = f / (step * 128);
    const int64_t a = int64_t(vb::Int((q - vb::Int(q)) * 128)) % 256;
    const int64_t n = int64_t(vb::Int(f / step / 128)) & 4095;
    const QString registers = comm_.ReadModemParameter(ModemMap::SynthSf.Address, ModemMap::SynthSf.Bytes, Comm);
    comm_.SendModemCommand(QStringLiteral("SF") + registers + vb::Hex(a) + vb::Hex(n), Comm);
}

int32_t ModemCommands::ReadRssiSample(int channel, SerialPort& Comm)
{
    if (channel < 0 || channel > 4) return 0;
    comm_.ModemErrorCode = ModemComm::NoError;
    const QString reply = comm_.SendModemCommand(QStringLiteral("RA") + QString::number(channel), Comm);
    CheckModemError();
    return vb::HexToLong(reply.right(2));
}

int32_t ModemCommands::averageRssi(double offset, SerialPort& Comm)
{
    constexpr int samples = 20;
    ProgressView& progress = comm_.context().progress();
    int16_t sum = 0;
    for (int i = 1; i <= samples; ++i) {
        sum = vb::CInt(double(sum) + ReadRssiSample(1, Comm));
        progress.SetValue(i * 100 / samples);
        progress.Repaint();
    }
    const int32_t average = sum / samples;
    const int32_t cal = ReadCalibration(ModemMap::SignalCal.Address, DefaultSignalCal, Comm);
    const int32_t result = vb::CLng(double(average) / cal * 74 - offset);
    progress.Hide();
    return result;
}

int32_t ModemCommands::AverageRssiA(SerialPort& Comm) { return averageRssi(138, Comm); }
int32_t ModemCommands::AverageRssiB(SerialPort& Comm) { return averageRssi(134, Comm); }

QString ModemCommands::StripCommas(const QString& text) { return QString(text).remove(QLatin1Char(',')); }

int32_t ModemCommands::ReadLocation(int address, int bytes, SerialPort& Comm)
{
    comm_.ModemErrorCode = ModemComm::NoError;
    const QString data = comm_.ReadModemParameter(address, bytes, Comm);
    CheckModemError();
    return vb::HexToLong(data);
}

int32_t ModemCommands::readSignedByte(int address, SerialPort& Comm)
{
    const int32_t value = ReadLocation(address, 1, Comm);
    return value > 127 ? value - 256 : value;
}

bool ModemCommands::readBit(int address, int mask, SerialPort& Comm)
{
    return (ReadLocation(address, 1, Comm) & mask) != 0;
}

int32_t ModemCommands::ReadCalibration(int address, int fallback, SerialPort& Comm)
{
    if (!readBit(ModemMap::BuildOptions.Address, Bits::Calibrated, Comm)) return fallback;
    const int32_t cal = ReadLocation(address, 1, Comm);
    return (cal == 0 || cal == 255) ? fallback : cal;
}

bool ModemCommands::FirmwareAbove23(SerialPort& Comm) { return vb::Val(ReadModemFirmware(Comm)) > 2.3; }

int32_t ModemCommands::ReadDiagsEditable(SerialPort& Comm) { return ReadLocation(DiagsEditable.Address, 1, Comm); }
int16_t ModemCommands::ReadTxFreqTrim(SerialPort& Comm) { return int16_t(readSignedByte(TxFreqTrim.Address, Comm)); }
int32_t ModemCommands::ReadDiagSid1(SerialPort& Comm) { return ReadLocation(DiagSid1.Address, 1, Comm); }
int32_t ModemCommands::ReadDiagSid2(SerialPort& Comm) { return ReadLocation(DiagSid2.Address, 1, Comm); }
bool ModemCommands::ReadPortBEnabled(SerialPort& Comm) { return readBit(PortBFlags.Address, Bits::PortBEnabled, Comm); }

int32_t ModemCommands::ReadPttTimeout(SerialPort& Comm)
{
    return vb::CLng(ReadLocation(PttTimeout.Address, PttTimeout.Bytes, Comm) / 100.0);
}

QString ModemCommands::ReadModemSerialNo(SerialPort& Comm)
{
    comm_.ModemErrorCode = ModemComm::NoError;
    const QString digits = comm_.ReadModemParameter(SerialNo.Address, SerialNo.Bytes, Comm);
    CheckModemError();
    return digits;
}

int32_t ModemCommands::ReadSynthWordE2(SerialPort& Comm) { return ReadLocation(SynthR.Address, SynthR.Bytes, Comm); }
int32_t ModemCommands::ReadSynthByteE4(SerialPort& Comm) { return ReadLocation(SynthA.Address, SynthA.Bytes, Comm); }
int32_t ModemCommands::ReadSynthWordE5(SerialPort& Comm) { return ReadLocation(SynthN.Address, SynthN.Bytes, Comm); }

int32_t ModemCommands::ReadPowerAlarm(SerialPort& Comm)
{
    const int32_t a = ReadLocation(PowerAlarm.Address, 1, Comm);
    if (a == 0) return 0;
    const int32_t b = ReadCalibration(AlarmCal.Address, DefaultAlarmCal, Comm);
    // The square of the alarm level is held in 16 bits: levels above 166 overflow.
    const int16_t levelSquared = vb::CInt(double(a + 15) * (a + 15));
    return vb::CLng(vb::Int(1000.0 * levelSquared / (double(b + 15) * (b + 15))));
}

int32_t ModemCommands::ReadByteF1(SerialPort& Comm) { return ReadLocation(AlarmCal.Address, 1, Comm); }
int32_t ModemCommands::ReadByteF3(SerialPort& Comm) { return ReadLocation(SignalCal.Address, 1, Comm); }

int32_t ModemCommands::readRssiThreshold(SerialPort& Comm)
{
    const int32_t raw = ReadLocation(RssiThreshold.Address, 1, Comm);
    const int32_t cal = ReadCalibration(SignalCal.Address, DefaultSignalCal, Comm);
    return vb::CLng(double(raw) / cal * 74 - 134);
}

int32_t ModemCommands::ReadRssiThresholdA(SerialPort& Comm) { return readRssiThreshold(Comm); }
int32_t ModemCommands::ReadRssiThresholdB(SerialPort& Comm) { return readRssiThreshold(Comm); }

int32_t ModemCommands::ReadTxDelay(SerialPort& Comm)
{
    const int32_t t = ReadLocation(TxDelay.Address, 1, Comm);
    const int k = ReadByteF8a(Comm) != 0 ? 9 : 8;
    const int baud = ReadLocation(RadioBaud.Address, 1, Comm) != 0 ? 9600 : 4800;
    return vb::CLng(double(t) * k * 1000 / baud);
}

int32_t ModemCommands::ReadNoOfSlot(SerialPort& Comm) { return ReadLocation(NoOfSlot.Address, 1, Comm); }
int32_t ModemCommands::ReadTimePerSlot(SerialPort& Comm) { return ReadLocation(TimePerSlot.Address, 1, Comm); }
int32_t ModemCommands::ReadByteF8a(SerialPort& Comm) { return ReadLocation(CollisionNibbles.Address, 1, Comm) >> 4; }
int32_t ModemCommands::ReadByteF8b(SerialPort& Comm) { return ReadLocation(CollisionNibbles.Address, 1, Comm) & 0x0F; }
bool ModemCommands::ReadBaudRate9600(SerialPort& Comm) { return readBit(RadioBaud.Address, Bits::BaudRate9600, Comm); }
bool ModemCommands::ReadDiagEnable(SerialPort& Comm) { return readBit(BuildOptions.Address, Bits::Calibrated, Comm); }
bool ModemCommands::ReadOptionFAbit1(SerialPort& Comm) { return readBit(BuildOptions.Address, Bits::ExtRF, Comm); }

bool ModemCommands::ReadBuildHdx(SerialPort& Comm)
{
    // The modem wants the location asked for once before it reports the build bit.
    comm_.SendModemCommand(QStringLiteral("RN1FA01"), Comm);
    return readBit(BuildOptions.Address, Bits::HDX, Comm);
}

bool ModemCommands::ReadSidCode(SerialPort& Comm) { return readBit(Options.Address, Bits::SIDCode, Comm); }
bool ModemCommands::ReadPowerHighLow(SerialPort& Comm) { return readBit(Options.Address, Bits::PowerHL, Comm); }

int32_t ModemCommands::ReadPttControl(SerialPort& Comm)
{
    // Bit 4 is shared with the collision options, so only bit 5 tells the keying.
    return readBit(Options.Address, Bits::PttFromRts, Comm) ? 2 : 0;
}

bool ModemCommands::ReadDiagRepeat(SerialPort& Comm) { return readBit(DiagRepeat.Address, Bits::DiagRepeat, Comm); }

void ModemCommands::ReadCollisionOptions(ModemSetting& ModemSet, SerialPort& Comm)
{
    ModemSet.TryBeforeTX = false;
    const int options = ReadLocation(Options.Address, 1, Comm);
    const int high = ReadByteF8a(Comm);
    const int low = ReadByteF8b(Comm);
    CollisionOptions::Decode(options, high, low, ModemSet.CAvoid, ModemSet.TryBeforeTX);
}

void ModemCommands::ReadModemPortSetting(PortSetting& Port, bool IsPortA, SerialPort& Comm)
{
    const int p = IsPortA ? 0 : 1;
    const int format = ReadLocation(PortFormat.Address + p, 1, Comm);
    Port.CommSpeed = int16_t(CommSpeedOfCode[format & PortFormatBit::SpeedMask]);
    Port.DataBit = (format & PortFormatBit::SevenDataBits) ? 7 : 8;
    Port.Parity = (format & PortFormatBit::ParityOn) ? ((format & PortFormatBit::Odd) ? 1 : 2) : 0;
    Port.StopBit = (format & PortFormatBit::TwoStopBits) ? 2 : 1;

    Port.SID1 = ReadLocation(PortSid1.Address + 2 * p, 1, Comm);
    Port.SID2 = ReadLocation(PortSid2.Address + 2 * p, 1, Comm);

    const int flags = ReadLocation(PortFlags.Address + p, 1, Comm);
    Port.SIDType = int16_t((flags & PortFlag::SidTypeMask) >> PortFlag::SidTypeShift);
    Port.ISLive = (flags & PortFlag::Live) != 0;
    Port.EOMEnable = (flags & PortFlag::EomEnable) != 0;

    // Port A has hardware flow control unless later firmware says it is off.
    auto portAHandShake = [&] {
        const bool above23 = FirmwareAbove23(Comm);
        return int16_t(above23 && !(flags & PortFlag::Hardware) ? 1 : 2);
    };

    if (flags & PortFlag::Slip) {
        Port.ISSlip = true;
        Port.MaxFrame = 0;
        Port.CharTimer = 0;
        Port.EOMChar = 0;
        Port.HandShake = IsPortA ? portAHandShake() : int16_t(1);
        return;
    }
    Port.ISSlip = false;
    if (flags & PortFlag::XonXoff)
        Port.HandShake = 0;
    else
        Port.HandShake = IsPortA ? portAHandShake() : int16_t(1);

    Port.EOMChar = ReadLocation(PortEomChar.Address + p, 1, Comm);
    Port.CharTimer = ReadLocation(PortCharTimer.Address + p, 1, Comm);
    Port.MaxFrame = ReadLocation(PortMaxFrame.Address + p, 1, Comm);
}
