#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>

// Conversions of a field's value to the types the records hold. A Null raises
// "Invalid use of Null" (94), text that is not a number "Type mismatch" (13), a
// number outside the type's range "Overflow" (6). Integers round halves to even.
namespace FieldValue {

double ToDouble(const QVariant& value);
int16_t ToInt16(const QVariant& value);
int32_t ToInt32(const QVariant& value);
bool ToBoolean(const QVariant& value);
QString ToText(const QVariant& value);

}  // namespace FieldValue
