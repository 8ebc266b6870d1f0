#include "Database.h"
#include "FieldValue.h"
#include "RadioSpec.h"
#include "ScriptedPrompt.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <cmath>

namespace {

const QString ModemMdb = QStringLiteral(MODEM_DATABASE_PATH);

bool onRaster(double mhz, double stepHz)
{
    const double x = mhz * 1000000 / stepHz;
    return std::abs(x - std::round(x)) <= 0.000001;
}

class ModemDatabaseTest : public ::testing::Test {
protected:
    RadioSpec lookup(int16_t type)
    {
        RadioSpec s({ModemMdb, QStringLiteral("Orvane Sypheral"), &prompt, QStringLiteral("Radio Modem")});
        s.GetRadioSpec(type);
        EXPECT_FALSE(s.ErrorCode) << type;
        return s;
    }

    void TearDown() override { EXPECT_TRUE(prompt.Boxes().isEmpty()) << prompt.Texts().join(u'|').toStdString(); }

    ScriptedPrompt prompt;
};

}  // namespace

TEST_F(ModemDatabaseTest, IsBuiltNextToTheExecutables)
{
    EXPECT_TRUE(QFileInfo(ModemMdb).isFile());
    EXPECT_EQ(QFileInfo(ModemMdb).fileName(), QStringLiteral("Modem.mdb"));
}

TEST_F(ModemDatabaseTest, FirstVersionRowIsVersion3)
{
    Database db = Database::OpenDatabase(ModemMdb);
    Recordset rs = db.OpenRecordset(QStringLiteral("Version"));
    ASSERT_NE(rs.RecordCount(), 0);
    EXPECT_EQ(FieldValue::ToInt16(rs.Field(QStringLiteral("version"))), 3);
    EXPECT_FALSE(FieldValue::ToText(rs.Field(QStringLiteral("Release"))).isEmpty());
    EXPECT_FALSE(FieldValue::ToText(rs.Field(QStringLiteral("Date"))).isEmpty());
}

TEST_F(ModemDatabaseTest, BuiltInRadiosAreEachOthersMirror)
{
    const struct {
        int16_t type;
        double minTX, maxTX, minRX, maxRX, txOffset;
    } cases[] = {
        {6, 924, 934, 848, 858, 121},
        {7, 848, 858, 924, 934, -121},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const RadioSpec s = lookup(c.type);
        EXPECT_EQ(s.MinTXFreq, c.minTX);
        EXPECT_EQ(s.MaxTXFreq, c.maxTX);
        EXPECT_EQ(s.MinRXFreq, c.minRX);
        EXPECT_EQ(s.MaxRXFreq, c.maxRX);
        EXPECT_EQ(s.PhaseFreq, 12500);
        EXPECT_EQ(s.RefCrystal / s.PhaseFreq, 960) << "12 MHz / 960";
        // The built-in drivers check the synthesiser frequency against the raster.
        for (double tx : {c.minTX, (c.minTX + c.maxTX) / 2, c.maxTX})
            EXPECT_TRUE(onRaster(tx - c.txOffset, s.PhaseFreq)) << tx;
        EXPECT_EQ(s.RadioType, c.type);
    }
}

