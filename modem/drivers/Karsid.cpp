#include "Karsid.h"

#include "LibraryContext.h"
#include "Lumbrel.h"
#include "ModemLinks.h"
#include "ModemSetting.h"
#include "Moskar.h"
#include "PexarHigh.h"
#include "PexarLow.h"
#include "ProgressView.h"
#include "RadioSpec.h"
#include "Rudvik.h"
#include "SerialPort.h"
#include "RuntimeError.h"
#include "ValidationRules.h"
#include "WriteJournal.h"

Karsid::Karsid(ModemLinks& links) : links_(links) {}

Karsid::~Karsid() = default;

RadioDriver& Karsid::txDriver() const
{
    if (!TXRadioDriver) throw RuntimeError(91, QStringLiteral("Object variable or With block variable not set"));
    return *TXRadioDriver;
}

RadioDriver& Karsid::rxDriver() const
{
    if (!RXRadioDriver) throw RuntimeError(91, QStringLiteral("Object variable or With block variable not set"));
    return *RXRadioDriver;
}

void Karsid::setProgress(int percent) const
{
    ProgressView& progress = links_.context().progress();
    progress.SetValue(percent);
    progress.Repaint();
}

void Karsid::unrecoverable(SerialPort& Comm)
{
    Working = false;
    links_.Comm.CloseModemPort(Comm);
    links_.context().MsgBox(QStringLiteral("Unrecoverable Error, Contact ") + links_.context().ContactName +
                            QStringLiteral(" for help"));
}

std::unique_ptr<RadioDriver> Karsid::CreatRadio(int16_t RadioType)
{
    const LibraryContext& context = links_.context();
    RadioSpec spec(RadioSpecSource{context.DatabasePath, context.ContactName, &context.prompt(),
                                   LibraryContext::DefaultTitle});
    spec.GetRadioSpec(RadioType);
    if (spec.ErrorCode) {
        Working = false;
        return nullptr;
    }
    auto refuse = [&](const QString& text) -> std::unique_ptr<RadioDriver> {
        context.MsgBox(text + context.ContactName);
        Working = false;
        return nullptr;
    };
    const QString unknownRadio = QStringLiteral("Error, un-recognised Radio Type, Call ");
    const bool builtIn = RadioType == 6 || RadioType == 7;
    if (!builtIn && (RadioType < 10 || RadioType > 255))
        return refuse(QStringLiteral("Error, un-recognised modem type, Call "));
    // Without its row a radio has no limits to work to, built in or not.
    if (spec.SynthType == RadioSpec::NoRow) return refuse(unknownRadio);

    std::unique_ptr<RadioDriver> driver;
    if (RadioType == 6) {
        driver = std::make_unique<PexarHigh>(links_);
    } else if (RadioType == 7) {
        driver = std::make_unique<PexarLow>(links_);
    } else {
        switch (spec.SynthType) {
        case 0: driver = std::make_unique<Moskar>(links_); break;
        case 1: driver = std::make_unique<Lumbrel>(links_); break;
        case 2: driver = std::make_unique<Rudvik>(links_); break;
        default: return refuse(unknownRadio);
        }
    }
    driver->Initialize(RadioType);
    return driver;
}

void Karsid::CreatModem(int16_t, int16_t& TXRadioType, int16_t& RXRadioType, SerialPort& Comm)
{
    try {
        if (TXRadioType == 0 && RXRadioType == 0) {
            links_.Comm.SelectTxRadio(Comm);
            links_.Radio.OpenRadioPort(Comm);
            TXRadioType = int16_t(links_.RadioCmds.ReadRadioType(Comm));
            links_.Comm.OpenModemPort(Comm);
            if (!links_.Commands.ReadBuildHdx(Comm)) {
                links_.Comm.SelectRxRadio(Comm);
                links_.Radio.OpenRadioPort(Comm);
                RXRadioType = int16_t(links_.RadioCmds.ReadRadioType(Comm));
                links_.Comm.OpenModemPort(Comm);
            } else {
                RXRadioType = TXRadioType;
            }
        }
        Working = true;
        TXRadioDriver = CreatRadio(TXRadioType);
        if (Working) RXRadioDriver = CreatRadio(RXRadioType);
    } catch (const RuntimeError&) {
        unrecoverable(Comm);
    }
}

bool Karsid::QuerySetting(ModemSetting& Setting, bool& DisplayError)
{
    const QStringList failures = ValidationRules::Failures(Setting);
    if (DisplayError) {
        for (const QString& message : failures)
            if (!message.isEmpty()) links_.context().MsgBox(message, MsgButtons::OK, MsgIcon::None, ValidationRules::Title);
    }
    bool rejected = !failures.isEmpty();
    // Both radios are always asked, so their messages follow the modem's.
    if (TXRadioDriver) rejected = TXRadioDriver->QuerySetting(Setting.TXRadio, DisplayError, 0) || rejected;
    if (RXRadioDriver) rejected = RXRadioDriver->QuerySetting(Setting.RXRadio, DisplayError, 1) || rejected;
    return rejected;
}

