// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/number_format.h"

using namespace quarvel::core;

namespace {

TEST(PlanetaryImaging, OptimalRatioAndMultiplier) {
    EXPECT_EQ(fixed(optimalFocalRatio(7.4, 2), 10, 2), "25.46");
    EXPECT_EQ(fixed(focalMultiplier(7.4, 2, 2000, 200), 10, 1), "2.5");
    EXPECT_THROW(focalMultiplier(7.4, 2, 2000, 0), QuarvelError);
}

struct ExposureCase {
    const char* name;
    double tolerance, diameter, period;
    const char* shown;  // "" when there is no limit
};

TEST(PlanetaryImaging, ExposureLimits) {
    const ExposureCase cases[] = {
        {"Jupiter 300 px", 1, 300, 590, "36"},
        {"Saturn 100 px, tolerance 2", 2, 100, 632, "231"},
        {"Mars 50 px", 1, 50, 1477, "539"},
        {"tolerance equal to the diameter", 50, 50, 1477, "42313"},
        {"tolerance one hundredth larger", 50.5, 50, 1477, ""},
    };
    for (const auto& c : cases) {
        const auto limit = exposureLimitSeconds(c.tolerance, c.diameter, c.period);
        EXPECT_EQ(limit ? fixed(*limit, 5, 0) : "", c.shown) << c.name;
    }
    EXPECT_NEAR(*exposureLimitSeconds(1, 300, 590), 35.87, 0.005);
    EXPECT_NEAR(*exposureLimitSeconds(1, 1, 1477), 42312.9, 0.05);
    EXPECT_THROW(exposureLimitSeconds(1, 0, 590), QuarvelError);
}

struct DeepSkyCase {
    int slider;
    const char* focal;
    const char* coefficient;
};

// D = 200 mm, F = 1000 mm, 5.4 um pixels.
TEST(DeepSky, WorkedExample) {
    EXPECT_EQ(fixed(finestSampling(200), 10, 2), "0.30");
    EXPECT_EQ(fixed(focalForFinestSampling(5.4, 200), 10, 0), "3713");
    const DeepSkyCase cases[] = {{15, "557", "0.6"}, {0, "2228", "2.2"}, {25, "371", "0.4"}};
    for (const auto& c : cases) {
        const double s = wantedSampling(c.slider);
        EXPECT_EQ(fixed(focalForSampling(5.4, s), 10, 0), c.focal) << c.slider;
        EXPECT_EQ(fixed(focalCoefficient(5.4, s, 1000), 10, 1), c.coefficient) << c.slider;
    }
    EXPECT_DOUBLE_EQ(wantedSampling(15), 2.0);
    EXPECT_THROW(finestSampling(0), QuarvelError);
}

}  // namespace
