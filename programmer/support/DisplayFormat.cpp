#include "DisplayFormat.h"

#include <cmath>

namespace {

// Five decimals, halves away from zero as the display formats round.
QString fiveDecimals(double value)
{
    const double scaled = std::round(std::abs(value) * 100000.0);
    QString text = QString::number(scaled / 100000.0, 'f', 5);
    return value < 0 && scaled != 0 ? QLatin1Char('-') + text : text;
}

}  // namespace

QString DisplayFormat::Frequency(double value)
{
    QString text = fiveDecimals(value);
    const int zero = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.mid(zero, 2) == QLatin1String("0.")) text.remove(zero, 1);
    return text;
}

QString DisplayFormat::FrequencyWithZero(double value) { return fiveDecimals(value); }
