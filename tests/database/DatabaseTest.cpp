#include "Database.h"
#include "FieldValue.h"
#include "RuntimeError.h"
#include "TempDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <gtest/gtest.h>
#include <functional>

namespace {

// Runs the action and returns the error it raised; a missing error fails the test.
RuntimeError raised(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RuntimeError& e) {
        return e;
    }
    ADD_FAILURE() << "no error raised";
    return {0, QString()};
}

TempDatabase threeRows()
{
    return TempDatabase({QStringLiteral("create table Item (Id integer, Name text, Weight real)"),
                         QStringLiteral("insert into Item values (1, 'one', 1.5)"),
                         QStringLiteral("insert into Item values (2, 'two', NULL)"),
                         QStringLiteral("insert into Item values (3, 'three', 3.25)")});
}

QList<int> ids(Recordset& rs)
{
    QList<int> result;
    for (; !rs.Eof(); rs.MoveNext()) result << FieldValue::ToInt16(rs.Field(QStringLiteral("Id")));
    return result;
}

}  // namespace

TEST(DatabaseOpenTest, FailuresNameTheFileAndCreateNothing)
{
    TempDatabase folder;
    const QString missing = folder.PathIn(QStringLiteral("missing.mdb"));
    const QString junk = folder.PathIn(QStringLiteral("junk.mdb"));
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(2048, 'x'));
    file.close();

    struct Case {
        const char* name;
        QString path;
        int number;
        QString description;
    };
    const Case cases[] = {
        {"missing file", missing, 3024, QStringLiteral("Could not find file '%1'.").arg(missing)},
        {"empty path", QString(), 3055, QStringLiteral("Not a valid file name.")},
        {"a folder", folder.PathIn(QString()), 3024,
         QStringLiteral("Could not find file '%1'.").arg(folder.PathIn(QString()))},
        {"not a database", junk, 3343, QStringLiteral("Unrecognized database format '%1'.").arg(junk)},
    };
    const QStringList before = QSqlDatabase::connectionNames();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RuntimeError e = raised([&] { Database::OpenDatabase(c.path); });
        EXPECT_EQ(e.Number(), c.number);
        EXPECT_EQ(e.Description(), c.description);
    }
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(QFileInfo(junk).size(), 2048);
    EXPECT_EQ(QSqlDatabase::connectionNames(), before) << "a failed open leaves no connection behind";
}

TEST(DatabaseOpenTest, EachOpenHasItsOwnConnectionUntilClosed)
{
    TempDatabase db = threeRows();
    const QStringList before = QSqlDatabase::connectionNames();
    QString firstName;
    {
        Database first = Database::OpenDatabase(db.Path());
        Database second = Database::OpenDatabase(db.Path());
        firstName = first.ConnectionName();
        const QString secondName = second.ConnectionName();
        EXPECT_FALSE(firstName.isEmpty());
        EXPECT_NE(firstName, secondName);
        EXPECT_TRUE(QSqlDatabase::connectionNames().contains(firstName));

        second.Close();
        EXPECT_FALSE(QSqlDatabase::connectionNames().contains(secondName));
        EXPECT_TRUE(second.ConnectionName().isEmpty());
        EXPECT_TRUE(QSqlDatabase::connectionNames().contains(firstName));

        Database moved = std::move(first);
        EXPECT_EQ(moved.ConnectionName(), firstName);
        EXPECT_EQ(moved.OpenRecordset(QStringLiteral("Item")).RecordCount(), 3);
    }
    EXPECT_FALSE(QSqlDatabase::connectionNames().contains(firstName)) << "removed when the database goes";
    EXPECT_EQ(QSqlDatabase::connectionNames(), before);
}

TEST(RecordsetTest, QueryAndTableNameGiveTheRowsInOrder)
{
    TempDatabase db = threeRows();
    Database d = Database::OpenDatabase(db.Path());

    Recordset all = d.OpenRecordset(QStringLiteral("Item"));
    EXPECT_EQ(all.RecordCount(), 3);
    EXPECT_EQ(ids(all), (QList<int>{1, 2, 3}));
    EXPECT_TRUE(all.Eof());

    Recordset some = d.OpenRecordset(QStringLiteral("select * from Item where Id>=2 order by Id desc"));
    EXPECT_EQ(some.RecordCount(), 2);
    EXPECT_EQ(FieldValue::ToText(some.Field(QStringLiteral("Name"))), QStringLiteral("three"));
    EXPECT_EQ(ids(some), (QList<int>{3, 2}));
    some.MoveFirst();
    EXPECT_EQ(FieldValue::ToInt16(some.Field(QStringLiteral("Id"))), 3);
    EXPECT_EQ(some.Columns(), (QStringList{QStringLiteral("Id"), QStringLiteral("Name"), QStringLiteral("Weight")}));
}

