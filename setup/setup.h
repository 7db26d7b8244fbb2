// SPDX-License-Identifier: GPL-3.0-or-later
// A setup (a telescope with its focal factor and filter, and a sensor) and
// everything the pages show about it, computed in one pure function: the
// pages render its results, and several setups can be compared.
#pragma once

#include <optional>

#include "core/errors.h"
#include "core/optics.h"

namespace quarvel::setup {

struct Setup {
    core::InstrumentSettings instrument;  // diameter, effective focal length, filter, names
    core::SensorSpec sensor;
};

// What the Imagerie page adds: the planetary oversampling, the wanted deep-sky
// sampling's slider position, the object's apparent diameter (computed for
// its date when the object or the date changes), its rotation and the blur
// tolerated.
struct Options {
    double overSampling = 2;
    int wantedSamplingPosition = 15;
    double apparentDiameterArcsec = 0;
    double ringsOverGlobe = 0;          // 0: no rings
    double rotationPeriodMinutes = 0;   // 0: no exposure limit
    double tolerancePx = 1;
    // The user's sky and camera: the seeing's full width at half maximum in
    // arc-seconds (0: no verdict) and the binning, 1 to 4.
    double seeingFwhmArcsec = 0;
    int binning = 1;
};

// The binned sampling against the seeing: finer than FWHM/3 is oversampled,
// coarser than FWHM/2 undersampled.
enum class SamplingVerdict { Under, Well, Over };

// A result, or the failure met computing it: shown in the pages' order, a
// failure ends the showing there, with its message, as the calculation itself
// would have.
class Value {
public:
    Value() = default;
    explicit Value(double number) : m_number(number) {}
    explicit Value(core::QuarvelError error) : m_error(std::move(error)) {}
    double get() const {
        if (m_error) throw *m_error;
        return m_number;
    }
    bool failed() const { return m_error.has_value(); }

private:
    double m_number = 0;
    std::optional<core::QuarvelError> m_error;
};

struct Results {
    // The instrument: its effective focal length, millimetres; f/D; arc-seconds.
    Value focalMm, focalRatio, resolvingArcsec, separatingArcsec;
    // The sensor, millimetres; its sampling, arc-seconds per pixel; its field, arc-minutes.
    Value sensorWidthMm, sensorHeightMm, sensorDiagonalMm;
    Value samplingArcsec, fieldHorizontalArcmin, fieldVerticalArcmin;
    // Planetary advice: the optimal f/D and what multiplies the current one.
    Value optimalFocalRatio, focalMultiplier;
    // Deep-sky advice: the finest useful sampling and its focal length, the
    // wanted sampling, its focal length and its ratio to the current one.
    Value finestSamplingArcsec, focalForFinestMm, wantedSamplingArcsec, focalForWantedMm, focalCoefficient;
    // The object: its rings, its size on the sensor in pixels, and the
    // longest exposure in seconds (none when the tolerance exceeds the size).
    Value ringsArcsec, onSensorPx;
    std::optional<Value> exposureLimitS;
    // The sampling with the binning, arc-seconds per binned pixel, and what
    // it is for the seeing; no verdict without a seeing.
    Value binnedSamplingArcsec;
    std::optional<SamplingVerdict> verdict;
};

Results compute(const Setup& setup, const Options& options);

// An object of that apparent diameter on the sensor of those results, in pixels.
Value sizeOnSensorPx(const Results& results, double apparentDiameterArcsec);

// The verdict of a sampling for a seeing, both in arc-seconds.
SamplingVerdict verdictFor(double samplingArcsec, double seeingFwhmArcsec);

}  // namespace quarvel::setup
