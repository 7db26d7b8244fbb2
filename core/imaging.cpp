// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging.h"

#include "core/checked.h"
#include "core/constants.h"

namespace quarvel::core {

namespace {
// The optimal focal ratio per micrometre of pixel width, for an oversampling of 1.
constexpr double kOptimalRatioPerUm = 1.72;
}  // namespace

double optimalFocalRatio(double pixelWidthUm, double overSampling) {
    return kOptimalRatioPerUm * pixelWidthUm * overSampling;
}

double focalMultiplier(double pixelWidthUm, double overSampling, double focalMm, double diameterMm) {
    return divide(optimalFocalRatio(pixelWidthUm, overSampling), divide(focalMm, diameterMm));
}

std::optional<double> exposureLimitSeconds(double tolerancePx, double diameterPx, double rotationMinutes) {
    const double x = divide(tolerancePx, diameterPx);
    if (x > 1) return std::nullopt;
    return arcsine(x) * (rotationMinutes / kPi) * kRadiansToDegrees;
}

double finestSampling(double diameterMm) { return divide(divide(kSeparatingConstant, diameterMm), 2); }

double focalForFinestSampling(double pixelWidthUm, double diameterMm) {
    return kArcsecPerUmPerMm * pixelWidthUm / kSeparatingConstant * diameterMm * 2;
}

double wantedSampling(int sliderPosition) { return sliderPosition / 10.0 + 0.5; }

double focalForSampling(double pixelWidthUm, double samplingArcsec) {
    return divide(kArcsecPerUmPerMm * pixelWidthUm, samplingArcsec);
}

double focalCoefficient(double pixelWidthUm, double samplingArcsec, double focalMm) {
    return divide(focalForSampling(pixelWidthUm, samplingArcsec), focalMm);
}

}  // namespace quarvel::core
