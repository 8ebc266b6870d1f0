// Every simulated model read through the program's main window: what the window
// shows and enables afterwards.
#include "ProfileCase.h"
#include "ProfileModem.h"
#include "ProgramProbe.h"
#include "QtPrinting.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

// The editors every model read as delivered offers, and those it never does:
// the Change buttons follow their Custom option, the transmitter power frame
// follows "No" to overwriting it, and port B has no hardware handshake.
const char* const AlwaysEnabled[] = {
    "ACharDef1", "ACharDef2", "ACharCustom", "APackDef1", "APackDef2", "APackCustom", "AHandXON", "AHandHard",
    "BCharDef1", "BCharDef2", "BCharCustom", "BPackDef1", "BPackDef2", "BPackCustom", "BHandXON", "BHandNone",
    "EnablePortB", "TransFreq", "TXDelay", "PTTTime", "WriteTxOn", "WriteTxOff", "SIDON", "SIDOFF", "SIDEdit",
    "SupOff", "SupEndToEnd", "SupRSSI", "SupCA", "CPTTData", "CPTTRTS", "DXLabel", "DiagLabel", "TXRadioType",
    "RXRadioTYpe", "TXSerial", "RXSerial", "TSave", "TWizard", "TWRadio", "TPrint", "TOpen", "TRRadio", "TQuit"};
const char* const NeverEnabled[] = {"AChangeChar", "AChangePack", "BChangeChar", "BChangePack", "BHandHard", "RSSI",
                                    "AutoRSSI", "PowAdjust", "Label1", "Label28", "Label7", "Label10"};

// The options a modem as delivered selects: formats and packet presets 1,
// hardware handshake on A and none on B, SID codes on, no supervision, PTT on data.
const char* const Selected[] = {"ACharDef1", "APackDef1", "AHandHard", "BCharDef1", "BPackDef1",   "BHandNone",
                                "SIDON",     "SupOff",    "CPTTData",  "WriteTxOff", "EnablePortB"};
const char* const NotSelected[] = {"ACharDef2", "ACharCustom", "APackDef2",  "APackCustom", "AHandXON", "AHandNone",
                                   "BCharDef2", "BCharCustom", "BPackDef2",  "BPackCustom", "BHandXON", "BHandHard",
                                   "SIDOFF",    "SupEndToEnd", "SupRSSI",    "SupCA",       "CPTTRTS",  "WriteTxOn"};

QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

class ProgramRead : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ProgramRead, ShowsTheModemAndEnablesWhatItsBuildAllows)
{
    const ProfileCase& c = GetParam();
    const ProfileModem modem(c);
    ASSERT_FALSE(modem.DevicePath().isEmpty());
    ProgramProbe probe;
    const ProgramProbe::Result run =
        probe.Run({"port", modem.DevicePath(), "read", "dump", "show", "MainForm"}, modem.Triggers());
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.boxes.join('\n').toStdString(), "");
    EXPECT_EQ(run.waitWindow, c.startsOff);

    const ProgramProbe::Result shown = run.Shown(QStringLiteral("MainForm"));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(shown.Value(QStringLiteral("StatusBar1(%1)").arg(i + 1)), QLatin1String(c.statusBar[i])) << i + 1;
    const std::pair<const char*, const char*> texts[] = {
        {"DXLabel", c.duplex},
        {"TXRadioType", c.txType},
        {"RXRadioTYpe", c.rxType},
        {"TXSerial", c.txSerial},
        {"RXSerial", c.rxSerial},
        {"DiagLabel", "Diagnostics Not Installed"},
        {"TransFreq", c.transFreq},
        {"RXFreq", c.rxFreq},
        {"TXDelay", "10"},
        {"PTTTime", "30"},
        {"RSSI", "-100"},
        {"TXFreqAdjust", c.trimCaption},
        {"RXFreqAdjust", c.trimCaption},
        // The captions of the Modem table's record for the build type.
        {"ADefLabel1", c.formatCaptions ? c.formatCaptions[0] : "9600,N,8,1"},
        {"ADefLabel2", c.formatCaptions ? c.formatCaptions[1] : "9600,E,7,1"},
        {"BDefLabel1", c.formatCaptions ? c.formatCaptions[2] : "9600,N,8,1"},
        {"BDefLabel2", c.formatCaptions ? c.formatCaptions[3] : "1200,N,8,1"},
        {"APackDefLabel1", "Timer Ends Frame"},
        {"APackDefLabel2", "CR Ends Frame"},
        {"BPackDefLabel1", "Timer Ends Frame"},
        {"BPackDefLabel2", "CR Ends Frame"},
    };
    for (const auto& [name, text] : texts) EXPECT_EQ(shown.Value(QLatin1String(name)), QLatin1String(text)) << name;

    for (const char* name : Selected)
        EXPECT_EQ(shown.Value(QLatin1String(name) + QStringLiteral(".Value")), QLatin1String("True")) << name;
    for (const char* name : NotSelected)
        EXPECT_EQ(shown.Value(QLatin1String(name) + QStringLiteral(".Value")), QLatin1String("False")) << name;

    for (const char* name : AlwaysEnabled) EXPECT_TRUE(shown.ShownEnabled(QLatin1String(name))) << name;
    for (const char* name : NeverEnabled) {
        EXPECT_TRUE(shown.Printed(QLatin1String(name))) << name;
        EXPECT_FALSE(shown.ShownEnabled(QLatin1String(name))) << name;
    }
    const std::pair<const char*, bool> byBuild[] = {
        {"Reciever", c.externalRadios}, {"Label24", c.externalRadios}, {"RXFreq", c.externalRadios},
        {"Label23", c.externalRadios},  {"RXFreqAdjust", c.rxTrim},    {"Label25", c.rxTrim},
        {"TXFreqAdjust", c.txTrim},     {"Label6", c.txTrim},          {"AHandNone", c.handNone},
    };
    for (const auto& [name, enabled] : byBuild) EXPECT_EQ(shown.ShownEnabled(QLatin1String(name)), enabled) << name;

    // The program holds what the library reads from this modem; the display
    // found both ports' packet fields in preset 1.
    const ProgramProbe::Result dumped = run.Dumped();
    EXPECT_EQ(dumped.Value("Working"), QLatin1String("True"));
    EXPECT_EQ(dumped.Value("FromFile"), QLatin1String("False"));
    EXPECT_EQ(dumped.Value("StopWrite"), QLatin1String("False"));
    if (c.expectedRead) {
        const QStringList want = fileLines(c.ExpectedReadPath());
        ASSERT_FALSE(want.isEmpty()) << c.ExpectedReadPath().toStdString();
        for (const QString& line : want) {
            const QString name = line.section('=', 0, 0);
            const bool packet = name == QLatin1String("PortA.Packet") || name == QLatin1String("PortB.Packet");
            EXPECT_EQ(dumped.Value(name), packet ? QStringLiteral("1") : line.section('=', 1)) << line.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryProfile, ProgramRead, ::testing::ValuesIn(ProfileCases()),
                         [](const auto& info) { return CaseName(info.param); });

TEST(ProfileTable, HasARowForEveryProfile)
{
    QSet<QString> rows;
    for (const ProfileCase& c : ProfileCases()) rows.insert(QLatin1String(c.profile));
    const QStringList files = QDir(QStringLiteral(SIM_PROFILES_DIR)).entryList({QStringLiteral("*.profile")});
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) EXPECT_TRUE(rows.contains(file.chopped(8))) << file.toStdString();
}

}  // namespace
