// Reading and writing the modem, the edit pattern and the toolbar.
#include "MainForm.h"

#include "NumericBox.h"
#include "RuntimeError.h"
#include "EndingTask.h"
#include "StartModule.h"
#include "UnfinishedWrites.h"
#include "VellModem.h"

#include <QAction>
#include <QTimer>
#include <QToolBar>

#include <utility>

template <typename Call>
bool MainForm::guardControl(Call call)
{
    // An error that escapes the control ends the command, never the program.
    try {
        call();
        return true;
    } catch (const RuntimeError& error) {
        ShowError(error);
    } catch (const std::exception& error) {
        ShowError(RuntimeError(0, QString::fromLocal8Bit(error.what())));
    }
    return false;
}

void MainForm::ShowError(const RuntimeError& error)
{
    prompt_->Show(error.Description(), QStringLiteral("Error Occured"), MsgButtons::OK, MsgIcon::Critical);
}

void MainForm::setBusy(bool busy)
{
    MainFormBusy = busy;
    // No click may reach the editors while the configuration is with the control.
    centralWidget()->setEnabled(!busy);
    if (busy) centralWidget()->setCursor(Qt::BusyCursor);
    else centralWidget()->unsetCursor();
}

void MainForm::closeControlPort()
{
    guardControl([this] {
        if (VellModem1->PortOpen()) VellModem1->setPortOpen(false);
    });
}

bool MainForm::commandEnabled(const char* key) const
{
    const QAction* action = Toolbar1->findChild<QAction*>(QString::fromLatin1(key));
    return action && action->isEnabled();
}

void MainForm::Backup()
{
    if (SettingPage) return;
    CurrentModem.BackupTo(BackupModem);
}

void MainForm::Validate()
{
    if (SettingPage) return;
    bool displayError = true;
    bool rejected = false;
    if (!guardControl([&] { rejected = VellModem1->QuerySetting(CurrentModem, displayError); })) rejected = true;
    if (rejected) {
        CurrentModem.RestoreFrom(BackupModem);
        SetDisplay();
        StopWrite = true;
    }
}

void MainForm::ResetAllText()
{
    StopWrite = false;
    TransFreq_LostFocus();
    if (RXFreq->isEnabledTo(centralWidget())) RXFreq_LostFocus();
    PTTTime_LostFocus();
    TXDelay_LostFocus();
    RSSI_LostFocus();
}

EndingTask& MainForm::writeFinish()
{
    static EndingTask task;
    return task;
}

void MainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (std::exchange(shown_, true)) return;
    // Told over the window, once it is there.
    QTimer::singleShot(0, this, [this] { tellUnfinishedWrites(); });
}

void MainForm::tellUnfinishedWrites()
{
    for (const QString& device : UnfinishedWrites::Devices()) {
        if (toldUnfinished_.contains(device)) continue;
        toldUnfinished_ << device;
        MsgBox(UnfinishedWrites::Text(device), MsgButtons::OK, StartModule::ProgramTitle);
    }
}

void MainForm::Menu_Read_Click()
{
    if (MainFormBusy) return;
    tellUnfinishedWrites();
    setBusy(true);
    bool rejected = true;
    const bool completed = guardControl([&] {
        int16_t modemType = 0, txRadio = 0, rxRadio = 0;
        VellModem1->CreatModem(modemType, txRadio, rxRadio);
        VellModem1->ReadModemSetting(CurrentModem);
        FromFile = false;
        bool displayError = false;
        rejected = VellModem1->QuerySetting(CurrentModem, displayError);
    });
    if (completed && VellModem1->Working() && !rejected) {
        configurationRejected_ = false;
        EnableScreen();
        SetDisplay();
        if (!VellModem1->Working()) closeControlPort();
    } else {
        if (completed)
            MsgBox(QStringLiteral("Unable to read configuration.\n"
                                  "    Check correct comm port is selected and programming cable Tarvik\n"
                                  "    is conneted to Port A of radio modem and power has been cycled."),
                   MsgButtons::OK);
        configurationRejected_ = true;
        DisableScreen();
        // The message asks for another port: the port must be free to change.
        closeControlPort();
    }
    setBusy(false);
}

bool MainForm::Menu_Write_Click()
{
    if (!VellModem1->Working() || MainFormBusy) return false;
    // A configuration that is not shown is not written.
    if (!commandEnabled("TWRadio")) return false;
    tellUnfinishedWrites();
    setBusy(true);
    ResetAllText();
    bool written = false;
    // An error escaping the control is a failed write as well.
    const auto write = [this, &written] {
        guardControl([&] { written = VellModem1->WriteModemSetting(CurrentModem, FromFile); });
    };
    if (!StopWrite) {
        // exit() from inside the write's waits (the display gone) never comes back
        // to it: the write is made again, whole, before the process goes.
        writeFinish().Arm(write);
        write();
        writeFinish().Disarm();
    }
    closeControlPort();
    setBusy(false);
    return written;
}

void MainForm::Toolbar1_ButtonClick(const QString& Key)
{
    if (Key == QLatin1String("TOpen")) Menu_Open_Click();
    else if (Key == QLatin1String("TSave")) Menu_Save_Click();
    else if (Key == QLatin1String("TRRadio")) Menu_Read_Click();
    else if (Key == QLatin1String("TWizard")) Menu_Wizard_Click();
    else if (Key == QLatin1String("TPrint")) Menu_Print_Click();
    else if (Key == QLatin1String("TWRadio")) Menu_Write_Click();
    else if (Key == QLatin1String("TQuit")) Menu_Quit_Click();
}
