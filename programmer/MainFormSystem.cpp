// The system parameters: PTT control, port B, SID codes, the supervisory functions
// and whether the transmitter power and receive mute are written.
#include "MainForm.h"

#include "BackColor.h"
#include "MasRemSel.h"
#include "PressFilter.h"
#include "SIDSel.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

void MainForm::connectSystemHandlers()
{
    auto onSelect = [this](QRadioButton* option, void (MainForm::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on) (this->*handler)();
        });
    };
    auto onChange = [this](QCheckBox* box, void (MainForm::*handler)()) {
        connect(box, &QCheckBox::toggled, this, [this, handler] { (this->*handler)(); });
    };
    onSelect(CPTTData, &MainForm::CPTTData_Click);
    onSelect(CPTTRTS, &MainForm::CPTTRTS_Click);
    onChange(EnablePortB, &MainForm::EnablePortB_Click);
    onSelect(SIDON, &MainForm::SIDON_Click);
    onSelect(SIDOFF, &MainForm::SIDOFF_Click);
    connect(SIDEdit, &QPushButton::clicked, this, [this] { SIDEdit_Click(); });
    onSelect(SupOff, &MainForm::SupOff_Click);
    // A press that the edit refused does not go on to choose the option.
    new PressFilter(SupCA, [this] {
        SupCA_MouseDown();
        return !SupCA->isChecked();
    });
    // The arrow keys choose the option without pressing it: the same choice.
    connect(SupCA, &QRadioButton::toggled, this, [this](bool on) {
        if (on && !SettingPage && !choosingCA_) SupCA_MouseDown();
    });
    onChange(SupEndToEnd, &MainForm::SupEndToEnd_Click);
    new PressFilter(SupRSSI, [this] {
        SupRSSI_MouseDown();
        return false;
    });
    onChange(SupRSSI, &MainForm::SupRSSI_Click);
    onSelect(WriteTxOn, &MainForm::WriteTxOn_Click);
    onSelect(WriteTxOff, &MainForm::WriteTxOff_Click);
}

void MainForm::beginEdit()
{
    if (editDepth_++ == 0) Backup();
}

void MainForm::endEdit()
{
    if (--editDepth_ == 0) Validate();
}

int MainForm::supervisionCode() const
{
    const bool endToEnd = SupEndToEnd->isChecked();
    const bool rssi = SupRSSI->isChecked();
    if (endToEnd) return rssi ? 4 : 8;
    return rssi ? 2 : 0;
}

void MainForm::CPTTData_Click()
{
    beginEdit();
    CurrentModem.PTTControl = 0;
    endEdit();
}

void MainForm::CPTTRTS_Click()
{
    beginEdit();
    CurrentModem.PTTControl = 2;
    endEdit();
}

void MainForm::EnablePortB_Click()
{
    beginEdit();
    const bool on = EnablePortB->isChecked();
    DoEnablePortBFrame(on);
    CurrentModem.PortBEnabled = on;
    endEdit();
}

void MainForm::SIDON_Click()
{
    beginEdit();
    CurrentModem.SIDCode = true;
    SIDEdit->setEnabled(true);
    endEdit();
}

void MainForm::SIDOFF_Click()
{
    beginEdit();
    CurrentModem.SIDCode = false;
    SIDEdit->setEnabled(false);
    endEdit();
}

void MainForm::SIDEdit_Click() { SIDSelForm().ShowModal(); }

// While the display sets the supervision controls, CAvoid already holds the mode
// they show: the handlers that the settings run must not work it out again from
// the controls, which are half set.

void MainForm::SupOff_Click()
{
    beginEdit();
    if (!SettingPage) CurrentModem.CAvoid = static_cast<int16_t>(CurrentModem.CAvoid & 1);
    SupEndToEnd->setEnabled(true);
    SupRSSI->setEnabled(true);
    endEdit();
}

void MainForm::SupCA_MouseDown()
{
    // Unticking the boxes runs their handlers inside this one edit, so a refusal
    // restores what was shown before the press.
    beginEdit();
    SupEndToEnd->setEnabled(false);
    SupRSSI->setEnabled(false);
    SupEndToEnd->setChecked(false);
    SupRSSI->setChecked(false);
    CurrentModem.CAvoid = static_cast<int16_t>((CurrentModem.CAvoid & 1) | 6);
    endEdit();
    // Chosen here: a modal window that opens before the button is released never
    // lets the release reach the option.
    if ((CurrentModem.CAvoid & 0xFE) == 6) {
        choosingCA_ = true;
        SupCA->setChecked(true);
        choosingCA_ = false;
    }
    // The unit function dialog opens once the press has been handled.
    QMetaObject::invokeMethod(
        this,
        [this] {
            SupCA->setDown(false);
            MasRemSelForm().ShowModal();
        },
        Qt::QueuedConnection);
}

void MainForm::SupEndToEnd_Click()
{
    beginEdit();
    if (!SettingPage) CurrentModem.CAvoid = static_cast<int16_t>((CurrentModem.CAvoid & 1) | supervisionCode());
    endEdit();
}

void MainForm::SupRSSI_MouseDown() { RssiMouseDown = true; }

void MainForm::SupRSSI_Click()
{
    beginEdit();
    if (!SettingPage) CurrentModem.CAvoid = static_cast<int16_t>((CurrentModem.CAvoid & 1) | supervisionCode());
    // Only a user's tick opens the dialog; a press that never became a click must
    // not make the display's tick look like one.
    if (SupRSSI->isChecked() && RssiMouseDown && !SettingPage) MasRemSelForm().ShowModal();
    RssiMouseDown = false;
    endEdit();
}

void MainForm::WriteTxOn_Click()
{
    CurrentModem.WriteTxPwr = true;
    CurrentModem.TXRadio.WriteTxPwr = true;
    CurrentModem.RXRadio.WriteTxPwr = true;
    BackColor::Set(WriteTxOn, BackColor::Red);
    DoEnableWriteTxFrame(true);
}

void MainForm::WriteTxOff_Click()
{
    CurrentModem.WriteTxPwr = false;
    CurrentModem.TXRadio.WriteTxPwr = false;
    CurrentModem.RXRadio.WriteTxPwr = false;
    BackColor::Set(WriteTxOn, BackColor::ButtonFace);
    DoEnableWriteTxFrame(false);
}
