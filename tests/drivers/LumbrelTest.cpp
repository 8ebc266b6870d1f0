#include "SynthRadioFixture.h"

namespace {

// Type 50: 403-430 MHz, 6250 Hz in the radio table, the standard power curve
// (4.4, 5.0). Both radios carry a reference divider of 1024, a 12500 Hz step
// once measured.
class LumbrelTest : public SynthRadioFixture {
protected:
    void SetUp() override
    {
        PlaceRadio(Side::Tx, "lumbrel", 0x23);
        SetRadioBytes(Side::Tx, 0x41, {0xF1, 0x04, 0x00, 0x06, 0x81, 0x06, 0x81});  // TX and RX 67201
        SetRadioBytes(Side::Tx, 0x4C, {0x05, 0x00, 61});                            // trim, power byte
        SetRadioBytes(Side::Tx, 0x75, {20, 30});
        SetRadioBytes(Side::Tx, 0x78, {0x12, 0x34, 0x56});
        SetRadioBytes(Side::Tx, 0x7B, {0xFD, 15, 0x00, 0x00, 50});  // trim base -3, gain 15, type 50

        PlaceRadio(Side::Rx, "lumbrel", 0x1A);
        SetRadioBytes(Side::Rx, 0x41, {0x01, 0x04, 0x00, 0x76, 0xC1});  // RX 30401, TX bit 16 set
        SetRadioBytes(Side::Rx, 0x4C, {0xF0});
        SetRadioBytes(Side::Rx, 0x75, {40, 50});
        SetRadioBytes(Side::Rx, 0x78, {0x0A, 0x0B, 0x0C});
        SetRadioBytes(Side::Rx, 0x7B, {0x10, 20, 0x00, 0x00, 50});  // trim base 16, gain 20

        driver = Make<Lumbrel>(50);
        ASSERT_EQ(driver->Spec().PhaseFreq, 6250);
    }

    // What the modem driver hands over: last read's values where a read would
    // fill nothing.
    static RadioSetting Sentinels()
    {
        RadioSetting r;
        r.TXFreq = r.RXFreq = 1.5;
        r.TXFreqTrim = r.RXFreqTrim = 77;
        r.TXTrimGain = r.RXTrimGain = 66;
        r.MinTCT = r.MaxTCT = 55;
        r.MaxTXPower = r.MinTXPower = 44;
        r.TXDelay = 33;
        r.PowerAlarm = 777;
        r.WriteTxPwr = true;
        return r;
    }

    // A write of the transmit radio's whole share: everything enabled.
    static RadioSetting TransmitRecord(double freq)
    {
        RadioSetting r;
        r.SerialNo = "123456";
        r.TrimAdjustable = true;
        r.TXFreq = freq;
        r.TXFreqTrim = -10;
        r.txpower = 1000;
        r.WriteTxPwr = true;
        r.TXDelay = 100;
        return r;
    }

