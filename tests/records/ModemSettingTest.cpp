#include "RecordFields.h"

#include <gtest/gtest.h>

namespace {

class ModemSettingCopy : public ::testing::TestWithParam<CopyWay> {};

// Covers the sub-records too: their own lists apply inside the modem's copy.
TEST_P(ModemSettingCopy, CopiesTheListedMembersAndSubRecords)
{
    ModemSetting source, target;
    fill(source, 1, true);
    fill(target, 2, false);
    const ModemSetting before = target;

    copyRecord(GetParam(), source, target);

    expectCopied(target, source, before, modemFields());
}

INSTANTIATE_TEST_SUITE_P(BothWays, ModemSettingCopy,
                         ::testing::Values(CopyWay::BackupTo, CopyWay::RestoreFrom),
                         [](const auto& info) { return copyWayName(info.param); });

struct SharingCase {
    CopyWay way;
    bool changeCopy;  // change the record copied into (else the one copied from)
};

class ModemSettingSharing : public ::testing::TestWithParam<SharingCase> {};

TEST_P(ModemSettingSharing, SubRecordsStayOwnedByEachRecord)
{
    ModemSetting from, into;
    fill(from, 1, true);
    fill(into, 2, false);
    copyRecord(GetParam().way, from, into);
    ModemSetting& changed = GetParam().changeCopy ? into : from;
    const ModemSetting& other = GetParam().changeCopy ? from : into;
    const ModemSetting otherBefore = other;

    changed.PortA.CommSpeed = 8;
    changed.PortB.CommSpeed = 7;
    changed.TXRadio.TXFreq = 450.5;
    changed.RXRadio.RXFreq = 460.25;

    EXPECT_EQ(other.PortA.CommSpeed, otherBefore.PortA.CommSpeed);
    EXPECT_EQ(other.PortB.CommSpeed, otherBefore.PortB.CommSpeed);
    EXPECT_EQ(other.TXRadio.TXFreq, otherBefore.TXRadio.TXFreq);
    EXPECT_EQ(other.RXRadio.RXFreq, otherBefore.RXRadio.RXFreq);
}

INSTANTIATE_TEST_SUITE_P(Cases, ModemSettingSharing, ::testing::Values(
    SharingCase{CopyWay::BackupTo, true}, SharingCase{CopyWay::BackupTo, false},
    SharingCase{CopyWay::RestoreFrom, true}, SharingCase{CopyWay::RestoreFrom, false}));

class ModemSettingClearAll : public ::testing::TestWithParam<bool> {};

TEST_P(ModemSettingClearAll, ResetsIdentityRadiosAndFewValuesOnly)
{
    ModemSetting modem;
    fill(modem, 1, GetParam());
    ModemSetting expected = modem;
    expected.ModemType = 0;
    expected.Firmware = QString();
    expected.SerialNo = QStringLiteral("000000");
    applyRadioClear(expected.TXRadio);
    applyRadioClear(expected.RXRadio);
    expected.RSSI = 0;
    expected.PTTControl = 0;
    expected.PTTTimeout = 0;
    expected.NoOfSlot = 0;

    modem.ClearAll();

    expectSameMembers(modem, expected, modemFields());
}

INSTANTIATE_TEST_SUITE_P(BothFlagPatterns, ModemSettingClearAll, ::testing::Bool());

TEST(ModemSettingNew, ClearAllClearsBothRadios)
{
    ModemSetting modem;
    EXPECT_EQ(modem.StreamCod, 0);
    EXPECT_EQ(modem.TXRadio.TXFreqTrim, 0);
    EXPECT_FALSE(modem.TXRadio.PowerHL);

    modem.ClearAll();

    EXPECT_EQ(modem.TXRadio.TXFreqTrim, -1);
    EXPECT_TRUE(modem.TXRadio.PowerHL);
    EXPECT_EQ(modem.RXRadio.RXFreqTrim, -1);
    EXPECT_TRUE(modem.RXRadio.PowerHL);
    EXPECT_EQ(modem.SerialNo, u"000000");
    EXPECT_TRUE(modem.Firmware.isEmpty());
}

struct SupFuncCase {
    int16_t cAvoid;
    const char* expected;
};

class ModemSettingSupFunc : public ::testing::TestWithParam<SupFuncCase> {};

TEST_P(ModemSettingSupFunc, NamesTheFunctionAndTheUnitsRole)
{
    ModemSetting modem;
    modem.CAvoid = GetParam().cAvoid;
    EXPECT_EQ(modem.FormatSupFunc(), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Codes, ModemSettingSupFunc, ::testing::Values(
    SupFuncCase{0, "None"},
    SupFuncCase{1, "None"},
    SupFuncCase{2, "RSSI Collision Avoidance Master"},
    SupFuncCase{3, "RSSI Collision Avoidance Remote"},
    SupFuncCase{4, "End To End with RSSI Coll. Avoidance Master"},
    SupFuncCase{5, "End To End with RSSI Coll. Avoidance Remote"},
    SupFuncCase{6, "Collision Avoidance Master"},
    SupFuncCase{7, "Collision Avoidance Remote"},
    SupFuncCase{8, "End To End Master"},
    SupFuncCase{9, "End To End Remote"},
    SupFuncCase{10, "Collision Avoidance Master"},
    SupFuncCase{11, "Collision Avoidance Remote"},
    SupFuncCase{256, "Collision Avoidance Master"},
    SupFuncCase{-1, "Collision Avoidance Remote"}));

}  // namespace
