#include "SupSel.h"

#include "FontScale.h"
#include "MainForm.h"
#include "NumericBox.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    // Texts from files, databases and modems are shown as they are, never as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace

SupSel::SupSel(MainForm& mainForm)
    : EditDialog(mainForm, QStringLiteral("SupSel"), QStringLiteral("Adjusting Advance Collision Avoidance Setting"))
{
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Label1[0] = label(QStringLiteral("Label1(0)"), QStringLiteral("Collision Avoidance"), this);
    Label1[1] = label(QStringLiteral("Label1(1)"), QStringLiteral("Remote Unit Back Off Timer"), this);
    for (QLabel* heading : Label1) {
        QFont f = heading->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.4);
        heading->setFont(f);
        heading->setAlignment(Qt::AlignCenter);
        layout->addWidget(heading);
    }

    Frame1 = Frame(QStringLiteral("Frame1"), QStringLiteral("Sliding Window"), this);
    auto* window = new QGridLayout(Frame1);
    MaxSlot = Box(QStringLiteral("MaxSlot"), Frame1, [this] { MaxSlot_LostFocus(); });
    SlotTime = Box(QStringLiteral("SlotTime"), Frame1, [this] { SlotTime_LostFocus(); });
    for (NumericBox* box : {MaxSlot, SlotTime}) box->setFixedWidth(FontScale::Scaled(60));
    window->addWidget(label(QStringLiteral("Label2"), QStringLiteral("-Max No. of Slot(s)"), Frame1), 0, 0);
    window->addWidget(MaxSlot, 0, 1);
    window->addWidget(label(QStringLiteral("Label3"), QStringLiteral("Slots"), Frame1), 0, 2);
    window->addWidget(label(QStringLiteral("Label4"), QStringLiteral("-Time Per Slot"), Frame1), 1, 0);
    window->addWidget(SlotTime, 1, 1);
    window->addWidget(label(QStringLiteral("Label5"), QStringLiteral("ms"), Frame1), 1, 2);
    window->setColumnStretch(0, 1);
    layout->addWidget(Frame1);

    Frame2 = Frame(QStringLiteral("Frame2"), QString(), this);
    auto* attempts = new QVBoxLayout(Frame2);
    DelayBefore = new QRadioButton(QStringLiteral("Retry After TX Attempt"), Frame2);
    DelayBefore->setObjectName(QStringLiteral("DelayBefore"));
    DelayAfter = new QRadioButton(QStringLiteral("Delay Before TX Attempt"), Frame2);
    DelayAfter->setObjectName(QStringLiteral("DelayAfter"));
    attempts->addWidget(DelayBefore);
    attempts->addWidget(DelayAfter);
    auto* group = new QButtonGroup(this);
    group->addButton(DelayBefore);
    group->addButton(DelayAfter);
    layout->addWidget(Frame2);

    Finish = Button(QStringLiteral("Finish"), QStringLiteral("Finish"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Finish);
    layout->addLayout(buttons);

    connect(DelayBefore, &QRadioButton::toggled, this, [this](bool on) {
        if (on) DelayBefore_Click();
    });
    connect(DelayAfter, &QRadioButton::toggled, this, [this](bool on) {
        if (on) DelayAfter_Click();
    });
    connect(Finish, &QPushButton::clicked, this, [this] { Finish_Click(); });
}

void SupSel::RefreshDisplay()
{
    const ModemSetting& m = Modem();
    MaxSlot->setText(QString::number(m.NoOfSlot));
    SlotTime->setText(QString::number(m.TimePerSlot));
    (m.TryBeforeTX ? DelayBefore : DelayAfter)->setChecked(true);
}

void SupSel::Validate()
{
    CheckChange([this] { RefreshDisplay(); });
}

void SupSel::delay(QRadioButton* option, bool tryBefore)
{
    if (!option->isChecked()) return;
    TakeBackup();
    Modem().TryBeforeTX = tryBefore;
    Validate();
}

void SupSel::DelayBefore_Click() { delay(DelayBefore, true); }
void SupSel::DelayAfter_Click() { delay(DelayAfter, false); }

void SupSel::MaxSlot_LostFocus()
{
    TakeBackup();
    StoreWhole(MaxSlot, Modem().NoOfSlot, EmptyText::KeepFocus);
    Validate();
}

void SupSel::SlotTime_LostFocus()
{
    TakeBackup();
    StoreWhole(SlotTime, Modem().TimePerSlot, EmptyText::KeepFocus);
    Validate();
}

void SupSel::CommitText()
{
    MaxSlot_LostFocus();
    SlotTime_LostFocus();
}

void SupSel::Finish_Click()
{
    CommitText();
    hide();
}
