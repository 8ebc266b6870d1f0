#include "ScopedLocale.h"
#include "SimProfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

int word(const SimProfile& p, int address) { return p.Memory[size_t(address)] << 8 | p.Memory[size_t(address) + 1]; }

double synthMHz(const SimProfile& p)
{
    const int r = word(p, 0xE2), a = p.Memory[0xE4] / 2, n = word(p, 0xE5) / 16;
    return 12e6 / r * (128 * n + a) / 1e6;
}

bool checkWordIsCorrect(const SimProfile& p) { return word(p, 0xFD) == SimProfile::CheckWordOf(p.Memory); }

std::string errorOf(const std::string& text)
{
    try {
        SimProfile::Parse(text);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "no error";
}

TEST(SimProfile, Crc16X25OfTheStandardCheckString)
{
    const std::string check = "123456789";
    EXPECT_EQ(SimProfile::Crc16X25(reinterpret_cast<const uint8_t*>(check.data()), check.size()), 0x906E);
    EXPECT_EQ(SimProfile::Crc16X25(nullptr, 0), 0x0000);
}

TEST(SimProfile, TheDefaultIsABuiltInRadioModemOfType6)
{
    const SimProfile p = SimProfile::Default();
    EXPECT_EQ(p.Firmware, "3.1");
    EXPECT_EQ(p.ProductVersion, "");
    EXPECT_EQ(p.PromptIntervalMs, 200);
    EXPECT_FALSE(p.StartsOff);
    EXPECT_EQ(p.Rssi[1], 175);
    EXPECT_EQ(p.Faults, SimProfile::SimFaults{});
    const struct {
        int address;
        int value;
    } bytes[] = {
        {0x80, 0x80}, {0x85, 6},    {0x96, 0x05}, {0x97, 0x05}, {0x9A, 0x12},
        {0x9B, 0x34}, {0x9C, 0x56}, {0xE2, 0x03}, {0xE3, 0xC0}, {0xFA, 0x00},
    };
    for (const auto& b : bytes) {
        SCOPED_TRACE(b.address);
        EXPECT_EQ(p.Memory[size_t(b.address)], b.value);
    }
    EXPECT_DOUBLE_EQ(synthMHz(p), 808.0125);
    EXPECT_TRUE(checkWordIsCorrect(p));
}

TEST(SimProfile, EveryKeyOfTheFormat)
{
    const SimProfile p = SimProfile::Parse(R"(# a modem that asks for a newer programmer

firmware = 3.2        # trailing comment
product_version = 3.0;3.6
prompt_interval_ms = 75
starts_off = true
rssi = 120
rssi.4 = 9
memory F6 = 0102
memory 10 = AB cd  EF
silent = true
bad_checksum = true
bad_checksum_on = RN
er_on = WN
silence_after = 7
)");
    EXPECT_EQ(p.Firmware, "3.2");
    EXPECT_EQ(p.ProductVersion, "3.0;3.6");
    EXPECT_EQ(p.PromptIntervalMs, 75);
    EXPECT_TRUE(p.StartsOff);
    EXPECT_EQ(p.Rssi[1], 120);
    EXPECT_EQ(p.Rssi[4], 9);
    EXPECT_EQ(p.Rssi[0], 175);
    EXPECT_EQ(word(p, 0xF6), 0x0102);
    EXPECT_EQ(p.Memory[0x10], 0xAB);
    EXPECT_EQ(p.Memory[0x11], 0xCD);
    EXPECT_EQ(p.Memory[0x12], 0xEF);
    EXPECT_TRUE(p.Faults.Silent);
    EXPECT_TRUE(p.Faults.BadChecksum);
    EXPECT_EQ(p.Faults.BadChecksumOn, "RN");
    EXPECT_EQ(p.Faults.ErOn, "WN");
    EXPECT_EQ(p.Faults.SilenceAfter, 7);
    EXPECT_TRUE(checkWordIsCorrect(p)) << "the check word follows the changed memory";
}

TEST(SimProfile, TheRadioKeysAndTheWindow)
{
    const SimProfile p = SimProfile::Parse(R"(prompt_window_ms = 2500
radio.tx.family = moskar
radio.tx.version = 23
radio.tx.load-status = 2f
radio.tx.memory 40 = 01 02
radio.tx.memory 7F = 0C
radio.rx.family = rudvik
radio.rx.memory 00 = FF
radio_wrong_echo = 3
radio-esc-without-cr = true
radio_silence_after = 9
)");
    EXPECT_EQ(p.PromptWindowMs, 2500);
    EXPECT_EQ(p.TxRadio.Family, "moskar");
    EXPECT_TRUE(p.TxRadio.Present());
    EXPECT_EQ(p.TxRadio.Version, 0x23);
    EXPECT_EQ(p.TxRadio.LoadStatus, 0x2F);
    EXPECT_EQ(p.TxRadio.Memory[0x40], 0x01);
    EXPECT_EQ(p.TxRadio.Memory[0x41], 0x02);
    EXPECT_EQ(p.TxRadio.Memory[0x7F], 0x0C);
    EXPECT_EQ(p.RxRadio.Family, "rudvik");
    EXPECT_EQ(p.RxRadio.Version, 0);
    EXPECT_EQ(p.RxRadio.Memory[0x00], 0xFF);
    EXPECT_EQ(p.RxRadio.Memory[0x40], 0x00) << "each radio has its own memory";
    EXPECT_EQ(p.Faults.RadioWrongEcho, 3);
    EXPECT_TRUE(p.Faults.RadioEscWithoutCr);
    EXPECT_EQ(p.Faults.RadioSilenceAfter, 9);
    EXPECT_EQ(p.Memory, SimProfile::Default().Memory) << "radio memory is not the modem's";

    const SimProfile d = SimProfile::Default();
    EXPECT_EQ(d.PromptWindowMs, 10000);
    EXPECT_FALSE(d.TxRadio.Present());
    EXPECT_FALSE(d.RxRadio.Present());
    EXPECT_EQ(d.Faults.RadioWrongEcho, 0);
    EXPECT_EQ(d.Faults.RadioSilenceAfter, -1);
}

TEST(SimProfile, ThePeersThatNeverEnd)
{
    const SimProfile p = SimProfile::Parse(R"(stream = nul
endless-prompts = true
long_reply = 5000
long_reply_on = WN
radio_noise = true
)");
    EXPECT_EQ(p.Faults.Stream, "nul");
    EXPECT_TRUE(p.Faults.EndlessPrompts);
    EXPECT_EQ(p.Faults.LongReply, 5000);
    EXPECT_EQ(p.Faults.LongReplyOn, "WN");
    EXPECT_TRUE(p.Faults.RadioNoise);

    SimProfile q = p;
    q.SetFault("stream", "text");
    EXPECT_EQ(q.Faults.Stream, "text");
    q.SetFault("stream", "none");
    EXPECT_EQ(q.Faults.Stream, "");

    const SimProfile d = SimProfile::Default();
    EXPECT_EQ(d.Faults.Stream, "");
    EXPECT_FALSE(d.Faults.EndlessPrompts);
    EXPECT_EQ(d.Faults.LongReply, 0);
    EXPECT_FALSE(d.Faults.RadioNoise);
}

TEST(SimProfile, AStuckCheckTakesFourHexDigitsOrNone)
{
    EXPECT_EQ(SimProfile::Default().Faults.CheckStuck, -1);
    EXPECT_EQ(SimProfile::Parse("check_stuck = 1234\n").Faults.CheckStuck, 0x1234);
    EXPECT_EQ(SimProfile::Parse("check-stuck = f0b8\n").Faults.CheckStuck, 0xF0B8);
    SimProfile p = SimProfile::Parse("check_stuck = 0000\n");
    EXPECT_EQ(p.Faults.CheckStuck, 0);
    p.SetFault("check_stuck", "none");
    EXPECT_EQ(p.Faults.CheckStuck, -1);
}

TEST(SimProfile, RadioKeyErrorsNameTheLine)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"radio.tx.family = pexar\n", "line 1: bad value \"pexar\" for radio.tx.family"},
        {"radio.tx.family = Moskar\n", "line 1: bad value \"Moskar\" for radio.tx.family"},
        {"radio.rx.version = 123\n", "line 1: bad value \"123\" for radio.rx.version"},
        {"radio.rx.version = 2.3\n", "line 1: bad value \"2.3\" for radio.rx.version"},
        {"radio.tx.load_status =\n", "line 1: bad value \"\" for radio.tx.load_status"},
        {"radio.tx.colour = red\n", "line 1: unknown key \"radio.tx.colour\""},
        {"radio.xx.family = moskar\n", "line 1: unknown key \"radio.xx.family\""},
        {"radio.tx.memory 80 = 00\n", "line 1: bad memory address \"80\""},
        {"radio.tx.memory 7F = 00 00\n", "line 1: memory bytes run past address 7F"},
        {"radio.rx.memory 40 = 0\n", "line 1: bad memory bytes \"0\""},
        {"prompt_window_ms = 0\n", "line 1: bad value \"0\" for prompt_window_ms"},
        {"radio_wrong_echo = -1\n", "line 1: bad value \"-1\" for radio_wrong_echo"},
        {"radio_esc_without_cr = 1\n", "line 1: bad value \"1\" for radio_esc_without_cr"},
        {"radio_silence_after = -2\n", "line 1: bad value \"-2\" for radio_silence_after"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(errorOf(c.text), c.message);
    }
}

