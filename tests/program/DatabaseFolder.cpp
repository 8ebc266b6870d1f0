#include "DatabaseFolder.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

DatabaseFolder::DatabaseFolder(Content content)
{
    if (content == CopyOfModemMdb) {
        EXPECT_TRUE(QFile::copy(QStringLiteral(MODEM_DATABASE_PATH), DatabasePath()));
        QFile::setPermissions(DatabasePath(), QFile::ReadOwner | QFile::WriteOwner);
    }
}

void DatabaseFolder::Run(const QStringList& statements) const
{
    const QString name = QStringLiteral("DatabaseFolder-") + DatabasePath();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(DatabasePath());
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery query(db);
        for (const QString& sql : statements)
            EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
