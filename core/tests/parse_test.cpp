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

// What typing may still make of a text: the rows name the field they stand for.
TEST(Completion, TellsAValueFromTheStartOfOneAndFromNeither) {
    using C = Completion;
    const NumberDomain seeing{false, 0, 30, true, false};
    const NumberDomain panels{true, 1, 5};
    const NumberDomain overlap{false, 0, 100, false, true};
    const struct {
        const char* field;
        const char* text;
        NumberDomain domain;
        Completion expected;
    } cases[] = {
        {"seeing", "0.8", seeing, C::Complete},        {"seeing", "0", seeing, C::Incomplete},
        {"seeing", "0.", seeing, C::Incomplete},       {"seeing", "0.0", seeing, C::Incomplete},
        {"seeing", ".", seeing, C::Incomplete},        {"seeing", "30", seeing, C::Complete},
        {"seeing", "3", seeing, C::Complete},          {"seeing", "99", seeing, C::Invalid},
        {"seeing", "31", seeing, C::Invalid},          {"seeing", "-", seeing, C::Invalid},
        {"seeing", "1e", seeing, C::Incomplete},       {"seeing", "0e", seeing, C::Invalid},
        {"seeing", "4e1", seeing, C::Invalid},         {"seeing", "0 ", seeing, C::Invalid},
        {"seeing", "abc", seeing, C::Invalid},         {"seeing", "30.", seeing, C::Complete},
        {"rotation", "-", NumberDomain::reals(), C::Incomplete},
        {"rotation", "-30", NumberDomain::reals(), C::Complete},
        {"rotation", "+.", NumberDomain::reals(), C::Incomplete},
        {"rotation", "1e-", NumberDomain::reals(), C::Incomplete},
        {"rotation", "--", NumberDomain::reals(), C::Invalid},
        {"diameter", "-", NumberDomain::positiveReals(), C::Invalid},
        {"diameter", "0", NumberDomain::positiveReals(), C::Incomplete},
        {"diameter", "200", NumberDomain::positiveReals(), C::Complete},
        {"panels", "6", panels, C::Invalid},           {"panels", "0", panels, C::Invalid},
        {"panels", "1", panels, C::Complete},          {"panels", "-", panels, C::Invalid},
        {"panels", "1.", panels, C::Invalid},          {"panels", "+", panels, C::Incomplete},
        {"overlap", "100", overlap, C::Invalid},       {"overlap", "99.9", overlap, C::Complete},
        {"overlap", "1", overlap, C::Complete},        {"overlap", "10", overlap, C::Complete},
        {"coordinate", "-", NumberDomain::wholeNumbers(), C::Incomplete},
        {"coordinate", "2147483648", NumberDomain::wholeNumbers(), C::Invalid},
        {"pixels", "0", NumberDomain{true, 1}, C::Invalid},
        {"large minimum", "5", NumberDomain{false, 100}, C::Incomplete},
    };
    for (const auto& c : cases) EXPECT_EQ(completion(c.text, c.domain), c.expected) << c.field << " " << c.text;
}
