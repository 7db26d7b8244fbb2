// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/optics.h"

#include "core/checked.h"
#include "core/constants.h"

namespace quarvel::core {

// Every formula is evaluated left to right as the user's manuals write it, so
// that the last decimal shown matches them.

double focalRatio(double focalMm, double diameterMm) { return divide(focalMm, diameterMm); }

double resolvingPower(int filterIndex, double diameterMm) {
    checkRange(filterIndex, 0, static_cast<long long>(kFilters.size()) - 1);
    return divide(kResolvingConstant * kFilters[static_cast<std::size_t>(filterIndex)].wavelengthUm, diameterMm);
}

double separatingPower(double diameterMm) { return divide(kSeparatingConstant, diameterMm); }

double sensorWidthMm(const SensorValues& sensor) { return sensor.pixelsX * sensor.pixelWidthUm / kUmPerMm; }

double sensorHeightMm(const SensorValues& sensor) { return sensor.pixelsY * sensor.pixelHeightUm / kUmPerMm; }

double sensorDiagonalMm(const SensorValues& sensor) {
    const double width = sensorWidthMm(sensor);
    const double height = sensorHeightMm(sensor);
    return squareRoot(width * width + height * height);
}

double sampling(double pixelWidthUm, double focalMm) {
    return divide(kArcsecPerUmPerMm * pixelWidthUm, focalMm);
}

double horizontalFieldArcmin(const SensorValues& sensor, double focalMm) {
    return divide(sensor.pixelsX * kArcminPerUmPerMm * sensor.pixelWidthUm, focalMm);
}

double verticalFieldArcmin(const SensorValues& sensor, double focalMm) {
    return divide(sensor.pixelsY * kArcminPerUmPerMm * sensor.pixelHeightUm, focalMm);
}

}  // namespace quarvel::core
