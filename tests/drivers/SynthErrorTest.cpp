#include "SynthRadioFixture.h"

#include <functional>
#include <ostream>

namespace {

struct Model {
    const char* Name;
    std::unique_ptr<RadioDriver> (*Make)(ModemLinks&);
    int16_t Type;
    const char* Family;
    bool ForHelp;  // the error handler's text ends in " for help"
    double Freq;   // a receive frequency in the band
    // Whether a receive write moves the bar before it opens the radio link.
    bool ReceiveWriteProgressFirst;
};

void PrintTo(const Model& model, std::ostream* os) { *os << model.Name; }

template <class Driver>
std::unique_ptr<RadioDriver> make(ModemLinks& links)
{
    return std::make_unique<Driver>(links);
}

const Model Models[] = {
    {"Lumbrel", make<Lumbrel>, 30, "lumbrel", false, 460.0125, true},
    {"Moskar", make<Moskar>, 10, "moskar", true, 944.0125, true},
    {"Rudvik", make<Rudvik>, 60, "rudvik", false, 220.0125, false},
};

// The error handling that the three drivers share, on both sides.
class SynthErrors : public SynthRadioFixture, public testing::WithParamInterface<Model> {
protected:
    void SetUp() override
    {
        for (Side side : {Side::Tx, Side::Rx}) {
            PlaceRadio(side, GetParam().Family, 0x23);
            SetRadioBytes(side, 0x42, {0x04, 0x00});  // a reference divider for the 450 MHz radio
            SetRadioBytes(side, 0x78, {0x12, 0x34, 0x56});
        }
        driver = GetParam().Make(links);
        driver->Initialize(GetParam().Type);
        ASSERT_FALSE(driver->Spec().ErrorCode);
    }

    static RadioSetting Sentinels()
    {
        RadioSetting r;
        r.SerialNo = "000000";
        r.MinTCT = 55;
        r.RadioType = 99;
        r.TXFreq = r.RXFreq = 1.5;
        return r;
    }

    QString Handler() const { return Unrecoverable(GetParam().ForHelp); }

    std::unique_ptr<RadioDriver> driver;
};

TEST_P(SynthErrors, RadioFallingSilentMidReadEndsTheReadWithTheHandlersMessage)
{
    for (Side side : {Side::Tx, Side::Rx}) {
        SCOPED_TRACE(side == Side::Tx ? "transmit" : "receive");
        progress = RecordingProgressView();
        Select(side);
        // The serial number's reply (01 00 12 34 56, checksum, CR) still comes.
        modem.Profile().Faults.RadioSilenceAfter = 7;
        RadioSetting r = Sentinels();
        EXPECT_FALSE(driver->ReadRadioSetting(port, r, side == Side::Tx ? 0 : 1));
        EXPECT_EQ(r.SerialNo, "123456");  // what was read stays
        EXPECT_EQ(r.MinTCT, 55);
        EXPECT_EQ(r.RadioType, 99);
        ExpectProgress({10});
        EXPECT_EQ(TakeTexts(), QStringList{Handler()});
        ExpectModemLink();
        modem.PowerCycle(clock.NowMs());
        EnterCommandMode();
    }
}

TEST_P(SynthErrors, WrongEchoEndsAWriteWithTheHandlersMessage)
{
    Select(Side::Tx);
    modem.Profile().Faults.RadioWrongEcho = 3;
    RadioSetting r = Sentinels();
    r.TXFreq = GetParam().Freq;
    bool trimWritten = false;
    EXPECT_FALSE(driver->WriteRadioSetting(port, r, 0, trimWritten));
    ExpectProgress({10});
    EXPECT_EQ(TakeTexts(), QStringList{Handler()});
    ExpectModemLink();
    EXPECT_EQ(modem.FinishCount(Side::Tx), 0);
}

TEST_P(SynthErrors, PortThatCannotBeOpenedIsCaughtByTheReadErrorCheck)
{
    struct Case {
        const char* name;
        std::function<bool()> run;
        QList<int> progress;
    };
    RadioSetting r = Sentinels();
    bool trimWritten = false;
    const Case cases[] = {
        {"receive read", [&] { return driver->ReadRadioSetting(port, r, 1); }, {}},
        {"transmit write", [&] { return driver->WriteRadioSetting(port, r, 0, trimWritten); }, {}},
        {"receive write", [&] { return driver->WriteRadioSetting(port, r, 1, trimWritten); },
         GetParam().ReceiveWriteProgressFirst ? QList<int>{10} : QList<int>{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        progress = RecordingProgressView();
        port.FailNextOpen();
        EXPECT_FALSE(c.run());
        const QList<ScriptedPrompt::Box> boxes = prompt.Boxes();
        ASSERT_EQ(boxes.size(), 2);
        EXPECT_EQ(boxes[0].Text, PortError());
        EXPECT_EQ(boxes[0].Title, "Comm Port Error");
        EXPECT_EQ(TakeTexts(), (QStringList{PortError(), FatalReadError()}));
        ExpectProgress(c.progress);
        ExpectModemLink();
        EXPECT_EQ(RadioCommandCount(Side::Tx) + RadioCommandCount(Side::Rx), 0u);
    }
    EXPECT_EQ(r.SerialNo, "000000");
}

TEST_P(SynthErrors, TransmitReadOnAPortThatCannotBeOpenedFailsInTheHandler)
{
    // The transmit read has no check before its first command, which then finds
    // the port closed.
    port.FailNextOpen();
    RadioSetting r = Sentinels();
    EXPECT_FALSE(driver->ReadRadioSetting(port, r, 0));
    EXPECT_EQ(TakeTexts(), (QStringList{PortError(), Handler()}));
    ExpectModemLink();
}

TEST_P(SynthErrors, TuningLetsALinkFailureThroughWithoutReopeningTheModemLink)
{
    Select(Side::Rx);
    modem.Profile().Faults.RadioSilenceAfter = 0;
    ExpectError68([&] { driver->WriteRXFreq(GetParam().Freq, port); });
    EXPECT_EQ(port.Settings(), RadioLink);
    EXPECT_TRUE(TakeTexts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Drivers, SynthErrors, testing::ValuesIn(Models),
                         [](const auto& info) { return std::string(info.param.Name); });

using RudvikErrors = SynthRadioFixture;

TEST_F(RudvikErrors, ReceiveCounterWriteReportsItsOwnErrorAndGoesOn)
{
    PlaceRadio(Side::Rx, "rudvik", 0x23);
    Rudvik driver(links);
    driver.Initialize(60);
    Select(Side::Rx);
    modem.Profile().Faults.RadioWrongEcho = 3;
    RadioSetting r;
    r.RXFreq = 220.0125;
    bool trimWritten = false;
    EXPECT_FALSE(driver.WriteRadioSetting(port, r, 1, trimWritten));
    // The B counter's writer shows its own box; the A counter's write then fails
    // into the driver's handler.
    EXPECT_EQ(TakeTexts(), (QStringList{"Rudvik Error Code: 68Description: Device unavailable", Unrecoverable(false)}));
    EXPECT_EQ(modem.FinishCount(Side::Rx), 0);
    ExpectModemLink();
}

}  // namespace
