// The shipped wizard driven through programprobe against modemsim: the first
// page by the modem's build type, a page leading to another, the graphical check
// box choosing the preset, the preset in the configuration; and the harness's
// refusal of controls that are not there to use.
#include "SqlFile.h"
#include "ToolProbeRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList Preset207 = {"wizard", "click", "ButtonArray(1)", "click", "CheckBoxGraph", "click", "ButtonArray(1)"};

// The shipped databases in a folder of the test's own, with the wizard's pictures.
bool copyData(const QTemporaryDir& dir)
{
    const QString wizard = QStringLiteral(WIZARD_DATABASE_PATH);
    const QString art = QFileInfo(wizard).dir().filePath(QStringLiteral("WizardArt"));
    return QFile::copy(QStringLiteral(MODEM_DATABASE_PATH), dir.filePath(QStringLiteral("Modem.mdb"))) &&
           QFile::copy(wizard, dir.filePath(QStringLiteral("Wizard.mdb"))) &&
           QFile::link(art, dir.filePath(QStringLiteral("WizardArt")));
}

TEST(WizardProbe, AWalkThroughThePagesAppliesTheChosenPreset)
{
    ToolProbeRun run(QStringLiteral("moskar-fdx"));
    ASSERT_TRUE(run.Probe({"read", "wizard", "show", "WizardForm", "click", "ButtonArray(1)", "show", "WizardForm",
                           "click", "CheckBoxGraph", "click", "ButtonArray(1)", "dump", "show", "RSSI"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    EXPECT_EQ(run.ErrLines("WINDOW"), QStringList{"WINDOW WizardForm"});
    EXPECT_EQ(run.ErrLines("CLOSED"), QStringList{"CLOSED WizardForm"});
    EXPECT_TRUE(run.Out().contains("WizardForm=Setup Wizard - 900 MHz Radio Modem\n"));
    EXPECT_TRUE(run.Out().contains("LabelArray(0)=How will this 900 MHz radio modem be used?\n"));
    EXPECT_TRUE(run.Out().contains("WizardForm=Setup Wizard - 900 MHz Radio Modem: Multi-Drop Network\n"));
    EXPECT_TRUE(run.Out().contains("CheckBoxGraph=Collision Avoidance\n"));
    EXPECT_FALSE(run.Out().contains("Remote Station Repeating Diagnostics")) << "a modem without diagnostics";
    const QStringList boxes = run.ErrLines("MSGBOX");
    ASSERT_EQ(boxes.size(), 1) << run.Err().toStdString();
    EXPECT_TRUE(boxes[0].contains("text=Wizard will not change Tx and Rx frequencies, \\nplease check"));
    // Preset 207: a remote with collision avoidance over eight slots.
    EXPECT_EQ(run.Value("CAvoid"), "7");
    EXPECT_EQ(run.Value("NoOfSlot"), "8");
    EXPECT_EQ(run.Value("TryBeforeTX"), "True");
    EXPECT_EQ(run.Value("PortA.Parity"), "2");
    EXPECT_EQ(run.Value("PortA.Packet"), "5");
    // The dump and the main window's box, shown once the window has been left.
    EXPECT_EQ(run.Result().Values("RSSI").join(", "), "-108, -108");
    EXPECT_EQ(run.Value("TXRadio.TXFreq"), "952") << "frequencies untouched";
}

// A narrow-band model has pages and presets of its own: its ports at the speed it
// is delivered with.
TEST(WizardProbe, ANarrowBandModemTakesItsOwnPreset)
{
    ToolProbeRun run(QStringLiteral("moskar-narrow"));
    ASSERT_TRUE(run.Probe({"read", "wizard", "show", "WizardForm", "click", "CheckBoxText", "click", "ButtonArray(0)",
                           "dump"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    EXPECT_TRUE(run.Out().contains("WizardForm=Setup Wizard - 900 MHz Narrow-Band Radio Modem\n"));
    EXPECT_TRUE(run.Out().contains("LabelArray(0)=How will this 900 MHz narrow-band radio modem be used?\n"));
    EXPECT_EQ(run.ErrLines("CLOSED"), QStringList{"CLOSED WizardForm"});
    const QStringList boxes = run.ErrLines("MSGBOX");
    ASSERT_EQ(boxes.size(), 1) << run.Err().toStdString();
    EXPECT_TRUE(boxes[0].contains("text=Wizard will not change Tx and Rx frequencies"));
    // Preset 502: a point to point link with a second device on port B, both at 4800.
    for (const char* port : {"PortA", "PortB"}) {
        EXPECT_EQ(run.Value(QStringLiteral("%1.CommSpeed").arg(QLatin1String(port))), "3") << port;
        EXPECT_EQ(run.Value(QStringLiteral("%1.DataBit").arg(QLatin1String(port))), "8") << port;
    }
    EXPECT_EQ(run.Value("PortBEnabled"), "True");
    EXPECT_EQ(run.Value("SIDCode"), "True");
    EXPECT_EQ(run.Value("PTTTimeout"), "60");
    EXPECT_EQ(run.Value("TXRadio.TXDelay"), "30");
    EXPECT_EQ(run.Value("TXRadio.TXFreq"), "899") << "frequencies untouched";
}

// The preset put into SLIP with XON/XOFF flow control on port A, which the
// control refuses: by the next step the main window has restored what was read.
TEST(WizardProbe, ARefusedPresetIsRestoredBeforeTheNextStep)
{
    QTemporaryDir data;
    ASSERT_TRUE(copyData(data));
    ASSERT_TRUE(SqlFile::Run(data.filePath(QStringLiteral("Wizard.mdb")),
                             {"UPDATE WizardSetting SET PortAISSLip = 1, PortAHand = 0 WHERE SetID = 207"}));
    ToolProbeRun run(QStringLiteral("moskar-fdx"));
    ASSERT_TRUE(run.Probe(QStringList{"read", "dump"} + Preset207 + QStringList{"dump"}, data.path()));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    const QStringList boxes = run.ErrLines("MSGBOX");
    ASSERT_EQ(boxes.size(), 2) << run.Err().toStdString();
    EXPECT_TRUE(boxes[0].contains("text=Wizard will not change Tx and Rx frequencies"));
    EXPECT_TRUE(boxes[1].endsWith("text=The Wizard's Configuration is imcompatible with your modem, press Ok to "
                                  "Restore Old Configuration."))
        << boxes[1].toStdString();
    const QStringList read = run.Result().Dumped(0).lines, after = run.Result().Dumped(1).lines;
    ASSERT_FALSE(read.isEmpty());
    EXPECT_EQ(after.join('\n').toStdString(), read.join('\n').toStdString());
}

TEST(WizardProbe, AnElementThePageDoesNotUseCannotBeClicked)
{
    ToolProbeRun run(QStringLiteral("default"));
    ASSERT_TRUE(run.Probe({"read", "wizard", "click", "ButtonArray(6)"}));
    EXPECT_EQ(run.ExitCode(), 2);
    EXPECT_TRUE(run.Err().contains("ButtonArray(6)")) << run.Err().toStdString();
}

TEST(WizardProbe, MoveNeedsASliderOrScrollBar)
{
    ToolProbeRun run(QStringLiteral("default"));
    ASSERT_TRUE(run.Probe({"move", "TransFreq", "3"}));
    EXPECT_EQ(run.ExitCode(), 2);
    EXPECT_TRUE(run.Err().contains("no such slider or scroll bar TransFreq")) << run.Err().toStdString();
}

}  // namespace