TEST(SimProfile, TheCheckWordIsKeptWhenTheProfileSaysSo)
{
    const SimProfile p = SimProfile::Parse("memory F6 = 09\nmemory FD = 12 34\nfix_check_word = false\n");
    EXPECT_EQ(word(p, 0xFD), 0x1234);
    EXPECT_EQ(SimProfile::Parse("memory FD = 12 34\n").Memory, SimProfile::Default().Memory);
}

TEST(SimProfile, DashesInKeysCountAsUnderscores)
{
    const SimProfile p = SimProfile::Parse("bad-checksum = true\nsilence-after = 3\n");
    EXPECT_TRUE(p.Faults.BadChecksum);
    EXPECT_EQ(p.Faults.SilenceAfter, 3);
}

TEST(SimProfile, ErrorsNameTheLine)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"firmware = 3.1\ncolour = red\n", "line 2: unknown key \"colour\""},
        {"\n\nfirmware 3.1\n", "line 3: expected \"key = value\""},
        {"starts_off = yes\n", "line 1: bad value \"yes\" for starts_off"},
        {"prompt_interval_ms = 0\n", "line 1: bad value \"0\" for prompt_interval_ms"},
        {"prompt_interval_ms = 20ms\n", "line 1: bad value \"20ms\" for prompt_interval_ms"},
        {"rssi = 256\n", "line 1: bad value \"256\" for rssi"},
        {"rssi.5 = 1\n", "line 1: unknown key \"rssi.5\""},
        {"silence_after = -2\n", "line 1: bad value \"-2\" for silence_after"},
        {"firmware =\n", "line 1: bad value \"\" for firmware"},
        {"memory FF = 00 00\n", "line 1: memory bytes run past address FF"},
        {"memory 80 = 0\n", "line 1: bad memory bytes \"0\""},
        {"memory 80 = 0 0\n", "line 1: bad memory bytes \"0\""},
        {"memory 80 = GG\n", "line 1: bad memory bytes \"GG\""},
        {"memory 80 =\n", "line 1: no memory bytes"},
        {"memory 800 = 00\n", "line 1: bad memory address \"800\""},
        {"memory G0 = 00\n", "line 1: bad memory address \"G0\""},
        {"fix_check_word = 1\n", "line 1: bad value \"1\" for fix_check_word"},
        {"stream = gps\n", "line 1: bad value \"gps\" for stream"},
        {"long_reply = -1\n", "line 1: bad value \"-1\" for long_reply"},
        {"check_stuck = 123\n", "line 1: bad value \"123\" for check_stuck"},
        {"check_stuck = 12345\n", "line 1: bad value \"12345\" for check_stuck"},
        {"check_stuck = 12G4\n", "line 1: bad value \"12G4\" for check_stuck"},
        {"check_stuck = true\n", "line 1: bad value \"true\" for check_stuck"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(errorOf(c.text), c.message);
    }
}

