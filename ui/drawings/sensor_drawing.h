// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/optics.h"
#include "ui/drawings/geometry.h"

namespace quarvel::ui::drawings {

// The sensor against the 24 x 36 mm frame, ten screen pixels per millimetre.
struct SensorComparison {
    Box sensor;              // the teal sensor panel
    std::string sizeText;    // "6.9 x 4.6 mm"
    bool frameOverSensor;    // the captioned frame is laid over a sensor larger than it
};

// The frame's panel: 360 x 240 pixels at (85, 128).
inline constexpr Box kReferenceFrame{85, 128, 445, 368};

// Fails with the range-check error when a size does not fit 32 bits.
SensorComparison drawSensorComparison(const core::SensorValues& sensor, bool largerThanFullFrame);

}  // namespace quarvel::ui::drawings
