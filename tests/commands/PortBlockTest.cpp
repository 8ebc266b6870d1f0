#include "ModemFixture.h"
#include "PortSetting.h"

#include <gtest/gtest.h>

namespace {

class PortBlockTest : public ModemFixture {
protected:
    void SetUp() override { EnterCommandMode(); }

    void SetPort(int p, int format, int flags, int sid1, int sid2, int eom, int timer, int frame)
    {
        SetByte(0x96 + p, format);
        SetByte(0x8E + p, flags);
        SetByte(0x8A + 2 * p, sid1);
        SetByte(0x8B + 2 * p, sid2);
        SetByte(0x90 + p, eom);
        SetByte(0x92 + p, timer);
        SetByte(0x94 + p, frame);
    }

    bool sentAny(size_t since, const std::string& prefix) const
    {
        for (const std::string& c : CommandsSince(since))
            if (c.rfind(prefix, 0) == 0) return true;
        return false;
    }
};

TEST_F(PortBlockTest, FormatByte)
{
    const struct {
        int format;
        int speed, parity, dataBits, stopBits;
    } cases[] = {
        {0x06, 5, 0, 8, 1}, {0x26, 5, 2, 8, 1}, {0x7F, 6, 1, 7, 2}, {0x05, 4, 0, 8, 1}, {0x00, 7, 0, 8, 1},
        {0x01, 8, 0, 8, 1}, {0x02, 1, 0, 8, 1}, {0x03, 2, 0, 8, 1},  {0x04, 3, 0, 8, 1}, {0x1D, 4, 0, 8, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << c.format);
        SetPort(0, c.format, 0x00, 0, 0, 0, 0, 0);
        PortSetting read;
        commands.ReadModemPortSetting(read, true, port);
        EXPECT_EQ(read.CommSpeed, c.speed);
        EXPECT_EQ(read.Parity, c.parity);
        EXPECT_EQ(read.DataBit, c.dataBits);
        EXPECT_EQ(read.StopBit, c.stopBits);

        // Bit 4 without parity reads as no parity and is not written back.
        if (c.format & 0x10 && !(c.format & 0x20)) continue;
        SetByte(0x96, 0xFF);
        writer.WriteModemPortSetting(read, true, port);
        EXPECT_EQ(Byte(0x96), c.format);
    }
}

TEST_F(PortBlockTest, SpeedCodesOutsideTheTableAreWrittenAsCode0)
{
    for (int speed : {0, 9, -1}) {
        PortSetting p;
        p.CommSpeed = int16_t(speed);
        p.DataBit = 8;
        p.StopBit = 1;
        writer.WriteModemPortSetting(p, false, port);
        EXPECT_EQ(Byte(0x97), 0x00) << speed;
    }
}

TEST_F(PortBlockTest, HandShakeFromFlagsAndFirmware)
{
    const struct {
        const char* firmware;
        bool portA;
        int flags;
        int handShake;
    } cases[] = {
        {"3.1", true, 0x80, 0},   {"3.1", true, 0x04, 2},    {"3.1", true, 0x00, 1},    {"2.3.1", true, 0x00, 2},
        {"2.4", true, 0x00, 1},   {"3.1", false, 0x04, 1},   {"3.1", false, 0x80, 0},   {"3.1", true, 0x01, 1},
        {"3.1", true, 0x05, 2},   {"2.3.1", true, 0x01, 2},  {"3.1", false, 0x81, 1},   {"3.1", true, 0x81, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.firmware << (c.portA ? " A " : " B ") << c.flags);
        SetFirmware(c.firmware);
        SetPort(c.portA ? 0 : 1, 0x05, c.flags, 0, 0, 0, 0, 0);
        PortSetting read;
        commands.ReadModemPortSetting(read, c.portA, port);
        EXPECT_EQ(read.HandShake, c.handShake);
        EXPECT_EQ(read.ISSlip, (c.flags & 1) != 0);
    }
}

TEST_F(PortBlockTest, ANonSlipPortReadsEveryField)
{
    SetPort(1, 0x05, 0x52, 0x11, 0x22, 0x0D, 0x30, 0xC8);
    PortSetting read;
    commands.ReadModemPortSetting(read, false, port);
    EXPECT_EQ(read.SIDType, 2);
    EXPECT_TRUE(read.ISLive);
    EXPECT_TRUE(read.EOMEnable);
    EXPECT_FALSE(read.ISSlip);
    EXPECT_EQ(read.SID1, 0x11);
    EXPECT_EQ(read.SID2, 0x22);
    EXPECT_EQ(read.EOMChar, 0x0D);
    EXPECT_EQ(read.CharTimer, 0x30);
    EXPECT_EQ(read.MaxFrame, 0xC8);
}

TEST_F(PortBlockTest, ASlipPortNeitherReadsNorWritesItsFramingBytes)
{
    SetPort(0, 0x05, 0x19, 1, 2, 0x0D, 0x30, 0xC8);
    PortSetting read;
    read.EOMChar = read.CharTimer = read.MaxFrame = 99;
    size_t before = Commands().size();
    commands.ReadModemPortSetting(read, true, port);
    EXPECT_TRUE(read.ISSlip);
    EXPECT_EQ(read.SIDType, 3);
    EXPECT_EQ(read.EOMChar, 0);
    EXPECT_EQ(read.CharTimer, 0);
    EXPECT_EQ(read.MaxFrame, 0);
    for (const char* location : {"RN1900", "RN1920", "RN1940"}) EXPECT_FALSE(sentAny(before, location)) << location;

    read.EOMChar = 1;
    read.CharTimer = 2;
    read.MaxFrame = 3;
    before = Commands().size();
    writer.WriteModemPortSetting(read, true, port);
    EXPECT_EQ(Byte(0x90), 0x0D);
    EXPECT_EQ(Byte(0x92), 0x30);
    EXPECT_EQ(Byte(0x94), 0xC8);
    EXPECT_FALSE(sentAny(before, "WN190"));
}

TEST_F(PortBlockTest, FlagByteWrite)
{
    const struct {
        const char* name;
        const char* firmware;
        bool portA;
        int before;
        int sidType;
        bool live, eom, slip;
        int handShake;
        int after;
    } cases[] = {
        {"live user port, XON/XOFF", "3.1", false, 0x20, 0, true, true, false, 0, 0xE2},
        {"translate streams are never live", "3.1", false, 0x00, 1, true, false, false, 1, 0x08},
        {"repeat streams are never live", "3.1", false, 0x00, 3, true, false, false, 1, 0x18},
        {"trunk streams may be live", "3.1", false, 0x00, 2, true, false, false, 1, 0x50},
        {"SLIP is never live and never XON/XOFF", "3.1", false, 0x80, 0, true, true, true, 1, 0x03},
        {"port A hardware, later firmware", "3.1", true, 0x00, 0, false, false, false, 2, 0x04},
        {"port A none, later firmware", "3.1", true, 0x04, 0, false, false, false, 1, 0x00},
        {"port A XON/XOFF, later firmware", "3.1", true, 0x00, 0, false, false, false, 0, 0x84},
        {"port A 2.3.1 keeps bit 2 set", "2.3.1", true, 0x04, 0, false, false, false, 1, 0x04},
        {"port A 2.3.1 keeps bit 2 clear", "2.3.1", true, 0x00, 0, false, false, false, 2, 0x00},
        {"port B never touches bit 2", "3.1", false, 0x04, 0, false, false, false, 2, 0x04},
        {"port A SLIP hardware", "3.1", true, 0x80, 0, false, false, true, 2, 0x05},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetFirmware(c.firmware);
        const int p = c.portA ? 0 : 1;
        SetByte(0x8E + p, c.before);
        PortSetting w;
        w.CommSpeed = 4;
        w.DataBit = 8;
        w.StopBit = 1;
        w.SIDType = int16_t(c.sidType);
        w.ISLive = c.live;
        w.EOMEnable = c.eom;
        w.ISSlip = c.slip;
        w.HandShake = int16_t(c.handShake);
        writer.WriteModemPortSetting(w, c.portA, port);
        EXPECT_EQ(Byte(0x8E + p), c.after);
    }
}

TEST_F(PortBlockTest, AWrittenPortReadsBack)
{
    SetFirmware("3.1");
    PortSetting w;
    w.CommSpeed = 3;
    w.Parity = 1;
    w.DataBit = 7;
    w.StopBit = 2;
    w.SID1 = 10;
    w.SID2 = 200;
    w.SIDType = 2;
    w.ISLive = true;
    w.EOMEnable = true;
    w.EOMChar = 3;
    w.CharTimer = 40;
    w.MaxFrame = 250;
    w.HandShake = 2;
    for (bool portA : {true, false}) {
        w.HandShake = portA ? 2 : 1;
        writer.WriteModemPortSetting(w, portA, port);
        PortSetting r;
        commands.ReadModemPortSetting(r, portA, port);
        EXPECT_EQ(r.CommSpeed, w.CommSpeed);
        EXPECT_EQ(r.Parity, w.Parity);
        EXPECT_EQ(r.DataBit, w.DataBit);
        EXPECT_EQ(r.StopBit, w.StopBit);
        EXPECT_EQ(r.SID1, w.SID1);
        EXPECT_EQ(r.SID2, w.SID2);
        EXPECT_EQ(r.SIDType, w.SIDType);
        EXPECT_EQ(r.ISLive, w.ISLive);
        EXPECT_EQ(r.EOMEnable, w.EOMEnable);
        EXPECT_EQ(r.EOMChar, w.EOMChar);
        EXPECT_EQ(r.CharTimer, w.CharTimer);
        EXPECT_EQ(r.MaxFrame, w.MaxFrame);
        EXPECT_EQ(r.HandShake, w.HandShake);
    }
}

TEST_F(PortBlockTest, EveryPortWriteAsksForTheFirmware)
{
    PortSetting w;
    w.CommSpeed = 4;
    w.DataBit = 8;
    w.StopBit = 1;
    w.HandShake = 1;
    const size_t before = Commands().size();
    writer.WriteModemPortSetting(w, false, port);
    EXPECT_TRUE(sentAny(before, "SV"));
}

}  // namespace
