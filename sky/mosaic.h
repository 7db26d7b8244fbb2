// SPDX-License-Identifier: GPL-3.0-or-later
// A mosaic's panels on the sphere: a grid of frames laid on the tangent plane
// about the mosaic's centre, as the camera turned by the rotation would take
// them, each with its centre and its own rotation.
#pragma once

#include <vector>

#include "sky/coordinates.h"

namespace quarvel::sky {

struct MosaicPlan {
    Equatorial centre;
    double frameWidthDeg = 0;   // along the frame's horizontal side
    double frameHeightDeg = 0;  // along its up side
    // The position angle of the frame's up side, degrees from north through
    // east, as plate solvers and capture programs give it.
    double rotationDeg = 0;
    int panelsX = 1;
    int panelsY = 1;
    double overlapPercent = 0;
};

struct Panel {
    int number = 1;  // row by row from the top left, from 1
    int row = 1;     // from the frame's up side
    int column = 1;  // from its left side (east at rotation 0)
    Equatorial centre;
    // The position angle of the panel's up side at its own centre: the
    // mosaic's rotation turned by the meridians' convergence.
    double rotationDeg = 0;
    // Its centre on the mosaic centre's tangent plane, degrees east and north.
    double planeX = 0, planeY = 0;
};

std::vector<Panel> mosaicPanels(const MosaicPlan& plan);

}  // namespace quarvel::sky
