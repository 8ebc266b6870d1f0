#include "ModemFixture.h"
#include "ModemSetting.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class LocationWriteTest : public ModemFixture {
protected:
    void SetUp() override { EnterCommandMode(); }

    void Set(std::initializer_list<std::pair<int, int>> bytes)
    {
        for (auto [address, value] : bytes) SetByte(address, value);
    }
};

struct WriteCase {
    const char* name;
    std::initializer_list<std::pair<int, int>> before;
    std::function<void(ModemWrite&, SerialPort&)> write;
    std::initializer_list<std::pair<int, int>> after;
};

TEST_F(LocationWriteTest, StoredValues)
{
    using W = ModemWrite;
    using P = SerialPort;
    const WriteCase cases[] = {
        {"trim -16", {}, [](W& w, P& p) { w.WriteTxFreqTrim(-16, p); }, {{0x86, 0xF0}}},
        {"trim 5", {}, [](W& w, P& p) { w.WriteTxFreqTrim(5, p); }, {{0x86, 0x05}}},
        {"PTT 655 s", {}, [](W& w, P& p) { w.WritePttTimeout(655, p); }, {{0x98, 0xFF}, {0x99, 0xDC}}},
        {"PTT 0 s", {}, [](W& w, P& p) { w.WritePttTimeout(0, p); }, {{0x98, 0x00}, {0x99, 0x00}}},
        {"threshold -30", {{0xFA, 0}}, [](W& w, P& p) { w.WriteRssiThresholdA(-30, p); }, {{0xF2, 246}}},
        {"threshold -130", {{0xFA, 0}}, [](W& w, P& p) { w.WriteRssiThresholdB(-130, p); }, {{0xF2, 9}}},
        {"threshold calibrated", {{0xFA, 1}, {0xF3, 200}}, [](W& w, P& p) { w.WriteRssiThresholdA(-97, p); }, {{0xF2, 100}}},
        {"delay 10 ms, 9600, k8", {{0xF8, 0x00}, {0xF9, 0x10}}, [](W& w, P& p) { w.WriteTxDelay(10, p); }, {{0xF5, 12}}},
        {"delay 10 ms, 9600, k9", {{0xF8, 0x11}, {0xF9, 0x10}}, [](W& w, P& p) { w.WriteTxDelay(10, p); }, {{0xF5, 11}}},
        {"delay 20 ms, 4800", {{0xF8, 0x00}, {0xF9, 0x00}}, [](W& w, P& p) { w.WriteTxDelay(20, p); }, {{0xF5, 12}}},
        {"delay, low nibble of F9", {{0xF8, 0x00}, {0xF9, 0x01}}, [](W& w, P& p) { w.WriteTxDelay(20, p); }, {{0xF5, 12}}},
        {"slots", {}, [](W& w, P& p) { w.WriteNoOfSlot(16, p); }, {{0xF6, 16}}},
        {"time per slot", {}, [](W& w, P& p) { w.WriteTimePerSlot(255, p); }, {{0xF7, 255}}},
        {"diag SIDs", {}, [](W& w, P& p) { w.WriteDiagSid1(0x12, 0xEF, p); }, {{0x88, 0x12}, {0x89, 0xEF}}},
        {"F8 nibbles", {}, [](W& w, P& p) { w.WriteByteF8(1, 0, p); }, {{0xF8, 0x10}}},
        {"port B on", {{0x8F, 0x41}}, [](W& w, P& p) { w.WritePortBEnabled(true, p); }, {{0x8F, 0x45}}},
        {"port B off", {{0x8F, 0xFF}}, [](W& w, P& p) { w.WritePortBEnabled(false, p); }, {{0x8F, 0xFB}}},
        {"high power", {{0xFB, 0x81}}, [](W& w, P& p) { w.WriteOptionFBa(true, p); }, {{0xFB, 0xC1}}},
        {"low power", {{0xFB, 0xFF}}, [](W& w, P& p) { w.WriteOptionFBa(false, p); }, {{0xFB, 0xBF}}},
        {"SID codes on", {{0xFB, 0x41}}, [](W& w, P& p) { w.WriteOptionFBc(true, p); }, {{0xFB, 0xC1}}},
        {"SID codes off", {{0xFB, 0xFF}}, [](W& w, P& p) { w.WriteOptionFBc(false, p); }, {{0xFB, 0x7F}}},
        {"PTT from RTS", {{0xFB, 0xD1}}, [](W& w, P& p) { w.WriteOptionFBb(2, p); }, {{0xFB, 0xE1}}},
        {"PTT on data", {{0xFB, 0xFF}}, [](W& w, P& p) { w.WriteOptionFBb(0, p); }, {{0xFB, 0xCF}}},
        {"repeat on", {{0xFC, 0xF0}}, [](W& w, P& p) { w.WriteDiagRepeat(true, p); }, {{0xFC, 0xF1}}},
        {"repeat off", {{0xFC, 0xFF}}, [](W& w, P& p) { w.WriteDiagRepeat(false, p); }, {{0xFC, 0xFE}}},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        Set(c.before);
        c.write(writer, port);
        for (auto [address, value] : c.after) EXPECT_EQ(Byte(address), value) << std::hex << address;
        EXPECT_EQ(comm.ModemErrorCode, 0);
    }
    EXPECT_TRUE(prompt.Boxes().isEmpty());
}

