// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/coordinates.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/constants.h"

namespace quarvel::sky {

namespace {

struct Number {
    double value = 0;
    bool negative = false;  // a minus sign stood before it
    bool signedExplicitly = false;
    char unit = 0;  // 'h', 'm', 's', 'd' (°), '\'' or '"' after it, or ':'; 0 for none
    bool decimal = false;
};

// The typographic marks imagers paste, as the plain ones.
std::string plain(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto rest = text.substr(i);
        const auto starts = [&rest](std::string_view mark) { return rest.substr(0, mark.size()) == mark; };
        if (starts("°") || starts("º")) {
            out += 'd';
            i += 1;
        } else if (starts("′") || starts("’")) {
            out += '\'';
            i += 2;
        } else if (starts("″") || starts("”")) {
            out += '"';
            i += 2;
        } else if (starts("−")) {
            out += '-';
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool digit(char c) { return c >= '0' && c <= '9'; }

// The numbers of the text, each with its sign and the mark after it; nothing
// when something else stands in it.
std::optional<std::vector<Number>> numbers(const std::string& text) {
    std::vector<Number> found;
    bool minus = false, sign = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == ',' || c == ';') {
            if ((c == ',' || c == ';') && sign) return std::nullopt;
            ++i;
            continue;
        }
        if (c == '+' || c == '-') {
            if (sign) return std::nullopt;
            sign = true;
            minus = c == '-';
            ++i;
            continue;
        }
        if (!digit(c) && !((c == '.' || c == ',') && i + 1 < text.size() && digit(text[i + 1]))) return std::nullopt;
        std::string digits;
        bool decimal = false;
        while (i < text.size()) {
            const char d = text[i];
            if (digit(d)) {
                digits += d;
            } else if ((d == '.' || d == ',') && !decimal && i + 1 < text.size() && digit(text[i + 1])) {
                digits += '.';
                decimal = true;
            } else {
                break;
            }
            ++i;
        }
        Number n;
        // Whatever the desktop's locale: a point, as written above.
        std::from_chars(digits.data(), digits.data() + digits.size(), n.value);
        n.decimal = decimal;
        n.negative = minus;
        n.signedExplicitly = sign;
        minus = sign = false;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i < text.size()) {
            const char u = static_cast<char>(text[i] | 0x20);
            if (u == 'h' || u == 'm' || u == 's' || u == 'd' || text[i] == '\'' || text[i] == '"' || text[i] == ':') {
                n.unit = text[i] == ':' ? ':' : (text[i] == '\'' || text[i] == '"') ? text[i] : u;
                ++i;
                // "hr" as some programs write the hours
                if (n.unit == 'h' && i < text.size() && (text[i] | 0x20) == 'r') ++i;
            }
        }
        found.push_back(n);
    }
    if (sign) return std::nullopt;
    return found;
}

bool minutesOrSeconds(double v) { return v >= 0 && v < 60; }

// Degrees, minutes and seconds as one number; nothing when a part is out of range.
std::optional<double> sexagesimal(const std::vector<Number>& parts) {
    double value = 0, unit = 1;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0 && (!minutesOrSeconds(parts[i].value) || parts[i].signedExplicitly)) return std::nullopt;
        // Only the last part may have decimals.
        if (parts[i].decimal && i + 1 < parts.size()) return std::nullopt;
        value += parts[i].value / unit;
        unit *= 60;
    }
    return value;
}

}  // namespace

