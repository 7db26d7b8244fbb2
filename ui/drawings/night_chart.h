// SPDX-License-Identifier: GPL-3.0-or-later
// The night's altitude chart, as its view paints it: the sky's darkness
// across the span, the target's and the Moon's altitude, the lowest altitude
// worth shooting at, the hours.
#pragma once

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
    double from = 0, to = 0;   // the span shown
    int utcOffsetMinutes = 0;  // the desktop's, for the hours written under
    std::vector<Sample> sun, target, moon;
    double minimumDeg = 30;
    bool empty() const { return target.empty(); }
};

}  // namespace quarvel::ui::drawings
