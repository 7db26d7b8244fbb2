// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/setup.h"

#include "core/checked.h"
#include "core/imaging.h"

namespace quarvel::setup {

namespace {

template <typename Calculation>
Value valueOf(Calculation calculation) {
    try {
        return Value(calculation());
    } catch (const core::QuarvelError& error) {
        return Value(error);
    }
}

}  // namespace

Results compute(const Setup& setup, const Options& options) {
    const core::InstrumentSettings& in = setup.instrument;
    const core::SensorValues& sensor = setup.sensor;
    const double focal = in.focalMm;
    const double diameter = in.diameterMm;
    const double pixel = sensor.pixelWidthUm;
    Results r;
    r.focalMm = Value(focal);
    r.focalRatio = valueOf([&] { return core::focalRatio(focal, diameter); });
    r.resolvingArcsec = valueOf([&] { return core::resolvingPower(in.filterIndex, diameter); });
    r.separatingArcsec = valueOf([&] { return core::separatingPower(diameter); });
    r.sensorWidthMm = valueOf([&] { return core::sensorWidthMm(sensor); });
    r.sensorHeightMm = valueOf([&] { return core::sensorHeightMm(sensor); });
    r.sensorDiagonalMm = valueOf([&] { return core::sensorDiagonalMm(sensor); });
    r.samplingArcsec = valueOf([&] { return core::sampling(pixel, focal); });
    r.fieldHorizontalArcmin = valueOf([&] { return core::horizontalFieldArcmin(sensor, focal); });
    r.fieldVerticalArcmin = valueOf([&] { return core::verticalFieldArcmin(sensor, focal); });
    r.optimalFocalRatio = valueOf([&] { return core::optimalFocalRatio(pixel, options.overSampling); });
    r.focalMultiplier =
        valueOf([&] { return core::focalMultiplier(pixel, options.overSampling, focal, diameter); });
    r.finestSamplingArcsec = valueOf([&] { return core::finestSampling(diameter); });
    r.focalForFinestMm = valueOf([&] { return core::focalForFinestSampling(pixel, diameter); });
    r.wantedSamplingArcsec = valueOf([&] { return core::wantedSampling(options.wantedSamplingPosition); });
    r.focalForWantedMm = valueOf([&] { return core::focalForSampling(pixel, r.wantedSamplingArcsec.get()); });
    r.focalCoefficient = valueOf([&] { return core::focalCoefficient(pixel, r.wantedSamplingArcsec.get(), focal); });
    r.ringsArcsec = valueOf([&] { return options.apparentDiameterArcsec * options.ringsOverGlobe; });
    r.onSensorPx = sizeOnSensorPx(r, options.apparentDiameterArcsec);
    if (options.rotationPeriodMinutes > 0) {
        try {
            const double onSensor = r.onSensorPx.get();
            if (const auto limit =
                    core::exposureLimitSeconds(options.tolerancePx, onSensor, options.rotationPeriodMinutes)) {
                r.exposureLimitS = Value(*limit);
            }
        } catch (const core::QuarvelError& error) {
            r.exposureLimitS = Value(error);
        }
    }
    r.binnedSamplingArcsec = valueOf([&] { return r.samplingArcsec.get() * options.binning; });
    if (options.seeingFwhmArcsec > 0 && !r.binnedSamplingArcsec.failed()) {
        r.verdict = verdictFor(r.binnedSamplingArcsec.get(), options.seeingFwhmArcsec);
    }
    return r;
}

Value sizeOnSensorPx(const Results& results, double apparentDiameterArcsec) {
    return valueOf([&] { return core::divide(apparentDiameterArcsec, results.samplingArcsec.get()); });
}

SamplingVerdict verdictFor(double samplingArcsec, double seeingFwhmArcsec) {
    if (samplingArcsec < seeingFwhmArcsec / 3) return SamplingVerdict::Over;
    if (samplingArcsec > seeingFwhmArcsec / 2) return SamplingVerdict::Under;
    return SamplingVerdict::Well;
}

}  // namespace quarvel::setup
