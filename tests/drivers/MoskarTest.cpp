#include "SynthRadioFixture.h"

namespace {

// Type 10: 928-960 MHz on 12500 Hz, FirstIF 45, SynthCtl 0x9C80, lock time 20,
// both band switches, the standard power curve.
class MoskarTest : public SynthRadioFixture {
protected:
    void SetUp() override
    {
        PlaceRadio(Side::Tx, "moskar", 0x31, 0x00);
        SetRadioBytes(Side::Tx, 0x41, {0x00, 0x12, 0x34});             // 0x42 is no reference divider here
        SetRadioBytes(Side::Tx, 0x45, {0xFD, 0x27, 0x01});             // TX 75521
        SetRadioBytes(Side::Tx, 0x4C, {0x05, 0x00, 61});
        SetRadioBytes(Side::Tx, 0x75, {20, 30});
        SetRadioBytes(Side::Tx, 0x78, {0x12, 0x34, 0x56});
        SetRadioBytes(Side::Tx, 0x7B, {0xFD, 15, 0x00, 0x00, 12});

        PlaceRadio(Side::Rx, "moskar", 0x05, 0x00);
        SetRadioBytes(Side::Rx, 0x41, {0x01, 0x18, 0xF1});  // RX 71921
        SetRadioBytes(Side::Rx, 0x4C, {0xF0});
        SetRadioBytes(Side::Rx, 0x75, {40, 50});
        SetRadioBytes(Side::Rx, 0x78, {0x00, 0x00, 0x07});
        SetRadioBytes(Side::Rx, 0x7B, {0x10, 20, 0x00, 0x00, 12});

        driver = Make<Moskar>(10);
    }

    static RadioSetting Record()
    {
        RadioSetting r;
        r.SerialNo = "123456";
        r.TrimAdjustable = true;
        r.TXFreq = 944.0125;
        r.RXFreq = 944.0125;
        r.TXFreqTrim = -10;
        r.RXFreqTrim = 12;
        r.txpower = 1000;
        r.WriteTxPwr = true;
        r.TXDelay = 100;
        return r;
    }

