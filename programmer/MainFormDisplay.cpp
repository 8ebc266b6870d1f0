// Showing the configuration and switching the editors on and off.
#include "MainForm.h"

#include "DataControl.h"
#include "DisplayFormat.h"
#include "ModemQueries.h"
#include "NumericBox.h"
#include "RuntimeError.h"
#include "VbNumbers.h"
#include "VellModem.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

namespace {

void enable(bool on, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* w : widgets) w->setEnabled(on);
}

}  // namespace

void MainForm::SetDisplay()
{
    if (!VellModem1->Working()) {
        DisableScreen();
        return;
    }
    SettingPage = true;
    EnableScreen();
    AutoRSSI->setEnabled(!FromFile && CurrentModem.WriteTxPwr);

    const ModemSetting& m = CurrentModem;
    const int16_t t = m.ModemType;
    ModemData->RecordSource = ModemQueries::ModemRecord(t);
    try {
        ModemData->Refresh();
        if (ModemData->HasRecords()) ModemData->MoveFirst();
    } catch (const RuntimeError& error) {
        ShowError(error);
    }
    refreshBoundLabels();

    StatusBar1[1]->setText(QStringLiteral("Build Type: ") + QString::number(t));
    StatusBar1[2]->setText(QStringLiteral("Serial Number: ") + m.SerialNo);
    StatusBar1[3]->setText(QStringLiteral("Modem Firmware Rev.: ") + m.Firmware);
    if (m.ExtRF) {
        StatusBar1[4]->setText(QStringLiteral("TX Radio Firmware Rev.: ") + m.TXRadio.Firmware);
        StatusBar1[5]->setText(m.HDX ? QString() : QStringLiteral("RX Radio Firmware Rev.: ") + m.RXRadio.Firmware);
    } else {
        StatusBar1[4]->setText(QString());
        StatusBar1[5]->setText(QString());
    }

    const QString rate = m.BaudRate9600 ? QStringLiteral("9600") : QStringLiteral("4800");
    TXRadioType->setText(QStringLiteral("TX Radio Type: ") + QString::number(m.TXRadio.RadioType));
    TXSerial->setText(m.TXRadio.SerialNo);
    if (m.HDX) {
        DXLabel->setText(QStringLiteral("Modem is ") + rate + QStringLiteral(" Half Duplex"));
        RXRadioTYpe->setText(QStringLiteral("RX Radio Type: None"));
        RXSerial->setText(QStringLiteral("------"));
    } else {
        DXLabel->setText(QStringLiteral("Modem is ") + rate + QStringLiteral(" Full Duplex"));
        RXRadioTYpe->setText(QStringLiteral("RX Radio Type: ") + QString::number(m.RXRadio.RadioType));
        RXSerial->setText(m.RXRadio.SerialNo);
    }
    DiagLabel->setText(m.DiagEnable ? QStringLiteral("Diagnostics Installed") : QStringLiteral("Diagnostics Not Installed"));

    TransFreq->setText(DisplayFormat::Frequency(m.TXRadio.TXFreq));
    RXFreq->setText(DisplayFormat::Frequency(m.RXRadio.RXFreq));
    TXDelay->setText(QString::number(m.TXRadio.TXDelay));

    SIDOFF->setChecked(!m.SIDCode);
    SIDON->setChecked(m.SIDCode);
    SIDEdit->setEnabled(m.SIDCode);
    // The stream code switch goes with the write-protected diagnostics: a write
    // would leave the modem's own value, so the window shows that one.
    SIDON->setEnabled(m.DiagsEditable);
    SIDOFF->setEnabled(m.DiagsEditable);
    WriteTxOn->setChecked(m.WriteTxPwr);
    WriteTxOff->setChecked(!m.WriteTxPwr);
    PTTTime->setText(QString::number(m.PTTTimeout));
    RSSI->setText(QString::number(m.RSSI));

    if (m.ExtRF) {
        enable(true, {Reciever, Label24, Label23});
        const bool trim = !m.HDX && m.RXRadio.CanFreqTrim;
        enable(trim, {RXFreqAdjust, Label25});
        RXFreq->setEnabled(true);
    } else {
        enable(false, {Reciever, Label25, Label24, Label23, RXFreqAdjust, RXFreq});
    }
    enable(m.TXRadio.CanFreqTrim, {TXFreqAdjust, Label6});
    TXFreqAdjust->setText(m.TXRadio.TrimAdjustable ? QStringLiteral("Adjust") : QStringLiteral("View"));
    RXFreqAdjust->setText(m.RXRadio.TrimAdjustable ? QStringLiteral("Adjust") : QStringLiteral("View"));

    if (m.PTTControl == 0) CPTTData->setChecked(true);
    else if (m.PTTControl == 2) CPTTRTS->setChecked(true);

    // The option first, then the boxes, so that their handlers leave CAvoid as shown.
    switch (m.CAvoid & 0xFE) {
    case 0: SupOff->setChecked(true), SupEndToEnd->setChecked(false), SupRSSI->setChecked(false); break;
    case 2: SupOff->setChecked(true), SupEndToEnd->setChecked(false), SupRSSI->setChecked(true); break;
    case 4: SupOff->setChecked(true), SupEndToEnd->setChecked(true), SupRSSI->setChecked(true); break;
    case 6:
        SupCA->setChecked(true);
        enable(false, {SupEndToEnd, SupRSSI});
        SupEndToEnd->setChecked(false);
        SupRSSI->setChecked(false);
        break;
    case 8: SupOff->setChecked(true), SupEndToEnd->setChecked(true), SupRSSI->setChecked(false); break;
    default: break;
    }

    AHandNone->setEnabled(vb::Val(m.Firmware) > 2.3);
    for (auto [hand, xon, none, hard] : {std::tuple{m.PortA.HandShake, AHandXON, AHandNone, AHandHard},
                                         std::tuple{m.PortB.HandShake, BHandXON, BHandNone, BHandHard}}) {
        if (hand == 1) none->setChecked(true);
        else if (hand == 2) hard->setChecked(true);
        else if (hand == 0) xon->setChecked(true);
    }

    for (QRadioButton* custom : {ACharCustom, APackCustom, BCharCustom, BPackCustom}) custom->setChecked(true);
    try {
        showDefaultFormats();
        showPacketPresets();
    } catch (const RuntimeError& error) {
        failDisplay(error);
        return;
    }

    if (CurrentModem.PortBEnabled) {
        EnablePortB->setChecked(true);
        DoEnablePortBFrame(true);
    } else {
        DoEnablePortBFrame(false);
        EnablePortB->setChecked(false);
    }
    SettingPage = false;
}

