#include "DevicePort.h"
#include "PortMap.h"
#include "PseudoTerminal.h"
#include "RuntimeError.h"
#include "WithoutRights.h"

#include <gtest/gtest.h>

#include <QList>

#include <chrono>
#include <functional>
#include <sys/resource.h>
#include <termios.h>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The number of the RuntimeError that f raises, 0 when it raises none.
int raisedNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

long long elapsedMs(Clock::time_point since)
{
    return std::chrono::duration_cast<milliseconds>(Clock::now() - since).count();
}

long long cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000LL + t.tv_usec / 1000; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Received bytes reach the port asynchronously; waits until count are there.
bool waitForCount(DevicePort& port, int count, int ms = 2000)
{
    const auto deadline = Clock::now() + milliseconds(ms);
    while (port.InBufferCount() < count) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        port.WaitForInput(int(left));
    }
    return true;
}

class DevicePortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.IsValid());
        port.SetDevicePath(pty.SlavePath());
    }

    termios lineOfMaster() const
    {
        termios attributes{};
        EXPECT_EQ(tcgetattr(pty.Master(), &attributes), 0);
        return attributes;
    }

    PseudoTerminal pty;
    DevicePort port;
};

struct LineCase {
    const char* settings;
    speed_t speed;
    tcflag_t size;
    bool parity, odd, twoStopBits;
};
const LineCase lineCases[] = {
    {"9600,N,8,1", B9600, CS8, false, false, false},
    {"1200,N,8,1", B1200, CS8, false, false, false},
    {"19200,E,7,1", B19200, CS7, true, false, false},
    {"110,O,8,2", B110, CS8, true, true, true},
    {"2400,e,7,2", B2400, CS7, true, false, true},
    {" 300 , o , 7 , 1 ", B300, CS7, true, true, false},
};

void expectRawWithoutFlowControl(const termios& line)
{
    EXPECT_EQ(line.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
    EXPECT_EQ(line.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL | INLCR | ISTRIP), 0u);
    EXPECT_EQ(line.c_oflag & OPOST, 0u);
    EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
}

TEST(DevicePortSettingsTest, SettingsBecomeLineAttributes)
{
    for (const LineCase& c : lineCases) {
        SCOPED_TRACE(c.settings);
        // A line left cooked, with flow control and the opposite framing.
        termios line{};
        line.c_iflag = IXON | IXOFF | ICRNL | ISTRIP | INPCK;
        line.c_oflag = OPOST | ONLCR;
        line.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
        line.c_cflag = CRTSCTS | (c.size == CS8 ? CS7 : CS8) | (c.parity ? 0 : PARENB) | (c.odd ? 0 : PARODD) |
                       (c.twoStopBits ? 0 : CSTOPB);
        DevicePort::ApplySettings(QString::fromLatin1(c.settings), line);
        EXPECT_EQ(cfgetospeed(&line), c.speed);
        EXPECT_EQ(cfgetispeed(&line), c.speed);
        EXPECT_EQ(line.c_cflag & CSIZE, c.size);
        EXPECT_EQ((line.c_cflag & PARENB) != 0, c.parity);
        EXPECT_EQ((line.c_cflag & PARODD) != 0, c.odd);
        EXPECT_EQ((line.c_cflag & CSTOPB) != 0, c.twoStopBits);
        EXPECT_EQ(line.c_iflag & INPCK, 0u);
        expectRawWithoutFlowControl(line);
    }
}

// The pty driver forces 8 data bits and no parity, so only the rest shows there.
TEST_F(DevicePortTest, SettingsReachTheLine)
{
    for (const LineCase& c : lineCases) {
        SCOPED_TRACE(c.settings);
        port.setSettings(QString::fromLatin1(c.settings));
        port.setPortOpen(true);
        const termios line = lineOfMaster();
        EXPECT_EQ(cfgetospeed(&line), c.speed);
        EXPECT_EQ((line.c_cflag & PARODD) != 0, c.odd);
        EXPECT_EQ((line.c_cflag & CSTOPB) != 0, c.twoStopBits);
        expectRawWithoutFlowControl(line);
        port.setPortOpen(false);
        EXPECT_FALSE(port.PortOpen());
    }
}

TEST_F(DevicePortTest, ReopeningWithNewSettingsChangesTheRate)
{
    port.setSettings(QStringLiteral("9600,N,8,1"));
    port.setPortOpen(true);
    termios line = lineOfMaster();
    EXPECT_EQ(cfgetospeed(&line), speed_t(B9600));

    port.setPortOpen(false);
    port.setSettings(QStringLiteral("1200,N,8,1"));
    port.setPortOpen(true);
    line = lineOfMaster();
    EXPECT_EQ(cfgetospeed(&line), speed_t(B1200));
}

TEST_F(DevicePortTest, SettingsChangedWhileOpenTakeEffectAtOnce)
{
    port.setPortOpen(true);
    port.setSettings(QStringLiteral("1200,O,8,2"));
    const termios line = lineOfMaster();
    EXPECT_EQ(cfgetospeed(&line), speed_t(B1200));
    EXPECT_NE(line.c_cflag & PARODD, 0u);
    EXPECT_NE(line.c_cflag & CSTOPB, 0u);
}

