#include "SynthRadioFixture.h"

namespace {

// Type 60: 216-225 MHz on 12500 Hz, FirstIF 21.4, lock time 10.
class RudvikTest : public SynthRadioFixture {
protected:
    void SetUp() override
    {
        PlaceRadio(Side::Tx, "rudvik", 0x12);
        SetRadioBytes(Side::Tx, 0x40, {0x12, 0x34});
        SetRadioBytes(Side::Tx, 0x45, {0xF9, 0x13, 0x81});  // B 275, A 1: 17601 steps
        SetRadioBytes(Side::Tx, 0x4C, {0x55, 0x00, 0x80});  // low power
        SetRadioBytes(Side::Tx, 0x78, {0x12, 0x34, 0x56});
        SetRadioBytes(Side::Tx, 0x7C, {15, 0x00, 0x00, 62});

        PlaceRadio(Side::Rx, "rudvik", 0x13);
        SetRadioBytes(Side::Rx, 0x42, {0x00, 0xF8, 0x11});  // B 248, A 17: 15889 steps
        SetRadioBytes(Side::Rx, 0x78, {0x0A, 0x0B, 0x0C});
        SetRadioBytes(Side::Rx, 0x7C, {20, 0x00, 0x00, 63});

        driver = Make<RudvikProbe>(60);
    }

    // Values a Rudvik read has no business with.
    static RadioSetting Sentinels()
    {
        RadioSetting r;
        r.TXFreq = r.RXFreq = 1.5;
        r.TXFreqTrim = r.RXFreqTrim = 77;
        r.TXTrimGain = r.RXTrimGain = 66;
        r.MinTCT = r.MaxTCT = 55;
        r.MaxTXPower = r.MinTXPower = 44;
        r.txpower = 500;
        r.TXDelay = 33;
        r.PowerAlarm = 777;
        r.CanFreqTrim = r.TrimAdjustable = r.WriteTxPwr = true;
        return r;
    }

    static RadioSetting Record(double txFreq, double rxFreq)
    {
        RadioSetting r;
        r.SerialNo = "654321";  // none of the radios: there is no trim to refuse
        r.TXFreq = txFreq;
        r.RXFreq = rxFreq;
        r.TXFreqTrim = r.RXFreqTrim = 9;
        r.PowerHL = true;
        r.WriteTxPwr = true;
        r.TXDelay = 100;
        return r;
    }

