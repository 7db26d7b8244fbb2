// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawings/framing.h"

#include <algorithm>
#include <cmath>

#include "core/constants.h"
#include "sky/projection.h"
#include "ui/messages.h"

namespace quarvel::ui::drawings {

namespace {

// Turned counter-clockwise on the screen (y down) by the angle: north
// through east, with east on the left.
Point turned(Point p, double degrees) {
    const double a = degrees * core::kDegreesToRadians;
    return {p.x * std::cos(a) + p.y * std::sin(a), -p.x * std::sin(a) + p.y * std::cos(a)};
}

// A rectangle of that size in arc-minutes, centred at (dx, dy) from the
// mosaic's centre, turned about the mosaic's centre, on the canvas.
Quad quad(double dx, double dy, double width, double height, double rotationDeg, Point centre, double scale) {
    const Point corners[] = {{dx - width / 2, dy - height / 2},
                             {dx + width / 2, dy - height / 2},
                             {dx + width / 2, dy + height / 2},
                             {dx - width / 2, dy + height / 2}};
    Quad out;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const Point p = turned(corners[i], rotationDeg);
        out[i] = {centre.x + p.x * scale, centre.y + p.y * scale};
    }
    return out;
}

// A point of the sky in arc-minutes from the chart's centre, east left and
// north up (x negative to the east, y negative to the north), on the tangent
// plane; nothing for a point the plane does not reach.
std::optional<Point> projected(const catalogues::SkyPoint& centre, const catalogues::SkyPoint& point) {
    const auto p = sky::project({centre.raDeg, centre.decDeg}, {point.raDeg, point.decDeg});
    if (!p) return std::nullopt;
    return Point{-p->x * 60, -p->y * 60};
}

// A round length for the scale bar, about a fifth of the canvas: 1, 2 or 5
// times a power of ten, in arc-minutes.
double roundLength(double arcmin) {
    const double power = std::pow(10.0, std::floor(std::log10(arcmin)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= arcmin) return step * power;
    }
    return power;
}

// A star's colour: white, tinted towards blue or yellow by its B-V index
// (-0.3 to 1.7), never so much that it reads as an object's outline.
std::array<std::uint8_t, 3> starColour(const std::optional<double>& bMinusV) {
    const double t = std::clamp((bMinusV.value_or(0.6) + 0.3) / 2.0, 0.0, 1.0);
    const auto mix = [t](double blue, double yellow) {
        return static_cast<std::uint8_t>(std::lround((255 + blue + t * (yellow - blue)) / 2));
    };
    return {mix(215, 255), mix(225, 235), mix(255, 205)};
}

// The stars in view, to the limit the zoom sets, then those on the user's image.
template <typename OnCanvas>
void addStars(FramingScene& scene, const ChartOptions& chart, const sky::Equatorial& centre, const OnCanvas& onCanvas) {
    if (!chart.stars) {
        scene.starsNote = chart.starsMissing;
        return;
    }
    const double scale = scene.pxPerArcmin;
    const double radiusDeg = std::hypot(scene.width, scene.height) / 2 / scale / 60;
    scene.starLimitMag = starLimitFor(scene.width / scale / 60, chart.stars->faintest());
    const double limit = scene.starLimitMag;
    chart.stars->forEachNear(centre, radiusDeg, limit, [&](const catalogues::Star& star) {
        const auto at = onCanvas({star.raDeg, star.decDeg});
        if (!at || at->x < -6 || at->y < -6 || at->x > scene.width + 6 || at->y > scene.height + 6) return;
        const double radius = std::min(5.0, 0.6 + 0.55 * (limit - star.vmag));
        scene.stars.push_back({*at, radius, starColour(star.bMinusV)});
    });
    // The faintest first: the brightest are drawn over them.
    std::sort(scene.stars.begin(), scene.stars.end(), [](const StarDisc& a, const StarDisc& b) { return a.radiusPx < b.radiusPx; });
    const long tenths = std::lround(limit * 10);
    scene.starsNote = core::Message(messages::kStarsLegend, {core::Message::data(std::to_string(tenths / 10)),
                                                              core::Message::data(std::to_string(tenths % 10))});
    if (!scene.image) return;
    // Every star of the file on the image, however faint: small circles over it.
    std::array<sky::PlanePoint, 4> quad;
    for (std::size_t i = 0; i < quad.size(); ++i) quad[i] = {(*scene.image)[i].x, (*scene.image)[i].y};
    chart.stars->forEachNear(centre, radiusDeg, 99, [&](const catalogues::Star& star) {
        const auto at = onCanvas({star.raDeg, star.decDeg});
        if (!at || !sky::insideQuadrilateral(quad, {at->x, at->y})) return;
        scene.imageStars.push_back(*at);
    });
}

}  // namespace

