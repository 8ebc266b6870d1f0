#include "Recordset.h"

#include "DatabaseError.h"

Recordset::Recordset(std::shared_ptr<Connection> connection, const QString& sql)
    : connection_(std::move(connection)), sql_(sql)
{
    Requery();
}

int32_t Recordset::RecordCount() const
{
    requireOpen();
    return static_cast<int32_t>(result_.Rows.size());
}

void Recordset::MoveFirst()
{
    requireOpen();
    if (result_.Rows.isEmpty()) throw DatabaseError::noCurrentRecord();
    position_ = 0;
}

void Recordset::MoveNext()
{
    requireOpen();
    if (Eof()) throw DatabaseError::noCurrentRecord();
    ++position_;
}

bool Recordset::Eof() const
{
    requireOpen();
    return position_ >= result_.Rows.size();
}

void Recordset::Requery()
{
    if (!connection_) throw DatabaseError::objectClosed();
    result_ = connection_->Select(sql_);
    position_ = 0;
}

QVariant Recordset::Field(const QString& name) const
{
    requireOpen();
    for (int column = 0; column < result_.Columns.size(); ++column) {
        if (result_.Columns.at(column).compare(name, Qt::CaseInsensitive) != 0) continue;
        if (Eof()) throw DatabaseError::noCurrentRecord();
        return result_.Rows.at(position_).value(column);
    }
    throw DatabaseError::itemNotFound();
}

void Recordset::Close()
{
    connection_.reset();
    result_ = {};
    position_ = 0;
}

void Recordset::requireOpen() const
{
    if (!connection_ || !connection_->IsOpen()) throw DatabaseError::objectClosed();
}
