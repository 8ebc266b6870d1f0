#include "Database.h"

#include "DatabaseError.h"

#include <QFileInfo>
#include <QRegularExpression>

Database Database::OpenDatabase(const QString& path, bool ReadOnly)
{
    return Database(std::make_shared<Connection>(path, ReadOnly ? Connection::Mode::ReadOnly
                                                                : Connection::Mode::ReadWrite));
}

Database Database::CreateDatabase(const QString& path)
{
    const QString file = !path.isEmpty() && QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".mdb") : path;
    return Database(std::make_shared<Connection>(file, Connection::Mode::Create));
}

Database::Database(std::shared_ptr<Connection> connection) : connection_(std::move(connection)) {}

Database& Database::operator=(Database&& other) noexcept
{
    if (this != &other) {
        Close();
        connection_ = std::move(other.connection_);
    }
    return *this;
}

Database::~Database()
{
    Close();
}

Recordset Database::OpenRecordset(const QString& sqlOrTableName)
{
    if (!connection_) throw DatabaseError::objectClosed();
    const QString text = sqlOrTableName.trimmed();
    // A single word is a table name; anything else is query text.
    static const QRegularExpression blank(QStringLiteral("\\s"));
    if (text.isEmpty() || text.contains(blank)) return Recordset(connection_, text);
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return Recordset(connection_, QStringLiteral("select * from \"%1\"").arg(quoted), text);
}

void Database::AppendTableDef(const TableDef& table)
{
    if (!connection_) throw DatabaseError::objectClosed();
    connection_->Execute(table.CreateStatement());
}

void Database::Execute(const QString& sql)
{
    if (!connection_) throw DatabaseError::objectClosed();
    connection_->Execute(sql);
}

void Database::Close()
{
    if (!connection_) return;
    connection_->Close();
    connection_.reset();
}

QString Database::ConnectionName() const
{
    return connection_ ? connection_->Name() : QString();
}
