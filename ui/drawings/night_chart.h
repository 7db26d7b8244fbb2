// SPDX-License-Identifier: GPL-3.0-or-later
// The night's altitude chart, as its view paints it: the sky's darkness
// across the span, the target's and the Moon's altitude, the lowest altitude
// worth shooting at, the hours.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quarvel::ui::drawings {

// How dark the sky is with the Sun at that altitude: 0 by day, 1 to 3 in
// the civil, nautical and astronomical twilight, 4 in the night.
constexpr int skyDarkness(double sunAltitudeDeg) {
    return sunAltitudeDeg > -50.0 / 60 ? 0 : sunAltitudeDeg > -6 ? 1 : sunAltitudeDeg > -12 ? 2
                                                                   : sunAltitudeDeg > -18  ? 3
                                                                                           : 4;
}

// The targets' colours, in the order they were added.
inline constexpr std::array<std::array<std::uint8_t, 3>, 5> kNightTargetColours{{
    {255, 220, 80}, {90, 200, 255}, {255, 120, 220}, {120, 230, 120}, {255, 160, 60}}};

struct NightChart {
    struct Sample {
        double jd;  // a UTC Julian date
        double altitudeDeg;
    };
    // A whole hour of the desktop's clock, as it shows it at that instant:
    // across a change of summer time an hour is shown twice, or skipped.
    struct Hour {
        double jd;
        int hour;  // 0 to 23
    };
    // A target's altitude over the night, in kNightTargetColours' order.
    struct Target {
        std::string name;
        std::vector<Sample> samples;
    };
    double from = 0, to = 0;  // the span shown
    std::vector<Hour> hours;
    std::vector<Sample> sun, moon;
    std::vector<Target> targets;
    double minimumDeg = 30;
    // The moment it is, when it falls in the night shown.
    std::optional<double> now;
    bool empty() const { return sun.empty(); }
};

// The whole hours of the clock from `from` to `to` (UTC Julian dates), each
// in the offset from UTC (minutes) of its own instant: the clock's quarter
// hours are looked at, so that offsets of half and three quarters of an hour
// fall on their hours too.
std::vector<NightChart::Hour> clockHours(double from, double to, const std::function<int(double jdUtc)>& offsetMinutes);

}  // namespace quarvel::ui::drawings
