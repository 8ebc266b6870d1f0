#include "DataType.h"

namespace DataTypes {

namespace {

struct Declared {
    DataType type;
    const char* name;
};

constexpr Declared declared[] = {
    {DataType::Boolean, "BOOLEAN"}, {DataType::Integer, "INTEGER"}, {DataType::Long, "LONG"},
    {DataType::Double, "DOUBLE"},   {DataType::Text, "TEXT"},
};

}  // namespace

QString DeclaredName(DataType type)
{
    for (const Declared& d : declared)
        if (d.type == type) return QString::fromLatin1(d.name);
    return QString();
}

std::optional<DataType> FromDeclaredName(const QString& name)
{
    for (const Declared& d : declared)
        if (name.compare(QLatin1String(d.name), Qt::CaseInsensitive) == 0) return d.type;
    return std::nullopt;
}

}  // namespace DataTypes
