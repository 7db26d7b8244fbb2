// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace quarvel::core {

// Floating-point operations that fail with the program's messages instead of
// yielding infinities or NaNs: x / 0 is a division by zero, 0 / 0 and the
// square root of a negative are invalid operations.
double divide(double numerator, double denominator);
double squareRoot(double value);
// The arcsine in radians; an argument outside [-1, 1] is an invalid operation.
double arcsine(double value);

// 32-bit integer arithmetic that fails with "Débordement d'entier".
std::int32_t addInt32(std::int32_t a, std::int32_t b);
std::int32_t subtractInt32(std::int32_t a, std::int32_t b);
std::int32_t multiplyInt32(std::int32_t a, std::int32_t b);

// A list index: outside [0, size) fails with "Indice de liste hors limites (%1)".
int checkListIndex(long long index, long long size);
// A value that must lie in [low, high]: outside fails with the range-check error.
int checkRange(long long value, long long low, long long high);

}  // namespace quarvel::core
