#include "WaitScreen.h"

#include "HeldEvents.h"
#include "SerialPort.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

WaitScreen::WaitScreen(const QString& programTitle, QWidget* parent)
    : QDialog(parent), programTitle_(programTitle), timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("WaitScreen"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(
        QStringLiteral("Please connect the modem to the computer and apply power to reboot the modem"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(100);
    connect(timer_, &QTimer::timeout, this, &WaitScreen::Timer1_Timer);
    connect(cancel, &QPushButton::clicked, this, &WaitScreen::Cancel_Click);
}

void WaitScreen::Form_Load()
{
    setWindowTitle(programTitle_);
    CancelRead = false;
}

bool WaitScreen::ShowModal(SerialPort& port)
{
    // With nobody there to power the modem up, the wait is given up at once.
    if (HeldEvents::Held()) return true;
    Form_Load();
    Port = &port;
    timer_->start();
    exec();
    timer_->stop();
    Port = nullptr;
    return CancelRead;
}

void WaitScreen::Timer1_Timer()
{
    if (Port && Port->InBufferCount() != 0) {
        CancelRead = false;
        accept();
    }
}

void WaitScreen::Cancel_Click()
{
    CancelRead = true;
    QDialog::reject();
}

void WaitScreen::reject() { Cancel_Click(); }
