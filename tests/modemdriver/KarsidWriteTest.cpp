#include "KarsidFixture.h"

#include <algorithm>
#include <functional>

namespace {

const QString TrimNotWritten = QStringLiteral(
    "The Frequency Trim has not been written to this radio,\r it is only written if you have read this "
    "particular radio first.");
const QString NotOverwritten =
    QStringLiteral("\"Orvane Diagnostics Processor settings\" in \"Edit SID\" have not been overwritten.");
const QString NotFromSource = QStringLiteral(
    "The \"Orvane Diagnostics Processor\" setting in \"Edit SID\" are not available from source, please configure "
    "separately.");

class KarsidWriteTest : public KarsidFixture {
protected:
    // Powers up the profile's modem, creates its drivers and reads it.
    ModemSetting Start(const char* profile, int16_t tx, int16_t rx)
    {
        prompt.Clear();
        UseProfile(profile);
        Create(tx, rx);
        ModemSetting setting = ReadAll();
        progress.SetValue(0);
        return setting;
    }
    // Writes and gives the messages; the link is closed on every path, and the
    // result says what Working says.
    QStringList Write(ModemSetting& setting)
    {
        prompt.Clear();
        before = Logged();
        written = driver.WriteModemSetting(port, setting);
        EXPECT_EQ(written, driver.Working);
        EXPECT_FALSE(port.PortOpen());
        for (const auto& box : prompt.Boxes()) {
            EXPECT_EQ(box.Title, LibraryContext::DefaultTitle) << box.Text.toStdString();
            EXPECT_EQ(box.Buttons, MsgButtons::OK);
        }
        return prompt.Texts();
    }
    // The configuration memory without the check word.
    std::vector<uint8_t> Config() const
    {
        const auto& memory = modem.Profile().Memory;
        return {memory.begin() + 0x80, memory.begin() + 0xFD};
    }
    bool Sent(const std::string& command) const
    {
        const auto since = CommandsSince(before);
        return std::find(since.begin(), since.end(), command) != since.end();
    }

