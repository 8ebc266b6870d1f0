#include "ContextFixture.h"
#include "DevicePort.h"
#include "ModemComm.h"
#include "PortOpenMessage.h"
#include "PseudoTerminal.h"
#include "RadioComm.h"
#include "RuntimeError.h"
#include "WithoutRights.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Advice = QStringLiteral("\nPlease check port number in options menu,\nor the command line.");
const QString NoPermission = QStringLiteral(
    "\nThis user may not open the device: ask for membership of the group that may open serial devices, then log "
    "in again.");
const QString InUse = QStringLiteral("\nThe device is in use by another program: close that program, then try again.");

TEST(PortOpenMessage, NamesTheDeviceAndWhatToDoAboutTheReason)
{
    const struct {
        int commPort;
        const char* device;
        int error;
        QString text;
    } cases[] = {
        // A port number that stands for no device keeps the words it always had.
        {1, "", RuntimeError::InvalidPortNumber, "Serial Port 1 could not be opened." + Advice},
        {1, "/dev/ttyUSB0", RuntimeError::InvalidPortNumber, "Serial Port 1 (/dev/ttyUSB0) could not be opened." + Advice},
        {2, "/dev/ttyUSB7", RuntimeError::PermissionDenied,
         "Serial Port 2 (/dev/ttyUSB7) could not be opened." + Advice + NoPermission},
        {16, "/dev/ttyACM1", RuntimeError::PortAlreadyOpen,
         "Serial Port 16 (/dev/ttyACM1) could not be opened." + Advice + InUse},
        {3, "/dev/ttyS2", RuntimeError::DeviceUnavailable, "Serial Port 3 (/dev/ttyS2) could not be opened." + Advice},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(PortOpenMessage::Text(c.commPort, QString::fromLatin1(c.device), c.error), c.text);
    }
}

TEST(PortOpenMessage, NamesTheGroupOnlyWhenItsMembersMayOpenTheDevice)
{
    QTemporaryDir dir;
    const QString device = dir.filePath("ttyUSB0");
    QFile(device).open(QIODevice::WriteOnly);
    const group* own = ::getgrgid(::getegid());
    ASSERT_NE(own, nullptr);
    const QString ownGroup = QString::fromLocal8Bit(own->gr_name);
    const struct {
        mode_t mode;
        QString group;
    } cases[] = {{0660, ownGroup}, {0620, ""}, {0640, ""}, {0600, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        ASSERT_EQ(::chmod(QFile::encodeName(device).constData(), c.mode), 0);
        EXPECT_EQ(PortOpenMessage::DeviceGroup(device), c.group);
    }
    ::chmod(QFile::encodeName(device).constData(), 0660);
    EXPECT_TRUE(PortOpenMessage::Text(1, device, RuntimeError::PermissionDenied)
                    .endsWith("ask for membership of the group \"" + ownGroup + "\", which may open it, then log in again."));
    EXPECT_EQ(PortOpenMessage::DeviceGroup(dir.filePath("missing")), "");
}

// Both links on a real device that cannot be had.
class PortOpenFailureTest : public ContextFixture {
protected:
    PortOpenFailureTest() { port.setCommPort(4); }

    // Opens the port on one link; the link's error code afterwards.
    int OpenOn(bool radioLink)
    {
        if (radioLink) {
            radio.OpenRadioPort(port);
            return radio.RadioErrorCode;
        }
        modem.OpenModemPort(port);
        return modem.ModemErrorCode;
    }

    // Opens the port on each link and expects one box with the text, the port closed.
    void ExpectRefused(const QString& text)
    {
        for (const bool radioLink : {false, true}) {
            SCOPED_TRACE(radioLink ? "radio link" : "modem link");
            prompt.Clear();
            EXPECT_EQ(OpenOn(radioLink), 3);
            EXPECT_FALSE(port.PortOpen());
            ASSERT_EQ(prompt.Boxes().size(), 1);
            EXPECT_EQ(prompt.Boxes()[0].Title, "Comm Port Error");
            EXPECT_EQ(prompt.Boxes()[0].Text, text);
            EXPECT_EQ(prompt.Boxes()[0].Icon, MsgIcon::Exclamation);
        }
    }

    PseudoTerminal pty;
    DevicePort port;
    ModemComm modem{context};
    RadioComm radio{context};
};

TEST_F(PortOpenFailureTest, ADeviceThatDoesNotExist)
{
    port.SetDevicePath("/dev/ttyUSB-none");
    ExpectRefused("Serial Port 4 (/dev/ttyUSB-none) could not be opened." + Advice);
}

TEST_F(PortOpenFailureTest, ADeviceHeldByAnotherProgram)
{
    ASSERT_TRUE(pty.IsValid());
    port.SetDevicePath(pty.SlavePath());
    DevicePort holder;
    holder.SetDevicePath(pty.SlavePath());
    holder.setPortOpen(true);
    ExpectRefused("Serial Port 4 (" + pty.SlavePath() + ") could not be opened." + Advice + InUse);

    // The same from a holder that is not this library: a lock on the device.
    holder.setPortOpen(false);
    const int fd = ::open(QFile::encodeName(pty.SlavePath()).constData(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    ExpectRefused("Serial Port 4 (" + pty.SlavePath() + ") could not be opened." + Advice + InUse);
    ::close(fd);
}

TEST_F(PortOpenFailureTest, ADeviceThisUserMayNotOpen)
{
    ASSERT_TRUE(pty.IsValid());
    port.SetDevicePath(pty.SlavePath());
    // The slave's group may write to it but not read it: no group to name.
    ASSERT_EQ(PortOpenMessage::DeviceGroup(pty.SlavePath()), "");
    const std::string shown = WithoutRights(pty.SlavePath()).Run([this] {
        std::string texts;
        for (const bool radioLink : {false, true}) {
            prompt.Clear();
            const int code = OpenOn(radioLink);
            texts += std::to_string(code) + " " + (prompt.Boxes().size() == 1 ? prompt.Texts()[0].toStdString() : "?");
            texts += "|";
        }
        return texts;
    });
    const std::string one =
        "3 " + ("Serial Port 4 (" + pty.SlavePath() + ") could not be opened." + Advice + NoPermission).toStdString();
    EXPECT_EQ(shown, one + "|" + one + "|");
}

}  // namespace
