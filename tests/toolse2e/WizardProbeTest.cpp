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
