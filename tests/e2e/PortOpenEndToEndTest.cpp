// modemprobe on a port it cannot have: a device that is not there, one that
// another holder has, one this user may not open.
#include "ProbeRun.h"
#include "SimProcess.h"
#include "WithoutRights.h"

#include <gtest/gtest.h>

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The box names the device and, where the user can act, the reason.
TEST(PortOpenEndToEnd, TheMessageNamesTheDeviceAndTheReason)
{
    const QString advice = QStringLiteral("\\nPlease check port number in options menu,\\nor the command line.");
    const auto box = [&](const QString& device, const QString& reason) {
        return QStringLiteral("Comm Port Error|Serial Port 1 (") + device + QStringLiteral(") could not be opened.") +
               advice + reason;
    };

    ProbeRun run = ProbeRun::Run({"read", "/dev/ttyUSB-none"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.boxes, QStringList{box("/dev/ttyUSB-none", "")});

    SimProcess sim;
    ASSERT_FALSE(sim.DevicePath().isEmpty());
    {
        const int holder = ::open(QFile::encodeName(sim.DevicePath()).constData(), O_RDWR | O_NOCTTY);
        ASSERT_GE(holder, 0);
        ASSERT_EQ(::flock(holder, LOCK_EX), 0);
        run = ProbeRun::Run({"read", sim.DevicePath()});
        ::close(holder);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.boxes,
                  QStringList{box(sim.DevicePath(),
                                  "\\nThe device is in use by another program: close that program, then try again.")});
    }
    {
        WithoutRights noRights(sim.DevicePath());
        run = ProbeRun::Run({"read", sim.DevicePath()}, {}, &WithoutRights::InChild);
        EXPECT_EQ(run.exitCode, 1) << run.errors.toStdString();
        EXPECT_EQ(run.boxes, QStringList{box(sim.DevicePath(),
                                             "\\nThis user may not open the device: ask for membership of the group "
                                             "that may open serial devices, then log in again.")});
    }
    // With the device free again, the same probe reads the modem.
    run = ProbeRun::Run({"read", sim.DevicePath()});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
}

}  // namespace
