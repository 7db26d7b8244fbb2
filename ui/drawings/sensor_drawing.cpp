// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawings/sensor_drawing.h"

#include "core/number_format.h"

namespace quarvel::ui::drawings {

namespace {

// The sensor's centre: one pixel left of and two below the frame's (265, 248).
constexpr int kCentreX = 264;
constexpr int kCentreY = 250;

}  // namespace

SensorComparison drawSensorComparison(const core::SensorValues& sensor, bool largerThanFullFrame) {
    SensorComparison drawing;
    drawing.frameOverSensor = largerThanFullFrame;
    // Tenths of a millimetre, as screen pixels.
    const int w = core::roundHalfEven(sensor.pixelsX * sensor.pixelWidthUm / 100);
    const int h = core::roundHalfEven(sensor.pixelsY * sensor.pixelHeightUm / 100);
    drawing.sensor = Box{kCentreX - half(w), kCentreY - half(h), kCentreX - half(w) + w, kCentreY - half(h) + h};
    drawing.sizeText = core::shortest(w / 10.0) + " x " + core::shortest(h / 10.0) + " mm";
    return drawing;
}

}  // namespace quarvel::ui::drawings