double starLimitFor(double widthDeg, double faintest) {
    if (widthDeg <= 1) return faintest;
    const double limit = 13 - 3.7 * std::log10(widthDeg);
    return std::clamp(std::floor(limit * 2) / 2, 6.0, faintest);
}

FramingScene framingScene(const catalogues::DeepSkyObject& object, const catalogues::Framing& framing,
                          const std::optional<ObjectPicture>& picture, int width, int height,
                          const std::vector<catalogues::SkyExtent>& compared,
                          const std::vector<std::vector<catalogues::SkyPoint>>* contours, const ChartOptions& chart) {
    FramingScene scene;
    scene.width = width;
    scene.height = height;
    scene.centre = {width / 2.0, height / 2.0};
    const catalogues::SkyExtent field = catalogues::mosaicField(framing);
    // What must show, in arc-minutes across and down: the mosaic turned, and
    // the object with a margin.
    const double a = framing.rotationDeg * core::kDegreesToRadians;
    double spanX = std::abs(field.widthArcmin * std::cos(a)) + std::abs(field.heightArcmin * std::sin(a));
    double spanY = std::abs(field.widthArcmin * std::sin(a)) + std::abs(field.heightArcmin * std::cos(a));
    // The compared setups' frames show whole too.
    for (const auto& other : compared) {
        spanX = std::max(spanX, std::abs(other.widthArcmin * std::cos(a)) + std::abs(other.heightArcmin * std::sin(a)));
        spanY = std::max(spanY, std::abs(other.widthArcmin * std::sin(a)) + std::abs(other.heightArcmin * std::cos(a)));
    }
    const auto shape = catalogues::shapeOf(object);
    const double major = shape ? shape->majorArcmin : 0;
    spanX = std::max(spanX, major * 1.2);
    spanY = std::max(spanY, major * 1.2);
    // Contours drawn show whole, with the same margin: arc-minutes from the centre.
    std::vector<std::vector<Point>> onSky;
    if (contours && !(picture && picture->arcminPerPx > 0)) {
        const catalogues::SkyPoint centre{object.raDeg, object.decDeg};
        for (const auto& part : *contours) {
            auto& points = onSky.emplace_back();
            for (const auto& point : part) {
                const auto onPlane = projected(centre, point);
                if (!onPlane) continue;
                points.push_back(*onPlane);
                spanX = std::max(spanX, 2 * std::abs(points.back().x) * 1.1);
                spanY = std::max(spanY, 2 * std::abs(points.back().y) * 1.1);
            }
        }
    }
    scene.pxPerArcmin = std::min((width - 8) / spanX, (height - 8) / spanY) * chart.zoom;
    const double scale = scene.pxPerArcmin;
    // The frame where it is on the sky: the object's own place unless moved.
    const catalogues::SkyPoint objectAt{object.raDeg, object.decDeg};
    const catalogues::SkyPoint& chartAt = objectAt;
    // A point of the sky on the canvas; nothing where the plane does not reach.
    const auto onCanvas = [&objectAt, &scene, scale](const catalogues::SkyPoint& point) -> std::optional<Point> {
        const auto at = projected(objectAt, point);
        if (!at) return std::nullopt;
        return Point{scene.centre.x + at->x * scale, scene.centre.y + at->y * scale};
    };
    scene.frameCentre = scene.centre;
    if (chart.frameCentre) {
        if (const auto at = onCanvas(*chart.frameCentre)) scene.frameCentre = *at;
    }

    if (picture && picture->arcminPerPx > 0) {
        scene.picture = picture;
        scene.pictureWidth = picture->widthPx * picture->arcminPerPx * scale;
        scene.pictureHeight = picture->heightPx * picture->arcminPerPx * scale;
        scene.pictureLeft = scene.centre.x - scene.pictureWidth / 2;
        scene.pictureTop = scene.centre.y - scene.pictureHeight / 2;
    }
    if (!onSky.empty()) {
        for (const auto& part : onSky) {
            auto& drawn = scene.contours.emplace_back();
            for (const Point& p : part) drawn.push_back({scene.centre.x + p.x * scale, scene.centre.y + p.y * scale});
        }
    } else if (major > 0) {
        scene.outline = true;
        scene.halfMajorPx = major / 2 * scale;
        // Without its position angle an object is framed as a disc of its
        // major axis, and drawn so.
        const bool turned = shape->positionAngleDeg.has_value();
        scene.halfMinorPx = (turned ? shape->minorArcmin : major) / 2 * scale;
        scene.positionAngleDeg = shape->positionAngleDeg.value_or(0);
    }
    const double stepX = framing.frame.widthArcmin * (1 - framing.overlapPercent / 100);
    const double stepY = framing.frame.heightArcmin * (1 - framing.overlapPercent / 100);
    for (int j = 0; j < framing.panelsY; ++j) {
        for (int i = 0; i < framing.panelsX; ++i) {
            const double dx = -field.widthArcmin / 2 + framing.frame.widthArcmin / 2 + i * stepX;
            const double dy = -field.heightArcmin / 2 + framing.frame.heightArcmin / 2 + j * stepY;
            scene.panels.push_back(quad(dx, dy, framing.frame.widthArcmin, framing.frame.heightArcmin,
                                        framing.rotationDeg, scene.frameCentre, scale));
        }
    }
    scene.mosaic = quad(0, 0, field.widthArcmin, field.heightArcmin, framing.rotationDeg, scene.frameCentre, scale);
    for (const auto& other : compared) {
        scene.compared.push_back(
            quad(0, 0, other.widthArcmin, other.heightArcmin, framing.rotationDeg, scene.frameCentre, scale));
    }
    // A triangle inside the middle of the up side, pointing at it, 7 pixels
    // high at the most (the frame's third for a small frame).
    const double h = field.heightArcmin / 2, s = std::min(7 / scale, field.heightArcmin / 3);
    const Point mark[] = {{-s, -h + s}, {s, -h + s}, {0, -h}};
    for (std::size_t i = 0; i < 3; ++i) {
        const Point p = turned(mark[i], framing.rotationDeg);
        scene.up[i] = {scene.frameCentre.x + p.x * scale, scene.frameCentre.y + p.y * scale};
    }
    if (chart.imageCorners) {
        Quad corners;
        bool inView = true;
        for (std::size_t i = 0; i < corners.size() && inView; ++i) {
            const auto at = onCanvas((*chart.imageCorners)[i]);
            inView = at.has_value();
            if (at) corners[i] = *at;
        }
        if (inView) {
            scene.image = corners;
            scene.imagePicture = chart.imagePicture;
        }
    }
    addStars(scene, chart, {chartAt.raDeg, chartAt.decDeg}, onCanvas);
    scene.scaleBarArcmin = roundLength(width / 5.0 / scale);
    scene.scaleBarPx = scene.scaleBarArcmin * scale;
    // The catalogue's other objects whose place or ellipse comes into the canvas.
    if (chart.catalogue) {
        const double radiusDeg = std::hypot(width, height) / 2 / scale / 60;
        for (std::size_t row = 0; row < chart.catalogue->size(); ++row) {
            if (chart.objectRow && row == *chart.objectRow) continue;
            const auto& other = (*chart.catalogue)[row];
            // A quick look at the declination first: most of the sky is far.
            if (std::abs(other.decDeg - object.decDeg) > radiusDeg + 5) continue;
            const auto otherShape = catalogues::shapeOf(other);
            const double otherMajor = otherShape ? otherShape->majorArcmin : 0;
            const auto at = onCanvas({other.raDeg, other.decDeg});
            if (!at) continue;
            const Point c = *at;
            const double reach = otherMajor / 2 * scale + 2;
            if (c.x < -reach || c.y < -reach || c.x > width + reach || c.y > height + reach) continue;
            Neighbour n;
            n.label = catalogues::designation(other);
            n.centre = c;
            const bool turnedShape = otherShape && otherShape->positionAngleDeg.has_value();
            n.halfMajorPx = std::max(2.0, otherMajor / 2 * scale);
            n.halfMinorPx = std::max(2.0, (turnedShape ? otherShape->minorArcmin : otherMajor) / 2 * scale);
            n.positionAngleDeg = turnedShape ? *otherShape->positionAngleDeg : 0;
            scene.neighbours.push_back(std::move(n));
        }
        // The largest first: they are named when a crowded field cannot name all.
        std::stable_sort(scene.neighbours.begin(), scene.neighbours.end(),
                         [](const Neighbour& a, const Neighbour& b) { return a.halfMajorPx > b.halfMajorPx; });
    }
    return scene;
}

catalogues::SkyPoint skyAt(const FramingScene& scene, const catalogues::SkyPoint& object, Point at) {
    const double scale = scene.pxPerArcmin > 0 ? scene.pxPerArcmin : 1;
    // Canvas right is west, down is south.
    const sky::PlanePoint p{-(at.x - scene.centre.x) / scale / 60, -(at.y - scene.centre.y) / scale / 60};
    const sky::Equatorial e = sky::deproject({object.raDeg, object.decDeg}, p);
    return {e.raDeg, e.decDeg};
}

}  // namespace quarvel::ui::drawings
