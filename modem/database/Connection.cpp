#include "Connection.h"

#include "DatabaseError.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
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
    if (mode == Mode::ReadOnly) openForReading(path);
    else openAt(path, QString(), mode);
}

void Connection::openAt(const QString& name, const QString& options, Mode mode)
{
    name_ = nextConnectionName();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(name);
    db_.setConnectOptions(options);
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

namespace {

QString readOnlyUri(const QString& path, bool withWal)
{
    QUrl uri = QUrl::fromLocalFile(path);
    // Immutable: SQLite takes no lock and opens no side file, so the read leaves
    // nothing beside the file; right only while no -wal holds changes.
    uri.setQuery(withWal ? QStringLiteral("mode=ro") : QStringLiteral("mode=ro&immutable=1"));
    return uri.toString(QUrl::FullyEncoded);
}

const QString ReadOnlyOptions = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");

}  // namespace

void Connection::openForReading(const QString& path)
{
    // SQLite finds the side files beside the file a link names.
    const QString real = QFileInfo(path).canonicalFilePath();
    const bool withWal = QFileInfo(real + QStringLiteral("-wal")).size() > 0;
    if (QFile::encodeName(real).size() <= EngineLongestPath) {
        try {
            // Reading the -wal takes its index, the -shm, which SQLite makes beside
            // the file when there is none.
            openAt(readOnlyUri(real, withWal), ReadOnlyOptions, Mode::ReadOnly);
            return;
        } catch (const RuntimeError&) {
            // Without a -wal nothing else can open the file; with one, the -shm may
            // be what cannot be made (a folder the user may not write).
            if (!withWal) throw;
        }
    }
    openCopy(real, withWal);
}

void Connection::openCopy(const QString& real, bool withWal)
{
    copy_ = std::make_unique<QTemporaryDir>();
    const QString copy = copy_->filePath(QStringLiteral("read.db"));
    if (!copy_->isValid() || !QFile::copy(real, copy) ||
        (withWal && !QFile::copy(real + QStringLiteral("-wal"), copy + QStringLiteral("-wal"))))
        throw DatabaseError::cannotOpen(path_);
    openAt(readOnlyUri(copy, withWal), ReadOnlyOptions, Mode::ReadOnly);
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
    copy_.reset();
}
