// The main window's controls and where they sit.
#include "MainForm.h"

#include "DataControl.h"
#include "FontScale.h"
#include "NumericBox.h"
#include "VellModem.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename T>
T* named(const QString& name, const QString& text, QWidget* parent)
{
    auto* widget = new T(text, parent);
    widget->setObjectName(name);
    if constexpr (std::is_base_of_v<QPushButton, T>) widget->setAutoDefault(false);
    return widget;
}

QLabel* label(const QString& name, const QString& text, QWidget* parent)
{
    QLabel* l = named<QLabel>(name, text, parent);
    // Texts from files, databases and modems are shown as they are, never as markup.
    l->setTextFormat(Qt::PlainText);
    return l;
}

QGroupBox* frame(const QString& name, const QString& caption, QWidget* parent)
{
    return named<QGroupBox>(name, caption, parent);
}

QButtonGroup* group(QWidget* owner, std::initializer_list<QAbstractButton*> buttons)
{
    auto* g = new QButtonGroup(owner);
    for (QAbstractButton* b : buttons) g->addButton(b);
    return g;
}

// A caption over a group of options inside a port's frame.
QLabel* heading(const QString& name, const QString& text, QWidget* parent)
{
    QLabel* l = label(name, text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

NumericBox* numberBox(const QString& name, QWidget* parent, int width)
{
    auto* box = new NumericBox(name, parent);
    box->setFixedWidth(FontScale::Scaled(width));
    return box;
}

}  // namespace

void MainForm::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const QString& name, const QString& caption, const QString& shortcut) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
        return action;
    };

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("Menu_File"));
    Menu_Open = item(file, QStringLiteral("Menu_Open"), QStringLiteral("&Open File"), QStringLiteral("Ctrl+O"));
    Menu_Save = item(file, QStringLiteral("Menu_Save"), QStringLiteral("&Save File"), QStringLiteral("Ctrl+S"));
    file->addSeparator();
    Menu_Print = item(file, QStringLiteral("Menu_Print"), QStringLiteral("&Print"), QStringLiteral("Ctrl+P"));
    file->addSeparator()->setObjectName(QStringLiteral("Bar1"));
    Menu_Quit = item(file, QStringLiteral("Menu_Quit"), QStringLiteral("E&xit"), QStringLiteral("Ctrl+X"));
    bar2 = file->addSeparator();
    bar2->setObjectName(QStringLiteral("bar2"));
    Menu_FileName[0] = nullptr;
    for (int i = 1; i <= 4; ++i) {
        Menu_FileName[i] = item(file, QStringLiteral("Menu_FileName%1").arg(i), QString(), QString());
        Menu_FileName[i]->setVisible(false);
    }

    QMenu* radio = bar->addMenu(QStringLiteral("&Radio"));
    radio->setObjectName(QStringLiteral("Menu_Radio"));
    Menu_Read = item(radio, QStringLiteral("Menu_Read"), QStringLiteral("&Read Radio"), QStringLiteral("Ctrl+R"));
    Menu_Write = item(radio, QStringLiteral("Menu_Write"), QStringLiteral("&Write Radio"), QStringLiteral("Ctrl+W"));

    QMenu* wizard = bar->addMenu(QStringLiteral("&Wizard"));
    wizard->setObjectName(QStringLiteral("Menu_WizardMenu"));
    Menu_Wizard = item(wizard, QStringLiteral("Menu_Wizard"), QStringLiteral("&Start Wizard"), QStringLiteral("Ctrl+I"));

    Menu_Ports = bar->addMenu(QStringLiteral("&Comm Ports"));
    Menu_Ports->setObjectName(QStringLiteral("Menu_Ports"));
    for (int i = 0; i <= 16; ++i) {
        Menu_Comm[i] = item(Menu_Ports, QStringLiteral("Menu_Comm(%1)").arg(i),
                            QStringLiteral("Com Port %1").arg(i == 0 ? 1 : i), QString());
        Menu_Comm[i]->setCheckable(true);
        Menu_Comm[i]->setVisible(i == 0);
    }
    Menu_Comm[0]->setChecked(true);
    Menu_Comm[0]->setEnabled(false);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Menu_Help"));
    Menu_About = item(help, QStringLiteral("Menu_About"), QStringLiteral("&About"), QStringLiteral("Ctrl+A"));
}

