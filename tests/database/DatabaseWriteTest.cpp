#include "Database.h"
#include "FieldValue.h"
#include "RaisedError.h"
#include "ReadOnlyFolder.h"
#include "SqlFile.h"
#include "TempDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TableDef allTypes()
{
    TableDef table(QStringLiteral("Kinds"));
    table.AppendField(TableDef::CreateField(QStringLiteral("Flag"), DataType::Boolean));
    table.AppendField(TableDef::CreateField(QStringLiteral("Small"), DataType::Integer));
    table.AppendField(TableDef::CreateField(QStringLiteral("Big"), DataType::Long));
    table.AppendField(TableDef::CreateField(QStringLiteral("Real"), DataType::Double));
    table.AppendField(TableDef::CreateField(QStringLiteral("Words"), DataType::Text));
    return table;
}

}  // namespace

TEST(DatabaseCreateTest, MakesANewFileAndNeverTouchesAnExistingOne)
{
    TempDatabase folder;
    {
        Database made = Database::CreateDatabase(folder.PathIn(QStringLiteral("site")));
        made.AppendTableDef(allTypes());
    }
    EXPECT_TRUE(QFileInfo::exists(folder.PathIn(QStringLiteral("site.mdb")))) << "no extension means .mdb";
    EXPECT_FALSE(QFileInfo::exists(folder.PathIn(QStringLiteral("site"))));
    {
        Database kept = Database::CreateDatabase(folder.PathIn(QStringLiteral("cfg.dat")));
    }
    EXPECT_TRUE(QFileInfo::exists(folder.PathIn(QStringLiteral("cfg.dat")))) << "an extension is kept";

    const QByteArray before = [&] {
        QFile f(folder.PathIn(QStringLiteral("site.mdb")));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    const std::optional<RuntimeError> exists =
        RaisedError([&] { Database::CreateDatabase(folder.PathIn(QStringLiteral("site.mdb"))); });
    ASSERT_TRUE(exists);
    EXPECT_EQ(exists->Number(), 3204);
    EXPECT_EQ(exists->Description(), QStringLiteral("Database already exists."));
    QFile after(folder.PathIn(QStringLiteral("site.mdb")));
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
}

TEST(DatabaseCreateTest, AFolderThatCannotBeWrittenIsNamedInTheError)
{
    TempDatabase folder;
    const QString locked = folder.PathIn(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(folder.PathIn(QString()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                        QFile::ReadOther | QFile::ExeOther);
    const QString path = locked + QStringLiteral("/site.mdb");
    std::optional<RuntimeError> e;
    {
        ReadOnlyFolder readOnly(locked);
        ASSERT_TRUE(readOnly.Active());
        e = RaisedError([&] { Database::CreateDatabase(path); });
    }
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), 3044);
    EXPECT_TRUE(e->Description().contains(path)) << e->Description().toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(TableDefTest, FieldsKeepTheirOrderAndDeclaredTypes)
{
    TempDatabase folder;
    const QString path = folder.PathIn(QStringLiteral("kinds.mdb"));
    {
        Database db = Database::CreateDatabase(path);
        db.AppendTableDef(allTypes());
    }
    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select name, type, \"notnull\", dflt_value, pk from pragma_table_info('Kinds')")),
              (QList<QStringList>{{"Flag", "BOOLEAN", "0", "NULL", "0"},
                                  {"Small", "INTEGER", "0", "NULL", "0"},
                                  {"Big", "LONG", "0", "NULL", "0"},
                                  {"Real", "DOUBLE", "0", "NULL", "0"},
                                  {"Words", "TEXT", "0", "NULL", "0"}}));
    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select type, name from sqlite_master")),
              (QList<QStringList>{{"table", "Kinds"}}))
        << "one table, no index";

    TableDef twice(QStringLiteral("Twice"));
    twice.AppendField(TableDef::CreateField(QStringLiteral("PortAISSlip"), DataType::Boolean));
    const std::optional<RuntimeError> e =
        RaisedError([&] { twice.AppendField(TableDef::CreateField(QStringLiteral("PortAISSLip"), DataType::Long)); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), 3191);
    EXPECT_EQ(twice.Fields().size(), 1);
}