void MainForm::failDisplay(const RuntimeError& error)
{
    // The configuration cannot be shown against its Modem row: nothing may act on
    // it until a Read or an Open shows one.
    SettingPage = false;
    ShowError(error);
    VellModem1->setWorking(false);
    configurationRejected_ = true;
    DisableScreen();
}

void MainForm::showDefaultFormats()
{
    if (!ModemData->HasRecords()) return;
    struct Test {
        bool portB;
        int format;
        QRadioButton* option;
    };
    for (const Test& test : {Test{false, 1, ACharDef1}, Test{false, 2, ACharDef2}, Test{true, 1, BCharDef1},
                             Test{true, 2, BCharDef2}}) {
        const PortSetting& p = port(test.portB);
        auto column = [&](const char* name) { return charFormatField(test.portB, name, test.format); };
        if (p.StopBit != column("Stop") || p.CommSpeed != column("Speed") || p.DataBit != column("Data") ||
            p.Parity != column("Parity"))
            continue;
        test.option->setChecked(true);
        CharDef_Click(test.portB, test.format);
    }
}

void MainForm::showPacketPresets()
{
    for (bool portB : {false, true}) {
        PortSetting& p = port(portB);
        p.Packet = matchingPacket(p);
        if (!ModemData->HasRecords()) continue;
        if (p.Packet == packetPresetField(portB, 1)) (portB ? BPackDef1 : APackDef1)->setChecked(true);
        if (p.Packet == packetPresetField(portB, 2))
            (portB ? BPackDef2 : APackDef2)->setChecked(true);
    }
}