    size_t before = 0;
    bool written = false;
};

TEST_F(KarsidWriteTest, WritesBackWhatWasReadWithTheBarAtFixedSteps)
{
    using Selects = std::vector<std::string>;
    const struct {
        const char* profile;
        int16_t tx, rx;
        Selects selects;
    } cases[] = {
        {"default", 6, 6, {}},
        {"moskar-fdx", 12, 12, {"ST", "SR"}},
        {"lumbrel-hdx", 35, 35, {"ST"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        ModemSetting setting = Start(c.profile, c.tx, c.rx);
        const std::vector<uint8_t> config = Config();
        const qsizetype first = progress.Values().size();
        EXPECT_TRUE(Write(setting).isEmpty()) << Dump();
        EXPECT_TRUE(driver.Working);
        EXPECT_EQ(SelectsSince(before), c.selects);
        EXPECT_EQ(Config(), config);
        EXPECT_TRUE(Sent("CR")) << "the configuration is checked";
        EXPECT_EQ(modem.Memory(0xFD) << 8 | modem.Memory(0xFE), modem.CorrectCheckWord());

        const QList<int> values = progress.Values().mid(first);
        ASSERT_GE(values.size(), 4);
        EXPECT_EQ(values.mid(0, 4), (QList<int>{15, 30, 40, 50}));
        EXPECT_TRUE(std::all_of(values.begin() + 4, values.end(), [](int v) { return v > 50; }));
    }
}

TEST_F(KarsidWriteTest, ReadOnlyMembersAreNotWritten)
{
    ModemSetting setting = Start("default", 6, 6);
    const std::vector<uint8_t> config = Config();
    setting.ModemType = 7;
    setting.ModemID = 5;
    setting.Firmware = "2.2";
    setting.SerialNo = "654321";
    setting.HDX = !setting.HDX;
    setting.BaudRate9600 = !setting.BaudRate9600;
    setting.DiagEnable = !setting.DiagEnable;
    setting.RSSI = -60;  // WriteTxPwr is False after a read
    EXPECT_TRUE(Write(setting).isEmpty()) << Dump();
    EXPECT_EQ(Config(), config);
}

TEST_F(KarsidWriteTest, TheThresholdIsWrittenOnlyWithWriteTxPwr)
{
    for (const bool writeTxPwr : {false, true}) {
        SCOPED_TRACE(writeTxPwr);
        ModemSetting setting = Start("default", 6, 6);
        const int threshold = Byte(0xF2);
        setting.RSSI = -60;
        setting.WriteTxPwr = writeTxPwr;
        setting.NoOfSlot = 6;
        EXPECT_TRUE(Write(setting).isEmpty()) << Dump();
        EXPECT_EQ(Byte(0xF6), 6) << "the rest is written";
        EXPECT_EQ(WritesToSince(0xF2, before).empty(), !writeTxPwr);
        if (writeTxPwr) {
            EXPECT_NE(Byte(0xF2), threshold);
            EXPECT_EQ(ReadAll().RSSI, -60);
        } else {
            EXPECT_EQ(Byte(0xF2), threshold);
        }
    }
}

TEST_F(KarsidWriteTest, DiagnosticsAreWrittenOnlyWhenBothSidesCarryThem)
{
    const struct {
        bool modemCarries;  // bit 7 of 0x80 at the time of the write
        bool editable;      // DiagsEditable of the configuration
        bool written;
        QStringList messages;
    } cases[] = {
        {true, true, true, {}},
        {false, true, false, {NotOverwritten}},
        {true, false, false, {NotFromSource}},
        {false, false, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.modemCarries << c.editable);
        ModemSetting setting = Start("default", 6, 6);
        SetByte(0x80, c.modemCarries ? 0x80 : 0x00);
        setting.DiagsEditable = c.editable;
        setting.DiagSID1 = 0x0A;
        setting.DiagSID2 = 0x0B;
        setting.DiagRepeat = !setting.DiagRepeat;
        setting.SIDCode = !setting.SIDCode;
        setting.PTTTimeout = 45;
        const int sids[] = {Byte(0x88), Byte(0x89)};
        const int repeat = Byte(0xFC);
        const int options = Byte(0xFB);

        EXPECT_EQ(Write(setting), c.messages);
        EXPECT_TRUE(driver.Working);
        EXPECT_EQ(Byte(0x98) << 8 | Byte(0x99), 4500) << "the rest is written";
        if (c.written) {
            EXPECT_TRUE(Sent("WN1880A0B")) << "both SIDs in one write";
            EXPECT_EQ(Byte(0x88), 0x0A);
            EXPECT_EQ(Byte(0x89), 0x0B);
            EXPECT_EQ(Byte(0xFC) & 1, setting.DiagRepeat ? 1 : 0);
            EXPECT_EQ(Byte(0xFB) & 0x80, setting.SIDCode ? 0x80 : 0);
        } else {
            EXPECT_TRUE(WritesToSince(0x88, before).empty());
            EXPECT_TRUE(WritesToSince(0x89, before).empty());
            EXPECT_TRUE(WritesToSince(0xFC, before).empty());
            EXPECT_EQ(Byte(0x88), sids[0]);
            EXPECT_EQ(Byte(0x89), sids[1]);
            EXPECT_EQ(Byte(0xFC), repeat);
            EXPECT_EQ(Byte(0xFB) & 0x80, options & 0x80);
        }
    }
}

TEST_F(KarsidWriteTest, AnotherUnitsTrimIsKeptOutWithOneMessage)
{
    const struct {
        const char* profile;
        int16_t tx, rx;
        bool txOther, rxOther;
    } cases[] = {
        {"default", 6, 6, true, false},
        {"default", 6, 6, true, true},
        {"moskar-fdx", 12, 12, true, false},
        {"moskar-fdx", 12, 12, false, true},
        {"moskar-fdx", 12, 12, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.profile << " tx " << c.txOther << " rx " << c.rxOther);
        ModemSetting setting = Start(c.profile, c.tx, c.rx);
        if (c.txOther) setting.TXRadio.SerialNo = "999999";
        if (c.rxOther) setting.RXRadio.SerialNo = "999998";
        setting.TXRadio.TXFreqTrim += 2;
        setting.RXRadio.RXFreqTrim -= 2;
        setting.TXRadio.TXDelay = 20;
        setting.NoOfSlot = 7;
        const bool external = c.tx != 6;
        const int builtInTrim = Byte(0x86);
        const int txTrim = external ? modem.RadioMemory(SimModem::Radio::Tx, 0x4C) : 0;
        const int rxTrim = external ? modem.RadioMemory(SimModem::Radio::Rx, 0x4C) : 0;

        EXPECT_EQ(Write(setting), QStringList{TrimNotWritten});
        EXPECT_TRUE(driver.Working);
        EXPECT_EQ(Byte(0xF6), 7);
        prompt.Clear();
        const ModemSetting back = ReadAll();
        EXPECT_EQ(back.TXRadio.TXDelay, 20);
        if (external) {
            EXPECT_EQ(modem.RadioMemory(SimModem::Radio::Tx, 0x4C) == txTrim, c.txOther);
            EXPECT_EQ(modem.RadioMemory(SimModem::Radio::Rx, 0x4C) == rxTrim, c.rxOther);
        } else {
            EXPECT_EQ(Byte(0x86), builtInTrim);
        }
    }
}

TEST_F(KarsidWriteTest, TheTrimMessageComesBeforeTheDiagnosticsMessage)
{
    ModemSetting setting = Start("default", 6, 6);
    SetByte(0x80, 0x00);
    setting.TXRadio.SerialNo = "999999";
    EXPECT_EQ(Write(setting), (QStringList{TrimNotWritten, NotOverwritten}));
}

TEST_F(KarsidWriteTest, ACheckThatNeverPassesEndsTheWriteWithItsCodeAsAFailure)
{
    const QString codeFour = QStringLiteral("Error has occured error code: 4");
    const struct {
        const char* name;
        bool otherUnit;       // the trim message comes first
        bool modemCarries;    // bit 7 of 0x80; clear: the diagnostics message comes first
        QStringList messages;
    } cases[] = {
        {"alone", false, true, {codeFour}},
        {"after the other messages", true, false, {TrimNotWritten, NotOverwritten, codeFour}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModemSetting setting = Start("default", 6, 6);
        SetByte(0x80, c.modemCarries ? 0x80 : 0x00);
        if (c.otherUnit) setting.TXRadio.SerialNo = "999999";
        setting.NoOfSlot = 8;
        modem.Profile().Faults.CheckStuck = 0x1234;

        EXPECT_EQ(Write(setting), c.messages);
        EXPECT_FALSE(written);
        EXPECT_EQ(Byte(0xF6), 8) << "everything is written before the check";
        const auto since = CommandsSince(before);
        EXPECT_EQ(std::count(since.begin(), since.end(), "CR"), 2) << "one repair, no third check";
        EXPECT_EQ(WritesToSince(0xFD, before), std::vector<std::string>{"WN1FD1234"});

        // The next write to a modem that takes its check goes through.
        modem.Profile().Faults.CheckStuck = -1;
        EXPECT_EQ(Write(setting).contains(codeFour), false);
        EXPECT_TRUE(written);
        EXPECT_EQ(modem.Memory(0xFD) << 8 | modem.Memory(0xFE), modem.CorrectCheckWord());
    }
}

TEST_F(KarsidWriteTest, ALinkFailureMidwayIsUnrecoverableAndSkipsTheOtherMessages)
{
    ModemSetting setting = Start("default", 6, 6);
    SetByte(0x80, 0x00);
    setting.TXRadio.SerialNo = "999999";
    setting.NoOfSlot = 9;
    modem.Profile().Faults.SilenceAfter = 60;
    const QStringList texts = Write(setting);
    EXPECT_FALSE(driver.Working);
    ASSERT_FALSE(texts.isEmpty());
    EXPECT_EQ(texts.back(), Unrecoverable);
    EXPECT_EQ(texts.count(Unrecoverable), 1) << Dump();
    EXPECT_FALSE(texts.contains(TrimNotWritten));
    EXPECT_FALSE(texts.contains(NotOverwritten));
    EXPECT_FALSE(Sent("CR"));
}

// A value of the configuration that the write cannot store ends the write before
// its first frame: the modem keeps all it held.
TEST_F(KarsidWriteTest, AValueTheWriteCannotStoreEndsItBeforeItsFirstFrame)
{
    const struct {
        const char* name;
        const char* profile;
        int16_t type;
        std::function<void(ModemSetting&)> edit;
    } cases[] = {
        {"a built-in trim over a byte", "default", 6, [](ModemSetting& s) { s.TXRadio.TXFreqTrim = 200; }},
        {"a lead-in over a byte", "default", 6, [](ModemSetting& s) { s.TXRadio.TXDelay = 250; }},
        {"a time-out over its word", "default", 6, [](ModemSetting& s) { s.PTTTimeout = 700; }},
        {"a port B code over a byte", "default", 6, [](ModemSetting& s) { s.PortB.SID2 = 256; }},
        {"a divider over 32 bits", "moskar-fdx", 12, [](ModemSetting& s) { s.RXRadio.RXFreq = 1e9; }},
        {"a power with no setting", "moskar-fdx", 12,
         [](ModemSetting& s) {
             s.WriteTxPwr = s.TXRadio.WriteTxPwr = s.RXRadio.WriteTxPwr = true;
             s.TXRadio.txpower = -100;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModemSetting setting = Start(c.profile, c.type, c.type);
        c.edit(setting);
        const std::vector<uint8_t> held = Config();
        EXPECT_EQ(Write(setting), QStringList{Unrecoverable});
        EXPECT_FALSE(driver.Working);
        const auto commands = CommandsSince(before);
        EXPECT_EQ(std::count_if(commands.begin(), commands.end(), [](const std::string& c) { return c.rfind("WN", 0) == 0; }),
                  0)
            << "no memory write went out";
        EXPECT_TRUE(SelectsSince(before).empty()) << "no radio was written either";
        EXPECT_EQ(Config(), held);
    }
}

// The whole memory of both radios.
std::vector<uint8_t> RadioMemories(const SimModem& modem)
{
    std::vector<uint8_t> bytes;
    for (const SimModem::Radio side : {SimModem::Radio::Tx, SimModem::Radio::Rx})
        for (int address = 0; address < 0x80; ++address) bytes.push_back(modem.RadioMemory(side, address));
    return bytes;
}

// A threshold that the modem's own calibration takes past a byte is found before
// anything is sent: the modem keeps its whole configuration and its check word.
TEST_F(KarsidWriteTest, AThresholdTheCalibrationTakesPastAByteRefusesTheWholeWrite)
{
    ModemSetting setting = Start("builtin-high", 6, 6);
    SetByte(0xF3, 0xFA);
    SetByte(0xFA, Byte(0xFA) | 0x01);
    setting.RSSI = -30;  // (-30 + 134) x 250 / 74 is 351
    setting.WriteTxPwr = setting.TXRadio.WriteTxPwr = true;
    setting.CAvoid = 6;
    const std::vector<uint8_t> held = Config();
    const uint16_t checkWord = uint16_t(Byte(0xFD) << 8 | Byte(0xFE));
    EXPECT_EQ(Write(setting), QStringList{Unrecoverable});
    EXPECT_FALSE(driver.Working);
    EXPECT_TRUE(WritesToSince(-1, before).empty()) << "no location written";
    EXPECT_FALSE(Sent("CR"));
    EXPECT_EQ(Config(), held);
    EXPECT_EQ(Byte(0xFD) << 8 | Byte(0xFE), checkWord);
}

// Each value the write works out, at its limits: just inside, the write goes
// through; just outside, the whole write is refused before its first frame and
// neither the modem nor a radio is touched.
TEST_F(KarsidWriteTest, EachValueAtItsLimitsIsWrittenOrRefusesTheWholeWrite)
{
    using Edit = std::function<void(ModemSetting&, bool outside)>;
    const char* const BuiltIn = "builtin-high";
    auto withPower = [](ModemSetting& s) { s.WriteTxPwr = s.TXRadio.WriteTxPwr = s.RXRadio.WriteTxPwr = true; };
    // The frequency whose divider, at the channel step, is the largest 32-bit
    // number, less or more a quarter of a step.
    auto dividerLimit = [](double step, bool outside) {
        return ((outside ? 2147483647.5 + 0.25 : 2147483647.0 - 0.25) * step) / 1000000;
    };
    const struct {
        const char* name;
        const char* profile;
        int16_t type;
        Edit edit;
    } cases[] = {
        {"port A SID 1", BuiltIn, 6, [](ModemSetting& s, bool out) { s.PortA.SID1 = out ? 256 : 255; }},
        {"port B SID 2", BuiltIn, 6, [](ModemSetting& s, bool out) { s.PortB.SID2 = out ? -1 : 0; }},
        {"port A end of message", BuiltIn, 6, [](ModemSetting& s, bool out) { s.PortA.EOMChar = out ? 256 : 255; }},
        {"port B character timer", BuiltIn, 6, [](ModemSetting& s, bool out) { s.PortB.CharTimer = out ? -1 : 0; }},
        {"port A maximum frame", BuiltIn, 6, [](ModemSetting& s, bool out) { s.PortA.MaxFrame = out ? 256 : 255; }},
        {"slots", BuiltIn, 6, [](ModemSetting& s, bool out) { s.NoOfSlot = out ? 256 : 255; }},
        {"time per slot", BuiltIn, 6, [](ModemSetting& s, bool out) { s.TimePerSlot = out ? -1 : 0; }},
        {"PTT time-out word", BuiltIn, 6, [](ModemSetting& s, bool out) { s.PTTTimeout = out ? 656 : 655; }},
        {"PTT time-out below 0", BuiltIn, 6, [](ModemSetting& s, bool out) { s.PTTTimeout = out ? -1 : 0; }},
        {"diagnostics SID 1", BuiltIn, 6, [](ModemSetting& s, bool out) { s.DiagSID1 = out ? 256 : 255; }},
        {"diagnostics SID 2", BuiltIn, 6, [](ModemSetting& s, bool out) { s.DiagSID2 = out ? -1 : 0; }},
        {"threshold", BuiltIn, 6,
         [&](ModemSetting& s, bool out) {
             withPower(s);
             s.RSSI = out ? -25 : -26;
         }},
        {"threshold at the floor", BuiltIn, 6,
         [&](ModemSetting& s, bool out) {
             withPower(s);
             s.RSSI = out ? -135 : -134;
         }},
        {"threshold on the modem's calibration", BuiltIn, 6,
         [&](ModemSetting& s, bool out) {
             SetByte(0xF3, 0xFA);
             SetByte(0xFA, Byte(0xFA) | 0x01);
             withPower(s);
             s.RSSI = out ? -58 : -59;
         }},
        {"lead-in at 9600 baud", BuiltIn, 6, [](ModemSetting& s, bool out) { s.TXRadio.TXDelay = out ? 213 : 212; }},
        {"lead-in at 9600 baud in characters of nine bits", BuiltIn, 6,
         [](ModemSetting& s, bool out) {
             s.CAvoid = 6;  // stores 0x10 at 0xF8 before the lead-in is written
             s.TXRadio.TXDelay = out ? 240 : 239;
         }},
        {"lead-in at 4800 baud", BuiltIn, 6,
         [&](ModemSetting& s, bool out) {
             SetByte(0xF9, 0x00);
             s.TXRadio.TXDelay = out ? 426 : 425;
         }},
        {"lead-in of an external radio", "moskar-fdx", 12,
         [](ModemSetting& s, bool out) { s.TXRadio.TXDelay = out ? 213 : 212; }},
        {"synthesiser main count", BuiltIn, 6,
         [](ModemSetting& s, bool out) { s.TXRadio.TXFreq = (out ? 6553.7 : 6553.5) + 121; }},
        {"synthesiser below 0", BuiltIn, 6, [](ModemSetting& s, bool out) { s.TXRadio.TXFreq = out ? 120.9 : 121; }},
        {"synthesiser reference word", BuiltIn, 6, [&](ModemSetting&, bool out) { SetWord(0xE2, out ? 0 : 1); }},
        {"built-in trim above", BuiltIn, 6, [](ModemSetting& s, bool out) { s.TXRadio.TXFreqTrim = out ? 128 : 127; }},
        {"built-in trim below", BuiltIn, 6,
         [](ModemSetting& s, bool out) { s.TXRadio.TXFreqTrim = out ? -129 : -128; }},
        {"power register of the 900 MHz radio", "moskar-fdx", 12,
         [&](ModemSetting& s, bool out) {
             withPower(s);
             s.TXRadio.txpower = out ? -1 : 0;
         }},
        {"power register of the 450 MHz radio", "lumbrel-fdx", 39,
         [&](ModemSetting& s, bool out) {
             withPower(s);
             s.TXRadio.txpower = out ? -1 : 0;
         }},
        {"divider of the 900 MHz radio", "moskar-fdx", 12,
         [&](ModemSetting& s, bool out) {
             const RadioSpec& spec = driver.RXRadio()->Spec();
             s.RXRadio.RXFreq = spec.FirstIF + dividerLimit(spec.PhaseFreq, out);
         }},
        {"divider of the 200 MHz radio", "rudvik-fdx", 62,
         [&](ModemSetting& s, bool out) { s.TXRadio.TXFreq = dividerLimit(driver.TXRadio()->Spec().PhaseFreq, out); }},
        // Its step is measured at the write: the finest step its 12-bit
        // reference divider can give decides.
        {"divider of the 450 MHz radio", "lumbrel-fdx", 39,
         [&](ModemSetting& s, bool out) {
             s.TXRadio.TXFreq = dividerLimit(driver.TXRadio()->Spec().RefCrystal / 4095, out);
         }},
    };
    for (const auto& c : cases) {
        for (const bool outside : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (outside ? ", just outside" : ", just inside"));
            ModemSetting setting = Start(c.profile, c.type, c.type);
            c.edit(setting, outside);
            const std::vector<uint8_t> held = Config();
            const std::vector<uint8_t> radios = RadioMemories(modem);
            const QStringList texts = Write(setting);
            if (!outside) {
                EXPECT_TRUE(texts.isEmpty()) << Dump();
                EXPECT_TRUE(driver.Working);
                EXPECT_TRUE(Sent("CR"));
                EXPECT_EQ(modem.Memory(0xFD) << 8 | modem.Memory(0xFE), modem.CorrectCheckWord());
                continue;
            }
            EXPECT_EQ(texts, QStringList{Unrecoverable});
            EXPECT_FALSE(driver.Working);
            EXPECT_TRUE(WritesToSince(-1, before).empty()) << "no location written";
            EXPECT_TRUE(SelectsSince(before).empty()) << "no radio reached";
            EXPECT_FALSE(Sent("CR"));
            EXPECT_EQ(Config(), held);
            EXPECT_EQ(RadioMemories(modem), radios);
        }
    }
}

// An external radio's trim that its register cannot hold with this radio's base
// is kept out, as another radio's trim is: the write goes to its end.
TEST_F(KarsidWriteTest, ATrimTheRadioCannotHoldIsKeptOutAndTheWriteEnds)
{
    ModemSetting setting = Start("moskar-fdx", 12, 12);
    const int trim = modem.RadioMemory(SimModem::Radio::Tx, 0x4C);
    setting.TXRadio.TXFreqTrim = 400;
    setting.NoOfSlot = 7;
    EXPECT_EQ(Write(setting), QStringList{TrimNotWritten});
    EXPECT_TRUE(driver.Working);
    EXPECT_TRUE(Sent("CR"));
    EXPECT_EQ(Byte(0xF6), 7);
    EXPECT_EQ(modem.RadioMemory(SimModem::Radio::Tx, 0x4C), trim);
}

TEST_F(KarsidWriteTest, AFailedRadioEndsTheWriteBeforeTheCheck)
{
    const struct {
        const char* name;
        SimModem::Radio missing;
    } cases[] = {{"transmit radio", SimModem::Radio::Tx}, {"receive radio", SimModem::Radio::Rx}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ModemSetting setting = Start("moskar-fdx", 12, 12);
        setting.TXRadio.SerialNo = "999999";
        (c.missing == SimModem::Radio::Tx ? modem.Profile().TxRadio : modem.Profile().RxRadio).Family = "none";
        const QStringList texts = Write(setting);
        EXPECT_FALSE(driver.Working);
        // The radio driver's own message; no further message follows.
        EXPECT_EQ(texts, QStringList{Unrecoverable});
        EXPECT_FALSE(Sent("CR"));
        EXPECT_EQ(SelectsSince(before).back(), c.missing == SimModem::Radio::Tx ? "ST" : "SR");
    }
}

}  // namespace
