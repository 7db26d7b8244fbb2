// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawings/sensor_drawing.h"

#include <array>

#include "core/number_format.h"

namespace quarvel::ui::drawings {

namespace {

// The sensors named as larger than the frame, which is then drawn over them.
constexpr std::array<std::string_view, 4> kLargeSensors{"KAF4301", "KAF4320", "KAF9000", "KAF16803"};

// The sensor's centre: one pixel left of and two below the frame's (265, 248).
constexpr int kCentreX = 264;
constexpr int kCentreY = 250;

}  // namespace

SensorComparison drawSensorComparison(const core::SensorValues& sensor, std::string_view entryText) {
    SensorComparison drawing;
    drawing.frameOverSensor = false;
    for (std::string_view large : kLargeSensors) drawing.frameOverSensor = drawing.frameOverSensor || large == entryText;
    // Tenths of a millimetre, as screen pixels.
    const int w = core::roundHalfEven(sensor.pixelsX * sensor.pixelWidth / 100);
    const int h = core::roundHalfEven(sensor.pixelsY * sensor.pixelHeight / 100);
    drawing.sensor = Box{kCentreX - half(w), kCentreY - half(h), kCentreX - half(w) + w, kCentreY - half(h) + h};
    drawing.sizeText = core::shortest(w / 10.0) + " x " + core::shortest(h / 10.0) + " mm";
    return drawing;
}

}  // namespace quarvel::ui::drawings
