#include "VellModem.h"

#include "DevicePort.h"
#include "Karsid.h"
#include "LibraryContext.h"
#include "MessageBoxPrompt.h"
#include "ModemControl.h"
#include "ProgressWindow.h"
#include "SystemClock.h"
#include "WaitScreen.h"

#include <QLabel>
#include <QVBoxLayout>

// The seams the control owns itself, and the ones it was given.
struct VellModem::Parts {
    explicit Parts(const Seams& given, QWidget* face)
    {
        clock = given.clock ? given.clock : &ownClock;
        prompt = given.prompt;
        if (!prompt) {
            ownPrompt = std::make_unique<MessageBoxPrompt>(face);
            prompt = ownPrompt.get();
        }
        progress = given.progress;
        if (!progress) {
            ownProgress = std::make_unique<ProgressWindow>(face);
            progress = ownProgress.get();
        }
        port = given.port ? given.port : &ownPort;
        context = std::make_unique<LibraryContext>(*clock, *prompt, *progress);
        context->Journal = given.journal;
        wait = given.wait;
        if (!wait) {
            ownWait = std::make_unique<WaitScreen>(context->ProgramTitle, face);
            wait = ownWait.get();
        }
        control = std::make_unique<ModemControl>(*context, *port, *wait);
    }

    SystemClock ownClock;
    std::unique_ptr<MessageBoxPrompt> ownPrompt;
    std::unique_ptr<ProgressWindow> ownProgress;
    std::unique_ptr<WaitScreen> ownWait;
    DevicePort ownPort;
    Clock* clock;
    Prompt* prompt;
    ProgressView* progress;
    WaitView* wait = nullptr;
    SerialPort* port;
    std::unique_ptr<LibraryContext> context;
    std::unique_ptr<ModemControl> control;
};

VellModem::VellModem(QWidget* parent) : VellModem(Seams{}, parent) {}

VellModem::VellModem(const Seams& seams, QWidget* parent)
    : QWidget(parent), parts_(std::make_unique<Parts>(seams, this)), control_(parts_->control.get())
{
    setObjectName(QStringLiteral("VellModem"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(QStringLiteral("Radio Modem"), this);
    picture->setObjectName(QStringLiteral("Picture1"));
    layout->addWidget(picture);
    UserControl_Initialize();
}

VellModem::~VellModem() = default;

void VellModem::UserControl_Initialize()
{
    LibraryContext& context = *parts_->context;
    context.BrandingFlag = 0;
    context.ProgramTitle = QStringLiteral("Halvex Programmer");
    context.DiagnosticsName = QStringLiteral("Orvane Diagnostics");
    context.CompanyName = QStringLiteral("Orvane Sypheral");
    context.ContactName = QStringLiteral("Orvane Sypheral");
}

bool VellModem::Working() const { return control_->Working; }
void VellModem::setWorking(bool working) { control_->Working = working; }

void VellModem::CreatModem(int16_t& ModemType, int16_t& TXRadio, int16_t& RXRadio)
{
    control_->CreatModem(ModemType, TXRadio, RXRadio);
}

QString VellModem::Database() const { return control_->Database(); }
void VellModem::setDatabase(const QString& path) { control_->setDatabase(path); }

bool VellModem::QuerySetting(ModemSetting& ModemSet, bool& DisplayError)
{
    return control_->QuerySetting(ModemSet, DisplayError);
}

bool VellModem::WriteModemSetting(ModemSetting& ModemSet, bool& NeedPassword)
{
    return control_->WriteModemSetting(ModemSet, NeedPassword);
}

int16_t VellModem::ReadModemSetting(ModemSetting& ModemSet) { return control_->ReadModemSetting(ModemSet); }

int16_t VellModem::CommPort() const { return control_->CommPort(); }

void VellModem::setCommPort(int16_t port) { control_->setCommPort(port); }

int32_t VellModem::AutoRssi(int16_t& RadioType, double& freq, bool& SelectRadio)
{
    return control_->AutoRssi(RadioType, freq, SelectRadio);
}

QVariant VellModem::TXState(bool& TurnOn)
{
    control_->TXState(TurnOn);
    return QVariant();
}

int32_t VellModem::WriteTXFreq(double& freq, bool& SelectRadio) { return control_->WriteTXFreq(freq, SelectRadio); }

bool VellModem::PortOpen() const { return control_->PortOpen(); }

void VellModem::setPortOpen(bool open) { control_->setPortOpen(open); }

void VellModem::WritePower(int16_t& Value) { control_->WritePower(Value); }
void VellModem::TestPowerMode(bool& Enable) { control_->TestPowerMode(Enable); }

void VellModem::SetDevicePath(const QString& path)
{
    if (auto* device = dynamic_cast<DevicePort*>(parts_->port)) device->SetDevicePath(path);
}

bool VellModem::DriverWorking() const { return control_->Driver() && control_->Driver()->Working; }
