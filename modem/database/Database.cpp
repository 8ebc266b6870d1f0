#include "Database.h"

#include "DatabaseError.h"

#include <QRegularExpression>

Database Database::OpenDatabase(const QString& path, bool ReadOnly)
{
    return Database(std::make_shared<Connection>(path, ReadOnly));
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
    QString sql = text;
    if (!text.isEmpty() && !text.contains(blank)) {
        QString quoted = text;
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        sql = QStringLiteral("select * from \"%1\"").arg(quoted);
    }
    return Recordset(connection_, sql);
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
