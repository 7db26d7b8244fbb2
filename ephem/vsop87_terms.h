// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace quarvel::ephem {

// One periodic term A * cos(B + C * tau), tau in Julian millennia from J2000.0.
struct VsopTerm {
    float a;
    float b;
    float c;
};

inline constexpr int kBodyCount = 4;     // Earth, Mars, Jupiter, Saturn
inline constexpr int kSeriesCount = 18;  // L0..L5, B0..B5, R0..R5

// Per series, the terms of the four bodies one after the other.
extern const std::array<const VsopTerm*, kSeriesCount> kSeriesTerms;
// Per body and series: index of the body's first term, and its number of terms.
extern const int kTermStart[kBodyCount][kSeriesCount];
extern const int kTermCount[kBodyCount][kSeriesCount];

}  // namespace quarvel::ephem
