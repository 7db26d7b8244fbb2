// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/optics.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/number_format.h"
#include "core/tests/message_of.h"

using namespace quarvel::core;

namespace {

SensorValues sensor(std::int32_t x, std::int32_t y, double w, double h) { return {x, y, w, h}; }

struct DisplayCase {
    const char* name;
    std::string shown;
    const char* expected;
};

// The default configuration: 212 mm at 2628 mm, no filter, 768 x 512 pixels of 9 um.
TEST(Optics, DefaultConfigurationShowsTheKnownResults) {
    const auto s = sensor(768, 512, 9, 9);
    const DisplayCase cases[] = {
        {"focal ratio", display(focalRatio(2628, 212), 2), "12.40"},
        {"resolving power", display(resolvingPower(0, 212), 2), "0.83"},
        {"separating power", display(separatingPower(212), 2), "0.57"},
        {"width", display(sensorWidthMm(s), 2), "6.91"},
        {"height", display(sensorHeightMm(s), 2), "4.61"},
        {"diagonal", display(sensorDiagonalMm(s), 2), "8.31"},
        {"sampling", display(sampling(s.pixelWidthUm, 2628), 2), "0.71"},
        {"horizontal field", display(horizontalFieldArcmin(s, 2628), 2), "9.04"},
        {"vertical field", display(verticalFieldArcmin(s, 2628), 2), "6.03"},
        {"UV resolving power", display(resolvingPower(1, 212), 2), "0.42"},
        {"red equals no filter", display(resolvingPower(7, 212), 2), "0.83"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.shown, c.expected) << c.name;
}

TEST(Optics, SamplingUsesPixelWidthOnlyForNonSquarePixels) {
    const auto s = sensor(752, 582, 8.6, 8.3);
    EXPECT_DOUBLE_EQ(sampling(s.pixelWidthUm, 1000), 206.265 * 8.6 / 1000);
    EXPECT_DOUBLE_EQ(sensorHeightMm(s), 582 * 8.3 / 1000);
    EXPECT_DOUBLE_EQ(verticalFieldArcmin(s, 1000), 582 * 3.438 * 8.3 / 1000);
    EXPECT_DOUBLE_EQ(horizontalFieldArcmin(s, 1000), 752 * 3.438 * 8.6 / 1000);
}

TEST(Optics, DiagonalComesFromUnroundedSides) {
    const auto s = sensor(2048, 2048, 24, 24);
    EXPECT_DOUBLE_EQ(sensorWidthMm(s), 49.152);
    EXPECT_EQ(display(sensorDiagonalMm(s), 2), "69.51");
}

TEST(Optics, ZeroDiameterAndFocalFailWithTheirMessages) {
    const auto& message = quarvel::core::testing::messageOf;
    EXPECT_EQ(message([] { focalRatio(1000, 0); }), "Division par zéro en virgule flottante");
    EXPECT_EQ(message([] { focalRatio(0, 0); }), "Opération en virgule flottante incorrecte");
    EXPECT_EQ(message([] { resolvingPower(0, 0); }), "Division par zéro en virgule flottante");
    EXPECT_EQ(message([] { separatingPower(0); }), "Division par zéro en virgule flottante");
    EXPECT_EQ(message([] { sampling(9, 0); }), "Division par zéro en virgule flottante");
    EXPECT_EQ(message([] { sampling(0, 0); }), "Opération en virgule flottante incorrecte");
    EXPECT_EQ(message([] { resolvingPower(12, 212); }), "Erreur de vérification d'étendue");
    EXPECT_EQ(message([] { resolvingPower(-1, 212); }), "Erreur de vérification d'étendue");
}

TEST(Optics, FilterTableMatchesItsCaptions) {
    EXPECT_EQ(kFilters[0].caption, "(Aucun)");
    EXPECT_EQ(kFilters[11].caption, "IR 1000 (1000 nm)");
    EXPECT_DOUBLE_EQ(kFilters[1].wavelengthUm, 0.35);
}

}  // namespace
