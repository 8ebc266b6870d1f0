#pragma once

#include <QString>
#include <span>

// The codes of the records' coded members and the texts they show as. A code
// that is in no table is one the modem has no setting for.
namespace CodeTables {

struct CodeText {
    int code;
    const char* text;
};

inline constexpr CodeText CommSpeeds[] = {
    {1, "1200"}, {2, "2400"}, {3, "4800"}, {4, "9600"}, {5, "19200"}, {6, "110"}, {7, "300"}, {8, "600"},
};
// As the character layer writes it after the rate.
inline constexpr CodeText Parities[] = {{0, ",N"}, {1, ",O"}, {2, ",E"}};
inline constexpr CodeText DataBits[] = {{7, "7"}, {8, "8"}};
inline constexpr CodeText StopBits[] = {{1, "1"}, {2, "2"}};
inline constexpr CodeText HandShakes[] = {{0, "XON/XOFF"}, {1, "None"}, {2, "Hardware"}};
inline constexpr CodeText SIDTypes[] = {
    {0, "User Port"}, {1, "Translate Streams"}, {2, "Trunk Streams"}, {3, "Repeat Streams"},
};
inline constexpr CodeText PTTControls[] = {{0, "Auto PTT on Data"}, {2, "PTT From RTS"}};
// The supervision function (CAvoid without its remote bit 0).
inline constexpr CodeText SupervisionFunctions[] = {
    {0, "None"},
    {2, "RSSI Collision Avoidance"},
    {4, "End To End with RSSI Coll. Avoidance"},
    {6, "Collision Avoidance"},
    {8, "End To End"},
};

inline bool Contains(std::span<const CodeText> table, int code)
{
    for (const CodeText& entry : table)
        if (entry.code == code) return true;
    return false;
}

// The code's text; empty for a code outside the table.
inline QString TextOf(std::span<const CodeText> table, int code)
{
    for (const CodeText& entry : table)
        if (entry.code == code) return QString::fromLatin1(entry.text);
    return QString();
}

}  // namespace CodeTables
