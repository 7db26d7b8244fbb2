// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parse.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>
#include <vector>

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

std::optional<double> tryParseNumber(std::string_view text, const NumberDomain& domain) {
    if (!domain.whole) return tryParseReal(text);
    const auto whole = tryParseInteger(text);
    return whole ? std::optional<double>(*whole) : std::nullopt;
}

bool NumberDomain::contains(double value) const {
    if (whole && value != std::trunc(value)) return false;
    if (minimumExcluded ? !(value > minimum) : !(value >= minimum)) return false;
    return maximumExcluded ? value < maximum : value <= maximum;
}

namespace {

// Values from `low` to `high`, each end in or out.
struct Interval {
    double low;
    double high;
    bool lowIn;
    bool highIn;
};

// Whether the domain holds a value of the interval.
bool meets(const Interval& range, const NumberDomain& d) {
    // The higher of the low ends and the lower of the high ends, each in
    // when it is in both.
    double low = std::max(range.low, d.minimum);
    bool lowIn = (range.low < low || range.lowIn) && (d.minimum < low || !d.minimumExcluded);
    const double high = std::min(range.high, d.maximum);
    const bool highIn = (range.high > high || range.highIn) && (d.maximum > high || !d.maximumExcluded);
    if (d.whole) {
        const double first = std::ceil(low);
        low = first == low && !lowIn ? first + 1 : first;
        lowIn = true;
    }
    return low < high || (low == high && lowIn && highIn);
}

// The parts of a number typed so far: sign, digits, point, exponent.
struct Typed {
    bool negative = false;
    std::string digits;  // before the point
    bool point = false;
    std::string decimals;
    bool exponent = false;
    std::size_t exponentDigits = 0;
};

std::optional<Typed> split(std::string_view s) {
    Typed t;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) t.negative = s[i++] == '-';
    while (i < s.size() && isDigit(s[i])) t.digits += s[i++];
    if (i < s.size() && s[i] == '.') {
        t.point = true;
        ++i;
        while (i < s.size() && isDigit(s[i])) t.decimals += s[i++];
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        t.exponent = true;
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++t.exponentDigits;
    }
    if (i != s.size()) return std::nullopt;
    return t;
}

// The magnitudes typing can still reach from what is there.
std::vector<Interval> reachableMagnitudes(const Typed& t, bool whole) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const bool noDigits = t.digits.empty() && t.decimals.empty();
    if (t.exponent) {
        if (noDigits || t.exponentDigits > 0) return {};
        // An exponent still to come scales the digits anywhere but past zero.
        const bool zero = t.digits.find_first_not_of('0') == std::string::npos &&
                          t.decimals.find_first_not_of('0') == std::string::npos;
        if (zero) return {{0, 0, true, true}};
        return {{0, kInfinity, false, false}};
    }
    if (noDigits) return {{0, t.point ? 1.0 : kInfinity, true, false}};
    const double value = std::strtod((t.digits.empty() ? std::string("0") : t.digits).c_str(), nullptr) +
                         (t.decimals.empty() ? 0.0 : std::strtod(("0." + t.decimals).c_str(), nullptr));
    if (t.point) return {{value, value + std::pow(10.0, -static_cast<double>(t.decimals.size())), true, false}};
    std::vector<Interval> reachable;
    if (!whole) reachable.push_back({value, value + 1, true, false});
    if (t.digits.front() != '0') {
        double scale = 10;
        for (int n = 1; n <= 20 && value * scale <= 1e21; ++n, scale *= 10) {
            reachable.push_back({value * scale, (value + 1) * scale, true, false});
        }
    }
    return reachable;
}

}  // namespace

Completion completion(std::string_view text, const NumberDomain& given) {
    // Whole numbers are read in 32 bits.
    NumberDomain domain = given;
    if (domain.whole) {
        domain.minimum = std::max<double>(domain.minimum, std::numeric_limits<std::int32_t>::min());
        domain.maximum = std::min<double>(domain.maximum, std::numeric_limits<std::int32_t>::max());
    }
    std::string_view s = text;
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    if (s.empty() && !text.empty()) return Completion::Invalid;  // blanks alone begin nothing
    const auto value = tryParseNumber(s, domain);
    if (value && domain.contains(*value)) return Completion::Complete;
    // A blank after the number ends it.
    if (!s.empty() && isBlank(s.back())) return Completion::Invalid;
    const auto typed = split(s);
    if (!typed || (domain.whole && (typed->point || typed->exponent))) return Completion::Invalid;
    for (const Interval& magnitude : reachableMagnitudes(*typed, domain.whole)) {
        const Interval signedRange = typed->negative
                                         ? Interval{-magnitude.high, -magnitude.low, magnitude.highIn, magnitude.lowIn}
                                         : magnitude;
        if (meets(signedRange, domain)) return Completion::Incomplete;
    }
    return Completion::Invalid;
}

}  // namespace quarvel::core