    std::unique_ptr<Opened<RudvikProbe>> driver;
};

TEST(RudvikSynthWord, ComputeSynthWordKeepsTheFractionalPart)
{
    const struct {
        double x, fraction;
    } cases[] = {{5000.25, 0.25}, {99.5, 0.5}, {0.75, 0.75}, {0, 0},
                 {100, 0}, {64.015625, 0.015625}, {4096.984375, 0.984375}};
    for (const auto& c : cases) EXPECT_EQ(RudvikProbe::ComputeSynthWord(c.x), c.fraction) << c.x;
}

TEST_F(RudvikTest, TransmitReadTakesCountersAndPowerSwitch)
{
    Select(Side::Tx);
    RadioSetting r = Sentinels();
    EXPECT_TRUE(driver->ReadRadioSetting(port, r, 0));
    EXPECT_EQ(r.SerialNo, "123456");
    EXPECT_EQ(r.TXTrimGain, 15);
    EXPECT_EQ(r.RadioType, 62);
    EXPECT_EQ(r.txpower, 0);
    EXPECT_FALSE(r.PowerHL);
    EXPECT_DOUBLE_EQ(r.TXFreq, 220.0125);
    EXPECT_EQ(r.Firmware, "1.2");
    EXPECT_EQ(r.PowerAlarm, 1000);
    EXPECT_EQ(r.TXDelay, 50);
    EXPECT_FALSE(r.WriteTxPwr);
    EXPECT_FALSE(r.CanFreqTrim);
    EXPECT_FALSE(r.TrimAdjustable);
    // No trims and no power range on this radio.
    EXPECT_EQ(r.MinTCT, 55);
    EXPECT_EQ(r.MaxTCT, 55);
    EXPECT_EQ(r.TXFreqTrim, 77);
    EXPECT_EQ(r.MinTXPower, 44);
    EXPECT_EQ(r.MaxTXPower, 44);
    EXPECT_EQ(r.RXFreq, 1.5);
    ExpectProgress({10, 20, 25});
    EXPECT_TRUE(TakeTexts().isEmpty());
    ExpectModemLink();
}

TEST_F(RudvikTest, PowerSwitchIsBit7OfThePowerByte)
{
    Select(Side::Tx);
    const struct {
        uint8_t byte;
        bool high;
    } cases[] = {{0x80, false}, {0x7F, true}, {0x00, true}, {0xFF, false}};
    for (const auto& c : cases) {
        SetRadioBytes(Side::Tx, 0x4E, {c.byte});
        RadioSetting r;
        r.PowerHL = !c.high;
        ASSERT_TRUE(driver->ReadRadioSetting(port, r, 0));
        EXPECT_EQ(r.PowerHL, c.high) << int(c.byte);
    }
}

TEST_F(RudvikTest, ReceiveReadTakesTheReceiveCountersAboveTheFirstIf)
{
    Select(Side::Rx);
    RadioSetting r = Sentinels();
    EXPECT_TRUE(driver->ReadRadioSetting(port, r, 1));
    EXPECT_EQ(r.SerialNo, "0A0B0C");
    EXPECT_EQ(r.RadioType, 63);
    EXPECT_EQ(r.Firmware, "1.3");
    EXPECT_DOUBLE_EQ(r.RXFreq, 15889 * 0.0125 + 21.4);
    EXPECT_FALSE(r.WriteTxPwr);
    EXPECT_FALSE(r.TrimAdjustable);
    // The trim gain is read only on a transmit radio.
    EXPECT_EQ(r.RXTrimGain, 66);
    EXPECT_EQ(r.RXFreqTrim, 77);
    EXPECT_EQ(r.TXFreq, 1.5);
    EXPECT_EQ(r.txpower, 500);
    EXPECT_EQ(r.TXDelay, 33);
    EXPECT_EQ(r.PowerAlarm, 777);
    EXPECT_EQ(driver->Spec().PhaseFreq, 12500);
    ExpectProgress({10, 25});
    ExpectModemLink();
}

TEST_F(RudvikTest, TransmitWriteStoresBothCounterPairs)
{
    const struct {
        const char* name;
        double freq;
        Bytes rx;  // 0x42-0x44
        Bytes tx;  // 0x45-0x47
    } cases[] = {
        {"N 4097", 4097 * 0.0125, {0x00, 0x40, 0x01}, {0x00, 0x40, 0x01}},
        {"220.0125 MHz", 220.0125, {0x01, 0x13, 0x01}, {0x01, 0x13, 0x01}},
        {"225 MHz", 225, {0x01, 0x19, 0x10}, {0x01, 0x19, 0x10}},  // 18000 = 64 x 281 + 16
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        progress = RecordingProgressView();
        SetRadioBytes(Side::Tx, 0x42, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        SetByte(0xF5, 0);
        const int finished = modem.FinishCount(Side::Tx);
        Select(Side::Tx);
        RadioSetting r = Record(c.freq, 0);
        bool trimWritten = false;
        EXPECT_TRUE(driver->WriteRadioSetting(port, r, 0, trimWritten));
        EXPECT_EQ(RadioBytes(Side::Tx, 0x42, 3), c.rx);
        EXPECT_EQ(RadioBytes(Side::Tx, 0x45, 3), c.tx);
        EXPECT_TRUE(trimWritten);
        EXPECT_EQ(RadioByte(Side::Tx, 0x4C), 0x55);
        EXPECT_EQ(RadioByte(Side::Tx, 0x4E), 0x00);  // high power over 0x80
        EXPECT_EQ(modem.FinishCount(Side::Tx), finished + 1);
        EXPECT_EQ(Byte(0xF5), 120);
        ExpectProgress({10, 20, 25});
        EXPECT_TRUE(TakeTexts().isEmpty());
        ExpectModemLink();
    }
}

TEST_F(RudvikTest, PowerSwitchIsWrittenOnlyWhenAsked)
{
    const struct {
        bool write, high;
        uint8_t before, after;
    } cases[] = {
        {true, true, 0xFF, 0x7F},
        {true, false, 0x45, 0xC5},
        {false, true, 0xFF, 0xFF},
        {false, false, 0x45, 0x45},
    };
    Select(Side::Tx);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.write << c.high);
        SetRadioBytes(Side::Tx, 0x4E, {c.before});
        RadioSetting r = Record(220.0125, 0);
        r.WriteTxPwr = c.write;
        r.PowerHL = c.high;
        bool trimWritten = false;
        EXPECT_TRUE(driver->WriteRadioSetting(port, r, 0, trimWritten));
        EXPECT_EQ(RadioByte(Side::Tx, 0x4E), c.after);
    }
}