TEST(SimProfile, ProfileTextReadsBackAsTheSameModem)
{
    SimProfile p = SimProfile::Default();
    p.Firmware = "2.4";
    p.ProductVersion = "3.4";
    p.PromptIntervalMs = 120;
    p.Rssi = {1, 2, 3, 4, 5};
    p.PromptWindowMs = 4000;
    for (int i = 0; i < SimProfile::MemorySize; ++i) p.Memory[size_t(i)] = uint8_t(i * 7 + 3);
    p.TxRadio.Family = "lumbrel";
    p.TxRadio.Version = 0x14;
    p.TxRadio.LoadStatus = 0x01;
    for (int i = 0; i < SimProfile::RadioMemorySize; ++i) p.TxRadio.Memory[size_t(i)] = uint8_t(i * 5 + 1);
    p.RxRadio.Memory[0x7F] = 0x27;  // a radio that is not there keeps its memory too
    const SimProfile back = SimProfile::Parse(p.ToText());
    EXPECT_EQ(back, p) << "memory, wrong check word included, survives";
    EXPECT_FALSE(checkWordIsCorrect(back));

    const std::string text = SimProfile::Default().ToText();
    EXPECT_EQ(text.find("radio."), std::string::npos) << "no radios, no radio lines";
    EXPECT_EQ(SimProfile::Parse(text), SimProfile::Default());
}

TEST(SimProfile, OnlyFaultsAreSetAsFaults)
{
    SimProfile p;
    p.SetFault("er-on", "RN");
    EXPECT_EQ(p.Faults.ErOn, "RN");
    EXPECT_THROW(p.SetFault("firmware", "9.9"), std::runtime_error);
    EXPECT_THROW(p.SetFault("loud", "true"), std::runtime_error);
    EXPECT_EQ(p.Firmware, "3.1");
}

