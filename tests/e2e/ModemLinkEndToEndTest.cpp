#include "DeviceFixture.h"
#include "ModemSetting.h"
#include "PortSetting.h"

#include <gtest/gtest.h>

namespace {

const QString oldFirmwareProfile = QStringLiteral(SIM_PROFILES_DIR "/old-firmware.profile");

TEST(ModemLinkEndToEnd, CommandModeFromThePromptThenFirmwareAndType)
{
    DeviceFixture f;
    ASSERT_FALSE(f.sim.DevicePath().isEmpty());
    ASSERT_TRUE(f.Connect());
    EXPECT_TRUE(f.commands.ProbeModemVersion(f.port));
    EXPECT_EQ(f.commands.ReadModemFirmware(f.port), "3.1");
    EXPECT_EQ(f.commands.ReadModemType(f.port), 6);
    EXPECT_EQ(f.commands.ReadModemSerialNo(f.port), "123456");
    f.commands.CheckModemCrc(f.port);
    EXPECT_EQ(f.comm.ModemErrorCode, 0);
    EXPECT_TRUE(f.prompt.Boxes().isEmpty());
}

TEST(ModemLinkEndToEnd, OldFirmwareGetsItsTypeDerivedAndStored)
{
    DeviceFixture f({oldFirmwareProfile});
    ASSERT_TRUE(f.Connect());
    EXPECT_EQ(f.commands.ReadModemFirmware(f.port), "2.3.1");
    EXPECT_EQ(f.commands.ReadLocation(0x85, 1, f.port), 0);
    EXPECT_EQ(f.commands.ReadModemType(f.port), 6);
    EXPECT_EQ(f.comm.ModemErrorCode, 0);
    EXPECT_EQ(f.commands.ReadLocation(0x85, 1, f.port), 6);
}

TEST(ModemLinkEndToEnd, EveryKindOfLocationIsWrittenAndReadBack)
{
    DeviceFixture f;
    ASSERT_TRUE(f.Connect());
    auto& w = f.writer;
    auto& r = f.commands;
    auto& p = f.port;

    PortSetting a;
    a.CommSpeed = 5;
    a.Parity = 2;
    a.DataBit = 8;
    a.StopBit = 1;
    a.SID1 = 3;
    a.SID2 = 9;
    a.SIDType = 2;
    a.ISLive = true;
    a.EOMEnable = true;
    a.EOMChar = 13;
    a.CharTimer = 20;
    a.MaxFrame = 128;
    a.HandShake = 2;
    PortSetting b = a;
    b.CommSpeed = 8;
    b.ISSlip = true;
    b.ISLive = false;
    b.EOMChar = b.CharTimer = b.MaxFrame = 0;
    b.HandShake = 1;
    ModemSetting m;
    m.CAvoid = 7;
    m.TryBeforeTX = true;

    w.WriteModemPortSetting(a, true, p);
    w.WritePortBEnabled(true, p);
    w.WriteModemPortSetting(b, false, p);
    w.WriteNoOfSlot(12, p);
    w.WriteTimePerSlot(34, p);
    w.WriteRssiThresholdA(-100, p);
    w.WriteOptionFBb(2, p);
    w.WritePttTimeout(120, p);
    w.WriteCollisionOptions(m, p);
    w.WriteDiagSid1(0x21, 0x43, p);
    w.WriteDiagRepeat(true, p);
    w.WriteOptionFBc(true, p);
    w.WriteOptionFBa(false, p);
    w.WriteTxFreqTrim(-7, p);
    w.WriteTxDelay(10, p);
    w.WriteSynthRegisters(808.0125, p);
    r.CheckModemCrc(p);
    EXPECT_EQ(f.comm.ModemErrorCode, 0) << "the check word is repaired after the writes";

    PortSetting ra, rb;
    r.ReadModemPortSetting(ra, true, p);
    r.ReadModemPortSetting(rb, false, p);
    EXPECT_EQ(ra.FormatLayer(), "19200,E,8,1");
    EXPECT_EQ(ra.SIDType, 2);
    EXPECT_TRUE(ra.ISLive);
    EXPECT_EQ(ra.EOMChar, 13);
    EXPECT_EQ(ra.CharTimer, 20);
    EXPECT_EQ(ra.MaxFrame, 128);
    EXPECT_EQ(ra.HandShake, 2);
    EXPECT_EQ(rb.FormatLayer(), "600,E,8,1");
    EXPECT_TRUE(rb.ISSlip);
    EXPECT_TRUE(r.ReadPortBEnabled(p));
    EXPECT_EQ(r.ReadNoOfSlot(p), 12);
    EXPECT_EQ(r.ReadTimePerSlot(p), 34);
    EXPECT_EQ(r.ReadRssiThresholdA(p), -100);
    EXPECT_EQ(r.ReadPttControl(p), 2);
    EXPECT_EQ(r.ReadPttTimeout(p), 120);
    ModemSetting rm;
    r.ReadCollisionOptions(rm, p);
    EXPECT_EQ(rm.CAvoid, 7);
    EXPECT_TRUE(rm.TryBeforeTX);
    EXPECT_EQ(r.ReadDiagSid1(p), 0x21);
    EXPECT_EQ(r.ReadDiagSid2(p), 0x43);
    EXPECT_TRUE(r.ReadDiagRepeat(p));
    EXPECT_TRUE(r.ReadSidCode(p));
    EXPECT_FALSE(r.ReadPowerHighLow(p));
    EXPECT_EQ(r.ReadTxFreqTrim(p), -7);
    EXPECT_DOUBLE_EQ(r.ReadSynthFrequency(p), 808.0125);
    r.CheckModemCrc(p);
    EXPECT_EQ(f.comm.ModemErrorCode, 0);
    EXPECT_TRUE(f.prompt.Boxes().isEmpty());
}

TEST(ModemLinkEndToEnd, APowerCycleBringsThePromptBack)
{
    DeviceFixture f;
    ASSERT_TRUE(f.Connect());
    f.sim.PowerCycle();
    EXPECT_EQ(f.comm.ReadModemChar(f.port), "?");
    f.comm.EnterModemCommandMode(f.port);
    EXPECT_EQ(f.comm.ModemErrorCode, 0);
    EXPECT_EQ(f.commands.ReadModemFirmware(f.port), "3.1");
}

TEST(ModemLinkEndToEnd, ASilentModemTimesOutAtEveryStepWithoutHanging)
{
    DeviceFixture f({"--fault", "silent"});
    f.comm.OpenModemPort(f.port);
    ASSERT_EQ(f.comm.ModemErrorCode, 0);

    auto [charMs, charError] = f.Timed([&] { EXPECT_EQ(f.comm.ReadModemChar(f.port), "0"); });
    EXPECT_EQ(f.comm.ModemErrorCode, ModemComm::Timeout);
    EXPECT_EQ(charError, 0);
    EXPECT_GE(charMs, 990);
    EXPECT_LT(charMs, 1300);

    auto [modeMs, modeError] = f.Timed([&] { f.comm.EnterModemCommandMode(f.port); });
    EXPECT_EQ(f.comm.ModemErrorCode, ModemComm::NoPrompt);
    EXPECT_EQ(modeError, 0);
    EXPECT_LT(modeMs, 1300);

    auto [probeMs, probeError] = f.Timed([&] { EXPECT_FALSE(f.commands.ProbeModemVersion(f.port)); });
    EXPECT_EQ(probeError, 0);
    EXPECT_LT(probeMs, 1300);
    EXPECT_TRUE(f.prompt.Boxes().isEmpty());

    auto [readMs, readError] = f.Timed([&] { f.commands.ReadModemFirmware(f.port); });
    EXPECT_EQ(readError, 68);
    EXPECT_LT(readMs, 1300);
    EXPECT_EQ(f.prompt.Texts(), QStringList{"Error has occured error code: 1"});
}

TEST(ModemLinkEndToEnd, FaultsEndInTheirCodes)
{
    const struct {
        const char* name;
        QStringList faults;
        int code;
        QStringList messages;
    } cases[] = {
        {"wrong checksum", {"--fault", "bad-checksum"}, ModemComm::BadChecksum, {}},
        {"ER on the command", {"--fault", "er-on=SV"}, ModemComm::UnexpectedReply, {}},
        {"silence inside the reply", {"--fault", "silence-after=4"}, ModemComm::Timeout,
         {"Error has occured error code: 1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceFixture f(c.faults);
        f.comm.OpenModemPort(f.port);
        // Prompts are not affected by reply faults; silence-after counts from the command.
        f.comm.ModemErrorCode = 0;
        f.comm.WriteModemString(ModemComm::AccessCode + "\r\r", f.port);
        f.clock.Sleep(300);
        f.port.setInBufferCount(0);
        auto [ms, error] = f.Timed([&] { f.commands.ReadModemFirmware(f.port); });
        EXPECT_EQ(error, 68);
        EXPECT_EQ(f.comm.ModemErrorCode, c.code);
        EXPECT_LT(ms, 1300);
        EXPECT_EQ(f.prompt.Texts(), c.messages);
    }
}

}  // namespace
