#include "FakeClock.h"
#include "LibraryContext.h"
#include "ModemComm.h"
#include "RecordingProgressView.h"
#include "RuntimeError.h"
#include "ScriptedPort.h"
#include "ScriptedPrompt.h"
#include "VbNumbers.h"

#include "ContextFixture.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Esc("\x1b");

class ModemCommTest : public ContextFixture {
protected:
    ModemCommTest()
    {
        port.setPortOpen(true);
        port.setInputLen(1);
    }


    ModemComm comm{context};
    ScriptedPort port{clock};
};

TEST(ModemChecksum, AppendsTwoUpperCaseHexDigitsOfTheXor)
{
    const struct {
        const char* text;
        const char* framed;
    } cases[] = {{"SV", "SV05"}, {"ST", "ST07"}, {"SR", "SR01"}, {"", "00"}, {"RN1FA01", "RN1FA012B"}};
    for (const auto& c : cases)
        EXPECT_EQ(ModemComm::AppendModemChecksum(QString::fromLatin1(c.text)), QString::fromLatin1(c.framed)) << c.text;
}

TEST(ModemChecksum, HexByteHasTwoDigitsAndRefusesWhatIsNotAByte)
{
    EXPECT_EQ(vb::HexByte(10), "0A");
    EXPECT_EQ(vb::HexByte(255), "FF");
    EXPECT_EQ(vb::HexByte(0), "00");
    for (int bad : {-1, 256}) {
        try {
            vb::HexByte(bad);
            ADD_FAILURE() << bad;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), RuntimeError::Overflow);
        }
    }
}

TEST_F(ModemCommTest, SendFramesTheCommandAndReturnsTheBodyOfTheReply)
{
    port.ReplyOnCr(ScriptedPort::Framed("SV:VA3.1"));
    EXPECT_EQ(comm.SendModemCommand("SV", port), "SV:VA3.1");
    EXPECT_EQ(port.Sent(), Esc + "SV05\r");
    EXPECT_EQ(comm.ModemErrorCode, 0);
}

