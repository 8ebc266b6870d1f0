#include "PexarRadio.h"

#include "LibraryContext.h"
#include "ModemLinks.h"
#include "RadioSetting.h"
#include "RuntimeError.h"
#include "ValidationRules.h"
#include "VbNumbers.h"

#include <cmath>

namespace {

constexpr int16_t MinTCT = -16;
constexpr int16_t MaxTCT = 15;
constexpr int16_t TrimGain = 100;
constexpr int32_t MaxTXDelay = 200;
const char* const Firmware = "2.0";

}  // namespace

PexarRadio::PexarRadio(ModemLinks& links, const Constants& constants)
    : RadioDriver(links, " for help"), constants_(constants)
{
}

bool PexarRadio::ReadRadioSetting(SerialPort& Comm, RadioSetting& RadioSet, int TXRX)
{
    try {
        RadioSet.CanFreqTrim = true;
        RadioSet.TrimAdjustable = true;
        RadioSet.SerialNo = QStringLiteral("------");
        if (TXRX == 0)
            readTransmit(Comm, RadioSet);
        else if (TXRX == 1)
            readReceive(Comm, RadioSet);
        return true;
    } catch (const RuntimeError&) {
        unrecoverable(Comm);
        return false;
    }
}

void PexarRadio::readTransmit(SerialPort& Comm, RadioSetting& RadioSet)
{
    ModemCommands& commands = links_.Commands;
    RadioSet.TXFreq = commands.ReadSynthFrequency(Comm) + constants_.TXOffset;
    AddProgress(10);
    RadioSet.PowerAlarm = commands.ReadPowerAlarm(Comm);
    RadioSet.TXDelay = commands.ReadTxDelay(Comm);
    AddProgress(10);
    RadioSet.PowerHL = commands.ReadPowerHighLow(Comm);
    RadioSet.MinTCT = MinTCT;
    RadioSet.MaxTCT = MaxTCT;
    RadioSet.TXFreqTrim = commands.ReadTxFreqTrim(Comm);
    RadioSet.TXTrimGain = TrimGain;
    AddProgress(5);
    RadioSet.txpower = 0;
    RadioSet.RadioType = constants_.RadioType;
    RadioSet.Firmware = QString::fromLatin1(Firmware);
    RadioSet.SerialNo = commands.ReadModemSerialNo(Comm);
    RadioSet.WriteTxPwr = false;
}

void PexarRadio::readReceive(SerialPort& Comm, RadioSetting& RadioSet)
{
    // There is no receive trim location: RXFreqTrim keeps what it held.
    ModemCommands& commands = links_.Commands;
    RadioSet.RadioType = constants_.RadioType;
    RadioSet.Firmware = QString::fromLatin1(Firmware);
    RadioSet.RXFreq = commands.ReadSynthFrequency(Comm) + constants_.RXOffset;
    RadioSet.MinTCT = MinTCT;
    RadioSet.MaxTCT = MaxTCT;
    RadioSet.RXTrimGain = TrimGain;
    RadioSet.SerialNo = commands.ReadModemSerialNo(Comm);
    AddProgress(25);
    RadioSet.WriteTxPwr = false;
}

bool PexarRadio::QuerySetting(RadioSetting& RadioSet, bool& DisplayError, int TXorRX)
{
    // The receive frequency follows from the transmit one: only the transmit side is checked.
    if (TXorRX != 0) return false;

    const LibraryContext& context = links_.context();
    auto reject = [&](const QString& text) {
        context.MsgBox(text, MsgButtons::OK, MsgIcon::None, ValidationRules::Title);
    };
    bool invalid = false;

    // The band and the raster are shown whatever DisplayError says.
    if (ValidationRules::Outside(RadioSet.TXFreq, constants_.MinTXFreq, constants_.MaxTXFreq)) {
        reject(QString::fromLatin1(constants_.BandMessage));
        invalid = true;
    }
    const double channel = (RadioSet.TXFreq - constants_.TXOffset) * 1000000.0 / RadSpec.PhaseFreq;
    if (std::abs(channel - vb::RoundHalfEven(channel)) > 0.000001) {
        reject(QStringLiteral("Invalid frequency.  Check Frequency Licence/Assignment"));
        invalid = true;
    }
    if (RadioSet.PowerAlarm < RadSpec.MinAlarmPow || RadioSet.PowerAlarm > RadSpec.MaxAlarmPow) {
        if (DisplayError)
            reject(QStringLiteral("Tx Power Alarm must be between ") + QString::number(RadSpec.MinAlarmPow) +
                   QStringLiteral(" and ") + QString::number(RadSpec.MaxAlarmPow) + QStringLiteral("mW!!"));
        invalid = true;
    }
    if (RadioSet.TXDelay < 0 || RadioSet.TXDelay > MaxTXDelay) {
        if (DisplayError) reject(QStringLiteral("TX lead in delay must be between 0 and 200!!"));
        invalid = true;
    }
    return invalid;
}

RadioWritePlan PexarRadio::PlanRadioWrite(SerialPort& Comm, const RadioSetting& RadioSet, int TXRX, WritePlan& plan)
{
    RadioWritePlan planned;
    // The receive frequency follows from the transmit one, so that side writes nothing.
    if (TXRX != 0) return planned;
    ModemWrite& writer = links_.Writer;
    if (RadioSet.WriteTxPwr) writer.WriteOptionFBa(RadioSet.PowerHL, Comm);
    plan.AddProgress(10);
    writer.WriteSynthRegisters(RadioSet.TXFreq - constants_.TXOffset, Comm);
    plan.AddProgress(10);
    // The trim belongs to this unit's crystal: a configuration from another unit keeps it out.
    if (links_.Commands.ReadModemSerialNo(Comm) == RadioSet.SerialNo && RadioSet.TrimAdjustable)
        writer.WriteTxFreqTrim(RadioSet.TXFreqTrim, Comm);
    else
        planned.FreqTrimWritten = false;
    writer.WriteTxDelay(RadioSet.TXDelay, Comm);
    plan.AddProgress(5);
    planned.Modem = plan.Take();
    return planned;
}

bool PexarRadio::SendRadioWrite(SerialPort& Comm, const RadioSetting&, int, const RadioWritePlan& planned,
                                bool& FreqTrimWritten)
{
    try {
        FreqTrimWritten = planned.FreqTrimWritten;
        links_.Writer.Send(planned.Modem, Comm);
        return true;
    } catch (const RuntimeError&) {
        unrecoverable(Comm);
        return false;
    }
}

bool PexarRadio::WriteTXFreq(double freq, SerialPort& PortDriver)
{
    links_.Commands.SetSynthFrequency(freq - constants_.TXOffset, PortDriver);
    return true;
}

bool PexarRadio::WriteRXFreq(double freq, SerialPort& PortDriver)
{
    links_.Commands.SetSynthFrequency(freq - constants_.RXOffset, PortDriver);
    return true;
}

bool PexarRadio::TXState(bool, SerialPort&) { return false; }

void PexarRadio::WritePower(int16_t, bool, SerialPort&) {}

void PexarRadio::TestPowerMode(bool, SerialPort&) {}
