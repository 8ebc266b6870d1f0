// The ports' presets, custom choices and handshakes, and the packet presets.
#include "MainForm.h"

#include "DataControl.h"
#include "ModemQueries.h"
#include "RuntimeError.h"
#include "StartModule.h"
#include "VellModem.h"

#include <QPushButton>
#include <QRadioButton>

int16_t MainForm::charFormatField(bool portB, const char* name, int format) const
{
    const QString column = (portB ? QStringLiteral("BCommDef") : QStringLiteral("ACommDef")) + QLatin1String(name) +
                           QString::number(format);
    return ModemData->Row(ModemQueries::ModemTable).Int16(column);
}

int16_t MainForm::packetPresetField(bool portB, int preset) const
{
    const QString column = (portB ? QStringLiteral("BPackDefSetting") : QStringLiteral("APackDefSetting")) +
                           QString::number(preset);
    return ModemData->Row(ModemQueries::ModemTable).Int16(column);
}

bool MainForm::customAllowed(bool portB) const
{
    // Nothing to customise before a configuration is loaded; port B only while it is on.
    return VellModem1->Working() && (!portB || CurrentModem.PortBEnabled);
}

void MainForm::CharDef_Click(bool portB, int preset)
{
    Backup();
    (portB ? BChangeChar : AChangeChar)->setEnabled((portB ? BCharCustom : ACharCustom)->isChecked());
    try {
        auto column = [&](const char* name) { return charFormatField(portB, name, preset); };
        PortSetting& p = port(portB);
        p.CommSpeed = column("Speed");
        p.DataBit = column("Data");
        p.Parity = column("Parity");
        p.StopBit = column("Stop");
    } catch (const RuntimeError& error) {
        ShowError(error);
    }
    Validate();
}

void MainForm::CharCustom_Click(bool portB)
{
    if (!customAllowed(portB)) return;
    Backup();
    (portB ? BChangeChar : AChangeChar)->setEnabled((portB ? BCharCustom : ACharCustom)->isChecked());
    if (!SettingPage) ChangeChar_Click(portB);
    Validate();
}

void MainForm::PackDef_Click(bool portB, int preset)
{
    Backup();
    (portB ? BChangePack : AChangePack)->setEnabled((portB ? BPackCustom : APackCustom)->isChecked());
    try {
        PortSetting& p = port(portB);
        p.Packet = packetPresetField(portB, preset);
        SetPacket(p, p.Packet);
    } catch (const RuntimeError& error) {
        ShowError(error);
    }
    Validate();
}

void MainForm::PackCustom_Click(bool portB)
{
    if (!customAllowed(portB)) return;
    Backup();
    (portB ? BChangePack : AChangePack)->setEnabled((portB ? BPackCustom : APackCustom)->isChecked());
    if (!SettingPage) ChangePack_Click(portB);
    Validate();
}

void MainForm::Hand_Click(bool portB, int16_t handShake)
{
    Backup();
    port(portB).HandShake = handShake;
    Validate();
}

void MainForm::SetPacket(PortSetting& Port, int16_t& PacketID)
{
    if (PacketID == 0) return;
    PacketData->RecordSource = ModemQueries::PacketById(PacketID);
    PacketData->Refresh();
    if (!PacketData->HasRecords()) {
        MsgBox(QStringLiteral("An internal error has occured with in the program, contact ") + StartModule::ContactName,
               MsgButtons::OK);
        return;
    }
    // Read all six first, so a bad row leaves the port as it was.
    const CheckedRow row = PacketData->Row(ModemQueries::PacketTable);
    const int32_t charTimer = row.Int32(QStringLiteral("InputTimer"));
    const int32_t eomChar = row.Int32(QStringLiteral("EOMChar"));
    const bool eomEnable = row.Boolean(QStringLiteral("ISEOMEnable"));
    const bool slip = row.Boolean(QStringLiteral("Slip"));
    const bool live = row.Boolean(QStringLiteral("ISLive"));
    const int32_t maxFrame = row.Int32(QStringLiteral("MaxFrame"));
    Port.CharTimer = charTimer;
    Port.EOMChar = eomChar;
    Port.EOMEnable = eomEnable;
    Port.ISSlip = slip;
    Port.ISLive = live;
    Port.MaxFrame = maxFrame;
}

int16_t MainForm::MatchPacket(const PortSetting& Port)
{
    try {
        return matchingPacket(Port);
    } catch (const RuntimeError& error) {
        ShowError(error);
        return 0;
    }
}

int16_t MainForm::matchingPacket(const PortSetting& Port)
{
    PacketData->RecordSource = ModemQueries::MatchingPacket(Port);
    PacketData->Refresh();
    if (!PacketData->HasRecords()) return 0;
    PacketData->MoveFirst();
    return PacketData->Row(ModemQueries::PacketTable).Int16(QStringLiteral("PacketID"));
}
