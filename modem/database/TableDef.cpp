#include "TableDef.h"

#include "DatabaseError.h"

namespace {

QString quoted(QString name)
{
    return QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

}  // namespace

TableDef::TableDef(const QString& name) : name_(name) {}

void TableDef::AppendField(const FieldDef& field)
{
    if (field.Name.isEmpty()) throw DatabaseError::invalidName(field.Name);
    for (const FieldDef& f : fields_)
        if (f.Name.compare(field.Name, Qt::CaseInsensitive) == 0) throw DatabaseError::fieldDefinedTwice();
    fields_ << field;
}

QString TableDef::CreateStatement() const
{
    QStringList columns;
    for (const FieldDef& f : fields_) columns << quoted(f.Name) + QLatin1Char(' ') + DataTypes::DeclaredName(f.Type);
    return QStringLiteral("create table %1 (%2)").arg(quoted(name_), columns.join(QStringLiteral(", ")));
}
