#include "KarsidFixture.h"
#include "RadioComm.h"

#include <cmath>
#include <functional>

namespace {

class KarsidForwardTest : public KarsidFixture {
protected:
    // The synthesiser setting that tuning it to the frequency leaves in the modem.
    std::string SynthFor(double synthMHz)
    {
        commands.SetSynthFrequency(synthMHz, port);
        return modem.SynthSetting();
    }
};

TEST_F(KarsidForwardTest, RadioSelectionFollowsTheBuildBits)
{
    EnterCommandMode();
    // Different drivers per side show which one a call reaches: PexarHigh transmits
    // 121 MHz above its synthesiser, PexarLow receives 45 MHz below it.
    Create(6, 7);
    const std::string txTuned = SynthFor(927.0 - 121.0);
    const std::string rxTuned = SynthFor(851.0 + 45.0);
    ASSERT_NE(txTuned, rxTuned);

    using Selects = std::vector<std::string>;
    const Selects none, st{"ST"}, sr{"SR"};
    const struct {
        int fa;
        Selects txFreq, rxFreq, txState, power, testOn;
    } cases[] = {
        {0x00, none, none, none, none, none},
        {0x02, none, sr, none, st, st},  // external radios, full duplex
        {0x08, none, none, none, none, none},
        {0x0A, none, none, st, st, st},  // one external radio for both directions
        {0xF5, none, none, none, none, none},  // every bit but 1 and 3
        {0xFF, none, none, st, st, st},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "0xFA = " << c.fa);
        SetByte(0xFA, c.fa);
        const auto selects = [&](const std::function<void()>& call) {
            const size_t before = Logged();
            call();
            return SelectsSince(before);
        };
        EXPECT_EQ(selects([&] { EXPECT_TRUE(driver.WriteTXFreq(927.0, port)); }), c.txFreq);
        EXPECT_EQ(modem.SynthSetting(), txTuned);
        EXPECT_EQ(selects([&] { EXPECT_TRUE(driver.WriteRXFreq(851.0, port)); }), c.rxFreq);
        EXPECT_EQ(modem.SynthSetting(), rxTuned);
        EXPECT_EQ(selects([&] { driver.TXState(true, port); }), c.txState);
        EXPECT_EQ(selects([&] { driver.WritePower(500, port); }), c.power);
        EXPECT_EQ(selects([&] { driver.TestPowerMode(true, port); }), c.testOn);
        EXPECT_EQ(selects([&] { driver.TestPowerMode(false, port); }), none);
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << Dump();
}

TEST_F(KarsidForwardTest, ThePowerTestKeepsTheBuiltInModemUntouched)
{
    EnterCommandMode();
    Create(6, 6);
    driver.TestPowerMode(true, port);
    const QByteArray sent = port.Sent();
    driver.WritePower(500, port);
    driver.WritePower(800, port);
    EXPECT_EQ(port.Sent(), sent) << "nothing is read or selected during the test";
    driver.TestPowerMode(false, port);
    const size_t before = Logged();
    driver.WritePower(500, port);
    EXPECT_EQ(CommandsSince(before), std::vector<std::string>{"RN1FA01"}) << "the build bit is read again";
}

TEST_F(KarsidForwardTest, ThePowerTestKeepsTheExternalRadioSelectedAndOpen)
{
    UseProfile("moskar-fdx");
    Create(12, 12);
    const auto powerByte = [](int mW) { return uint8_t(std::lround(std::sqrt(mW * 4.4) - 5.0)); };

    size_t before = Logged();
    driver.TestPowerMode(true, port);
    EXPECT_EQ(SelectsSince(before), std::vector<std::string>{"ST"});
    EXPECT_EQ(port.Settings(), "1200,N,8,1") << "the radio link stays open for the test";

    before = Logged();
    const int opens = port.Opens();
    const qsizetype sent = port.Sent().size();
    driver.WritePower(500, port);
    EXPECT_EQ(modem.LastSetOutput(SimModem::Radio::Tx), (std::vector<uint8_t>{3, powerByte(500)}));
    driver.WritePower(1000, port);
    EXPECT_EQ(modem.LastSetOutput(SimModem::Radio::Tx), (std::vector<uint8_t>{3, powerByte(1000)}));
    EXPECT_EQ(port.Opens(), opens) << "the port is neither reopened nor switched";
    EXPECT_EQ(port.Settings(), "1200,N,8,1");
    EXPECT_TRUE(CommandsSince(before).empty());
    const QByteArray during = port.Sent().mid(sent);
    EXPECT_FALSE(during.contains("RN1")) << "no modem read on the radio link";
    EXPECT_FALSE(during.contains("ST"));

    driver.TestPowerMode(false, port);
    EXPECT_EQ(port.Settings(), "9600,N,8,1");

    // Outside the test each call selects the radio and opens and closes its link.
    before = Logged();
    const int opensAfter = port.Opens();
    driver.WritePower(700, port);
    EXPECT_EQ(SelectsSince(before), std::vector<std::string>{"ST"});
    EXPECT_EQ(modem.LastSetOutput(SimModem::Radio::Tx), (std::vector<uint8_t>{3, powerByte(700)}));
    EXPECT_EQ(port.Opens(), opensAfter + 2);
    EXPECT_EQ(port.Settings(), "9600,N,8,1");
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << Dump();
}

// The frames that the transmitter guard sends are the ones the test's own stop
// sends on the radio link, in the same order; a radio the test does not key has none.
TEST_F(KarsidForwardTest, TheReleaseFramesAreTheStopsOwn)
{
    const struct {
        const char* profile;
        int16_t type;
        int frames;
    } cases[] = {{"lumbrel-fdx", 35, 2}, {"moskar-fdx", 12, 2}, {"default", 6, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        UseProfile(c.profile);
        Create(c.type, c.type);
        driver.TestPowerMode(true, port);
        driver.WritePower(500, port);
        const qsizetype keyed = port.Sent().size();
        driver.TestPowerMode(false, port);
        driver.WritePower(0, port);
        driver.TXState(false, port);
        const QByteArray stop = port.Sent().mid(keyed);

        const QList<QByteArray> frames = driver.ReleaseFrames();
        ASSERT_EQ(frames.size(), c.frames);
        qsizetype at = 0;
        for (const QByteArray& frame : frames) {
            EXPECT_EQ(frame.front(), char(RadioComm::Esc));
            EXPECT_EQ(frame.back(), char(RadioComm::Cr));
            at = stop.indexOf(frame, at);
            ASSERT_GE(at, 0) << frame.toHex(' ').toStdString() << " not in " << stop.toHex(' ').toStdString();
            at += frame.size();
        }
    }
}

TEST_F(KarsidForwardTest, CallsWithoutDriversFailToTheCaller)
{
    EnterCommandMode();
    EXPECT_THROW(driver.WriteTXFreq(927.0, port), RuntimeError);
    EXPECT_THROW(driver.WriteRXFreq(851.0, port), RuntimeError);
    EXPECT_THROW(driver.WritePower(500, port), RuntimeError);
}

}  // namespace
