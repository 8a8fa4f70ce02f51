#include "engine/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vork {
namespace {

TEST(ParseLenient, ReadsDecimalForms) {
    EXPECT_EQ(ParseLenient("5"), 5.0);
    EXPECT_EQ(ParseLenient("5."), 5.0);
    EXPECT_EQ(ParseLenient(".5"), 0.5);
    EXPECT_EQ(ParseLenient("  -2.75"), -2.75);
    EXPECT_EQ(ParseLenient("+1E3"), 1000.0);
    EXPECT_EQ(ParseLenient("1.5E-3"), 0.0015);
}

TEST(ParseLenient, BrokenBeforeAnyDigitReadsZero) {
    EXPECT_EQ(ParseLenient(""), 0.0);
    EXPECT_EQ(ParseLenient("abc"), 0.0);
    EXPECT_EQ(ParseLenient("-"), 0.0);
    EXPECT_EQ(ParseLenient("."), 0.0);
    EXPECT_EQ(ParseLenient("inf"), 0.0);
    EXPECT_EQ(ParseLenient("nan"), 0.0);
}

TEST(ParseLenient, BrokenAfterDigitsKeepsThePrefix) {
    EXPECT_EQ(ParseLenient("12a"), 12.0);
    EXPECT_EQ(ParseLenient("2.5 "), 2.5);
    EXPECT_EQ(ParseLenient("1.2.3"), 1.2);
    EXPECT_EQ(ParseLenient("1E+"), 1.0);
    EXPECT_EQ(ParseLenient("0x10"), 0.0);
}

TEST(ParseLenient, OutOfRangeStaysFinite) {
    // The same value as an overflowing result carries.
    EXPECT_EQ(ParseLenient("1E999"), 1.79769313486231e308);
    EXPECT_EQ(ParseLenient("-1E999"), -1.79769313486231e308);
    EXPECT_EQ(ParseLenient("1E-999"), 0.0);
}

TEST(ParseWholeNumber, RefusesAnythingButOneNumber) {
    EXPECT_EQ(ParseWholeNumber(" -2.5 "), -2.5);
    EXPECT_EQ(ParseWholeNumber("1E3"), 1000.0);
    EXPECT_EQ(ParseWholeNumber(".5"), 0.5);
    for (const char* bad : {"", " ", "abc", "2,5", "1E", "2x", "-", "1 2", "12a"})
        EXPECT_EQ(ParseWholeNumber(bad), std::nullopt) << bad;
}

TEST(ParseStrictInt, AcceptsOnlyWholeIntegers) {
    EXPECT_EQ(ParseStrictInt("42"), 42);
    EXPECT_EQ(ParseStrictInt(" -7"), -7);
    EXPECT_EQ(ParseStrictInt("+3"), 3);
    EXPECT_FALSE(ParseStrictInt(""));
    EXPECT_FALSE(ParseStrictInt("1.5"));
    EXPECT_FALSE(ParseStrictInt("12 "));
    EXPECT_FALSE(ParseStrictInt("-"));
    EXPECT_FALSE(ParseStrictInt("99999999999"));
    EXPECT_EQ(ParseStrictInt("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_FALSE(ParseStrictInt("2147483648"));
    EXPECT_EQ(ConversionMessage("x1"), "'x1' is not a valid integer value");
}

TEST(Rounding, HalfToEvenAndDecimalQuotients) {
    EXPECT_EQ(RoundHalfEven(0.5), 0.0);
    EXPECT_EQ(RoundHalfEven(1.5), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
    // Dead-time sample counts: 0.05 / 0.1 counts 0, 0.15 / 0.1 counts 2, 1 / 0.1 counts 10.
    EXPECT_EQ(RoundDecimalQuotient(0.05 / 0.1), 0);
    EXPECT_EQ(RoundDecimalQuotient(0.15 / 0.1), 2);
    EXPECT_EQ(RoundDecimalQuotient(1.0 / 0.1), 10);
    EXPECT_EQ(RoundDecimalQuotient(0.25 / 0.1), 2);
}

TEST(Fixed, DecimalsAndWidth) {
    EXPECT_EQ(Fixed(100, 2, 5), "100.00");
    EXPECT_EQ(Fixed(5, 2, 5), " 5.00");
    EXPECT_EQ(Fixed(-0.5, 2), "-0.50");
    EXPECT_EQ(Fixed(99.6, 0), "100");
}

TEST(SciText, TwentyThreeCharacterForm) {
    EXPECT_EQ(SciText(50), " 5.00000000000000E+0001");
    EXPECT_EQ(SciText(1.0 / 3.0), " 3.33333333333333E-0001");
    EXPECT_EQ(SciText(-6), "-6.00000000000000E+0000");
    EXPECT_EQ(SciText(0), " 0.00000000000000E+0000");
    EXPECT_EQ(SciText(-0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(SciText(1e-300), " 1.00000000000000E-0300");
    EXPECT_EQ(SciText(9.999999999999999e22), " 1.00000000000000E+0023");
    EXPECT_EQ(SciText(5e-324).size(), 23u);
}

TEST(SciText, NonFiniteValuesStayReadable) {
    EXPECT_EQ(SciText(std::numeric_limits<double>::infinity()), " 1.79769313486231E+0308");
    EXPECT_EQ(SciText(-std::numeric_limits<double>::infinity()), "-1.79769313486231E+0308");
    EXPECT_EQ(SciText(std::nan("")), " 0.00000000000000E+0000");
    EXPECT_TRUE(std::isfinite(Round15(std::numeric_limits<double>::max())));
}

TEST(ShortestText, RoundTrips) {
    EXPECT_EQ(ShortestText(64), "64");
    EXPECT_EQ(ShortestText(0.999999999999999), "0.999999999999999");
    EXPECT_EQ(ShortestText(5e12), "5000000000000");
    EXPECT_EQ(ShortestText(-9999), "-9999");
    EXPECT_EQ(ShortestText(0.001), "0.001");
    EXPECT_EQ(ShortestText(1e-300), "1e-300");
    EXPECT_EQ(ShortestText(1.5e300), "1.5e+300");
}

}  // namespace
}  // namespace vork
