#include "PexarFixture.h"

#include <QList>

namespace {

using PexarWrite = PexarFixture;

const QString unrecoverable = "Unrecoverable Error, Contact Orvane Sypheral for help";

// A configuration of the default simulated unit (serial number 123456).
RadioSetting ownUnit(const PexarModel& model)
{
    RadioSetting r;
    r.TXFreq = model.TXFreq;
    r.RXFreq = model.RXFreq;
    r.SerialNo = "123456";
    r.TrimAdjustable = true;
    r.TXFreqTrim = -16;
    r.TXDelay = 50;
    r.PowerAlarm = 2000;
    return r;
}

class PexarWriteTransmit : public PexarWrite {
protected:
    void SetUp() override
    {
        PexarWrite::SetUp();
        ClearConfiguration();
    }

    // Nothing of the configuration in the modem yet.
    void ClearConfiguration()
    {
        SetByte(0xE4, 0);
        SetWord(0xE5, 0);
        SetByte(0x86, 0x05);
        SetByte(0xF5, 0);
        SetByte(0xF8, 0x00);
        SetByte(0xF9, 0x10);  // 9600 baud: 50 ms is 60 characters of 8 bits
    }

    void ExpectFrequencyAndDelayWritten()
    {
        EXPECT_EQ(Byte(0xE4), model.SynthA2);
        EXPECT_EQ(Byte(0xE5) << 8 | Byte(0xE6), model.SynthN16);
        EXPECT_EQ(Byte(0xF5), 60);
    }
};

TEST_P(PexarWriteTransmit, TrimOnlyForTheSameAdjustableUnit)
{
    struct Case {
        const char* name;
        const char* serialNo;
        bool trimAdjustable;
        bool trimWritten;
    };
    const Case cases[] = {
        {"same unit", "123456", true, true},
        {"another unit", "654321", true, false},
        {"trim not adjustable", "123456", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearConfiguration();
        RadioSetting r = ownUnit(model);
        r.SerialNo = c.serialNo;
        r.TrimAdjustable = c.trimAdjustable;
        bool trimWritten = !c.trimWritten;

        ASSERT_TRUE(driver->WriteRadioSetting(port, r, 0, trimWritten));

        EXPECT_EQ(trimWritten, c.trimWritten);
        EXPECT_EQ(Byte(0x86), c.trimWritten ? 0xF0 : 0x05);
        ExpectFrequencyAndDelayWritten();
        // The power alarm is only ever read.
        EXPECT_EQ(Byte(0xF0), 0x30);
        EXPECT_TRUE(prompt.Boxes().isEmpty());
    }
}

TEST_P(PexarWriteTransmit, PowerLevelOnlyWhenAsked)
{
    struct Case {
        const char* name;
        bool writeTxPwr;
        bool powerHL;
        int before;
        int after;
    };
    const Case cases[] = {
        {"low", true, false, 0xFF, 0xBF},
        {"high", true, true, 0x00, 0x40},
        {"not asked, high", false, true, 0x00, 0x00},
        {"not asked, low", false, false, 0x40, 0x40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetByte(0xFB, c.before);
        RadioSetting r = ownUnit(model);
        r.WriteTxPwr = c.writeTxPwr;
        r.PowerHL = c.powerHL;
        bool trimWritten = false;

        ASSERT_TRUE(driver->WriteRadioSetting(port, r, 0, trimWritten));

        EXPECT_EQ(Byte(0xFB), c.after);
        ExpectFrequencyAndDelayWritten();
    }
}

TEST_P(PexarWriteTransmit, ProgressSteps)
{
    progress.SetValue(40);
    RadioSetting r = ownUnit(model);
    bool trimWritten = false;

    ASSERT_TRUE(driver->WriteRadioSetting(port, r, 0, trimWritten));

    EXPECT_EQ(progress.Values(), (QList<int>{40, 50, 60, 65}));
}

TEST_P(PexarWriteTransmit, SilentModemFails)
{
    modem.Profile().Faults.Silent = true;
    const int opens = port.Opens();
    RadioSetting r = ownUnit(model);
    bool trimWritten = false;

    EXPECT_FALSE(driver->WriteRadioSetting(port, r, 0, trimWritten));

    EXPECT_EQ(port.Opens(), opens + 1);
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(prompt.Texts(), (QStringList{"Error has occured error code: 1", unrecoverable}));
    for (const auto& box : prompt.Boxes()) {
        EXPECT_EQ(box.Title, "Radio Modem");
        EXPECT_EQ(box.Buttons, MsgButtons::OK);
    }
}

// The write is worked out before its first frame: a lead-in no byte holds
// leaves the modem as it was.
TEST_P(PexarWriteTransmit, DelayOverflowIsTrappedBeforeAnyWrite)
{
    RadioSetting r = ownUnit(model);
    r.TXFreq += 0.0125;
    r.TXFreqTrim = -16;
    r.TXDelay = 1000;  // 1200 characters: no byte holds that
    bool trimWritten = false;
    const int opens = port.Opens();
    const auto memory = Memory();
    const size_t sent = Commands().size();

    EXPECT_FALSE(driver->WriteRadioSetting(port, r, 0, trimWritten));

    EXPECT_EQ(prompt.Texts(), (QStringList{unrecoverable}));
    EXPECT_EQ(port.Opens(), opens + 1);
    EXPECT_EQ(Memory(), memory);
    for (const std::string& c : CommandsSince(sent)) EXPECT_NE(c.rfind("WN", 0), 0u) << c;
    EXPECT_TRUE(progress.Values().isEmpty());
}

TEST_P(PexarWrite, ReceiveSideWritesNothing)
{
    const auto memory = Memory();
    const size_t sent = Commands().size();
    RadioSetting r = ownUnit(model);
    r.WriteTxPwr = true;
    r.RXFreq = model.RXFreq + 1;
    bool trimWritten = false;

    ASSERT_TRUE(driver->WriteRadioSetting(port, r, 1, trimWritten));

    EXPECT_TRUE(trimWritten);
    EXPECT_EQ(CommandsSince(sent), std::vector<std::string>{});
    EXPECT_EQ(Memory(), memory);
    EXPECT_TRUE(progress.Values().isEmpty());
}

TEST_P(PexarWrite, LiveTuningSendsTheSynthesiserSettingOnly)
{
    struct Case {
        const char* name;
        bool (RadioDriver::*write)(double, SerialPort&);
        double freq;
    };
    // Both frequencies of the model come from the same synthesiser setting.
    const Case cases[] = {
        {"transmit", &RadioDriver::WriteTXFreq, model.TXFreq},
        {"receive", &RadioDriver::WriteRXFreq, model.RXFreq},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto memory = Memory();
        const size_t sent = Commands().size();

        EXPECT_TRUE(((*driver).*c.write)(c.freq, port));

        const auto commands = CommandsSince(sent);
        ASSERT_FALSE(commands.empty());
        EXPECT_EQ(commands.back(), model.SynthCommand);
        EXPECT_EQ(Memory(), memory);
        EXPECT_TRUE(prompt.Boxes().isEmpty());
    }
}

TEST_P(PexarWrite, PowerOperationsDoNothing)
{
    const auto memory = Memory();
    const size_t sent = Commands().size();
    const QByteArray wire = port.Sent();

    driver->WritePower(500, true, port);
    driver->WritePower(0, false, port);
    driver->TestPowerMode(true, port);
    driver->TestPowerMode(false, port);
    EXPECT_FALSE(driver->TXState(true, port));
    EXPECT_FALSE(driver->TXState(false, port));

    EXPECT_EQ(port.Sent(), wire);
    EXPECT_EQ(CommandsSince(sent), std::vector<std::string>{});
    EXPECT_EQ(Memory(), memory);
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, PexarWrite, ::testing::ValuesIn(PexarModels),
                         [](const auto& info) { return std::string(info.param.Name); });
INSTANTIATE_TEST_SUITE_P(BuiltIn, PexarWriteTransmit, ::testing::ValuesIn(PexarModels),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
