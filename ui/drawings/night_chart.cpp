// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawings/night_chart.h"

#include <cmath>

namespace quarvel::ui::drawings {

std::vector<NightChart::Hour> clockHours(double from, double to, const std::function<int(double jdUtc)>& offsetMinutes) {
    std::vector<NightChart::Hour> hours;
    constexpr double kQuarter = 1.0 / 96;
    for (double quarter = std::ceil(from / kQuarter - 1e-9); quarter * kQuarter <= to + 1e-9; quarter += 1) {
        const double jd = quarter * kQuarter;
        // Minutes of the clock since a midnight; Julian days start at noon.
        const long minutes = std::lround((jd + 0.5) * 1440) + offsetMinutes(jd);
        const long ofDay = ((minutes % 1440) + 1440) % 1440;
        if (ofDay % 60 == 0) hours.push_back({jd, static_cast<int>(ofDay / 60)});
    }
    return hours;
}

}  // namespace quarvel::ui::drawings
