// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/optics.h"
#include "ui/drawings/bitmap.h"
#include "ui/drawings/geometry.h"

namespace quarvel::ui::drawings {

// The photographs, in menu order: 360 pixels across span the field.
struct Photograph {
    const char* item;      // menu item name
    const char* caption;   // menu caption
    const char* label;     // what the page shows above the picture
    const char* file;      // relative to the working directory
    double fieldArcmin;    // across
};
inline constexpr Photograph kPhotographs[] = {
    {"pumM13", "M13 (1°)", "M 13 (1°)", "images/m13_1d_360x240.bmp", 60},
    {"pumM27", "M27 (15')", "M 27 (15')", "images/m27_15m_360x240.bmp", 15},
    {"pumM31", "M31 (5°)", "M 31 (5°)", "images/m31_5d_360x240.bmp", 300},
    {"pumM42", "M42 (2°)", "M 42 (2°)", "images/m42_2d_360x240.bmp", 120},
    {"pumM45", "M45 (2°30')", "M45 (2°30')", "images/m45_2d5_360x240.bmp", 150},
    {"pumN7331", "NGC7331 (30')", "NGC 7331 (30')", "images/ngc7331_30m_360x240.bmp", 30},
};

// The M 31 picture the page starts with, built into the program: 363 x 242
// pixels at the scale of the 300' photograph.
Bitmap startPicture();

// The photograph that spans exactly that field, if any.
const Photograph* photographFor(double fieldArcmin);

// The sensor's field over a photograph: its size in arc-minutes and its frame,
// centred on (180, 120) of the 360 x 240 picture.
struct PhotoFrame {
    double fieldXArcmin;
    double fieldYArcmin;
    Box frame;
};

// Fails with the division message when the focal length is zero.
PhotoFrame photoFrame(const core::SensorValues& sensor, double focalMm, double photoFieldArcmin);

// Draws the frame's one-pixel outline into the picture, clipped to it; a
// broken line starts each side with a stroke, at its corner.
void drawFrame(Bitmap& picture, const Box& frame, Colour colour = kRed, Line line = Line::Solid);

}  // namespace quarvel::ui::drawings
