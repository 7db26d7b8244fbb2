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
#include "catalogues/stars.h"
#include "core/errors.h"
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

// Another catalogue object in view: its place, its ellipse (or a disc of its
// size, or a small circle when its size is unknown) and its designation.
struct Neighbour {
    std::string label;
    Point centre;
    double halfMinorPx = 0, halfMajorPx = 0, positionAngleDeg = 0;
};

// The chart around the object: where the frame is, how far the user zoomed,
// and the catalogue whose objects in view are drawn too.
struct ChartOptions {
    // The frame's (or mosaic's) centre, J2000; the object's own when empty.
    std::optional<catalogues::SkyPoint> frameCentre{};
    // Over the scale at which the object and the mosaic fill the canvas.
    double zoom = 1;
    const std::vector<catalogues::DeepSkyObject>* catalogue = nullptr;
    std::optional<std::size_t> objectRow{};  // the object's own row, not drawn twice
    // The user's image solved: its corners on the sky (top left, top right,
    // bottom right, bottom left, as the picture is shown) and its picture.
    std::optional<std::array<catalogues::SkyPoint, 4>> imageCorners{};
    std::shared_ptr<const Bitmap> imagePicture{};
    // The stars behind everything, when they could be read; else why not,
    // said in the chart's legend.
    const catalogues::StarCatalogue* stars = nullptr;
    core::Message starsMissing{};
};

// A star as the chart draws it: a disc growing with its brightness, white
// a little tinted by its colour index.
struct StarDisc {
    Point centre;
    double radiusPx = 0;
    std::array<std::uint8_t, 3> colour{};
};

// The faintest magnitude drawn in a view `widthDeg` across: every star of
// the file (to `faintest`) at 1 degree and closer, down to magnitude 6 at
// 60 degrees, in half magnitudes.
double starLimitFor(double widthDeg, double faintest);

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
    // The frame's centre on the canvas, and a mark on its up side: the
    // rotation is the position angle of that side, north through east.
    Point frameCentre;
    std::array<Point, 3> up{};
    // The user's image where it is on the sky: its corners in the picture's
    // order (its top side first) and its picture; none when not in view.
    std::optional<Quad> image;
    std::shared_ptr<const Bitmap> imagePicture;
    // The stars in view to the limit the zoom sets, and those of the file
    // that fall on the user's image, marked over it.
    std::vector<StarDisc> stars;
    std::vector<Point> imageStars;
    double starLimitMag = 0;
    // The stars' source and limit, or why there are none.
    core::Message starsNote;
    // The other objects in view, the largest first.
    std::vector<Neighbour> neighbours;
    // A scale bar: a round length on the sky and its pixels.
    double scaleBarArcmin = 0;
    double scaleBarPx = 0;
};

// The scene in a canvas of that size: the scale is the largest at which the
// object (with a margin), the whole mosaic and the compared frames, turned by
// the rotation, fit in the canvas, so that a field larger than the picture
// zooms out.
// `contours`: the object's outline on the sky, when it has one.
FramingScene framingScene(const catalogues::DeepSkyObject& object, const catalogues::Framing& framing,
                          const std::optional<ObjectPicture>& picture, int width, int height,
                          const std::vector<catalogues::SkyExtent>& compared = {},
                          const std::vector<std::vector<catalogues::SkyPoint>>* contours = nullptr,
                          const ChartOptions& chart = {});

// The place on the sky of a point of the scene's canvas, as the chart about
// `object` with that frame centre draws it; the inverse of the chart's projection.
catalogues::SkyPoint skyAt(const FramingScene& scene, const catalogues::SkyPoint& object, Point at);

}  // namespace quarvel::ui::drawings
