#include "VbNumbers.h"

#include "RuntimeError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <locale.h>
#include <stdlib.h>

namespace vb {

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

// The numbers of the modem, the files and the boxes always have a point, whatever
// locale the host process has set for itself.
locale_t cLocale()
{
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
    return c;
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

template <typename T>
T checkedRound(double value)
{
    const double r = RoundHalfEven(value);
    if (!(r >= double(std::numeric_limits<T>::min()) && r <= double(std::numeric_limits<T>::max())))
        throw RuntimeError::overflow();
    return static_cast<T>(r);
}

}  // namespace

double Val(const QString& text)
{
    // Blanks anywhere are ignored, as the modem's version texts may carry them.
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c)) s.append(c);

    if (s.size() >= 2 && s[0] == u'&') {
        const QChar kind = s[1].toUpper();
        const int base = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
        if (base == 0) return 0;
        int64_t v = 0;
        for (int i = 2; i < s.size(); ++i) {
            const int d = hexDigit(s[i]);
            if (d < 0 || d >= base) break;
            v = v * base + d;
            if (v > 0xFFFFFFFFLL) break;
        }
        return double(v);
    }

    int i = 0;
    QByteArray number;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) number.append(char(s[i++].unicode()));
    bool digits = false;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        number.append(char(s[i++].unicode()));
        digits = true;
    }
    if (i < s.size() && s[i] == u'.') {
        number.append('.');
        ++i;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            number.append(char(s[i++].unicode()));
            digits = true;
        }
    }
    if (!digits) return 0;
    if (i < s.size() && (s[i].toUpper() == u'E' || s[i].toUpper() == u'D')) {
        int j = i + 1;
        QByteArray exponent("e");
        if (j < s.size() && (s[j] == u'-' || s[j] == u'+')) exponent.append(char(s[j++].unicode()));
        bool expDigits = false;
        while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128) {
            exponent.append(char(s[j++].unicode()));
            expDigits = true;
        }
        if (expDigits) number.append(exponent);
    }
    return ::strtod_l(number.constData(), nullptr, cLocale());
}

double RoundHalfEven(double value)
{
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    if (diff > 0.5) return floorValue + 1;
    if (diff < 0.5) return floorValue;
    return std::fmod(floorValue, 2.0) == 0 ? floorValue : floorValue + 1;
}

double Int(double value) { return std::floor(value); }

int16_t CInt(double value) { return checkedRound<int16_t>(value); }
int32_t CLng(double value) { return checkedRound<int32_t>(value); }
uint8_t CByte(double value) { return checkedRound<uint8_t>(value); }

int32_t HexToLong(const QString& hexDigits)
{
    // The text is read behind a "&H0" prefix, so no digits at all is 0.
    if (hexDigits.isEmpty()) return 0;
    int64_t v = 0;
    for (QChar c : hexDigits) {
        const int d = hexDigit(c);
        if (d < 0) throw RuntimeError::typeMismatch();
        v = v * 16 + d;
        if (v > 0xFFFFFFFFLL) throw RuntimeError::overflow();
    }
    if (v > 0x7FFFFFFF) throw RuntimeError::overflow();
    return static_cast<int32_t>(v);
}

char ByteChar(int64_t value)
{
    if (value < 0 || value > 255) throw RuntimeError::overflow();
    return char(value);
}

QString HexByte(int64_t value)
{
    if (value < 0 || value > 255) throw RuntimeError::overflow();
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString HexWord(int64_t value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString Hex(int64_t value) { return QString::number(value, 16).toUpper(); }

QString ShortestDecimal(double value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

QString ShortestDecimal(float value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

}  // namespace vb
