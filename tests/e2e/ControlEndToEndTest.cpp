// The control's public interface on a real pseudo-terminal, driven through the
// modemprobe harness against the modemsim executable.
#include "ProbeRun.h"
#include "SimProcess.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const QString profiles = QStringLiteral(SIM_PROFILES_DIR);
const QString expected = QStringLiteral(EXPECTED_DIR);

ProbeRun probe(const QStringList& arguments) { return ProbeRun::Run(arguments); }

// Test names cannot hold a "-": models are named with "_" there.
QString fileName(const char* model) { return QString::fromLatin1(model).replace('_', '-'); }
QString profile(const char* name) { return profiles + '/' + fileName(name) + ".profile"; }

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

QString writeFile(QTemporaryDir& dir, const QString& name, const QString& text)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Text);
    file.write(text.toUtf8());
    return path;
}

// The modem's memory from a --dump file: "memory XX = bytes" lines.
QMap<int, int> dumpedMemory(const QString& path)
{
    QMap<int, int> memory;
    for (const QString& line : readLines(path)) {
        if (!line.startsWith(QStringLiteral("memory "))) continue;
        int address = line.mid(7, 2).toInt(nullptr, 16);
        for (const QString& byte : line.section('=', 1).split(' ', Qt::SkipEmptyParts))
            memory[address++] = byte.toInt(nullptr, 16);
    }
    return memory;
}

class ModelRead : public ::testing::TestWithParam<const char*> {};

