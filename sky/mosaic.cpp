// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/mosaic.h"

#include <cmath>

#include "core/constants.h"
#include "sky/projection.h"

namespace quarvel::sky {

std::vector<Panel> mosaicPanels(const MosaicPlan& plan) {
    const double t = plan.rotationDeg * core::kDegreesToRadians;
    // The frame's right side and up side on the plane (x east, y north):
    // north up and east left, the frame turned counter-clockwise by its angle.
    const PlanePoint right{-std::cos(t), std::sin(t)};
    const PlanePoint up{std::sin(t), std::cos(t)};
    const double keep = 1 - plan.overlapPercent / 100;
    const double stepX = plan.frameWidthDeg * keep, stepY = plan.frameHeightDeg * keep;
    std::vector<Panel> panels;
    for (int row = 0; row < plan.panelsY; ++row) {
        for (int column = 0; column < plan.panelsX; ++column) {
            const double a = (column - (plan.panelsX - 1) / 2.0) * stepX;
            const double b = ((plan.panelsY - 1) / 2.0 - row) * stepY;
            Panel panel;
            panel.number = static_cast<int>(panels.size()) + 1;
            panel.row = row + 1;
            panel.column = column + 1;
            panel.planeX = a * right.x + b * up.x;
            panel.planeY = a * right.y + b * up.y;
            panel.centre = deproject(plan.centre, {panel.planeX, panel.planeY});
            panel.rotationDeg = normalizedDeg(plan.rotationDeg - northOnPlaneDeg(plan.centre, panel.centre));
            panels.push_back(panel);
        }
    }
    return panels;
}

}  // namespace quarvel::sky
