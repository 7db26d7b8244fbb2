// SPDX-License-Identifier: GPL-3.0-or-later
// The planets against PyEphem's numbers (tools/planet_reference.py): places
// within 90" (ERFA's planetary theory is good to about a minute of arc for
// the outer planets), distances within 0.03 %; and the
// night's hours.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

#include "night/plan.h"
#include "night/tests/csv_rows.h"

namespace quarvel::night {
namespace {

TEST(Planets, MatchPyEphem) {
    double worstPlace = 0, worstDays = 0, worstTilt = 0;
    int places = 0, farthest = 0;
    for (const auto& r : testing::csvRows(QUARVEL_PLANET_REFERENCE)) {
        const auto planet = static_cast<Planet>(std::stoi(r[1]));
        const double jd = std::stod(r[2]);
        if (r[0] == "place") {
            const PlanetPlace found = planetAt(planet, jd);
            const double off = sky::separationDeg(found.position, {std::stod(r[3]), std::stod(r[4])}) * 3600;
            worstPlace = std::max(worstPlace, off);
            EXPECT_LT(off, 90) << r[1] << " " << r[2];
            EXPECT_NEAR(found.distanceAu / std::stod(r[5]), 1, 3e-4) << r[1] << " " << r[2];
            EXPECT_NEAR(found.elongationDeg, std::stod(r[6]), 0.03) << r[1] << " " << r[2];
            if (r.size() > 8 && !r[8].empty()) {
                worstTilt = std::max(worstTilt, std::abs(saturnRingTiltDeg(jd) - std::stod(r[8])));
                EXPECT_NEAR(saturnRingTiltDeg(jd), std::stod(r[8]), 0.05) << r[2];
            }
            ++places;
            continue;
        }
        // Each instant found within a day of the reference's: at its
        // greatest, the angle barely changes from one day to the next.
        const std::string when = r[2].substr(0, 7);
        const int year = 1995 + (jd > 2455000) * 31 + (jd > 2465000) * 23;
        const auto found = farthestFromSun(planet, year);
        const auto nearest = std::min_element(found.begin(), found.end(), [jd](double a, double b) {
            return std::abs(a - jd) < std::abs(b - jd);
        });
        ASSERT_NE(nearest, found.end()) << r[1] << " " << when;
        worstDays = std::max(worstDays, std::abs(*nearest - jd));
        EXPECT_NEAR(*nearest, jd, 1) << r[1] << " " << when;
        ++farthest;
    }
    EXPECT_GE(places, 140);
    std::cout << places << " places within " << worstPlace << "\", " << farthest << " oppositions and elongations within "
              << worstDays * 24 << " h, Saturn's rings' tilt within " << worstTilt << "°\n";
}

TEST(Night, HoursAboveALevelAndTheSunThatDoesNotSet) {
    // Half of a day above 0, a third above 5 for a sine of amplitude 10.
    const double from = 2461000.5;
    const Curve wave = [from](double t) { return 10 * std::cos(2 * std::numbers::pi * (t - from)); };
    EXPECT_NEAR(hoursAbove(wave, from, from + 1, 0), 12, 1.0 / 60);
    EXPECT_NEAR(hoursAbove(wave, from, from + 1, 5), 8, 1.0 / 60);
    EXPECT_EQ(hoursAbove(wave, from, from + 1, 11), 0);

    const Site tromso{"Tromsø", 69.65, 18.96, 10};
    const auto m31 = sky::parseEquatorial("0:42:44.3 +41:16:09");
    const NightTimes june = nightTimes(tromso, siteNoon(tromso, 2030, 6, 21));
    EXPECT_FALSE(june.sunset);
    EXPECT_FALSE(june.astronomicalDusk);
    EXPECT_TRUE(june.sunUp);
    const NightTimes december = nightTimes(tromso, siteNoon(tromso, 2030, 12, 21));
    EXPECT_FALSE(december.sunset);
    EXPECT_FALSE(december.sunUp);
    EXPECT_EQ(darkHoursAbove(*m31, tromso, siteNoon(tromso, 2030, 6, 21), 30), 0);
    // M 31 never sets at Tromsø: in the polar night it stays above 30° for
    // the whole of the astronomical night.
    const auto monthly = monthlyDarkHours(*m31, tromso, 2030, 30);
    EXPECT_EQ(monthly[5], 0);
    EXPECT_GT(monthly[11], 9);
}

}  // namespace
}  // namespace quarvel::night
