// The defaults of the modem database applied to every simulated modem as it reads:
// the driver accepts every choice the main window offers, and every packet preset
// comes back from the modem as it was written.
#include "KarsidFixture.h"
#include "ModemDefaults.h"
#include "VbNumbers.h"

#include <QDir>
#include <QMap>
#include <vector>

namespace {

using Format = ModemDefaults::Format;
using Packet = ModemDefaults::Packet;
using Row = ModemDefaults::Row;

QStringList profileNames()
{
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(SIM_PROFILES_DIR)).entryList({"*.profile"}, QDir::Files, QDir::Name))
        names << file.chopped(8);
    return names;
}

QString describe(const ModemSetting& s)
{
    auto port = [](const PortSetting& p) {
        return QStringLiteral("%1 packet %2 (%3,%4,%5,%6,%7,%8) hand %9")
            .arg(p.FormatLayer())
            .arg(p.Packet)
            .arg(p.CharTimer)
            .arg(p.EOMChar)
            .arg(p.EOMEnable)
            .arg(p.ISSlip)
            .arg(p.ISLive)
            .arg(p.MaxFrame)
            .arg(p.HandShake);
    };
    return QStringLiteral("A %1; B %2").arg(port(s.PortA), port(s.PortB));
}

class ModemDefaultsTest : public KarsidFixture {
protected:
    void SetUp() override
    {
        profiles = profileNames();
        ASSERT_FALSE(profiles.isEmpty());
        packets = tables.Packets();
        ASSERT_FALSE(packets.isEmpty());
    }

    // Plays the profile and reads it as the control does: the built-in radios by
    // the modem's type, the external ones asked for theirs.
    ModemSetting Read(const QString& profile)
    {
        prompt.Clear();
        UseProfile(profile.toLatin1().constData());
        const int16_t type = commands.ReadModemType(port);
        const int16_t radio = type == 6 || type == 7 ? type : int16_t(0);
        Create(radio, radio);
        ModemSetting setting = ReadAll();
        EXPECT_EQ(setting.ModemType, type);
        return setting;
    }

    Row RowFor(int16_t type)
    {
        const std::optional<Row> row = tables.RowFor(type);
        EXPECT_TRUE(row) << "no Modem row for type " << type;
        return row.value_or(Row{});
    }

    // The verdict with messages on; the messages that were shown.
    QStringList Rejections(ModemSetting& setting)
    {
        prompt.Clear();
        bool display = true;
        const bool rejected = driver.QuerySetting(setting, display);
        QStringList texts = prompt.Texts();
        if (rejected && texts.isEmpty()) texts << QStringLiteral("rejected without a message");
        return texts;
    }

    ModemDefaults tables{QStringLiteral(MODEM_DATABASE_PATH)};
    QStringList profiles;
    QList<Packet> packets;
};

// Every character format, packet preset (main window and dialog) and handshake the
// main window lets the user choose, in every combination over both ports, on the
// model's own row and on the default row shown before a read.
TEST_F(ModemDefaultsTest, EveryChoiceOfDefaultsPassesOnEveryModem)
{
    for (const QString& profile : profiles) {
        SCOPED_TRACE(profile.toStdString());
        const ModemSetting read = Read(profile);
        ModemSetting unchanged = read;
        ASSERT_EQ(Rejections(unchanged), QStringList()) << "the modem as read is refused";

        // Port A's "None" is offered by firmware above 2.3 only; port B has no hardware handshake.
        std::vector<int16_t> handsA = {0, 2};
        if (vb::Val(read.Firmware) > 2.3) handsA.push_back(1);
        const std::vector<int16_t> handsB = {0, 1};

        QStringList failures;
        // The port as read with every combination of one format, one preset and one handshake.
        auto variants = [&](const PortSetting& port, const std::array<Format, 2>& formats,
                            const std::vector<ModemDefaults::Preset>& presets, const std::vector<int16_t>& hands) {
            std::vector<PortSetting> result;
            for (const auto& preset : presets) {
                const std::optional<Packet> packet = tables.PacketFor(preset.PacketID);
                if (!packet) failures << QStringLiteral("no packet %1").arg(preset.PacketID);
                for (const Format& format : formats)
                    for (int16_t hand : hands) {
                        PortSetting p = port;
                        ModemDefaults::Apply(format, p);
                        ModemDefaults::Apply(packet.value_or(Packet{}), p);
                        p.HandShake = hand;
                        result.push_back(p);
                    }
            }
            return result;
        };
        for (const Row& row : {RowFor(read.ModemType), RowFor(0)}) {
            auto offered = [&](const std::array<ModemDefaults::Preset, 2>& pair) {
                std::vector<ModemDefaults::Preset> presets(pair.begin(), pair.end());
                presets.insert(presets.end(), row.Packets.begin(), row.Packets.end());
                return presets;
            };
            const std::vector<PortSetting> portsA = variants(read.PortA, row.A, offered(row.APack), handsA);
            const std::vector<PortSetting> portsB = variants(read.PortB, row.B, offered(row.BPack), handsB);
            for (const PortSetting& a : portsA)
                for (const PortSetting& b : portsB) {
                    ModemSetting s = read;
                    s.PortA = a;
                    s.PortB = b;
                    const QStringList texts = Rejections(s);
                    if (!texts.isEmpty())
                        failures << QStringLiteral("modemID %1, %2: %3")
                                        .arg(row.ModemID)
                                        .arg(describe(s), texts.join(QStringLiteral(" | ")));
                }
        }
        EXPECT_EQ(failures.size(), 0) << failures.mid(0, 5).join('\n').toStdString();
    }
}