int16_t Karsid::ReadModemSetting(SerialPort& Comm, ModemSetting& ModemSet)
{
    try {
        readSetting(Comm, ModemSet);
    } catch (const RuntimeError&) {
        unrecoverable(Comm);
    }
    return 0;
}

void Karsid::readSetting(SerialPort& Comm, ModemSetting& ModemSet)
{
    ModemComm& comm = links_.Comm;
    ModemCommands& commands = links_.Commands;
    ModemSet.ModemID = 0;
    Working = true;
    comm.OpenModemPort(Comm);
    ModemSet.Firmware = commands.ReadModemFirmware(Comm);
    ModemSet.ModemType = commands.ReadModemType(Comm);
    ModemSet.SerialNo = commands.ReadModemSerialNo(Comm);
    commands.ReadModemPortSetting(ModemSet.PortA, true, Comm);
    commands.ReadCollisionOptions(ModemSet, Comm);
    setProgress(10);
    ModemSet.PortBEnabled = commands.ReadPortBEnabled(Comm);
    commands.ReadModemPortSetting(ModemSet.PortB, false, Comm);
    setProgress(20);
    ModemSet.PTTControl = commands.ReadPttControl(Comm);
    ModemSet.SIDCode = commands.ReadSidCode(Comm);
    ModemSet.HDX = commands.ReadBuildHdx(Comm);
    ModemSet.ExtRF = commands.ReadOptionFAbit1(Comm);
    ModemSet.DiagEnable = commands.ReadDiagEnable(Comm);
    ModemSet.BaudRate9600 = commands.ReadBaudRate9600(Comm);
    ModemSet.DiagsEditable = (commands.ReadDiagsEditable(Comm) & 0x80) != 0;
    ModemSet.RSSI = ModemSet.RXRadio.RadioType == 39 ? commands.ReadRssiThresholdB(Comm)
                                                      : commands.ReadRssiThresholdA(Comm);
    setProgress(30);
    ModemSet.PTTTimeout = commands.ReadPttTimeout(Comm);
    ModemSet.DiagSID1 = commands.ReadDiagSid1(Comm);
    ModemSet.DiagSID2 = commands.ReadDiagSid2(Comm);
    ModemSet.DiagRepeat = commands.ReadDiagRepeat(Comm);
    setProgress(40);
    ModemSet.NoOfSlot = commands.ReadNoOfSlot(Comm);
    ModemSet.TimePerSlot = commands.ReadTimePerSlot(Comm);
    ModemSet.WriteTxPwr = false;
    setProgress(50);

    if (ModemSet.ExtRF) comm.SelectTxRadio(Comm);
    if (!txDriver().ReadRadioSetting(Comm, ModemSet.TXRadio, 0)) {
        Working = false;
        comm.CloseModemPort(Comm);
        return;
    }
    if (ModemSet.ExtRF && !ModemSet.HDX) comm.SelectRxRadio(Comm);
    if (!rxDriver().ReadRadioSetting(Comm, ModemSet.RXRadio, 1)) Working = false;
    comm.CloseModemPort(Comm);
}

bool Karsid::WriteModemSetting(SerialPort& Comm, ModemSetting& ModemSet)
{
    try {
        return writeSetting(Comm, ModemSet);
    } catch (const RuntimeError&) {
        unrecoverable(Comm);
    }
    return false;
}

// The modem's own locations of a write in their order, with the bar's steps; true
// when the modem carries the diagnostics settings.
bool Karsid::planModemLocations(SerialPort& Comm, const ModemSetting& ModemSet, WritePlan& plan)
{
    ModemWrite& writer = links_.Writer;
    writer.WriteModemPortSetting(ModemSet.PortA, true, Comm);
    plan.SetProgress(15);
    writer.WritePortBEnabled(ModemSet.PortBEnabled, Comm);
    writer.WriteModemPortSetting(ModemSet.PortB, false, Comm);
    plan.SetProgress(30);
    writer.WriteNoOfSlot(ModemSet.NoOfSlot, Comm);
    writer.WriteTimePerSlot(ModemSet.TimePerSlot, Comm);
    if (ModemSet.WriteTxPwr) {
        if (ModemSet.RXRadio.RadioType == 39)
            writer.WriteRssiThresholdB(ModemSet.RSSI, Comm);
        else
            writer.WriteRssiThresholdA(ModemSet.RSSI, Comm);
    }
    writer.WriteOptionFBb(ModemSet.PTTControl, Comm);
    plan.SetProgress(40);
    writer.WritePttTimeout(ModemSet.PTTTimeout, Comm);
    writer.WriteCollisionOptions(ModemSet, Comm);
    const bool carriesDiagnostics = (links_.Commands.ReadDiagsEditable(Comm) & 0x80) != 0;
    if (carriesDiagnostics && ModemSet.DiagsEditable) {
        writer.WriteDiagSid1(ModemSet.DiagSID1, ModemSet.DiagSID2, Comm);
        writer.WriteDiagRepeat(ModemSet.DiagRepeat, Comm);
        writer.WriteOptionFBc(ModemSet.SIDCode, Comm);
    }
    plan.SetProgress(50);
    return carriesDiagnostics;
}

