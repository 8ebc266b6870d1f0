#include "KarsidFixture.h"

#include <algorithm>

namespace {

using KarsidReadTest = KarsidFixture;

TEST_F(KarsidReadTest, ReadsTheBuiltInModemWithTheBarAtFixedSteps)
{
    EnterCommandMode();
    Create(6, 6);
    ModemSetting setting;
    setting.ModemID = 9;
    setting.WriteTxPwr = true;
    EXPECT_EQ(driver.ReadModemSetting(port, setting), 0);
    EXPECT_TRUE(driver.Working) << Dump();
    EXPECT_TRUE(prompt.Boxes().isEmpty()) << Dump();
    EXPECT_FALSE(port.PortOpen());

    const QList<int> values = progress.Values();
    ASSERT_GE(values.size(), 5);
    EXPECT_EQ(values.mid(0, 5), (QList<int>{10, 20, 30, 40, 50}));
    EXPECT_TRUE(std::all_of(values.begin() + 5, values.end(), [](int v) { return v > 50; }))
        << "the radios only carry the bar on";
    EXPECT_EQ(values.back(), 100);

    EXPECT_EQ(setting.ModemID, 0);
    EXPECT_FALSE(setting.WriteTxPwr);
    EXPECT_EQ(setting.ModemType, 6);
    EXPECT_EQ(setting.Firmware, "3.1");
    EXPECT_EQ(setting.SerialNo, "123456");
    EXPECT_TRUE(setting.DiagsEditable);
    EXPECT_TRUE(setting.PortBEnabled);
    EXPECT_EQ(setting.NoOfSlot, 4);
    EXPECT_EQ(setting.TimePerSlot, 10);
    EXPECT_EQ(setting.PTTTimeout, 30);
    EXPECT_EQ(setting.DiagSID1, 1);
    EXPECT_EQ(setting.DiagSID2, 2);
    EXPECT_EQ(setting.RSSI, -100);
    EXPECT_EQ(setting.TXRadio.RadioType, 6);
    EXPECT_EQ(setting.RXRadio.RadioType, 6);
}

TEST_F(KarsidReadTest, DiagnosticsAreEditableOnlyWithBit7Of0x80)
{
    EnterCommandMode();
    Create(6, 6);
    for (const int value : {0x00, 0x7F, 0x80, 0xFF}) {
        SCOPED_TRACE(value);
        SetByte(0x80, value);
        EXPECT_EQ(ReadAll().DiagsEditable, value >= 0x80);
    }
}

TEST_F(KarsidReadTest, RadiosAreSelectedOnlyOnExternalRadioBuilds)
{
    using Selects = std::vector<std::string>;
    const struct {
        const char* profile;
        int16_t tx, rx;
        int fa;  // -1: as the profile has it
        Selects selects;
        double txFreq, rxFreq;
    } cases[] = {
        {"default", 6, 6, -1, {}, 929.0125, 853.0125},
        {"default", 6, 6, 0x08, {}, 929.0125, 853.0125},  // half duplex without external radios
        {"default", 6, 6, 0xF5, {}, 929.0125, 853.0125},  // every bit but 1 and 3
        {"moskar-fdx", 12, 12, -1, {"ST", "SR"}, 952.0, 940.0},
        {"lumbrel-hdx", 35, 35, -1, {"ST"}, 455.0, 455.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.profile << " " << c.fa);
        UseProfile(c.profile);
        if (c.fa >= 0) SetByte(0xFA, c.fa);
        Create(c.tx, c.rx);
        const size_t before = Logged();
        const ModemSetting setting = ReadAll();
        EXPECT_EQ(SelectsSince(before), c.selects);
        EXPECT_DOUBLE_EQ(setting.TXRadio.TXFreq, c.txFreq);
        EXPECT_DOUBLE_EQ(setting.RXRadio.RXFreq, c.rxFreq);
        EXPECT_EQ(setting.ExtRF, !c.selects.empty());
        EXPECT_FALSE(port.PortOpen());
    }
}

TEST_F(KarsidReadTest, ALinkFailureMidwayIsUnrecoverable)
{
    EnterCommandMode();
    Create(6, 6);
    modem.Profile().Faults.SilenceAfter = 320;  // reply bytes: about half way through the modem part
    ModemSetting setting;
    EXPECT_EQ(driver.ReadModemSetting(port, setting), 0);
    EXPECT_FALSE(driver.Working);
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(progress.Values().isEmpty()) << "the failure comes after the first steps";
    EXPECT_FALSE(progress.Values().contains(50)) << "and before the radios";
    ASSERT_FALSE(prompt.Boxes().isEmpty());
    EXPECT_EQ(prompt.Texts().back(), Unrecoverable);
    EXPECT_EQ(prompt.Texts().count(Unrecoverable), 1) << Dump();
    EXPECT_EQ(prompt.Boxes().back().Title, LibraryContext::DefaultTitle);

    // The next read starts afresh.
    modem.PowerCycle(clock.NowMs());
    modem.Profile().Faults.SilenceAfter = -1;
    EnterCommandMode();
    prompt.Clear();
    ReadAll();
}

TEST_F(KarsidReadTest, ASilentModemIsUnrecoverable)
{
    EnterCommandMode();
    Create(6, 6);
    modem.Profile().Faults.Silent = true;
    ModemSetting setting;
    driver.ReadModemSetting(port, setting);
    EXPECT_FALSE(driver.Working);
    EXPECT_FALSE(port.PortOpen());
    ASSERT_FALSE(prompt.Boxes().isEmpty());
    EXPECT_EQ(prompt.Texts().back(), Unrecoverable);
    EXPECT_EQ(prompt.Texts().count(Unrecoverable), 1) << Dump();
}

TEST_F(KarsidReadTest, AFailedRadioEndsTheReadWithNoFurtherMessage)
{
    const struct {
        const char* name;
        SimModem::Radio missing;
        std::vector<std::string> selects;
    } cases[] = {
        {"transmit radio", SimModem::Radio::Tx, {"ST"}},
        {"receive radio", SimModem::Radio::Rx, {"ST", "SR"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UseProfile("moskar-fdx");
        Create(12, 12);
        (c.missing == SimModem::Radio::Tx ? modem.Profile().TxRadio : modem.Profile().RxRadio).Family = "none";
        const size_t before = Logged();
        ModemSetting setting;
        driver.ReadModemSetting(port, setting);
        EXPECT_FALSE(driver.Working);
        EXPECT_FALSE(port.PortOpen());
        EXPECT_EQ(SelectsSince(before), c.selects);
        // The radio driver's own message; the modem driver adds none.
        EXPECT_EQ(prompt.Texts(), QStringList{Unrecoverable});
        prompt.Clear();
    }
}

}  // namespace
