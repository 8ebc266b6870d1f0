#include "Connection.h"

#include "DatabaseError.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("ModemDatabase-%1").arg(++counter);
}

}  // namespace

Connection::Connection(const QString& path, bool readOnly) : path_(path)
{
    if (path.isEmpty()) throw DatabaseError::invalidFileName();
    // The driver would create a missing file; an open must never do that.
    if (!QFileInfo(path).isFile()) throw DatabaseError::fileNotFound(path);
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) throw DatabaseError::driverMissing();

    name_ = nextConnectionName();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(path);
    if (readOnly) db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    open_ = true;
    try {
        if (!db_.open()) throw DatabaseError::fromSql(db_.lastError(), path_, QString());
        // SQLite reads the header only on first use: a file that is not a database
        // shows here and not later in the caller's query.
        Select(QStringLiteral("select count(*) from sqlite_master"));
    } catch (...) {
        Close();
        throw;
    }
}

Connection::~Connection()
{
    Close();
}

Connection::Result Connection::Select(const QString& sql)
{
    if (!open_) throw DatabaseError::objectClosed();
    Result result;
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.exec(sql)) throw DatabaseError::fromSql(query.lastError(), path_, sql);
    const QSqlRecord header = query.record();
    for (int i = 0; i < header.count(); ++i) result.Columns << header.fieldName(i);
    while (query.next()) result.Rows << query.record();
    if (query.lastError().isValid()) throw DatabaseError::fromSql(query.lastError(), path_, sql);
    return result;
}

void Connection::Close()
{
    if (!open_) return;
    open_ = false;
    db_.close();
    db_ = QSqlDatabase();  // the last handle must go before the name is removed
    QSqlDatabase::removeDatabase(name_);
}
