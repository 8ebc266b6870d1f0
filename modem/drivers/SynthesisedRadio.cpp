#include "SynthesisedRadio.h"

#include "LibraryContext.h"
#include "ModemLinks.h"
#include "RadioMap.h"
#include "RadioSetting.h"
#include "RuntimeError.h"
#include "ValidationRules.h"
#include "VbNumbers.h"

#include <cmath>

namespace {

const QString InvalidTitle = QStringLiteral("Error, Invalid setting!");
constexpr int DivisionByZero = 11;

QString num(double value) { return vb::ShortestDecimal(value); }
QString num(int value) { return QString::number(value); }

// A divider that is not a whole number of channel steps.
bool offChannel(double x) { return std::fabs(x - vb::RoundHalfEven(x)) > 0.000001; }

}  // namespace

SynthesisedRadio::SynthesisedRadio(ModemLinks& links, const Family& family)
    : RadioDriver(links, family.unrecoverableSuffix), family_(family)
{
}

double SynthesisedRadio::dividerAt(double freq, Side side, double step) const
{
    const double offset = side == Side::Receive ? RadSpec.FirstIF : 0.0;
    return (freq - offset) * 1000000 / step;
}

double SynthesisedRadio::powerSetting(double mW) const { return std::sqrt(mW * RadSpec.TXPowA) - RadSpec.TXPowB; }

int32_t SynthesisedRadio::loadSynth(SynthLoad load, int32_t N, bool transmit, SerialPort& port)
{
    links_.Radio.OpenRadioPort(port);
    const int32_t status = (links_.RadioWriter.*load)(RadSpec, N, transmit, port);
    links_.Comm.OpenModemPort(port);
    return status;
}

void SynthesisedRadio::sendPower(int16_t Value, bool OpenPort, SerialPort& port, int (*toByte)(double setting))
{
    if (OpenPort) links_.Radio.OpenRadioPort(port);
    links_.Radio.SendRadioCommand(powerCommand(Value, toByte), port);
    if (OpenPort) links_.Comm.OpenModemPort(port);
}

QByteArray SynthesisedRadio::powerCommand(int16_t Value, int (*toByte)(double setting)) const
{
    return RadioWrite::BlockCCommand(RadioMap::SetOutputPower, toByte(powerSetting(Value)));
}

void SynthesisedRadio::TestPowerMode(bool Enable, SerialPort& PortDriver)
{
    if (Enable)
        links_.Radio.OpenRadioPort(PortDriver);
    else
        links_.Comm.OpenModemPort(PortDriver);
}

bool SynthesisedRadio::CheckReadError(SerialPort& PortDriver)
{
    if (links_.Radio.RadioErrorCode == 0) return false;
    links_.Comm.OpenModemPort(PortDriver);
    links_.context().MsgBox(QStringLiteral("Fatal Error Occured when reading Radio Data, Contact ") +
                            links_.context().ContactName);
    return true;
}

void SynthesisedRadio::measurePhaseFreq(SerialPort& port)
{
    const double R = links_.RadioCmds.ReadLumbrelRefDivider(port);
    // A divider of 0 gives no step at all: the operation fails as on a link error.
    if (R == 0) throw RuntimeError(DivisionByZero, QStringLiteral("Division by zero"));
    RadSpec.PhaseFreq = RadSpec.RefCrystal / R;
}

bool SynthesisedRadio::ReadRadioSetting(SerialPort& Comm, RadioSetting& RadioSet, int TXRX)
{
    try {
        RadioSet.CanFreqTrim = family_.trims;
        RadioSet.TrimAdjustable = family_.trims;
        if (TXRX != 0 && TXRX != 1) return true;
        const Side side = TXRX == 0 ? Side::Transmit : Side::Receive;
        for (const Step& step : side == Side::Transmit ? family_.readTx : family_.readRx)
            if (!readStep(step, side, Comm, RadioSet)) return false;
        RadioSet.WriteTxPwr = false;
        return true;
    } catch (const RuntimeError&) {
        unrecoverable(Comm);
        return false;
    }
}

