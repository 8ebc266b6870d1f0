// The Comm Ports menu against real serial devices: pseudo-terminals that the
// user's "Ports" settings give port numbers.
#include "DevicePort.h"
#include "ProgramFixture.h"
#include "RuntimeError.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A failing case is told by its name.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class PortMenuTest : public ProgramFixture {
protected:
    // The control opens real devices, as in the program.
    PortMenuTest() { seams.port = nullptr; }

    QList<int> VisiblePorts() const
    {
        QList<int> shown;
        for (int i = 0; i <= 16; ++i)
            if (form->Menu_Comm[i]->isVisible()) shown << i;
        return shown;
    }
    QList<int> TickedPorts() const
    {
        QList<int> ticked;
        for (int i = 1; i <= 16; ++i)
            if (form->Menu_Comm[i]->isChecked()) ticked << i;
        return ticked;
    }
};

enum class Device { Terminal, Missing, RegularFile, HeldElsewhere };

struct ProbeCase {
    const char* name;
    Device device;
    bool found;
};

class PortProbeTest : public PortMenuTest, public ::testing::WithParamInterface<ProbeCase> {};

TEST_P(PortProbeTest, OnlyPortsThatOpenAreOffered)
{
    const ProbeCase& c = GetParam();
    const QString first = AttachTerminal(3);
    QTemporaryDir dir;
    DevicePort holder;
    QString path;
    switch (c.device) {
    case Device::Terminal: path = AttachTerminal(11); break;
    case Device::Missing: path = dir.filePath(QStringLiteral("ttyGone")); break;
    case Device::RegularFile: {
        path = dir.filePath(QStringLiteral("notatty"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        break;
    }
    case Device::HeldElsewhere:
        path = AttachTerminal(11);
        holder.SetDevicePath(path);
        holder.setPortOpen(true);
        ASSERT_TRUE(holder.PortOpen());
        break;
    }
    MapPort(11, path);

    ASSERT_TRUE(Load());

    EXPECT_EQ(VisiblePorts(), c.found ? (QList<int>{3, 11}) : (QList<int>{3}));
    EXPECT_TRUE(form->Menu_Comm[3]->text().startsWith("Com Port 3"));
    EXPECT_TRUE(form->Menu_Comm[3]->text().contains(first)) << form->Menu_Comm[3]->text().toStdString();
    EXPECT_TRUE(form->Menu_Comm[11]->text().startsWith("Com Port 11"));
    EXPECT_TRUE(form->Menu_Comm[11]->text().contains(path));
    EXPECT_EQ(TickedPorts(), QList<int>{1});
    EXPECT_EQ(form->VellModem1->CommPort(), 1);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << "a port that does not open is only left out";
    // The probe leaves every device free.
    DevicePort again;
    again.SetDevicePath(first);
    again.setPortOpen(true);
    EXPECT_TRUE(again.PortOpen());
}

INSTANTIATE_TEST_SUITE_P(Devices, PortProbeTest,
                         ::testing::Values(ProbeCase{"Terminal", Device::Terminal, true},
                                           ProbeCase{"Missing", Device::Missing, false},
                                           ProbeCase{"RegularFile", Device::RegularFile, false},
                                           ProbeCase{"HeldByAnotherProgram", Device::HeldElsewhere, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PortMenuTest, WithNoPortTheStandInItemStaysAndPort1IsSet)
{
    SaveStartUp(QStringLiteral("CommPort"), QStringLiteral("6"));
    ASSERT_TRUE(Load());
    EXPECT_EQ(VisiblePorts(), QList<int>{0});
    EXPECT_EQ(form->Menu_Comm[0]->text(), "Com Port 1");
    EXPECT_TRUE(form->Menu_Comm[0]->isChecked());
    EXPECT_FALSE(form->Menu_Comm[0]->isEnabled());
    EXPECT_EQ(TickedPorts(), QList<int>{1});
    EXPECT_EQ(form->VellModem1->CommPort(), 1);
}

TEST_F(PortMenuTest, ChoosingAPortSetsTheControlsPortAndTicksItAlone)
{
    AttachTerminal(3);
    AttachTerminal(7);
    SaveStartUp(QStringLiteral("CommPort"), QStringLiteral("3"));
    ASSERT_TRUE(Load());
    EXPECT_EQ(VisiblePorts(), (QList<int>{3, 7}));
    EXPECT_EQ(TickedPorts(), QList<int>{3});

    form->Menu_Comm[7]->trigger();
    EXPECT_EQ(form->VellModem1->CommPort(), 7);
    EXPECT_EQ(TickedPorts(), QList<int>{7});
    form->Menu_Comm[3]->trigger();
    EXPECT_EQ(form->VellModem1->CommPort(), 3);
    EXPECT_EQ(TickedPorts(), QList<int>{3});
    // Choosing the ticked port again keeps it ticked.
    form->Menu_Comm[3]->trigger();
    EXPECT_EQ(TickedPorts(), QList<int>{3});
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(PortMenuTest, ThePortCannotChangeWhileTheControlHasItOpen)
{
    const QString device = AttachTerminal(3);
    AttachTerminal(7);
    SaveStartUp(QStringLiteral("CommPort"), QStringLiteral("3"));
    ASSERT_TRUE(Load());
    form->VellModem1->setPortOpen(true);
    ASSERT_TRUE(form->VellModem1->PortOpen());
    // The control holds port 3's device.
    DevicePort other;
    other.SetDevicePath(device);
    EXPECT_THROW(other.setPortOpen(true), RuntimeError);

    form->Menu_Comm[7]->trigger();
    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes()[0].Text, "Can't change the Comm port when the programmer is talking to the modem");
    EXPECT_EQ(prompt.Boxes()[0].Title, "Halvex Programmer V3.4.5");
    EXPECT_EQ(prompt.Boxes()[0].Buttons, MsgButtons::OK);
    EXPECT_EQ(form->VellModem1->CommPort(), 3);
    EXPECT_EQ(TickedPorts(), QList<int>{3});

    form->VellModem1->setPortOpen(false);
    form->Menu_Comm[7]->trigger();
    EXPECT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(form->VellModem1->CommPort(), 7);
    EXPECT_EQ(TickedPorts(), QList<int>{7});
}

}  // namespace
