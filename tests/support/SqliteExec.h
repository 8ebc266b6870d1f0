#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <sqlite3.h>

// Runs one statement on SQLite's own C library; a failure is a test failure.
inline bool SqliteExec(sqlite3* db, const QString& sql)
{
    char* message = nullptr;
    const int result = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (result != SQLITE_OK) ADD_FAILURE() << sql.toStdString() << ": " << (message ? message : "?");
    sqlite3_free(message);
    return result == SQLITE_OK;
}
