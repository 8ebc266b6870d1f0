#include "CrashedWriter.h"

#include "SqliteExec.h"

#include <QFile>

bool CrashedWriter::Leave(const QString& source, const QStringList& statements, const QString& path)
{
    sqlite3* db = nullptr;
    bool done = sqlite3_open_v2(QFile::encodeName(source).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK;
    done = done && SqliteExec(db, QStringLiteral("pragma journal_mode=delete")) &&
           SqliteExec(db, QStringLiteral("begin immediate"));
    for (const QString& statement : statements) done = done && SqliteExec(db, statement);
    // The changed pages go into the file, the old ones into the -journal first.
    done = done && sqlite3_db_cacheflush(db) == SQLITE_OK;
    const QString journal = source + QStringLiteral("-journal");
    done = done && QFile(journal).size() > 0 && QFile::copy(source, path) &&
           QFile::copy(journal, path + QStringLiteral("-journal"));
    if (db) SqliteExec(db, QStringLiteral("rollback"));
    sqlite3_close(db);
    if (!done) ADD_FAILURE() << "could not leave " << path.toStdString() << " with an unfinished transaction";
    return done;
}
