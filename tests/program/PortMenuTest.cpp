// The Comm Ports menu against real serial devices: pseudo-terminals that the
// user's "Ports" settings give port numbers.
#include "DevicePort.h"
#include "HeldTerminal.h"
#include "PortOpenMessage.h"
#include "ProgramFixture.h"
#include "RuntimeError.h"

#include <QAction>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <unistd.h>

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

enum class Device { Terminal, Missing, RegularFile, HeldElsewhere, Marked, LockFile, StaleLockFile };

struct ProbeCase {
    const char* name;
    Device device;
    bool found;
    // How another program marks the device it holds (Device::Marked).
    HeldTerminal::Mark mark = HeldTerminal::Mark::None;
};

// The user's folder of serial tools' lock files.
void SetLockFolder(const QString& folder)
{
    QSettings settings(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    settings.setValue(QStringLiteral("Ports/LockFolder"), folder);
}

// A lock file as serial tools write it: the owner's process id, right-aligned in ten places.
bool WriteLockFile(const QTemporaryDir& folder, const QString& device, long pid)
{
    QFile lock(folder.filePath(QStringLiteral("LCK..") + device.section(QLatin1Char('/'), -1)));
    return lock.open(QIODevice::WriteOnly) &&
           lock.write(QByteArray::number(qint64(pid)).rightJustified(10, ' ') + '\n') == 11;
}

class PortProbeTest : public PortMenuTest, public ::testing::WithParamInterface<ProbeCase> {};

TEST_P(PortProbeTest, OnlyPortsThatOpenAreOffered)
{
    const ProbeCase& c = GetParam();
    const QString first = AttachTerminal(3);
    QTemporaryDir dir;
    SetLockFolder(dir.path());
    DevicePort holder;
    std::unique_ptr<HeldTerminal> marked;
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
    case Device::Marked:
        marked = std::make_unique<HeldTerminal>(c.mark);
        ASSERT_TRUE(marked->IsValid());
        path = marked->Path();
        break;
    case Device::LockFile:
    case Device::StaleLockFile:
        path = AttachTerminal(11);
        ASSERT_TRUE(WriteLockFile(dir, path, c.device == Device::LockFile ? OtherRunningPid() : GonePid()));
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
                                           ProbeCase{"HeldByAnotherProgram", Device::HeldElsewhere, false},
                                           ProbeCase{"OnlyOpenElsewhere", Device::Marked, true},
                                           ProbeCase{"Flock", Device::Marked, false, HeldTerminal::Mark::Flock},
                                           ProbeCase{"OpenFileLock", Device::Marked, false,
                                                     HeldTerminal::Mark::OpenFileLock},
                                           ProbeCase{"Exclusive", Device::Marked, false, HeldTerminal::Mark::Exclusive},
                                           ProbeCase{"LockFile", Device::LockFile, false},
                                           ProbeCase{"StaleLockFile", Device::StaleLockFile, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PortMenuTest, TheProbeLeavesAnotherProgramsTerminalAsItWas)
{
    const HeldTerminal terminal;
    ASSERT_TRUE(terminal.IsValid());
    MapPort(5, terminal.Path());
    const HeldTerminal::State before = terminal.Now();

    ASSERT_TRUE(Load());

    EXPECT_TRUE(form->Menu_Comm[5]->isVisible());
    EXPECT_EQ(terminal.Now(), before);
    EXPECT_EQ(terminal.ReadLine(), HeldTerminal::TypedLine);
}

struct HeldReadCase {
    const char* name;
    HeldTerminal::Mark mark;
    bool lockFile;
};

class ReadOnAHeldPortTest : public PortMenuTest, public ::testing::WithParamInterface<HeldReadCase> {};

// The control's own open refuses the port as one that does not open, and the
// holder's line and input stay as they were.
TEST_P(ReadOnAHeldPortTest, FailsAsAPortThatDoesNotOpen)
{
    const HeldReadCase& c = GetParam();
    QTemporaryDir locks;
    SetLockFolder(locks.path());
    const HeldTerminal terminal(c.mark);
    ASSERT_TRUE(terminal.IsValid());
    if (c.lockFile) {
        ASSERT_TRUE(WriteLockFile(locks, terminal.Path(), OtherRunningPid()));
    }
    MapPort(2, QStringLiteral("/nonexistent/ttyGone"));
    MapPort(3, terminal.Path());
    ASSERT_TRUE(Load());
    const HeldTerminal::State before = terminal.Now();
    const auto readOn = [this](int port) {
        prompt.Clear();
        form->Menu_Comm_Click(port);
        EXPECT_FALSE(ReadModem());
        return prompt.Boxes();
    };

    const auto missing = readOn(2);
    const auto held = readOn(3);

    ASSERT_EQ(held.size(), missing.size());
    ASSERT_EQ(held.size(), 2);
    EXPECT_EQ(held[0].Title, PortOpenMessage::Title);
    EXPECT_EQ(held[0].Text, PortOpenMessage::Text(3, terminal.Path(), RuntimeError::PortAlreadyOpen));
    EXPECT_EQ(held[1].Title, missing[1].Title);
    EXPECT_EQ(held[1].Text, missing[1].Text);
    EXPECT_FALSE(form->VellModem1->PortOpen());
    EXPECT_EQ(terminal.Now(), before);
    EXPECT_EQ(terminal.ReadLine(), HeldTerminal::TypedLine);
}

INSTANTIATE_TEST_SUITE_P(Holds, ReadOnAHeldPortTest,
                         ::testing::Values(HeldReadCase{"Flock", HeldTerminal::Mark::Flock, false},
                                           HeldReadCase{"OpenFileLock", HeldTerminal::Mark::OpenFileLock, false},
                                           HeldReadCase{"Exclusive", HeldTerminal::Mark::Exclusive, false},
                                           HeldReadCase{"LockFile", HeldTerminal::Mark::None, true}),
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
