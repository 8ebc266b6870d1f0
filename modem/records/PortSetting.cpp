#include "PortSetting.h"

#include "CodeTables.h"

using CodeTables::TextOf;

// Both directions copy the same list of members.
void PortSetting::BackupTo(PortSetting& Back) const
{
    Back.RestoreFrom(*this);
}

void PortSetting::RestoreFrom(const PortSetting& Back)
{
    CommSpeed = Back.CommSpeed;
    Parity = Back.Parity;
    DataBit = Back.DataBit;
    StopBit = Back.StopBit;
    Packet = Back.Packet;
    HandShake = Back.HandShake;
    CharTimer = Back.CharTimer;
    MaxFrame = Back.MaxFrame;
    EOMChar = Back.EOMChar;
    SID1 = Back.SID1;
    SID2 = Back.SID2;
    SIDType = Back.SIDType;
    ISLive = Back.ISLive;
    EOMEnable = Back.EOMEnable;
    ISSlip = Back.ISSlip;
}

QString PortSetting::FormatLayer() const
{
    return TextOf(CodeTables::CommSpeeds, CommSpeed) + TextOf(CodeTables::Parities, Parity) + u',' + QString::number(DataBit)
        + u',' + QString::number(StopBit);
}

QString PortSetting::FormatHand() const
{
    return TextOf(CodeTables::HandShakes, HandShake);
}

QString PortSetting::FormatSIDType() const
{
    return TextOf(CodeTables::SIDTypes, SIDType);
}