    std::unique_ptr<Opened<Moskar>> driver;
};

TEST_F(MoskarTest, TransmitReadAlsoTakesThePowerAlarm)
{
    Select(Side::Tx);
    RadioSetting r;
    r.RXFreq = 1.5;
    r.WriteTxPwr = true;
    EXPECT_TRUE(driver->ReadRadioSetting(port, r, 0));
    EXPECT_EQ(r.SerialNo, "123456");
    EXPECT_EQ(r.MaxTXPower, 7000);
    EXPECT_EQ(r.MinTXPower, 100);
    EXPECT_EQ(r.MinTCT, -17);
    EXPECT_EQ(r.MaxTCT, 228);
    EXPECT_EQ(r.TXTrimGain, 15);
    EXPECT_EQ(r.RadioType, 12);
    EXPECT_EQ(r.Firmware, "3.1");
    EXPECT_EQ(r.TXFreqTrim, 8);
    EXPECT_EQ(r.txpower, 990);
    EXPECT_DOUBLE_EQ(r.TXFreq, 944.0125);
    EXPECT_EQ(r.PowerAlarm, 1000);
    EXPECT_EQ(r.TXDelay, 50);
    EXPECT_FALSE(r.WriteTxPwr);
    EXPECT_TRUE(r.CanFreqTrim);
    EXPECT_TRUE(r.TrimAdjustable);
    EXPECT_EQ(r.RXFreq, 1.5);
    ExpectProgress({10, 20, 25});
    EXPECT_TRUE(TakeTexts().isEmpty());
    ExpectModemLink();
}

TEST_F(MoskarTest, ReceiveReadKeepsTheTablesChannelStep)
{
    Select(Side::Rx);
    RadioSetting r;
    r.TXFreq = 1.5;
    r.PowerAlarm = 777;
    r.TXDelay = 33;
    EXPECT_TRUE(driver->ReadRadioSetting(port, r, 1));
    EXPECT_EQ(r.SerialNo, "000007");
    EXPECT_EQ(r.MinTCT, -56);
    EXPECT_EQ(r.MaxTCT, 189);
    EXPECT_EQ(r.Firmware, "0.5");
    EXPECT_EQ(r.RadioType, 12);
    EXPECT_EQ(r.RXTrimGain, 20);
    EXPECT_EQ(r.RXFreqTrim, -32);
    EXPECT_DOUBLE_EQ(r.RXFreq, 944.0125);  // 71921 steps above the first IF
    EXPECT_EQ(driver->Spec().PhaseFreq, 12500);
    EXPECT_EQ(r.TXFreq, 1.5);
    EXPECT_EQ(r.PowerAlarm, 777);
    EXPECT_EQ(r.TXDelay, 33);
    ExpectProgress({10, 25});
    ExpectModemLink();
}

TEST_F(MoskarTest, TransmitWriteStoresBothDividersKeepingTheirOtherBits)
{
    auto narrow = Make<Moskar>(20);  // 6250 Hz: the transmit divider needs its 18th bit
    const struct {
        const char* name;
        Opened<Moskar>* driver;
        double freq;
        Bytes low;
        int high45Before, high45After, high41Before, high41After;
        int power;  // 1000 mW on the type's curve
        double step;
    } cases[] = {
        {"900 MHz", driver.get(), 944.0125, {0x27, 0x01}, 0xFC, 0xFD, 0xA8, 0xA9, 61, 12500},
        {"narrow band", narrow.get(), 899.00625, {0x31, 0xE1}, 0xFF, 0xFE, 0x01, 0x02, 60, 6250},  // 4.2 / 4.8
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        progress = RecordingProgressView();
        SetRadioBytes(Side::Tx, 0x41, {uint8_t(c.high41Before), 0, 0});
        SetRadioBytes(Side::Tx, 0x45, {uint8_t(c.high45Before), 0, 0});
        SetRadioBytes(Side::Tx, 0x4C, {0, 0, 0});
        const int finished = modem.FinishCount(Side::Tx);
        Select(Side::Tx);
        RadioSetting r = Record();
        r.TXFreq = c.freq;
        bool trimWritten = false;
        EXPECT_TRUE(c.driver->WriteRadioSetting(port, r, 0, trimWritten));
        EXPECT_EQ(RadioBytes(Side::Tx, 0x46, 2), c.low);
        EXPECT_EQ(RadioBytes(Side::Tx, 0x42, 2), c.low);
        EXPECT_EQ(RadioByte(Side::Tx, 0x45), c.high45After);
        EXPECT_EQ(RadioByte(Side::Tx, 0x41), c.high41After);
        EXPECT_TRUE(trimWritten);
        EXPECT_EQ(RadioByte(Side::Tx, 0x4C), 0xF3);
        EXPECT_EQ(RadioByte(Side::Tx, 0x4E), c.power);
        EXPECT_EQ(modem.FinishCount(Side::Tx), finished + 1);
        EXPECT_EQ(Byte(0xF5), 120);
        // Nothing measured: the table's step stays.
        EXPECT_EQ(c.driver->Spec().PhaseFreq, c.step);
        ExpectProgress({10, 20, 25});
        ExpectModemLink();
    }
}

TEST_F(MoskarTest, ReceiveWriteStoresOnlyTheReceiveDivider)
{
    SetRadioBytes(Side::Rx, 0x41, {0xFE});
    SetRadioBytes(Side::Rx, 0x45, {0xAA, 0xBB, 0xCC});
    SetRadioBytes(Side::Rx, 0x4E, {0x22});
    Select(Side::Rx);
    RadioSetting r = Record();
    r.SerialNo = "000007";
    bool trimWritten = false;
    EXPECT_TRUE(driver->WriteRadioSetting(port, r, 1, trimWritten));
    EXPECT_EQ(RadioBytes(Side::Rx, 0x42, 2), (Bytes{0x18, 0xF1}));
    EXPECT_EQ(RadioByte(Side::Rx, 0x41), 0xFD);
    EXPECT_EQ(RadioBytes(Side::Rx, 0x45, 3), (Bytes{0xAA, 0xBB, 0xCC}));
    EXPECT_TRUE(trimWritten);
    EXPECT_EQ(RadioByte(Side::Rx, 0x4C), 28);
    EXPECT_EQ(RadioByte(Side::Rx, 0x4E), 0x22);
    EXPECT_EQ(modem.FinishCount(Side::Rx), 1);
    EXPECT_EQ(Byte(0xF5), 60);
    EXPECT_EQ(driver->Spec().PhaseFreq, 12500);
    ExpectProgress({10, 20});
    ExpectModemLink();

    r.SerialNo = "123456";
    EXPECT_TRUE(driver->WriteRadioSetting(port, r, 1, trimWritten));
    EXPECT_FALSE(trimWritten);
}

TEST_F(MoskarTest, WriteThenReadGivesBackWhatWasWritten)
{
    RadioSetting w = Record();
    w.TXFreq = 959.9875;
    w.TXFreqTrim = 40;
    w.txpower = 990;
    w.TXDelay = 50;
    w.PowerAlarm = 1000;
    Select(Side::Tx);
    bool trimWritten = false;
    ASSERT_TRUE(driver->WriteRadioSetting(port, w, 0, trimWritten));
    RadioSetting r;
    ASSERT_TRUE(driver->ReadRadioSetting(port, r, 0));
    EXPECT_DOUBLE_EQ(r.TXFreq, 959.9875);
    EXPECT_EQ(r.TXFreqTrim, 40);
    EXPECT_EQ(r.txpower, 990);
    EXPECT_EQ(r.TXDelay, 50);

    w.SerialNo = "000007";
    w.RXFreq = 928.0125;
    w.RXFreqTrim = -60;
    Select(Side::Rx);
    ASSERT_TRUE(driver->WriteRadioSetting(port, w, 1, trimWritten));
    ASSERT_TRUE(driver->ReadRadioSetting(port, r, 1));
    EXPECT_DOUBLE_EQ(r.RXFreq, 928.0125);
    EXPECT_EQ(r.RXFreqTrim, -60);
    EXPECT_TRUE(TakeTexts().isEmpty());
}

TEST_F(MoskarTest, WriteTXFreqReportsSuccessWhenBit5IsClear)
{
    Select(Side::Tx);
    const struct {
        uint8_t status;
        bool locked;
    } cases[] = {{0x00, true}, {0x01, true}, {0xDF, true}, {0x20, false}, {0xFF, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.status));
        RadioOf(Side::Tx).LoadStatus = c.status;
        EXPECT_EQ(driver->WriteTXFreq(944.0125, port), c.locked);
        // 0x80 control, transmit 4, band switch 8, N bits 16-17; N 0x12701; lock time.
        EXPECT_EQ(modem.LastSynthLoad(Side::Tx), (Bytes{0x9C, 0x8D, 0x27, 0x01, 0x14}));
        ExpectModemLink();
    }
    auto narrow = Make<Moskar>(20);
    narrow->WriteTXFreq(899.00625, port);
    EXPECT_EQ(modem.LastSynthLoad(Side::Tx), (Bytes{0x9C, 0xAE, 0x31, 0xE1, 0x19}));
}