void MainForm::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(20, 20));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    Toolbar1->toggleViewAction()->setVisible(false);

    struct Button {
        const char* caption;
        const char* key;
        const char* tip;
        const char* description;
        QStyle::StandardPixmap icon;
    };
    const Button buttons[] = {
        {"Open", "TOpen", "Open Old Setting", "Open Old Setting", QStyle::SP_DialogOpenButton},
        {"Save", "TSave", "Save Settings", "Save Settings", QStyle::SP_DialogSaveButton},
        {"Read Radio", "TRRadio", "Read Setting From Radio", "Read Setting From Radio", QStyle::SP_ArrowDown},
        {"Wizard", "TWizard", "Orvane Setup Wizard", "Default Template", QStyle::SP_FileDialogDetailedView},
        {"Write Radio", "TWRadio", "Write Setting To Radio", "Write Setting To Radio", QStyle::SP_ArrowUp},
        {"Print", "TPrint", "Print Current Setting", "Print Current Setting", QStyle::SP_FileIcon},
        {"Quit", "TQuit", "Quit Program", "Exit Program", QStyle::SP_DialogCloseButton},
    };
    for (const Button& b : buttons) {
        QAction* action = Toolbar1->addAction(style()->standardIcon(b.icon), QString::fromLatin1(b.caption));
        const QString key = QString::fromLatin1(b.key);
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(QString::fromLatin1(b.tip));
        action->setStatusTip(QString::fromLatin1(b.description));
        if (QWidget* button = Toolbar1->widgetForAction(action)) button->setObjectName(key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
}

void MainForm::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    StatusBar1[0] = nullptr;
    const int stretch[] = {0, 2, 3, 3, 3, 3};
    for (int i = 1; i <= 5; ++i) {
        StatusBar1[i] = label(QStringLiteral("StatusBar1(%1)").arg(i), QString(), bar);
        StatusBar1[i]->setFrameShape(QFrame::StyledPanel);
        StatusBar1[i]->setFrameShadow(QFrame::Sunken);
        bar->addWidget(StatusBar1[i], stretch[i]);
    }
}