std::optional<Equatorial> parseEquatorial(std::string_view text) {
    const auto found = numbers(plain(text));
    if (!found || found->empty()) return std::nullopt;
    const std::vector<Number>& n = *found;
    // The declination starts at the first signed number after the first, or
    // halfway through the numbers.
    std::size_t split = 0;
    for (std::size_t i = 1; i < n.size(); ++i) {
        if (n[i].signedExplicitly) {
            split = i;
            break;
        }
    }
    if (split == 0) {
        if (n.size() % 2 != 0) return std::nullopt;
        split = n.size() / 2;
    }
    const std::vector<Number> ra(n.begin(), n.begin() + static_cast<std::ptrdiff_t>(split));
    const std::vector<Number> dec(n.begin() + static_cast<std::ptrdiff_t>(split), n.end());
    if (ra.empty() || dec.empty() || ra.size() > 3 || dec.size() > 3 || ra.front().signedExplicitly) return std::nullopt;
    // One number alone is in degrees, unless marked as hours; several are
    // hours, minutes and seconds.
    const bool hours = ra.size() > 1 || ra.front().unit == 'h';
    const auto raValue = sexagesimal(ra);
    auto decValue = sexagesimal(dec);
    if (!raValue || !decValue) return std::nullopt;
    Equatorial position;
    position.raDeg = hours ? *raValue * 15 : *raValue;
    position.decDeg = dec.front().negative ? -*decValue : *decValue;
    if (!(position.raDeg >= 0 && position.raDeg < 360) || !(std::abs(position.decDeg) <= 90)) return std::nullopt;
    return position;
}

std::optional<double> parseAngle(std::string_view text, std::string_view positive, std::string_view negative) {
    std::string t = plain(text);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.pop_back();
    bool hemisphere = false, south = false;
    if (!t.empty() && (t.back() < '0' || t.back() > '9')) {
        const char last = static_cast<char>(t.back() & ~0x20);  // either case
        const bool plus = positive.find(last) != std::string_view::npos;
        const bool minus = negative.find(last) != std::string_view::npos;
        // A hemisphere's letter stands after a mark or a space, never as the
        // seconds' "s" right after a number.
        const bool marked = t.size() > 1 && (t[t.size() - 2] == ' ' || t[t.size() - 2] == 'd' ||
                                             t[t.size() - 2] == '\'' || t[t.size() - 2] == '"');
        if ((plus || minus) && (marked || (t.back() & 0x20) == 0)) {
            hemisphere = true;
            south = minus;
            t.pop_back();
        }
    }
    const auto found = numbers(t);
    if (!found || found->empty() || found->size() > 3) return std::nullopt;
    for (std::size_t i = 0; i < found->size(); ++i) {
        const char unit = (*found)[i].unit;
        const char allowed = i == 0 ? 'd' : i == 1 ? '\'' : '"';
        if (unit != 0 && unit != ':' && unit != allowed) return std::nullopt;
    }
    // A sign and a letter together would say the side twice.
    if (hemisphere && found->front().signedExplicitly) return std::nullopt;
    const auto value = sexagesimal(*found);
    if (!value) return std::nullopt;
    return (found->front().negative || south) ? -*value : *value;
}

std::string formatRightAscension(double raDeg) {
    // Tenths of a second of time, rounded once, then split.
    long tenths = std::lround(raDeg / 15 * 36000);
    tenths %= 24L * 36000;
    if (tenths < 0) tenths += 24L * 36000;
    char text[32];
    std::snprintf(text, sizeof text, "%02ldh%02ldm%02ld.%lds", tenths / 36000, tenths / 600 % 60, tenths / 10 % 60,
                  tenths % 10);
    return text;
}

std::string formatDeclination(double decDeg) {
    const long seconds = std::lround(std::abs(decDeg) * 3600);
    char text[32];
    std::snprintf(text, sizeof text, "%c%02ld°%02ld'%02ld\"", decDeg < 0 && seconds > 0 ? '-' : '+', seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return text;
}

std::string formatEquatorial(const Equatorial& position) {
    return formatRightAscension(position.raDeg) + " " + formatDeclination(position.decDeg);
}

double normalizedDeg(double deg) {
    double r = std::fmod(deg, 360.0);
    if (r < 0) r += 360;
    return r >= 360 ? 0 : r;
}

double separationDeg(const Equatorial& a, const Equatorial& b) {
    // The haversine form: exact for close positions too.
    const double d = core::kDegreesToRadians;
    const double dDec = (b.decDeg - a.decDeg) * d, dRa = (b.raDeg - a.raDeg) * d;
    const double h = std::sin(dDec / 2) * std::sin(dDec / 2) +
                     std::cos(a.decDeg * d) * std::cos(b.decDeg * d) * std::sin(dRa / 2) * std::sin(dRa / 2);
    return 2 * std::asin(std::min(1.0, std::sqrt(h))) / d;
}

}  // namespace quarvel::sky
