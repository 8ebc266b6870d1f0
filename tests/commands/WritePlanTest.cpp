#include "ModemFixture.h"
#include "WritePlan.h"

#include <gtest/gtest.h>

namespace {

class WritePlanTest : public ModemFixture {
protected:
    void SetUp() override { EnterCommandMode(); }

    WritePlan plan{commands};
};

TEST_F(WritePlanTest, PlannedBytesReadAsPlannedAndTheRestFromTheModem)
{
    SetByte(0xF8, 0x00);
    SetByte(0xF9, 0x10);
    plan.Write(0xF8, "11");
    const size_t sent = Commands().size();
    EXPECT_EQ(plan.Read(0xF8, 1, port), 0x11);
    EXPECT_TRUE(CommandsSince(sent).empty()) << "a planned location needs no read";
    EXPECT_EQ(plan.Read(0xF8, 2, port), 0x1110);
    EXPECT_EQ(CommandsSince(sent), std::vector<std::string>{"RN1F802"});
    EXPECT_EQ(Byte(0xF8), 0x00) << "nothing is sent while planning";
}

TEST_F(WritePlanTest, AWordIsPlannedByteByByte)
{
    plan.Write(0x98, "0BB8");
    EXPECT_EQ(plan.Read(0x98, 2, port), 0x0BB8);
    EXPECT_EQ(plan.Read(0x99, 1, port), 0xB8);
}

TEST_F(WritePlanTest, TheWritersPlanAndSendInTheirOrderWithTheBarBetween)
{
    SetByte(0xFB, 0x00);
    {
        ModemWrite::Planning planning(writer, plan);
        writer.WriteNoOfSlot(6, port);
        plan.SetProgress(40);
        writer.WriteOptionFBb(2, port);
        plan.AddProgress(5);
        writer.WriteOptionFBc(true, port);  // reads the byte the line before planned
    }
    const WritePlan::Steps steps = plan.Take();
    EXPECT_TRUE(plan.Take().empty()) << "the steps are handed over once";
    EXPECT_EQ(Byte(0xF6), 4) << "nothing sent yet";
    const size_t sent = Commands().size();
    progress.SetValue(0);

    writer.Send(steps, port);

    EXPECT_EQ(CommandsSince(sent), (std::vector<std::string>{"WN1F606", "WN1FB20", "WN1FBA0"}));
    EXPECT_EQ(progress.Values(), (QList<int>{0, 40, 45}));
    EXPECT_EQ(Byte(0xFB), 0xA0);
}

TEST_F(WritePlanTest, AValueThatDoesNotFitRaisesWhilePlanning)
{
    ModemWrite::Planning planning(writer, plan);
    writer.WriteTimePerSlot(10, port);
    EXPECT_EQ(RaisedNumber([&] { writer.WriteNoOfSlot(256, port); }), RuntimeError::Overflow);
    EXPECT_EQ(plan.Take().size(), 1u);
}

}  // namespace
