// Other programs' serial ports across the program's start-up and a Read on
// another port: a terminal that another program holds keeps its line and its
// waiting input, the modem's port gets its line back, and a port that another
// process marks as its own is refused as one that does not open.
#include "HeldTerminal.h"
#include "ProgramProbe.h"
#include "SimProcess.h"
#include "StartModule.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

const char UnableToRead[] =
    "Unable to read configuration.\n"
    "    Check correct comm port is selected and programming cable Tarvik\n"
    "    is conneted to Port A of radio modem and power has been cycled.";

TEST(OtherProgramsPorts, AStartUpAndAReadLeaveAnotherProgramsTerminalAsItWas)
{
    const HeldTerminal terminal;
    ASSERT_TRUE(terminal.IsValid());
    SimProcess sim({QStringLiteral(SIM_PROFILES_DIR "/builtin-high.profile")});
    ASSERT_FALSE(sim.DevicePath().isEmpty());
    ProgramProbe probe;
    probe.MapPort(1, terminal.Path());
    probe.MapPort(2, sim.DevicePath());
    const HeldTerminal::State before = terminal.Now();
    const HeldTerminal::State modemLine = HeldTerminal::LineOf(sim.DevicePath());
    ASSERT_EQ(before.outputSpeed, unsigned(B115200));
    ASSERT_EQ(before.waiting, HeldTerminal::TypedLine.size());

    const ProgramProbe::Result run = probe.Run({"click", "Menu_Comm(2)", "read", "show", "StatusBar1(1)"});

    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.boxes, QStringList{});
    EXPECT_EQ(run.Value(QStringLiteral("StatusBar1(1)")), QLatin1String("Build Type: 6"));
    EXPECT_EQ(terminal.Now(), before);
    EXPECT_EQ(terminal.ReadLine(), HeldTerminal::TypedLine);
    EXPECT_EQ(HeldTerminal::LineOf(sim.DevicePath()), modemLine);
}

TEST(OtherProgramsPorts, ALockFolderEntryThatIsNoRegularFileNeitherStopsTheStartNorHoldsThePort)
{
    SimProcess sim({QStringLiteral(SIM_PROFILES_DIR "/builtin-high.profile")});
    ASSERT_FALSE(sim.DevicePath().isEmpty());
    QTemporaryDir locks;
    // Anyone may make one in a shared lock folder; opening it would wait for a writer.
    const QString fifo = locks.filePath(QStringLiteral("LCK..") + QFileInfo(sim.DevicePath()).fileName());
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0666), 0);
    ProgramProbe probe;
    probe.SetLockFolder(locks.path());
    probe.MapPort(1, sim.DevicePath());

    const ProgramProbe::Result run = probe.Run({"read", "show", "StatusBar1(1)"});

    ASSERT_TRUE(run.ended) << "the program waits in the lock folder";
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.boxes, QStringList{});
    EXPECT_EQ(run.Value(QStringLiteral("StatusBar1(1)")), QLatin1String("Build Type: 6"));
}

struct HoldCase {
    const char* name;
    HeldTerminal::Mark mark;
    bool lockFile;
};

void PrintTo(const HoldCase& c, std::ostream* os) { *os << c.name; }

class HeldByAnotherProcess : public ::testing::TestWithParam<HoldCase> {};

TEST_P(HeldByAnotherProcess, AReadFailsAsOnAPortThatDoesNotOpen)
{
    const HoldCase& c = GetParam();
    const HeldTerminal terminal(c.mark);
    ASSERT_TRUE(terminal.IsValid());
    QTemporaryDir locks;
    if (c.lockFile) {
        QFile lock(locks.filePath(QStringLiteral("LCK..") + terminal.Path().section('/', -1)));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(qint64(::getpid())).rightJustified(10, ' ') + '\n');
    }
    ProgramProbe probe;
    probe.SetLockFolder(locks.path());
    probe.MapPort(1, terminal.Path());
    const HeldTerminal::State before = terminal.Now();

    const ProgramProbe::Result run = probe.Run({"read"});

    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.boxes.join("\n--\n").toStdString(),
              ("Comm Port Error|Serial Port 1 (" + terminal.Path() +
               ") could not be opened.\nPlease check port number in options menu,\nor the command line."
               "\nThe device is in use by another program: close that program, then try again.\n--\n" +
               StartModule::ApplicationTitle + '|' + QLatin1String(UnableToRead))
                  .toStdString());
    EXPECT_EQ(terminal.Now(), before);
    EXPECT_EQ(terminal.ReadLine(), HeldTerminal::TypedLine);
}

INSTANTIATE_TEST_SUITE_P(Holds, HeldByAnotherProcess,
                         ::testing::Values(HoldCase{"RecordLock", HeldTerminal::Mark::RecordLock, false},
                                           HoldCase{"Exclusive", HeldTerminal::Mark::Exclusive, false},
                                           HoldCase{"LockFile", HeldTerminal::Mark::None, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