TEST(RecordsetTest, EmptyResultHasNoCurrentRecord)
{
    TempDatabase db = threeRows();
    Database d = Database::OpenDatabase(db.Path());
    Recordset rs = d.OpenRecordset(QStringLiteral("select * from Item where Id>100"));
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(raised([&] { rs.MoveFirst(); }).Number(), 3021);
    EXPECT_EQ(raised([&] { rs.MoveNext(); }).Number(), 3021);
    const RuntimeError e = raised([&] { rs.Field(QStringLiteral("Id")); });
    EXPECT_EQ(e.Number(), 3021);
    EXPECT_EQ(e.Description(), QStringLiteral("No current record."));
    EXPECT_EQ(raised([&] { rs.Field(QStringLiteral("Nope")); }).Number(), 3265);
}

TEST(RecordsetTest, RequerySeesNewRowsAndStartsAtTheFirst)
{
    TempDatabase db = threeRows();
    Database d = Database::OpenDatabase(db.Path());
    Recordset rs = d.OpenRecordset(QStringLiteral("select * from Item order by Id"));
    rs.MoveNext();
    rs.MoveNext();
    db.Run({QStringLiteral("insert into Item values (0, 'zero', 0)")});
    EXPECT_EQ(rs.RecordCount(), 3) << "rows are read when the set opens";
    rs.Requery();
    EXPECT_EQ(rs.RecordCount(), 4);
    EXPECT_EQ(FieldValue::ToInt16(rs.Field(QStringLiteral("id"))), 0);
}

TEST(RecordsetTest, FieldNamesIgnoreCase)
{
    TempDatabase db({QStringLiteral("create table radio (MaxTXFreq real, hightype integer, AlarmPowb real)"),
                     QStringLiteral("insert into radio values (934.5, 7, 2.5)")});
    Database d = Database::OpenDatabase(db.Path());
    Recordset rs = d.OpenRecordset(QStringLiteral("radio"));
    const struct {
        const char* name;
        double value;
    } cases[] = {{"MaxTXFreq", 934.5}, {"maxtxfreq", 934.5}, {"MAXTXFREQ", 934.5}, {"HighType", 7},
                 {"hightype", 7},      {"AlarmPowB", 2.5},   {"alarmpowb", 2.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(FieldValue::ToDouble(rs.Field(QString::fromLatin1(c.name))), c.value);
    }
}

TEST(RecordsetTest, MissingColumnAndNullValueAreErrors)
{
    TempDatabase db = threeRows();
    Database d = Database::OpenDatabase(db.Path());
    Recordset rs = d.OpenRecordset(QStringLiteral("select * from Item where Id=2"));

    const RuntimeError missing = raised([&] { rs.Field(QStringLiteral("Height")); });
    EXPECT_EQ(missing.Number(), 3265);
    EXPECT_EQ(missing.Description(), QStringLiteral("Item not found in this collection."));

    const QVariant weight = rs.Field(QStringLiteral("Weight"));
    EXPECT_TRUE(weight.isNull());
    const RuntimeError null = raised([&] { FieldValue::ToDouble(weight); });
    EXPECT_EQ(null.Number(), 94);
    EXPECT_EQ(null.Description(), QStringLiteral("Invalid use of Null"));
}

TEST(RecordsetTest, BadQueriesRaiseNumberedErrors)
{
    TempDatabase db = threeRows();
    Database d = Database::OpenDatabase(db.Path());
    const struct {
        const char* text;
        int number;
        const char* description;
    } cases[] = {
        {"radio", 3078,
         "The database engine cannot find the input table or query 'radio'. Make sure it exists and that its "
         "name is spelled correctly."},
        {"select * from radio where LowerType<=6 and hightype>=6", 3078,
         "The database engine cannot find the input table or query 'radio'. Make sure it exists and that its "
         "name is spelled correctly."},
        {"select * from Item where LowerType<=6", 3061, "Unknown name 'LowerType' in the query."},
        {"selec * from Item", 3075, "Syntax error in query expression 'selec * from Item'."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const RuntimeError e = raised([&] { d.OpenRecordset(QString::fromLatin1(c.text)); });
        EXPECT_EQ(e.Number(), c.number);
        EXPECT_EQ(e.Description(), QString::fromLatin1(c.description));
    }
}

TEST(RecordsetTest, UnusableOnceItOrItsDatabaseIsClosed)
{
    TempDatabase db = threeRows();
    Database d = Database::OpenDatabase(db.Path());
    Recordset closedSet = d.OpenRecordset(QStringLiteral("Item"));
    closedSet.Close();
    EXPECT_EQ(raised([&] { closedSet.RecordCount(); }).Number(), 3420);
    EXPECT_EQ(raised([&] { closedSet.Requery(); }).Number(), 3420);

    Recordset rs = d.OpenRecordset(QStringLiteral("Item"));
    d.Close();
    const std::function<void()> uses[] = {
        [&] { rs.RecordCount(); }, [&] { rs.MoveNext(); },   [&] { rs.Eof(); },
        [&] { rs.Requery(); },     [&] { rs.Field(QStringLiteral("Id")); },
        [&] { d.OpenRecordset(QStringLiteral("Item")); },
    };
    for (const auto& use : uses) {
        const RuntimeError e = raised(use);
        EXPECT_EQ(e.Number(), 3420);
        EXPECT_EQ(e.Description(), QStringLiteral("Object invalid or no longer set."));
    }
}
