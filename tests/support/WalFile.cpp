#include "WalFile.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

bool exec(sqlite3* db, const QString& sql)
{
    char* message = nullptr;
    const int result = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (result != SQLITE_OK) ADD_FAILURE() << sql.toStdString() << ": " << (message ? message : "?");
    sqlite3_free(message);
    return result == SQLITE_OK;
}

}  // namespace

bool WalFile::Commit(const QString& path, const QStringList& statements, bool keepIndex)
{
    sqlite3* db = nullptr;
    bool done = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                nullptr) == SQLITE_OK;
    done = done && sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr) == SQLITE_OK;
    done = done && exec(db, QStringLiteral("pragma journal_mode=wal")) &&
           exec(db, QStringLiteral("pragma wal_autocheckpoint=0"));
    for (const QString& statement : statements) done = done && exec(db, statement);
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