QWidget* MainForm::buildBuildFrame()
{
    QGroupBox* box = frame(QStringLiteral("BuildFrame"), QStringLiteral("Factory Build Parameters"), this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 2, 8, 2);
    grid->setVerticalSpacing(1);
    DXLabel = label(QStringLiteral("DXLabel"), QString(), box);
    DiagLabel = label(QStringLiteral("DiagLabel"), QString(), box);
    TXRadioType = label(QStringLiteral("TXRadioType"), QString(), box);
    RXRadioTYpe = label(QStringLiteral("RXRadioTYpe"), QString(), box);
    TXSerial = label(QStringLiteral("TXSerial"), QString(), box);
    RXSerial = label(QStringLiteral("RXSerial"), QString(), box);
    grid->addWidget(DXLabel, 0, 0);
    grid->addWidget(DiagLabel, 1, 0);
    grid->addWidget(TXRadioType, 0, 1);
    grid->addWidget(RXRadioTYpe, 1, 1);
    grid->addWidget(label(QString(), QStringLiteral("TX Serial:"), box), 0, 2, Qt::AlignRight);
    grid->addWidget(label(QString(), QStringLiteral("RX Serial:"), box), 1, 2, Qt::AlignRight);
    grid->addWidget(TXSerial, 0, 3);
    grid->addWidget(RXSerial, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    return box;
}

QGroupBox* MainForm::buildPortFrame(bool portB)
{
    const QString p = portB ? QStringLiteral("B") : QStringLiteral("A");
    auto n = [&p](const char* rest) { return p + QString::fromLatin1(rest); };
    QGroupBox* box = frame(portB ? QStringLiteral("PortBFrame") : QStringLiteral("PortAFrame"),
                           portB ? QStringLiteral("Port B Configuration") : QStringLiteral("Port A Configuration"), this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);

    QLabel* charCaption = heading(portB ? QStringLiteral("Label8") : QStringLiteral("Label2"), QStringLiteral("Character Layer"), box);
    QLabel* packCaption = heading(portB ? QStringLiteral("Label9") : QStringLiteral("Label4"), QStringLiteral("Packet Layer"), box);
    QLabel* handCaption = heading(portB ? QStringLiteral("Label13") : QStringLiteral("Label5"), QStringLiteral("Handshaking"), box);

    // Created first: the tick at the top of its frame comes first in the tab order too.
    if (portB) EnablePortB = named<QCheckBox>(QStringLiteral("EnablePortB"), QStringLiteral("Enabled"), box);
    auto* charDef1 = named<QRadioButton>(n("CharDef1"), QString(), box);
    auto* charDef2 = named<QRadioButton>(n("CharDef2"), QString(), box);
    auto* charCustom = named<QRadioButton>(n("CharCustom"), QString(), box);
    auto* changeChar = named<QPushButton>(n("ChangeChar"), QStringLiteral("Custom"), box);
    QLabel* defLabel1 = label(n("DefLabel1"), QStringLiteral("Default Label 1"), box);
    QLabel* defLabel2 = label(n("DefLabel2"), QStringLiteral("Default Label 2"), box);
    auto* packDef1 = named<QRadioButton>(n("PackDef1"), QString(), box);
    auto* packDef2 = named<QRadioButton>(n("PackDef2"), QString(), box);
    auto* packCustom = named<QRadioButton>(n("PackCustom"), QString(), box);
    auto* changePack = named<QPushButton>(n("ChangePack"), QStringLiteral("Custom"), box);
    QLabel* packLabel1 = label(n("PackDefLabel1"), QStringLiteral("Default Label 1"), box);
    QLabel* packLabel2 = label(n("PackDefLabel2"), QStringLiteral("Default Label 2"), box);
    auto* handXon = named<QRadioButton>(n("HandXON"), QStringLiteral("Local XON/XOFF"), box);
    auto* handNone = named<QRadioButton>(n("HandNone"), QStringLiteral("None"), box);
    auto* handHard = named<QRadioButton>(n("HandHard"), QStringLiteral("Hardware"), box);
    // A label beside an option selects it, as the option's own caption would.
    for (auto [l, option] : {std::pair{defLabel1, charDef1}, {defLabel2, charDef2}, {packLabel1, packDef1},
                             {packLabel2, packDef2}})
        l->setBuddy(option);
    for (QPushButton* b : {changeChar, changePack}) b->setFixedWidth(FontScale::Scaled(80));

    int row = 0;
    if (portB) {
        // Side by side, so that neither draws over the other at any font.
        auto* top = new QHBoxLayout;
        top->addWidget(charCaption);
        top->addStretch();
        top->addWidget(EnablePortB);
        grid->addLayout(top, row++, 0, 1, 2);
    } else {
        grid->addWidget(charCaption, row++, 0, 1, 2);
    }
    grid->addWidget(charDef1, row, 0);
    grid->addWidget(defLabel1, row++, 1);
    grid->addWidget(charDef2, row, 0);
    grid->addWidget(defLabel2, row++, 1);
    grid->addWidget(charCustom, row, 0);
    grid->addWidget(changeChar, row++, 1, Qt::AlignLeft);
    grid->addWidget(packCaption, row++, 0, 1, 2);
    grid->addWidget(packDef1, row, 0);
    grid->addWidget(packLabel1, row++, 1);
    grid->addWidget(packDef2, row, 0);
    grid->addWidget(packLabel2, row++, 1);
    grid->addWidget(packCustom, row, 0);
    grid->addWidget(changePack, row++, 1, Qt::AlignLeft);
    grid->addWidget(handCaption, row++, 0, 1, 2);
    grid->addWidget(handXon, row++, 0, 1, 2);
    grid->addWidget(handNone, row++, 0, 1, 2);
    grid->addWidget(handHard, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);

    QButtonGroup* charGroup = group(this, {charDef1, charDef2, charCustom});
    QButtonGroup* packGroup = group(this, {packDef1, packDef2, packCustom});
    QButtonGroup* handGroup = group(this, {handXon, handNone, handHard});
    if (portB) {
        BCharDef1 = charDef1, BCharDef2 = charDef2, BCharCustom = charCustom, BChangeChar = changeChar;
        BDefLabel1 = defLabel1, BDefLabel2 = defLabel2;
        BPackDef1 = packDef1, BPackDef2 = packDef2, BPackCustom = packCustom, BChangePack = changePack;
        BPackDefLabel1 = packLabel1, BPackDefLabel2 = packLabel2;
        BHandXON = handXon, BHandNone = handNone, BHandHard = handHard;
        Label8 = charCaption, Label9 = packCaption, Label13 = handCaption;
        bChar_ = charGroup, bPack_ = packGroup, bHand_ = handGroup;
        // Port B offers no hardware handshake.
        BHandHard->setEnabled(false);
    } else {
        ACharDef1 = charDef1, ACharDef2 = charDef2, ACharCustom = charCustom, AChangeChar = changeChar;
        ADefLabel1 = defLabel1, ADefLabel2 = defLabel2;
        APackDef1 = packDef1, APackDef2 = packDef2, APackCustom = packCustom, AChangePack = changePack;
        APackDefLabel1 = packLabel1, APackDefLabel2 = packLabel2;
        AHandXON = handXon, AHandNone = handNone, AHandHard = handHard;
        Label2 = charCaption, Label4 = packCaption, Label5 = handCaption;
        aChar_ = charGroup, aPack_ = packGroup, aHand_ = handGroup;
    }
    return box;
}

QWidget* MainForm::buildRadioColumn()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);

    TransFrame = frame(QStringLiteral("TransFrame"), QStringLiteral("Transmitter"), column);
    auto* tx = new QGridLayout(TransFrame);
    tx->setContentsMargins(8, 2, 8, 2);
    tx->setVerticalSpacing(2);
    Label17 = label(QStringLiteral("Label17"), QStringLiteral("Transmit Frequency"), TransFrame);
    TransFreq = numberBox(QStringLiteral("TransFreq"), TransFrame, 90);
    Label16 = label(QStringLiteral("Label16"), QStringLiteral("MHz"), TransFrame);
    Label6 = label(QStringLiteral("Label6"), QStringLiteral("Frequency Trim"), TransFrame);
    TXFreqAdjust = named<QPushButton>(QStringLiteral("TXFreqAdjust"), QStringLiteral("Adjust"), TransFrame);
    Label19 = label(QStringLiteral("Label19"), QStringLiteral("Transmitter Lead in Delay"), TransFrame);
    TXDelay = numberBox(QStringLiteral("TXDelay"), TransFrame, 90);
    Label20 = label(QStringLiteral("Label20"), QStringLiteral("ms"), TransFrame);
    tx->addWidget(Label17, 0, 0);
    tx->addWidget(TransFreq, 0, 1);
    tx->addWidget(Label16, 0, 2);
    tx->addWidget(Label6, 1, 0);
    tx->addWidget(TXFreqAdjust, 1, 1);
    tx->addWidget(Label19, 2, 0);
    tx->addWidget(TXDelay, 2, 1);
    tx->addWidget(Label20, 2, 2);
    tx->setColumnStretch(0, 1);

    Reciever = frame(QStringLiteral("Reciever"), QStringLiteral("Receiver"), column);
    auto* rx = new QGridLayout(Reciever);
    rx->setContentsMargins(8, 2, 8, 2);
    rx->setVerticalSpacing(2);
    Label24 = label(QStringLiteral("Label24"), QStringLiteral("Receive Frequency"), Reciever);
    RXFreq = numberBox(QStringLiteral("RXFreq"), Reciever, 90);
    Label23 = label(QStringLiteral("Label23"), QStringLiteral("MHz"), Reciever);
    Label25 = label(QStringLiteral("Label25"), QStringLiteral("Frequency Trim"), Reciever);
    RXFreqAdjust = named<QPushButton>(QStringLiteral("RXFreqAdjust"), QStringLiteral("Adjust"), Reciever);
    rx->addWidget(Label24, 0, 0);
    rx->addWidget(RXFreq, 0, 1);
    rx->addWidget(Label23, 0, 2);
    rx->addWidget(Label25, 1, 0);
    rx->addWidget(RXFreqAdjust, 1, 1);
    rx->setColumnStretch(0, 1);

    PowerFrame = frame(QStringLiteral("PowerFrame"), QStringLiteral("Power and Receive Signal"), column);
    auto* pw = new QGridLayout(PowerFrame);
    pw->setContentsMargins(8, 2, 8, 2);
    pw->setVerticalSpacing(2);
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("Do you wish to overwrite the existing Tx power"), PowerFrame);
    Label10 = label(QStringLiteral("Label10"), QStringLiteral("and Rx mute setting"), PowerFrame);
    Label7->setWordWrap(true);
    WriteTxOn = named<QRadioButton>(QStringLiteral("WriteTxOn"), QStringLiteral("Yes"), PowerFrame);
    WriteTxOff = named<QRadioButton>(QStringLiteral("WriteTxOff"), QStringLiteral("No"), PowerFrame);
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("TX Power"), PowerFrame);
    PowAdjust = named<QPushButton>(QStringLiteral("PowAdjust"), QStringLiteral("Adjust"), PowerFrame);
    Label28 = label(QStringLiteral("Label28"), QStringLiteral("Minimum RX signal"), PowerFrame);
    RSSI = numberBox(QStringLiteral("RSSI"), PowerFrame, 50);
    AutoRSSI = named<QPushButton>(QStringLiteral("AutoRSSI"), QStringLiteral("Auto"), PowerFrame);
    auto* answers = new QHBoxLayout;
    answers->addWidget(Label10);
    answers->addStretch();
    answers->addWidget(WriteTxOn);
    answers->addWidget(WriteTxOff);
    pw->addWidget(Label7, 0, 0, 1, 3);
    pw->addLayout(answers, 1, 0, 1, 3);
    pw->addWidget(Label1, 2, 0);
    pw->addWidget(PowAdjust, 2, 1, 1, 2);
    pw->addWidget(Label28, 3, 0);
    auto* rssiRow = new QHBoxLayout;
    rssiRow->setSpacing(4);
    rssiRow->addWidget(RSSI);
    rssiRow->addWidget(label(QString(), QStringLiteral("dBm"), PowerFrame));
    pw->addLayout(rssiRow, 3, 1);
    pw->addWidget(AutoRSSI, 3, 2);
    pw->setColumnStretch(0, 1);
    for (QPushButton* b : {TXFreqAdjust, RXFreqAdjust, PowAdjust}) b->setFixedWidth(FontScale::Scaled(90));
    AutoRSSI->setFixedWidth(FontScale::Scaled(50));

    layout->addWidget(TransFrame);
    layout->addWidget(Reciever);
    layout->addWidget(PowerFrame);
    layout->addStretch();
    writeTx_ = group(this, {WriteTxOn, WriteTxOff});
    return column;
}

