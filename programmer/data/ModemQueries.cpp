#include "ModemQueries.h"

#include "PortSetting.h"

namespace {

// The engine's Boolean words.
QString word(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

}  // namespace

QString ModemQueries::ModemRecord(int16_t modemType)
{
    const QString t = QString::number(modemType);
    return QStringLiteral("Select * from modem where TypeNolower<=") + t + QStringLiteral(" and typenoupper>=") + t;
}

QString ModemQueries::PacketById(int16_t packetId)
{
    return QStringLiteral("Select * from packet where PacketID=") + QString::number(packetId);
}

QString ModemQueries::MatchingPacket(const PortSetting& port)
{
    return QStringLiteral("Select * from packet where EOMChar=") + QString::number(port.EOMChar) +
           QStringLiteral(" and ISEOMEnable=") + word(port.EOMEnable) + QStringLiteral("  and ISLive=") +
           word(port.ISLive) + QStringLiteral(" and  slip=") + word(port.ISSlip) +
           QStringLiteral("  and Inputtimer=") + QString::number(port.CharTimer) +
           QStringLiteral("  and maxframe=") + QString::number(port.MaxFrame);
}
