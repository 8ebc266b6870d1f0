#include "EchoPort.h"
#include "LibraryContext.h"
#include "RadioComm.h"
#include "RadioCommands.h"
#include "RecordingProgressView.h"
#include "RuntimeError.h"
#include "ScriptedPrompt.h"

#include "ContextFixture.h"

#include <gtest/gtest.h>

namespace {

class RadioCommandsTest : public ContextFixture {
protected:

    RadioComm radio{context};
    RadioCommands commands{radio};
    EchoPort port{clock};
};

TEST(RadioVersion, TwoHexDigitsOfByteTwo)
{
    const struct {
        QByteArray reply;
        const char* text;
    } cases[] = {{Bytes({0x00, 0x23}), "2.3"}, {Bytes({0x00, 0x1A}), "1.A"}, {Bytes({0x00, 0x05}), "0.5"},
                 {Bytes({0x00, 0x00}), "0.0"}, {Bytes({0x00, 0xFF}), "F.F"}, {QByteArray(), ""}};
    for (const auto& c : cases) EXPECT_EQ(RadioCommands::FormatRadioVersion(c.reply), c.text) << c.text;
}

TEST_F(RadioCommandsTest, RepliesWithoutTheirBytesAreErrorsNotValues)
{
    const struct {
        const char* name;
        QByteArray reply;
        std::function<void()> call;
    } cases[] = {
        {"a version reply without its version", Bytes({0x00, 0x0D}), [&] { commands.ReadRadioVersion(port); }},
        {"a load answered without a status", Bytes({0x03, 0x0D}),
         [&] { commands.SendStatusCommand(port, Bytes({0x03, 0x01})); }},
        {"a memory reply short of its data", Bytes({0x01, 0x00, 0x27, 0x0D}),
         [&] { commands.ReadBytes(port, 0x78, 3); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        port.replies.push_back(c.reply);
        EXPECT_EQ(RaisedNumber(c.call), RuntimeError::InvalidArgument);
    }
}

TEST_F(RadioCommandsTest, SerialNumberAndSignedBytes)
{
    port.replies.push_back(Bytes({0x01, 0x00, 0x0A, 0x0B, 0x0C, 0x0D}));
    EXPECT_EQ(commands.ReadRadioSerialNo(port), "0A0B0C");
    port.replies.push_back(Bytes({0x01, 0x00, 0xF0, 0x0D}));
    EXPECT_EQ(commands.ReadRadioTrimBase(port), -16);
    port.replies.push_back(Bytes({0x01, 0x00, 0x10, 0x11, 0x0D}));  // 0x10 comes stuffed
    EXPECT_EQ(commands.ReadRadioFreqTrim(port), 16);
    EXPECT_EQ(port.sent.right(6), Bytes({0x1B, 0x01, 0x4C, 0x01, 0x4C, 0x0D}));
}

}  // namespace