TEST_F(RudvikTest, ReceiveWriteStoresOnlyTheReceiveCounters)
{
    SetRadioBytes(Side::Rx, 0x45, {0xAA, 0xBB, 0xCC});
    SetRadioBytes(Side::Rx, 0x4E, {0xFF});
    Select(Side::Rx);
    RadioSetting r = Record(220.0125, 4097 * 0.0125 + 21.4);
    bool trimWritten = false;
    EXPECT_TRUE(driver->WriteRadioSetting(port, r, 1, trimWritten));
    EXPECT_EQ(RadioBytes(Side::Rx, 0x42, 3), (Bytes{0x00, 0x40, 0x01}));  // B 64, A 1
    EXPECT_EQ(RadioBytes(Side::Rx, 0x45, 3), (Bytes{0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(RadioByte(Side::Rx, 0x4E), 0xFF);
    EXPECT_TRUE(trimWritten);
    EXPECT_EQ(modem.FinishCount(Side::Rx), 1);
    EXPECT_EQ(Byte(0xF5), 60);
    ExpectProgress({10, 20});
    ExpectModemLink();
}

TEST_F(RudvikTest, WriteThenReadGivesBackWhatWasWritten)
{
    Select(Side::Tx);
    RadioSetting w = Record(224.9875, 216.0125);
    w.PowerHL = false;
    w.TXDelay = 50;
    bool trimWritten = false;
    ASSERT_TRUE(driver->WriteRadioSetting(port, w, 0, trimWritten));
    RadioSetting r;
    ASSERT_TRUE(driver->ReadRadioSetting(port, r, 0));
    EXPECT_DOUBLE_EQ(r.TXFreq, 224.9875);
    EXPECT_FALSE(r.PowerHL);
    EXPECT_EQ(r.TXDelay, 50);

    Select(Side::Rx);
    ASSERT_TRUE(driver->WriteRadioSetting(port, w, 1, trimWritten));
    ASSERT_TRUE(driver->ReadRadioSetting(port, r, 1));
    EXPECT_DOUBLE_EQ(r.RXFreq, 216.0125);
    EXPECT_TRUE(TakeTexts().isEmpty());
}

TEST_F(RudvikTest, WriteRXFreqSendsTheDualModulusLoad)
{
    Select(Side::Rx);
    const struct {
        const char* name;
        Bytes word40;
        double freq;
        Bytes load;  // W high, W low, D (3 bytes), lock time
    } cases[] = {
        {"N 4097", {0x12, 0x34}, 4097 * 0.0125 + 21.4, {0x24, 0x69, 0x08, 0x00, 0x40, 0x0A}},
        {"220.0125 MHz", {0x01, 0x2C}, 220.0125, {0x02, 0x59, 0x1F, 0x04, 0x40, 0x0A}},  // B 248, A 17
        {"top bit of the word", {0x81, 0x2C}, 220.0125, {0x02, 0x59, 0x1F, 0x04, 0x40, 0x0A}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetRadioBytes(Side::Rx, 0x40, c.word40);
        const int64_t start = clock.NowMs();
        EXPECT_FALSE(driver->WriteRXFreq(c.freq, port));
        EXPECT_EQ(modem.LastSynthLoad(Side::Rx), c.load);
        // The links' settling waits only: no lock wait follows this load.
        EXPECT_LT(clock.NowMs() - start, 1000);
        ExpectModemLink();
    }
}

TEST_F(RudvikTest, MembersWithoutAJobLeaveThePortAlone)
{
    Select(Side::Tx);
    const int opens = port.Opens();
    const qsizetype sent = port.Sent().size();
    EXPECT_FALSE(driver->WriteTXFreq(220.0125, port));
    EXPECT_FALSE(driver->TXState(true, port));
    EXPECT_FALSE(driver->TXState(false, port));
    driver->WritePower(1000, true, port);
    driver->TestPowerMode(true, port);
    driver->TestPowerMode(false, port);
    EXPECT_EQ(port.Opens(), opens);
    EXPECT_EQ(port.Sent().size(), sent);
    EXPECT_EQ(RadioCommandCount(Side::Tx), 0u);
    ExpectModemLink();
}

}  // namespace

namespace {

TEST_F(RudvikTest, AChannelStepOfZeroFailsTheLoadInsteadOfHanging)
{
    Select(Side::Rx);
    for (double step : {0.0, 1e-300}) {
        SCOPED_TRACE(step);
        driver->spec().PhaseFreq = step;
        const size_t loads = RadioCommandCount(Side::Rx);
        try {
            driver->WriteRXFreq(222.5, port);
            ADD_FAILURE() << "no error was raised";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), step == 0 ? 11 : RuntimeError::Overflow);
        }
        EXPECT_EQ(RadioCommandCount(Side::Rx), loads + 1) << "only the reference word was read";
    }
}

}  // namespace
