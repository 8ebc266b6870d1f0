// The dialogs end to end: programprobe drives the program against the modemsim
// executable, reads a modem, edits it in a dialog, writes it, and reads it back.
#include "ProgramProbe.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QTemporaryDir>

namespace {

// The memory bytes of a profile or of a --dump file ("memory XX = bytes" lines,
// later lines over earlier ones).
QMap<int, int> memoryOf(const QString& path)
{
    QMap<int, int> memory;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return memory;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!line.startsWith(QStringLiteral("memory "))) continue;
        int address = line.mid(7, 2).toInt(nullptr, 16);
        for (const QString& byte : line.section('=', 1).split(' ', Qt::SkipEmptyParts))
            memory[address++] = byte.toInt(nullptr, 16);
    }
    return memory;
}

struct Case {
    const char* name;
    // Lines added to the default modem's profile.
    QStringList profile;
    // The edit, between the read and the write.
    QStringList steps;
    // The dialogs it goes through.
    QStringList dialogs;
    // The memory bytes the write changes, and what they become.
    QMap<int, int> written;
    // After a fresh read: steps that show the dialogs, and lines they must print.
    QStringList readBack;
    QStringList shown;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class DialogEndToEnd : public ::testing::TestWithParam<Case> {};

TEST_P(DialogEndToEnd, TheChangeReachesTheModemAndComesBack)
{
    const Case& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString profile = dir.filePath(QStringLiteral("modem.profile"));
    {
        QFile source(QStringLiteral(SIM_PROFILES_DIR "/default.profile"));
        QFile target(profile);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly) && target.open(QIODevice::WriteOnly));
        target.write(source.readAll() + '\n' + c.profile.join('\n').toUtf8() + '\n');
    }
    const QString dump = dir.filePath(QStringLiteral("after.profile"));
    SimProcess sim({profile, QStringLiteral("--dump"), dump});
    ASSERT_FALSE(sim.DevicePath().isEmpty());

    const ProgramProbe probe;
    const ProgramProbe::Result edit = probe.Run(QStringList{"port", sim.DevicePath(), "read"} + c.steps + QStringList{"write"});
    EXPECT_EQ(edit.exitCode, 0);
    EXPECT_TRUE(edit.boxes.isEmpty()) << edit.boxes.join('\n').toStdString();
    for (const QString& dialog : c.dialogs) {
        EXPECT_TRUE(edit.ErrorLines(QStringLiteral("WINDOW ")).contains(QStringLiteral("WINDOW ") + dialog)) << dialog.toStdString();
        EXPECT_TRUE(edit.ErrorLines(QStringLiteral("CLOSED ")).contains(QStringLiteral("CLOSED ") + dialog)) << dialog.toStdString();
    }

    const ProgramProbe::Result back = probe.Run(QStringList{"port", sim.DevicePath(), "read"} + c.readBack);
    EXPECT_EQ(back.exitCode, 0);
    EXPECT_TRUE(back.boxes.isEmpty()) << back.boxes.join('\n').toStdString();
    for (const QString& line : c.shown) EXPECT_TRUE(back.lines.contains(line)) << line.toStdString();

    ASSERT_EQ(sim.Stop(), 0);
    const QMap<int, int> before = memoryOf(profile);
    const QMap<int, int> after = memoryOf(dump);
    ASSERT_EQ(after.size(), 256);
    // The check word follows whatever was written.
    for (int address = 0; address < 0xFD; ++address) {
        const int want = c.written.value(address, before.value(address));
        EXPECT_EQ(after.value(address), want) << "at " << std::hex << address;
    }
}

