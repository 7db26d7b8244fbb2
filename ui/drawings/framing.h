// SPDX-License-Identifier: GPL-3.0-or-later
// An object framed by the sensor: its picture or outline at true scale, and
// the frame or mosaic panels turned on it, in a canvas's pixels, north up and
// east left. The view only paints what this gives it.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogues/object_framing.h"
#include "ui/drawings/bitmap.h"

namespace quarvel::ui::drawings {

struct Point {
    double x = 0;
    double y = 0;
};
using Quad = std::array<Point, 4>;  // corners in order around

// A picture of the object, north up, at a known scale.
struct ObjectPicture {
    std::string path;  // a JPEG
    int widthPx = 0;
    int heightPx = 0;
    double arcminPerPx = 0;
    // Its pixels, once read and decoded; a picture never read has none.
    std::shared_ptr<const Bitmap> pixels;
};

struct FramingScene {
    int width = 0;  // the canvas
    int height = 0;
    double pxPerArcmin = 0;
    // The picture's place on the canvas, scaled; none without a picture.
    std::optional<ObjectPicture> picture;
    double pictureLeft = 0, pictureTop = 0, pictureWidth = 0, pictureHeight = 0;
    // The object's outline: its centre, half axes in canvas pixels (minor
    // across, major along) and its position angle, counter-clockwise from up;
    // a circle of its major axis when its angle is unknown.
    bool outline = false;
    Point centre;
    double halfMinorPx = 0, halfMajorPx = 0, positionAngleDeg = 0;
    // The object's own contours, for a large nebula without a picture,
    // drawn instead of the ellipse: closed polylines in canvas pixels.
    std::vector<std::vector<Point>> contours;
    // Each panel of the mosaic, one for a single frame, then the mosaic's outline.
    std::vector<Quad> panels;
    Quad mosaic{};
    // The frames of the setups compared with this one, centred and turned
    // alike, in the compared colours' order.
    std::vector<Quad> compared;
};

// The scene in a canvas of that size: the scale is the largest at which the
// object (with a margin), the whole mosaic and the compared frames, turned by
// the rotation, fit in the canvas, so that a field larger than the picture
// zooms out.
// `contours`: the object's outline on the sky, when it has one.
FramingScene framingScene(const catalogues::DeepSkyObject& object, const catalogues::Framing& framing,
                          const std::optional<ObjectPicture>& picture, int width, int height,
                          const std::vector<catalogues::SkyExtent>& compared = {},
                          const std::vector<std::vector<catalogues::SkyPoint>>* contours = nullptr);

}  // namespace quarvel::ui::drawings