    std::unique_ptr<Opened<Lumbrel>> driver;
};

TEST_F(LumbrelTest, TransmitReadTakesEveryFieldFromTheRadioAndTheModem)
{
    Select(Side::Tx);
    RadioSetting r = Sentinels();
    EXPECT_TRUE(driver->ReadRadioSetting(port, r, 0));

    EXPECT_EQ(r.SerialNo, "123456");
    EXPECT_EQ(r.MaxTXPower, 7000);
    EXPECT_EQ(r.MinTXPower, 100);
    EXPECT_EQ(r.MinTCT, -17);   // -(trim base + 20)
    EXPECT_EQ(r.MaxTCT, 228);   // 255 - 30 - trim base
    EXPECT_EQ(r.TXTrimGain, 15);
    EXPECT_EQ(r.RadioType, 50);
    EXPECT_EQ(r.TXFreqTrim, 8);  // stored 5 less the trim base
    EXPECT_EQ(r.txpower, 990);   // (61 + 5)^2 / 4.4
    // Divider 67201 on the table's step: this read does not measure it.
    EXPECT_DOUBLE_EQ(r.TXFreq, 420.00625);
    EXPECT_EQ(driver->Spec().PhaseFreq, 6250);
    EXPECT_EQ(r.Firmware, "2.3");
    EXPECT_EQ(r.TXDelay, 50);
    EXPECT_FALSE(r.WriteTxPwr);
    EXPECT_TRUE(r.CanFreqTrim);
    EXPECT_TRUE(r.TrimAdjustable);
    // Not read for this radio, nor on the transmit side.
    EXPECT_EQ(r.PowerAlarm, 777);
    EXPECT_EQ(r.RXFreq, 1.5);
    EXPECT_EQ(r.RXFreqTrim, 77);
    EXPECT_EQ(r.RXTrimGain, 66);

    ExpectProgress({10, 20, 25});
    EXPECT_TRUE(TakeTexts().isEmpty());
    ExpectModemLink();
}

TEST_F(LumbrelTest, ReceiveReadMeasuresTheChannelStepForLaterOperations)
{
    Select(Side::Rx);
    RadioSetting r = Sentinels();
    EXPECT_TRUE(driver->ReadRadioSetting(port, r, 1));

    EXPECT_EQ(r.SerialNo, "0A0B0C");
    EXPECT_EQ(r.MinTCT, -56);
    EXPECT_EQ(r.MaxTCT, 189);
    EXPECT_EQ(r.RadioType, 50);
    EXPECT_EQ(r.RXTrimGain, 20);
    EXPECT_EQ(r.RXFreqTrim, -32);  // stored -16 less the trim base 16
    EXPECT_EQ(r.Firmware, "1.A");
    EXPECT_EQ(driver->Spec().PhaseFreq, 12500);   // 12.8 MHz / 1024
    EXPECT_DOUBLE_EQ(r.RXFreq, 30401 * 0.0125 + 45);  // bit 0 of 0x41 is the transmit divider's
    EXPECT_FALSE(r.WriteTxPwr);
    EXPECT_EQ(r.TXFreq, 1.5);
    EXPECT_EQ(r.TXFreqTrim, 77);
    EXPECT_EQ(r.TXTrimGain, 66);
    EXPECT_EQ(r.MaxTXPower, 44);
    EXPECT_EQ(r.TXDelay, 33);
    ExpectProgress({10, 25});
    EXPECT_TRUE(TakeTexts().isEmpty());
    ExpectModemLink();

    // The transmit radio is now read on the measured step.
    Select(Side::Tx);
    EXPECT_TRUE(driver->ReadRadioSetting(port, r, 0));
    EXPECT_DOUBLE_EQ(r.TXFreq, 67201 * 0.0125);
}

TEST_F(LumbrelTest, ReadOfAnotherSideOnlySetsTheTrimFlags)
{
    RadioSetting r = Sentinels();
    const size_t sent = port.Sent().size();
    EXPECT_TRUE(driver->ReadRadioSetting(port, r, 2));
    EXPECT_TRUE(r.CanFreqTrim);
    EXPECT_TRUE(r.TrimAdjustable);
    EXPECT_TRUE(r.WriteTxPwr);
    EXPECT_EQ(r.TXFreq, 1.5);
    EXPECT_EQ(port.Sent().size(), sent);
    EXPECT_EQ(RadioCommandCount(Side::Tx), 0u);
}

TEST_F(LumbrelTest, TransmitWriteStoresBothDividersKeepingTheOtherHighBits)
{
    struct Case {
        const char* name;
        int refDivider;  // the step is measured from it
        double freq;
        int highBefore;
        Bytes divider;  // 0x44-0x45 and 0x46-0x47
        int highAfter;
    };
    const Case cases[] = {
        {"12.5 kHz, bit 16 clear", 1024, 420.0125, 0xF3, {0x83, 0x41}, 0xF0},     // 33601
        {"6.25 kHz, bit 16 set", 2048, 420.00625, 0xF0, {0x06, 0x81}, 0xF3},      // 67201
        {"6.25 kHz, exactly 65536", 2048, 409.6, 0x00, {0x00, 0x00}, 0x03},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetRadioBytes(Side::Tx, 0x41, {uint8_t(c.highBefore), uint8_t(c.refDivider >> 8), uint8_t(c.refDivider)});
        SetRadioBytes(Side::Tx, 0x4C, {0x00, 0x00, 0x00});
        SetByte(0xF5, 0);
        const int finished = modem.FinishCount(Side::Tx);
        Select(Side::Tx);
        progress = RecordingProgressView();

        RadioSetting r = TransmitRecord(c.freq);
        bool trimWritten = false;
        EXPECT_TRUE(driver->WriteRadioSetting(port, r, 0, trimWritten));

        EXPECT_EQ(driver->Spec().PhaseFreq, 12800000.0 / c.refDivider);
        EXPECT_EQ(RadioBytes(Side::Tx, 0x44, 2), c.divider);
        EXPECT_EQ(RadioBytes(Side::Tx, 0x46, 2), c.divider);
        EXPECT_EQ(RadioByte(Side::Tx, 0x41), c.highAfter);
        EXPECT_TRUE(trimWritten);
        EXPECT_EQ(RadioByte(Side::Tx, 0x4C), 0xF3);  // -10 + trim base -3
        EXPECT_EQ(RadioByte(Side::Tx, 0x4E), 61);    // 1000 mW
        EXPECT_EQ(modem.FinishCount(Side::Tx), finished + 1);
        EXPECT_EQ(Byte(0xF5), 120);  // 100 ms at 9600 baud
        ExpectProgress({10, 20, 25});
        EXPECT_TRUE(TakeTexts().isEmpty());
        ExpectModemLink();
    }
}

TEST_F(LumbrelTest, TrimGoesOnlyToTheRecordsRadioWhenAdjustable)
{
    struct Case {
        const char* name;
        const char* serial;
        bool adjustable;
        bool written;
    };
    const Case cases[] = {
        {"same radio", "123456", true, true},
        {"another radio", "123457", true, false},
        {"not adjustable", "123456", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetRadioBytes(Side::Tx, 0x44, {0, 0, 0, 0});
        SetRadioBytes(Side::Tx, 0x4C, {0x05, 0x00, 0x00});
        Select(Side::Tx);
        RadioSetting r = TransmitRecord(420.0125);
        r.SerialNo = c.serial;
        r.TrimAdjustable = c.adjustable;
        bool trimWritten = !c.written;
        EXPECT_TRUE(driver->WriteRadioSetting(port, r, 0, trimWritten));
        EXPECT_EQ(trimWritten, c.written);
        EXPECT_EQ(RadioByte(Side::Tx, 0x4C), c.written ? 0xF3 : 0x05);
        // The rest of the write goes ahead.
        EXPECT_EQ(RadioBytes(Side::Tx, 0x46, 2), (Bytes{0x83, 0x41}));
        EXPECT_EQ(RadioBytes(Side::Tx, 0x44, 2), (Bytes{0x83, 0x41}));
        EXPECT_EQ(RadioByte(Side::Tx, 0x4E), 61);
    }
}

TEST_F(LumbrelTest, PowerByteIsWrittenOnlyWhenAsked)
{
    Select(Side::Tx);
    RadioSetting r = TransmitRecord(420.0125);
    r.WriteTxPwr = false;
    r.txpower = 5000;
    bool trimWritten = false;
    EXPECT_TRUE(driver->WriteRadioSetting(port, r, 0, trimWritten));
    EXPECT_EQ(RadioByte(Side::Tx, 0x4E), 61);
    r.WriteTxPwr = true;
    EXPECT_TRUE(driver->WriteRadioSetting(port, r, 0, trimWritten));
    EXPECT_EQ(RadioByte(Side::Tx, 0x4E), 143);  // sqrt(5000 x 4.4) - 5 = 143.3
}

TEST_F(LumbrelTest, ReceiveWriteStoresOnlyTheReceiveDivider)
{
    SetRadioBytes(Side::Rx, 0x41, {0xF3});
    SetRadioBytes(Side::Rx, 0x46, {0xAA, 0xBB});
    SetRadioBytes(Side::Rx, 0x4E, {0x22});
    Select(Side::Rx);
    RadioSetting r;
    r.SerialNo = "0A0B0C";
    r.TrimAdjustable = true;
    r.RXFreq = 425.0125;
    r.RXFreqTrim = 12;
    r.txpower = 1000;
    r.WriteTxPwr = true;
    r.TXDelay = 100;
    bool trimWritten = false;
    EXPECT_TRUE(driver->WriteRadioSetting(port, r, 1, trimWritten));

    EXPECT_EQ(driver->Spec().PhaseFreq, 12500);
    EXPECT_EQ(RadioBytes(Side::Rx, 0x44, 2), (Bytes{0x76, 0xC1}));  // (425.0125 - 45) / 0.0125
    EXPECT_EQ(RadioByte(Side::Rx, 0x41), 0xF1);                     // bit 0 is the transmit divider's
    EXPECT_EQ(RadioBytes(Side::Rx, 0x46, 2), (Bytes{0xAA, 0xBB}));
    EXPECT_TRUE(trimWritten);
    EXPECT_EQ(RadioByte(Side::Rx, 0x4C), 28);  // 12 + trim base 16
    EXPECT_EQ(RadioByte(Side::Rx, 0x4E), 0x22);
    EXPECT_EQ(modem.FinishCount(Side::Rx), 1);
    EXPECT_EQ(modem.FinishCount(Side::Tx), 0);
    EXPECT_EQ(Byte(0xF5), 60);
    ExpectProgress({10, 20});
    ExpectModemLink();
}

TEST_F(LumbrelTest, WriteThenReadGivesBackWhatWasWritten)
{
    SetRadioBytes(Side::Tx, 0x42, {0x08, 0x00});
    Select(Side::Tx);
    RadioSetting w = TransmitRecord(421.11875);
    w.TXFreqTrim = -20;
    w.txpower = 990;
    w.TXDelay = 50;
    bool trimWritten = false;
    ASSERT_TRUE(driver->WriteRadioSetting(port, w, 0, trimWritten));
    RadioSetting r;
    ASSERT_TRUE(driver->ReadRadioSetting(port, r, 0));
    EXPECT_DOUBLE_EQ(r.TXFreq, 421.11875);
    EXPECT_EQ(r.TXFreqTrim, -20);
    EXPECT_EQ(r.txpower, 990);
    EXPECT_EQ(r.TXDelay, 50);

    Select(Side::Rx);
    w.RXFreq = 469.9875;
    w.RXFreqTrim = 100;
    w.SerialNo = "0A0B0C";
    ASSERT_TRUE(driver->WriteRadioSetting(port, w, 1, trimWritten));
    ASSERT_TRUE(driver->ReadRadioSetting(port, r, 1));
    EXPECT_DOUBLE_EQ(r.RXFreq, 469.9875);
    EXPECT_EQ(r.RXFreqTrim, 100);
    EXPECT_TRUE(TakeTexts().isEmpty());
}

TEST_F(LumbrelTest, TrimOutsideTheRadiosRangeIsReadAsStored)
{
    Select(Side::Tx);
    RadioSetting r;
    SetRadioBytes(Side::Tx, 0x75, {200, 250});  // trims -197..8
    ASSERT_TRUE(driver->ReadRadioSetting(port, r, 0));
    EXPECT_EQ(r.MinTCT, -197);
    EXPECT_EQ(r.MaxTCT, 8);
    EXPECT_EQ(r.TXFreqTrim, 8);
    SetRadioBytes(Side::Tx, 0x4C, {0x7F});  // 127 - trim base, above the range
    ASSERT_TRUE(driver->ReadRadioSetting(port, r, 0));
    EXPECT_EQ(r.TXFreqTrim, 130);
}

TEST_F(LumbrelTest, ReferenceDividerOfZeroFailsIntoTheHandler)
{
    SetRadioBytes(Side::Rx, 0x42, {0xF0, 0x00});  // only the low 12 bits count
    Select(Side::Rx);
    RadioSetting r;
    r.RXFreq = 1.5;
    EXPECT_FALSE(driver->ReadRadioSetting(port, r, 1));
    EXPECT_EQ(TakeTexts(), QStringList{Unrecoverable(false)});
    EXPECT_EQ(driver->Spec().PhaseFreq, 6250);
    EXPECT_EQ(r.RXFreq, 1.5);
    ExpectModemLink();
}

TEST_F(LumbrelTest, OtherSideWriteDoesNothing)
{
    RadioSetting r = TransmitRecord(420.0125);
    bool trimWritten = false;
    EXPECT_TRUE(driver->WriteRadioSetting(port, r, 5, trimWritten));
    EXPECT_TRUE(trimWritten);
    EXPECT_EQ(RadioCommandCount(Side::Tx), 0u);
    EXPECT_TRUE(progress.Values().isEmpty());
}

}  // namespace
