// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
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

}  // namespace quarvel::core
