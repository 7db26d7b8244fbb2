// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace quarvel::core {

// Planetary imaging. Lengths in millimetres, pixel sizes in micrometres.

// The focal ratio that samples at half the separating power, with the chosen oversampling.
double optimalFocalRatio(double pixelWidthUm, double overSampling);
// What multiplies the current focal ratio to reach the optimal one.
double focalMultiplier(double pixelWidthUm, double overSampling, double focalMm, double diameterMm);

// The longest exposure, in seconds, before a planet turning once in
// `rotationMinutes` smears its image by the tolerance: the arcsine of
// tolerance / diameter in degrees, times the period over pi. Nothing when the
// tolerance is larger than the diameter.
std::optional<double> exposureLimitSeconds(double tolerancePx, double diameterPx, double rotationMinutes);

// Deep-sky sampling, arc-seconds per pixel.

// Half the separating power 120 / D: the finest sampling worth using.
double finestSampling(double diameterMm);
// The focal length that reaches the finest sampling.
double focalForFinestSampling(double pixelWidthUm, double diameterMm);
// The wanted sampling of a slider position 0..25: 0.5 to 3.0 in steps of 0.1.
double wantedSampling(int sliderPosition);
// The focal length that gives a sampling, and its ratio to the current one.
double focalForSampling(double pixelWidthUm, double samplingArcsec);
double focalCoefficient(double pixelWidthUm, double samplingArcsec, double focalMm);

}  // namespace quarvel::core
