#pragma once

#include <QString>

// The display formats of the window's numbers.
namespace DisplayFormat {

// "###.00000": five decimals, no integer digit below 1 (0.5 as ".50000").
QString Frequency(double value);
// "###0.00000": five decimals and at least one integer digit (0.5 as "0.50000").
QString FrequencyWithZero(double value);

}  // namespace DisplayFormat