bool SynthesisedRadio::readStep(const Step& step, Side side, SerialPort& port, RadioSetting& set)
{
    RadioCommands& radio = links_.RadioCmds;
    const bool tx = side == Side::Transmit;
    switch (step.op) {
    case Op::OpenRadio: links_.Radio.OpenRadioPort(port); break;
    case Op::OpenModem: links_.Comm.OpenModemPort(port); break;
    case Op::Check: return !CheckReadError(port);
    case Op::Progress: AddProgress(step.percent); break;
    case Op::SerialNo: set.SerialNo = radio.ReadRadioSerialNo(port); break;
    case Op::PowerLimits:
        set.MaxTXPower = RadSpec.MaxTXPower;
        set.MinTXPower = RadSpec.MinTXPower;
        break;
    case Op::MinTCT: {
        const int32_t t = radio.ReadRadioTrimBase(port);
        set.MinTCT = vb::CInt(-(t + radio.ReadRadioByte75(port)));
        break;
    }
    case Op::MaxTCT: {
        const int32_t span = radio.ReadRadioByte76(port);
        set.MaxTCT = vb::CInt((255 - span) - radio.ReadRadioTrimBase(port));
        break;
    }
    case Op::TrimGain: (tx ? set.TXTrimGain : set.RXTrimGain) = vb::CInt(radio.ReadRadioTrimGain(port)); break;
    case Op::RadioType: set.RadioType = vb::CInt(radio.ReadRadioType(port)); break;
    case Op::Firmware: set.Firmware = radio.ReadRadioVersion(port); break;
    case Op::FreqTrim: {
        const int32_t stored = radio.ReadRadioFreqTrim(port);
        (tx ? set.TXFreqTrim : set.RXFreqTrim) = vb::CInt(stored - radio.ReadRadioTrimBase(port));
        break;
    }
    case Op::PowerLevel: {
        const double p = radio.ReadRadioPowerByte(port) + RadSpec.TXPowB;
        set.txpower = vb::CInt(p * p / RadSpec.TXPowA);
        break;
    }
    case Op::PowerSwitch:
        set.txpower = 0;
        set.PowerHL = (radio.ReadRadioPowerByte(port) & RadioMap::RudvikLowPower) == 0;
        break;
    case Op::Divider: {
        const double mhz = readDivider(side, port) * RadSpec.PhaseFreq / 1000000;
        if (tx)
            set.TXFreq = mhz;
        else
            set.RXFreq = mhz + RadSpec.FirstIF;
        break;
    }
    case Op::RefDivider: measurePhaseFreq(port); break;
    case Op::PowerAlarm: set.PowerAlarm = links_.Commands.ReadPowerAlarm(port); break;
    case Op::TxDelay: set.TXDelay = links_.Commands.ReadTxDelay(port); break;
    case Op::Finish: break;
    }
    return true;
}

bool SynthesisedRadio::measuresStep(Side side) const
{
    for (const Step& step : writeSteps(side))
        if (step.op == Op::RefDivider) return true;
    return false;
}

RadioWritePlan SynthesisedRadio::PlanRadioWrite(SerialPort& Comm, const RadioSetting& RadioSet, int TXRX,
                                                WritePlan& plan)
{
    RadioWritePlan planned;
    if (TXRX != 0 && TXRX != 1) return planned;
    const Side side = TXRX == 0 ? Side::Transmit : Side::Receive;
    const double freq = side == Side::Transmit ? RadioSet.TXFreq : RadioSet.RXFreq;
    for (const Step& step : writeSteps(side)) {
        switch (step.op) {
        case Op::Divider:
            // The finest step gives the largest divider.
            if (measuresStep(side))
                vb::CLng(dividerAt(freq, side, RadSpec.RefCrystal / MaxRefDivider));
            else
                planned.Divider = vb::CLng(dividerOf(freq, side));
            break;
        case Op::PowerLevel:
            if (RadioSet.WriteTxPwr) planned.Power = vb::CInt(powerSetting(RadioSet.txpower));
            break;
        case Op::TxDelay: links_.Writer.WriteTxDelay(RadioSet.TXDelay, Comm); break;
        default: break;
        }
    }
    planned.Modem = plan.Take();
    return planned;
}

bool SynthesisedRadio::SendRadioWrite(SerialPort& Comm, const RadioSetting& RadioSet, int TXRX,
                                      const RadioWritePlan& planned, bool& FreqTrimWritten)
{
    try {
        FreqTrimWritten = true;
        if (TXRX != 0 && TXRX != 1) return true;
        const Side side = TXRX == 0 ? Side::Transmit : Side::Receive;
        for (const Step& step : writeSteps(side))
            if (!writeStep(step, side, Comm, RadioSet, planned, FreqTrimWritten)) return false;
        return true;
    } catch (const RuntimeError&) {
        unrecoverable(Comm);
        return false;
    }
}

