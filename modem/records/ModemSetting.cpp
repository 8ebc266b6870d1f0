#include "ModemSetting.h"

void ModemSetting::ClearAll()
{
    ModemType = 0;
    Firmware = QString();
    SerialNo = QStringLiteral("000000");
    TXRadio.ClearAll();
    RXRadio.ClearAll();
    RSSI = 0;
    PTTControl = 0;
    PTTTimeout = 0;
    NoOfSlot = 0;
}

// Both directions copy the same list of members.
void ModemSetting::BackupTo(ModemSetting& Back) const
{
    Back.RestoreFrom(*this);
}

void ModemSetting::RestoreFrom(const ModemSetting& Back)
{
    ModemType = Back.ModemType;
    ModemID = Back.ModemID;
    Firmware = Back.Firmware;
    SerialNo = Back.SerialNo;
    PTTTimeout = Back.PTTTimeout;
    DiagSID1 = Back.DiagSID1;
    DiagSID2 = Back.DiagSID2;
    NoOfSlot = Back.NoOfSlot;
    TimePerSlot = Back.TimePerSlot;
    TryBeforeTX = Back.TryBeforeTX;
    DiagRepeat = Back.DiagRepeat;
    RSSI = Back.RSSI;
    TXRadio.RestoreFrom(Back.TXRadio);
    RXRadio.RestoreFrom(Back.RXRadio);
    PortA.RestoreFrom(Back.PortA);
    PortB.RestoreFrom(Back.PortB);
    PortBEnabled = Back.PortBEnabled;
    SIDCode = Back.SIDCode;
    PTTControl = Back.PTTControl;
    StreamCod = Back.StreamCod;
    CAvoid = Back.CAvoid;
    HDX = Back.HDX;
}

QString ModemSetting::FormatSupFunc() const
{
    struct FunctionText {
        int function;
        const char* text;
    };
    static constexpr FunctionText functionTexts[] = {
        {0, "None"},
        {2, "RSSI Collision Avoidance"},
        {4, "End To End with RSSI Coll. Avoidance"},
        {8, "End To End"},
    };

    const int function = CAvoid & 0xFFFE;
    QString text = QStringLiteral("Collision Avoidance");
    for (const FunctionText& entry : functionTexts) {
        if (entry.function == function)
            text = QString::fromLatin1(entry.text);
    }
    if (text == u"None")
        return text;
    // Bit 0 tells a remote unit from the master.
    return text + ((CAvoid & 1) ? QStringLiteral(" Remote") : QStringLiteral(" Master"));
}
