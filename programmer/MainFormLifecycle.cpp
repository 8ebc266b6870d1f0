// Loading, the port menu, the recent files and quitting.
#include "MainForm.h"

#include "AboutForm.h"
#include "DataControl.h"
#include "EndingLog.h"
#include "ProbePort.h"
#include "ModemQueries.h"
#include "PortMap.h"
#include "RuntimeError.h"
#include "StartModule.h"
#include "UserSettings.h"
#include "VbNumbers.h"
#include "VellModem.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include <cstdlib>

namespace {

const QString StartUp = QStringLiteral("StartUp");

}  // namespace

void MainForm::Form_Load()
{
    DisableScreen();
    const QString database = StartModule::DatabasePathIn(StartModule::DataFolder(seams_));
    VersionData->DatabaseName = database;
    ModemData->DatabaseName = database;
    PacketData->DatabaseName = database;
    // Reading a configuration file looks its radios up in the same database.
    RadSpec = RadioSpec(RadioSpecSource{database, StartModule::ContactName, prompt_, StartModule::ApplicationTitle});

    // A missing or unreadable database is reported and ends the program.
    try {
        VersionData->RecordSource = ModemQueries::VersionTable;
        VersionData->Refresh();
        const double version = vb::Val(VersionData->Field(QStringLiteral("Version")).toString());
        if (version != 3) {
            MsgBox(QStringLiteral("Versions of Programmer and Database Files are not the same, Contact ") +
                       StartModule::ContactName,
                   MsgButtons::OK);
            endProgram(1);
            return;
        }
        ModemData->RecordSource = ModemQueries::DefaultModem;
        ModemData->Refresh();
        refreshBoundLabels();
    } catch (const RuntimeError& error) {
        MsgBox(error.Description(), MsgButtons::OK);
        endProgram(1);
        return;
    }

    QString port = UserSettings::GetSetting(StartUp, QStringLiteral("CommPort"), QStringLiteral("1"));
    InitDir = UserSettings::GetSetting(StartUp, QStringLiteral("InitDir"), QStringLiteral("1"));
    for (int i = 1; i <= 4; ++i) {
        RecentFiles[i] = UserSettings::GetSetting(StartUp, QStringLiteral("FileName%1").arg(i), QStringLiteral("1"));
        // An entry emptied outside the program names no file: it is unused.
        if (RecentFiles[i].trimmed().isEmpty()) RecentFiles[i] = QStringLiteral("1");
    }
    SetMenu();

    bool found = false;
    for (int n = 1; n <= 16; ++n) {
        const QString path = PortMap::DevicePath(n);
        Menu_Comm[n]->setText(path.isEmpty() ? QStringLiteral("Com Port %1").arg(n)
                                             : QStringLiteral("Com Port %1\t%2").arg(n).arg(path));
        TestPort->SetDevicePath(path);
        if (!path.isEmpty() && TestCommPort(n)) {
            Menu_Comm[n]->setVisible(true);
            found = true;
        }
    }
    if (found) Menu_Comm[0]->setVisible(false);
    else port = QStringLiteral("1");

    // A saved port that is not a port number of the menu is taken as the first.
    bool isNumber = false;
    const int number = port.trimmed().toInt(&isNumber);
    Menu_Comm_Click(isNumber && number >= 1 && number <= 16 ? number : 1);
    MainFormBusy = false;
}

bool MainForm::TestCommPort(int n)
{
    try {
        TestPort->setCommPort(n);
        TestPort->setPortOpen(true);
        TestPort->setPortOpen(false);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

void MainForm::Menu_Comm_Click(int Index)
{
    // The click has already toggled the item's tick: a refused change puts it back.
    auto keepTicks = [this] {
        for (int i = 1; i <= 16; ++i) Menu_Comm[i]->setChecked(i == VellModem1->CommPort());
    };
    if (MainFormBusy) return keepTicks();
    if (VellModem1->PortOpen()) {
        MsgBox(QStringLiteral("Can't change the Comm port when the programmer is talking to the modem"), MsgButtons::OK);
        keepTicks();
        return;
    }
    for (int i = 1; i <= 16; ++i) Menu_Comm[i]->setChecked(false);
    VellModem1->setCommPort(static_cast<int16_t>(Index));
    Menu_Comm[Index]->setChecked(true);
}

void MainForm::Form_GotFocus()
{
    SettingPage = false;
    // A refused configuration stays off until a Read or an Open succeeds.
    if (configurationRejected_) return;
    SetDisplay();
}

void MainForm::AddOldFileList(QString FName)
{
    for (int i = 1; i <= 4; ++i) {
        if (RecentFiles[i] != FName) continue;
        for (int j = i - 1; j >= 1; --j) RecentFiles[j + 1] = RecentFiles[j];
        RecentFiles[1] = FName;
        SetMenu();
        return;
    }
    for (int j = 3; j >= 1; --j) RecentFiles[j + 1] = RecentFiles[j];
    RecentFiles[1] = FName;
    SetMenu();
}

void MainForm::SetMenu()
{
    for (int i = 1; i <= 4; ++i) {
        QAction* item = Menu_FileName[i];
        if (RecentFiles[i] != QLatin1String("1")) {
            item->setVisible(true);
            // The name as it stands: an "&" in it is no access key.
            QString name = QFileInfo(RecentFiles[i]).fileName();
            item->setText(QStringLiteral("&%1. ").arg(i) + name.replace(QLatin1Char('&'), QStringLiteral("&&")));
        } else {
            item->setVisible(false);
        }
    }
    bar2->setVisible(RecentFiles[1] != QLatin1String("1"));
}

void MainForm::Menu_Quit_Click()
{
    if (MainFormBusy) return;
    if (!quitRequested_ && MsgBox(QStringLiteral("Are you sure you want to exit program?"), MsgButtons::OKCancel,
                                  QStringLiteral("Quit ") + StartModule::ProgramTitle) != MsgResult::OK)
        return;
    bool saved = UserSettings::SaveSetting(StartUp, QStringLiteral("CommPort"), QString::number(VellModem1->CommPort()));
    VellModem1->setPortOpen(false);
    saved &= UserSettings::SaveSetting(StartUp, QStringLiteral("InitDir"), InitDir);
    for (int i = 1; i <= 4; ++i)
        saved &= UserSettings::SaveSetting(StartUp, QStringLiteral("FileName%1").arg(i), RecentFiles[i]);
    if (!saved) ShowSettingsNotSaved();
    endProgram(quitRequested_ ? quitCode_ : 0);
}

void MainForm::ShowSettingsNotSaved()
{
    // Ended from outside, nobody may be there to answer a box (a logout waits on
    // the program): the message goes to the standard error and the journal.
    if (quitRequested_) return EndingLog::Write(UserSettings::NotSavedText());
    prompt_->Show(UserSettings::NotSavedText(), QStringLiteral("Error Occured"), MsgButtons::OK, MsgIcon::Critical);
}

void MainForm::Form_Unload(bool& Cancel)
{
    Menu_Quit_Click();
    // Still here: the user chose Cancel.
    Cancel = true;
}

void MainForm::Menu_About_Click()
{
    auto* about = new AboutForm(*VersionData, this);
    about->exec();
    delete about;
}

void MainForm::endProgram(int code)
{
    ended_ = true;
    if (seams_.end) {
        seams_.end(code);
        return;
    }
    std::exit(code);
}
