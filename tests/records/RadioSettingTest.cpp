#include "RecordFields.h"

#include <gtest/gtest.h>

namespace {

class RadioSettingCopy : public ::testing::TestWithParam<CopyWay> {};

TEST_P(RadioSettingCopy, CopiesTheSettingsOnly)
{
    RadioSetting source, target;
    fill(source, 1, true);
    fill(target, 2, false);
    const RadioSetting before = target;

    copyRecord(GetParam(), source, target);

    expectCopied(target, source, before, radioFields());
}

INSTANTIATE_TEST_SUITE_P(BothWays, RadioSettingCopy,
                         ::testing::Values(CopyWay::BackupTo, CopyWay::RestoreFrom),
                         [](const auto& info) { return copyWayName(info.param); });

TEST(RadioSettingRestore, KeepsFirmwareAndTrimLimitsButTakesTheType)
{
    RadioSetting radio, back;
    radio.RadioType = 3;
    radio.Firmware = QStringLiteral("2.1");
    radio.MinTCT = -40;
    radio.MaxTCT = 40;
    back.RadioType = 7;
    back.Firmware = QStringLiteral("1.0");
    back.MinTCT = -10;
    back.MaxTCT = 10;

    radio.RestoreFrom(back);

    EXPECT_EQ(radio.RadioType, 7);
    EXPECT_EQ(radio.Firmware, u"2.1");
    EXPECT_EQ(radio.MinTCT, -40);
    EXPECT_EQ(radio.MaxTCT, 40);
}

// Run with both Boolean patterns so that PowerHL really changes once and every
// other flag is seen to keep both values.
class RadioSettingClearAll : public ::testing::TestWithParam<bool> {};

TEST_P(RadioSettingClearAll, ResetsTheReadValuesOnly)
{
    RadioSetting radio;
    fill(radio, 1, GetParam());
    RadioSetting expected = radio;
    applyRadioClear(expected);

    radio.ClearAll();

    expectSameMembers(radio, expected, radioFields());
}

INSTANTIATE_TEST_SUITE_P(BothFlagPatterns, RadioSettingClearAll, ::testing::Bool());

TEST(RadioSettingNew, ClearAllSetsTheMarkerValues)
{
    RadioSetting radio;
    radio.ClearAll();

    EXPECT_EQ(radio.TXFreq, 0.0);
    EXPECT_EQ(radio.RXFreq, 0.0);
    EXPECT_EQ(radio.TXFreqTrim, -1);
    EXPECT_EQ(radio.RXFreqTrim, -1);
    EXPECT_TRUE(radio.PowerHL);
    EXPECT_EQ(radio.TXDelay, -1);
    EXPECT_EQ(radio.PowerAlarm, 0);
    EXPECT_EQ(radio.SerialNo, u"000000");
    EXPECT_EQ(radio.RXMinSig, -1.0);
    EXPECT_EQ(radio.RadioType, 0);
    EXPECT_TRUE(radio.Firmware.isEmpty());
}

}  // namespace