TEST_F(ModemCommTest, RepliesThatFailTheExchange)
{
    const QByteArray good = ScriptedPort::Framed("RN:FA,0A");  // checksum 7C
    QByteArray lowerCase = good;
    lowerCase.replace(good.size() - 3, 2, good.mid(good.size() - 3, 2).toLower());
    ASSERT_NE(lowerCase, good) << "the checksum must hold a letter for this case";

    const struct {
        const char* name;
        QByteArray reply;
        int code;
        int error;
    } cases[] = {
        {"checksum in lower case", lowerCase, ModemComm::BadChecksum, 68},
        {"checksum of another body", "RN:FA,0B7C\r", ModemComm::BadChecksum, 68},
        {"ER", ScriptedPort::Framed("ER"), ModemComm::UnexpectedReply, 68},
        {"ERR", ScriptedPort::Framed("ERR"), ModemComm::UnexpectedReply, 68},
        {"too short for a checksum", "X\r", ModemComm::BadChecksum, 68},
        {"silence", "", ModemComm::Timeout, 0},
        {"cut off before CR", "RN:FA,0A7C", ModemComm::Timeout, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.setInBufferCount(0);
        port.ReplyOnCr(c.reply);
        QString body = "unset";
        EXPECT_EQ(RaisedNumber([&] { body = comm.SendModemCommand("RN1FA01", port); }), c.error);
        EXPECT_EQ(comm.ModemErrorCode, c.code);
        if (c.error == 0) {
            EXPECT_EQ(body, "");
        }
    }
}

TEST_F(ModemCommTest, AReplyWithoutEndEndsAsATimeOut)
{
    // What streams on the line after the command; it never sends a CR.
    const struct {
        const char* name;
        QByteArray pattern;
        int intervalMs;
        int64_t endsAtMs;  // after the command went out
    } cases[] = {
        {"an endless line of text", "$GPGGA,123519,4807.038,N,01131.000,E", 1, ModemComm::MaxReplyLength + 1},
        {"a NUL flood", QByteArray(1, '\0'), 1, ModemComm::MaxReplyLength + 1},
        {"prompts for ever", "?", 200, ModemComm::ReplyLimitMs},
        {"a trickle inside the character time-out", "x", 900, ModemComm::ReplyLimitMs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.setInBufferCount(0);
        port.StreamOnCr(c.pattern, c.intervalMs);
        const int64_t start = clock.NowMs();
        QString body = "unset";
        EXPECT_EQ(RaisedNumber([&] { body = comm.SendModemCommand("SV", port); }), 0);
        EXPECT_EQ(comm.ModemErrorCode, ModemComm::Timeout);
        EXPECT_EQ(body, "");
        EXPECT_EQ(clock.NowMs() - start, c.endsAtMs);
    }
}

TEST_F(ModemCommTest, AReplyLongerThanAnyTheModemSendsEndsAsATimeOut)
{
    const struct {
        const char* name;
        int bodyLength;
        int code;
    } cases[] = {
        {"the longest a reply may be", ModemComm::MaxReplyLength - 2, ModemComm::NoError},
        {"one character more", ModemComm::MaxReplyLength - 1, ModemComm::Timeout},
        {"far longer than any", 100000, ModemComm::Timeout},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.setInBufferCount(0);
        const QByteArray body = "RN:00" + QByteArray(c.bodyLength - 5, 'A');
        port.ReplyOnCr(ScriptedPort::Framed(body));
        const int64_t start = clock.NowMs();
        const QString reply = comm.SendModemCommand("RN10001", port);
        EXPECT_EQ(comm.ModemErrorCode, c.code);
        EXPECT_EQ(reply, c.code == 0 ? QString::fromLatin1(body) : QString());
        EXPECT_EQ(clock.NowMs() - start, 0) << "a reply already there is read without waiting";
    }
}

TEST_F(ModemCommTest, ASlowReplyThatEndsInTimePasses)
{
    // Every character takes half its second; the whole reply stays inside the limit.
    class SlowPort : public ScriptedPort {
    public:
        explicit SlowPort(FakeClock& clock) : ScriptedPort(clock), clock_(clock) {}
        void Output(const QByteArray& data) override
        {
            ScriptedPort::Output(data);
            if (data.endsWith('\r')) pending_ = ScriptedPort::Framed("SR");
        }
        bool WaitForInput(int ms) override
        {
            if (InBufferCount() == 0 && !pending_.isEmpty() && ms >= 500) {
                clock_.Advance(500);
                Feed(pending_.left(1));
                pending_.remove(0, 1);
            }
            return ScriptedPort::WaitForInput(ms);
        }

    private:
        FakeClock& clock_;
        QByteArray pending_;
    } slow{clock};
    slow.setPortOpen(true);
    slow.setInputLen(1);
    const int64_t start = clock.NowMs();
    EXPECT_EQ(comm.SendModemCommand("SR", slow), "SR");
    EXPECT_EQ(comm.ModemErrorCode, 0);
    EXPECT_EQ(clock.NowMs() - start, 5 * 500) << "S, R, two checksum digits and the CR";
}

TEST_F(ModemCommTest, ACharacterTimesOutAfterOneSecond)
{
    const int64_t start = clock.NowMs();
    EXPECT_EQ(comm.ReadModemChar(port), "0");
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::Timeout);
    EXPECT_EQ(clock.NowMs() - start, 1000);

    port.Feed("A");
    EXPECT_EQ(comm.ReadModemChar(port), "A");
    EXPECT_EQ(comm.ModemErrorCode, 0);
}

TEST_F(ModemCommTest, CommandModeNeedsThePromptAndSendsTheAccessCode)
{
    port.Feed("?");  // stale input is dropped first
    port.ReplyOnCr("answer to the code");
    comm.EnterModemCommandMode(port);
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::NoPrompt);
    EXPECT_TRUE(port.Sent().isEmpty());

    port.setInBufferCount(0);
    comm.EnterModemCommandMode(port);
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::NoPrompt) << "no character at all";
    EXPECT_TRUE(port.Sent().isEmpty());
}

TEST_F(ModemCommTest, CommandModeEntryWaitsASecondAndDropsTheModemsAnswer)
{
    // The prompt arrives after the buffer has been cleared.
    class PromptingPort : public ScriptedPort {
    public:
        using ScriptedPort::ScriptedPort;
        bool WaitForInput(int ms) override
        {
            if (InBufferCount() == 0) Feed("?");
            return ScriptedPort::WaitForInput(ms);
        }
    } prompting{clock};
    prompting.setPortOpen(true);
    prompting.setInputLen(1);
    prompting.ReplyOnCr("OK\r");
    const int64_t start = clock.NowMs();
    comm.EnterModemCommandMode(prompting);
    EXPECT_EQ(comm.ModemErrorCode, 0);
    EXPECT_EQ(prompting.Sent(), "t]u[a\r\r");
    EXPECT_EQ(prompting.InBufferCount(), 0);
    EXPECT_GE(clock.NowMs() - start, 1000);
    EXPECT_EQ(clock.EventPasses(), 0) << "the wait does not let window events through";
}

