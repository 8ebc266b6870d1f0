// The shipped wizard driven through programprobe against modemsim: the first
// page by the modem's build type, a page leading to another, the graphical check
// box choosing the preset, the preset in the configuration; and the harness's
// refusal of controls that are not there to use.
#include "ToolProbeRun.h"

#include <gtest/gtest.h>

namespace {

TEST(WizardProbe, AWalkThroughThePagesAppliesTheChosenPreset)
{
    ToolProbeRun run(QStringLiteral("moskar-fdx"));
    ASSERT_TRUE(run.Probe({"read", "wizard", "show", "WizardForm", "click", "ButtonArray(1)", "show", "WizardForm",
                           "click", "CheckBoxGraph", "click", "ButtonArray(1)", "dump"}));
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
    EXPECT_EQ(run.Value("RSSI"), "-108");
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
