#include "ModemDefaults.h"

#include "FieldValue.h"
#include "PortSetting.h"

namespace {

QString field(const char* name, int n) { return QString::fromLatin1(name).arg(n); }

QString vbBoolean(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

}  // namespace

ModemDefaults::ModemDefaults(const QString& path) : db_(Database::OpenDatabase(path)) {}

ModemDefaults::Row ModemDefaults::row(const Recordset& rs)
{
    using namespace FieldValue;
    auto int16 = [&](const QString& name) { return ToInt16(rs.Field(name)); };
    auto text = [&](const QString& name) { return ToText(rs.Field(name)); };
    auto format = [&](char port, int n) {
        const QString p = QString(QChar::fromLatin1(port)) + QStringLiteral("CommDef");
        return Format{int16(p + field("Speed%1", n)), int16(p + field("Data%1", n)), int16(p + field("Parity%1", n)),
                      int16(p + field("Stop%1", n)), text(p + field("Text%1", n))};
    };
    auto preset = [&](char port, int n) {
        const QString p = QString(QChar::fromLatin1(port)) + QStringLiteral("PackDef");
        return Preset{int16(p + field("Setting%1", n)), text(p + field("Text%1", n))};
    };

    Row r;
    r.ModemID = int16(QStringLiteral("modemID"));
    r.TypeNolower = int16(QStringLiteral("TypeNolower"));
    r.typenoupper = int16(QStringLiteral("typenoupper"));
    for (int i = 0; i < 2; ++i) {
        r.A[i] = format('A', i + 1);
        r.B[i] = format('B', i + 1);
        r.APack[i] = preset('A', i + 1);
        r.BPack[i] = preset('B', i + 1);
    }
    for (int i = 0; i < 5; ++i)
        r.Packets[i] = Preset{int16(field("Packet%1Setting", i + 1)), text(field("Packet%1", i + 1))};
    return r;
}

ModemDefaults::Packet ModemDefaults::packet(const Recordset& rs)
{
    using namespace FieldValue;
    return Packet{ToInt16(rs.Field(QStringLiteral("PacketID"))),    ToInt32(rs.Field(QStringLiteral("InputTimer"))),
                  ToInt32(rs.Field(QStringLiteral("EOMChar"))),     ToBoolean(rs.Field(QStringLiteral("ISEOMEnable"))),
                  ToBoolean(rs.Field(QStringLiteral("Slip"))),      ToBoolean(rs.Field(QStringLiteral("ISLive"))),
                  ToInt32(rs.Field(QStringLiteral("MaxFrame")))};
}

QList<ModemDefaults::Row> ModemDefaults::Rows()
{
    QList<Row> rows;
    for (Recordset rs = db_.OpenRecordset(QStringLiteral("Modem")); !rs.Eof(); rs.MoveNext()) rows << row(rs);
    return rows;
}

QList<ModemDefaults::Packet> ModemDefaults::Packets()
{
    QList<Packet> packets;
    for (Recordset rs = db_.OpenRecordset(QStringLiteral("packet")); !rs.Eof(); rs.MoveNext()) packets << packet(rs);
    return packets;
}

std::optional<ModemDefaults::Row> ModemDefaults::RowFor(int16_t type)
{
    const Recordset rs = db_.OpenRecordset(
        QStringLiteral("Select * from modem where TypeNolower<=%1 and typenoupper>=%1").arg(type));
    if (rs.Eof()) return std::nullopt;
    return row(rs);
}

std::optional<ModemDefaults::Packet> ModemDefaults::PacketFor(int16_t id)
{
    const Recordset rs = db_.OpenRecordset(QStringLiteral("Select * from packet where PacketID=%1").arg(id));
    if (rs.Eof()) return std::nullopt;
    return packet(rs);
}

QString ModemDefaults::MatchPacketQuery(const PortSetting& port)
{
    return QStringLiteral("Select * from packet where EOMChar=") + QString::number(port.EOMChar) +
           QStringLiteral(" and ISEOMEnable=") + vbBoolean(port.EOMEnable) + QStringLiteral("  and ISLive=") +
           vbBoolean(port.ISLive) + QStringLiteral(" and  slip=") + vbBoolean(port.ISSlip) +
           QStringLiteral("  and Inputtimer=") + QString::number(port.CharTimer) + QStringLiteral("  and maxframe=") +
           QString::number(port.MaxFrame);
}

int16_t ModemDefaults::MatchPacket(const PortSetting& port)
{
    const Recordset rs = db_.OpenRecordset(MatchPacketQuery(port));
    return rs.Eof() ? int16_t(0) : FieldValue::ToInt16(rs.Field(QStringLiteral("PacketID")));
}

void ModemDefaults::Apply(const Format& format, PortSetting& port)
{
    port.CommSpeed = format.CommSpeed;
    port.DataBit = format.DataBit;
    port.Parity = format.Parity;
    port.StopBit = format.StopBit;
}

void ModemDefaults::Apply(const Packet& packet, PortSetting& port)
{
    port.Packet = packet.PacketID;
    port.CharTimer = packet.InputTimer;
    port.EOMChar = packet.EOMChar;
    port.EOMEnable = packet.ISEOMEnable;
    port.ISSlip = packet.Slip;
    port.ISLive = packet.ISLive;
    port.MaxFrame = packet.MaxFrame;
}
