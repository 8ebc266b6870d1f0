#pragma once

#include <QString>
#include <cstdint>

// Number conversions that the modem's formats and the stored values rely on.
namespace vb {

// The number that the leading part of the text reads as ("2.3.1" gives 2.3,
// "12abc" 12, "abc" 0). Blanks are skipped, "&H" and "&O" prefixes are read.
double Val(const QString& text);

// Nearest whole number, halves to even (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double value);

// Largest whole number not above the value.
double Int(double value);

// Rounded to a whole number that must fit the type; otherwise the overflow error.
int16_t CInt(double value);
int32_t CLng(double value);
uint8_t CByte(double value);

// The hexadecimal text as a never-negative 32-bit integer ("FF" gives 255). A text
// that is not hexadecimal is a type mismatch, one above 7FFFFFFF an overflow.
int32_t HexToLong(const QString& hexDigits);

// The value as one raw byte of a command; a value outside 0..255 is an overflow.
char ByteChar(int64_t value);

// Two upper-case hexadecimal digits; a value outside 0..255 is an overflow.
QString HexByte(int64_t value);

// At least four upper-case hexadecimal digits, padded with "0".
QString HexWord(int64_t value);

// As few upper-case hexadecimal digits as the value needs.
QString Hex(int64_t value);

// The shortest decimal text that reads back as the same number (3.5, not 3.50).
QString ShortestDecimal(double value);
QString ShortestDecimal(float value);

}  // namespace vb
