// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/stars.h"

#include <algorithm>
#include <cmath>

namespace quarvel::image {

namespace {

// Half the side of the box a star is measured in.
constexpr int kReach = 12;

double median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

}  // namespace

std::optional<double> starFwhm(const Image& image, StarSpot spot, float saturation) {
    // The brightest pixel near the spot.
    int px = static_cast<int>(std::lround(spot.x)), py = static_cast<int>(std::lround(spot.y));
    if (px < kReach + 3 || py < kReach + 3 || px >= image.width - kReach - 3 || py >= image.height - kReach - 3) {
        return std::nullopt;
    }
    const int startX = px, startY = py;
    for (int y = startY - 3; y <= startY + 3; ++y) {
        for (int x = startX - 3; x <= startX + 3; ++x) {
            if (image.at(x, y) > image.at(px, py)) {
                px = x;
                py = y;
            }
        }
    }
    // The sky around it: the median and spread of the box's border.
    std::vector<double> border;
    for (int d = -kReach; d <= kReach; ++d) {
        border.push_back(image.at(px + d, py - kReach));
        border.push_back(image.at(px + d, py + kReach));
        border.push_back(image.at(px - kReach, py + d));
        border.push_back(image.at(px + kReach, py + d));
    }
    const double sky = median(border);
    std::vector<double> deviations;
    for (const double v : border) deviations.push_back(std::abs(v - sky));
    const double noise = 1.4826 * median(deviations);
    const double peak = image.at(px, py) - sky;
    if (peak <= 10 * std::max(noise, 1e-6) || image.at(px, py) >= saturation) return std::nullopt;
    // A flat top is a saturated star, or a hot pixel's neighbours are dark.
    int high = 0, lit = 0;
    for (int y = py - 1; y <= py + 1; ++y) {
        for (int x = px - 1; x <= px + 1; ++x) {
            if (image.at(x, y) - sky >= 0.98 * peak) ++high;
            if (image.at(x, y) - sky >= 0.25 * peak) ++lit;
        }
    }
    if (high > 1 || lit < 3) return std::nullopt;
    // The core's centroid, then ln(level) against the squared distance:
    // a Gaussian is a straight line whose slope gives its width.
    double sum = 0, sx = 0, sy = 0;
    for (int y = py - kReach + 1; y < py + kReach; ++y) {
        for (int x = px - kReach + 1; x < px + kReach; ++x) {
            const double v = image.at(x, y) - sky;
            if (v < 0.25 * peak) continue;
            sum += v;
            sx += v * x;
            sy += v * y;
        }
    }
    const double cx = sx / sum, cy = sy / sum;
    double n = 0, mr = 0, ml = 0, mrr = 0, mrl = 0;
    for (int y = py - kReach + 1; y < py + kReach; ++y) {
        for (int x = px - kReach + 1; x < px + kReach; ++x) {
            const double v = image.at(x, y) - sky;
            if (v < 0.25 * peak) continue;
            const double r2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            const double w = v * v;  // the brighter pixels are the surer
            const double l = std::log(v);
            n += w;
            mr += w * r2;
            ml += w * l;
            mrr += w * r2 * r2;
            mrl += w * r2 * l;
        }
    }
    const double spread = n * mrr - mr * mr;
    if (spread <= 0) return std::nullopt;
    const double slope = (n * mrl - mr * ml) / spread;
    if (slope >= 0) return std::nullopt;
    // Each pixel adds its own width: a twelfth of a pixel squared.
    const double sigma2 = -1 / (2 * slope) - 1.0 / 12;
    if (sigma2 <= 0) return std::nullopt;
    const double fwhm = 2 * std::sqrt(2 * std::log(2.0) * sigma2);
    if (fwhm > kReach) return std::nullopt;
    return fwhm;
}

std::optional<double> medianFwhm(const Image& image, const std::vector<StarSpot>& spots, std::size_t most) {
    if (image.values.empty()) return std::nullopt;
    const float highest = *std::max_element(image.values.begin(), image.values.end());
    std::vector<double> widths;
    for (const StarSpot& spot : spots) {
        if (widths.size() >= most) break;
        if (const auto width = starFwhm(image, spot, 0.95f * highest)) widths.push_back(*width);
    }
    if (widths.size() < 3) return std::nullopt;
    return median(std::move(widths));
}

}  // namespace quarvel::image
