// A Read with no modem answering, cancelled in the wait window: the program says
// so, keeps the editors off, lets go of the port, and takes another port.
#include "ProgramProbe.h"
#include "QtPrinting.h"
#include "SimProcess.h"
#include "StartModule.h"

#include <gtest/gtest.h>

namespace {

const char* const Editors[] = {
    "ACharDef1", "ACharDef2", "ACharCustom", "AChangeChar", "APackDef1", "APackDef2", "APackCustom", "AChangePack",
    "AHandXON",  "AHandNone", "AHandHard",   "BCharDef1",   "BCharDef2", "BCharCustom", "BChangeChar", "BPackDef1",
    "BPackDef2", "BPackCustom", "BChangePack", "BHandXON", "BHandNone", "BHandHard", "EnablePortB", "TransFreq",
    "TXFreqAdjust", "RXFreq", "RXFreqAdjust", "TXDelay", "PTTTime", "RSSI", "AutoRSSI", "PowAdjust", "WriteTxOn",
    "WriteTxOff", "SIDON", "SIDOFF", "SIDEdit", "SupOff", "SupEndToEnd", "SupRSSI", "SupCA", "CPTTData", "CPTTRTS",
    "TSave", "TWizard", "TWRadio", "TPrint"};

// The build labels of a window with no modem.
const std::pair<const char*, const char*> Blank[] = {
    {"DXLabel", "Modem is Half Duplex"}, {"DiagLabel", "Diagnostic Disabled"}, {"TXRadioType", "TX Radio Type: None"},
    {"RXRadioTYpe", "RX Radio Type: None"}, {"TXSerial", "------"}, {"RXSerial", "------"}};

const char UnableToRead[] =
    "Unable to read configuration.\n"
    "    Check correct comm port is selected and programming cable Tarvik\n"
    "    is conneted to Port A of radio modem and power has been cycled.";

struct NoModemCase {
    const char* name;
    QStringList simulator;
};

void PrintTo(const NoModemCase& c, std::ostream* os) { *os << c.name; }

class NoModem : public ::testing::TestWithParam<NoModemCase> {};

TEST_P(NoModem, CancelShowsTheMessageClosesThePortAndAnotherPortReads)
{
    // Port 1 reaches nothing that answers; port 2 a modem, power-cycled should
    // it have stopped prompting by the time the program gets to it.
    SimProcess nothing(GetParam().simulator);
    SimProcess modem({QStringLiteral(SIM_PROFILES_DIR "/builtin-high.profile")});
    ASSERT_FALSE(nothing.DevicePath().isEmpty());
    ASSERT_FALSE(modem.DevicePath().isEmpty());
    ProgramProbe probe;
    probe.MapPort(1, nothing.DevicePath());
    probe.MapPort(2, modem.DevicePath());

    bool portChecked = false;
    QStringList held;
    const ProgramProbe::Trigger afterRead{QStringLiteral("StatusBar1(1)="), [&](qint64 pid) {
                                              portChecked = true;
                                              for (const QString& file : ProgramProbe::OpenFiles(pid))
                                                  if (file == nothing.DevicePath()) held << file;
                                          }};
    const ProgramProbe::Result run = probe.Run({"answer", "Cancel", "read", "show", "StatusBar1(1)", "wait", "1", "show",
                                                "MainForm", "click", "Menu_Comm(2)", "read", "show", "MainForm"},
                                               {afterRead, ProgramProbe::PowerUpWhenAsked(modem, 2)});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.waitWindow);
    // The control shows nothing of its own for a cancelled wait; no box refuses the port change.
    EXPECT_EQ(run.boxes.join("\n--\n").toStdString(),
              (StartModule::ApplicationTitle + '|' + QLatin1String(UnableToRead)).toStdString());
    EXPECT_TRUE(portChecked);
    EXPECT_EQ(held.join(' ').toStdString(), "");

    const ProgramProbe::Result failed = run.Shown(QStringLiteral("MainForm"), 0);
    for (const char* editor : Editors) {
        EXPECT_TRUE(failed.Printed(QLatin1String(editor))) << editor;
        EXPECT_FALSE(failed.ShownEnabled(QLatin1String(editor))) << editor;
    }
    for (const auto& [label, text] : Blank) EXPECT_EQ(failed.Value(QLatin1String(label)), QLatin1String(text)) << label;
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(failed.Value(QStringLiteral("StatusBar1(%1)").arg(i)), QString()) << i;

    const ProgramProbe::Result read = run.Shown(QStringLiteral("MainForm"), 1);
    EXPECT_EQ(read.Value(QStringLiteral("StatusBar1(1)")), QLatin1String("Build Type: 6"));
    EXPECT_EQ(read.Value(QStringLiteral("StatusBar1(2)")), QLatin1String("Serial Number: 210601"));
    EXPECT_TRUE(read.ShownEnabled(QStringLiteral("TransFreq")));
    EXPECT_TRUE(read.ShownEnabled(QStringLiteral("TWRadio")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoModem,
    ::testing::Values(NoModemCase{"silent_line", {QStringLiteral("--fault"), QStringLiteral("silent")}},
                      NoModemCase{"modem_powered_off", {QStringLiteral(SIM_PROFILES_DIR "/starts-off.profile")}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