const Case cases[] = {
    {"port_format", {},
     {"click", "ACharCustom", "click", "DataRate(3)", "click", "Parity(2)", "click", "DataBit(7)", "click", "StopBit(2)",
      "click", "Finish"},
     {"PortSel"},
     // 4800 baud, 2 stop bits, parity on and even, 7 data bits.
     {{0x96, 0x6C}},
     {"show", "PortAFrame", "click", "AChangeChar", "show", "PortSel", "click", "Finish"},
     {"ACharCustom.Value=True", "DataRate(3).BackColor=&H808080", "DataRate(4).BackColor=&H8000000F",
      "Parity(2).BackColor=&H808080", "DataBit(7).BackColor=&H808080", "StopBit(2).BackColor=&H808080"}},
    {"packet_preset", {},
     {"click", "APackCustom", "click", "PacketOption(3)", "click", "Finish"},
     {"PacketSel"},
     // Line feed ends a packet.
     {{0x90, 0x0A}, {0x8E, 0x06}},
     {"show", "PortAFrame", "click", "AChangePack", "show", "PacketSel", "click", "Finish"},
     {"APackCustom.Value=True", "PacketOption(3).Value=True", "PacketOption(1).Value=False", "EOMEnable.Value=True",
      "EOMChar=10"}},
    {"custom_packet", {},
     {"click", "APackCustom", "click", "PacketOption(0)", "type", "CharTimer", "20", "type", "Framesize", "100",
      "click", "EOMEnable", "type", "EOMChar", "3", "click", "LiveEnable", "click", "Finish"},
     {"PacketSel"},
     {{0x90, 0x03}, {0x92, 0x14}, {0x94, 0x64}, {0x8E, 0x46}},
     {"click", "AChangePack", "show", "PacketSel", "click", "Finish"},
     {"PacketOption(0).Value=True", "CharTimer=20", "Framesize=100", "EOMChar=3", "EOMEnable.Value=True",
      "LiveEnable.Value=True"}},
    {"brand", {},
     {"click", "BPackCustom", "click", "BrandName", "type", "BrandList", "Mistral", "click", "Finish"},
     {"PacketSel"},
     // Port B: ETX ends a packet.
     {{0x91, 0x03}, {0x8F, 0x06}},
     {"click", "BChangePack", "show", "PacketSel", "click", "Finish"},
     {"BrandName.Value=True", "BrandList=Mistral PLC", "EOMChar=3"}},
    {"sid_codes", {},
     {"click", "SIDEdit", "click", "AUserport(2)", "type", "SID1(2)", "5", "type", "SID2(2)", "9", "click", "Finish"},
     {"SIDSel"},
     // Port A trunks streams 5 to 9.
     {{0x8A, 0x05}, {0x8B, 0x09}, {0x8E, 0x14}},
     {"click", "SIDEdit", "show", "SIDSel", "click", "Finish"},
     {"AUserport(2).Value=True", "SID1(2)=5", "SID2(2)=9", "SID1(0)=", "BUserport(0).Value=True", "BSID1(0)=33"}},
    {"unit_function", {},
     {"click", "SupCA", "click", "CARemote", "click", "Finish"},
     {"MasRemSel"},
     // Collision avoidance, remote, retrying after a transmit attempt.
     {{0xF8, 0x01}, {0xFB, 0xCE}},
     {"show", "Frame20", "click", "SupCA", "show", "MasRemSel", "click", "Finish"},
     {"SupCA.Value=True", "SupOff.Value=False", "CARemote.Value=True", "CAAdvance=Advanced"}},
    {"advanced_collision_avoidance", {},
     {"click", "SupCA", "click", "CARemote", "click", "CAAdvance", "type", "MaxSlot", "8", "type", "SlotTime", "20",
      "click", "DelayAfter", "click", "Finish", "click", "Finish"},
     {"MasRemSel", "SupSel"},
     {{0xF6, 0x08}, {0xF7, 0x14}, {0xF8, 0x01}, {0xFB, 0xCF}},
     {"click", "SupCA", "click", "CAAdvance", "show", "SupSel", "click", "Finish", "click", "Finish"},
     {"MaxSlot=8", "SlotTime=20", "DelayAfter.Value=True", "DelayBefore.Value=False"}},
    {"ptt_from_rts", {},
     {"click", "CPTTRTS"},
     {},
     {{0xFB, 0xE0}},
     {"show", "Frame19"},
     {"CPTTRTS.Value=True", "CPTTData.Value=False"}},
    {"port_b_on", {"# port B off", "memory 8F = 00"},
     {"click", "EnablePortB"},
     {},
     {{0x8F, 0x04}},
     {"show", "PortBFrame"},
     {"EnablePortB.Value=True"}},
};

INSTANTIATE_TEST_SUITE_P(EachDialog, DialogEndToEnd, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
