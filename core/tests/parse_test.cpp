// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parse.h"

#include <gtest/gtest.h>

#include "core/errors.h"

using namespace quarvel::core;

namespace {

struct RealCase {
    const char* text;
    double value;
};

TEST(ParseReal, AcceptsTheConventionsGrammar) {
    const RealCase cases[] = {
        {"9", 9},       {"4.65", 4.65},    {"-5", -5},       {"+2.5", 2.5},  {"  8.6  ", 8.6},
        {".5", 0.5},    {"5.", 5},         {"1e3", 1000},    {"1.5E-2", 0.015}, {"2e+2", 200},
        {"0.0", 0},     {"-0", -0.0},      {"\t12\t", 12},   {"1e-400", 0},   {"1e308", 1e308},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(parseReal(c.text), c.value) << c.text;
    }
}

TEST(ParseReal, RefusesOtherTextQuotingItExactly) {
    const char* bad[] = {"", " ", "8,6", "abc", "1.2.3", "-", "+", ".", "e5", "1e", "1e+", "--1",
                         "1 2", "inf", "nan", "0x10", "1e309", "-1e999", "12a", "½"};
    for (const char* text : bad) {
        try {
            parseReal(text);
            ADD_FAILURE() << text;
        } catch (const QuarvelError& e) {
            EXPECT_EQ(e.code(), ErrorCode::NotAReal);
            EXPECT_EQ(e.message(), std::string("'") + text + "' n'est pas une valeur en virgule flottante correcte");
        }
    }
}

TEST(ParseInteger, AcceptsSignedDecimalDigitsInThirtyTwoBits) {
    EXPECT_EQ(parseInteger("768"), 768);
    EXPECT_EQ(parseInteger(" -5 "), -5);
    EXPECT_EQ(parseInteger("+12"), 12);
    EXPECT_EQ(parseInteger("007"), 7);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
}

TEST(ParseInteger, RefusesOtherTextQuotingItExactly) {
    const char* bad[] = {"", "-", "12.5", "1e3", "2147483648", "-2147483649", "99999999999999999999",
                         "0x10", "1 000", " 1.0 "};
    for (const char* text : bad) {
        try {
            parseInteger(text);
            ADD_FAILURE() << text;
        } catch (const QuarvelError& e) {
            EXPECT_EQ(e.code(), ErrorCode::NotAnInteger);
            EXPECT_EQ(e.message(), std::string("'") + text + "' n'est pas une valeur entière correcte");
        }
    }
}

TEST(ParseReal, IgnoresTheProcessLocale) {
    // A French desktop sets a "," separator for the C library.
    if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) GTEST_SKIP() << "no French locale here";
    EXPECT_DOUBLE_EQ(parseReal("8.6"), 8.6);
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
