#include "WalFile.h"

#include "SqliteExec.h"

#include <QFile>

bool WalFile::Commit(const QString& path, const QStringList& statements, bool keepIndex)
{
    sqlite3* db = nullptr;
    bool done = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                nullptr) == SQLITE_OK;
    done = done && sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr) == SQLITE_OK;
    done = done && SqliteExec(db, QStringLiteral("pragma journal_mode=wal")) &&
           SqliteExec(db, QStringLiteral("pragma wal_autocheckpoint=0"));
    for (const QString& statement : statements) done = done && SqliteExec(db, statement);
    sqlite3_close(db);
    if (!done) ADD_FAILURE() << "could not leave " << path.toStdString() << " with changes in its -wal";
    if (!keepIndex) QFile::remove(path + QStringLiteral("-shm"));
    return done && QFile(path + QStringLiteral("-wal")).size() > 0;
}

QString WalFile::Value(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    QString value = QStringLiteral("(cannot open)");
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        value = QStringLiteral("(no row)");
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) != SQLITE_OK)
            value = QString::fromUtf8(sqlite3_errmsg(db));
        else if (sqlite3_step(statement) == SQLITE_ROW)
            value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return value;
}
