#include "SynthRadioFixture.h"

#include <cmath>
#include <functional>
#include <limits>

namespace {

const QString title = "Error, Invalid setting!";
const QString raster = "Invalid frequency.  Check Frequency Licence/Assignment";
const QString delay = "TX lead in delay must be between 0 and 200!!";
const QString alarm = "Tx Power Alarm must be between 0 and 4000mW!!";

QString txBand(const char* low, const char* high)
{
    return QString("The transmit freq of modem is limited to between %1Mhz and %2 Mhz").arg(low, high);
}

QString rxBand(const char* low, const char* high)
{
    return QString("The Receive freq of modem is limited to between %1 and %2").arg(low, high);
}

QString power(int mW)
{
    return QString("ERROR - Tx Power Level.\r\rThe Tx Power Range is 100mW to 7000mW\r\r"
                   "Tx power is currently set to %1mW")
        .arg(mW);
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

bool sameNumber(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

struct Case {
    const char* name;
    std::function<void(RadioSetting&)> change;
    bool displayError;
    bool invalid;
    QStringList texts;
    int txpowerAfter = 2500;  // the valid setting's power: untouched
};

class SynthQuery : public SynthRadioFixture {
protected:
    // Valid on the transmit and the receive side of every band below.
    static RadioSetting Valid(double txFreq, double rxFreq)
    {
        RadioSetting r;
        r.TXFreq = txFreq;
        r.RXFreq = rxFreq;
        r.TXDelay = 10;
        r.PowerAlarm = 1000;
        r.txpower = 2500;
        return r;
    }

    void Run(RadioDriver& driver, const RadioSetting& valid, int side, std::initializer_list<Case> cases)
    {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            RadioSetting r = valid;
            c.change(r);
            const RadioSetting before = r;
            bool display = c.displayError;
            EXPECT_EQ(driver.QuerySetting(r, display, side), c.invalid);
            EXPECT_EQ(display, c.displayError);
            EXPECT_EQ(TakeTexts(title), c.texts);
            EXPECT_EQ(r.txpower, c.txpowerAfter);
            EXPECT_TRUE(sameNumber(r.TXFreq, before.TXFreq)) << r.TXFreq;
            EXPECT_TRUE(sameNumber(r.RXFreq, before.RXFreq)) << r.RXFreq;
            EXPECT_EQ(r.TXDelay, before.TXDelay);
        }
    }
};

TEST_F(SynthQuery, LumbrelTransmitRules)
{
    auto driver = Make<Lumbrel>(30);
    const QString band = txBand("450", "470");
    Run(*driver, Valid(460.0125, 460.0125), 0,
        {
            {"valid", [](auto&) {}, true, false, {}},
            {"lower band edge", [](auto& r) { r.TXFreq = 450; }, true, false, {}},
            {"upper band edge", [](auto& r) { r.TXFreq = 470; }, true, false, {}},
            {"one channel below", [](auto& r) { r.TXFreq = 449.9875; }, true, true, {band}},
            {"one channel above", [](auto& r) { r.TXFreq = 470.0125; }, true, true, {band}},
            {"out of band, quiet", [](auto& r) { r.TXFreq = 449.9875; }, false, true, {}},
            {"not a number", [](auto& r) { r.TXFreq = NaN; }, true, true, {band}},
            {"infinite, quiet", [](auto& r) { r.TXFreq = Inf; }, false, true, {}},
            {"minus infinite", [](auto& r) { r.TXFreq = -Inf; }, true, true, {band}},
            {"on the raster", [](auto& r) { r.TXFreq = 450.0125; }, true, false, {}},
            {"off the raster", [](auto& r) { r.TXFreq = 450.013; }, true, true, {raster}},
            {"off the raster, quiet", [](auto& r) { r.TXFreq = 450.013; }, false, true, {raster}},
            {"delay 0", [](auto& r) { r.TXDelay = 0; }, true, false, {}},
            {"delay 200", [](auto& r) { r.TXDelay = 200; }, true, false, {}},
            {"delay 201", [](auto& r) { r.TXDelay = 201; }, true, true, {delay}},
            {"delay -1", [](auto& r) { r.TXDelay = -1; }, true, true, {delay}},
            {"delay 201, quiet", [](auto& r) { r.TXDelay = 201; }, false, true, {}},
            {"alarm 0", [](auto& r) { r.PowerAlarm = 0; }, true, false, {}},
            {"alarm 4000", [](auto& r) { r.PowerAlarm = 4000; }, true, false, {}},
            {"alarm 4001", [](auto& r) { r.PowerAlarm = 4001; }, true, true, {alarm}},
            {"alarm -1", [](auto& r) { r.PowerAlarm = -1; }, true, true, {alarm}},
            {"power at the minimum", [](auto& r) { r.txpower = 100; }, true, false, {}, 100},
            {"power at the maximum", [](auto& r) { r.txpower = 7000; }, true, false, {}, 7000},
            {"power above the maximum", [](auto& r) { r.txpower = 8000; }, true, false, {power(8000)}, 1000},
            {"power below the minimum", [](auto& r) { r.txpower = 99; }, true, false, {power(99)}, 1000},
            {"power above, quiet", [](auto& r) { r.txpower = 8000; }, false, false, {}, 1000},
            {"receive side not checked", [](auto& r) { r.RXFreq = 999.013; }, true, false, {}},
            {"every rule broken",
             [](auto& r) { r.TXFreq = 470.013, r.TXDelay = 201, r.PowerAlarm = 4001, r.txpower = 8000; }, true, true,
             {band, raster, delay, alarm, power(8000)}, 1000},
            {"every rule broken, quiet",
             [](auto& r) { r.TXFreq = 470.013, r.TXDelay = 201, r.PowerAlarm = 4001, r.txpower = 8000; }, false, true,
             {raster}, 1000},
        });
}

TEST_F(SynthQuery, LumbrelReceiveRules)
{
    auto driver = Make<Lumbrel>(30);
    const QString band = rxBand("450", "470");
    Run(*driver, Valid(460.0125, 460.0125), 1,
        {
            {"valid", [](auto&) {}, true, false, {}},
            {"lower band edge", [](auto& r) { r.RXFreq = 450; }, true, false, {}},
            {"upper band edge", [](auto& r) { r.RXFreq = 470; }, true, false, {}},
            {"one channel below", [](auto& r) { r.RXFreq = 449.9875; }, true, true, {band}},
            {"one channel above", [](auto& r) { r.RXFreq = 470.0125; }, true, true, {band}},
            {"out of band, quiet", [](auto& r) { r.RXFreq = 470.0125; }, false, true, {}},
            {"not a number", [](auto& r) { r.RXFreq = NaN; }, true, true, {band}},
            {"infinite", [](auto& r) { r.RXFreq = Inf; }, true, true, {band}},
            {"on the raster", [](auto& r) { r.RXFreq = 450.0125; }, true, false, {}},
            {"off the raster, quiet", [](auto& r) { r.RXFreq = 450.013; }, false, true, {raster}},
            {"both broken", [](auto& r) { r.RXFreq = 470.013; }, true, true, {band, raster}},
            {"transmit rules not checked",
             [](auto& r) { r.TXFreq = 10, r.TXDelay = 201, r.PowerAlarm = 4001, r.txpower = 8000; }, true, false, {},
             8000},
        });
}

TEST_F(SynthQuery, OtherSidesCheckNothing)
{
    auto lumbrel = Make<Lumbrel>(30);
    auto rudvik = Make<Rudvik>(60);
    for (int side : {2, -1}) {
        SCOPED_TRACE(side);
        for (RadioDriver* driver : {static_cast<RadioDriver*>(lumbrel.get()), static_cast<RadioDriver*>(rudvik.get())})
            Run(*driver, Valid(460.0125, 460.0125), side,
                {{"everything broken",
                  [](auto& r) {
                      r.TXFreq = r.RXFreq = 10.013;
                      r.TXDelay = 201, r.PowerAlarm = 4001, r.txpower = 8000;
                  },
                  true, false, {}, 8000}});
    }
}

TEST_F(SynthQuery, LimitsAreShownInTheirShortestDecimalForm)
{
    auto driver = Make<Lumbrel>(30);
    driver->spec().MinTXFreq = 450.0125;
    driver->spec().MaxTXFreq = 469.99375;
    driver->spec().MinRXFreq = 450.5;
    driver->spec().MaxRXFreq = 469.9875;
    Run(*driver, Valid(450, 450), 0, {{"transmit", [](auto&) {}, true, true, {txBand("450.0125", "469.99375")}}});
    Run(*driver, Valid(450, 450), 1, {{"receive", [](auto&) {}, true, true, {rxBand("450.5", "469.9875")}}});
}

TEST_F(SynthQuery, MoskarHasTheSameRulesOnItsBand)
{
    auto driver = Make<Moskar>(10);
    Run(*driver, Valid(944.0125, 944.0125), 0,
        {
            {"valid", [](auto&) {}, true, false, {}},
            {"lower band edge", [](auto& r) { r.TXFreq = 928; }, true, false, {}},
            {"one channel above", [](auto& r) { r.TXFreq = 960.0125; }, true, true, {txBand("928", "960")}},
            {"off the raster, quiet", [](auto& r) { r.TXFreq = 944.013; }, false, true, {raster}},
            {"delay 201", [](auto& r) { r.TXDelay = 201; }, true, true, {delay}},
            {"alarm 4001", [](auto& r) { r.PowerAlarm = 4001; }, true, true, {alarm}},
            {"power above the maximum", [](auto& r) { r.txpower = 8000; }, true, false, {power(8000)}, 1000},
        });
    Run(*driver, Valid(944.0125, 944.0125), 1,
        {
            {"upper band edge", [](auto& r) { r.RXFreq = 960; }, true, false, {}},
            {"one channel below", [](auto& r) { r.RXFreq = 927.9875; }, true, true, {rxBand("928", "960")}},
            {"off the raster", [](auto& r) { r.RXFreq = 944.013; }, true, true, {raster}},
        });
}

TEST_F(SynthQuery, MoskarNarrowBandRaster)
{
    auto driver = Make<Moskar>(20);
    Run(*driver, Valid(899.00625, 899.00625), 0,
        {
            {"on the 6.25 kHz raster", [](auto&) {}, true, false, {}},
            {"half a channel off", [](auto& r) { r.TXFreq = 899.003125; }, true, true, {raster}},
        });
    Run(*driver, Valid(899.00625, 899.00625), 1,
        {{"half a channel off", [](auto& r) { r.RXFreq = 899.003125; }, true, true, {raster}}});
}

TEST_F(SynthQuery, RudvikHasNoPowerLevelRule)
{
    auto driver = Make<Rudvik>(60);
    Run(*driver, Valid(220.0125, 220.0125), 0,
        {
            {"valid", [](auto&) {}, true, false, {}},
            {"upper band edge", [](auto& r) { r.TXFreq = 225; }, true, false, {}},
            {"one channel below", [](auto& r) { r.TXFreq = 215.9875; }, true, true, {txBand("216", "225")}},
            {"off the raster, quiet", [](auto& r) { r.TXFreq = 220.013; }, false, true, {raster}},
            {"delay 200", [](auto& r) { r.TXDelay = 200; }, true, false, {}},
            {"delay 201", [](auto& r) { r.TXDelay = 201; }, true, true, {delay}},
            {"alarm 4000", [](auto& r) { r.PowerAlarm = 4000; }, true, false, {}},
            {"alarm 4001", [](auto& r) { r.PowerAlarm = 4001; }, true, true, {alarm}},
            {"power far above the maximum", [](auto& r) { r.txpower = 8000; }, true, false, {}, 8000},
            {"power zero", [](auto& r) { r.txpower = 0; }, true, false, {}, 0},
        });
    // The receive raster is counted from the first IF of 21.4 MHz.
    Run(*driver, Valid(220.0125, 220.0125), 1,
        {
            {"lower band edge", [](auto& r) { r.RXFreq = 216; }, true, false, {}},
            {"one channel above", [](auto& r) { r.RXFreq = 225.0125; }, true, true, {rxBand("216", "225")}},
            {"off the raster", [](auto& r) { r.RXFreq = 216.013; }, true, true, {raster}},
        });
}

TEST_F(SynthQuery, ReceiveRasterIsCountedFromTheFirstIf)
{
    auto driver = Make<Lumbrel>(30);
    driver->spec().FirstIF = 45.00625;
    Run(*driver, Valid(460.0125, 460.0125), 1,
        {
            {"on the transmit raster", [](auto&) {}, true, true, {raster}},
            {"on the raster from the IF", [](auto& r) { r.RXFreq = 460.00625; }, true, false, {}},
        });
}

}  // namespace
