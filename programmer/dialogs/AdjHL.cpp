#include "AdjHL.h"

#include "MainForm.h"
#include "OuterSize.h"
#include "Twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

AdjHL::AdjHL(MainForm& main) : QDialog(&main), main_(main)
{
    setObjectName(QStringLiteral("AdjHL"));
    setWindowTitle(QStringLiteral("Adjust Transmitter Power"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    Frame1 = new QGroupBox(QStringLiteral("TX Power"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    TransHigh = new QRadioButton(QStringLiteral("High"), Frame1);
    TransHigh->setObjectName(QStringLiteral("TransHigh"));
    TransLow = new QRadioButton(QStringLiteral("Low"), Frame1);
    TransLow->setObjectName(QStringLiteral("TransLow"));
    auto* options = new QVBoxLayout(Frame1);
    options->addWidget(TransHigh);
    options->addWidget(TransLow);
    auto* group = new QButtonGroup(this);
    group->addButton(TransHigh);
    group->addButton(TransLow);
    Finish = new QPushButton(QStringLiteral("Finish"), this);
    Finish->setObjectName(QStringLiteral("Finish"));
    Finish->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Finish, 0, Qt::AlignHCenter);

    connect(TransHigh, &QRadioButton::toggled, this, [this](bool on) {
        if (on) TransHigh_Click();
    });
    connect(TransLow, &QRadioButton::toggled, this, [this](bool on) {
        if (on) TransLow_Click();
    });
    connect(Finish, &QPushButton::clicked, this, [this] { hide(); });
    new OuterSize(this, Twips::ToPixels(QSize(3600, 2400)));
}

void AdjHL::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SetDisplay();
}

void AdjHL::SetDisplay()
{
    if (main_.CurrentModem.TXRadio.PowerHL) TransHigh->setChecked(true);
    else TransLow->setChecked(true);
}

void AdjHL::TransHigh_Click() { choose(true); }

void AdjHL::TransLow_Click() { choose(false); }

void AdjHL::choose(bool high)
{
    main_.Backup();
    main_.CurrentModem.TXRadio.PowerHL = high;
    main_.CurrentModem.TXRadio.txpower = 0;
    main_.Validate();
}
