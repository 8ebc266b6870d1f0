#pragma once

#include "WaitView.h"

#include <QDialog>

class QTimer;

// Asks for the modem to be powered up and closes itself as soon as the modem
// sends anything, or when the user presses Cancel.
class WaitScreen : public QDialog, public WaitView {
public:
    // The caption is taken from programTitle each time the window is shown.
    WaitScreen(const QString& programTitle, QWidget* parent = nullptr);

    bool ShowModal(SerialPort& port) override;

    bool CancelRead = false;
    SerialPort* Port = nullptr;

protected:
    // Escape and the close box give up as Cancel does.
    void reject() override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Cancel_Click();

    const QString& programTitle_;
    QTimer* timer_;
};
