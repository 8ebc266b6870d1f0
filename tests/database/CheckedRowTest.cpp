#include "CheckedRow.h"

#include "Database.h"
#include "RaisedError.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <limits>

namespace {

using Range = CheckedRow::Range;

// One column of every affinity, so that a value keeps the type it was stored as.
struct Stored {
    const char* column;  // Number (REAL), Whole (INTEGER), Words (TEXT)
    const char* sql;     // the SQL value stored
};

struct Read {
    const char* what;
    Stored stored;
    std::function<QVariant(const CheckedRow&, const QString&)> read;
    QVariant expected;        // the value read, when no error is expected
    int number;               // the error's number, 0 for none
    const char* description;  // the error's whole description
};

auto asDouble(Range range = Range::Any())
{
    return [range](const CheckedRow& row, const QString& f) { return QVariant(row.Double(f, range)); };
}
auto asInt16(Range range = Range::Any())
{
    return [range](const CheckedRow& row, const QString& f) { return QVariant(int(row.Int16(f, range))); };
}
auto asInt32(Range range = Range::Any())
{
    return [range](const CheckedRow& row, const QString& f) { return QVariant(row.Int32(f, range)); };
}
auto asBoolean()
{
    return [](const CheckedRow& row, const QString& f) { return QVariant(row.Boolean(f)); };
}
auto asText()
{
    return [](const CheckedRow& row, const QString& f) { return QVariant(row.Text(f)); };
}
auto asTextOrEmpty()
{
    return [](const CheckedRow& row, const QString& f) { return QVariant(row.TextOrEmpty(f)); };
}

QString in(const char* field) { return QStringLiteral(" in the field '%1' of the table 'Sample' in test.mdb.").arg(field); }

}  // namespace

TEST(CheckedRowTest, EachValueIsHeldToItsTypeAndRangeAndAFaultNamesTheFieldTableAndDatabase)
{
    const std::string null = ("Invalid use of Null" + in("Number")).toStdString();
    const Read cases[] = {
        // What a sound row gives.
        {"a double", {"Number", "12.5"}, asDouble(), 12.5, 0, ""},
        {"a double as text", {"Words", "'450.25'"}, asDouble(), 450.25, 0, ""},
        {"a step above zero", {"Number", "6250"}, asDouble(Range::Above(0)), 6250.0, 0, ""},
        {"the lowest of an inclusive range", {"Number", "0"}, asDouble(Range::AtLeast(0)), 0.0, 0, ""},
        {"the top of a range", {"Whole", "255"}, asInt16(Range::Between(0, 255)), 255, 0, ""},
        {"an integer rounds half to even", {"Number", "2.5"}, asInt16(), 2, 0, ""},
        {"a long", {"Whole", "70000"}, asInt32(), 70000, 0, ""},
        {"a boolean", {"Whole", "-1"}, asBoolean(), true, 0, ""},
        {"a number as text", {"Number", "3"}, asText(), QStringLiteral("3"), 0, ""},
        {"a Null as the empty text", {"Words", "NULL"}, asTextOrEmpty(), QString(), 0, ""},
        // What a damaged row gives.
        {"a Null", {"Number", "NULL"}, asDouble(), {}, 94, null.c_str()},
        {"a Null integer", {"Whole", "NULL"}, asInt16(), {}, 94, "Invalid use of Null"},
        {"a Null boolean", {"Whole", "NULL"}, asBoolean(), {}, 94, "Invalid use of Null"},
        {"a Null text", {"Words", "NULL"}, asText(), {}, 94, "Invalid use of Null"},
        {"a word for a number", {"Words", "'abc'"}, asInt16(), {}, 13, "Type mismatch"},
        {"a word for a boolean", {"Words", "'abc'"}, asBoolean(), {}, 13, "Type mismatch"},
        {"too big for 16 bits", {"Whole", "70000"}, asInt16(), {}, 6, "Overflow"},
        {"too big for 32 bits", {"Number", "3e9"}, asInt32(), {}, 6, "Overflow"},
        {"an infinity", {"Number", "1e999"}, asDouble(), {}, 6, "Value inf out of range (a finite number)"},
        {"a negative infinity", {"Number", "-1e999"}, asInt32(), {}, 6, "Value -inf out of range (a finite number)"},
        {"a NaN spelt as text", {"Words", "'nan'"}, asDouble(), {}, 6, "Value nan out of range (a finite number)"},
        {"a NaN for a boolean", {"Words", "'nan'"}, asBoolean(), {}, 6, "Value nan out of range (a finite number)"},
        {"zero where a step is divided by", {"Number", "0"}, asDouble(Range::Above(0)), {}, 6,
         "Value 0 out of range (more than 0)"},
        {"below an inclusive lowest", {"Number", "-0.5"}, asDouble(Range::AtLeast(0)), {}, 6,
         "Value -0.5 out of range (at least 0)"},
        {"above a byte", {"Whole", "256"}, asInt16(Range::Between(0, 255)), {}, 6, "Value 256 out of range (0 to 255)"},
        {"above a page", {"Number", "1e30"}, asDouble(Range::Above(0, 32767)), {}, 6,
         "Value 1e+30 out of range (more than 0 and at most 32767)"},
    };
    for (const Read& c : cases) {
        SCOPED_TRACE(c.what);
        TempDatabase db({QStringLiteral("create table Sample (Number REAL, Whole INTEGER, Words TEXT)"),
                         QStringLiteral("insert into Sample (%1) values (%2)")
                             .arg(QLatin1String(c.stored.column), QLatin1String(c.stored.sql))});
        Database database = Database::OpenDatabase(db.Path(), true);
        Recordset rs = database.OpenRecordset(QStringLiteral("select * from Sample"));
        const CheckedRow row(rs, QStringLiteral("Sample"));
        const QString field = QString::fromLatin1(c.stored.column);
        QVariant value;
        const std::optional<RuntimeError> error = RaisedError([&] { value = c.read(row, field); });
        if (c.number == 0) {
            ASSERT_FALSE(error) << error->Description().toStdString();
            EXPECT_EQ(value, c.expected);
            continue;
        }
        ASSERT_TRUE(error);
        EXPECT_EQ(error->Number(), c.number);
        QString expected = QString::fromLatin1(c.description);
        if (!expected.contains(QLatin1String(" in the field "))) expected += in(c.stored.column);
        EXPECT_EQ(error->Description(), expected);
    }
}

TEST(CheckedRowTest, AColumnTheRowLacksIsTheDatabasesOwnError)
{
    TempDatabase db({QStringLiteral("create table Sample (Number REAL)"), QStringLiteral("insert into Sample values (1)")});
    Database database = Database::OpenDatabase(db.Path(), true);
    Recordset rs = database.OpenRecordset(QStringLiteral("Sample"));
    const CheckedRow row(rs, QStringLiteral("Sample"));
    const std::optional<RuntimeError> error = RaisedError([&] { row.Double(QStringLiteral("Weight")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), 3265);
    EXPECT_EQ(row.Database(), "test.mdb");
    EXPECT_EQ(row.Table(), "Sample");
}
