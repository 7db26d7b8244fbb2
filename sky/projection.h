// SPDX-License-Identifier: GPL-3.0-or-later
// The tangent-plane (gnomonic) projection about a centre, as a camera's
// sensor sees the sky: standard coordinates in degrees, x towards the east,
// y towards the north, exact at every declination including the poles.
#pragma once

#include <array>
#include <optional>

#include "sky/coordinates.h"

namespace quarvel::sky {

struct PlanePoint {
    double x = 0;  // degrees east of the centre, on the tangent plane
    double y = 0;  // degrees north
};

// The point of the plane a position falls on; nothing for a position 90° or
// more from the centre, which the plane does not reach.
std::optional<PlanePoint> project(const Equatorial& centre, const Equatorial& position);

// The position a point of the plane stands for.
Equatorial deproject(const Equatorial& centre, const PlanePoint& point);

// Whether a point of a plane lies inside a convex quadrilateral given by its
// corners in order around it (on an edge counts as inside): the point is on
// the same side of every edge.
bool insideQuadrilateral(const std::array<PlanePoint, 4>& corners, const PlanePoint& point);

// The direction of north at a position, as an angle on the centre's plane,
// degrees from the plane's north (its y axis) through east (its x axis):
// meridians converge, so north turns across a wide field and near a pole.
double northOnPlaneDeg(const Equatorial& centre, const Equatorial& position);

}  // namespace quarvel::sky
