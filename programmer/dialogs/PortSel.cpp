#include "PortSel.h"

#include "BackColor.h"
#include "ClickLabel.h"
#include "FontScale.h"
#include "MainForm.h"
#include "PortSetting.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Caption {
    int index;
    const char* text;
};

}  // namespace

PortSel::PortSel(MainForm& mainForm)
    : EditDialog(mainForm, QStringLiteral("PortSel"), QStringLiteral("Select Character Layer Setting"))
{
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Each array in its frame, its labels in rows as the user reads them.
    auto addArray = [&](const QString& frameName, const QString& caption, const QString& name,
                        std::map<int, ClickLabel*>& labels, std::initializer_list<std::initializer_list<Caption>> rows,
                        void (PortSel::*handler)(int)) {
        QGroupBox* frame = Frame(frameName, caption, this);
        auto* grid = new QGridLayout(frame);
        grid->setHorizontalSpacing(6);
        int row = 0;
        for (const auto& captions : rows) {
            int column = 0;
            for (const Caption& c : captions) {
                auto* label = new ClickLabel(QStringLiteral("%1(%2)").arg(name).arg(c.index),
                                             QString::fromLatin1(c.text), frame);
                label->setFrameShape(QFrame::Panel);
                label->setFrameShadow(QFrame::Raised);
                label->setFixedWidth(FontScale::Scaled(56));
                label->setCursor(Qt::PointingHandCursor);
                BackColor::Set(label, BackColor::ButtonFace);
                const int index = c.index;
                label->Click = [this, handler, index] { (this->*handler)(index); };
                labels[c.index] = label;
                grid->addWidget(label, row, column++);
            }
            ++row;
        }
        grid->setColumnStretch(4, 1);
        layout->addWidget(frame);
    };
    addArray(QStringLiteral("Frame1"), QStringLiteral("Data Speed"), QStringLiteral("DataRate"), DataRate,
             {{{6, "110"}, {7, "300"}, {8, "600"}, {1, " 1200"}}, {{2, " 2400"}, {3, " 4800"}, {4, " 9600"}, {5, "19200"}}},
             &PortSel::DataRate_Click);
    addArray(QStringLiteral("Frame2"), QStringLiteral("Parity"), QStringLiteral("Parity"), Parity,
             {{{0, "None"}, {1, " Odd"}, {2, "Even"}}}, &PortSel::Parity_Click);
    addArray(QStringLiteral("Frame3"), QStringLiteral("Data Bit"), QStringLiteral("DataBit"), DataBit,
             {{{7, "    7"}, {8, "    8"}}}, &PortSel::DataBit_Click);
    addArray(QStringLiteral("Frame4"), QStringLiteral("Stop Bit"), QStringLiteral("StopBit"), StopBit,
             {{{1, "    1"}, {2, "    2"}}}, &PortSel::StopBit_Click);

    Finish = Button(QStringLiteral("Finish"), QStringLiteral("Finish"), this);
    connect(Finish, &QPushButton::clicked, this, [this] { Finish_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Finish);
    layout->addLayout(buttons);
}

void PortSel::GetSetting()
{
    SetDisplay();
    ShowModal();
}

void PortSel::SetDisplay()
{
    if (!OldSetting) return;
    DataBit_Click(OldSetting->DataBit);
    StopBit_Click(OldSetting->StopBit);
    Parity_Click(OldSetting->Parity);
    DataRate_Click(OldSetting->CommSpeed);
}

void PortSel::PortValidate()
{
    CheckChange([this] { SetDisplay(); });
}

void PortSel::mark(const std::map<int, ClickLabel*>& labels, int Index)
{
    for (const auto& [index, label] : labels) BackColor::Set(label, BackColor::ButtonFace);
    // A code without a label marks none.
    if (auto it = labels.find(Index); it != labels.end()) BackColor::Set(it->second, BackColor::Grey);
}

void PortSel::pick(const std::map<int, ClickLabel*>& labels, int Index, int16_t PortSetting::*member)
{
    if (!OldSetting) return;
    TakeBackup();
    mark(labels, Index);
    OldSetting->*member = static_cast<int16_t>(Index);
    PortValidate();
}

void PortSel::DataRate_Click(int Index) { pick(DataRate, Index, &PortSetting::CommSpeed); }
void PortSel::Parity_Click(int Index) { pick(Parity, Index, &PortSetting::Parity); }
void PortSel::DataBit_Click(int Index) { pick(DataBit, Index, &PortSetting::DataBit); }
void PortSel::StopBit_Click(int Index) { pick(StopBit, Index, &PortSetting::StopBit); }

void PortSel::Finish_Click() { hide(); }