TEST(SimProfile, TheShippedProfiles)
{
    EXPECT_EQ(SimProfile::Load(SIM_PROFILES_DIR "/default.profile"), SimProfile::Default());

    const struct {
        const char* file;
        const char* firmware;
        const char* productVersion;
        int type;
        int build;  // 0xFA
        const char* txFamily;
        int txType;
        const char* rxFamily;
        int rxType;
    } units[] = {
        {"builtin-high", "3.1", "", 6, 0x00, "none", 0, "none", 0},
        {"builtin-low", "3.1", "", 7, 0x00, "none", 0, "none", 0},
        {"firmware-32", "3.2", "3.0;3.4", 6, 0x00, "none", 0, "none", 0},
        {"moskar-fdx", "3.1", "", 12, 0x02, "moskar", 12, "moskar", 12},
        {"lumbrel-fdx", "3.1", "", 39, 0x02, "lumbrel", 39, "lumbrel", 39},
        {"lumbrel-hdx", "3.1", "", 35, 0x0A, "lumbrel", 35, "none", 0},
        {"rudvik-fdx", "3.1", "", 62, 0x02, "rudvik", 62, "rudvik", 62},
    };
    for (const auto& u : units) {
        SCOPED_TRACE(u.file);
        const SimProfile p = SimProfile::Load(std::string(SIM_PROFILES_DIR "/") + u.file + ".profile");
        EXPECT_EQ(p.Firmware, u.firmware);
        EXPECT_EQ(p.ProductVersion, u.productVersion);
        EXPECT_EQ(p.Memory[0x85], u.type);
        EXPECT_EQ(p.Memory[0xFA], u.build);
        EXPECT_EQ(p.TxRadio.Family, u.txFamily);
        EXPECT_EQ(p.TxRadio.Memory[0x7F], u.txType);
        EXPECT_EQ(p.RxRadio.Family, u.rxFamily);
        EXPECT_EQ(p.RxRadio.Memory[0x7F], u.rxType);
        EXPECT_TRUE(checkWordIsCorrect(p));
        EXPECT_EQ(p.Faults, SimProfile::SimFaults{});
        EXPECT_NE(p.Memory[0x9A] | p.Memory[0x9B] | p.Memory[0x9C], 0) << "a serial number";
        EXPECT_TRUE(p.Memory[0xFB] & 0x80) << "SID codes on, which an enabled port B needs";
    }
    EXPECT_DOUBLE_EQ(synthMHz(SimProfile::Load(SIM_PROFILES_DIR "/builtin-high.profile")), 809.0);
    EXPECT_DOUBLE_EQ(synthMHz(SimProfile::Load(SIM_PROFILES_DIR "/builtin-low.profile")), 970.0);
    EXPECT_DOUBLE_EQ(synthMHz(SimProfile::Load(SIM_PROFILES_DIR "/firmware-32.profile")), 808.0125);

    const SimProfile old = SimProfile::Load(SIM_PROFILES_DIR "/old-firmware.profile");
    EXPECT_EQ(old.Firmware, "2.3.1");
    EXPECT_EQ(old.Memory[0x85], 0);
    EXPECT_DOUBLE_EQ(synthMHz(old), 808.0125);
    EXPECT_TRUE(old.Memory[0xFB] & 0x80);
    EXPECT_TRUE(checkWordIsCorrect(old));
}

TEST(SimProfile, LoadErrorsNameTheFile)
{
    EXPECT_THROW(
        {
            try {
                SimProfile::Load("/nonexistent/x.profile");
            } catch (const std::runtime_error& e) {
                EXPECT_EQ(std::string(e.what()), "/nonexistent/x.profile: cannot be read");
                throw;
            }
        },
        std::runtime_error);

    char path[] = "/tmp/simprofileXXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    std::ofstream(path) << "firmware = 3.1\nbogus = 1\n";
    try {
        SimProfile::Load(path);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), std::string(path) + ": line 2: unknown key \"bogus\"");
    }
    std::remove(path);
}

}  // namespace

// The simulator's profiles and dumps read and write the same text in a host
// process that has set a locale with digit grouping and its own casing.
TEST(SimProfile, TextIsTheSameWhateverLocaleTheHostSet)
{
    SimProfile p = SimProfile::Load(SIM_PROFILES_DIR "/firmware-32.profile");
    p.PromptIntervalMs = 3600000;
    p.PromptWindowMs = 12345;
    const std::string text = p.ToText();
    ASSERT_NE(text.find("prompt_interval_ms = 3600000\n"), std::string::npos) << text;
    for (const char* name : TestLocales) {
        SCOPED_TRACE(name);
        const ScopedLocale locale(name);
        ASSERT_EQ(locale.Problem(), "");
        EXPECT_EQ(p.ToText(), text);
        EXPECT_EQ(SimProfile::Parse(text).ToText(), text);
    }
}