TEST_F(MoskarTest, WriteRXFreqLoadsTheReceiveSynthesiser)
{
    Select(Side::Rx);
    EXPECT_FALSE(driver->WriteRXFreq(944.0125, port));
    EXPECT_EQ(modem.LastSynthLoad(Side::Rx), (Bytes{0x9C, 0x89, 0x18, 0xF1, 0x14}));  // N 71921
    ExpectModemLink();
}

TEST_F(MoskarTest, TXStateLoadsTheMidBandDividerWhateverTurnOnSays)
{
    Select(Side::Tx);
    const struct {
        bool on;
        uint8_t status;
        bool result;
    } cases[] = {{true, 0x00, true}, {false, 0x00, true}, {true, 0x01, false}, {false, 0x20, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.on << " " << int(c.status));
        RadioOf(Side::Tx).LoadStatus = c.status;
        EXPECT_EQ(driver->TXState(c.on, port), c.result);
        // (928 + 960) / 2 = 944 MHz as 75520 steps, a receive load.
        EXPECT_EQ(modem.LastSynthLoad(Side::Tx), (Bytes{0x9C, 0x89, 0x27, 0x00, 0x14}));
        ExpectModemLink();
    }
    // The middle of the receive band, not of the transmit band: 940 MHz, 75200 steps.
    driver->spec().MinRXFreq = 930;
    driver->spec().MaxRXFreq = 950;
    driver->TXState(true, port);
    EXPECT_EQ(modem.LastSynthLoad(Side::Tx), (Bytes{0x9C, 0x89, 0x25, 0xC0, 0x14}));
}

TEST_F(MoskarTest, WritePowerRoundsAndOverflowsFrom255AndAHalf)
{
    Select(Side::Tx);
    const struct {
        int16_t mW;
        uint8_t byte;
    } cases[] = {{1000, 61}, {0, 0}, {5, 0}, {15422, 255}};  // 15422: 255.49
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mW);
        driver->WritePower(c.mW, true, port);
        EXPECT_EQ(modem.LastSetOutput(Side::Tx), (Bytes{0x03, c.byte}));
        ExpectModemLink();
    }
    // 15423 mW: 255.50, which does not round to a byte.
    try {
        driver->WritePower(15423, true, port);
        ADD_FAILURE() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), RuntimeError::Overflow);
    }
    EXPECT_EQ(modem.LastSetOutput(Side::Tx), (Bytes{0x03, 255}));
    EXPECT_EQ(port.Settings(), RadioLink);
    EXPECT_TRUE(TakeTexts().isEmpty());
}

}  // namespace