TEST_F(ModemCommTest, OpeningSetsTheModemLineAndSettlesWithEvents)
{
    port.setPortOpen(false);
    port.setSettings("1200,N,8,1");
    port.setInputMode(1);
    port.setDTREnable(true);
    port.setRTSEnable(true);
    const int64_t start = clock.NowMs();
    comm.OpenModemPort(port);
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(port.Settings(), "9600,N,8,1");
    EXPECT_EQ(port.InputMode(), 0);
    EXPECT_EQ(port.InputLen(), 1);
    EXPECT_FALSE(port.DTREnable());
    EXPECT_FALSE(port.RTSEnable());
    EXPECT_GE(clock.NowMs() - start, 250);
    EXPECT_LT(clock.NowMs() - start, 260);
    EXPECT_GT(clock.EventPasses(), 0);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(ModemCommTest, APortThatCannotBeOpenedIsReportedNotRaised)
{
    class MissingPort : public ScriptedPort {
    public:
        using ScriptedPort::ScriptedPort;
        void setPortOpen(bool open) override
        {
            if (open) throw RuntimeError(RuntimeError::InvalidPortNumber, "Invalid port number");
        }
    } missing{clock};
    missing.setCommPort(7);
    comm.OpenModemPort(missing);
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::PortNotOpened);
    ASSERT_EQ(prompt.Boxes().size(), 1);
    const auto& box = prompt.Boxes().front();
    EXPECT_EQ(box.Title, "Comm Port Error");
    EXPECT_EQ(box.Text, "Serial Port 7 could not be opened.\nPlease check port number in options menu,\nor the command line.");
    EXPECT_EQ(box.Icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.Buttons, MsgButtons::OK);
}

TEST_F(ModemCommTest, RadioSelection)
{
    port.ReplyOnCr(ScriptedPort::Framed("ST"));
    comm.SelectTxRadio(port);
    EXPECT_EQ(comm.ModemErrorCode, 0);
    EXPECT_EQ(port.Sent(), Esc + "ST07\r");

    port.ReplyOnCr(ScriptedPort::Framed("SR"));
    comm.SelectRxRadio(port);
    EXPECT_EQ(comm.ModemErrorCode, 0);

    port.ReplyOnCr(ScriptedPort::Framed("SX"));
    EXPECT_EQ(RaisedNumber([&] { comm.SelectTxRadio(port); }), 0);
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::UnexpectedReply);

    port.ReplyOnCr(ScriptedPort::Framed("SX"));
    EXPECT_EQ(RaisedNumber([&] { comm.SelectRxRadio(port); }), 68);
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::UnexpectedReply);
}

TEST_F(ModemCommTest, ReadingMemoryChecksTheAcknowledgementAndStripsCommas)
{
    port.ReplyOnCr(ScriptedPort::Framed("RN:E2,03,C0"));
    EXPECT_EQ(comm.ReadModemParameter(0xE2, 2, port), "03C0");
    EXPECT_TRUE(port.Sent().endsWith(Esc + ModemComm::AppendModemChecksum("RN1E202").toLatin1() + "\r"));

    port.ReplyOnCr(ScriptedPort::Framed("RN:FB,12"));
    EXPECT_EQ(RaisedNumber([&] { comm.ReadModemParameter(0xFA, 1, port); }), 68);
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::UnexpectedReply);
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << "a wrong acknowledgement shows no message";

    EXPECT_EQ(RaisedNumber([&] { comm.ReadModemParameter(256, 1, port); }), RuntimeError::Overflow);
}

TEST_F(ModemCommTest, ATimedOutReadShowsItsCodeAndRaises)
{
    port.ReplyOnCr("");
    EXPECT_EQ(RaisedNumber([&] { comm.ReadModemParameter(0xFA, 1, port); }), 68);
    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes().front().Text, "Error has occured error code: 1");
    EXPECT_EQ(prompt.Boxes().front().Title, "Radio Modem");
}

TEST_F(ModemCommTest, AWrongWriteAcknowledgementIsLeftForTheNextCheck)
{
    port.ReplyOnCr(ScriptedPort::Framed("WX"));
    EXPECT_EQ(RaisedNumber([&] { comm.WriteModemParameter(0xF6, "05", port); }), 0);
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::UnexpectedReply);
    EXPECT_EQ(port.Sent(), Esc + ModemComm::AppendModemChecksum("WN1F605").toLatin1() + "\r");
    EXPECT_EQ(RaisedNumber([&] { comm.CheckModemError(); }), 68);
    EXPECT_EQ(prompt.Texts(), QStringList{"Error has occured error code: 4"});
}

TEST_F(ModemCommTest, ClosingClosesOnlyAnOpenPort)
{
    comm.CloseModemPort(port);
    EXPECT_FALSE(port.PortOpen());
    comm.CloseModemPort(port);
    EXPECT_FALSE(port.PortOpen());
}

}  // namespace
