#include "SynthRadioFixture.h"

namespace {

// Type 30: 450-470 MHz on 12500 Hz, reference divider 1024, SynthCtl 0x40D4,
// lock time 15, transmit band switch only, power curve 4.6 / 5.2.
class LumbrelTuning : public SynthRadioFixture {
protected:
    void SetUp() override
    {
        PlaceRadio(Side::Tx, "lumbrel", 0x23);
        Select(Side::Tx);
        driver = Make<Lumbrel>(30);
    }

    std::unique_ptr<Opened<Lumbrel>> driver;
};

TEST_F(LumbrelTuning, WriteTXFreqLoadsTheTransmitSynthesiserAndReportsBit0)
{
    const struct {
        uint8_t status;
        bool locked;
    } cases[] = {{0x01, true}, {0x03, true}, {0xFF, true}, {0x00, false}, {0xFE, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.status));
        RadioOf(Side::Tx).LoadStatus = c.status;
        EXPECT_EQ(driver->WriteTXFreq(460.0125, port), c.locked);
        // Control, reference word R 1024, divider word N 36801, control, lock time.
        EXPECT_EQ(modem.LastSynthLoad(Side::Tx),
                  (Bytes{0x20, 0x4A, 0x08, 0x02, 0x00, 0x28, 0x47, 0xE0, 0xB0, 0x20, 0x6A, 0x08, 0x0F}));
        ExpectModemLink();
    }
}

TEST_F(LumbrelTuning, WriteRXFreqLoadsTheReceiveDividerFromTheFirstIf)
{
    EXPECT_FALSE(driver->WriteRXFreq(460.0125, port));
    // N = (460.0125 - 45) / 0.0125 = 33201.
    EXPECT_EQ(modem.LastSynthLoad(Side::Tx),
              (Bytes{0x20, 0x4A, 0x08, 0x02, 0x00, 0x28, 0x40, 0xD8, 0xB0, 0x20, 0x6A, 0x08, 0x0F}));
    ExpectModemLink();
}

TEST_F(LumbrelTuning, TuningUsesTheMeasuredChannelStep)
{
    // A receive read on a radio with R = 2048 halves the step to 6250 Hz.
    PlaceRadio(Side::Rx, "lumbrel", 0x23);
    SetRadioBytes(Side::Rx, 0x42, {0x08, 0x00});
    Select(Side::Rx);
    RadioSetting r;
    ASSERT_TRUE(driver->ReadRadioSetting(port, r, 1));
    ASSERT_EQ(driver->Spec().PhaseFreq, 6250);
    Select(Side::Tx);
    driver->WriteTXFreq(460.00625, port);
    // R 2048: 04 00 28; N 73601: 8F C0 B0.
    EXPECT_EQ(modem.LastSynthLoad(Side::Tx),
              (Bytes{0x20, 0x4A, 0x08, 0x04, 0x00, 0x28, 0x8F, 0xC0, 0xB0, 0x20, 0x6A, 0x08, 0x0F}));
}

TEST_F(LumbrelTuning, TXStateSendsTheTransmitterStateForm)
{
    driver->spec().SynthCtl = 0x4000;  // no control bits to hide the on/off bit
    const struct {
        bool on;
        uint8_t status;
        uint8_t control;
        bool result;
    } cases[] = {
        {true, 0x01, 0x08, true},
        {false, 0x01, 0x0A, true},
        {true, 0x00, 0x08, false},
        {false, 0x80, 0x0A, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.on << " " << int(c.status));
        RadioOf(Side::Tx).LoadStatus = c.status;
        const int64_t start = clock.NowMs();
        EXPECT_EQ(driver->TXState(c.on, port), c.result);
        EXPECT_EQ(modem.LastSynthLoad(Side::Tx), (Bytes{0x20, c.control, 0x08, 0x0F}));
        // Only the two links' settling waits: no lock wait follows this form.
        EXPECT_LT(clock.NowMs() - start, 1000);
        ExpectModemLink();
    }
    driver->spec().SynthCtl = 16596;
    driver->TXState(true, port);
    EXPECT_EQ(modem.LastSynthLoad(Side::Tx), (Bytes{0x20, 0x6A, 0x08, 0x0F}));
}

TEST_F(LumbrelTuning, WritePowerSendsTheClampedPowerByte)
{
    auto standard = Make<Lumbrel>(50);  // 4.4 and 5.0
    const struct {
        RadioDriver* driver;
        int16_t mW;
        uint8_t byte;
    } cases[] = {
        {standard.get(), 1000, 61},  // 66.3 - 5
        {standard.get(), 990, 61},
        {standard.get(), 0, 0},      // -5
        {standard.get(), 5, 0},      // -0.3
        {standard.get(), 20000, 255},  // 291.6
        {standard.get(), 15423, 255},
        {driver.get(), 1000, 63},    // 67.8 - 5.2
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mW);
        c.driver->WritePower(c.mW, true, port);
        EXPECT_EQ(modem.LastSetOutput(Side::Tx), (Bytes{0x03, c.byte}));
        ExpectModemLink();
    }
}

TEST_F(LumbrelTuning, PowerTestKeepsTheRadioLinkOpenBetweenSteps)
{
    driver->TestPowerMode(true, port);
    EXPECT_EQ(port.Settings(), RadioLink);
    EXPECT_TRUE(port.PortOpen());
    const int opens = port.Opens();
    driver->WritePower(1000, false, port);
    driver->WritePower(2000, false, port);
    EXPECT_EQ(modem.LastSetOutput(Side::Tx), (Bytes{0x03, 91}));  // 95.9 - 5.2
    EXPECT_EQ(port.Opens(), opens);
    EXPECT_EQ(port.Settings(), RadioLink);
    driver->TestPowerMode(false, port);
    ExpectModemLink();
    EXPECT_TRUE(TakeTexts().isEmpty());
}

TEST_F(LumbrelTuning, TuningLetsALinkFailureThrough)
{
    modem.Profile().Faults.RadioSilenceAfter = 0;
    ExpectError68([&] { driver->WriteTXFreq(460.0125, port); });
    // The modem link is not reopened on the way out.
    EXPECT_EQ(port.Settings(), RadioLink);
    ExpectError68([&] { driver->TXState(true, port); });
    ExpectError68([&] { driver->WritePower(1000, true, port); });
    EXPECT_EQ(port.Settings(), RadioLink);
    EXPECT_TRUE(TakeTexts().isEmpty());
}

}  // namespace
