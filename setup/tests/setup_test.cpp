// SPDX-License-Identifier: GPL-3.0-or-later
// The worked examples of the instrument, planetary and deep-sky calculations,
// as the pages show them.
#include "setup/setup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/number_format.h"
#include "core/tests/message_of.h"
#include "ephem/ephemeris.h"

using namespace quarvel;
using quarvel::core::testing::messageOf;

namespace {

setup::Setup setupOf(double diameter, double focal, core::SensorValues sensor, int filter = 0) {
    setup::Setup s;
    s.instrument.diameterMm = diameter;
    s.instrument.focalMm = focal;
    s.instrument.filterIndex = filter;
    static_cast<core::SensorValues&>(s.sensor) = sensor;
    return s;
}

std::string shown(const setup::Value& value, int decimals) { return core::display(value.get(), decimals); }

constexpr core::SensorValues kKaf0400{768, 512, 9, 9};

TEST(Compute, TheInstrumentAndSensorResults) {
    struct Case {
        const char* name;
        setup::Setup setup;
        std::vector<std::string> expected;  // f/D, resolving, separating, size, diagonal, sampling, field
    };
    const Case cases[] = {
        {"default configuration", setupOf(212, 2628, kKaf0400),
         {"12.40", "0.83", "0.57", "6.91", "4.61", "8.31", "0.71", "9.04", "6.03"}},
        {"UV filter", setupOf(212, 2628, kKaf0400, 1),
         {"12.40", "0.42", "0.57", "6.91", "4.61", "8.31", "0.71", "9.04", "6.03"}},
        {"non-square pixels: the sampling takes the width", setupOf(212, 2628, {752, 582, 8.6, 8.3}),
         {"12.40", "0.83", "0.57", "6.47", "4.83", "8.07", "0.67", "8.46", "6.32"}},
    };
    for (const auto& c : cases) {
        const auto r = setup::compute(c.setup, {});
        const std::vector<std::string> got{
            shown(r.focalRatio, 2),        shown(r.resolvingArcsec, 2),  shown(r.separatingArcsec, 2),
            shown(r.sensorWidthMm, 2),     shown(r.sensorHeightMm, 2),   shown(r.sensorDiagonalMm, 2),
            shown(r.samplingArcsec, 2),    shown(r.fieldHorizontalArcmin, 2), shown(r.fieldVerticalArcmin, 2)};
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

// A failure is kept with the value it stops: a focal length of 0.0 gives the
// instrument values and the sensor size, then the division error.
TEST(Compute, AFailureStaysWithItsValue) {
    const auto r = setup::compute(setupOf(212, 0, kKaf0400), {});
    EXPECT_EQ(messageOf([&] { r.focalRatio.get(); }), "(no error)");
    EXPECT_EQ(shown(r.sensorWidthMm, 2), "6.91");
    EXPECT_EQ(messageOf([&] { r.samplingArcsec.get(); }), "Division par zéro en virgule flottante");
    EXPECT_EQ(messageOf([&] { r.onSensorPx.get(); }), "Division par zéro en virgule flottante");
    const auto filter = setup::compute(setupOf(212, 2628, kKaf0400, 12), {});
    EXPECT_EQ(messageOf([&] { filter.resolvingArcsec.get(); }), "Erreur de vérification d'étendue");
}

TEST(Compute, PlanetaryExposureLimits) {
    struct Case {
        const char* name;
        ephem::Body body;
        double onSensorPx;
        double tolerancePx;
        const char* seconds;  // fixed(5, 0); "" when the tolerance exceeds the size
    };
    const Case cases[] = {
        {"Jupiter of 45\" at 0.15\"/px", ephem::Body::Jupiter, 300, 1, "36"},
        {"Saturn of 100 px", ephem::Body::Saturn, 100, 2, "231"},
        {"Mars of 50 px", ephem::Body::Mars, 50, 1, "539"},
        {"Mars at a tolerance of its size", ephem::Body::Mars, 50, 50, "42313"},
        {"a tolerance over the size", ephem::Body::Mars, 50, 50.5, ""},
    };
    for (const auto& c : cases) {
        // 2 um pixels at 206.265 mm sample 2"/px: the diameter is twice the pixels wanted.
        setup::Options options;
        options.apparentDiameterArcsec = 2 * c.onSensorPx;
        options.rotationPeriodMinutes = ephem::factsOf(c.body).rotationPeriodMinutes;
        options.tolerancePx = c.tolerancePx;
        const auto r = setup::compute(setupOf(200, 206.265, {100, 100, 2, 2}), options);
        EXPECT_EQ(core::fixed(r.onSensorPx.get(), 5, 1), core::fixed(c.onSensorPx, 5, 1)) << c.name;
        EXPECT_EQ(r.exposureLimitS ? core::fixed(r.exposureLimitS->get(), 5, 0) : "", c.seconds) << c.name;
    }
}

TEST(Compute, PlanetaryAndDeepSkyAdvice) {
    setup::Options options;
    const auto planetary = setup::compute(setupOf(100, 1000, {100, 100, 7.4, 7.4}), options);
    EXPECT_EQ(core::fixed(planetary.optimalFocalRatio.get(), 10, 2), "25.46");
    EXPECT_EQ(core::fixed(planetary.focalMultiplier.get(), 10, 1), "2.5");
    struct Slider {
        int position;
        const char* focal;
        const char* coefficient;
    };
    for (const auto& s : {Slider{15, "557", "0.6"}, Slider{0, "2228", "2.2"}, Slider{25, "371", "0.4"}}) {
        options.wantedSamplingPosition = s.position;
        const auto r = setup::compute(setupOf(200, 1000, {100, 100, 5.4, 5.4}), options);
        EXPECT_EQ(core::fixed(r.samplingArcsec.get(), 10, 2), "1.11");
        EXPECT_EQ(core::fixed(r.finestSamplingArcsec.get(), 10, 2), "0.30");
        EXPECT_EQ(core::fixed(r.focalForFinestMm.get(), 10, 0), "3713");
        EXPECT_EQ(core::fixed(r.focalForWantedMm.get(), 10, 0), s.focal) << s.position;
        EXPECT_EQ(core::fixed(r.focalCoefficient.get(), 10, 1), s.coefficient) << s.position;
    }
}

// 5.4 um at 1000 mm samples 1.11" a pixel: the verdict moves with the seeing
// and the binning, the bounds FWHM/3 and FWHM/2 themselves well sampled.
TEST(Compute, SamplingVerdictForTheSky) {
    using setup::SamplingVerdict;
    struct Sky {
        double fwhm;
        int binning;
        const char* binned;
        std::optional<SamplingVerdict> verdict;
    };
    for (const auto& s : {Sky{2.5, 1, "1.11", SamplingVerdict::Well}, Sky{1.5, 2, "2.23", SamplingVerdict::Under},
                          Sky{4.0, 1, "1.11", SamplingVerdict::Over}, Sky{6.0, 4, "4.46", SamplingVerdict::Under},
                          Sky{0, 1, "1.11", std::nullopt}}) {
        setup::Options options;
        options.seeingFwhmArcsec = s.fwhm;
        options.binning = s.binning;
        const auto r = setup::compute(setupOf(200, 1000, {100, 100, 5.4, 5.4}), options);
        EXPECT_EQ(core::fixed(r.binnedSamplingArcsec.get(), 10, 2), s.binned) << s.fwhm;
        EXPECT_EQ(r.verdict, s.verdict) << s.fwhm << " " << s.binning;
    }
    EXPECT_EQ(setup::verdictFor(1.0, 3.0), SamplingVerdict::Well);
    EXPECT_EQ(setup::verdictFor(1.5, 3.0), SamplingVerdict::Well);
    EXPECT_FALSE(setup::compute(setupOf(200, 0, {100, 100, 5.4, 5.4}), {2.0, 15, 0, 0, 0, 1, 2.5, 1}).verdict);
}

}  // namespace
