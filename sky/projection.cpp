// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/projection.h"

#include <cmath>

#include "core/constants.h"

namespace quarvel::sky {

namespace {

constexpr double kRad = core::kDegreesToRadians;
constexpr double kDeg = core::kRadiansToDegrees;

}  // namespace

std::optional<PlanePoint> project(const Equatorial& centre, const Equatorial& position) {
    const double d0 = centre.decDeg * kRad, d = position.decDeg * kRad;
    const double dRa = (position.raDeg - centre.raDeg) * kRad;
    const double cosC = std::sin(d0) * std::sin(d) + std::cos(d0) * std::cos(d) * std::cos(dRa);
    if (!(cosC > 1e-9)) return std::nullopt;
    const double x = std::cos(d) * std::sin(dRa) / cosC;
    const double y = (std::cos(d0) * std::sin(d) - std::sin(d0) * std::cos(d) * std::cos(dRa)) / cosC;
    return PlanePoint{x * kDeg, y * kDeg};
}

Equatorial deproject(const Equatorial& centre, const PlanePoint& point) {
    const double x = point.x * kRad, y = point.y * kRad;
    const double d0 = centre.decDeg * kRad;
    // The direction of the point, from the centre's axes on the unit sphere.
    const double denominator = std::cos(d0) - y * std::sin(d0);
    const double dRa = std::atan2(x, denominator);
    const double dec = std::atan2(std::sin(d0) + y * std::cos(d0), std::hypot(x, denominator));
    return {normalizedDeg(centre.raDeg + dRa * kDeg), dec * kDeg};
}

double northOnPlaneDeg(const Equatorial& centre, const Equatorial& position) {
    // The derivative of the projection along the position's meridian.
    const double d0 = centre.decDeg * kRad, d = position.decDeg * kRad;
    const double dRa = (position.raDeg - centre.raDeg) * kRad;
    const double cosC = std::sin(d0) * std::sin(d) + std::cos(d0) * std::cos(d) * std::cos(dRa);
    const double x = std::cos(d) * std::sin(dRa), y = std::cos(d0) * std::sin(d) - std::sin(d0) * std::cos(d) * std::cos(dRa);
    // d/dDec of the numerators and of cosC.
    const double dx = -std::sin(d) * std::sin(dRa);
    const double dy = std::cos(d0) * std::cos(d) + std::sin(d0) * std::sin(d) * std::cos(dRa);
    const double dc = std::sin(d0) * std::cos(d) - std::cos(d0) * std::sin(d) * std::cos(dRa);
    const double vx = (dx * cosC - x * dc), vy = (dy * cosC - y * dc);
    return std::atan2(vx, vy) * kDeg;
}

bool insideQuadrilateral(const std::array<PlanePoint, 4>& corners, const PlanePoint& point) {
    int sign = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const PlanePoint& a = corners[i];
        const PlanePoint& b = corners[(i + 1) % corners.size()];
        const double cross = (b.x - a.x) * (point.y - a.y) - (b.y - a.y) * (point.x - a.x);
        const int side = cross > 0 ? 1 : cross < 0 ? -1 : 0;
        if (side != 0 && sign != 0 && side != sign) return false;
        if (side != 0) sign = side;
    }
    return true;
}

}  // namespace quarvel::sky