bool SynthesisedRadio::writeStep(const Step& step, Side side, SerialPort& port, const RadioSetting& set,
                                 const RadioWritePlan& planned, bool& FreqTrimWritten)
{
    const bool tx = side == Side::Transmit;
    switch (step.op) {
    case Op::OpenRadio: links_.Radio.OpenRadioPort(port); break;
    case Op::OpenModem: links_.Comm.OpenModemPort(port); break;
    case Op::Check: return !CheckReadError(port);
    case Op::Progress: AddProgress(step.percent); break;
    case Op::RefDivider: measurePhaseFreq(port); break;
    case Op::Divider: {
        // A measured step fits: the plan tried the finest.
        const int32_t N =
            measuresStep(side) ? vb::CLng(dividerOf(tx ? set.TXFreq : set.RXFreq, side)) : planned.Divider;
        writeDividers(N, side, port);
        break;
    }
    case Op::FreqTrim: {
        // The trim belongs to one radio: a record of another radio keeps it out.
        const bool sameRadio = set.SerialNo == links_.RadioCmds.ReadRadioSerialNo(port);
        FreqTrimWritten = sameRadio && set.TrimAdjustable;
        if (FreqTrimWritten) {
            const int32_t trim = tx ? set.TXFreqTrim : set.RXFreqTrim;
            const int64_t stored = int64_t(trim) + links_.RadioCmds.ReadRadioTrimBase(port);
            // A trim this radio's register cannot hold is kept out as another
            // radio's would be, rather than ending the write half way.
            FreqTrimWritten = stored >= -RadioWrite::MaxTrim && stored <= RadioWrite::MaxTrim;
            if (FreqTrimWritten) links_.RadioWriter.WriteRadioRegJ(int32_t(stored), port);
        }
        break;
    }
    case Op::PowerLevel:
        if (set.WriteTxPwr) {
            int16_t p = planned.Power;
            links_.RadioWriter.WriteRadioRegI(p, port);
        }
        break;
    case Op::PowerSwitch:
        if (set.WriteTxPwr) links_.RadioWriter.WriteRadioRegK(set.PowerHL, port);
        break;
    case Op::Finish: links_.RadioCmds.FinishRadioWrite(port); break;
    case Op::TxDelay: links_.Writer.Send(planned.Modem, port); break;
    default: break;
    }
    return true;
}

void SynthesisedRadio::invalid(const QString& text) const
{
    links_.context().MsgBox(text, MsgButtons::OK, MsgIcon::None, InvalidTitle);
}

bool SynthesisedRadio::QuerySetting(RadioSetting& RadioSet, bool& DisplayError, int TXorRX)
{
    const RadioSpec& s = RadSpec;
    bool rejected = false;
    // Every rule is tested, also after one has failed.
    auto rule = [&](bool broken, const QString& text) {
        if (!broken) return;
        rejected = true;
        if (DisplayError) invalid(text);
    };
    auto channel = [&](double freq, Side side) {
        if (!offChannel(dividerOf(freq, side))) return;
        rejected = true;
        // Shown whatever DisplayError says: the frequency cannot be tuned at all.
        invalid(QStringLiteral("Invalid frequency.  Check Frequency Licence/Assignment"));
    };

    if (TXorRX == 0) {
        rule(ValidationRules::Outside(RadioSet.TXFreq, s.MinTXFreq, s.MaxTXFreq),
             QStringLiteral("The transmit freq of modem is limited to between ") + num(s.MinTXFreq) +
                 QStringLiteral("Mhz and ") + num(s.MaxTXFreq) + QStringLiteral(" Mhz"));
        channel(RadioSet.TXFreq, Side::Transmit);
        rule(RadioSet.TXDelay < 0 || RadioSet.TXDelay > 200,
             QStringLiteral("TX lead in delay must be between 0 and 200!!"));
        rule(RadioSet.PowerAlarm < s.MinAlarmPow || RadioSet.PowerAlarm > s.MaxAlarmPow,
             QStringLiteral("Tx Power Alarm must be between ") + num(s.MinAlarmPow) + QStringLiteral(" and ") +
                 num(s.MaxAlarmPow) + QStringLiteral("mW!!"));
        if (family_.powerLevelRule && (RadioSet.txpower > s.MaxTXPower || RadioSet.txpower < s.MinTXPower)) {
            // Corrected rather than rejected.
            if (DisplayError) {
                const QString cr2(2, QChar(13));
                invalid(QStringLiteral("ERROR - Tx Power Level.") + cr2 + QStringLiteral("The Tx Power Range is ") +
                        num(s.MinTXPower) + QStringLiteral("mW to ") + num(s.MaxTXPower) + QStringLiteral("mW") + cr2 +
                        QStringLiteral("Tx power is currently set to ") + num(RadioSet.txpower) + QStringLiteral("mW"));
            }
            RadioSet.txpower = 1000;
        }
    } else if (TXorRX == 1) {
        rule(ValidationRules::Outside(RadioSet.RXFreq, s.MinRXFreq, s.MaxRXFreq),
             QStringLiteral("The Receive freq of modem is limited to between ") + num(s.MinRXFreq) +
                 QStringLiteral(" and ") + num(s.MaxRXFreq));
        channel(RadioSet.RXFreq, Side::Receive);
    }
    return rejected;
}
