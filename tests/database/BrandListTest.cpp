// The interface brands of the built modem database, as the packet dialog reads them.
#include "FieldValue.h"
#include "ModemDefaults.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

struct Brand {
    int16_t PacketID{};
    QString BrandName;
    int lowertype{}, hightype{};
    double minfirmware{};
};

class BrandListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Recordset rs = tables.Db().OpenRecordset(QStringLiteral("select * from brandlist"));
        for (; !rs.Eof(); rs.MoveNext())
            brands.append({FieldValue::ToInt16(rs.Field(QStringLiteral("PacketID"))),
                           FieldValue::ToText(rs.Field(QStringLiteral("BrandName"))),
                           FieldValue::ToInt32(rs.Field(QStringLiteral("lowertype"))),
                           FieldValue::ToInt32(rs.Field(QStringLiteral("hightype"))),
                           rs.Field(QStringLiteral("minfirmware")).toDouble()});
        ASSERT_FALSE(brands.isEmpty());
    }

    ModemDefaults tables{QStringLiteral(MODEM_DATABASE_PATH)};
    QList<Brand> brands;
};

// The dialog finds a brand again by its name and copies its packet row.
TEST_F(BrandListTest, EveryBrandNamesAStoredPacketOnce)
{
    QSet<QString> names;
    for (const Brand& b : brands) {
        SCOPED_TRACE(b.BrandName.toStdString());
        EXPECT_FALSE(b.BrandName.trimmed().isEmpty());
        EXPECT_FALSE(names.contains(b.BrandName));
        names.insert(b.BrandName);
        EXPECT_NE(b.PacketID, 0) << "0 stands for a port's own values";
        EXPECT_TRUE(tables.PacketFor(b.PacketID)) << "no packet row " << b.PacketID;
        EXPECT_LE(b.lowertype, b.hightype);
        // Firmware levels are versions, as the modems report them.
        EXPECT_GE(b.minfirmware, 2.0);
    }
}

// Offered ranges lie on the models the control accepts, and the dialog's two
// shapes both occur: a model with brands and one without, a brand for newer
// firmware only.
TEST_F(BrandListTest, TheBrandsDependOnTheModelAndTheFirmware)
{
    auto offered = [&](int type, double firmware) {
        int count = 0;
        for (const Brand& b : brands) count += b.lowertype <= type && b.hightype >= type && b.minfirmware <= firmware;
        return count;
    };
    for (const Brand& b : brands) {
        EXPECT_TRUE(tables.RowFor(int16_t(b.lowertype))) << b.BrandName.toStdString();
        EXPECT_TRUE(tables.RowFor(int16_t(b.hightype))) << b.BrandName.toStdString();
    }
    EXPECT_GT(offered(6, 3.1), 0);
    EXPECT_EQ(offered(62, 9.9), 0);
    EXPECT_GT(offered(6, 3.2), offered(6, 3.1));
}

}  // namespace
