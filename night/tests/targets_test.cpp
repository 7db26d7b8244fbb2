// SPDX-License-Identifier: GPL-3.0-or-later
// A night's hours for many targets from their hour angles: as the night's
// own altitude curves give them within 2 minutes, and as PyEphem does within
// 3 (night/tests/targets_reference.csv, tools/targets_reference.py), with the
// targets always up, never up, and up only by day.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "night/targets.h"

namespace quarvel::night {
namespace {

constexpr double kTwoMinutes = 2.0 / 60, kThreeMinutes = 3.0 / 60;

TEST(ManyTargets, HoursAreThoseOfTheCurvesAndOfPyEphem) {
    std::ifstream in(QUARVEL_TARGETS_REFERENCE);
    std::string line;
    std::getline(in, line);
    int rows = 0;
    double worstCurves = 0, worstReference = 0;
    std::string key;
    std::unique_ptr<ManyTargets> night;
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, ',');) f.push_back(field);
        const Site site{f[0], std::stod(f[1]), std::stod(f[2]), std::stod(f[3])};
        const double noon = siteNoon(site, std::stoi(f[4]), std::stoi(f[5]), std::stoi(f[6]));
        if (key != f[0] + f[4] + f[5] + f[6]) {
            key = f[0] + f[4] + f[5] + f[6];
            night = std::make_unique<ManyTargets>(site, noon, 30);
        }
        const sky::Equatorial place{std::stod(f[8]), std::stod(f[9])};
        const double fast = night->of(place).darkHours;
        const double curves = darkHoursAbove(place, site, noon, 30);
        EXPECT_NEAR(fast, curves, kTwoMinutes) << line;
        EXPECT_NEAR(fast, std::stod(f[10]), kThreeMinutes) << line;
        worstCurves = std::max(worstCurves, std::abs(fast - curves));
        worstReference = std::max(worstReference, std::abs(fast - std::stod(f[10])));
        ++rows;
    }
    EXPECT_EQ(rows, 180);
    std::printf("largest gap: %.2f min to the curves, %.2f min to PyEphem\n", worstCurves * 60, worstReference * 60);
}

TEST(ManyTargets, AlwaysUpNeverUpAndUpOnlyByDay) {
    const Site paris{"Paris", 48.85, 2.35, 60};
    const double noon = siteNoon(paris, 2026, 12, 9);
    const ManyTargets night(paris, noon, 30);
    ASSERT_TRUE(night.dark());
    const double darkHours = (night.dark()->to - night.dark()->from) * 24;
    // Polaris, about the pole: the whole dark.
    EXPECT_NEAR(night.of({37.95, 89.26}).darkHours, darkHours, 1e-9);
    // Below the southern horizon of Paris.
    EXPECT_EQ(night.of({120, -70}).darkHours, 0);
    // Beside the Sun in December (17h, -23°): up by day only.
    const TargetNight bySun = night.of({255, -20});
    EXPECT_EQ(bySun.darkHours, 0);
    EXPECT_LT(bySun.bestAltitudeDeg, 0);
    // The Moon's distance is an angle, and its light a fraction.
    EXPECT_GE(night.of({83.82, -5.39}).moonDistanceDeg, 0);
    EXPECT_LE(night.moonIllumination(), 1);
}

}  // namespace
}  // namespace quarvel::night
