#include "Recordset.h"

#include "DatabaseError.h"
#include "FieldValue.h"
#include "VbNumbers.h"

namespace {

// A whole number that must lie in the field's range.
qlonglong wholeNumber(const QString& field, const QVariant& value, qlonglong lowest, qlonglong highest)
{
    const double number = vb::RoundHalfEven(FieldValue::ToDouble(value));
    if (!(number >= double(lowest) && number <= double(highest)))
        throw DatabaseError::fieldOverflow(field, FieldValue::ToText(value),
                                           QStringLiteral("%1 to %2").arg(lowest).arg(highest));
    return qlonglong(number);
}

QVariant stored(const QString& field, std::optional<DataType> type, const QVariant& value)
{
    if (!value.isValid() || value.isNull() || !type) return value;
    switch (*type) {
    case DataType::Boolean: return qlonglong(FieldValue::ToBoolean(value) ? 1 : 0);
    case DataType::Integer: return wholeNumber(field, value, -32768, 32767);
    case DataType::Long: return wholeNumber(field, value, -2147483648LL, 2147483647LL);
    case DataType::Double: return FieldValue::ToDouble(value);
    case DataType::Text: return FieldValue::ToText(value);
    }
    return value;
}

QString quoted(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

}  // namespace

Recordset::Recordset(std::shared_ptr<Connection> connection, const QString& sql, const QString& table)
    : connection_(std::move(connection)), path_(connection_ ? connection_->Path() : QString()), sql_(sql),
      table_(table)
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
    newRow_.reset();
}

void Recordset::AddNew()
{
    requireOpen();
    if (table_.isEmpty()) throw DatabaseError::readOnly();
    QList<NewField> row;
    for (const Connection::Column& column : connection_->Columns(table_))
        row << NewField{column.Name, DataTypes::FromDeclaredName(column.DeclaredType), QVariant()};
    newRow_ = row;
}

void Recordset::SetField(const QString& name, const QVariant& value)
{
    requireOpen();
    if (!newRow_) throw DatabaseError::updateWithoutAddNew();
    for (NewField& field : *newRow_) {
        if (field.Name.compare(name, Qt::CaseInsensitive) != 0) continue;
        field.Value = stored(field.Name, field.Type, value);
        return;
    }
    throw DatabaseError::itemNotFound();
}

void Recordset::Update()
{
    requireOpen();
    if (!newRow_) throw DatabaseError::updateWithoutAddNew();
    QStringList names, marks;
    QVariantList values;
    for (const NewField& field : *newRow_) {
        names << quoted(field.Name);
        marks << QStringLiteral("?");
        values << field.Value;
    }
    const QString sql = names.isEmpty() ? QStringLiteral("insert into %1 default values").arg(quoted(table_))
                                        : QStringLiteral("insert into %1 (%2) values (%3)")
                                              .arg(quoted(table_), names.join(QStringLiteral(", ")),
                                                   marks.join(QStringLiteral(", ")));
    connection_->Execute(sql, values);
    newRow_.reset();
    Requery();
}

void Recordset::requireOpen() const
{
    if (!connection_ || !connection_->IsOpen()) throw DatabaseError::objectClosed();
}