void MainForm::refreshBoundLabels()
{
    const std::pair<QLabel*, const char*> bound[] = {
        {ADefLabel1, "ACommDefText1"},     {ADefLabel2, "ACommDefText2"},     {BDefLabel1, "BCommDefText1"},
        {BDefLabel2, "BCommDefText2"},     {APackDefLabel1, "APackDefText1"}, {APackDefLabel2, "APackDefText2"},
        {BPackDefLabel1, "BPackDefText1"}, {BPackDefLabel2, "BPackDefText2"},
    };
    const bool current = ModemData->HasRecords() && !ModemData->Eof();
    for (const auto& [label, field] : bound)
        label->setText(current ? ModemData->Field(QString::fromLatin1(field)).toString() : QString());
}

void MainForm::DisableScreen()
{
    const bool off = false;
    DoEnablePortBFrame(off);
    DoEnablePortAFrame(off);
    EnablePortB->setEnabled(off);
    DoEnableToolBar(off);
    DoEnableRadioFrame(off);
    DoEnableModemFrame(off);
}

void MainForm::EnableScreen()
{
    const bool on = true;
    DoEnablePortBFrame(on);
    DoEnablePortAFrame(on);
    EnablePortB->setEnabled(on);
    DoEnableToolBar(on);
    DoEnableRadioFrame(on);
    DoEnableModemFrame(on);
}

void MainForm::DoEnableToolBar(const bool& Enable)
{
    for (const char* key : {"TWizard", "TPrint", "TSave", "TWRadio"})
        Toolbar1->findChild<QAction*>(QString::fromLatin1(key))->setEnabled(Enable);
}

void MainForm::DoEnableWriteTxFrame(const bool& Enable)
{
    enable(Enable, {Label1, Label28, Label10, Label7, RSSI, PowAdjust});
    AutoRSSI->setEnabled(Enable && !FromFile);
}

void MainForm::DoEnablePortBFrame(const bool& Enable)
{
    enable(Enable, {BDefLabel1, BCharDef1, BDefLabel2, BCharDef2, BCharCustom});
    BChangeChar->setEnabled(Enable && BCharCustom->isChecked());
    enable(Enable, {BPackDefLabel1, BPackDef1, BPackDefLabel2, BPackDef2, BPackCustom});
    BChangePack->setEnabled(Enable && BPackCustom->isChecked());
    enable(Enable, {BHandXON, BHandNone, Label8, Label9, Label13});
    update();
}

void MainForm::DoEnableRadioFrame(const bool& Enable)
{
    enable(Enable, {TransFrame, Label17, Label16, Label6, TXFreqAdjust, TransFreq, Reciever, Label25, Label24,
                    Label23, RXFreqAdjust, RXFreq, Label1, Label28, Label, Label19, Label10, Label18, Label20, Label7,
                    WriteTxOn, WriteTxOff, RSSI, PTTTime, TXDelay, PowAdjust, AutoRSSI});
    DoEnableWriteTxFrame(Enable && WriteTxOn->isChecked());
}

void MainForm::DoEnablePortAFrame(const bool& Enable)
{
    enable(Enable, {ADefLabel1, ACharDef1, ADefLabel2, ACharDef2, ACharCustom, APackDefLabel1, APackDef1,
                    APackDefLabel2, APackDef2, APackCustom, AChangePack, AHandXON, AHandHard, AHandNone, Label2,
                    Label4, Label5});
    update();
}

void MainForm::DoEnableModemFrame(const bool& Enable)
{
    enable(Enable, {Frame22, Label27, SIDON, SIDOFF, SIDEdit, Frame20, SupOff, SupEndToEnd, SupCA, SupRSSI, Frame19,
                    CPTTData, CPTTRTS, DXLabel, RXRadioTYpe, TXRadioType, RXSerial, TXSerial, DiagLabel});
    if (Enable) return;
    DXLabel->setText(QStringLiteral("Modem is Half Duplex"));
    DiagLabel->setText(QStringLiteral("Diagnostic Disabled"));
    TXRadioType->setText(QStringLiteral("TX Radio Type: None"));
    RXRadioTYpe->setText(QStringLiteral("RX Radio Type: None"));
    TXSerial->setText(QStringLiteral("------"));
    RXSerial->setText(QStringLiteral("------"));
}
