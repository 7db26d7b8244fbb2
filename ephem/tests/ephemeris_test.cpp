// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/ephemeris.h"

#include <gtest/gtest.h>

#include "core/number_format.h"
#include "ephem/vsop87_terms.h"

using namespace quarvel::ephem;
using quarvel::core::fixed;

namespace {

ApparentDiameter diameterOn(int day, int month, int year, Body object) {
    ApparentDiameter result;
    computeApparentDiameter({static_cast<std::uint16_t>(day), static_cast<std::uint16_t>(month),
                             static_cast<std::uint16_t>(year)},
                            object, result);
    return result;
}

TEST(JulianDay, UsesTheGregorianRuleAndZeroHours) {
    EXPECT_DOUBLE_EQ(julianDay(1, 1, 2000), 2451544.5);
    EXPECT_DOUBLE_EQ(julianDay(4, 10, 1957), 2436115.5);
    EXPECT_DOUBLE_EQ(julianDay(1, 3, 2000) - julianDay(1, 2, 2000), 29);  // 2000 is a leap year
    EXPECT_DOUBLE_EQ(julianDay(1, 3, 1900) - julianDay(1, 2, 1900), 28);  // 1900 is not
    EXPECT_DOUBLE_EQ(julianDay(1, 1, 1600), 2305447.5);
    EXPECT_DOUBLE_EQ(julianDay(31, 12, 2800), 2744103.5);
    EXPECT_NEAR(timeArguments(julianDay(1, 1, 2000)).t, -1.3689254e-5, 1e-12);
}

TEST(Helpers, NormalizeAndFractionalPartTruncateTowardZero) {
    EXPECT_NEAR(normalizeDegrees(370), 10, 1e-12);
    EXPECT_DOUBLE_EQ(normalizeDegrees(0), 0);
    EXPECT_NEAR(normalizeDegrees(-10), 350, 1e-12);
    EXPECT_DOUBLE_EQ(normalizeDegrees(-360), 360);  // (0, 360] for negative input
    EXPECT_NEAR(normalizeDegrees(720.5), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(fractionalPart(2.75), 0.75);
    EXPECT_DOUBLE_EQ(fractionalPart(-2.75), -0.75);
}

struct ShownCase {
    const char* name;
    int day, month, year;
    Body object;
    const char* arcsec;
};

// The diameters shown in arc-seconds, fixed(10, 1), as the almanacs give them.
TEST(ApparentDiameter, ShowsTheKnownValues) {
    const ShownCase cases[] = {
        {"Sun at perihelion 2020", 4, 1, 2020, Body::Sun, "1952.0"},
        {"Sun at aphelion 2019", 5, 7, 2019, Body::Sun, "1887.6"},
        {"Moon 2018", 2, 1, 2018, Body::Moon, "2010.8"},
        {"Mars opposition 2003", 28, 8, 2003, Body::Mars, "25.1"},
        {"Jupiter opposition 2022", 26, 9, 2022, Body::Jupiter, "49.8"},
        {"Saturn 2004", 1, 1, 2004, Body::Saturn, "20.6"},
        {"Sun 2026-12-06", 6, 12, 2026, Body::Sun, "1947.6"},
        {"Moon 2026-12-06", 6, 12, 2026, Body::Moon, "1802.7"},
        {"Mars 2026-12-06", 6, 12, 2026, Body::Mars, "8.3"},
        {"Jupiter 2026-12-06", 6, 12, 2026, Body::Jupiter, "39.7"},
        {"Saturn 2026-12-06", 6, 12, 2026, Body::Saturn, "18.4"},
        {"Pleiades", 6, 12, 2026, Body::Pleiades, "3600.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fixed(diameterOn(c.day, c.month, c.year, c.object).arcsec, 10, 1), c.arcsec) << c.name;
    }
}

TEST(ApparentDiameter, ArcMinutesAndRings) {
    EXPECT_EQ(fixed(diameterOn(2, 1, 2018, Body::Moon).arcmin, 10, 1), "33.5");
    EXPECT_EQ(fixed(diameterOn(1, 1, 2004, Body::Saturn).arcsec * kRingsOverGlobe, 10, 1), "46.4");
    EXPECT_EQ(fixed(diameterOn(6, 12, 2026, Body::Saturn).arcsec * kRingsOverGlobe, 10, 1), "41.7");
    EXPECT_EQ(fixed(diameterOn(6, 12, 2026, Body::Pleiades).arcmin, 10, 1), "60.0");
}

TEST(ApparentDiameter, PlanetsKeepTheArcminutesOfEarlierResults) {
    ApparentDiameter result;
    computeApparentDiameter({6, 12, 2026}, Body::Sun, result);
    const double sunArcmin = result.arcmin;
    computeApparentDiameter({28, 8, 2003}, Body::Mars, result);
    EXPECT_EQ(result.arcmin, sunArcmin);  // not rewritten for a planet
}

struct RangeCase {
    const char* name;
    Body object;
    double low, high;
};

// Over 2000 to 2030, every third day: the extremes stay within the almanac ranges.
TEST(ApparentDiameter, StaysWithinKnownRangesOver2000To2030) {
    const RangeCase cases[] = {
        {"Moon", Body::Moon, 1763, 2011.5},
        {"Mars", Body::Mars, 3.45, 25.15},
        {"Jupiter", Body::Jupiter, 30.45, 49.85},
        {"Saturn", Body::Saturn, 14.95, 20.65},
    };
    for (const auto& c : cases) {
        double low = 1e9, high = 0;
        for (int year = 2000; year <= 2030; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day = 1; day <= 28; day += 3) {
                    const double v = diameterOn(day, month, year, c.object).arcsec;
                    low = std::min(low, v);
                    high = std::max(high, v);
                }
            }
        }
        EXPECT_GE(low, c.low) << c.name;
        EXPECT_LE(high, c.high) << c.name;
        EXPECT_LT(low, c.low + 0.02 * (c.high - c.low)) << c.name << " minimum " << low;
        EXPECT_GT(high, c.high - 0.02 * (c.high - c.low)) << c.name << " maximum " << high;
    }
}

TEST(VsopTables, HoldTheCountsAndTellingRows) {
    const int expected[kBodyCount][kSeriesCount] = {
        {64, 34, 20, 7, 3, 1, 5, 2, 1, 1, 1, 1, 40, 10, 6, 2, 1, 1},
        {69, 46, 33, 12, 8, 2, 16, 9, 7, 4, 3, 1, 45, 27, 11, 6, 4, 1},
        {64, 61, 57, 39, 19, 5, 26, 22, 14, 9, 6, 1, 46, 43, 36, 28, 15, 7},
        {90, 79, 63, 48, 27, 12, 34, 32, 29, 21, 12, 2, 44, 38, 32, 28, 23, 18},
    };
    int total = 0;
    for (int body = 0; body < kBodyCount; ++body) {
        for (int series = 0; series < kSeriesCount; ++series) {
            EXPECT_EQ(kTermCount[body][series], expected[body][series]) << body << ' ' << series;
            total += kTermCount[body][series];
            if (body > 0) {
                EXPECT_EQ(kTermStart[body][series], kTermStart[body - 1][series] + kTermCount[body - 1][series]);
            }
        }
    }
    EXPECT_EQ(total, 1634);

    auto term = [](int body, int series, int index) {
        return kSeriesTerms[static_cast<std::size_t>(series)][kTermStart[body][series] + index];
    };
    constexpr int L0 = 0, L5 = 5, B2 = 8, R0 = 12;
    EXPECT_EQ(term(kEarthSeries, L0, 0).a, 175347040.0f);
    EXPECT_EQ(term(kEarthSeries, L0, 1).a, 3341656.0f);
    EXPECT_EQ(term(kEarthSeries, L0, 1).b, 4.6692567f);
    EXPECT_EQ(term(kEarthSeries, L0, 1).c, 6283.0757f);
    EXPECT_EQ(term(kEarthSeries, R0, 0).a, 100013992.0f);
    EXPECT_EQ(term(kEarthSeries, R0, 1).a, 1670700.0f);
    EXPECT_EQ(term(kEarthSeries, R0, 1).b, 3.0984635f);
    EXPECT_EQ(term(kMarsSeries, L0, 0).a, 620347712.0f);
    EXPECT_EQ(term(kJupiterSeries, L0, 0).a, 59954692.0f);
    EXPECT_EQ(term(kSaturnSeries, L0, 0).a, 87401352.0f);
    EXPECT_EQ(term(kMarsSeries, R0, 0).a, 153033488.0f);
    EXPECT_EQ(term(kJupiterSeries, R0, 0).a, 520887424.0f);
    EXPECT_EQ(term(kSaturnSeries, R0, 0).a, 955758144.0f);
    EXPECT_EQ(term(kEarthSeries, L5, 0).a, 1.0f);
    EXPECT_EQ(term(kEarthSeries, L5, 0).b, 3.14f);
    EXPECT_EQ(term(kMarsSeries, L5, 1).b, 4.04f);
    EXPECT_EQ(term(kMarsSeries, L5, 1).c, 6681.2202f);
    EXPECT_EQ(term(kEarthSeries, B2, 0).a, 0.0f);  // an empty series' placeholder
}

}  // namespace
