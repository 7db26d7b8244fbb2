// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "core/errors.h"

using namespace quarvel::core;

namespace {

struct FixedCase {
    const char* name;
    double value;
    int precision;
    int decimals;
    const char* expected;
};

class FixedFormat : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormat, WritesTheExpectedText) {
    const auto& c = GetParam();
    EXPECT_EQ(fixed(c.value, c.precision, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FixedFormat,
    testing::Values(
        FixedCase{"FiveSignificantDigitsThenPadded", 1234.5678, 5, 2, "1234.60"},
        FixedCase{"HalfAwayFromZeroOnDecimals", 0.125, 10, 2, "0.13"},
        FixedCase{"WholeNumberGetsDecimals", 500, 5, 2, "500.00"},
        FixedCase{"BinaryBelowHalfStillMeansTheTypedDecimal", 928.1925, 5, 2, "928.19"},
        FixedCase{"NegativeHalfAwayFromZero", -0.125, 10, 2, "-0.13"},
        FixedCase{"NegativeRoundingToZeroHasNoSign", -0.001, 10, 2, "0.00"},
        FixedCase{"NegativeZero", -0.0, 10, 2, "0.00"},
        FixedCase{"Zero", 0.0, 5, 1, "0.0"},
        FixedCase{"ZeroDecimalsHasNoPoint", 35.87, 5, 0, "36"},
        FixedCase{"ZeroDecimalsHalfAway", 42312.5, 5, 0, "42313"},
        FixedCase{"CarryIntoNewDigit", 999.996, 10, 2, "1000.00"},
        FixedCase{"SmallValueRoundsUpToFirstDecimal", 0.006, 10, 2, "0.01"},
        FixedCase{"SmallValueRoundsDownToZero", 0.004, 10, 2, "0.00"},
        FixedCase{"TypedDecimalTieRoundsUp", 2.675, 10, 2, "2.68"},
        FixedCase{"MorePrecisionDigitsThanDecimals", 12.4049, 10, 2, "12.40"},
        FixedCase{"ExponentBeyondPrecision", 123456.0, 5, 2, "1.2346E5"},
        FixedCase{"ExponentTrimsZeros", 100000.0, 5, 2, "1E5"},
        FixedCase{"NegativeExponentForm", -123456.0, 5, 2, "-1.2346E5"},
        FixedCase{"RoundingUpReachesExponentForm", 99999.996, 5, 2, "1E5"},
        FixedCase{"JustFitsPrecision", 99999.4, 5, 2, "99999.00"},
        FixedCase{"HugeValue", 1e300, 10, 2, "1E300"},
        FixedCase{"Infinity", std::numeric_limits<double>::infinity(), 10, 2, "INF"},
        FixedCase{"NotANumber", std::nan(""), 10, 2, "NAN"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DisplayFormat, SwitchesToExponentBeyondTenIntegerDigits) {
    EXPECT_EQ(display(9999999999.0, 2), "9999999999.00");
    EXPECT_EQ(display(12345678901.0, 2), "1.2345678901E10");
    EXPECT_EQ(display(12.4, 2), "12.40");
    EXPECT_EQ(display(0.5, 0), "1");
}

TEST(WholeText, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(wholeText(812.5), "813");
    EXPECT_EQ(wholeText(-812.5), "-813");
    EXPECT_EQ(wholeText(870.54), "871");
    EXPECT_EQ(wholeText(1.25), "1");
    EXPECT_EQ(wholeText(0.63), "1");
    EXPECT_EQ(wholeText(0), "0");
}

TEST(ShortestForm, DropsTrailingZeros) {
    EXPECT_EQ(shortest(9), "9");
    EXPECT_EQ(shortest(4.65), "4.65");
    EXPECT_EQ(shortest(36.9), "36.9");
    EXPECT_EQ(shortest(2628), "2628");
    EXPECT_EQ(shortest(-6.25), "-6.25");
    EXPECT_EQ(shortest(0.1 + 0.2), "0.3");
    EXPECT_EQ(shortest(0), "0");
    EXPECT_EQ(shortest(1e20), "1E20");
    EXPECT_EQ(shortest(1.5e-5), "1.5E-5");
}

TEST(PlainDecimal, WritesEveryDigitWithoutAnExponent) {
    const std::pair<double, const char*> cases[] = {
        {0.000001, "0.000001"}, {-1.5e-5, "-0.000015"}, {1e20, "100000000000000000000"},
        {1.25e16, "12500000000000000"}, {42.94, "42.94"}, {-0.14, "-0.14"}, {0, "0"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(plainDecimal(value), text) << value;
}

// A desktop's locale (Qt sets the C library's from LANG) never changes a
// number: "." always, no grouping.
TEST(NumberFormats, IgnoreTheProcessLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"fr_FR.UTF-8", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << name << " is not generated (make setup does it)";
        EXPECT_EQ(fixed(12.4049, 10, 2), "12.40") << name;
        EXPECT_EQ(fixed(123456.0, 5, 2), "1.2346E5") << name;
        EXPECT_EQ(display(1234567.891, 3), "1234567.891") << name;
        EXPECT_EQ(shortest(6.45), "6.45") << name;
        EXPECT_EQ(shortest(1.5e-5), "1.5E-5") << name;
    }
    std::setlocale(LC_ALL, before.c_str());
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(812.5), 812);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.6), 3);
    EXPECT_EQ(roundHalfEven(2147483647.4), 2147483647);
    EXPECT_EQ(roundHalfEven(-2147483648.0), -2147483647 - 1);
}

TEST(RoundHalfEven, OutsideThirtyTwoBitsIsARangeError) {
    for (double v : {2147483647.6, -2147483649.0, 1e300, std::numeric_limits<double>::infinity()}) {
        try {
            roundHalfEven(v);
            ADD_FAILURE() << v;
        } catch (const QuarvelError& e) {
            EXPECT_EQ(e.message(), "Erreur de vérification d'étendue");
        }
    }
    EXPECT_THROW(roundHalfEven(std::nan("")), QuarvelError);
}

}  // namespace
