// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/checked.h"

#include <cmath>

#include "core/errors.h"

namespace quarvel::core {

double divide(double numerator, double denominator) {
    if (std::isnan(numerator) || std::isnan(denominator)) throwInvalidOperation();
    if (denominator == 0) {
        if (numerator == 0) throwInvalidOperation();
        throwDivisionByZero();
    }
    return numerator / denominator;
}

double squareRoot(double value) {
    if (std::isnan(value) || value < 0) throwInvalidOperation();
    return std::sqrt(value);
}

double arcsine(double value) {
    if (std::isnan(value) || value < -1 || value > 1) throwInvalidOperation();
    return std::asin(value);
}

std::int32_t addInt32(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) throwIntegerOverflow();
    return r;
}

std::int32_t subtractInt32(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) throwIntegerOverflow();
    return r;
}

std::int32_t multiplyInt32(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) throwIntegerOverflow();
    return r;
}

int checkListIndex(long long index, long long size) {
    if (index < 0 || index >= size) throwListIndex(index);
    return static_cast<int>(index);
}

int checkRange(long long value, long long low, long long high) {
    if (value < low || value > high) throwRangeCheck();
    return static_cast<int>(value);
}

}  // namespace quarvel::core
