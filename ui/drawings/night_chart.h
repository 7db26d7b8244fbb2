// SPDX-License-Identifier: GPL-3.0-or-later
// The night's altitude chart, as its view paints it: the sky's darkness
// across the span, the target's and the Moon's altitude, the lowest altitude
// worth shooting at, the hours.
#pragma once

#include <functional>
#include <vector>

namespace quarvel::ui::drawings {

// How dark the sky is with the Sun at that altitude: 0 by day, 1 to 3 in
// the civil, nautical and astronomical twilight, 4 in the night.
constexpr int skyDarkness(double sunAltitudeDeg) {
    return sunAltitudeDeg > -50.0 / 60 ? 0 : sunAltitudeDeg > -6 ? 1 : sunAltitudeDeg > -12 ? 2
                                                                   : sunAltitudeDeg > -18  ? 3
                                                                                           : 4;
}

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
    double from = 0, to = 0;  // the span shown
    std::vector<Hour> hours;
    std::vector<Sample> sun, target, moon;
    double minimumDeg = 30;
    bool empty() const { return target.empty(); }
};

// The whole hours of the clock from `from` to `to` (UTC Julian dates), each
// in the offset from UTC (minutes) of its own instant: the clock's quarter
// hours are looked at, so that offsets of half and three quarters of an hour
// fall on their hours too.
std::vector<NightChart::Hour> clockHours(double from, double to, const std::function<int(double jdUtc)>& offsetMinutes);

}  // namespace quarvel::ui::drawings
