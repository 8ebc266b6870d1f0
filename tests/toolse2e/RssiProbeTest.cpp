// The RSSI calibration driven through programprobe against modemsim: the level
// measured goes into the RSSI box and the configuration; a modem that falls
// silent mid-way ends in the library's message with the program still running.
#include "ToolProbeRun.h"
#include "ReplyCount.h"

#include <gtest/gtest.h>

namespace {

const QStringList Calibrate = {"read", "click", "WriteTxOn", "click", "AutoRSSI"};

int samples(const ToolProbeRun& run)
{
    int count = 0;
    for (const QString& line : run.Log()) count += line.startsWith(QLatin1String("RA"));
    return count;
}

TEST(RssiProbe, TheMeasuredLevelGoesIntoTheBoxAndTheConfiguration)
{
    ToolProbeRun run(QStringLiteral("default"));
    ASSERT_TRUE(run.Probe(Calibrate + QStringList{"show", "RSSI", "dump"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    const QStringList boxes = run.ErrLines("MSGBOX");
    ASSERT_EQ(boxes.size(), 1) << run.Err().toStdString();
    EXPECT_EQ(boxes[0], "MSGBOX title=Automatic Calibration of RSSI Level text=Attach SIGNAL GENERATOR to modem "
                        "antenna.\\r      Apply 'ENOUGH RF' input signal\\r       at a frequency of 853.0125MHz\\r"
                        "(Typically a level of -110dBm to -105dBm would be used)\\r");
    EXPECT_EQ(samples(run), 20);
    // The show step prints the box, the dump the configuration: both hold the level.
    EXPECT_EQ(run.Out().count(QStringLiteral("\nRSSI=-64\n")) + run.Out().startsWith(QLatin1String("RSSI=-64\n")), 2)
        << run.Out().toStdString();
    EXPECT_EQ(run.Value("Working"), "True");
}

TEST(RssiProbe, AModemLostMidWayEndsInTheLibrarysMessageAndTheProgramRunsOn)
{
    ReplyCount count("default");
    count.Read();
    const int read = count.ModemBytes();
    int16_t type = count.setting.RXRadio.RadioType;
    double freq = count.setting.RXRadio.RXFreq;
    bool select = false;
    count.control.AutoRssi(type, freq, select);
    const int calibration = count.ModemBytes() - read;
    ASSERT_GT(calibration, 0);

    ToolProbeRun run(QStringLiteral("default"),
                 {QStringLiteral("--fault"), QStringLiteral("silence_after=%1").arg(read + calibration / 2)});
    ASSERT_TRUE(run.Probe(Calibrate + QStringList{"dump", "show", "MainForm"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    EXPECT_GT(samples(run), 2) << "lost mid-way";
    EXPECT_LT(samples(run), 20);

    const QStringList boxes = run.ErrLines("MSGBOX");
    ASSERT_GE(boxes.size(), 2) << run.Err().toStdString();
    EXPECT_TRUE(boxes.first().startsWith("MSGBOX title=Automatic Calibration of RSSI Level"));
    EXPECT_TRUE(boxes.last().endsWith(
        "text=Unrecoverable Error has occured when trying to adjust the RSSI Value, Program exiting"))
        << "the library's message, and no other after it: " << boxes.last().toStdString();
    for (const QString& box : boxes.mid(1, boxes.size() - 2))
        EXPECT_TRUE(box.contains("text=Error has occured error code: ")) << "only the link's own report before it";

    // The steps after it ran: the program is still there, its configuration kept.
    EXPECT_EQ(run.Value("Working"), "False");
    EXPECT_EQ(run.Value("RSSI"), "-100");
    EXPECT_TRUE(run.Out().contains("\nTXDelay.Enabled=False\n")) << "the editors off";
}

}  // namespace
