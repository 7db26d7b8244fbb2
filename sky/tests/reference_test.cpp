// SPDX-License-Identifier: GPL-3.0-or-later
// The projection and the mosaics against wcslib's own numbers
// (tools/sky_reference.c), within half an arc-second.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sky/mosaic.h"
#include "sky/projection.h"

namespace quarvel::sky {
namespace {

constexpr double kArcsec = 1.0 / 3600;
constexpr double kTolerance = 0.5 * kArcsec;

std::vector<std::vector<double>> rows(const char* name) {
    std::ifstream in(std::string(QUARVEL_SKY_REFERENCE) + "/" + name);
    std::vector<std::vector<double>> out;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<double> row;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) row.push_back(std::stod(field));
        out.push_back(row);
    }
    return out;
}

double angleDifference(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

TEST(Projection, MatchesWcslibBothWays) {
    const auto reference = rows("projection_reference.csv");
    ASSERT_GE(reference.size(), 1000u);
    double worst = 0;
    for (const auto& r : reference) {
        const Equatorial centre{r[0], r[1]}, position{r[2], r[3]};
        const auto point = project(centre, position);
        ASSERT_TRUE(point);
        worst = std::max({worst, std::abs(point->x - r[4]), std::abs(point->y - r[5])});
        EXPECT_NEAR(point->x, r[4], kTolerance) << r[0] << " " << r[1] << " " << r[2] << " " << r[3];
        EXPECT_NEAR(point->y, r[5], kTolerance);
        EXPECT_LT(separationDeg(deproject(centre, {r[4], r[5]}), position), kTolerance);
    }
    std::cout << "largest projection error: " << worst / kArcsec << "\"\n";
}

TEST(Projection, TheFarSideIsNotOnThePlane) {
    EXPECT_FALSE(project({0, 0}, {90, 0}));
    EXPECT_FALSE(project({10, 89}, {190, -89}));
    EXPECT_TRUE(project({10, 89.999}, {190, 89.5}));
}

TEST(Mosaic, PanelsMatchWcslibAtEveryDeclination) {
    const auto reference = rows("panels_reference.csv");
    ASSERT_EQ(reference.size(), 2700u);
    double worst = 0, worstAngle = 0;
    for (std::size_t i = 0; i < reference.size();) {
        const auto& r = reference[i];
        MosaicPlan plan{{r[0], r[1]}, r[2], r[3], r[4], static_cast<int>(r[6]), static_cast<int>(r[7]), r[5]};
        const auto panels = mosaicPanels(plan);
        ASSERT_EQ(panels.size(), static_cast<std::size_t>(plan.panelsX * plan.panelsY));
        for (const Panel& panel : panels) {
            const auto& expected = reference[i++];
            ASSERT_EQ(panel.number, static_cast<int>(expected[8]));
            const double off = separationDeg(panel.centre, {expected[9], expected[10]});
            worst = std::max(worst, off);
            worstAngle = std::max(worstAngle, angleDifference(panel.rotationDeg, expected[11]));
            EXPECT_LT(off, kTolerance) << plan.centre.decDeg << " " << plan.panelsX << "x" << plan.panelsY;
            EXPECT_LT(angleDifference(panel.rotationDeg, expected[11]), 0.001) << plan.centre.decDeg;
        }
    }
    std::cout << "largest panel error: " << worst / kArcsec << "\", rotation " << worstAngle << "°\n";
}

}  // namespace
}  // namespace quarvel::sky
