#include "FieldValue.h"

#include "RuntimeError.h"
#include "VbNumbers.h"

#include <gtest/gtest.h>

namespace {

const QVariant Null = QVariant(QMetaType::fromType<double>());
const QVariant NullText = QVariant(QMetaType::fromType<QString>());

std::string show(double v) { return vb::ShortestDecimal(v).toStdString(); }
std::string show(int32_t v) { return std::to_string(v); }
std::string show(int16_t v) { return std::to_string(v); }
std::string show(bool v) { return v ? "true" : "false"; }
std::string show(const QString& v) { return v.toStdString(); }

// The conversion's result as text, or "error <number>", so one table covers both.
template <class Convert>
std::string outcome(Convert convert, const QVariant& value)
{
    try {
        return show(convert(value));
    } catch (const RuntimeError& e) {
        return "error " + std::to_string(e.Number());
    }
}

struct Case {
    const char* what;
    QVariant value;
    const char* expected;
};

}  // namespace

TEST(FieldValue, ToDouble)
{
    const Case cases[] = {
        {"integer", QVariant(qlonglong(924)), "924"},
        {"real", QVariant(12.5), "12.5"},
        {"numeric text", QVariant(QStringLiteral(" 450.0125 ")), "450.0125"},
        {"exponent text", QVariant(QStringLiteral("1.28e7")), "12800000"},
        {"Boolean True", QVariant(true), "-1"},
        {"Null", Null, "error 94"},
        {"Null text", NullText, "error 94"},
        {"no value", QVariant(), "error 94"},
        {"word", QVariant(QStringLiteral("abc")), "error 13"},
        {"empty text", QVariant(QStringLiteral("")), "error 13"},
        {"number then text", QVariant(QStringLiteral("12abc")), "error 13"},
        {"grouped digits", QVariant(QStringLiteral("1,000")), "error 13"},
    };
    for (const Case& c : cases) EXPECT_EQ(outcome(FieldValue::ToDouble, c.value), c.expected) << c.what;
}

TEST(FieldValue, ToIntegersRoundHalvesToEvenAndCheckRange)
{
    const Case int16Cases[] = {
        {"half down to even", QVariant(2.5), "2"},
        {"half up to even", QVariant(3.5), "4"},
        {"negative", QVariant(-7.0), "-7"},
        {"top", QVariant(32767.4), "32767"},
        {"above", QVariant(32768), "error 6"},
        {"below", QVariant(-32769), "error 6"},
        {"text above", QVariant(QStringLiteral("70000")), "error 6"},
        {"Null", Null, "error 94"},
        {"word", QVariant(QStringLiteral("x")), "error 13"},
    };
    for (const Case& c : int16Cases) EXPECT_EQ(outcome(FieldValue::ToInt16, c.value), c.expected) << c.what;

    const Case int32Cases[] = {
        {"beyond 16 bits", QVariant(70000), "70000"},
        {"top", QVariant(qlonglong(2147483647)), "2147483647"},
        {"above", QVariant(qlonglong(2147483648LL)), "error 6"},
        {"half", QVariant(40064.5), "40064"},
        {"Null", Null, "error 94"},
    };
    for (const Case& c : int32Cases) EXPECT_EQ(outcome(FieldValue::ToInt32, c.value), c.expected) << c.what;
}

TEST(FieldValue, ToBoolean)
{
    const Case cases[] = {
        {"zero", QVariant(0), "false"},
        {"one", QVariant(1), "true"},
        {"minus one", QVariant(-1), "true"},
        {"fraction", QVariant(0.25), "true"},
        {"True text", QVariant(QStringLiteral("true")), "true"},
        {"False text", QVariant(QStringLiteral("False")), "false"},
        {"numeric text", QVariant(QStringLiteral("0")), "false"},
        {"word", QVariant(QStringLiteral("yes please")), "error 13"},
        {"Null", Null, "error 94"},
    };
    for (const Case& c : cases) EXPECT_EQ(outcome(FieldValue::ToBoolean, c.value), c.expected) << c.what;
}

TEST(FieldValue, ToText)
{
    const Case cases[] = {
        {"text", QVariant(QStringLiteral("3.4")), "3.4"},
        {"integer", QVariant(qlonglong(3)), "3"},
        {"real", QVariant(470.0125), "470.0125"},
        {"whole real", QVariant(450.0), "450"},
        {"Boolean", QVariant(false), "False"},
        {"Null", NullText, "error 94"},
    };
    for (const Case& c : cases) EXPECT_EQ(outcome(FieldValue::ToText, c.value), c.expected) << c.what;
}
