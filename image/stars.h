// SPDX-License-Identifier: GPL-3.0-or-later
// The stars' sharpness on an image: each star's full width at half maximum,
// and their median.
#pragma once

#include <optional>
#include <vector>

#include "image/image.h"

namespace quarvel::image {

struct StarSpot {
    double x = 0;  // pixels from the left, and from the top
    double y = 0;
};

// The full width at half maximum of the star near `spot`, in the image's
// pixels: a Gaussian fitted to the star's core above a quarter of its peak,
// corrected for the pixels' own width; nothing for a spot too close to the
// edge, reaching `saturation` or flat-topped, too faint or no star.
std::optional<double> starFwhm(const Image& image, StarSpot spot, float saturation);

// The median width of the stars at the spots (the brightest first), over the
// first `most` that can be measured; nothing when fewer than three can.
// Stars within 5 % of the image's highest level are taken as saturated.
std::optional<double> medianFwhm(const Image& image, const std::vector<StarSpot>& spots, std::size_t most = 50);

}  // namespace quarvel::image
