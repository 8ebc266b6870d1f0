// The model defaults and packet presets of the built modem database, as the
// programmer looks them up.
#include "FieldValue.h"
#include "ModemDefaults.h"
#include "PortSetting.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

using Format = ModemDefaults::Format;
using Packet = ModemDefaults::Packet;
using Preset = ModemDefaults::Preset;
using Row = ModemDefaults::Row;

// The build types the control accepts: 0 (types taken from the radios), the built-in
// radios 6 and 7, and the external radios 10 to 69.
bool accepted(int type) { return type == 0 || type == 6 || type == 7 || (type >= 10 && type <= 69); }

std::string describe(const Row& row) { return "modemID " + std::to_string(row.ModemID); }

class ModemTablesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rows = tables.Rows();
        packets = tables.Packets();
        ASSERT_FALSE(rows.isEmpty());
        ASSERT_FALSE(packets.isEmpty());
    }

    ModemDefaults tables{QStringLiteral(MODEM_DATABASE_PATH)};
    QList<Row> rows;
    QList<Packet> packets;
};

TEST_F(ModemTablesTest, RowZeroIsTheDefaultModemAndServesTypeZero)
{
    Recordset rs = tables.Db().OpenRecordset(QStringLiteral("Select * from Modem where modemID=0"));
    ASSERT_FALSE(rs.Eof()) << "the main window starts on modemID 0";
    const std::optional<Row> zero = tables.RowFor(0);
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->ModemID, 0);
}

TEST_F(ModemTablesTest, EveryAcceptedTypeHasExactlyOneRow)
{
    QSet<int> ids;
    for (const Row& row : rows) {
        EXPECT_LE(row.TypeNolower, row.typenoupper) << describe(row);
        EXPECT_FALSE(ids.contains(row.ModemID)) << describe(row) << " twice";
        ids.insert(row.ModemID);
    }
    for (int type = 0; type <= 255; ++type) {
        int holders = 0;
        for (const Row& row : rows) holders += row.TypeNolower <= type && type <= row.typenoupper;
        EXPECT_LE(holders, 1) << "type " << type << " is in " << holders << " rows";
        if (!accepted(type)) continue;
        EXPECT_EQ(holders, 1) << "type " << type;
        const std::optional<Row> shown = tables.RowFor(int16_t(type));
        ASSERT_TRUE(shown) << "type " << type;
        EXPECT_LE(shown->TypeNolower, type);
        EXPECT_GE(shown->typenoupper, type);
    }
}

// A caption is the format as the configuration sheet prints it, so the two can
// never disagree; 19200 is never a default (port B refuses it, port A while port B is on).
TEST_F(ModemTablesTest, CharacterFormatsAreValidCodesCaptionedByTheirText)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(describe(row));
        const struct {
            const char* name;
            const std::array<Format, 2>& formats;
        } ports[] = {{"port A", row.A}, {"port B", row.B}};
        for (const auto& p : ports) {
            SCOPED_TRACE(p.name);
            for (const Format& f : p.formats) {
                EXPECT_GE(f.CommSpeed, 1);
                EXPECT_LE(f.CommSpeed, 8);
                EXPECT_NE(f.CommSpeed, 5) << "19200";
                EXPECT_TRUE(f.DataBit == 7 || f.DataBit == 8) << f.DataBit;
                EXPECT_TRUE(f.Parity >= 0 && f.Parity <= 2) << f.Parity;
                EXPECT_TRUE(f.StopBit == 1 || f.StopBit == 2) << f.StopBit;
                PortSetting port;
                ModemDefaults::Apply(f, port);
                EXPECT_EQ(f.Text, port.FormatLayer());
            }
            EXPECT_NE(p.formats[0].Text, p.formats[1].Text) << "two defaults of a port are the same";
        }
    }
}

TEST_F(ModemTablesTest, EveryPresetIsAStoredPacketWithOneCaption)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(describe(row));
        QSet<int> dialog;
        QMap<int, QString> captions;
        for (const Preset& p : row.Packets) {
            EXPECT_NE(p.PacketID, 0);
            EXPECT_FALSE(p.Text.isEmpty());
            EXPECT_FALSE(dialog.contains(p.PacketID)) << "PacketID " << p.PacketID << " twice in the dialog";
            dialog.insert(p.PacketID);
            captions.insert(p.PacketID, p.Text);
        }
        for (const auto& pair : {row.APack, row.BPack}) {
            EXPECT_NE(pair[0].PacketID, pair[1].PacketID);
            for (const Preset& p : pair) {
                EXPECT_NE(p.PacketID, 0);
                EXPECT_FALSE(p.Text.isEmpty());
                // The same preset shows the same name on the main window and in the dialog.
                if (captions.contains(p.PacketID)) {
                    EXPECT_EQ(p.Text, captions[p.PacketID]) << p.PacketID;
                }
            }
        }
        // A preset may meet a port with XON/XOFF flow control, which SLIP is refused with.
        auto offerable = [&](int16_t id) {
            const std::optional<Packet> packet = tables.PacketFor(id);
            EXPECT_TRUE(packet) << "no packet row " << id;
            if (packet) {
                EXPECT_FALSE(packet->Slip) << "SLIP preset " << id;
            }
        };
        for (const Preset& p : row.Packets) offerable(p.PacketID);
        for (const auto& pair : {row.APack, row.BPack})
            for (const Preset& p : pair) offerable(p.PacketID);
    }
}