TEST_F(ModemDatabaseTest, ExternalRadiosResolveToTheirFamilies)
{
    const struct {
        int16_t type;
        int synthType;  // 0 900 MHz, 1 450 MHz, 2 200 MHz, -1 unknown
        double inBand;  // a transmit frequency of the band
        double step;
    } cases[] = {
        {10, 0, 940.0, 12500}, {19, 0, 928.0, 12500}, {25, 0, 899.00625, 6250},
        {30, 1, 460.0, 12500}, {39, 1, 450.0125, 12500}, {49, 1, 470.0, 12500}, {55, 1, 420.00625, 6250},
        {60, 2, 220.0, 12500}, {69, 2, 216.0125, 12500},
        {8, -1, 0, 0},         {9, -1, 0, 0},         {70, -1, 0, 0},        {255, -1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const RadioSpec s = lookup(c.type);
        EXPECT_EQ(s.SynthType, c.synthType);
        if (c.synthType < 0) continue;
        EXPECT_EQ(s.PhaseFreq, c.step);
        EXPECT_GE(c.inBand, s.MinTXFreq);
        EXPECT_LE(c.inBand, s.MaxTXFreq);
        EXPECT_TRUE(onRaster(c.inBand, s.PhaseFreq));
    }
}

TEST_F(ModemDatabaseTest, Type39IsALumbrelOnA12500HzRaster)
{
    const RadioSpec s = lookup(39);
    EXPECT_EQ(s.SynthType, 1);
    EXPECT_EQ(s.PhaseFreq, 12500);
    EXPECT_EQ(std::round(450.0125 * 1000000 / s.PhaseFreq), 36001);
    EXPECT_TRUE(onRaster(450.0125, s.PhaseFreq));
    EXPECT_FALSE(onRaster(450.013, s.PhaseFreq));
    // The driver replaces the step by RefCrystal / R read from the radio; R must come out whole.
    EXPECT_EQ(s.RefCrystal / s.PhaseFreq, 1024);
}

TEST_F(ModemDatabaseTest, PowerCoefficientsDefaultOnlyWhereTheRowLeavesThemOut)
{
    const RadioSpec standard = lookup(15);
    EXPECT_EQ(standard.TXPowA, 4.4);
    EXPECT_EQ(standard.TXPowB, 5.0);
    const RadioSpec own = lookup(39);
    EXPECT_EQ(own.TXPowA, 4.6);
    EXPECT_EQ(own.TXPowB, 5.2);
    EXPECT_EQ(own.MinTXPower, 100);
    EXPECT_EQ(own.MaxTXPower, 7000);
}

// Every row must suit the driver of its family: whole reference dividers, band edges on
// the raster, dividers within the radio's registers, control words within their bytes.
TEST_F(ModemDatabaseTest, EveryRowFitsItsRadio)
{
    Database db = Database::OpenDatabase(ModemMdb);
    Recordset rs = db.OpenRecordset(QStringLiteral("radio"));
    ASSERT_GE(rs.RecordCount(), 7);
    QList<int> owner(256, 0);
    int row = 0;
    for (; !rs.Eof(); rs.MoveNext()) {
        ++row;
        using namespace FieldValue;
        const int lower = ToInt16(rs.Field(QStringLiteral("LowerType")));
        const int high = ToInt16(rs.Field(QStringLiteral("hightype")));
        SCOPED_TRACE(QStringLiteral("types %1-%2").arg(lower).arg(high).toStdString());
        ASSERT_LE(lower, high);
        for (int t = lower; t <= high; ++t) EXPECT_EQ(owner[t]++, 0) << "type " << t << " is in two rows";

        const RadioSpec s = lookup(static_cast<int16_t>(lower));
        EXPECT_LT(s.MinTXFreq, s.MaxTXFreq);
        EXPECT_LT(s.MinRXFreq, s.MaxRXFreq);
        const double r = s.RefCrystal / s.PhaseFreq;
        EXPECT_EQ(r, std::round(r));
        EXPECT_GE(s.SynthCtl, 0);
        EXPECT_LT(s.SynthCtl, 65536);
        EXPECT_GE(s.SynthLockTime, 0);
        EXPECT_LT(s.SynthLockTime, 256);
        if (lower < 10) continue;  // the built-in radios, checked above

        for (double f : {s.MinTXFreq, s.MaxTXFreq}) EXPECT_TRUE(onRaster(f, s.PhaseFreq)) << f;
        for (double f : {s.MinRXFreq, s.MaxRXFreq}) EXPECT_TRUE(onRaster(f - s.FirstIF, s.PhaseFreq)) << f;
        const double topTX = std::round(s.MaxTXFreq * 1000000 / s.PhaseFreq);
        const double topRX = std::round((s.MaxRXFreq - s.FirstIF) * 1000000 / s.PhaseFreq);
        const double top = std::max(topTX, topRX);
        switch (s.SynthType) {
        case 0: EXPECT_LT(top, 1 << 18); break;
        case 1:
            EXPECT_LT(top, 1 << 17);
            EXPECT_LT(r, 4096) << "R is 12 bits";
            break;
        case 2: EXPECT_LT(std::floor(top / 64), 1 << 11) << "B counter is 11 bits"; break;
        default: ADD_FAILURE() << "no driver for synthesiser type " << s.SynthType;
        }
    }
    EXPECT_EQ(row, rs.RecordCount());
}
