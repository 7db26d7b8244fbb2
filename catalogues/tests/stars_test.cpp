// SPDX-License-Identifier: GPL-3.0-or-later
// The chart's stars: the shipped file holds XHIP's rows as its source gives
// them, a search by place finds every star a full scan finds, and a file
// that is not a whole star file gives no stars.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "catalogues/stars.h"

namespace quarvel::catalogues {
namespace {

std::string shippedBytes() {
    std::ifstream in(QUARVEL_SOURCE_DIR "/data/stars/stars.bin", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const StarCatalogue& shipped() {
    static const StarCatalogue catalogue = *StarCatalogue::read(shippedBytes());
    return catalogue;
}

std::optional<Star> byHip(std::uint32_t hip) {
    for (std::size_t i = 0; i < shipped().size(); ++i) {
        if (shipped().star(i).hip == hip) return shipped().star(i);
    }
    return std::nullopt;
}

// The rows and the stars checked by the source's README (../shared/data/stars/README.md).
TEST(Stars, TheShippedFileHoldsXhipAsItsSourceGivesIt) {
    ASSERT_EQ(shipped().size(), 118'216u);
    EXPECT_DOUBLE_EQ(shipped().faintest(), 13.78);
    const struct {
        std::uint32_t hip;
        double ra, dec, vmag;
    } known[] = {{1, 0.0009, 1.0890, 9.10}, {91262, 279.2347, 38.7837, 0.03}, {87937, 269.4521, 4.6934, 9.54}};
    for (const auto& k : known) {
        const auto star = byHip(k.hip);
        ASSERT_TRUE(star) << k.hip;
        EXPECT_NEAR(star->raDeg, k.ra, 1e-9) << k.hip;
        EXPECT_NEAR(star->decDeg, k.dec, 1e-9) << k.hip;
        EXPECT_NEAR(star->vmag, k.vmag, 1e-9) << k.hip;
    }
}

TEST(Stars, ASearchByPlaceFindsWhatAFullScanFinds) {
    const struct {
        sky::Equatorial centre;
        double radius, faintest;
    } cases[] = {
        {{56.75, 24.12}, 2.5, 99},    // the Pleiades, every star
        {{305, 40}, 30, 6.5},          // Cygnus, wide
        {{359.5, -10}, 3, 99},         // across 0h
        {{37.95, 89.26}, 4, 99},       // about the pole
        {{120, -88}, 5, 8},            // the south pole's cap
    };
    for (const auto& c : cases) {
        std::size_t found = 0, scanned = 0;
        shipped().forEachNear(c.centre, c.radius, c.faintest, [&](const Star& star) {
            found += sky::separationDeg(c.centre, {star.raDeg, star.decDeg}) <= c.radius;
        });
        for (std::size_t i = 0; i < shipped().size(); ++i) {
            const Star star = shipped().star(i);
            scanned += star.vmag <= c.faintest && sky::separationDeg(c.centre, {star.raDeg, star.decDeg}) <= c.radius;
        }
        EXPECT_EQ(found, scanned) << c.centre.raDeg << " " << c.centre.decDeg;
        EXPECT_GT(found, 0u);
    }
    // A quadrilateral of 1 x 1 degree about the Pleiades, as a full scan counts it.
    const std::array<sky::Equatorial, 4> corners{{{56.2, 23.6}, {57.3, 23.6}, {57.3, 24.6}, {56.2, 24.6}}};
    std::size_t inside = 0;
    for (std::size_t i = 0; i < shipped().size(); ++i) {
        const Star s = shipped().star(i);
        inside += s.decDeg > 23.6 + 1e-3 && s.decDeg < 24.6 - 1e-3 && s.raDeg > 56.2 && s.raDeg < 57.3;
    }
    EXPECT_NEAR(static_cast<double>(shipped().countInside(corners)), static_cast<double>(inside), 2);
}

TEST(Stars, AFileThatIsNotAWholeStarFileGivesNoStars) {
    const std::string bytes = shippedBytes();
    std::string outOfRange = bytes;
    outOfRange[bytes.size() - 9] = '\x7f';  // a declination past the pole
    for (const std::string& hostile : {std::string(), std::string("QVSTARS1"), bytes.substr(0, bytes.size() - 7),
                                       bytes.substr(0, 2000), std::string(bytes.size(), 'x'), outOfRange}) {
        EXPECT_FALSE(StarCatalogue::read(hostile)) << hostile.size();
    }
}

}  // namespace
}  // namespace quarvel::catalogues
