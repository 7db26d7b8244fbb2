// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace quarvel::core {

// fixed(p, d): the value rounded to at most p significant digits and to d
// decimals (halves away from zero), written with exactly d decimals after a
// "." and no thousands separator. A value with more than p digits before the
// point is written in exponent form instead ("1.2346E5").
std::string fixed(double value, int precision, int decimals);

// The display of the instrument and sensor results: d decimals, halves away
// from zero, exponent form beyond 10 digits before the point.
std::string display(double value, int decimals);

// A whole number, halves away from zero (812.5 gives "813").
std::string wholeText(double value);

// The shortest decimal form: up to 15 significant digits, no trailing zeros
// ("9", "4.65", "36.9"); exponent form for very large or small values.
std::string shortest(double value);

// The shortest decimal form written out in full, never with an exponent
// ("0.000001", "1500000"): for the numbers that fields read back.
std::string plainDecimal(double value);

// Round(x): the nearest integer, halves to the even neighbour (Round(2.5) = 2).
// A result outside the signed 32-bit range fails with the range-check error.
std::int32_t roundHalfEven(double value);

}  // namespace quarvel::core