TEST_F(DevicePortTest, InvalidSettingsRaiseAndLeaveThePortClosed)
{
    for (const char* settings : {"9601,N,8,1", "14400,N,8,1", "9600,X,8,1", "9600,N,6,1", "9600,N,8,3",
                                 "9600,N,8", "9600,N,8,1,1", "fast", ""}) {
        SCOPED_TRACE(settings);
        port.setSettings(QString::fromLatin1(settings));
        EXPECT_EQ(raisedNumber([&] { port.setPortOpen(true); }), RuntimeError::InvalidArgument);
        EXPECT_FALSE(port.PortOpen());
    }
    port.setSettings(QStringLiteral("9600,N,8,1"));
    port.setPortOpen(true);
    EXPECT_EQ(raisedNumber([&] { port.setSettings(QStringLiteral("9600,Q,8,1")); }), RuntimeError::InvalidArgument);
}

TEST_F(DevicePortTest, ModemLinesOnAPseudoTerminalAreNoError)
{
    for (const bool dtr : {false, true}) {
        for (const bool rts : {false, true}) {
            SCOPED_TRACE(testing::Message() << "DTR " << dtr << " RTS " << rts);
            port.setDTREnable(dtr);
            port.setRTSEnable(rts);
            EXPECT_EQ(raisedNumber([&] { port.setPortOpen(true); }), 0);
            EXPECT_TRUE(port.PortOpen());
            EXPECT_EQ(raisedNumber([&] {
                port.setDTREnable(!dtr);
                port.setRTSEnable(!rts);
            }), 0);
            port.setPortOpen(false);
        }
    }
}

TEST_F(DevicePortTest, BytesTravelUnchangedBothWays)
{
    const QByteArray bytes("\x1bSV05\r\n\x00\x03\x11\x13\xff", 12);
    port.setPortOpen(true);

    port.Output(bytes);
    EXPECT_EQ(pty.Read(int(bytes.size()), 2000), bytes);

    pty.Write(bytes);
    ASSERT_TRUE(waitForCount(port, int(bytes.size())));
    EXPECT_EQ(port.InBufferCount(), bytes.size());
    EXPECT_EQ(port.Input(), bytes);
    EXPECT_EQ(port.InBufferCount(), 0);
}

TEST_F(DevicePortTest, InputLenLimitsEachInput)
{
    struct Case {
        int inputLen;
        QList<QByteArray> inputs;
    };
    const Case cases[] = {
        {1, {"a", "b", "c"}},
        {2, {"ab", "c"}},
        {0, {"abc"}},
        {5, {"abc"}},
    };
    port.setPortOpen(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inputLen);
        port.setInputLen(c.inputLen);
        pty.Write("abc");
        ASSERT_TRUE(waitForCount(port, 3));
        for (const QByteArray& expected : c.inputs) EXPECT_EQ(port.Input(), expected);
        EXPECT_TRUE(port.Input().isEmpty());
    }
}

TEST_F(DevicePortTest, SettingInBufferCountToZeroDiscardsEverythingReceived)
{
    port.setPortOpen(true);
    pty.Write("abc");
    ASSERT_TRUE(waitForCount(port, 3));
    // Some not yet taken from the device as well.
    pty.Write("def");
    std::this_thread::sleep_for(milliseconds(50));

    port.setInBufferCount(0);
    EXPECT_EQ(port.InBufferCount(), 0);
    EXPECT_TRUE(port.Input().isEmpty());

    pty.Write("g");
    ASSERT_TRUE(waitForCount(port, 1));
    EXPECT_EQ(port.Input(), QByteArray("g"));
}

TEST_F(DevicePortTest, LargeOutputIsSentWhole)
{
    QByteArray bytes(64 * 1024, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i) bytes[i] = char(i * 7);
    port.setPortOpen(true);
    QByteArray got;
    std::thread reader([&] { got = pty.Read(int(bytes.size()), 5000); });
    EXPECT_EQ(raisedNumber([&] { port.Output(bytes); }), 0);
    reader.join();
    EXPECT_EQ(got.size(), bytes.size());
    EXPECT_TRUE(got == bytes);
}

TEST_F(DevicePortTest, WaitForInputReturnsPromptlyWhenAByteArrives)
{
    port.setPortOpen(true);
    const auto start = Clock::now();
    std::thread writer([&] {
        std::this_thread::sleep_for(milliseconds(100));
        pty.Write("?");
    });
    const bool arrived = port.WaitForInput(3000);
    writer.join();
    EXPECT_TRUE(arrived);
    EXPECT_LT(elapsedMs(start), 1000);
    EXPECT_EQ(port.InBufferCount(), 1);

    // Already waiting: no wait at all.
    const auto again = Clock::now();
    EXPECT_TRUE(port.WaitForInput(3000));
    EXPECT_LT(elapsedMs(again), 50);
}

