#include "FakeClock.h"
#include "LibraryContext.h"
#include "RadioComm.h"
#include "RecordingProgressView.h"
#include "RuntimeError.h"
#include "ScriptedPrompt.h"
#include "EchoPort.h"
#include "SerialPort.h"

#include "ContextFixture.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

class RadioCommTest : public ContextFixture {
protected:

    RadioComm radio{context};
    EchoPort port{clock};
};

TEST(RadioFraming, ChecksumAndStuffing)
{
    EXPECT_EQ(RadioComm::AppendRadioChecksum(QByteArray()), Bytes({0x00}));
    EXPECT_EQ(RadioComm::AppendRadioChecksum(Bytes({0x01, 0x78, 0x03})), Bytes({0x01, 0x78, 0x03, 0x7A}));
    const QByteArray plain = Bytes({0x0D, 0x10, 0x1B, 0x41});
    const QByteArray stuffed = Bytes({0x10, 0x0E, 0x10, 0x11, 0x10, 0x1C, 0x41});
    EXPECT_EQ(RadioComm::StuffRadioFrame(plain), stuffed);
    EXPECT_EQ(RadioComm::UnstuffRadioFrame(stuffed), plain);
    EXPECT_EQ(RadioComm::UnstuffRadioFrame(Bytes({0x10, 0x41})), Bytes({0x41}));
    EXPECT_EQ(RadioComm::UnstuffRadioFrame(Bytes({0x41, 0x10, 0x10, 0x42})), Bytes({0x41, 0x10, 0x42}));
    try {
        RadioComm::UnstuffRadioFrame(Bytes({0x41, 0x10}));
        ADD_FAILURE() << "a lone DLE at the end";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), RuntimeError::InvalidArgument);
    }
}

