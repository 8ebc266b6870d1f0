#include "KarsidFixture.h"

namespace {

const QString Invalid = QStringLiteral("Error, Invalid setting!");
const QString Slots = QStringLiteral("Number of Slot must be between 0 and 16!!");
const QString SlotTime = QStringLiteral("Time Per Slot must be between 0 and 255!!");

class KarsidQueryTest : public KarsidFixture {
protected:
    // The verdict and the texts shown, every box checked for its title and button.
    struct Outcome {
        bool rejected;
        QStringList texts;
    };
    Outcome Query(ModemSetting setting, bool display)
    {
        prompt.Clear();
        bool shown = display;
        const bool rejected = driver.QuerySetting(setting, shown);
        EXPECT_EQ(shown, display);
        for (const auto& box : prompt.Boxes()) {
            EXPECT_EQ(box.Title, Invalid) << box.Text.toStdString();
            EXPECT_EQ(box.Buttons, MsgButtons::OK);
        }
        return {rejected, prompt.Texts()};
    }
};

TEST_F(KarsidQueryTest, ModemMessagesComeBeforeTheBuiltInRadiosMessages)
{
    EnterCommandMode();
    Create(6, 6);
    const ModemSetting good = ReadAll();
    const QString band = QStringLiteral("The transmit freq of modem is limited to between 924 and 934");
    const QString alarm = QStringLiteral("Tx Power Alarm must be between 0 and 4000mW!!");

    ModemSetting modemFaults = good;
    modemFaults.NoOfSlot = 17;
    modemFaults.TimePerSlot = 300;
    ModemSetting radioFaults = good;
    radioFaults.TXRadio.TXFreq = 920.0;  // outside the band, on the channel raster
    radioFaults.TXRadio.PowerAlarm = 5000;
    ModemSetting alarmOnly = good;
    alarmOnly.TXRadio.PowerAlarm = 5000;
    ModemSetting both = modemFaults;
    both.TXRadio = radioFaults.TXRadio;
    // The receive side of the built-in radio is never checked.
    ModemSetting receiveOnly = good;
    receiveOnly.RXRadio.RXFreq = 1.0;

    const struct {
        const char* name;
        const ModemSetting& setting;
        bool display;
        bool rejected;
        QStringList texts;
    } cases[] = {
        {"good", good, true, false, {}},
        {"good, quiet", good, false, false, {}},
        {"modem faults", modemFaults, true, true, {Slots, SlotTime}},
        {"modem faults, quiet", modemFaults, false, true, {}},
        {"radio faults", radioFaults, true, true, {band, alarm}},
        {"radio faults, quiet", radioFaults, false, true, {band}},
        {"alarm only, quiet", alarmOnly, false, true, {}},
        {"both", both, true, true, {Slots, SlotTime, band, alarm}},
        {"both, quiet", both, false, true, {band}},
        {"receive side", receiveOnly, true, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = Query(c.setting, c.display);
        EXPECT_EQ(outcome.rejected, c.rejected);
        EXPECT_EQ(outcome.texts, c.texts);
    }
}

TEST_F(KarsidQueryTest, TheReceiveRadioChecksTheReceiveRecord)
{
    UseProfile("moskar-fdx");
    Create(12, 12);
    const ModemSetting good = ReadAll();
    ASSERT_FALSE(Query(good, true).rejected) << Query(good, true).texts.join(" | ").toStdString();

    const QString delay = QStringLiteral("TX lead in delay must be between 0 and 200!!");
    const QString receive = QStringLiteral("The Receive freq of modem is limited to between 928 and 960");
    const QString raster = QStringLiteral("Invalid frequency.  Check Frequency Licence/Assignment");

    ModemSetting all = good;
    all.NoOfSlot = -1;
    all.TXRadio.TXDelay = 201;
    all.RXRadio.RXFreq = 990.0;  // on the raster, outside the band
    ModemSetting offRaster = good;
    offRaster.RXRadio.RXFreq = 940.003;
    // A receive frequency in the transmit record, and the other way round, is not looked at.
    ModemSetting crossed = good;
    crossed.TXRadio.RXFreq = 990.0;
    crossed.RXRadio.TXDelay = 201;

    const struct {
        const char* name;
        const ModemSetting& setting;
        bool display;
        bool rejected;
        QStringList texts;
    } cases[] = {
        {"all", all, true, true, {Slots, delay, receive}},
        {"all, quiet", all, false, true, {}},
        {"off the raster, quiet", offRaster, false, true, {raster}},
        {"crossed", crossed, true, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome outcome = Query(c.setting, c.display);
        EXPECT_EQ(outcome.rejected, c.rejected);
        EXPECT_EQ(outcome.texts, c.texts);
    }
}

}  // namespace
