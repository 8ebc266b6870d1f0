#include "RecordFields.h"

#include <gtest/gtest.h>

namespace {

class PortSettingCopy : public ::testing::TestWithParam<CopyWay> {};

TEST_P(PortSettingCopy, CopiesEveryMember)
{
    PortSetting source, target;
    fill(source, 1, true);
    fill(target, 2, false);
    const PortSetting before = target;

    copyRecord(GetParam(), source, target);

    expectCopied(target, source, before, portFields());
}

INSTANTIATE_TEST_SUITE_P(BothWays, PortSettingCopy,
                         ::testing::Values(CopyWay::BackupTo, CopyWay::RestoreFrom),
                         [](const auto& info) { return copyWayName(info.param); });

struct LayerCase {
    int16_t commSpeed, parity, dataBit, stopBit;
    const char* expected;
};

class PortSettingLayer : public ::testing::TestWithParam<LayerCase> {};

TEST_P(PortSettingLayer, FormatsRateParityDataAndStopBits)
{
    const LayerCase& c = GetParam();
    PortSetting p;
    p.CommSpeed = c.commSpeed;
    p.Parity = c.parity;
    p.DataBit = c.dataBit;
    p.StopBit = c.stopBit;
    EXPECT_EQ(p.FormatLayer(), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Codes, PortSettingLayer, ::testing::Values(
    LayerCase{4, 0, 8, 1, "9600,N,8,1"},
    LayerCase{8, 2, 7, 2, "600,E,7,2"},
    LayerCase{1, 1, 8, 1, "1200,O,8,1"},
    LayerCase{2, 0, 8, 1, "2400,N,8,1"},
    LayerCase{3, 2, 7, 1, "4800,E,7,1"},
    LayerCase{5, 1, 7, 2, "19200,O,7,2"},
    LayerCase{6, 0, 8, 2, "110,N,8,2"},
    LayerCase{7, 0, 8, 1, "300,N,8,1"},
    // Codes outside the tables leave their part out; the bit counts are always there.
    LayerCase{0, 0, 8, 1, ",N,8,1"},
    LayerCase{9, 0, 8, 1, ",N,8,1"},
    LayerCase{-1, 1, 7, 1, ",O,7,1"},
    LayerCase{4, 3, 8, 1, "9600,8,1"},
    LayerCase{4, -1, 8, 1, "9600,8,1"},
    LayerCase{0, 3, 0, 0, ",0,0"},
    LayerCase{4, 0, 10, -1, "9600,N,10,-1"}));

struct CodeCase {
    int16_t code;
    const char* expected;
};

class PortSettingHand : public ::testing::TestWithParam<CodeCase> {};

TEST_P(PortSettingHand, NamesTheFlowControl)
{
    PortSetting p;
    p.HandShake = GetParam().code;
    EXPECT_EQ(p.FormatHand(), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Codes, PortSettingHand, ::testing::Values(
    CodeCase{0, "XON/XOFF"}, CodeCase{1, "None"}, CodeCase{2, "Hardware"},
    CodeCase{3, ""}, CodeCase{-1, ""}));

class PortSettingSIDType : public ::testing::TestWithParam<CodeCase> {};

TEST_P(PortSettingSIDType, NamesTheStreamIdentifierType)
{
    PortSetting p;
    p.SIDType = GetParam().code;
    EXPECT_EQ(p.FormatSIDType(), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Codes, PortSettingSIDType, ::testing::Values(
    CodeCase{0, "User Port"}, CodeCase{1, "Translate Streams"}, CodeCase{2, "Trunk Streams"},
    CodeCase{3, "Repeat Streams"}, CodeCase{4, ""}, CodeCase{-1, ""}));

}  // namespace
