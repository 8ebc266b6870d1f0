#include "PexarFixture.h"

#include <QStringList>

#include <limits>

namespace {

using PexarQuery = PexarFixture;

const QString title = "Error, Invalid setting!";
const QString raster = "Invalid frequency.  Check Frequency Licence/Assignment";
const QString alarm = "Tx Power Alarm must be between 0 and 4000mW!!";
const QString delay = "TX lead in delay must be between 0 and 200!!";

RadioSetting valid(const PexarModel& model)
{
    RadioSetting r;
    r.TXFreq = model.TXFreq;
    r.PowerAlarm = 1000;
    r.TXDelay = 10;
    return r;
}

// Runs the check and returns the texts shown; every box must be an OK box with
// the validation title, and DisplayError must come back as it went in.
class Query {
public:
    Query(RadioDriver& driver, ScriptedPrompt& prompt) : driver_(driver), prompt_(prompt) {}

    QStringList operator()(RadioSetting r, bool displayError, bool& invalid, int side = 0)
    {
        prompt_.Clear();
        bool display = displayError;
        invalid = driver_.QuerySetting(r, display, side);
        EXPECT_EQ(display, displayError);
        for (const auto& box : prompt_.Boxes()) {
            EXPECT_EQ(box.Title, title);
            EXPECT_EQ(box.Buttons, MsgButtons::OK);
        }
        return prompt_.Texts();
    }

private:
    RadioDriver& driver_;
    ScriptedPrompt& prompt_;
};

TEST_P(PexarQuery, TransmitFrequencyBandAndRaster)
{
    const QString band = model.BandMessage;
    struct Case {
        const char* name;
        double freq;
        QStringList texts;
    };
    const Case cases[] = {
        {"lower edge", model.MinTX, {}},
        {"one step below", model.MinTX - 0.0125, {band}},
        {"upper edge", model.MaxTX, {}},
        {"one step above", model.MaxTX + 0.0125, {band}},
        {"mid-band on a channel", model.TXFreq, {}},
        {"half a step off", model.TXFreq + 0.00625, {raster}},
        {"0.1 Hz off", model.TXFreq + 0.0000001, {raster}},
        {"0.01 Hz off, within the tolerance", model.TXFreq + 0.00000001, {}},
        {"far out of band and off the raster", model.MinTX - 1.003, {band, raster}},
        // What a file may hold: every limit fails, and there is no raster to be off.
        {"not a number", std::numeric_limits<double>::quiet_NaN(), {band}},
        {"infinite", std::numeric_limits<double>::infinity(), {band}},
        {"minus infinite", -std::numeric_limits<double>::infinity(), {band}},
    };
    Query q(*driver, prompt);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioSetting r = valid(model);
        r.TXFreq = c.freq;
        bool invalid = false;
        // Shown whether or not the caller asked for messages.
        for (bool display : {false, true}) {
            EXPECT_EQ(q(r, display, invalid), c.texts);
            EXPECT_EQ(invalid, !c.texts.isEmpty());
        }
    }
}

TEST_P(PexarQuery, AlarmAndDelayLimits)
{
    struct Case {
        const char* name;
        int32_t alarm;
        int32_t delay;
        QString text;  // empty: passes
    };
    const Case cases[] = {
        {"alarm off", 0, 10, {}},
        {"alarm at its top", 4000, 10, {}},
        {"alarm below 0", -1, 10, alarm},
        {"alarm above 4000", 4001, 10, alarm},
        {"no delay", 1000, 0, {}},
        {"delay at its top", 1000, 200, {}},
        {"delay below 0", 1000, -1, delay},
        {"delay above 200", 1000, 201, delay},
    };
    Query q(*driver, prompt);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioSetting r = valid(model);
        r.PowerAlarm = c.alarm;
        r.TXDelay = c.delay;
        const bool fails = !c.text.isEmpty();
        bool invalid = false;
        EXPECT_EQ(q(r, true, invalid), fails ? QStringList{c.text} : QStringList{});
        EXPECT_EQ(invalid, fails);
        // Without DisplayError the verdict stays and the message goes.
        EXPECT_EQ(q(r, false, invalid), QStringList{});
        EXPECT_EQ(invalid, fails);
    }
}

TEST_P(PexarQuery, EveryFailureOfOneCallInOrder)
{
    RadioSetting r = valid(model);
    r.TXFreq = model.MaxTX + 0.003;
    r.PowerAlarm = 5000;
    r.TXDelay = 300;
    Query q(*driver, prompt);
    bool invalid = false;

    EXPECT_EQ(q(r, true, invalid), (QStringList{model.BandMessage, raster, alarm, delay}));
    EXPECT_TRUE(invalid);
    EXPECT_EQ(q(r, false, invalid), (QStringList{model.BandMessage, raster}));
    EXPECT_TRUE(invalid);
}

TEST_P(PexarQuery, ReceiveSideAcceptsAnything)
{
    RadioSetting r = valid(model);
    r.TXFreq = 1.0003;
    r.RXFreq = -5;
    r.PowerAlarm = 5000;
    r.TXDelay = -300;
    Query q(*driver, prompt);
    bool invalid = true;

    EXPECT_EQ(q(r, true, invalid, 1), QStringList{});
    EXPECT_FALSE(invalid);
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, PexarQuery, ::testing::ValuesIn(PexarModels),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
