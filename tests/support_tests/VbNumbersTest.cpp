#include "RuntimeError.h"
#include "ScopedLocale.h"
#include "VbNumbers.h"

#include <gtest/gtest.h>

namespace {

int errorOf(auto&& body)
{
    try {
        body();
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

const struct {
    const char* text;
    double value;
} ValCases[] = {
    {"2.3.1", 2.3}, {"3.0.2", 3.0}, {"2.4", 2.4}, {"3.5;3.6", 3.5}, {"  12abc", 12}, {"abc", 0}, {"", 0},
    {"-130", -130}, {"1 2", 12}, {".5", 0.5}, {"1e3", 1000}, {"1e", 1}, {"&HFF", 255}, {"&o17", 15},
    {"450.01250", 450.0125}, {"-", 0}, {"3.", 3}, {"+2.5", 2.5}, {"461,25", 461}, {"1.5E-1", 0.15},
};

TEST(Val, ReadsTheLeadingNumber)
{
    for (const auto& c : ValCases) EXPECT_DOUBLE_EQ(vb::Val(QString::fromLatin1(c.text)), c.value) << c.text;
}

// A host program that has set a comma locale for itself changes nothing: the
// modem, the files and the boxes write their numbers with a point.
TEST(Val, ReadsAPointWhateverLocaleTheHostSet)
{
    for (const char* name : TestLocales) {
        SCOPED_TRACE(name);
        const ScopedLocale locale(name);
        ASSERT_EQ(locale.Problem(), "");
        for (const auto& c : ValCases) EXPECT_DOUBLE_EQ(vb::Val(QString::fromLatin1(c.text)), c.value) << c.text;
        EXPECT_EQ(vb::ShortestDecimal(460.5), "460.5");
        EXPECT_EQ(vb::ShortestDecimal(3.4f), "3.4");
        EXPECT_EQ(vb::Hex(0xFE8), "FE8");
    }
}

TEST(Rounding, HalvesGoToEven)
{
    const struct {
        double in, out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3}, {-0.4, 0}};
    for (const auto& c : cases) EXPECT_EQ(vb::RoundHalfEven(c.in), c.out) << c.in;
    EXPECT_EQ(vb::Int(-1.5), -2);
    EXPECT_EQ(vb::Int(1.99), 1);
}

TEST(Rounding, ConversionsThatDoNotFitOverflow)
{
    EXPECT_EQ(vb::CByte(255.4), 255);
    EXPECT_EQ(vb::CByte(-0.5), 0);
    EXPECT_EQ(errorOf([] { vb::CByte(255.5); }), RuntimeError::Overflow);
    EXPECT_EQ(errorOf([] { vb::CByte(-1); }), RuntimeError::Overflow);
    EXPECT_EQ(vb::CInt(32767), 32767);
    EXPECT_EQ(errorOf([] { vb::CInt(32768); }), RuntimeError::Overflow);
    EXPECT_EQ(errorOf([] { vb::CLng(2147483648.0); }), RuntimeError::Overflow);
}

TEST(Hex, TextsAndValues)
{
    EXPECT_EQ(vb::HexWord(0xF3C), "0F3C");
    EXPECT_EQ(vb::HexWord(0x12345), "12345");
    EXPECT_EQ(vb::Hex(300), "12C");
    EXPECT_EQ(vb::Hex(5), "5");
    EXPECT_EQ(vb::HexToLong("FF"), 255);
    EXPECT_EQ(vb::HexToLong("FFFF"), 65535);
    EXPECT_EQ(vb::HexToLong("00fa"), 250);
    EXPECT_EQ(errorOf([] { vb::HexToLong("G1"); }), RuntimeError::TypeMismatch);
    EXPECT_EQ(vb::HexToLong(""), 0);
    EXPECT_EQ(errorOf([] { vb::HexToLong("80000000"); }), RuntimeError::Overflow);
}

TEST(ShortestDecimal, WritesNoMoreDigitsThanNeeded)
{
    EXPECT_EQ(vb::ShortestDecimal(3.5f), "3.5");
    EXPECT_EQ(vb::ShortestDecimal(3.4f), "3.4");
    EXPECT_EQ(vb::ShortestDecimal(3.0f), "3");
    EXPECT_EQ(vb::ShortestDecimal(450.0125), "450.0125");
    EXPECT_EQ(vb::ShortestDecimal(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(vb::ShortestDecimal(-64.0), "-64");
}

}  // namespace
