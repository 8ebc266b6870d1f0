// Saving and opening configuration files, the recent files, and the sample configuration.
#include "MainForm.h"

#include "ConfigurationFile.h"
#include "QtFileDialogs.h"
#include "RuntimeError.h"
#include "SaveName.h"
#include "SettingDomain.h"
#include "StartModule.h"
#include "VellModem.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace {

const QString SaveFilter = QStringLiteral("Microsoft Access(*.mdb)|*.mdb");
const QString OpenFilter = QStringLiteral("Microsoft Access(*.mdb) & Dat Files(*.dat)|*.mdb;*.dat") +
                           QStringLiteral("|Microsoft Access(*.mdb)|*.mdb") +
                           QStringLiteral("|Dat Files(*.dat)|*.dat|All File|*.*");

}  // namespace

void MainForm::connectFileHandlers()
{
    connect(Menu_FileName[1], &QAction::triggered, this, [this] { Menu_FileName1_Click(); });
    connect(Menu_FileName[2], &QAction::triggered, this, [this] { Menu_FileName2_Click(); });
    connect(Menu_FileName[3], &QAction::triggered, this, [this] { Menu_FileName3_Click(); });
    connect(Menu_FileName[4], &QAction::triggered, this, [this] { Menu_FileName4_Click(); });
}

FileDialogs& MainForm::fileDialogs()
{
    if (seams_.files) return *seams_.files;
    if (!ownFileDialogs_) ownFileDialogs_ = std::make_unique<QtFileDialogs>(this);
    return *ownFileDialogs_;
}

QString MainForm::dialogFolder() const
{
    // "1" is the value of a folder never chosen.
    return InitDir == QLatin1String("1") ? QDir::homePath() : InitDir;
}

void MainForm::Menu_Save_Click()
{
    if (MainFormBusy || !VellModem1->Working() || !commandEnabled("TSave")) return;
    ResetAllText();
    const std::optional<QString> chosen = fileDialogs().GetSaveFileName({dialogFolder(), dialogFileName_, SaveFilter});
    if (!chosen) return;

    const SaveName target(*chosen);
    InitDir = target.Folder();
    if (target.Name().isEmpty()) {
        prompt_->Show(QStringLiteral("\"%1\" cannot be saved: a configuration file needs a name before the first "
                                     "\".\" of its file name.")
                          .arg(QFileInfo(*chosen).fileName()),
                      StartModule::ApplicationTitle, MsgButtons::OK, MsgIcon::Exclamation);
        return;
    }
    // The dialog asked only about the file chosen, not about the one the name is cut to.
    const QFileInfo written(target.Path());
    // A link is replaced too, also one that names nothing.
    if (!target.IsChosenFile() && (written.exists() || written.isSymLink()) &&
        prompt_->Show(QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(target.Path()),
                      StartModule::ApplicationTitle, MsgButtons::YesNo, MsgIcon::Exclamation) != MsgResult::Yes)
        return;

    dialogFileName_ = target.Base();
    try {
        ConfigurationFile::Write(CurrentModem, target.Path());
    } catch (const RuntimeError& error) {
        ShowError(error);
        return;
    }
    AddOldFileList(target.Base());
    SetDisplay();
}

void MainForm::Menu_Open_Click()
{
    if (MainFormBusy) return;
    // After a Save the name is the path without extension: the file it stands for opens.
    const std::optional<QString> path =
        fileDialogs().GetOpenFileName({dialogFolder(), SaveName::ListedFile(dialogFileName_), OpenFilter});
    if (!path) return;
    dialogFileName_ = *path;
    InitDir = QFileInfo(*path).path();
    ReadFromDatFile(*path);
    AddOldFileList(*path);
}

void MainForm::Menu_FileName1_Click() { openRecentFile(1); }
void MainForm::Menu_FileName2_Click() { openRecentFile(2); }
void MainForm::Menu_FileName3_Click() { openRecentFile(3); }
void MainForm::Menu_FileName4_Click() { openRecentFile(4); }

void MainForm::openRecentFile(int index)
{
    // An unused entry has no menu item to choose.
    if (MainFormBusy || RecentFiles[index] == QLatin1String("1")) return;
    const QString entry = RecentFiles[index];
    ReadFromDatFile(SaveName::ListedFile(entry));
    AddOldFileList(entry);
}

void MainForm::ReadFromDatFile(const QString& Filename)
{
    try {
        ConfigurationFile file = ConfigurationFile::Open(Filename);
        if (!file.HasFormatVersion()) {
            file.Close();
            MsgBox(QStringLiteral("The Configuration File selected has been created by a newer version of ") +
                       StartModule::ProgramTitle + QStringLiteral(".  Contact ") + StartModule::ContactName,
                   MsgButtons::OK);
            VellModem1->setWorking(false);
            configurationRejected_ = true;
            DisableScreen();
            return;
        }
        file.Read(CurrentModem, RadSpec);
        file.Close();
        showFileConfiguration();
    } catch (const RuntimeError& error) {
        ShowError(error);
        VellModem1->setWorking(false);
        // Nothing half-read stays open to edits.
        configurationRejected_ = true;
        DisableScreen();
    }
}

void MainForm::ReadFromDefFile(const QString& Filename)
{
    ConfigurationFile file = ConfigurationFile::Open(Filename);
    file.ReadDefaults(CurrentModem, RadSpec);
    file.Close();
    showFileConfiguration();
}

void MainForm::showFileConfiguration()
{
    // The control gets copies: nothing it does to them reaches the configuration.
    int16_t modemType = CurrentModem.ModemType;
    int16_t txRadio = CurrentModem.TXRadio.RadioType;
    int16_t rxRadio = CurrentModem.RXRadio.RadioType;
    VellModem1->CreatModem(modemType, txRadio, rxRadio);
    FromFile = true;
    bool displayError = false;
    // A value that no setting of the modem stands for breaks the rules before any rule is asked.
    const bool held = SettingDomain::Outside(CurrentModem).isEmpty();
    if (held && !VellModem1->QuerySetting(CurrentModem, displayError)) {
        configurationRejected_ = false;
        EnableScreen();
        SetDisplay();
    } else {
        MsgBox(QStringLiteral("Error reading information from Modem, the configuration read is incorrect, press Ok "
                              "to continue."),
               MsgButtons::OK);
        configurationRejected_ = true;
        DisableScreen();
    }
}

void MainForm::FalseRead()
{
    PortSetting& a = CurrentModem.PortA;
    a.CommSpeed = 3;
    a.DataBit = 7;
    a.Parity = 2;
    a.StopBit = 2;
    a.Packet = 1;
    a.HandShake = 2;
    PortSetting& b = CurrentModem.PortB;
    b.CommSpeed = 4;
    b.DataBit = 8;
    b.Parity = 0;
    b.StopBit = 1;
    b.Packet = 2;
    b.HandShake = 0;
    CurrentModem.TXRadio.TXFreq = 899.0;
    CurrentModem.TXRadio.txpower = 0;
    CurrentModem.PTTTimeout = 10;
    CurrentModem.TXRadio.TXDelay = 50;
    CurrentModem.TXRadio.PowerAlarm = 100;
    CurrentModem.TXRadio.PowerHL = false;
}
