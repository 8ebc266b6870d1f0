#include "PortSetting.h"

namespace {

struct CodeText {
    int code;
    const char* text;
};

template <std::size_t N>
QString textOf(const CodeText (&table)[N], int code)
{
    for (const CodeText& entry : table) {
        if (entry.code == code)
            return QString::fromLatin1(entry.text);
    }
    return QString();
}

constexpr CodeText rateTexts[] = {
    {1, "1200"}, {2, "2400"}, {3, "4800"}, {4, "9600"},
    {5, "19200"}, {6, "110"}, {7, "300"}, {8, "600"},
};

constexpr CodeText parityTexts[] = {{0, ",N"}, {1, ",O"}, {2, ",E"}};

constexpr CodeText handShakeTexts[] = {{0, "XON/XOFF"}, {1, "None"}, {2, "Hardware"}};

constexpr CodeText sidTypeTexts[] = {
    {0, "User Port"}, {1, "Translate Streams"}, {2, "Trunk Streams"}, {3, "Repeat Streams"},
};

}  // namespace

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
    return textOf(rateTexts, CommSpeed) + textOf(parityTexts, Parity) + u',' + QString::number(DataBit)
        + u',' + QString::number(StopBit);
}

QString PortSetting::FormatHand() const
{
    return textOf(handShakeTexts, HandShake);
}

QString PortSetting::FormatSIDType() const
{
    return textOf(sidTypeTexts, SIDType);
}
