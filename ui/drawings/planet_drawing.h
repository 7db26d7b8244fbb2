// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "core/optics.h"
#include "ephem/ephemeris.h"
#include "ui/drawings/geometry.h"

namespace quarvel::ui::drawings {

struct PlanetInputs {
    core::SensorValues sensor;
    double sampling = 0;          // arc-seconds per pixel
    double diameterArcsec = 0;    // the object's apparent diameter
    std::optional<ephem::Body> body;  // none: a diameter typed by hand, drawn as a disc
    int year = 2000;              // of the ephemeris date, for Saturn's rings
    int month = 1;
};

// The object drawn to scale on the sensor: a box 360 pixels wide with the
// sensor's proportions, the object in its centre.
struct PlanetDrawing {
    int width = 360;
    int height = 240;
    std::vector<Ellipse> shapes;  // painted in order over the teal background
    int nameTop = 0;              // label tops, relative to the box's top
    int sensorTop = 0;
    int telescopeTop = 0;
};

// |(year + month / 12 - 2009.75) / 29|: where Saturn's rings stand in their
// 29-year cycle, not reduced to one period.
double ringPhase(int year, int month);
// The rings' half-height for their half-width R and phase t.
int ringHalfHeight(int halfWidth, double phase);

// Fails with the floating-point messages when a sensor size or the sampling is
// zero, and with the range-check error for a size beyond 32 bits.
PlanetDrawing drawPlanet(const PlanetInputs& in);

// One row of an ellipse's pixels: those from `left` to `right` (excluded)
// belong to it; those from `innerLeft` to `innerRight` (excluded) are its
// inside, the others its one-pixel outline.
struct PixelRow {
    int y;
    int left;
    int right;
    int innerLeft;
    int innerRight;
};
// The pixels of the ellipse inscribed in a box: each pixel the ellipse
// covers a part of, so that they reach the box's sides and no further, from
// (left, top) to (right - 1, bottom - 1), whatever the pen a painter would
// use. Only the rows from 0 to `height` (excluded) are given.
std::vector<PixelRow> ellipsePixels(const Box& box, int height);

// Regions of interest of the MT9M001: the pixel counts each item sets.
struct Region {
    const char* name;
    const char* caption;
    int pixelsX;
    int pixelsY;
};
inline constexpr Region kRegions[] = {
    {"pumFullframe", "Full frame", 1280, 1024}, {"pum1024x768", "1024 x 768", 1024, 768},
    {"pum800x600", "800 x 600", 800, 600},      {"pum640x480", "640 x 480", 640, 480},
    {"pum400x400", "400 x 400", 400, 400},      {"pum320x240", "320 x 240", 320, 240},
};

}  // namespace quarvel::ui::drawings
