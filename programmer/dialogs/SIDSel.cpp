#include "SIDSel.h"

#include "FontScale.h"
#include "MainForm.h"
#include "NumericBox.h"
#include "StartModule.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The rows from top to bottom: the SID type, its option's caption, the captions
// before its two boxes, and its labels' indexes for port A and port B.
struct Row {
    int type;
    const char* option;
    const char* first;
    const char* second;
    int labelA;
    int labelB;
};

constexpr Row Rows[] = {
    {0, "User Port", "RX SID", "TX SID", 0, 7},
    {2, "Trunk Streams", "From", "To", 1, 6},
    {3, "Repeat Streams", "From", "To", 2, 5},
    {1, "Translate Streams", "Change RX Stream", "Change TX Stream", 3, 4},
};

bool isType(int t) { return t >= 0 && t <= 3; }

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    // Texts from files, databases and modems are shown as they are, never as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace

SIDSel::SIDSel(MainForm& mainForm)
    : EditDialog(mainForm, QStringLiteral("SIDSel"), QStringLiteral("Select Stream Identifier Codes"))
{
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Frame1 = buildPort(false);
    PortBFrame = buildPort(true);
    layout->addWidget(Frame1);
    layout->addWidget(PortBFrame);

    OrvaneDiag = Frame(QStringLiteral("OrvaneDiag"), QString(), this);
    auto* diag = new QGridLayout(OrvaneDiag);
    diag->addWidget(label(QStringLiteral("Label3"), QStringLiteral("SID Codes"), OrvaneDiag), 0, 0);
    Label1[8] = label(QStringLiteral("Label1(8)"), QStringLiteral("RX SID"), OrvaneDiag);
    Label2[8] = label(QStringLiteral("Label2(8)"), QStringLiteral("TX SID"), OrvaneDiag);
    DiagSID1 = Box(QStringLiteral("DiagSID1"), OrvaneDiag, [this] { DiagSID1_LostFocus(); });
    DiagSID2 = Box(QStringLiteral("DiagSID2"), OrvaneDiag, [this] { DiagSID2_LostFocus(); });
    for (NumericBox* box : {DiagSID1, DiagSID2}) box->setFixedWidth(FontScale::Scaled(50));
    diag->addWidget(Label1[8], 0, 1, Qt::AlignRight);
    diag->addWidget(DiagSID1, 0, 2);
    diag->addWidget(Label2[8], 0, 3, Qt::AlignRight);
    diag->addWidget(DiagSID2, 0, 4);
    diag->addWidget(label(QStringLiteral("Label4"), QStringLiteral("Diagnostics Repeat"), OrvaneDiag), 1, 0);
    DiagRepeatOn = new QRadioButton(QStringLiteral("On"), OrvaneDiag);
    DiagRepeatOn->setObjectName(QStringLiteral("DiagRepeatOn"));
    DiagRepeatOff = new QRadioButton(QStringLiteral("Off"), OrvaneDiag);
    DiagRepeatOff->setObjectName(QStringLiteral("DiagRepeatOff"));
    auto* repeat = new QButtonGroup(this);
    repeat->addButton(DiagRepeatOn);
    repeat->addButton(DiagRepeatOff);
    diag->addWidget(DiagRepeatOn, 1, 1);
    diag->addWidget(DiagRepeatOff, 1, 2);
    NotEditableLbl = label(QStringLiteral("NotEditableLbl"),
                           QStringLiteral("This parameter has been factory configured and is write protected."),
                           OrvaneDiag);
    diag->addWidget(NotEditableLbl, 2, 0, 1, 5);
    connect(DiagRepeatOn, &QRadioButton::toggled, this, [this](bool on) {
        if (on) DiagRepeatOn_Click();
    });
    connect(DiagRepeatOff, &QRadioButton::toggled, this, [this](bool on) {
        if (on) DiagRepeatOff_Click();
    });

    Finish = Button(QStringLiteral("Finish"), QStringLiteral("Finish"), this);
    connect(Finish, &QPushButton::clicked, this, [this] { Finish_Click(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(OrvaneDiag, 1);
    bottom->addWidget(Finish, 0, Qt::AlignRight | Qt::AlignBottom);
    layout->addLayout(bottom);
}

QGroupBox* SIDSel::buildPort(bool portB)
{
    QGroupBox* frame = Frame(portB ? QStringLiteral("PortBFrame") : QStringLiteral("Frame1"),
                             portB ? QStringLiteral("Port B") : QStringLiteral("Port A"), this);
    auto* grid = new QGridLayout(frame);
    auto* group = new QButtonGroup(this);
    const QString p = portB ? QStringLiteral("B") : QString();
    int line = 0;
    for (const Row& row : Rows) {
        const int t = row.type;
        auto* option = new QRadioButton(QString::fromLatin1(row.option), frame);
        option->setObjectName((portB ? QStringLiteral("BUserport(%1)") : QStringLiteral("AUserport(%1)")).arg(t));
        group->addButton(option);
        const int l = portB ? row.labelB : row.labelA;
        QLabel* first = label(QStringLiteral("Label1(%1)").arg(l), QString::fromLatin1(row.first), frame);
        QLabel* second = label(QStringLiteral("Label2(%1)").arg(l), QString::fromLatin1(row.second), frame);
        NumericBox* box1 = Box(QStringLiteral("%1SID1(%2)").arg(p).arg(t), frame, [this, portB, t] {
            portB ? BSID1_LostFocus(t) : SID1_LostFocus(t);
        });
        NumericBox* box2 = Box(QStringLiteral("%1SID2(%2)").arg(p).arg(t), frame, [this, portB, t] {
            portB ? BSID2_LostFocus(t) : SID2_LostFocus(t);
        });
        for (NumericBox* box : {box1, box2}) box->setFixedWidth(FontScale::Scaled(50));
        grid->addWidget(option, line, 0);
        grid->addWidget(first, line, 1, Qt::AlignRight);
        grid->addWidget(box1, line, 2);
        grid->addWidget(second, line, 3, Qt::AlignRight);
        grid->addWidget(box2, line, 4);
        ++line;
        connect(option, &QRadioButton::toggled, this, [this, portB, t](bool on) {
            if (on) portB ? BUserport_Click(t) : AUserport_Click(t);
        });
        Label1[l] = first;
        Label2[l] = second;
        (portB ? BUserport : AUserport)[t] = option;
        (portB ? BSID1 : SID1)[t] = box1;
        (portB ? BSID2 : SID2)[t] = box2;
    }
    grid->setColumnMinimumWidth(1, 110);
    grid->setColumnMinimumWidth(3, 110);
    return frame;
}

void SIDSel::showPort(const PortSetting& port, const std::array<QRadioButton*, 4>& options,
                      const std::array<NumericBox*, 4>& first, const std::array<NumericBox*, 4>& second)
{
    const int t = port.SIDType;
    // A type without a row shows none chosen.
    if (!isType(t)) return;
    options[t]->setChecked(true);
    first[t]->setEnabled(true);
    first[t]->setText(QString::number(port.SID1));
    second[t]->setEnabled(true);
    second[t]->setText(QString::number(port.SID2));
}

void SIDSel::RefreshDisplay()
{
    for (int i = 0; i <= 3; ++i)
        for (NumericBox* box : {SID1[i], SID2[i], BSID1[i], BSID2[i]}) {
            box->setEnabled(false);
            box->clear();
        }
    const ModemSetting& m = Modem();
    showPort(m.PortA, AUserport, SID1, SID2);

    if (!m.DiagEnable) {
        OrvaneDiag->hide();
    } else {
        OrvaneDiag->show();
        const bool editable = m.DiagsEditable;
        OrvaneDiag->setEnabled(editable);
        DiagSID1->setText(QString::number(m.DiagSID1));
        DiagSID2->setText(QString::number(m.DiagSID2));
        (m.DiagRepeat ? DiagRepeatOn : DiagRepeatOff)->setChecked(true);
        for (QWidget* w : std::initializer_list<QWidget*>{DiagSID1, DiagSID2, DiagRepeatOn, DiagRepeatOff})
            w->setEnabled(editable);
        NotEditableLbl->setVisible(!editable);
    }

    if (m.PortBEnabled) {
        EnablePortB();
        showPort(m.PortB, BUserport, BSID1, BSID2);
    } else {
        DisablePortB();
    }
}

void SIDSel::EnablePortB()
{
    for (int i = 0; i <= 3; ++i) {
        BSID1[i]->clear();
        BSID2[i]->clear();
        for (QWidget* w : std::initializer_list<QWidget*>{BUserport[i], Label1[i + 4], Label2[i + 4]})
            w->setEnabled(true);
    }
    PortBFrame->setEnabled(true);
}

void SIDSel::DisablePortB()
{
    for (int i = 0; i <= 3; ++i) {
        for (NumericBox* box : {BSID1[i], BSID2[i]}) {
            box->setEnabled(false);
            box->clear();
        }
        for (QWidget* w : std::initializer_list<QWidget*>{BUserport[i], Label1[i + 4], Label2[i + 4]})
            w->setEnabled(false);
    }
    PortBFrame->setEnabled(false);
}

void SIDSel::Validate()
{
    CheckChange([this] { RefreshDisplay(); });
}

void SIDSel::userport(bool portB, int Index)
{
    TakeBackup();
    (portB ? Modem().PortB : Modem().PortA).SIDType = static_cast<int16_t>(Index);
    Validate();
    // Only the chosen row's boxes are on, holding the port's codes.
    RefreshDisplay();
}

void SIDSel::AUserport_Click(int Index) { userport(false, Index); }
void SIDSel::BUserport_Click(int Index) { userport(true, Index); }

void SIDSel::commit(NumericBox* box, int32_t& member)
{
    TakeBackup();
    StoreWhole(box, member, EmptyText::Zero);
    Validate();
}

void SIDSel::SID1_LostFocus(int Index) { commit(SID1[Index], Modem().PortA.SID1); }
void SIDSel::SID2_LostFocus(int Index) { commit(SID2[Index], Modem().PortA.SID2); }
void SIDSel::BSID1_LostFocus(int Index) { commit(BSID1[Index], Modem().PortB.SID1); }
void SIDSel::BSID2_LostFocus(int Index) { commit(BSID2[Index], Modem().PortB.SID2); }
void SIDSel::DiagSID1_LostFocus() { commit(DiagSID1, Modem().DiagSID1); }
void SIDSel::DiagSID2_LostFocus() { commit(DiagSID2, Modem().DiagSID2); }

void SIDSel::DiagRepeatOn_Click()
{
    TakeBackup();
    Modem().DiagRepeat = true;
    Validate();
}

void SIDSel::DiagRepeatOff_Click()
{
    TakeBackup();
    Modem().DiagRepeat = false;
    Validate();
}

void SIDSel::ResetSIDText()
{
    const ModemSetting& m = Modem();
    if (isType(m.PortA.SIDType)) {
        SID1_LostFocus(m.PortA.SIDType);
        SID2_LostFocus(m.PortA.SIDType);
    }
    if (m.PortBEnabled && isType(m.PortB.SIDType)) {
        BSID1_LostFocus(m.PortB.SIDType);
        BSID2_LostFocus(m.PortB.SIDType);
    }
    if (m.DiagEnable) {
        DiagSID1_LostFocus();
        DiagSID2_LostFocus();
    }
}

void SIDSel::Form_Activate()
{
    OrvaneDiag->setTitle(StartModule::DiagnosticsName + QStringLiteral(" Processor"));
    RefreshDisplay();
}

void SIDSel::Form_Unload() { ResetSIDText(); }

void SIDSel::Leave()
{
    // The close box unloads the dialog, which commits the boxes first.
    Form_Unload();
    hide();
}

void SIDSel::Finish_Click() { hide(); }