bool Karsid::writeSetting(SerialPort& Comm, ModemSetting& ModemSet)
{
    ModemComm& comm = links_.Comm;
    ModemCommands& commands = links_.Commands;
    ModemWrite& writer = links_.Writer;
    const LibraryContext& context = links_.context();

    // As a read does: Working tells how this write ended, whatever an earlier one left.
    Working = true;
    comm.OpenModemPort(Comm);
    // Everything the write will send is worked out first, with the reads it
    // needs: a value that cannot be written refuses the whole write before its
    // first frame, and the modem keeps what it held.
    WritePlan plan(commands);
    WritePlan::Steps modemSteps;
    RadioWritePlan txPlan;
    RadioWritePlan rxPlan;
    bool carriesDiagnostics = false;
    {
        ModemWrite::Planning planning(writer, plan);
        carriesDiagnostics = planModemLocations(Comm, ModemSet, plan);
        modemSteps = plan.Take();
        txPlan = txDriver().PlanRadioWrite(Comm, ModemSet.TXRadio, 0, plan);
        rxPlan = rxDriver().PlanRadioWrite(Comm, ModemSet.RXRadio, 1, plan);
    }

    // From the first location on, the modem holds part of this configuration until
    // it has checked the whole.
    if (context.Journal) context.Journal->Begin(Comm.DeviceName());
    writer.Send(modemSteps, Comm);
    bool trimTX = true;
    bool trimRX = true;
    if (ModemSet.ExtRF) comm.SelectTxRadio(Comm);
    if (!txDriver().SendRadioWrite(Comm, ModemSet.TXRadio, 0, txPlan, trimTX)) {
        Working = false;
        comm.CloseModemPort(Comm);
        return false;
    }
    if (ModemSet.ExtRF && !ModemSet.HDX) comm.SelectRxRadio(Comm);
    if (!rxDriver().SendRadioWrite(Comm, ModemSet.RXRadio, 1, rxPlan, trimRX)) {
        Working = false;
        comm.CloseModemPort(Comm);
        return false;
    }
    commands.CheckModemCrc(Comm);
    if (context.Journal) context.Journal->End(Comm.DeviceName());
    // The values are in, but the modem does not take them as a whole: the user has to write again.
    const bool checked = comm.ModemErrorCode == ModemComm::NoError;
    comm.CloseModemPort(Comm);

    if (!trimTX || !trimRX)
        context.MsgBox(QStringLiteral("The Frequency Trim has not been written to this radio,\r"
                                      " it is only written if you have read this particular radio first."));
    if (!carriesDiagnostics && ModemSet.DiagsEditable)
        context.MsgBox(QStringLiteral(
            "\"Orvane Diagnostics Processor settings\" in \"Edit SID\" have not been overwritten."));
    else if (carriesDiagnostics && !ModemSet.DiagsEditable)
        context.MsgBox(QStringLiteral("The \"Orvane Diagnostics Processor\" setting in \"Edit SID\" are not available "
                                      "from source, please configure separately."));
    if (!checked) {
        Working = false;
        comm.ShowModemError();
    }
    return checked;
}

bool Karsid::TXState(bool TurnOn, SerialPort& PortDriver)
{
    const bool extRF = links_.Commands.ReadOptionFAbit1(PortDriver);
    const bool hdx = links_.Commands.ReadBuildHdx(PortDriver);
    if (extRF && hdx) links_.Comm.SelectTxRadio(PortDriver);
    return txDriver().TXState(TurnOn, PortDriver);
}

bool Karsid::WriteRXFreq(double freq, SerialPort& PortDriver)
{
    const bool extRF = links_.Commands.ReadOptionFAbit1(PortDriver);
    const bool hdx = links_.Commands.ReadBuildHdx(PortDriver);
    if (extRF && !hdx) links_.Comm.SelectRxRadio(PortDriver);
    return rxDriver().WriteRXFreq(freq, PortDriver);
}

bool Karsid::WriteTXFreq(double freq, SerialPort& PortDriver) { return txDriver().WriteTXFreq(freq, PortDriver); }

void Karsid::WritePower(int16_t Value, SerialPort& PortDriver)
{
    // During a power test the port stays on the radio link: the modem is not asked.
    if (!PowerTestMode && links_.Commands.ReadOptionFAbit1(PortDriver)) links_.Comm.SelectTxRadio(PortDriver);
    txDriver().WritePower(Value, !PowerTestMode, PortDriver);
}

QList<QByteArray> Karsid::ReleaseFrames() const
{
    QList<QByteArray> frames;
    for (const QByteArray& command : txDriver().ReleaseCommands()) frames << RadioComm::Frame(command);
    return frames;
}

void Karsid::TestPowerMode(bool Enable, SerialPort& PortDriver)
{
    PowerTestMode = Enable;
    if (Enable && links_.Commands.ReadOptionFAbit1(PortDriver)) links_.Comm.SelectTxRadio(PortDriver);
    txDriver().TestPowerMode(Enable, PortDriver);
}