QWidget* MainForm::buildModemRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    Frame22 = frame(QStringLiteral("Frame22"), QStringLiteral("Stream Address Codes"), row);
    auto* sid = new QGridLayout(Frame22);
    sid->setContentsMargins(8, 2, 8, 2);
    sid->setVerticalSpacing(2);
    Label27 = label(QStringLiteral("Label27"), QStringLiteral("SID Codes"), Frame22);
    SIDON = named<QRadioButton>(QStringLiteral("SIDON"), QStringLiteral("On"), Frame22);
    SIDOFF = named<QRadioButton>(QStringLiteral("SIDOFF"), QStringLiteral("Off"), Frame22);
    SIDEdit = named<QPushButton>(QStringLiteral("SIDEdit"), QStringLiteral("Edit SID"), Frame22);
    sid->addWidget(Label27, 0, 0, 1, 2);
    sid->addWidget(SIDON, 1, 0);
    sid->addWidget(SIDOFF, 1, 1);
    sid->addWidget(SIDEdit, 2, 0, 1, 2);
    sid->setRowStretch(3, 1);
    sid_ = group(this, {SIDON, SIDOFF});

    Frame20 = frame(QStringLiteral("Frame20"), QStringLiteral("Supervisory Functions"), row);
    auto* sup = new QGridLayout(Frame20);
    sup->setContentsMargins(8, 2, 8, 2);
    sup->setVerticalSpacing(1);
    SupOff = named<QRadioButton>(QStringLiteral("SupOff"), QStringLiteral("Off"), Frame20);
    SupEndToEnd = named<QCheckBox>(QStringLiteral("SupEndToEnd"), QStringLiteral("End To End Signalling"), Frame20);
    SupRSSI = named<QCheckBox>(QStringLiteral("SupRSSI"), QStringLiteral("RSSI Coll. Avoidance"), Frame20);
    SupCA = named<QRadioButton>(QStringLiteral("SupCA"), QStringLiteral("Collision Avoidance"), Frame20);
    sup->addWidget(SupOff, 0, 0, 1, 2);
    sup->addWidget(SupEndToEnd, 1, 1);
    sup->addWidget(SupRSSI, 2, 1);
    sup->addWidget(SupCA, 3, 0, 1, 2);
    sup->setColumnMinimumWidth(0, FontScale::Scaled(14));
    sup_ = group(this, {SupOff, SupCA});

    Frame19 = frame(QStringLiteral("Frame19"), QStringLiteral("PTT Control"), row);
    auto* ptt = new QGridLayout(Frame19);
    ptt->setContentsMargins(8, 2, 8, 2);
    ptt->setVerticalSpacing(2);
    CPTTData = named<QRadioButton>(QStringLiteral("CPTTData"), QStringLiteral("Auto PTT On Data Only"), Frame19);
    CPTTRTS = named<QRadioButton>(QStringLiteral("CPTTRTS"), QStringLiteral("PTT From RTS Signal"), Frame19);
    Label = label(QStringLiteral("Label"), QStringLiteral("PTT Timeout"), Frame19);
    PTTTime = numberBox(QStringLiteral("PTTTime"), Frame19, 60);
    Label18 = label(QStringLiteral("Label18"), QStringLiteral("seconds"), Frame19);
    ptt->addWidget(CPTTData, 0, 0, 1, 3);
    ptt->addWidget(CPTTRTS, 1, 0, 1, 3);
    ptt->addWidget(Label, 2, 0);
    ptt->addWidget(PTTTime, 2, 1);
    ptt->addWidget(Label18, 2, 2);
    ptt->setColumnStretch(3, 1);
    ptt_ = group(this, {CPTTData, CPTTRTS});

    layout->addWidget(Frame22, 2);
    layout->addWidget(Frame20, 3);
    layout->addWidget(Frame19, 3);
    return row;
}
