#include "MainForm.h"

#include "DataControl.h"
#include "ProbePort.h"
#include "EndSignals.h"
#include "MessageBoxPrompt.h"
#include "NumericBox.h"
#include "OuterSize.h"
#include "StartModule.h"
#include "UnfinishedWrites.h"
#include "ProgramClock.h"
#include "Twips.h"
#include "VellModem.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace {

// The window's designed outer size.
constexpr QSize OuterTwips(11910, 8970);

}  // namespace

MainForm::MainForm(ProgramSeams& seams, QWidget* parent) : QMainWindow(parent), seams_(seams)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    clock_ = seams.clock;
    if (!clock_) {
        ownClock_ = std::make_unique<ProgramClock>();
        clock_ = ownClock_.get();
    }
    prompt_ = seams.prompt;
    if (!prompt_) {
        ownPrompt_ = std::make_unique<MessageBoxPrompt>(this);
        prompt_ = ownPrompt_.get();
    }
    TestPort = std::make_unique<ProbePort>();

    VersionData = new DataControl(QStringLiteral("VersionData"), this);
    ModemData = new DataControl(QStringLiteral("ModemData"), this);
    PacketData = new DataControl(QStringLiteral("PacketData"), this);

    VellModem::Seams controlSeams;
    controlSeams.clock = clock_;
    controlSeams.prompt = prompt_;
    controlSeams.wait = seams.wait;
    controlSeams.port = seams.port;
    unfinishedWrites_ = std::make_unique<UnfinishedWrites>();
    controlSeams.journal = unfinishedWrites_.get();
    VellModem1 = new VellModem(controlSeams, this);
    VellModem1->setObjectName(QStringLiteral("VellModem1"));
    VellModem1->hide();

    buildMenus();
    buildToolbar();
    buildStatusBar();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Central"));
    auto* layout = new QVBoxLayout(central);
    // Tight around the frames: on a laptop's screen at the desktop's font every
    // pixel of height counts.
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(3);
    layout->addWidget(buildBuildFrame());
    auto* ports = new QHBoxLayout;
    ports->setSpacing(6);
    ports->addWidget(buildPortFrame(false), 5);
    ports->addWidget(buildPortFrame(true), 5);
    ports->addWidget(buildRadioColumn(), 8);
    layout->addLayout(ports, 1);
    layout->addWidget(buildModemRow());
    // Scrolls only on a screen too small for the window at its font.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("CentralScroll"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(central);
    setCentralWidget(scroller);

    // The Custom buttons follow their options, none of which is chosen yet.
    AChangeChar->setEnabled(false);
    BChangeChar->setEnabled(false);
    connectHandlers();
    (new OuterSize(this, Twips::ToPixels(OuterTwips)))->ScrollWhereTooSmall(scroller);
    listenForEndings();
}

MainForm::~MainForm()
{
    if (!seams_.endSignals) return;
    seams_.endSignals->Ended = nullptr;
    seams_.endSignals->Suspended = nullptr;
}

void MainForm::connectHandlers()
{
    connect(Menu_Open, &QAction::triggered, this, [this] { Menu_Open_Click(); });
    connect(Menu_Save, &QAction::triggered, this, [this] { Menu_Save_Click(); });
    connect(Menu_Print, &QAction::triggered, this, [this] { Menu_Print_Click(); });
    connect(Menu_Quit, &QAction::triggered, this, [this] { Menu_Quit_Click(); });
    connect(Menu_Read, &QAction::triggered, this, [this] { Menu_Read_Click(); });
    connect(Menu_Write, &QAction::triggered, this, [this] { Menu_Write_Click(); });
    connect(Menu_Wizard, &QAction::triggered, this, [this] { Menu_Wizard_Click(); });
    connect(Menu_About, &QAction::triggered, this, [this] { Menu_About_Click(); });
    for (int i = 1; i <= 16; ++i) connect(Menu_Comm[i], &QAction::triggered, this, [this, i] { Menu_Comm_Click(i); });
    // The always-ticked stand-in of an empty port list does nothing.
    connect(Menu_Comm[0], &QAction::triggered, this, [this] { Menu_Comm[0]->setChecked(true); });

    // Options run their handlers whenever they become selected, by a click or from code.
    auto onSelect = [this](QAbstractButton* option, std::function<void()> handler) {
        connect(option, &QAbstractButton::toggled, this, [handler = std::move(handler)](bool on) {
            if (on) handler();
        });
    };
    for (bool portB : {false, true}) {
        onSelect(portB ? BCharDef1 : ACharDef1, [this, portB] { CharDef_Click(portB, 1); });
        onSelect(portB ? BCharDef2 : ACharDef2, [this, portB] { CharDef_Click(portB, 2); });
        onSelect(portB ? BCharCustom : ACharCustom, [this, portB] { CharCustom_Click(portB); });
        onSelect(portB ? BPackDef1 : APackDef1, [this, portB] { PackDef_Click(portB, 1); });
        onSelect(portB ? BPackDef2 : APackDef2, [this, portB] { PackDef_Click(portB, 2); });
        onSelect(portB ? BPackCustom : APackCustom, [this, portB] { PackCustom_Click(portB); });
        onSelect(portB ? BHandXON : AHandXON, [this, portB] { Hand_Click(portB, 0); });
        onSelect(portB ? BHandNone : AHandNone, [this, portB] { Hand_Click(portB, 1); });
        onSelect(portB ? BHandHard : AHandHard, [this, portB] { Hand_Click(portB, 2); });
    }

    TransFreq->Commit = [this] { TransFreq_LostFocus(); };
    RXFreq->Commit = [this] { RXFreq_LostFocus(); };
    PTTTime->Commit = [this] { PTTTime_LostFocus(); };
    TXDelay->Commit = [this] { TXDelay_LostFocus(); };
    RSSI->Commit = [this] { RSSI_LostFocus(); };
    for (NumericBox* box : {TransFreq, RXFreq, PTTTime, TXDelay, RSSI})
        box->Refused = [this](const QString& message) { MsgBox(message, MsgButtons::OK); };
    connectFileHandlers();
    connectSystemHandlers();
    connectDialogHandlers();
    connectToolHandlers();
}

MsgResult MainForm::MsgBox(const QString& text, MsgButtons buttons, const QString& title)
{
    return prompt_->Show(text, title.isEmpty() ? StartModule::ApplicationTitle : title, buttons, MsgIcon::None);
}

void MainForm::closeEvent(QCloseEvent* event)
{
    // Nothing may close the window under a running modem operation.
    if (MainFormBusy) {
        event->ignore();
        return;
    }
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) event->ignore();
    else event->accept();
}

void MainForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Maximising is undone; the window keeps its designed size.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized))
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

bool MainForm::event(QEvent* event)
{
    // The status bar keeps its five panels: a toolbar button's description
    // under the pointer would cover them all.
    if (event->type() == QEvent::StatusTip) return true;
    const bool handled = QMainWindow::event(event);
    // The window itself takes the focus only while none of its controls can; that
    // is judged once the activation has settled, outside any handler's own boxes.
    if (event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, [this] {
            if (isActiveWindow() && !MainFormBusy && !QApplication::activeModalWidget() && !controlCanTakeFocus())
                Form_GotFocus();
        });
    return handled;
}

bool MainForm::controlCanTakeFocus() const
{
    const auto widgets = centralWidget()->findChildren<QWidget*>();
    return std::any_of(widgets.begin(), widgets.end(), [](const QWidget* w) {
        return w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus);
    });
}
