#include "ModemControl.h"

#include "Karsid.h"
#include "LibraryContext.h"
#include "ModemSetting.h"
#include "ProgressView.h"
#include "RuntimeError.h"
#include "SerialPort.h"
#include "VbNumbers.h"
#include "WaitView.h"

namespace {

constexpr int ProgramMajor = 3;
constexpr int ProgramMinor = 4;

struct FirmwareRange {
    double Low, High;
};
constexpr FirmwareRange supportedFirmware[] = {{3.0, 3.2}, {2.2, 2.4}};

}  // namespace

ModemControl::ModemControl(LibraryContext& context, SerialPort& port, WaitView& wait)
    : context_(context), DataPort(port), wait_(wait), links_(context)
{
}

ModemControl::~ModemControl() = default;

float ModemControl::ProgrammerVersion()
{
    double minor = ProgramMinor;
    while (minor > 1) minor /= 10;
    return float(ProgramMajor + (ProgramMinor == 0 ? 0 : minor));
}

void ModemControl::releaseDriver() { ModemDriver.reset(); }

ModemControl::Connection ModemControl::connect()
{
    ModemComm& comm = links_.Comm;
    if (comm.ReadModemChar(DataPort) == QStringLiteral("?")) {
        comm.EnterModemCommandMode(DataPort);
        return Connection::Connected;
    }
    if (links_.Commands.ProbeModemVersion(DataPort)) return Connection::Connected;
    if (wait_.ShowModal(DataPort)) return Connection::Cancelled;
    comm.EnterModemCommandMode(DataPort);
    return Connection::Connected;
}

bool ModemControl::firmwareSupported(double& version, const QString& refusal)
{
    version = vb::Val(links_.Commands.ReadModemFirmware(DataPort));
    for (const FirmwareRange& range : supportedFirmware)
        if (version >= range.Low && version <= range.High) return true;
    context_.MsgBox(refusal);
    return false;
}

bool ModemControl::programmerVersionAccepted(double firmware)
{
    if (firmware < 3.2) return true;
    const QString versions = links_.Commands.ReadModemProductVersion(DataPort);
    const float program = ProgrammerVersion();
    const float required = float(vb::Val(versions));
    const qsizetype semicolon = versions.indexOf(QLatin1Char(';'));
    const float preferred = float(vb::Val(semicolon < 0 ? versions : versions.mid(semicolon + 1)));
    if (required > program) {
        context_.MsgBox(QStringLiteral("The modem requires programmer version ") + vb::ShortestDecimal(required) +
                        QStringLiteral(" and above, please upgrade the Halvex Programmer if you want to program "
                                       "this modem"));
        return false;
    }
    if (preferred > program) {
        const MsgResult answer = context_.MsgBox(
            QStringLiteral("The modem prefers programmer version higher then ") + vb::ShortestDecimal(preferred) +
                QStringLiteral(".  This Halvex Programmer will still function but some features may not be "
                               "available.  Do you wish to continue?"),
            MsgButtons::OKCancel);
        return answer == MsgResult::OK;
    }
    return true;
}

void ModemControl::showProgress(const QString& caption)
{
    ProgressView& progress = context_.progress();
    progress.SetCaption(caption);
    progress.Show();
    progress.SetValue(0);
    progress.Repaint();
}

void ModemControl::CreatModem(int16_t& ModemType, int16_t& TXRadio, int16_t& RXRadio)
{
    context_.BeginOperation();
    ModemComm& comm = links_.Comm;
    const QString notRecognised = QStringLiteral(
        "Error has occured when trying to recognize the modem's type, Make sure that you have reset the power of "
        "the modem");
    auto refuse = [this] {
        releaseDriver();
        Working = false;
    };
    try {
        if (ModemType == 0 && TXRadio == 0 && RXRadio == 0) {
            comm.OpenModemPort(DataPort);
            if (comm.ModemErrorCode != 0) return refuse();
            if (connect() == Connection::Cancelled) {
                Working = false;
                return;
            }
            if (comm.ModemErrorCode != 0) {
                context_.MsgBox(notRecognised);
                return refuse();
            }
            double firmware = 0;
            if (!firmwareSupported(firmware, QStringLiteral("Unrecognized modem firmware revision, contact ") +
                                                 context_.ContactName +
                                                 QStringLiteral(" for a update of this programmer")))
                return refuse();
            if (!programmerVersionAccepted(firmware)) return refuse();
            ModemType = links_.Commands.ReadModemType(DataPort);
            if (comm.ModemErrorCode != 0) {
                context_.MsgBox(notRecognised);
                return refuse();
            }
        }
        Working = true;
        if (ModemType == 6 || ModemType == 7) {
            ModemDriver = std::make_unique<Karsid>(links_);
            int16_t tx = ModemType;
            int16_t rx = ModemType;
            ModemDriver->CreatModem(ModemType, tx, rx, DataPort);
        } else if (ModemType == 0 || (ModemType >= 10 && ModemType <= 69)) {
            ModemDriver = std::make_unique<Karsid>(links_);
            ModemDriver->CreatModem(ModemType, TXRadio, RXRadio, DataPort);
        } else {
            context_.MsgBox(QStringLiteral("Error, Modem Type not recognized"));
            return refuse();
        }
        if (!ModemDriver->Working) refuse();
    } catch (const RuntimeError&) {
        Working = false;
        comm.CloseModemPort(DataPort);
        context_.MsgBox(QStringLiteral("Unrecoverable Error, Contact ") + context_.ContactName +
                        QStringLiteral(" for help"));
    }
}

QString ModemControl::Database() const { return context_.DatabasePath; }
void ModemControl::setDatabase(const QString& path) { context_.DatabasePath = path; }

