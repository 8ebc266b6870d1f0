#include "SqlFile.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace SqlFile {

namespace {

template <typename Body>
void withConnection(const QString& path, Body body)
{
    const QString name = QStringLiteral("SqlFile-") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
        body(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

}  // namespace

QList<QStringList> Rows(const QString& path, const QString& sql)
{
    QList<QStringList> rows;
    withConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
        while (query.next()) {
            QStringList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << (query.value(i).isNull() ? QStringLiteral("NULL") : query.value(i).toString());
            rows << row;
        }
    });
    return rows;
}

bool Run(const QString& path, const QStringList& statements)
{
    bool ok = true;
    withConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        for (const QString& sql : statements) {
            const bool ran = query.exec(sql);
            EXPECT_TRUE(ran) << sql.toStdString() << ": " << query.lastError().text().toStdString();
            ok = ok && ran;
        }
    });
    return ok;
}

}  // namespace SqlFile
