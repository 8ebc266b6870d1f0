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
    for (int i = 0; i < SimProfile::MemorySize; ++i) p.Memory[size_t(i)] = uint8_t(i * 7 + 3);
    const SimProfile back = SimProfile::Parse(p.ToText());
    EXPECT_EQ(back, p) << "memory, wrong check word included, survives";
    EXPECT_FALSE(checkWordIsCorrect(back));
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

    const SimProfile old = SimProfile::Load(SIM_PROFILES_DIR "/old-firmware.profile");
    EXPECT_EQ(old.Firmware, "2.3.1");
    EXPECT_EQ(old.Memory[0x85], 0);
    EXPECT_DOUBLE_EQ(synthMHz(old), 808.0125);
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
