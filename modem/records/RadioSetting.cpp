#include "RadioSetting.h"

void RadioSetting::ClearAll()
{
    TXFreq = 0;
    RXFreq = 0;
    TXFreqTrim = -1;
    RXFreqTrim = -1;
    PowerHL = true;
    TXDelay = -1;
    PowerAlarm = 0;
    SerialNo = QStringLiteral("000000");
    RXMinSig = -1.0;
}

void RadioSetting::RestoreFrom(const RadioSetting& Back)
{
    RadioType = Back.RadioType;
    TXFreq = Back.TXFreq;
    RXFreq = Back.RXFreq;
    TXFreqTrim = Back.TXFreqTrim;
    RXFreqTrim = Back.RXFreqTrim;
    txpower = Back.txpower;
    PowerHL = Back.PowerHL;
    TXDelay = Back.TXDelay;
    PowerAlarm = Back.PowerAlarm;
    RXMinSig = Back.RXMinSig;
    SerialNo = Back.SerialNo;
}

// Both directions copy the same list of members.
void RadioSetting::BackupTo(RadioSetting& Back) const
{
    Back.RestoreFrom(*this);
}
