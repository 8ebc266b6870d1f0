#include "MasRemSel.h"

#include "MainForm.h"
#include "OuterSize.h"
#include "SupSel.h"
#include "Twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int WidthTwips = 4800;
constexpr int Width = Twips::ToPixels(WidthTwips);

}  // namespace

MasRemSel::MasRemSel(MainForm& mainForm)
    : EditDialog(mainForm, QStringLiteral("MasRemSel"), QStringLiteral("Select Unit Function"))
{
    outer_ = new OuterSize(this, Twips::ToPixels(QSize(WidthTwips, TallHeight)));
    // Placed, not laid out: the short window cuts the note off. Both heights
    // leave room for a desktop's title bar, which is taller than the design's.
    UnitFunc = Frame(QStringLiteral("UnitFunc"), QStringLiteral("Unit Function"), this);
    outer_->Place(UnitFunc, QRect(8, 6, 200, 92));
    CAMaster = new QRadioButton(QStringLiteral("Master"), UnitFunc);
    CAMaster->setObjectName(QStringLiteral("CAMaster"));
    outer_->Place(CAMaster, QRect(12, 20, 120, 20));
    CARemote = new QRadioButton(QStringLiteral("Remote"), UnitFunc);
    CARemote->setObjectName(QStringLiteral("CARemote"));
    outer_->Place(CARemote, QRect(12, 42, 120, 20));
    CAAdvance = Button(QStringLiteral("CAAdvance"), QStringLiteral("Advanced"), UnitFunc);
    outer_->Place(CAAdvance, QRect(12, 62, 96, 24));
    auto* unit = new QButtonGroup(this);
    unit->addButton(CAMaster);
    unit->addButton(CARemote);

    Finish = Button(QStringLiteral("Finish"), QStringLiteral("Finish"), this);
    outer_->Place(Finish, QRect(Width - 104, 70, 88, 28));

    Label1 = new QLabel(QStringLiteral("Note: For half duplex and simplex systems all units should be set as \"Remote\"."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    outer_->Place(Label1, QRect(8, 104, Width - 24, 40));

    connect(CAMaster, &QRadioButton::toggled, this, [this](bool on) {
        if (on) CAMaster_Click();
    });
    connect(CARemote, &QRadioButton::toggled, this, [this](bool on) {
        if (on) CARemote_Click();
    });
    connect(CAAdvance, &QPushButton::clicked, this, [this] { CAAdvance_Click(); });
    connect(Finish, &QPushButton::clicked, this, [this] { Finish_Click(); });
}

void MasRemSel::setOuterHeight(int twips) { outer_->SetDesigned(Twips::ToPixels(QSize(WidthTwips, twips))); }

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