TEST_F(RadioCommTest, FramesOnTheWire)
{
    const struct {
        const char* name;
        QByteArray command;
        QByteArray wire;
    } cases[] = {
        {"version", Bytes({0x00}), Bytes({0x1B, 0x00, 0x00, 0x0D})},
        {"read three at 0x78", Bytes({0x01, 0x78, 0x03}), Bytes({0x1B, 0x01, 0x78, 0x03, 0x7A, 0x0D})},
        {"write 0x0D to 0x4E", Bytes({0x02, 0x4E, 0x0D}), Bytes({0x1B, 0x02, 0x4E, 0x10, 0x0E, 0x41, 0x0D})},
        {"checksum that needs stuffing", Bytes({0x02, 0x0F}), Bytes({0x1B, 0x02, 0x0F, 0x10, 0x0E, 0x0D})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.sent.clear();
        port.replies.push_back(Bytes({0x00, 0x23, 0x0D}));
        EXPECT_EQ(radio.SendRadioCommand(c.command, port), Bytes({0x00, 0x23}));
        EXPECT_EQ(port.sent, c.wire);
        EXPECT_EQ(radio.RadioErrorCode, 0);
    }
    EXPECT_EQ(port.outputDiscards, 4) << "pending output is dropped before each frame";
}

TEST_F(RadioCommTest, TheReplyIsUnstuffed)
{
    port.replies.push_back(Bytes({0x01, 0x00, 0x10, 0x0E, 0x10, 0x1C, 0x0D}));
    EXPECT_EQ(radio.SendRadioCommand(Bytes({0x01, 0x4C, 0x02}), port), Bytes({0x01, 0x00, 0x0D, 0x1B}));
}

TEST_F(RadioCommTest, EchoFailures)
{
    const struct {
        const char* name;
        qsizetype wrongEchoAt;
        bool escWithoutCr;
        QByteArray stale;
        qsizetype bytesSent;  // where the exchange stopped
    } cases[] = {
        {"a data byte echoed wrong", 3, false, {}, 3},
        {"ESC echoed without CR", -1, true, {}, 1},
        {"a stale byte taken as the echo", -1, false, Bytes({0x55}), 1},
        // A stale ESC CR passes for the first echo, and the real one then fails the next byte.
        {"a stale ESC CR", -1, false, Bytes({0x1B, 0x0D}), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.setInBufferCount(0);
        port.sent.clear();
        port.wrongEchoAt = c.wrongEchoAt;
        port.escWithoutCr = c.escWithoutCr;
        port.Feed(c.stale);
        port.replies.push_back(Bytes({0x00, 0x10, 0x0D}));
        EXPECT_EQ(RaisedNumber([&] { radio.SendRadioCommand(Bytes({0x01, 0x7F, 0x01}), port); }), 68);
        EXPECT_EQ(radio.RadioErrorCode, RadioComm::BadEcho);
        EXPECT_EQ(port.sent.size(), c.bytesSent);
        port.replies.clear();
    }
}

TEST_F(RadioCommTest, ARadioThatNeverEndsItsReplyTimesOutASecondAfterItsLastByte)
{
    port.replies.push_back(Bytes({0x01, 0x00, 0x42}));
    int64_t start = clock.NowMs();
    EXPECT_EQ(RaisedNumber([&] { radio.SendRadioCommand(Bytes({0x00}), port); }), 68);
    EXPECT_EQ(radio.RadioErrorCode, RadioComm::Timeout);
    EXPECT_EQ(clock.NowMs() - start, 1000);

    // No echo at all: the first byte fails.
    class DeafPort : public EchoPort {
    public:
        using EchoPort::EchoPort;
        void Output(const QByteArray& data) override { sent.append(data); }
    } deaf{clock};
    start = clock.NowMs();
    EXPECT_EQ(RaisedNumber([&] { radio.SendRadioCommand(Bytes({0x00}), deaf); }), 68);
    EXPECT_EQ(radio.RadioErrorCode, RadioComm::Timeout);
    EXPECT_EQ(deaf.sent, Bytes({0x1B}));
    EXPECT_EQ(clock.NowMs() - start, 1000);
}

TEST_F(RadioCommTest, AReplyWithoutEndEndsAsATimeOut)
{
    const QByteArray command = Bytes({0x01, 0x7F, 0x01});
    const QByteArray frame = Bytes({0x1B, 0x01, 0x7F, 0x01, 0x7F, 0x0D});
    const struct {
        const char* name;
        QByteArray pattern;
        int intervalMs;
        int64_t endsAtMs;  // after the frame's last echo
    } cases[] = {
        // About one byte every 8 ms at 1200 baud.
        {"noise at the line rate", Bytes({0x55, 0xAA, 0x00, 0xFF, 0x1B, 0x10}), 8, 8 * (RadioComm::MaxReplyLength + 1)},
        {"a trickle inside the byte time-out", "x", 900, RadioComm::ReplyLimitMs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.sent.clear();
        port.NoiseOnCr(c.pattern, c.intervalMs);
        const int64_t start = clock.NowMs();
        EXPECT_EQ(RaisedNumber([&] { radio.SendRadioCommand(command, port); }), 68);
        EXPECT_EQ(radio.RadioErrorCode, RadioComm::Timeout);
        EXPECT_EQ(port.sent, frame) << "every byte of the frame was sent and echoed";
        EXPECT_EQ(clock.NowMs() - start, c.endsAtMs);
    }
}

TEST_F(RadioCommTest, AReplyLongerThanAnyRadioSendsEndsAsATimeOut)
{
    const struct {
        const char* name;
        int length;
        int error;
    } cases[] = {
        {"the longest a reply may be", RadioComm::MaxReplyLength, 0},
        {"one byte more", RadioComm::MaxReplyLength + 1, 68},
        {"far longer than any", 100000, 68},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.setInBufferCount(0);
        const QByteArray reply(c.length, 'A');
        port.replies.push_back(reply + '\r');
        QByteArray got;
        EXPECT_EQ(RaisedNumber([&] { got = radio.SendRadioCommand(Bytes({0x00}), port); }), c.error);
        EXPECT_EQ(radio.RadioErrorCode, c.error ? RadioComm::Timeout : RadioComm::NoError);
        if (c.error == 0) {
            EXPECT_EQ(got, reply);
        }
    }
}

TEST_F(RadioCommTest, OpeningSetsTheRadioLineAndSettlesHalfASecond)
{
    port.setPortOpen(false);
    const int64_t start = clock.NowMs();
    radio.OpenRadioPort(port);
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(port.Settings(), "1200,N,8,1");
    EXPECT_EQ(port.InputMode(), SerialPort::Binary);
    EXPECT_EQ(port.InputLen(), 1);
    EXPECT_TRUE(port.DTREnable());
    EXPECT_FALSE(port.RTSEnable());
    EXPECT_GE(clock.NowMs() - start, 500);
    EXPECT_LT(clock.NowMs() - start, 510);
    EXPECT_GT(clock.EventPasses(), 0);
    EXPECT_EQ(radio.RadioErrorCode, 0);
}

TEST_F(RadioCommTest, APortThatCannotBeOpenedIsReportedNotRaised)
{
    class MissingPort : public EchoPort {
    public:
        using EchoPort::EchoPort;
        void setPortOpen(bool open) override
        {
            if (open) throw RuntimeError(RuntimeError::InvalidPortNumber, "Invalid port number");
        }
    } missing{clock};
    missing.setCommPort(3);
    radio.OpenRadioPort(missing);
    EXPECT_EQ(radio.RadioErrorCode, RadioComm::PortNotOpened);
    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes().front().Title, "Comm Port Error");
    EXPECT_EQ(prompt.Boxes().front().Text,
              "Serial Port 3 could not be opened.\nPlease check port number in options menu,\nor the command line.");
    EXPECT_EQ(prompt.Boxes().front().Icon, MsgIcon::Exclamation);
}

TEST_F(RadioCommTest, AbortSendsOneEsc)
{
    radio.SendRadioAbort(port);
    EXPECT_EQ(port.sent, Bytes({0x1B}));
}

}  // namespace
