// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawings/framing.h"

#include "core/constants.h"

#include <algorithm>
#include <cmath>

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

// A point of the sky in arc-minutes from the object's centre, east left and
// north up: the gnomonic (tangent-plane) projection about the centre.
//   Given: the centre and the point, J2000 degrees.
//   Returns: x (negative to the east) and y (negative to the north), arc-minutes.
//   Reference: the standard coordinates of the tangent plane, as in Green,
//   Spherical Astronomy (1985), section 11.2.
Point projected(const catalogues::SkyPoint& centre, const catalogues::SkyPoint& point) {
    constexpr double kArcminPerRadian = core::kRadiansToDegrees * 60;
    const double d0 = centre.decDeg * core::kDegreesToRadians, d = point.decDeg * core::kDegreesToRadians;
    const double da = (point.raDeg - centre.raDeg) * core::kDegreesToRadians;
    const double cosc = std::sin(d0) * std::sin(d) + std::cos(d0) * std::cos(d) * std::cos(da);
    const double xi = std::cos(d) * std::sin(da) / cosc;
    const double eta = (std::cos(d0) * std::sin(d) - std::sin(d0) * std::cos(d) * std::cos(da)) / cosc;
    return {-xi * kArcminPerRadian, -eta * kArcminPerRadian};
}

}  // namespace

FramingScene framingScene(const catalogues::DeepSkyObject& object, const catalogues::Framing& framing,
                          const std::optional<ObjectPicture>& picture, int width, int height,
                          const std::vector<catalogues::SkyExtent>& compared,
                          const std::vector<std::vector<catalogues::SkyPoint>>* contours) {
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
                points.push_back(projected(centre, point));
                spanX = std::max(spanX, 2 * std::abs(points.back().x) * 1.1);
                spanY = std::max(spanY, 2 * std::abs(points.back().y) * 1.1);
            }
        }
    }
    scene.pxPerArcmin = std::min((width - 8) / spanX, (height - 8) / spanY);
    const double scale = scene.pxPerArcmin;

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
                                        framing.rotationDeg, scene.centre, scale));
        }
    }
    scene.mosaic = quad(0, 0, field.widthArcmin, field.heightArcmin, framing.rotationDeg, scene.centre, scale);
    for (const auto& other : compared) {
        scene.compared.push_back(
            quad(0, 0, other.widthArcmin, other.heightArcmin, framing.rotationDeg, scene.centre, scale));
    }
    return scene;
}

}  // namespace quarvel::ui::drawings
