// The wizard, the frequency trims, the transmitter power and the RSSI calibration.
#include "MainForm.h"

#include "AdjHL.h"
#include "AdjPower.h"
#include "FreqTrim.h"
#include "NumericBox.h"
#include "RuntimeError.h"
#include "StartModule.h"
#include "VellModem.h"
#include "WizardForm.h"

#include <QPushButton>

void MainForm::connectToolHandlers()
{
    connect(TXFreqAdjust, &QPushButton::clicked, this, [this] { TXFreqAdjust_Click(); });
    connect(RXFreqAdjust, &QPushButton::clicked, this, [this] { RXFreqAdjust_Click(); });
    connect(PowAdjust, &QPushButton::clicked, this, [this] { PowAdjust_Click(); });
    connect(AutoRSSI, &QPushButton::clicked, this, [this] { AutoRSSI_Click(); });
}

WizardForm& MainForm::Wizard()
{
    if (!wizard_) {
        wizard_ = new WizardForm(CurrentModem, *prompt_, this);
        wizard_->AppFolder = StartModule::DataFolder(seams_);
    }
    return *wizard_;
}

FreqTrim& MainForm::FreqTrimForm()
{
    if (!freqTrim_) freqTrim_ = new FreqTrim(this);
    return *freqTrim_;
}

AdjHL& MainForm::AdjHLForm()
{
    if (!adjHL_) adjHL_ = new AdjHL(*this);
    return *adjHL_;
}

AdjPower& MainForm::AdjPowerForm()
{
    if (!adjPower_) adjPower_ = new AdjPower(*this);
    return *adjPower_;
}

void MainForm::Menu_Wizard_Click()
{
    if (!VellModem1->Working() || MainFormBusy || !commandEnabled("TWizard")) return;
    Backup();
    WizardForm& wizard = Wizard();
    int16_t buildType = CurrentModem.ModemType;
    int16_t startPage = 0;
    wizard.StartUpWizard(buildType, startPage);
    if (!wizard.Failed()) wizard.exec();
    if (wizard.Failed()) {
        // The wizard has reported the fault of its database; nothing of it stays.
        CurrentModem.RestoreFrom(BackupModem);
        SetDisplay();
        return;
    }
    bool rejected = true;
    try {
        bool displayError = false;
        rejected = VellModem1->QuerySetting(CurrentModem, displayError);
    } catch (const RuntimeError& error) {
        ShowError(error);
        CurrentModem.RestoreFrom(BackupModem);
        SetDisplay();
        return;
    }
    if (rejected) {
        MsgBox(QStringLiteral("The Wizard's Configuration is imcompatible with your modem, press Ok to Restore Old "
                              "Configuration."),
               MsgButtons::OK);
        CurrentModem.RestoreFrom(BackupModem);
        SetDisplay();
    } else {
        EnableScreen();
        SetDisplay();
    }
}

void MainForm::TXFreqAdjust_Click()
{
    if (MainFormBusy) return;
    FreqTrim& trim = FreqTrimForm();
    trim.Setting = &CurrentModem.TXRadio;
    trim.TXRX = 0;
    trim.HDX = CurrentModem.HDX;
    trim.Partner = &CurrentModem.RXRadio;
    trim.Adjustable = CurrentModem.TXRadio.TrimAdjustable;
    trim.setWindowTitle(QStringLiteral("Adjusting Transmit Frequency Trim"));
    trim.exec();
    if (CurrentModem.HDX) CurrentModem.RXRadio.RXFreqTrim = CurrentModem.TXRadio.TXFreqTrim;
}

void MainForm::RXFreqAdjust_Click()
{
    if (MainFormBusy) return;
    FreqTrim& trim = FreqTrimForm();
    trim.Setting = &CurrentModem.RXRadio;
    trim.HDX = CurrentModem.HDX;
    trim.Partner = nullptr;
    trim.TXRX = 1;
    trim.Adjustable = CurrentModem.RXRadio.TrimAdjustable;
    trim.setWindowTitle(QStringLiteral("Adjusting Recieve frequency trim"));
    trim.exec();
}

void MainForm::PowAdjust_Click()
{
    if (MainFormBusy) return;
    Backup();
    if (CurrentModem.TXRadio.txpower == 0) {
        AdjHLForm().exec();
    } else {
        AdjPower& power = AdjPowerForm();
        power.Setting = &CurrentModem;
        power.exec();
    }
    Validate();
}

void MainForm::AutoRSSI_Click()
{
    // Without a working control there is no modem to measure.
    if (MainFormBusy || !VellModem1->Working()) return;
    const ModemSetting& m = CurrentModem;
    const QString cr(QChar(13));
    const QString text = QStringLiteral("Attach SIGNAL GENERATOR to modem antenna.") + cr +
                         QStringLiteral("      Apply 'ENOUGH RF' input signal") + cr +
                         QStringLiteral("       at a frequency of ") + QString::number(m.RXRadio.RXFreq, 'g', 15) +
                         QStringLiteral("MHz") + cr +
                         QStringLiteral("(Typically a level of -110dBm to -105dBm would be used)") + cr;
    if (prompt_->Show(text, QStringLiteral("Automatic Calibration of RSSI Level"), MsgButtons::OKCancel,
                      MsgIcon::None) != MsgResult::OK)
        return;

    int16_t radioType = m.RXRadio.RadioType;
    double freq = m.RXRadio.RXFreq;
    bool selectRadio = m.ExtRF && !m.HDX;
    int32_t level = 0;
    setBusy(true);
    try {
        level = VellModem1->AutoRssi(radioType, freq, selectRadio);
    } catch (const RuntimeError& error) {
        setBusy(false);
        ShowError(error);
        return;
    }
    setBusy(false);
    if (!VellModem1->Working()) {
        // The control lost the modem and has said so: the program goes on, with
        // the configuration kept and the editors off until the next read.
        closeControlPort();
        DisableScreen();
        return;
    }
    RSSI->setText(QString::number(level));
    RSSI_LostFocus();
}
