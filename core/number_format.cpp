// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_format.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <limits>

#include "core/errors.h"

namespace quarvel::core {

namespace {

// A decimal number: digits d1..dn with the point after pointPos of them
// (pointPos may be negative or beyond n).
struct Decimal {
    bool negative = false;
    std::string digits;
    int pointPos = 0;

    bool isZero() const {
        return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
    }
};

// Doubles carry about 15 meaningful decimal digits: we round there first, so
// that a typed 2.675 rounds like the decimal the user wrote.
constexpr int kMeaningfulDigits = 15;

Decimal toDecimal(double value) {
    Decimal d;
    d.negative = std::signbit(value);
    // to_chars ignores the process locale: a French desktop's "," never
    // gets into a number.
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific,
                      kMeaningfulDigits - 1)
            .ptr;
    // buffer holds "d.dddddddddddddde[+-]XX"
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.') d.digits.push_back(*p);
    }
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent);
    d.pointPos = exponent + 1;
    return d;
}

// Keeps `keep` leading digits, rounding the rest half away from zero.
void roundTo(Decimal& d, int keep) {
    const int n = static_cast<int>(d.digits.size());
    if (keep >= n) return;
    if (keep < 0) {
        d.digits = "0";
        d.pointPos = 1;
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!up) {
        if (d.digits.empty()) {
            d.digits = "0";
            d.pointPos = 1;
        }
        return;
    }
    int i = keep - 1;
    for (; i >= 0; --i) {
        char& c = d.digits[static_cast<std::size_t>(i)];
        if (c == '9') {
            c = '0';
        } else {
            ++c;
            break;
        }
    }
    if (i < 0) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.pointPos;
    }
}

char digitAt(const Decimal& d, int index) {
    if (index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

std::string nonFinite(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string exponentForm(const Decimal& d) {
    std::string mantissa = d.digits;
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
    std::string text = d.negative ? "-" : "";
    text.push_back(mantissa[0]);
    if (mantissa.size() > 1) {
        text.push_back('.');
        text.append(mantissa, 1);
    }
    text += "E" + std::to_string(d.pointPos - 1);
    return text;
}

std::string formatFixed(double value, int precision, int decimals, int maxIntegerDigits) {
    if (!std::isfinite(value)) return nonFinite(value);
    decimals = std::clamp(decimals, 0, 18);
    Decimal d = toDecimal(value);
    roundTo(d, std::min(precision, d.pointPos + decimals));
    if (d.isZero()) d.negative = false;
    if (d.pointPos > maxIntegerDigits) return exponentForm(d);

    std::string text = d.negative ? "-" : "";
    if (d.pointPos <= 0) {
        text.push_back('0');
    } else {
        for (int i = 0; i < d.pointPos; ++i) text.push_back(digitAt(d, i));
    }
    if (decimals > 0) {
        text.push_back('.');
        for (int i = 0; i < decimals; ++i) text.push_back(digitAt(d, d.pointPos + i));
    }
    return text;
}

}  // namespace

std::string fixed(double value, int precision, int decimals) {
    return formatFixed(value, precision, decimals, precision);
}

std::string display(double value, int decimals) {
    return formatFixed(value, kMeaningfulDigits, decimals, 10);
}

std::string wholeText(double value) {
    return formatFixed(value, kMeaningfulDigits, 0, kMeaningfulDigits);
}

std::string shortest(double value) {
    if (!std::isfinite(value)) return nonFinite(value);
    if (value == 0) return "0";
    char buffer[40];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, kMeaningfulDigits).ptr;
    const std::string text(buffer, end);
    const auto e = text.find('e');
    if (e == std::string::npos) return text;
    // "1e+20" becomes "1E20", "1.5e-05" becomes "1.5E-5".
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    return text.substr(0, e) + "E" + std::to_string(exponent);
}

std::string plainDecimal(double value) {
    const std::string text = shortest(value);
    const auto e = text.find('E');
    if (e == std::string::npos) return text;
    // "1.5E-5": the digits and where their point goes.
    const bool negative = text.front() == '-';
    std::string digits;
    int point = 0;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (text[i] == '.') {
            point = static_cast<int>(digits.size());
        } else {
            digits += text[i];
        }
    }
    if (text.find('.') == std::string::npos) point = static_cast<int>(digits.size());
    int exponent = 0;
    std::from_chars(text.data() + e + 1, text.data() + text.size(), exponent);
    point += exponent;
    std::string out;
    if (point <= 0) {
        out = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= static_cast<int>(digits.size())) {
        out = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(point)) + "." + digits.substr(static_cast<std::size_t>(point));
    }
    return (negative ? "-" : "") + out;
}

std::int32_t roundHalfEven(double value) {
    if (std::isnan(value)) throwInvalidOperation();
    const double r = std::nearbyint(value);
    if (r < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        throwRangeCheck();
    }
    return static_cast<std::int32_t>(r);
}

}  // namespace quarvel::core
