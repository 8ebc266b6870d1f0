#pragma once

#include <QString>
#include <cstdint>

class PortSetting;

// The query texts the main window runs against Modem.mdb, built in the C locale.
namespace ModemQueries {

inline const QString VersionTable = QStringLiteral("Version");
// The tables the queries below read, as their errors name them.
inline const QString ModemTable = QStringLiteral("Modem");
inline const QString PacketTable = QStringLiteral("packet");
inline const QString DefaultModem = QStringLiteral("Select * from Modem where modemID=0");

// The Modem row whose range of build types holds the type.
QString ModemRecord(int16_t modemType);
// The packet preset with the number.
QString PacketById(int16_t packetId);
// The packet presets whose six fields equal the port's.
QString MatchingPacket(const PortSetting& port);

}  // namespace ModemQueries
