#pragma once

#include <QString>
#include <optional>

// The field types a table definition declares, numbered as the engine numbers them.
enum class DataType {
    Boolean = 1,
    Integer = 3,  // 16-bit signed
    Long = 4,     // 32-bit signed
    Double = 7,
    Text = 10,
};

namespace DataTypes {

// The name a column is declared with: "BOOLEAN", "INTEGER", "LONG", "DOUBLE", "TEXT".
QString DeclaredName(DataType type);
// The type of a column declared with that name (case does not matter); none for
// a declaration this service does not make.
std::optional<DataType> FromDeclaredName(const QString& name);

}  // namespace DataTypes
