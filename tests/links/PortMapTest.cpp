#include "DevicePort.h"
#include "PortMap.h"
#include "PseudoTerminal.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// The user settings of this test run live in a folder of their own; QSettings
// fixes its paths at first use, so this must happen before any test.
const QTemporaryDir& configHome()
{
    static QTemporaryDir dir;
    return dir;
}
[[maybe_unused]] const bool configHomeSet = [] {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome().path()));
    return true;
}();

// A device folder holding empty files named like devices, in no order.
class PortMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(devices.isValid());
        ASSERT_TRUE(settingsDir.isValid());
        for (const char* name : {"ttyUSB10", "ttyS10", "ttyACM0", "ttyS2", "ttyUSB0", "ttyS0", "ttyUSB1",
                                 "ttyS", "ttySx1", "ttyAMA0", "tty1", "console", "ttyusb3"}) {
            QFile file(devices.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    QString device(const char* name) const { return devices.filePath(QString::fromLatin1(name)); }

    QTemporaryDir devices;
    QTemporaryDir settingsDir;
    QSettings settings{settingsDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
};

TEST_F(PortMapTest, SerialDevicesComeInAStableNaturalOrder)
{
    const QStringList expected{device("ttyS0"),   device("ttyS2"),   device("ttyS10"), device("ttyUSB0"),
                               device("ttyUSB1"), device("ttyUSB10"), device("ttyACM0")};
    EXPECT_EQ(PortMap::SystemDevices(devices.path()), expected);
}

TEST_F(PortMapTest, NumbersCountThroughTheSystemDevices)
{
    const std::pair<int, QString> cases[] = {
        {1, device("ttyS0")}, {3, device("ttyS10")}, {4, device("ttyUSB0")}, {7, device("ttyACM0")},
        {8, {}},              {16, {}},              {0, {}},                {-1, {}},
    };
    for (const auto& [port, path] : cases) {
        SCOPED_TRACE(port);
        EXPECT_EQ(PortMap::DevicePath(port, settings, devices.path()), path);
    }
}

TEST_F(PortMapTest, TheUsersChoiceComesFirst)
{
    settings.setValue(QStringLiteral("Ports/Port2"), QStringLiteral("/dev/ttyChosen"));
    settings.setValue(QStringLiteral("Ports/Port12"), QStringLiteral("/dev/ttyFar"));
    settings.setValue(QStringLiteral("Ports/Port3"), QString());
    settings.setValue(QStringLiteral("Port4"), QStringLiteral("/dev/ttyOutsideTheGroup"));

    EXPECT_EQ(PortMap::DevicePath(2, settings, devices.path()), QStringLiteral("/dev/ttyChosen"));
    EXPECT_EQ(PortMap::DevicePath(12, settings, devices.path()), QStringLiteral("/dev/ttyFar"));
    // An empty choice is no choice.
    EXPECT_EQ(PortMap::DevicePath(3, settings, devices.path()), device("ttyS10"));
    EXPECT_EQ(PortMap::DevicePath(4, settings, devices.path()), device("ttyUSB0"));
    EXPECT_EQ(PortMap::DevicePath(1, settings, devices.path()), device("ttyS0"));
}

TEST(PortMapUserSettingsTest, APortOpensTheDeviceChosenInTheUserSettings)
{
    PseudoTerminal pty;
    ASSERT_TRUE(pty.IsValid());
    QSettings user(QStringLiteral("ZenvoProgrammer"), QStringLiteral("ZenvoProgrammer"));
    ASSERT_TRUE(user.fileName().startsWith(configHome().path())) << user.fileName().toStdString();
    user.setValue(QStringLiteral("Ports/Port16"), pty.SlavePath());
    user.sync();

    EXPECT_EQ(PortMap::DevicePath(16), pty.SlavePath());
    DevicePort port;
    port.setCommPort(16);
    port.setPortOpen(true);
    port.Output("16");
    EXPECT_EQ(pty.Read(2, 2000), QByteArray("16"));

    user.remove(QStringLiteral("Ports/Port16"));
    user.sync();
}

TEST(PortMapUserSettingsTest, APortNumberWithoutADeviceIsInvalid)
{
    DevicePort port;
    port.setCommPort(999);
    EXPECT_TRUE(PortMap::DevicePath(999).isEmpty());
    try {
        port.setPortOpen(true);
        FAIL() << "opened port 999";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), RuntimeError::InvalidPortNumber);
        EXPECT_EQ(error.Description(), QStringLiteral("Invalid port number"));
    }
    EXPECT_FALSE(port.PortOpen());
}

} // namespace
