// A window closed by a step has returned to the main window before the next
// step: the same window opens again in the same run, and what the main window
// does after it (the half-duplex trim copy, the power's validation, the
// wizard's check) is done by then.
#include "ToolProbeRun.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

struct Reopen {
    const char* name;
    const char* profile;
    QStringList steps;  // opens the window, closes it, opens it again, shows it, closes it
    QString window;
    QMap<QString, QString> dumped;  // what the last dump holds
};

void PrintTo(const Reopen& c, std::ostream* out) { *out << c.name; }

class ReopenProbeTest : public ::testing::TestWithParam<Reopen> {};

TEST_P(ReopenProbeTest, TheWindowOpensAgainAfterTheMainWindowsCode)
{
    const Reopen& c = GetParam();
    ToolProbeRun run(QString::fromLatin1(c.profile));
    ASSERT_FALSE(run.Device().isEmpty());
    ASSERT_TRUE(run.Probe(QStringList{"read"} + c.steps + QStringList{"dump"}));
    EXPECT_EQ(run.ExitCode(), 0) << run.Err().toStdString();
    EXPECT_FALSE(run.Err().contains("Recursive call")) << run.Err().toStdString();
    EXPECT_EQ(run.ErrLines("WINDOW").join(", ").toStdString(), QStringList(2, "WINDOW " + c.window).join(", ").toStdString());
    EXPECT_EQ(run.ErrLines("CLOSED").join(", ").toStdString(), QStringList(2, "CLOSED " + c.window).join(", ").toStdString());
    // The second showing printed its controls.
    EXPECT_GT(run.Out().count(c.window + '='), 0) << run.Out().toStdString();
    for (auto value = c.dumped.begin(); value != c.dumped.end(); ++value)
        EXPECT_EQ(run.Value(value.key()).toStdString(), value.value().toStdString()) << value.key().toStdString();
}

const Reopen cases[] = {
    {"wizard", "moskar-fdx",
     {"wizard", "close", "WizardForm", "wizard", "show", "WizardForm", "close", "WizardForm"},
     "WizardForm",
     {{"Working", "True"}}},
    {"transmit_trim_of_one_radio", "lumbrel-hdx",
     {"click", "TXFreqAdjust", "move", "TrimBar", "3", "click", "Finish", "click", "TXFreqAdjust", "show", "FreqTrim",
      "click", "Finish"},
     "FreqTrim",
     {{"TXRadio.TXFreqTrim", "3"}, {"RXRadio.RXFreqTrim", "3"}}},
    {"power", "lumbrel-fdx",
     {"click", "WriteTxOn", "click", "PowAdjust", "move", "Power", "300", "click", "Finish", "click", "PowAdjust",
      "show", "AdjPower", "click", "Finish"},
     "AdjPower",
     {{"TXRadio.txpower", "2100"}}},
    {"port_format_dialog", "default",
     {"click", "ACharCustom", "click", "Finish", "click", "AChangeChar", "show", "PortSel", "click", "Finish"},
     "PortSel",
     {}},
    {"packet_dialog", "default",
     {"click", "APackCustom", "click", "Finish", "click", "AChangePack", "show", "PacketSel", "click", "Finish"},
     "PacketSel",
     {}},
};

INSTANTIATE_TEST_SUITE_P(EachWindow, ReopenProbeTest, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<Reopen>& info) { return std::string(info.param.name); });

}  // namespace
