#include "Connection.h"

#include "DatabaseError.h"
#include "TemporaryFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>
#include <cstring>
#include <sqlite3.h>

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
    // nothing beside the file; right only while no -wal holds changes and no
    // -journal an unfinished transaction.
    uri.setQuery(withWal ? QStringLiteral("mode=ro") : QStringLiteral("mode=ro&immutable=1"));
    return uri.toString(QUrl::FullyEncoded);
}

const QString ReadOnlyOptions = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");

// A side file that SQLite reads with the database: a regular file (a link is
// followed, as SQLite does) that holds something.
bool holdsData(const QString& side)
{
    const QFileInfo info(side);
    return info.isFile() && info.size() > 0;
}

}  // namespace

int Connection::EngineLongestPath()
{
    static const int longest = [] {
        // The library is the one the Qt driver loads: both use the system's SQLite.
        const sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        return vfs ? vfs->mxPathname - int(std::strlen("-journal")) : 0;
    }();
    return longest;
}

bool Connection::FitsEngine(const QString& path) { return QFile::encodeName(path).size() <= EngineLongestPath(); }

void Connection::openForReading(const QString& path)
{
    // SQLite finds the side files beside the file a link names.
    const QString real = QFileInfo(path).canonicalFilePath();
    const bool withWal = holdsData(real + QStringLiteral("-wal"));
    // A writer that stopped in the middle of a transaction left the pages it
    // changed in the file and the old ones in its -journal: only a reader that may
    // write rolls them back, so the file is read through a copy that may be.
    const bool withJournal = holdsData(real + QStringLiteral("-journal"));
    if (!withJournal && FitsEngine(real)) {
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
    QStringList sides;
    if (withWal) sides << QStringLiteral("-wal");
    if (withJournal) sides << QStringLiteral("-journal");
    openCopy(real, sides);
}

void Connection::openCopy(const QString& real, const QStringList& sides)
{
    copy_ = std::make_unique<TemporaryFolder>();
    if (!copy_->IsValid())
        throw RuntimeError(DatabaseError::CannotOpen,
                           QStringLiteral("The file '%1' is read through a copy in the temporary folder '%2', "
                                          "which cannot be used: %3.")
                               .arg(path_, copy_->Location(), copy_->Problem()));
    const QString copy = copy_->FilePath(QStringLiteral("read.db"));
    for (const QString& side : QStringList{QString()} + sides) {
        QFile from(real + side);
        if (!from.copy(copy + side))
            throw RuntimeError(DatabaseError::CannotOpen,
                               QStringLiteral("The file '%1' is read through a copy in the temporary folder '%2', "
                                              "and the copy failed: %3.")
                                   .arg(path_, copy_->Location(), from.errorString()));
    }
    // The copy is the program's own: SQLite may roll back and index it there.
    openAt(copy, QString(), Mode::ReadOnly);
    Execute(QStringLiteral("pragma query_only=1"));
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