// A row must come back from the modem as it was written: one byte per number, and
// a SLIP row as the modem keeps a SLIP port (none of the numbers, never live).
TEST_F(ModemTablesTest, PacketRowsDifferPairwiseAndFitTheModem)
{
    auto fields = [](const Packet& p) {
        return std::tuple(p.InputTimer, p.EOMChar, p.ISEOMEnable, p.Slip, p.ISLive, p.MaxFrame);
    };
    for (qsizetype i = 0; i < packets.size(); ++i) {
        const Packet& p = packets[i];
        SCOPED_TRACE(testing::Message() << "PacketID " << p.PacketID);
        EXPECT_NE(p.PacketID, 0) << "0 stands for a port's own values";
        for (int32_t byte : {p.InputTimer, p.EOMChar, p.MaxFrame}) {
            EXPECT_GE(byte, 0);
            EXPECT_LE(byte, 255);
        }
        if (p.Slip) {
            EXPECT_EQ(std::tuple(p.InputTimer, p.EOMChar, p.MaxFrame), std::tuple(0, 0, 0));
            EXPECT_FALSE(p.ISLive);
        }
        for (qsizetype j = i + 1; j < packets.size(); ++j) {
            EXPECT_NE(p.PacketID, packets[j].PacketID);
            EXPECT_NE(fields(p), fields(packets[j])) << "same fields as PacketID " << packets[j].PacketID;
        }
    }
}

// The lookup writes Booleans as the words True and False, which SQLite compares
// equal only to the integers 1 and 0.
TEST_F(ModemTablesTest, BooleansAreStoredAsOneAndZero)
{
    Recordset rs = tables.Db().OpenRecordset(QStringLiteral(
        "select PacketID, typeof(ISEOMEnable) || typeof(Slip) || typeof(ISLive) as kinds, "
        "ISEOMEnable in (0, 1) and Slip in (0, 1) and ISLive in (0, 1) as bits from packet"));
    ASSERT_FALSE(rs.Eof());
    for (; !rs.Eof(); rs.MoveNext()) {
        SCOPED_TRACE(FieldValue::ToText(rs.Field(QStringLiteral("PacketID"))).toStdString());
        EXPECT_EQ(FieldValue::ToText(rs.Field(QStringLiteral("kinds"))), QStringLiteral("integerintegerinteger"));
        EXPECT_TRUE(FieldValue::ToBoolean(rs.Field(QStringLiteral("bits"))));
    }
}

TEST_F(ModemTablesTest, TheLookupTextFindsEveryPresetAndOnlyThose)
{
    // The text exactly as the programmer builds it, blanks included.
    PortSetting crEnds;
    crEnds.EOMChar = 13;
    crEnds.EOMEnable = true;
    crEnds.CharTimer = 10;
    crEnds.MaxFrame = 255;
    const QString text = QStringLiteral(
        "Select * from packet where EOMChar=13 and ISEOMEnable=True  and ISLive=False and  slip=False  and "
        "Inputtimer=10  and maxframe=255");
    ASSERT_EQ(ModemDefaults::MatchPacketQuery(crEnds), text);
    Recordset rs = tables.Db().OpenRecordset(text);
    ASSERT_FALSE(rs.Eof()) << "True does not find a stored 1";
    EXPECT_EQ(FieldValue::ToInt16(rs.Field(QStringLiteral("PacketID"))), 2);
    EXPECT_TRUE(FieldValue::ToBoolean(rs.Field(QStringLiteral("ISEOMEnable"))));

    // Every preset is found by its own fields, and a port with one field changed finds
    // the preset that has the changed fields, or none.
    auto expected = [&](const PortSetting& s) -> int16_t {
        for (const Packet& p : packets)
            if (p.InputTimer == s.CharTimer && p.EOMChar == s.EOMChar && p.ISEOMEnable == s.EOMEnable &&
                p.Slip == s.ISSlip && p.ISLive == s.ISLive && p.MaxFrame == s.MaxFrame)
                return p.PacketID;
        return 0;
    };
    const struct {
        const char* name;
        void (*change)(PortSetting&);
    } changes[] = {
        {"timer", [](PortSetting& s) { s.CharTimer = (s.CharTimer + 1) % 256; }},
        {"EOM character", [](PortSetting& s) { s.EOMChar = (s.EOMChar + 1) % 256; }},
        {"EOM enable", [](PortSetting& s) { s.EOMEnable = !s.EOMEnable; }},
        {"SLIP", [](PortSetting& s) { s.ISSlip = !s.ISSlip; }},
        {"live", [](PortSetting& s) { s.ISLive = !s.ISLive; }},
        {"frame", [](PortSetting& s) { s.MaxFrame = (s.MaxFrame + 1) % 256; }},
    };
    for (const Packet& p : packets) {
        PortSetting port;
        ModemDefaults::Apply(p, port);
        EXPECT_EQ(tables.MatchPacket(port), p.PacketID) << ModemDefaults::MatchPacketQuery(port).toStdString();
        for (const auto& c : changes) {
            PortSetting other = port;
            c.change(other);
            EXPECT_EQ(tables.MatchPacket(other), expected(other))
                << "PacketID " << p.PacketID << ", " << c.name << ": "
                << ModemDefaults::MatchPacketQuery(other).toStdString();
        }
    }
}

}  // namespace