// Each preset is written to both ports of every modem, with the model's formats, and
// read back: the modem must keep every field, so a read modem finds its preset again.
TEST_F(ModemDefaultsTest, EveryPresetComesBackFromEveryModem)
{
    for (const QString& profile : profiles) {
        SCOPED_TRACE(profile.toStdString());
        const ModemSetting read = Read(profile);
        const Row row = RowFor(read.ModemType);
        for (qsizetype i = 0; i < packets.size(); ++i) {
            const Packet& a = packets[i];
            const Packet& b = packets[(i + 1) % packets.size()];
            SCOPED_TRACE(testing::Message() << "PacketID " << a.PacketID << " on port A, " << b.PacketID << " on B");
            ModemSetting written = read;
            ModemDefaults::Apply(row.A[i % 2], written.PortA);
            ModemDefaults::Apply(row.B[(i + 1) % 2], written.PortB);
            ModemDefaults::Apply(a, written.PortA);
            ModemDefaults::Apply(b, written.PortB);
            // SLIP is refused with XON/XOFF; the modem reads a SLIP port A as hardware
            // flow control on every firmware, and port B as none.
            if (a.Slip) written.PortA.HandShake = 2;
            if (b.Slip) written.PortB.HandShake = 1;
            ASSERT_EQ(Rejections(written), QStringList());

            prompt.Clear();
            driver.WriteModemSetting(port, written);
            ASSERT_TRUE(driver.Working) << Dump();
            ASSERT_TRUE(prompt.Boxes().isEmpty()) << Dump();
            const ModemSetting back = ReadAll();

            const struct {
                const char* name;
                const PortSetting& wrote;
                const PortSetting& got;
                int16_t id;
            } ports[] = {{"port A", written.PortA, back.PortA, a.PacketID},
                         {"port B", written.PortB, back.PortB, b.PacketID}};
            for (const auto& p : ports) {
                SCOPED_TRACE(p.name);
                EXPECT_EQ(p.got.FormatLayer(), p.wrote.FormatLayer());
                EXPECT_EQ(p.got.CharTimer, p.wrote.CharTimer);
                EXPECT_EQ(p.got.EOMChar, p.wrote.EOMChar);
                EXPECT_EQ(p.got.EOMEnable, p.wrote.EOMEnable);
                EXPECT_EQ(p.got.ISSlip, p.wrote.ISSlip);
                EXPECT_EQ(p.got.ISLive, p.wrote.ISLive);
                EXPECT_EQ(p.got.MaxFrame, p.wrote.MaxFrame);
                EXPECT_EQ(p.got.HandShake, p.wrote.HandShake);
                EXPECT_EQ(tables.MatchPacket(p.got), p.id);
            }
        }
    }
}

// What the main window selects for each simulated modem as it reads: the format
// option (1 or 2, 0 for Custom) and the packet option of each port.
TEST_F(ModemDefaultsTest, AModemAsDeliveredShowsItsDefaultsChosen)
{
    struct Shown {
        int charA, packA, charB, packB;
        bool operator==(const Shown&) const = default;
    };
    auto shown = [&](const ModemSetting& s) {
        const Row row = RowFor(s.ModemType);
        auto format = [](const std::array<Format, 2>& formats, const PortSetting& p) {
            int option = 0;  // the second wins when both match
            for (int i = 0; i < 2; ++i)
                if (formats[i].StopBit == p.StopBit && formats[i].CommSpeed == p.CommSpeed &&
                    formats[i].DataBit == p.DataBit && formats[i].Parity == p.Parity)
                    option = i + 1;
            return option;
        };
        auto packet = [&](const std::array<ModemDefaults::Preset, 2>& presets, const PortSetting& p) {
            const int16_t id = tables.MatchPacket(p);
            if (id == 0) return 0;
            return id == presets[1].PacketID ? 2 : id == presets[0].PacketID ? 1 : 0;
        };
        return Shown{format(row.A, s.PortA), packet(row.APack, s.PortA), format(row.B, s.PortB),
                     packet(row.BPack, s.PortB)};
    };

    // Every profile holds the ports as delivered: 9600,N,8,1 (4800,N,8,1 on the
    // narrow-band models), timer 10, frame 255, CR not used. A profile added later
    // needs its line here.
    const QMap<QString, Shown> expected = {
        {"builtin-high", {1, 1, 1, 1}},   {"builtin-low", {1, 1, 1, 1}},  {"default", {1, 1, 1, 1}},
        {"firmware-32", {1, 1, 1, 1}},    {"lumbrel-fdx", {1, 1, 1, 1}},  {"lumbrel-hdx", {1, 1, 1, 1}},
        {"lumbrel-narrow", {1, 1, 1, 1}}, {"moskar-fdx", {1, 1, 1, 1}},   {"moskar-narrow", {1, 1, 1, 1}},
        {"old-firmware", {1, 1, 1, 1}},   {"rudvik-fdx", {1, 1, 1, 1}},   {"starts-off", {1, 1, 1, 1}},
    };
    EXPECT_EQ(QStringList(expected.keys()), profiles);
    for (const QString& profile : profiles) {
        SCOPED_TRACE(profile.toStdString());
        const ModemSetting read = Read(profile);
        const Shown got = shown(read);
        const Shown want = expected.value(profile, Shown{-1, -1, -1, -1});
        EXPECT_EQ(got, want) << got.charA << got.packA << got.charB << got.packB;
    }

    // A port changed away from every preset shows Custom; the other port keeps its preset.
    UseProfile("default");
    SetByte(0x95, 200);  // port B's maximum frame
    SetByte(0x96, 0x25);  // port A at 9600, even parity, 8 data bits
    Create(6, 6);
    EXPECT_EQ(shown(ReadAll()), (Shown{0, 1, 1, 0}));
}

}  // namespace
