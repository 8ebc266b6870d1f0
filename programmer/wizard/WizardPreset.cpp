#include "WizardPreset.h"

#include "Database.h"
#include "DatabaseError.h"
#include "FieldValue.h"
#include "ModemSetting.h"

namespace {

using namespace FieldValue;

// The 15 columns of one port, named after the port ("PortA" or "PortB").
PortSetting portOf(const Recordset& rs, const QString& port)
{
    auto field = [&](const char* name) { return rs.Field(port + QLatin1String(name)); };
    PortSetting p;
    p.CommSpeed = ToInt16(field("Speed"));
    p.DataBit = ToInt16(field("DataBit"));
    p.StopBit = ToInt16(field("StopBit"));
    p.Parity = ToInt16(field("Parity"));
    p.Packet = ToInt16(field("Packet"));
    p.HandShake = ToInt16(field("Hand"));
    p.EOMChar = ToInt32(field("EOMChar"));
    p.MaxFrame = ToInt32(field("MaxFrame"));
    p.CharTimer = ToInt32(field("CharTimer"));
    p.SID1 = ToInt32(field("SID1"));
    p.SID2 = ToInt32(field("SID2"));
    p.SIDType = ToInt16(field("SIDType"));
    p.ISLive = ToBoolean(field("ISLive"));
    p.EOMEnable = ToBoolean(field("EOMEnable"));
    p.ISSlip = ToBoolean(field("ISSLip"));
    return p;
}

}  // namespace

WizardPreset WizardPreset::Read(Database& db, int16_t setId)
{
    Recordset rs = db.OpenRecordset(QStringLiteral("select * from WizardSetting where SetID=") + QString::number(setId));
    if (rs.Eof()) throw DatabaseError::noCurrentRecord();
    auto field = [&](const char* name) { return rs.Field(QString::fromLatin1(name)); };
    WizardPreset preset;
    preset.PortA = portOf(rs, QStringLiteral("PortA"));
    preset.PortB = portOf(rs, QStringLiteral("PortB"));
    preset.PortBEnabled = ToBoolean(field("PortBEnabled"));
    preset.TXDelay = ToInt32(field("TXDelay"));
    preset.PowerAlarm = ToInt32(field("PowerAlarm"));
    preset.PTTTimeout = ToInt32(field("PTTTimeout"));
    preset.PTTControl = ToInt32(field("PTTControl"));
    preset.CAvoid = ToInt16(field("CAvoid"));
    preset.SIDCode = ToBoolean(field("SIDCode"));
    preset.DiagSID1 = ToInt32(field("DiagSID1"));
    preset.DiagSID2 = ToInt32(field("DiagSID2"));
    preset.NoOfSlot = ToInt32(field("NoOfSlot"));
    preset.TimePerSlot = ToInt32(field("TimePerSlot"));
    preset.TryBeforeTX = ToBoolean(field("TryBeforeTX"));
    preset.DiagRepeat = ToBoolean(field("DiagRepeat"));
    preset.RSSI = ToInt32(field("RSSI"));
    return preset;
}

void WizardPreset::ApplyTo(ModemSetting& modem) const
{
    modem.PortA = PortA;
    modem.PortB = PortB;
    modem.PortBEnabled = PortBEnabled;
    modem.TXRadio.TXDelay = TXDelay;
    modem.TXRadio.PowerAlarm = PowerAlarm;
    modem.PTTTimeout = PTTTimeout;
    modem.PTTControl = PTTControl;
    modem.CAvoid = CAvoid;
    // Write-protected diagnostics, the stream code switch among them, are never
    // written: a preset's values there would be shown and saved while the modem
    // keeps its own.
    if (modem.DiagsEditable) {
        modem.SIDCode = SIDCode;
        modem.DiagSID1 = DiagSID1;
        modem.DiagSID2 = DiagSID2;
        modem.DiagRepeat = DiagRepeat;
    }
    modem.NoOfSlot = NoOfSlot;
    modem.TimePerSlot = TimePerSlot;
    modem.TryBeforeTX = TryBeforeTX;
    modem.RSSI = RSSI;
    // The choice is the user's to make again: the records keep no half of it.
    modem.WriteTxPwr = false;
    modem.TXRadio.WriteTxPwr = false;
    modem.RXRadio.WriteTxPwr = false;
}