bool ModemControl::QuerySetting(ModemSetting& ModemSet, bool& DisplayError)
{
    if (!Working || !ModemDriver) return false;
    return ModemDriver->QuerySetting(ModemSet, DisplayError);
}

bool ModemControl::WriteModemSetting(ModemSetting& ModemSet, bool&)
{
    context_.BeginOperation();
    ModemComm& comm = links_.Comm;
    if (!Working || !ModemDriver) return false;
    comm.OpenModemPort(DataPort);
    if (comm.ModemErrorCode != 0) return false;
    if (connect() == Connection::Cancelled) return false;
    double firmware = 0;
    if (!firmwareSupported(firmware, QStringLiteral("Unrecognized modem firmware revision, contact ") +
                                         context_.ContactName +
                                         QStringLiteral(" for a update of this programmer, Can't Program the modem")))
        return false;
    if (!programmerVersionAccepted(firmware)) return false;
    if (connect() == Connection::Cancelled) return false;
    if (comm.ModemErrorCode != 0) {
        context_.MsgBox(QStringLiteral("Error has occured when trying to write to modem, Make sure that you have "
                                       "reset the power of the modem"));
        return false;
    }
    if (links_.Commands.ReadModemType(DataPort) != ModemSet.ModemType) {
        context_.MsgBox(QStringLiteral("Error - Target Radio/Modem must be same Build Type!"));
        comm.CloseModemPort(DataPort);
        return false;
    }
    if (links_.Commands.ReadBuildHdx(DataPort) != ModemSet.HDX) {
        context_.MsgBox(QStringLiteral("Error - Target Radio/Modem must be same hardware model!"));
        comm.CloseModemPort(DataPort);
        return false;
    }
    comm.CloseModemPort(DataPort);
    showProgress(QStringLiteral("Writing Modem Configuration"));
    const bool written = ModemDriver->WriteModemSetting(DataPort, ModemSet);
    context_.progress().Hide();
    return written;
}

int16_t ModemControl::ReadModemSetting(ModemSetting& ModemSet)
{
    context_.BeginOperation();
    if (!Working || !ModemDriver) return 0;
    showProgress(QStringLiteral("Reading Modem Configuration"));
    ModemSet.ClearAll();
    const int16_t result = ModemDriver->ReadModemSetting(DataPort, ModemSet);
    Working = ModemDriver->Working;
    context_.progress().Hide();
    return result;
}

int16_t ModemControl::CommPort() const { return int16_t(DataPort.CommPort()); }
void ModemControl::setCommPort(int16_t port) { DataPort.setCommPort(port); }
bool ModemControl::PortOpen() const { return DataPort.PortOpen(); }

void ModemControl::setPortOpen(bool open)
{
    if (DataPort.PortOpen() != open) DataPort.setPortOpen(open);
}

int32_t ModemControl::AutoRssi(int16_t& RadioType, double& freq, bool& SelectRadio)
{
    context_.BeginOperation();
    ModemComm& comm = links_.Comm;
    int32_t result = 0;
    try {
        comm.OpenModemPort(DataPort);
        showProgress(QStringLiteral("Automatically Calculating Min. RX Signal"));
        if (Working && ModemDriver) {
            comm.OpenModemPort(DataPort);
            if (SelectRadio) comm.SelectRxRadio(DataPort);
            ModemDriver->WriteRXFreq(freq, DataPort);
            result = RadioType == 39 ? links_.Commands.AverageRssiB(DataPort) : links_.Commands.AverageRssiA(DataPort);
        }
        context_.progress().Hide();
        comm.CloseModemPort(DataPort);
    } catch (const RuntimeError&) {
        Working = false;
        comm.CloseModemPort(DataPort);
        // The measurement is over: its window does not stay behind the message.
        context_.progress().Hide();
        context_.MsgBox(QStringLiteral(
            "Unrecoverable Error has occured when trying to adjust the RSSI Value, Program exiting"));
    }
    return result;
}

void ModemControl::TXState(bool& TurnOn)
{
    if (!Working || !ModemDriver) return;
    links_.Comm.SelectTxRadio(DataPort);
    ModemDriver->TXState(TurnOn, DataPort);
    // The transmitter is off: nothing is left for the guard to do. One that was
    // not told (a failed stop) stays, and acts when the program ends.
    if (!TurnOn) releaseGuard_.Disarm();
}

int32_t ModemControl::WriteTXFreq(double& freq, bool& SelectRadio)
{
    // Tuning starts a power test; its power settings and its stop go on with it.
    context_.BeginOperation();
    ModemComm& comm = links_.Comm;
    comm.OpenModemPort(DataPort);
    int32_t result = 0;
    if (Working && ModemDriver) {
        comm.OpenModemPort(DataPort);
        if (SelectRadio) comm.SelectTxRadio(DataPort);
        result = ModemDriver->WriteTXFreq(freq, DataPort) ? -1 : 0;
    }
    comm.CloseModemPort(DataPort);
    return result;
}

void ModemControl::WritePower(int16_t& Value)
{
    if (Working && ModemDriver) ModemDriver->WritePower(Value, DataPort);
}

void ModemControl::TestPowerMode(bool& Enable)
{
    if (Enable) context_.BeginOperation();
    links_.Comm.OpenModemPort(DataPort);
    // Without a driver there is no radio to put into the test.
    if (!ModemDriver) return;
    ModemDriver->TestPowerMode(Enable, DataPort);
    // From here the power writes may key the transmitter, on the radio link the
    // port is on now.
    if (Enable && DataPort.Descriptor() >= 0) {
        const QList<QByteArray> frames = ModemDriver->ReleaseFrames();
        if (!frames.isEmpty()) releaseGuard_.Arm(DataPort.Descriptor(), frames);
    }
}
