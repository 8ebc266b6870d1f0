#include "MasRemSel.h"

#include "FontScale.h"
#include "MainForm.h"
#include "OuterSize.h"
#include "SupSel.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int Width = 4800 / TwipsPerPixel;

using FontScale::Scaled;

}  // namespace

MasRemSel::MasRemSel(MainForm& mainForm)
    : EditDialog(mainForm, QStringLiteral("MasRemSel"), QStringLiteral("Select Unit Function"))
{
    // Placed, not laid out: the short window cuts the note off.
    UnitFunc = Frame(QStringLiteral("UnitFunc"), QStringLiteral("Unit Function"), this);
    UnitFunc->setGeometry(Scaled(QRect(8, 8, 200, 104)));
    CAMaster = new QRadioButton(QStringLiteral("Master"), UnitFunc);
    CAMaster->setObjectName(QStringLiteral("CAMaster"));
    CAMaster->setGeometry(Scaled(QRect(12, 22, 120, 22)));
    CARemote = new QRadioButton(QStringLiteral("Remote"), UnitFunc);
    CARemote->setObjectName(QStringLiteral("CARemote"));
    CARemote->setGeometry(Scaled(QRect(12, 46, 120, 22)));
    CAAdvance = Button(QStringLiteral("CAAdvance"), QStringLiteral("Advanced"), UnitFunc);
    CAAdvance->setGeometry(Scaled(QRect(12, 72, 96, 26)));
    auto* unit = new QButtonGroup(this);
    unit->addButton(CAMaster);
    unit->addButton(CARemote);

    Finish = Button(QStringLiteral("Finish"), QStringLiteral("Finish"), this);
    Finish->setGeometry(Scaled(QRect(Width - 104, 84, 88, 28)));

    Label1 = new QLabel(QStringLiteral("Note: For half duplex and simplex systems all units should be set as \"Remote\"."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setGeometry(Scaled(QRect(8, 128, Width - 24, 40)));

    connect(CAMaster, &QRadioButton::toggled, this, [this](bool on) {
        if (on) CAMaster_Click();
    });
    connect(CARemote, &QRadioButton::toggled, this, [this](bool on) {
        if (on) CARemote_Click();
    });
    connect(CAAdvance, &QPushButton::clicked, this, [this] { CAAdvance_Click(); });
    connect(Finish, &QPushButton::clicked, this, [this] { Finish_Click(); });
    outer_ = new OuterSize(this, QSize(Width, TallHeight / TwipsPerPixel));
}

void MasRemSel::setOuterHeight(int twips) { outer_->SetDesigned(QSize(Width, twips / TwipsPerPixel)); }

void MasRemSel::SetDisplay()
{
    const int16_t c = Modem().CAvoid;
    // Showing a remote unit must not choose "Retry After TX Attempt" for it.
    showing_ = true;
    if (c & 1) {
        CARemote->setChecked(true);
        CAAdvance->setEnabled(true);
    } else {
        CAMaster->setChecked(true);
        CAAdvance->setEnabled(false);
    }
    showing_ = false;
    // The short window leaves the note out of view.
    if ((c & ~1) == 6) {
        setOuterHeight(ShortHeight);
        Label1->hide();
    } else {
        // The RSSI collision-avoidance modes: the back-off timer is open to the master too.
        CAAdvance->setEnabled(true);
        setOuterHeight(TallHeight);
        Label1->show();
    }
}

void MasRemSel::Validate()
{
    CheckChange([this] { SetDisplay(); });
}

void MasRemSel::CAMaster_Click()
{
    if (showing_) return;
    TakeBackup();
    Modem().CAvoid = static_cast<int16_t>(Modem().CAvoid & ~1);
    CAAdvance->setEnabled(false);
    Validate();
}

void MasRemSel::CARemote_Click()
{
    if (showing_) return;
    TakeBackup();
    Modem().CAvoid = static_cast<int16_t>(Modem().CAvoid | 1);
    Modem().TryBeforeTX = true;
    CAAdvance->setEnabled(true);
    Validate();
}

void MasRemSel::CAAdvance_Click() { Main.SupSelForm().ShowModal(); }

void MasRemSel::Finish_Click() { hide(); }
