#pragma once

#include "Database.h"

#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class PortSetting;

// The modem models' defaults and the packet presets of the modem database, read
// and looked up with the query texts the programmer uses.
class ModemDefaults {
public:
    // A default character format of one port.
    struct Format {
        int16_t CommSpeed{}, DataBit{}, Parity{}, StopBit{};
        QString Text;
    };
    // A packet preset offered by a model: its PacketID and caption.
    struct Preset {
        int16_t PacketID{};
        QString Text;
    };
    // One row of table Modem.
    struct Row {
        int16_t ModemID{}, TypeNolower{}, typenoupper{};
        std::array<Format, 2> A, B;
        std::array<Preset, 2> APack, BPack;
        // The packet dialog's five presets.
        std::array<Preset, 5> Packets;
    };
    // One row of table packet.
    struct Packet {
        int16_t PacketID{};
        int32_t InputTimer{}, EOMChar{};
        bool ISEOMEnable{}, Slip{}, ISLive{};
        int32_t MaxFrame{};
    };

    explicit ModemDefaults(const QString& path);

    QList<Row> Rows();
    QList<Packet> Packets();
    // The row the main window shows for a modem type: the first its query gives.
    std::optional<Row> RowFor(int16_t type);
    std::optional<Packet> PacketFor(int16_t id);
    // The PacketID of the first preset whose six fields equal the port's, 0 for none.
    int16_t MatchPacket(const PortSetting& port);
    // The programmer's query text for the port's packet fields.
    static QString MatchPacketQuery(const PortSetting& port);

    // What choosing a default does to a port.
    static void Apply(const Format& format, PortSetting& port);
    static void Apply(const Packet& packet, PortSetting& port);

    Database& Db() { return db_; }

private:
    static Row row(const Recordset& rs);
    static Packet packet(const Recordset& rs);

    Database db_;
};
