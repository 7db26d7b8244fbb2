// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace quarvel::core {

// A real: blanks, an optional sign, digits with an optional "." (at least one
// digit in all), an optional exponent, blanks. "." is the only separator.
// Values too large for a double are refused; underflow gives 0.
std::optional<double> tryParseReal(std::string_view text);

// A whole number: blanks, an optional sign, decimal digits, blanks, within
// the signed 32-bit range.
std::optional<std::int32_t> tryParseInteger(std::string_view text);

// The same, failing with the conversion message that quotes the text exactly
// as given.
double parseReal(std::string_view text);
std::int32_t parseInteger(std::string_view text);

// The numbers a field takes: reals or whole numbers, between bounds that
// each may be excluded.
struct NumberDomain {
    bool whole = false;
    double minimum = -std::numeric_limits<double>::infinity();
    double maximum = std::numeric_limits<double>::infinity();
    bool minimumExcluded = false;
    bool maximumExcluded = false;

    static constexpr NumberDomain reals() { return {}; }
    static constexpr NumberDomain positiveReals() { return {false, 0, std::numeric_limits<double>::infinity(), true, false}; }
    static constexpr NumberDomain wholeNumbers() { return {true}; }
    bool contains(double value) const;
};

// A number as a field of the domain reads it, a whole one or a real, its
// range aside.
std::optional<double> tryParseNumber(std::string_view text, const NumberDomain& domain);

// What a text typed so far is for a field of that domain: a value it takes
// (Complete), the start of one it would take, so that typing may go on
// ("-" or "1e" on the way to a number, "0" on the way to "0.8"), or neither.
// Only what typing adds at the end counts: digits, the point, the exponent's
// sign and digits; a leading zero does not grow into other digits ("0" is
// no start of "05").
enum class Completion { Complete, Incomplete, Invalid };
Completion completion(std::string_view text, const NumberDomain& domain);

}  // namespace quarvel::core
