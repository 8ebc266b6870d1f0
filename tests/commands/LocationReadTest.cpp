#include "ModemFixture.h"
#include "ModemSetting.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class LocationReadTest : public ModemFixture {
protected:
    void SetUp() override { EnterCommandMode(); }

    void Set(std::initializer_list<std::pair<int, int>> bytes)
    {
        for (auto [address, value] : bytes) SetByte(address, value);
    }
};

struct ReadCase {
    const char* name;
    std::initializer_list<std::pair<int, int>> memory;
    std::function<double(ModemCommands&, SerialPort&)> read;
    double expected;
};

TEST_F(LocationReadTest, ConversionsFromStoredValues)
{
    using C = ModemCommands;
    using P = SerialPort;
    const ReadCase cases[] = {
        {"trim 0xF0", {{0x86, 0xF0}}, [](C& c, P& p) { return c.ReadTxFreqTrim(p); }, -16},
        {"trim 0x7F", {{0x86, 0x7F}}, [](C& c, P& p) { return c.ReadTxFreqTrim(p); }, 127},
        {"trim 0x80", {{0x86, 0x80}}, [](C& c, P& p) { return c.ReadTxFreqTrim(p); }, -128},
        {"PTT 0x00FA rounds to even", {{0x98, 0x00}, {0x99, 0xFA}}, [](C& c, P& p) { return c.ReadPttTimeout(p); }, 2},
        {"PTT 0x015E", {{0x98, 0x01}, {0x99, 0x5E}}, [](C& c, P& p) { return c.ReadPttTimeout(p); }, 4},
        {"PTT 0xFFDC", {{0x98, 0xFF}, {0x99, 0xDC}}, [](C& c, P& p) { return c.ReadPttTimeout(p); }, 655},
        {"alarm 48", {{0xF0, 48}, {0xFA, 0}}, [](C& c, P& p) { return c.ReadPowerAlarm(p); }, 1000},
        {"alarm off", {{0xF0, 0}, {0xFA, 1}, {0xF1, 100}}, [](C& c, P& p) { return c.ReadPowerAlarm(p); }, 0},
        {"alarm calibrated", {{0xF0, 48}, {0xFA, 1}, {0xF1, 100}}, [](C& c, P& p) { return c.ReadPowerAlarm(p); }, 300},
        {"alarm cal 255 is none", {{0xF0, 48}, {0xFA, 1}, {0xF1, 255}}, [](C& c, P& p) { return c.ReadPowerAlarm(p); }, 1000},
        {"alarm cal not flagged", {{0xF0, 48}, {0xFA, 0}, {0xF1, 100}}, [](C& c, P& p) { return c.ReadPowerAlarm(p); }, 1000},
        {"alarm 166", {{0xF0, 166}, {0xFA, 0}}, [](C& c, P& p) { return c.ReadPowerAlarm(p); }, 8254},
        {"threshold 0", {{0xF2, 0}, {0xFA, 0}}, [](C& c, P& p) { return c.ReadRssiThresholdA(p); }, -134},
        {"threshold 246", {{0xF2, 246}, {0xFA, 0}}, [](C& c, P& p) { return c.ReadRssiThresholdB(p); }, -30},
        {"threshold calibrated", {{0xF2, 100}, {0xFA, 1}, {0xF3, 200}}, [](C& c, P& p) { return c.ReadRssiThresholdA(p); }, -97},
        {"threshold cal 0 is none", {{0xF2, 175}, {0xFA, 1}, {0xF3, 0}}, [](C& c, P& p) { return c.ReadRssiThresholdA(p); }, -60},
        {"delay 9600 k8", {{0xF5, 12}, {0xF8, 0x00}, {0xF9, 0x10}}, [](C& c, P& p) { return c.ReadTxDelay(p); }, 10},
        {"delay 9600 k9", {{0xF5, 12}, {0xF8, 0x11}, {0xF9, 0x10}}, [](C& c, P& p) { return c.ReadTxDelay(p); }, 11},
        {"delay 4800", {{0xF5, 12}, {0xF8, 0x00}, {0xF9, 0x00}}, [](C& c, P& p) { return c.ReadTxDelay(p); }, 20},
        {"delay low nibble only", {{0xF5, 12}, {0xF8, 0x01}, {0xF9, 0x01}}, [](C& c, P& p) { return c.ReadTxDelay(p); }, 10},
        {"slots", {{0xF6, 16}}, [](C& c, P& p) { return c.ReadNoOfSlot(p); }, 16},
        {"time per slot", {{0xF7, 255}}, [](C& c, P& p) { return c.ReadTimePerSlot(p); }, 255},
        {"diag SID 1", {{0x88, 0x41}}, [](C& c, P& p) { return c.ReadDiagSid1(p); }, 0x41},
        {"diag SID 2", {{0x89, 0xFE}}, [](C& c, P& p) { return c.ReadDiagSid2(p); }, 0xFE},
        {"F8 nibbles", {{0xF8, 0x3C}}, [](C& c, P& p) { return c.ReadByteF8a(p) * 100 + c.ReadByteF8b(p); }, 312},
        {"F1 and F3", {{0xF1, 7}, {0xF3, 9}}, [](C& c, P& p) { return c.ReadByteF1(p) * 100 + c.ReadByteF3(p); }, 709},
        {"diags editable byte", {{0x80, 0x85}}, [](C& c, P& p) { return c.ReadDiagsEditable(p); }, 0x85},
        {"PTT from RTS", {{0xFB, 0x20}}, [](C& c, P& p) { return c.ReadPttControl(p); }, 2},
        {"PTT with the RSSI master bit", {{0xFB, 0x30}}, [](C& c, P& p) { return c.ReadPttControl(p); }, 2},
        {"PTT auto with the RSSI master bit", {{0xFB, 0x10}}, [](C& c, P& p) { return c.ReadPttControl(p); }, 0},
        {"synth R", {{0xE2, 0x03}, {0xE3, 0xC0}}, [](C& c, P& p) { return c.ReadSynthWordE2(p); }, 960},
        {"synth A byte", {{0xE4, 0x0A}}, [](C& c, P& p) { return c.ReadSynthByteE4(p); }, 10},
        {"synth N word", {{0xE5, 0x1F}, {0xE6, 0x90}}, [](C& c, P& p) { return c.ReadSynthWordE5(p); }, 0x1F90},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        Set(c.memory);
        EXPECT_EQ(c.read(commands, port), c.expected);
        EXPECT_EQ(comm.ModemErrorCode, 0);
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(LocationReadTest, FlagBits)
{
    const struct {
        const char* name;
        int address, bit;
        std::function<bool(ModemCommands&, SerialPort&)> read;
    } cases[] = {
        {"port B enabled", 0x8F, 2, [](auto& c, auto& p) { return c.ReadPortBEnabled(p); }},
        {"9600 baud radio", 0xF9, 4, [](auto& c, auto& p) { return c.ReadBaudRate9600(p); }},
        {"diagnostics", 0xFA, 0, [](auto& c, auto& p) { return c.ReadDiagEnable(p); }},
        {"radio select", 0xFA, 1, [](auto& c, auto& p) { return c.ReadOptionFAbit1(p); }},
        {"half duplex", 0xFA, 3, [](auto& c, auto& p) { return c.ReadBuildHdx(p); }},
        {"SID codes", 0xFB, 7, [](auto& c, auto& p) { return c.ReadSidCode(p); }},
        {"high power", 0xFB, 6, [](auto& c, auto& p) { return c.ReadPowerHighLow(p); }},
        {"diagnostics repeat", 0xFC, 0, [](auto& c, auto& p) { return c.ReadDiagRepeat(p); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetByte(c.address, 0xFF & ~(1 << c.bit));
        EXPECT_FALSE(c.read(commands, port));
        SetByte(c.address, 1 << c.bit);
        EXPECT_TRUE(c.read(commands, port));
    }
}

TEST_F(LocationReadTest, SerialNumberIsTheSixDigitsOfThreeBytes)
{
    modem.SetMemory(0x9A, {0x01, 0xAB, 0x90});
    EXPECT_EQ(commands.ReadModemSerialNo(port), "01AB90");
}

TEST_F(LocationReadTest, HalfDuplexAsksForTheLocationTwice)
{
    const size_t before = Commands().size();
    commands.ReadBuildHdx(port);
    EXPECT_EQ(CommandsSince(before), (std::vector<std::string>{"RN1FA01", "RN1FA01"}));
}

TEST_F(LocationReadTest, AnAlarmLevelAbove166Overflows)
{
    Set({{0xF0, 167}, {0xFA, 0}});
    try {
        commands.ReadPowerAlarm(port);
        FAIL() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), RuntimeError::Overflow);
    }
}

TEST_F(LocationReadTest, CollisionOptions)
{
    const struct {
        int f8, fb;
        int cavoid;
        bool retry;
    } cases[] = {
        {0x00, 0x00, 0, false}, {0x00, 0x01, 3, false}, {0x00, 0x10, 2, false}, {0x00, 0x08, 0, false},
        {0x00, 0xE0, 0, false}, {0x11, 0x00, 8, false}, {0x11, 0x01, 5, false}, {0x10, 0x04, 6, false},
        {0x01, 0x0E, 7, true},  {0x01, 0x0F, 7, false}, {0x01, 0x07, 7, false}, {0x11, 0x10, 4, false},
        {0x11, 0x02, 0, true},  {0x10, 0x1F, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "F8 " << c.f8 << " FB " << c.fb);
        Set({{0xF8, c.f8}, {0xFB, c.fb}});
        ModemSetting m;
        m.CAvoid = 0;
        m.TryBeforeTX = true;
        commands.ReadCollisionOptions(m, port);
        EXPECT_EQ(m.CAvoid, c.cavoid);
        EXPECT_EQ(m.TryBeforeTX, c.retry);
    }
}

TEST_F(LocationReadTest, AnUnknownPatternWithoutNibblesKeepsTheMode)
{
    Set({{0xF8, 0x00}, {0xFB, 0x04}});
    ModemSetting m;
    m.CAvoid = 6;
    m.TryBeforeTX = true;
    commands.ReadCollisionOptions(m, port);
    EXPECT_EQ(m.CAvoid, 6);
    EXPECT_FALSE(m.TryBeforeTX);
}

TEST_F(LocationReadTest, AFailedReadShowsTheCodeAndRaises)
{
    modem.Profile().Faults.Silent = true;
    ExpectError68([&] { commands.ReadNoOfSlot(port); });
    EXPECT_EQ(prompt.Texts(), QStringList{"Error has occured error code: 1"});
}

}  // namespace