TEST_F(LocationWriteTest, ValuesThatDoNotFitOverflowBeforeAnythingIsWritten)
{
    SetByte(0xFA, 0);
    const struct {
        const char* name;
        std::function<void()> write;
    } cases[] = {
        {"slots 256", [&] { writer.WriteNoOfSlot(256, port); }},
        {"time per slot -1", [&] { writer.WriteTimePerSlot(-1, port); }},
        {"diag SID 300", [&] { writer.WriteDiagSid1(1, 300, port); }},
        {"threshold -20", [&] { writer.WriteRssiThresholdA(-20, port); }},
        {"PTT 656 s", [&] { writer.WritePttTimeout(656, port); }},
        {"delay 1000 ms", [&] { writer.WriteTxDelay(1000, port); }},
        {"trim -129", [&] { writer.WriteTxFreqTrim(-129, port); }},
        {"trim 128", [&] { writer.WriteTxFreqTrim(128, port); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const size_t before = Commands().size();
        try {
            c.write();
            ADD_FAILURE() << "no overflow";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), RuntimeError::Overflow);
        }
        for (const std::string& sent : CommandsSince(before)) EXPECT_NE(sent.substr(0, 2), "WN") << sent;
    }
}

TEST_F(LocationWriteTest, ThresholdWriteReadsTheLocationFirst)
{
    SetByte(0xFA, 0);
    const size_t before = Commands().size();
    writer.WriteRssiThresholdA(-30, port);
    const auto sent = CommandsSince(before);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent.front(), "RN1F201");
    EXPECT_EQ(sent.back(), "WN1F2F6");
}

TEST_F(LocationWriteTest, SynthesiserRegistersReadBackAsTheFrequency)
{
    SetWord(0xE2, 960);
    for (int channel : {64641, 64480, 38405, 77824}) {
        const double f = 12500.0 * channel / 1e6;
        writer.WriteSynthRegisters(f, port);
        EXPECT_EQ(Byte(0xE4), 2 * (channel % 128)) << channel;
        EXPECT_EQ((Byte(0xE5) << 8 | Byte(0xE6)), 16 * (channel / 128)) << channel;
        EXPECT_DOUBLE_EQ(commands.ReadSynthFrequency(port), f);
    }
}

TEST_F(LocationWriteTest, CollisionOptionsEncodings)
{
    const struct {
        int cavoid;
        bool retry;
        int f8;
        int fbBits;
    } cases[] = {
        {0, false, 0x00, 0b00000}, {1, false, 0x00, 0b00000}, {2, false, 0x00, 0b10000}, {3, false, 0x00, 0b00001},
        {4, false, 0x11, 0b10000}, {5, false, 0x11, 0b00001}, {6, false, 0x10, 0b00100}, {7, true, 0x01, 0b01110},
        {7, false, 0x01, 0b01111}, {8, false, 0x11, 0b00000}, {9, true, 0x11, 0b00000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "CAvoid " << c.cavoid << " retry " << c.retry);
        Set({{0xF8, 0x77}, {0xFB, 0xFF}});
        ModemSetting m;
        m.CAvoid = int16_t(c.cavoid);
        m.TryBeforeTX = c.retry;
        writer.WriteCollisionOptions(m, port);
        EXPECT_EQ(Byte(0xF8), c.f8);
        EXPECT_EQ(Byte(0xFB), 0xE0 | c.fbBits) << "bits 5-7 are kept";
    }
}

TEST_F(LocationWriteTest, AnUnknownModeLeavesBothLocations)
{
    Set({{0xF8, 0x77}, {0xFB, 0xAB}});
    ModemSetting m;
    m.CAvoid = 10;
    writer.WriteCollisionOptions(m, port);
    EXPECT_EQ(Byte(0xF8), 0x77);
    EXPECT_EQ(Byte(0xFB), 0xAB);
}

TEST_F(LocationWriteTest, EveryModeReadsBackAsWrittenButEndToEndLosesItsRemoteBit)
{
    for (int cavoid = 0; cavoid <= 9; ++cavoid) {
        for (bool retry : {false, true}) {
            SCOPED_TRACE(testing::Message() << "CAvoid " << cavoid << " retry " << retry);
            ModemSetting written;
            written.CAvoid = int16_t(cavoid);
            written.TryBeforeTX = retry;
            writer.WriteCollisionOptions(written, port);
            ModemSetting read;
            commands.ReadCollisionOptions(read, port);
            const int expected = cavoid == 1 ? 0 : cavoid == 9 ? 8 : cavoid;
            EXPECT_EQ(read.CAvoid, expected);
            EXPECT_EQ(read.TryBeforeTX, cavoid == 7 && retry);
        }
    }
}

TEST_F(LocationWriteTest, AWrongAcknowledgementIsReportedByTheWritersCheck)
{
    modem.Profile().Faults.ErOn = "WN";
    ExpectError68([&] { writer.WriteNoOfSlot(3, port); });
    EXPECT_EQ(comm.ModemErrorCode, ModemComm::UnexpectedReply);
}

}  // namespace
