// SPDX-License-Identifier: GPL-3.0-or-later
// Positions on the sky, J2000: read as the user types them, written as the
// capture programs read them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarvel::sky {

struct Equatorial {
    double raDeg = 0;   // 0 to below 360
    double decDeg = 0;  // -90 to 90
};

// Right ascension then declination, in any of the forms imagers copy:
// "05h35m17s -05°23'28\"", "5:35:17 -5:23:28", "5 35 17.3 -5 23 28",
// hours and minutes ("5h35.3m -5°23.5'"), or decimal degrees "83.82 -5.39";
// a decimal mark may be a point or a comma ("83,82 -5,39"). Nothing when the
// text is none of these or out of range.
std::optional<Equatorial> parseEquatorial(std::string_view text);

// One angle in degrees, decimal ("48.85", "48,85", "-0.17") or in degrees,
// minutes and seconds ("48°51'24\"", "48 51 24", "48:51.4"), signed or
// followed by one of the hemisphere's letters ("48°51'N", "2°21'O"): a
// `negative` one makes it negative. Nothing when the text is none of these.
std::optional<double> parseAngle(std::string_view text, std::string_view positive, std::string_view negative);

// "05h35m17.3s" and "-05°23'28\"", rounded to the tenth of a second of time
// and the second of arc; the right ascension of 23h59m59.96s is written
// 00h00m00.0s.
std::string formatRightAscension(double raDeg);
std::string formatDeclination(double decDeg);
// Both, separated by a space: a text parseEquatorial reads back.
std::string formatEquatorial(const Equatorial& position);

// An angle in degrees brought to 0 to below 360.
double normalizedDeg(double deg);

// The angle between two positions, degrees.
double separationDeg(const Equatorial& a, const Equatorial& b);

}  // namespace quarvel::sky