TEST_F(DevicePortTest, WaitForInputTimesOutWithoutBurningCpu)
{
    port.setPortOpen(true);
    const auto start = Clock::now();
    const long long cpuBefore = cpuMs();
    EXPECT_FALSE(port.WaitForInput(1000));
    const long long wall = elapsedMs(start);
    const long long cpu = cpuMs() - cpuBefore;
    EXPECT_GE(wall, 990);
    EXPECT_LT(wall, 1500);
    EXPECT_LT(cpu * 10, wall) << cpu << " ms of CPU in " << wall << " ms";
}

TEST_F(DevicePortTest, WaitForInputAfterHangupSleepsInsteadOfSpinning)
{
    port.setPortOpen(true);
    pty.CloseMaster();
    const auto start = Clock::now();
    const long long cpuBefore = cpuMs();
    EXPECT_FALSE(port.WaitForInput(300));
    const long long wall = elapsedMs(start);
    EXPECT_GE(wall, 290);
    EXPECT_LT((cpuMs() - cpuBefore) * 10, wall);
}

TEST_F(DevicePortTest, WaitForOutputEndsOnceTheBytesAreOut)
{
    port.setPortOpen(true);
    port.Output("hello");
    const auto start = Clock::now();
    EXPECT_TRUE(port.WaitForOutput(2000));
    EXPECT_LT(elapsedMs(start), 500);
    EXPECT_EQ(port.OutBufferCount(), 0);
    EXPECT_EQ(pty.Read(5, 2000), QByteArray("hello"));
}

TEST_F(DevicePortTest, DevicesThatCannotBeOpenedAreInvalidPortNumbers)
{
    for (const char* path : {"/nonexistent/ttyS0", "/dev/null"}) {
        SCOPED_TRACE(path);
        DevicePort other;
        other.SetDevicePath(QString::fromLatin1(path));
        EXPECT_EQ(raisedNumber([&] { other.setPortOpen(true); }), RuntimeError::InvalidPortNumber);
        EXPECT_FALSE(other.PortOpen());
    }
}

TEST_F(DevicePortTest, ADeviceInUseIsAlreadyOpen)
{
    port.setPortOpen(true);
    DevicePort other;
    other.SetDevicePath(pty.SlavePath());
    EXPECT_EQ(raisedNumber([&] { other.setPortOpen(true); }), RuntimeError::PortAlreadyOpen);
    EXPECT_FALSE(other.PortOpen());

    // The first keeps working, and the device is free again once it closes.
    port.Output("x");
    EXPECT_EQ(pty.Read(1, 2000), QByteArray("x"));
    port.setPortOpen(false);
    EXPECT_EQ(raisedNumber([&] { other.setPortOpen(true); }), 0);
}

TEST_F(DevicePortTest, ADeviceThisUserMayNotOpenIsPermissionDenied)
{
    const std::string raised = WithoutRights(pty.SlavePath()).Run([this] {
        return std::to_string(raisedNumber([&] { port.setPortOpen(true); })) + (port.PortOpen() ? " open" : " closed");
    });
    EXPECT_EQ(raised, std::to_string(RuntimeError::PermissionDenied) + " closed");
}

TEST_F(DevicePortTest, TheDeviceNamedIsTheExplicitOneElseThePortNumbers)
{
    EXPECT_EQ(port.DeviceName(), pty.SlavePath());
    DevicePort numbered;
    numbered.setCommPort(1);
    EXPECT_EQ(numbered.DeviceName(), PortMap::DevicePath(1));
}

TEST_F(DevicePortTest, OpeningAnOpenPortIsAlreadyOpen)
{
    port.setPortOpen(true);
    EXPECT_EQ(raisedNumber([&] { port.setPortOpen(true); }), RuntimeError::PortAlreadyOpen);
    EXPECT_TRUE(port.PortOpen());
    port.Output("y");
    EXPECT_EQ(pty.Read(1, 2000), QByteArray("y"));
}

TEST_F(DevicePortTest, DestroyingAnOpenPortReleasesTheDevice)
{
    {
        DevicePort first;
        first.SetDevicePath(pty.SlavePath());
        first.setPortOpen(true);
    }
    EXPECT_EQ(raisedNumber([&] { port.setPortOpen(true); }), 0);
}

TEST_F(DevicePortTest, InputAndOutputOnAClosedPortAreNotOpen)
{
    const std::pair<const char*, std::function<void()>> operations[] = {
        {"Input", [&] { port.Input(); }},
        {"Output", [&] { port.Output("z"); }},
    };
    for (const bool wasOpened : {false, true}) {
        if (wasOpened) {
            port.setPortOpen(true);
            port.setPortOpen(false);
        }
        for (const auto& [name, operation] : operations) {
            SCOPED_TRACE(testing::Message() << name << (wasOpened ? " after closing" : " before opening"));
            EXPECT_EQ(raisedNumber(operation), RuntimeError::PortNotOpen);
        }
    }
    // The polling callers must not hang on a port that never opened.
    EXPECT_EQ(port.InBufferCount(), 0);
    EXPECT_EQ(port.OutBufferCount(), 0);
    EXPECT_TRUE(port.WaitForOutput(1000));
}

} // namespace