TEST(RecordsetAddTest, ValuesAreStoredAsTheFieldsDeclareThem)
{
    TempDatabase folder;
    const QString path = folder.PathIn(QStringLiteral("kinds.mdb"));
    Database db = Database::CreateDatabase(path);
    db.AppendTableDef(allTypes());
    Recordset rs = db.OpenRecordset(QStringLiteral("Kinds"));
    EXPECT_EQ(rs.RecordCount(), 0);

    const struct {
        QVariant flag, small, big, real, words;
        QStringList stored;
    } rows[] = {
        {true, 32767, 2147483647, 3.0, QStringLiteral("2.0"), {"1", "32767", "2147483647", "3.0", "2.0"}},
        {false, -32768, -2147483647 - 1, 899.0125, QString(), {"0", "-32768", "-2147483648", "899.0125", ""}},
        // Any non-zero value is True; halves round to even; numbers become text.
        {-1, 2.5, 3.5, 7, 12, {"1", "2", "4", "7.0", "12"}},
        {QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), {"NULL", "NULL", "NULL", "NULL", "NULL"}},
    };
    for (const auto& row : rows) {
        rs.AddNew();
        // Names are matched without regard to case.
        rs.SetField(QStringLiteral("FLAG"), row.flag);
        rs.SetField(QStringLiteral("small"), row.small);
        rs.SetField(QStringLiteral("Big"), row.big);
        rs.SetField(QStringLiteral("real"), row.real);
        rs.SetField(QStringLiteral("Words"), row.words);
        rs.Update();
    }
    EXPECT_EQ(rs.RecordCount(), 4) << "the new rows are part of the set";
    const QList<QStringList> stored =
        SqlFile::Rows(path, QStringLiteral("select printf('%s', Flag), printf('%s', Small), printf('%s', Big), "
                                     "printf('%.1f', Real), printf('%s', Words), typeof(Flag), typeof(Real) from "
                                     "Kinds order by rowid"));
    ASSERT_EQ(stored.size(), 4);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(stored[i].mid(0, 5), rows[i].stored.mid(0, 3) << QString::number(rows[i].real.toDouble(), 'f', 1)
                                                                  << rows[i].stored[4]);
        EXPECT_EQ(stored[i][5], QStringLiteral("integer"));
        EXPECT_EQ(stored[i][6], QStringLiteral("real"));
    }
    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select count(*) from Kinds where Flag is null and Small is null and "
                                           "Big is null and Real is null and Words is null")),
              (QList<QStringList>{{"1"}}));
    rs.MoveFirst();
    EXPECT_TRUE(FieldValue::ToBoolean(rs.Field(QStringLiteral("Flag"))));
    EXPECT_EQ(FieldValue::ToText(rs.Field(QStringLiteral("Words"))), QStringLiteral("2.0"));
}

TEST(RecordsetAddTest, RefusedValuesAndMisuseRaiseNumberedErrors)
{
    TempDatabase folder;
    const QString path = folder.PathIn(QStringLiteral("kinds.mdb"));
    Database db = Database::CreateDatabase(path);
    db.AppendTableDef(allTypes());
    Recordset rs = db.OpenRecordset(QStringLiteral("Kinds"));

    EXPECT_EQ(RaisedError([&] { rs.SetField(QStringLiteral("Small"), 1); })->Number(), 3020) << "no AddNew";
    EXPECT_EQ(RaisedError([&] { rs.Update(); })->Number(), 3020);

    rs.AddNew();
    const struct {
        const char* field;
        QVariant value;
        int number;
        const char* description;
    } cases[] = {
        {"Small", 32768, 3349, "Numeric field overflow: the field 'Small' holds -32768 to 32767, not 32768."},
        {"Small", -32769, 3349, "Numeric field overflow: the field 'Small' holds -32768 to 32767, not -32769."},
        {"Big", 2147483648.0, 3349,
         "Numeric field overflow: the field 'Big' holds -2147483648 to 2147483647, not 2147483648."},
        {"Big", QStringLiteral("abc"), 13, "Type mismatch"},
        {"Nothing", 1, 3265, "Item not found in this collection."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        const std::optional<RuntimeError> e = RaisedError([&] { rs.SetField(QString::fromLatin1(c.field), c.value); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->Number(), c.number);
        EXPECT_EQ(e->Description(), QString::fromLatin1(c.description));
    }
    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select count(*) from Kinds")), (QList<QStringList>{{"0"}}))
        << "nothing is written before Update";

    Recordset query = db.OpenRecordset(QStringLiteral("select * from Kinds"));
    const std::optional<RuntimeError> readOnly = RaisedError([&] { query.AddNew(); });
    ASSERT_TRUE(readOnly);
    EXPECT_EQ(readOnly->Number(), 3027);
}

TEST(RecordsetAddTest, AReadOnlyDatabaseRefusesTheNewRow)
{
    TempDatabase folder;
    const QString path = folder.PathIn(QStringLiteral("kinds.mdb"));
    Database::CreateDatabase(path).AppendTableDef(allTypes());
    Database db = Database::OpenDatabase(path, true);
    Recordset rs = db.OpenRecordset(QStringLiteral("Kinds"));
    rs.AddNew();
    rs.SetField(QStringLiteral("Small"), 1);
    const std::optional<RuntimeError> e = RaisedError([&] { rs.Update(); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Number(), 3027);
    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select count(*) from Kinds")), (QList<QStringList>{{"0"}}));
}

TEST(DatabaseExecuteTest, RunsActionQueriesOnAnOpenDatabaseOnly)
{
    TempDatabase folder;
    const QString path = folder.PathIn(QStringLiteral("kinds.mdb"));
    Database db = Database::CreateDatabase(path);
    db.AppendTableDef(allTypes());
    db.Execute(QStringLiteral("insert into Kinds (Small) values (7)"));
    db.Execute(QStringLiteral("update Kinds set Small = Small + 1"));
    EXPECT_EQ(SqlFile::Rows(path, QStringLiteral("select Small from Kinds")), (QList<QStringList>{{"8"}}));
    const std::optional<RuntimeError> bad = RaisedError([&] { db.Execute(QStringLiteral("update Missing set x=1")); });
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->Number(), 3078) << bad->Description().toStdString();
    db.Close();
    const std::optional<RuntimeError> closed = RaisedError([&] { db.Execute(QStringLiteral("delete from Kinds")); });
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->Number(), 3420);
}
