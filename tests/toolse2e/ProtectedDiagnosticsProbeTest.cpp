// A modem whose diagnostics settings are write-protected, its stream codes off,
// driven through programprobe against modemsim: neither the wizard nor the main
// window turns on what the write leaves as the modem has it, so the modem can
// always be read again after a write.
#include "ModemMap.h"
#include "ToolProbeRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace ModemMap;

const QString Protected = QStringLiteral(TOOL_PROFILES_DIR "/diags-protected.profile");

const QString Unreadable = QStringLiteral("text=Unable to read configuration.");

bool copyData(const QTemporaryDir& dir)
{
    const QString wizard = QStringLiteral(WIZARD_DATABASE_PATH);
    const QString art = QFileInfo(wizard).dir().filePath(QStringLiteral("WizardArt"));
    return QFile::copy(QStringLiteral(MODEM_DATABASE_PATH), dir.filePath(QStringLiteral("Modem.mdb"))) &&
           QFile::copy(wizard, dir.filePath(QStringLiteral("Wizard.mdb"))) &&
           QFile::link(art, dir.filePath(QStringLiteral("WizardArt")));
}

// The configuration after the edit and after the write, and the modem's memory.
void ExpectPortBAndStreamCodesOff(ToolProbeRun& run)
{
    const ProgramProbe::Result& result = run.Result();
    ASSERT_EQ(result.Values("PortBEnabled").size(), 2) << run.Err().toStdString();
    EXPECT_EQ(result.Values("PortBEnabled"), (QStringList{"False", "False"}));
    EXPECT_EQ(result.Values("SIDCode"), (QStringList{"False", "False"}));
    EXPECT_EQ(result.Values("DiagsEditable"), (QStringList{"False", "False"}));
    for (const QString& box : run.ErrLines("MSGBOX")) EXPECT_FALSE(box.contains(Unreadable)) << box.toStdString();
    const SimProfile after = run.Stop();
    EXPECT_EQ(after.Memory[PortBFlags.Address] & Bits::PortBEnabled, 0);
    EXPECT_EQ(after.Memory[Options.Address] & Bits::SIDCode, 0);
}

TEST(ProtectedDiagnosticsProbe, TheProfileIsAModemWithProtectedDiagnosticsAndStreamCodesOff)
{
    ToolProbeRun run(Protected);
    ASSERT_TRUE(run.Probe({"read", "dump", "show", "Frame22"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    EXPECT_EQ(run.ErrLines("MSGBOX"), QStringList()) << run.Err().toStdString();
    EXPECT_EQ(run.Value("DiagEnable"), "True");
    EXPECT_EQ(run.Value("DiagsEditable"), "False");
    EXPECT_EQ(run.Value("SIDCode"), "False");
    EXPECT_EQ(run.Value("PortBEnabled"), "False");
    EXPECT_FALSE(run.Result().ShownEnabled("SIDON")) << "the write would leave the modem's stream codes";
    EXPECT_FALSE(run.Result().ShownEnabled("SIDOFF"));
    EXPECT_TRUE(run.Result().Printed("SIDEdit")) << "the ports' stream codes stay editable";
    EXPECT_EQ(run.Value("SIDOFF.Value"), "True") << "the modem's own value";
}

// The shipped preset for a second device on port B needs stream codes on: the
// modem keeps its own off, so the preset breaks a rule and is undone.
TEST(ProtectedDiagnosticsProbe, APresetForPortBIsUndoneAndTheModemStaysReadable)
{
    QTemporaryDir data;
    ASSERT_TRUE(copyData(data));
    ToolProbeRun run(Protected);
    ASSERT_TRUE(run.Probe({"read", "wizard", "click", "CheckBoxText", "click", "ButtonArray(0)", "dump", "write",
                           "read", "dump"},
                          data.path()));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    const QStringList boxes = run.ErrLines("MSGBOX");
    ASSERT_GE(boxes.size(), 2) << run.Err().toStdString();
    EXPECT_TRUE(boxes[0].contains("text=Wizard will not change Tx and Rx frequencies")) << boxes[0].toStdString();
    EXPECT_TRUE(boxes[1].endsWith("text=The Wizard's Configuration is imcompatible with your modem, press Ok to "
                                  "Restore Old Configuration."))
        << boxes[1].toStdString();
    ExpectPortBAndStreamCodesOff(run);
}

// The main window's stream code option takes no click; port B then stays off
// with the rule's message.
TEST(ProtectedDiagnosticsProbe, TheWindowsStreamCodeOptionCannotTurnThemOn)
{
    ToolProbeRun run(Protected);
    ASSERT_TRUE(run.Probe({"read", "click", "SIDON", "click", "EnablePortB", "dump", "write", "read", "dump"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    const QStringList boxes = run.ErrLines("MSGBOX");
    ASSERT_FALSE(boxes.isEmpty()) << run.Err().toStdString();
    EXPECT_TRUE(boxes[0].endsWith("text=PortB can't be enabled unless SID Code is On")) << boxes[0].toStdString();
    ExpectPortBAndStreamCodesOff(run);
}

}  // namespace
