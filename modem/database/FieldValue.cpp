#include "FieldValue.h"

#include "DatabaseError.h"
#include "VbNumbers.h"

namespace FieldValue {

namespace {

void requireValue(const QVariant& value)
{
    if (!value.isValid() || value.isNull()) throw DatabaseError::invalidUseOfNull();
}

bool isText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
}

}  // namespace

double ToDouble(const QVariant& value)
{
    requireValue(value);
    if (value.typeId() == QMetaType::Bool) return value.toBool() ? -1.0 : 0.0;
    if (isText(value)) {
        const QString text = value.toString().trimmed();
        bool ok = false;
        const double number = text.toDouble(&ok);  // C notation, no group separators
        if (ok) return number;
        if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return -1.0;
        if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return 0.0;
        throw RuntimeError::typeMismatch();
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok) throw RuntimeError::typeMismatch();
    return number;
}

int16_t ToInt16(const QVariant& value)
{
    return vb::CInt(ToDouble(value));
}

int32_t ToInt32(const QVariant& value)
{
    return vb::CLng(ToDouble(value));
}

bool ToBoolean(const QVariant& value)
{
    return ToDouble(value) != 0.0;
}

QString ToText(const QVariant& value)
{
    requireValue(value);
    switch (value.typeId()) {
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double: return vb::ShortestDecimal(value.toDouble());
    case QMetaType::Float: return vb::ShortestDecimal(value.toFloat());
    default: return value.toString();
    }
}

}  // namespace FieldValue