TEST_P(ModelRead, GivesTheExpectedConfiguration)
{
    const char* model = GetParam();
    SimProcess sim({profile(model)});
    const ProbeRun run = probe({"read", sim.DevicePath()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.boxes.isEmpty()) << run.boxes.join("\n").toStdString();
    const QStringList want = readLines(expected + '/' + fileName(model) + ".txt");
    ASSERT_FALSE(want.isEmpty()) << "no expected configuration for " << model;
    EXPECT_EQ(run.lines.size(), want.size());
    for (qsizetype i = 0; i < std::min(want.size(), run.lines.size()); ++i) EXPECT_EQ(run.lines[i], want[i]);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, ModelRead,
                         ::testing::Values("builtin_high", "builtin_low", "moskar_fdx", "lumbrel_fdx", "rudvik_fdx",
                                           "lumbrel_hdx", "old_firmware", "firmware_32"));

struct WriteCase {
    const char* model;
    const char* changes;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.model; }

class ModelWrite : public ::testing::TestWithParam<WriteCase> {};

const WriteCase writeCases[] = {
        {"builtin_high", "NoOfSlot=9\nPortA.CommSpeed=3\nPortB.SID1=77\nPTTTimeout=60\nCAvoid=3\nTXRadio.TXFreq=925.5\n"
                         "TXRadio.TXDelay=20\nTXRadio.TXFreqTrim=-5\n"},
        {"builtin_low", "TXRadio.TXFreq=850.0125\nTXRadio.TXDelay=30\nTXRadio.TXFreqTrim=7\n"},
        {"lumbrel_fdx", "NoOfSlot=9\nPortA.CommSpeed=3\nPTTTimeout=60\nTXRadio.TXFreq=461.0125\nRXRadio.RXFreq=466.0125\n"
                        "TXRadio.TXDelay=20\nTXRadio.TXFreqTrim=2\nRXRadio.RXFreqTrim=-3\nTXRadio.WriteTxPwr=True\n"
                        "TXRadio.txpower=1229\n"},
        // One radio serves both sides: the receive side's trim is written last.
        {"lumbrel_hdx", "TXRadio.TXFreq=456.0125\nRXRadio.RXFreq=456.0125\nTXRadio.TXFreqTrim=-4\nRXRadio.RXFreqTrim=-4\n"},
        {"moskar_fdx", "TimePerSlot=20\nTXRadio.TXFreq=930.0125\nRXRadio.RXFreq=931.0125\nTXRadio.TXDelay=30\n"},
        {"rudvik_fdx", "TimePerSlot=20\nTXRadio.TXFreq=217.0125\nRXRadio.RXFreq=218.0125\nTXRadio.TXDelay=30\n"},
};

TEST_P(ModelWrite, ComesBackChangedAndTheRestIsUntouched)
{
    const WriteCase& c = GetParam();
    {
        QTemporaryDir dir;
        const QString dump = dir.filePath("after.profile");
        SimProcess sim({profile(c.model), "--dump", dump});
        const ProbeRun before = probe({"read", sim.DevicePath()});
        ASSERT_EQ(before.exitCode, 0) << before.boxes.join("\n").toStdString();
        const QString changes = QString::fromLatin1(c.changes);
        const ProbeRun write = probe({"write", sim.DevicePath(), writeFile(dir, "changes.txt", changes)});
        EXPECT_EQ(write.exitCode, 0) << write.boxes.join("\n").toStdString();
        const ProbeRun after = probe({"read", sim.DevicePath()});
        ASSERT_EQ(after.exitCode, 0) << after.boxes.join("\n").toStdString();
        for (const QString& line : changes.split('\n', Qt::SkipEmptyParts)) {
            const QString name = line.section('=', 0, 0);
            if (name.endsWith(QStringLiteral("WriteTxPwr"))) continue;  // an instruction to the writer, not a value
            // Frequencies come back through the synthesiser arithmetic: on the raster, not to the last bit.
            if (name.endsWith(QStringLiteral("Freq")))
                EXPECT_NEAR(after.values.value(name).toDouble(), line.section('=', 1).toDouble(), 1e-9) << name.toStdString();
            else
                EXPECT_EQ(after.values.value(name), line.section('=', 1)) << line.toStdString();
        }
        for (const char* kept : {"ModemType", "Firmware", "SerialNo", "HDX", "ExtRF", "BaudRate9600", "DiagEnable",
                                 "DiagsEditable", "RSSI", "TXRadio.SerialNo", "RXRadio.SerialNo", "TXRadio.PowerAlarm"})
            EXPECT_EQ(after.values.value(kept), before.values.value(kept)) << kept;

        // Read-only locations of the modem are as they were.
        sim.Stop();
        const QMap<int, int> original = dumpedMemory(profile(c.model));
        const QMap<int, int> now = dumpedMemory(dump);
        for (int address : {0x80, 0x85, 0x9A, 0x9B, 0x9C, 0xF0, 0xF1, 0xF2, 0xF3, 0xF9, 0xFA})
            if (original.contains(address)) {
                EXPECT_EQ(now.value(address), original.value(address)) << std::hex << address;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryRadio, ModelWrite, ::testing::ValuesIn(writeCases),
                         [](const auto& info) { return std::string(info.param.model); });

TEST(ControlEndToEnd, NoModemAndCancelInTheWaitWindow)
{
    SimProcess sim({"--fault", "silent"});
    const ProbeRun run = probe({"read", sim.DevicePath(), "--cancel"});
    EXPECT_TRUE(run.waitWindow);
    EXPECT_TRUE(run.boxes.isEmpty()) << run.boxes.join("\n").toStdString();
    EXPECT_EQ(run.exitCode, 1);
}

TEST(ControlEndToEnd, AModemThatOnlyAnswersAfterAPowerCycle)
{
    SimProcess sim({profile("starts_off")});
    QProcess process;
    process.setReadChannel(QProcess::StandardError);
    process.start(QStringLiteral(MODEMPROBE_PATH), {"read", sim.DevicePath(), "--db", MODEM_DATABASE_PATH});
    QByteArray err;
    while (!err.contains("WAITWINDOW") && process.waitForReadyRead(10000)) err += process.readAllStandardError();
    ASSERT_TRUE(err.contains("WAITWINDOW")) << err.toStdString();
    sim.PowerCycle();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().contains("ModemType=6"));
}

TEST(ControlEndToEnd, ConnectionRefusals)
{
    const char* prefers =
        "Radio Modem|The modem prefers programmer version higher then 3.6.  This Halvex Programmer will still function "
        "but some features may not be available.  Do you wish to continue?";
    const struct {
        const char* name;
        const char* profileText;
        bool cancel;
        int exitCode;
        QStringList boxes;
    } cases[] = {
        {"firmware 2.5", "firmware = 2.5\n", false, 1,
         {"Radio Modem|Unrecognized modem firmware revision, contact Orvane Sypheral for a update of this programmer"}},
        {"a newer programmer required", "firmware = 3.2\nproduct_version = 3.5;3.6\n", false, 1,
         {"Radio Modem|The modem requires programmer version 3.5 and above, please upgrade the Halvex Programmer if "
          "you want to program this modem"}},
        {"a newer programmer preferred, OK", "firmware = 3.2\nproduct_version = 3.0;3.6\n", false, 0, {prefers}},
        {"a newer programmer preferred, Cancel", "firmware = 3.2\nproduct_version = 3.0;3.6\n", true, 1, {prefers}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        // The built-in modem with only the firmware changed.
        QString text = QString::fromUtf8(readLines(profile("builtin_high")).join('\n').toUtf8()) + '\n';
        SimProcess sim({writeFile(dir, "modem.profile", text + QString::fromLatin1(c.profileText))});
        QStringList args{"read", sim.DevicePath()};
        if (c.cancel) args << "--cancel";
        const ProbeRun run = probe(args);
        EXPECT_EQ(run.boxes, c.boxes);
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
}

TEST(ControlEndToEnd, AWriteToAnotherBuildOrModelIsRefusedAndWritesNothing)
{
    const struct {
        const char* model;
        const char* change;
        const char* box;
    } cases[] = {
        {"builtin_high", "ModemType=7", "Radio Modem|Error - Target Radio/Modem must be same Build Type!"},
        {"lumbrel_fdx", "HDX=True", "Radio Modem|Error - Target Radio/Modem must be same hardware model!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        QTemporaryDir dir;
        const QString log = dir.filePath("commands.log");
        SimProcess sim({profile(c.model), "--log", log});
        const qsizetype readCommands = [&] {
            probe({"read", sim.DevicePath()});
            return readLines(log).size();
        }();
        const ProbeRun run = probe({"write", sim.DevicePath(), writeFile(dir, "change.txt", c.change)});
        EXPECT_EQ(run.boxes, QStringList{c.box});
        for (const QString& command : readLines(log).mid(readCommands))
            EXPECT_FALSE(command.startsWith(QStringLiteral("WN"))) << command.toStdString();
    }
}

TEST(ControlEndToEnd, AWriteWhoseCheckNeverPassesSaysSoAndFails)
{
    QTemporaryDir dir;
    const QString dump = dir.filePath("after.profile");
    SimProcess sim({profile("builtin_high"), "--fault", "check_stuck=1234", "--dump", dump});
    const ProbeRun run = probe({"write", sim.DevicePath(), writeFile(dir, "change.txt", "NoOfSlot=9\n")});
    EXPECT_EQ(run.boxes, QStringList{"Radio Modem|Error has occured error code: 4"});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_EQ(sim.Stop(), 0);
    const QMap<int, int> memory = dumpedMemory(dump);
    EXPECT_EQ(memory.value(0xF6), 9) << "the configuration went in";
    EXPECT_EQ(memory.value(0xFD) << 8 | memory.value(0xFE), 0x1234) << "with the word the modem gave";
}

TEST(ControlEndToEnd, ABuiltInRadioWithoutItsRowInTheDatabaseIsRefused)
{
    const struct {
        const char* model;
        int type;
    } cases[] = {{"builtin_high", 6}, {"builtin_low", 7}};
    const QStringList refused{"Radio Modem|Error, un-recognised Radio Type, Call Orvane Sypheral"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        TempDatabase database;
        database.CopyModemDatabaseWithout(c.type);
        QTemporaryDir dir;
        const QString log = dir.filePath("commands.log");
        SimProcess sim({profile(c.model), "--log", log});
        const ProbeRun read = ProbeRun::Run({"read", sim.DevicePath()}, database.Path());
        EXPECT_EQ(read.exitCode, 1);
        EXPECT_EQ(read.boxes, refused);
        const ProbeRun write =
            ProbeRun::Run({"write", sim.DevicePath(), writeFile(dir, "change.txt", "NoOfSlot=9\n")}, database.Path());
        EXPECT_EQ(write.exitCode, 1);
        EXPECT_EQ(write.boxes, refused);
        for (const QString& command : readLines(log)) EXPECT_FALSE(command.startsWith("WN")) << command.toStdString();
    }
}

TEST(ControlEndToEnd, ProbeWithoutADeviceIsAUsageError)
{
    const QStringList cases[] = {
        {"read", ""},
        {"read", " "},
        {"read"},
        {"write", "", "changes.txt"},
        {"rssi", "", "466.0125"},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(',').toStdString());
        const ProbeRun run = probe(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errors.contains("usage: modemprobe read DEVICE")) << run.errors.toStdString();
        EXPECT_TRUE(run.boxes.isEmpty());
        EXPECT_FALSE(run.waitWindow);
        EXPECT_LT(run.ms, 5000) << "no port is tried";
    }
}

}  // namespace
