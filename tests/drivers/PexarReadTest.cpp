#include "PexarFixture.h"

#include <QList>

namespace {

using PexarRead = PexarFixture;

// Values that a read must overwrite, or must leave as they are.
RadioSetting stale()
{
    RadioSetting r;
    r.RadioType = 99;
    r.Firmware = "9.9";
    r.TXFreq = 1.5;
    r.RXFreq = 2.5;
    r.TXFreqTrim = 3;
    r.RXFreqTrim = 4;
    r.TXTrimGain = 5;
    r.RXTrimGain = 6;
    r.MinTCT = 7;
    r.MaxTCT = 8;
    r.txpower = 9;
    r.TXDelay = 11;
    r.PowerAlarm = 12;
    r.SerialNo = "xxxxxx";
    r.WriteTxPwr = true;
    return r;
}

TEST_P(PexarRead, TransmitSide)
{
    struct Case {
        const char* name;
        int options;  // 0xFB: PowerHL is bit 6
        int trimByte;
        bool powerHL;
        int16_t trim;
    };
    const Case cases[] = {
        {"high power, negative trim", 0x40, 0xF0, true, -16},
        {"low power, positive trim", 0xBF, 0x0F, false, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetByte(0xF0, 48);  // 1000 mW without calibration
        SetByte(0xF5, 12);  // 12 characters at 9600 baud: 10 ms
        SetByte(0xF8, 0x00);
        SetByte(0xF9, 0x10);
        SetByte(0xFB, c.options);
        SetByte(0x86, c.trimByte);
        modem.SetMemory(0x9A, {0x65, 0x43, 0x21});
        progress.SetValue(40);
        const int before = progress.Values().size();

        RadioSetting r = stale();
        ASSERT_TRUE(driver->ReadRadioSetting(port, r, 0));

        EXPECT_DOUBLE_EQ(r.TXFreq, model.TXFreq);
        EXPECT_EQ(r.PowerAlarm, 1000);
        EXPECT_EQ(r.TXDelay, 10);
        EXPECT_EQ(r.PowerHL, c.powerHL);
        EXPECT_EQ(r.TXFreqTrim, c.trim);
        EXPECT_EQ(r.MinTCT, -16);
        EXPECT_EQ(r.MaxTCT, 15);
        EXPECT_EQ(r.TXTrimGain, 100);
        EXPECT_EQ(r.txpower, 0);
        EXPECT_EQ(r.RadioType, model.Type);
        EXPECT_EQ(r.Firmware, "2.0");
        EXPECT_EQ(r.SerialNo, "654321");
        EXPECT_FALSE(r.WriteTxPwr);
        EXPECT_TRUE(r.CanFreqTrim);
        EXPECT_TRUE(r.TrimAdjustable);
        // The receive side's own values are not the transmit read's business.
        EXPECT_EQ(r.RXFreq, 2.5);
        EXPECT_EQ(r.RXFreqTrim, 4);
        EXPECT_EQ(r.RXTrimGain, 6);
        EXPECT_EQ(progress.Values().mid(before), (QList<int>{50, 60, 65}));
        EXPECT_TRUE(prompt.Boxes().isEmpty());
    }
}

TEST_P(PexarRead, ReceiveSide)
{
    modem.SetMemory(0x9A, {0x65, 0x43, 0x21});
    SetByte(0x86, 0xF0);
    progress.SetValue(40);

    RadioSetting r = stale();
    ASSERT_TRUE(driver->ReadRadioSetting(port, r, 1));

    EXPECT_DOUBLE_EQ(r.RXFreq, model.RXFreq);
    EXPECT_EQ(r.RadioType, model.Type);
    EXPECT_EQ(r.Firmware, "2.0");
    EXPECT_EQ(r.MinTCT, -16);
    EXPECT_EQ(r.MaxTCT, 15);
    EXPECT_EQ(r.RXTrimGain, 100);
    EXPECT_EQ(r.SerialNo, "654321");
    EXPECT_FALSE(r.WriteTxPwr);
    EXPECT_TRUE(r.CanFreqTrim);
    EXPECT_TRUE(r.TrimAdjustable);
    // No receive trim location: the trim stays, and nothing of the transmit side is read.
    EXPECT_EQ(r.RXFreqTrim, 4);
    EXPECT_EQ(r.TXFreqTrim, 3);
    EXPECT_EQ(r.TXFreq, 1.5);
    EXPECT_EQ(r.TXDelay, 11);
    EXPECT_EQ(r.PowerAlarm, 12);
    EXPECT_EQ(r.TXTrimGain, 5);
    EXPECT_EQ(r.txpower, 9);
    EXPECT_EQ(progress.Values(), (QList<int>{40, 65}));
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

const QString unrecoverable = "Unrecoverable Error, Contact Orvane Sypheral for help";

TEST_P(PexarRead, SilentModemFailsEitherSide)
{
    for (int side : {0, 1}) {
        SCOPED_TRACE(side);
        prompt.Clear();
        modem.Profile().Faults.Silent = true;
        const int opens = port.Opens();

        RadioSetting r;
        EXPECT_FALSE(driver->ReadRadioSetting(port, r, side));

        EXPECT_EQ(port.Opens(), opens + 1);
        EXPECT_TRUE(port.PortOpen());
        ASSERT_EQ(prompt.Boxes().size(), 2);
        EXPECT_EQ(prompt.Texts(), (QStringList{"Error has occured error code: 1", unrecoverable}));
        for (const auto& box : prompt.Boxes()) {
            EXPECT_EQ(box.Title, "Radio Modem");
            EXPECT_EQ(box.Buttons, MsgButtons::OK);
        }
        modem.Profile().Faults.Silent = false;
    }
}

TEST_P(PexarRead, ErrorReplyMidReadStopsThere)
{
    // The power alarm read is refused after the frequency was read.
    modem.Profile().Faults.ErOn = "RN1F0";
    const int opens = port.Opens();

    RadioSetting r = stale();
    EXPECT_FALSE(driver->ReadRadioSetting(port, r, 0));

    EXPECT_DOUBLE_EQ(r.TXFreq, model.TXFreq);
    EXPECT_EQ(r.PowerAlarm, 12);
    EXPECT_EQ(progress.Values(), (QList<int>{10}));
    EXPECT_EQ(port.Opens(), opens + 1);
    EXPECT_EQ(prompt.Texts(), (QStringList{unrecoverable}));
}

TEST_P(PexarRead, ConversionOverflowIsTrapped)
{
    SetByte(0xF0, 200);  // beyond what the power alarm conversion holds

    RadioSetting r;
    EXPECT_FALSE(driver->ReadRadioSetting(port, r, 0));

    EXPECT_EQ(prompt.Texts(), (QStringList{unrecoverable}));
    ASSERT_EQ(prompt.Boxes().size(), 1);
    EXPECT_EQ(prompt.Boxes()[0].Title, "Radio Modem");
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, PexarRead, ::testing::ValuesIn(PexarModels),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
