#include "CheckedRow.h"

#include "DatabaseError.h"
#include "FieldValue.h"
#include "Recordset.h"
#include "VbNumbers.h"

#include <QFileInfo>
#include <cmath>

bool CheckedRow::Range::Holds(double value) const
{
    if (!std::isfinite(value)) return false;
    const bool aboveLowest = LowestIncluded ? value >= Lowest : value > Lowest;
    return aboveLowest && value <= Highest;
}

QString CheckedRow::Range::Text() const
{
    constexpr double unbounded = std::numeric_limits<double>::max();
    const QString low = vb::ShortestDecimal(Lowest), high = vb::ShortestDecimal(Highest);
    if (Highest == unbounded) {
        if (Lowest == -unbounded) return QStringLiteral("a finite number");
        return (LowestIncluded ? QStringLiteral("at least ") : QStringLiteral("more than ")) + low;
    }
    if (!LowestIncluded) return QStringLiteral("more than %1 and at most %2").arg(low, high);
    return QStringLiteral("%1 to %2").arg(low, high);
}

CheckedRow::CheckedRow(const Recordset& rows, const QString& table)
    : rows_(rows), database_(QFileInfo(rows.DatabasePath()).fileName()), table_(table)
{
}

QVariant CheckedRow::value(const QString& field) const { return rows_.Field(field); }

bool CheckedRow::IsNull(const QString& field) const
{
    const QVariant v = value(field);
    return !v.isValid() || v.isNull();
}

void CheckedRow::fail(const QString& field, int number, const QString& cause) const
{
    throw DatabaseError::unusableValue(number, cause, field, table_, database_);
}

double CheckedRow::number(const QString& field, const Range& range) const
{
    const QVariant v = value(field);
    double n = 0;
    try {
        n = FieldValue::ToDouble(v);
    } catch (const RuntimeError& error) {
        fail(field, error.Number(), error.Description());
    }
    if (!range.Holds(n))
        fail(field, RuntimeError::Overflow,
             QStringLiteral("Value %1 out of range (%2)").arg(FieldValue::ToText(v), range.Text()));
    return n;
}

double CheckedRow::Double(const QString& field, const Range& range) const { return number(field, range); }

int16_t CheckedRow::Int16(const QString& field, const Range& range) const
{
    const double n = number(field, range);
    try {
        return vb::CInt(n);
    } catch (const RuntimeError& error) {
        fail(field, error.Number(), error.Description());
    }
}

int32_t CheckedRow::Int32(const QString& field, const Range& range) const
{
    const double n = number(field, range);
    try {
        return vb::CLng(n);
    } catch (const RuntimeError& error) {
        fail(field, error.Number(), error.Description());
    }
}

bool CheckedRow::Boolean(const QString& field) const { return number(field, Range::Any()) != 0.0; }

QString CheckedRow::Text(const QString& field) const
{
    const QVariant v = value(field);
    try {
        return FieldValue::ToText(v);
    } catch (const RuntimeError& error) {
        fail(field, error.Number(), error.Description());
    }
}

QString CheckedRow::TextOrEmpty(const QString& field) const { return IsNull(field) ? QString() : Text(field); }
