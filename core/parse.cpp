// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parse.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

#include "core/errors.h"

namespace quarvel::core {

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// True when the whole text follows the real-number grammar.
bool isRealSyntax(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < s.size() && isDigit(s[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == s.size();
}

// strtod follows the process locale, which a desktop session may set to a
// "," separator; the program's numbers always use ".".
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

std::optional<double> tryParseReal(std::string_view text) {
    const std::string_view s = trimBlanks(text);
    if (!isRealSyntax(s)) return std::nullopt;
    const std::string copy(s);
    errno = 0;
    const double value = strtod_l(copy.c_str(), nullptr, cLocale());
    if (std::isinf(value)) return std::nullopt;
    return value;
}

std::optional<std::int32_t> tryParseInteger(std::string_view text) {
    std::string_view s = trimBlanks(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : s) {
        if (!isDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{1} << 31) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

double parseReal(std::string_view text) {
    const auto value = tryParseReal(text);
    if (!value) throwNotAReal(text);
    return *value;
}

std::int32_t parseInteger(std::string_view text) {
    const auto value = tryParseInteger(text);
    if (!value) throwNotAnInteger(text);
    return *value;
}

}  // namespace quarvel::core
