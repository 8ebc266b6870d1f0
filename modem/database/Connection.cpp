#include "Connection.h"

#include "DatabaseError.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>

namespace {

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("ModemDatabase-%1").arg(++counter);
}

}  // namespace

Connection::Connection(const QString& path, Mode mode) : path_(path)
{
    if (path.isEmpty()) throw DatabaseError::invalidFileName();
    const QFileInfo file(path);
    if (mode == Mode::Create) {
        if (file.exists()) throw DatabaseError::databaseExists();
    } else if (!file.isFile()) {
        // The driver would create a missing file; an open must never do that.
        throw DatabaseError::fileNotFound(path);
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) throw DatabaseError::driverMissing();

    name_ = nextConnectionName();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    if (mode == Mode::ReadOnly) {
        // Immutable: SQLite takes no lock and opens no journal, so a reader leaves
        // nothing beside the file (no -wal or -shm of a file in WAL mode).
        QUrl uri = QUrl::fromLocalFile(file.absoluteFilePath());
        uri.setQuery(QStringLiteral("mode=ro&immutable=1"));
        db_.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        db_.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    } else {
        db_.setDatabaseName(path);
    }
    open_ = true;
    try {
        if (!db_.open()) {
            if (mode == Mode::Create) throw DatabaseError::cannotCreate(path_);
            throw DatabaseError::fromSql(db_.lastError(), path_, QString());
        }
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

void Connection::Execute(const QString& sql, const QVariantList& values)
{
    if (!open_) throw DatabaseError::objectClosed();
    QSqlQuery query(db_);
    if (!query.prepare(sql)) throw DatabaseError::fromSql(query.lastError(), path_, sql);
    for (const QVariant& value : values) query.addBindValue(value);
    if (!query.exec()) throw DatabaseError::fromSql(query.lastError(), path_, sql);
}

QList<Connection::Column> Connection::Columns(const QString& table)
{
    QString quoted = table;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    const Result info = Select(QStringLiteral("pragma table_info(\"%1\")").arg(quoted));
    QList<Column> columns;
    for (const QSqlRecord& row : info.Rows)
        columns << Column{row.value(QStringLiteral("name")).toString(), row.value(QStringLiteral("type")).toString()};
    return columns;
}

void Connection::Close()
{
    if (!open_) return;
    open_ = false;
    db_.close();
    db_ = QSqlDatabase();  // the last handle must go before the name is removed
    QSqlDatabase::removeDatabase(name_);
}
