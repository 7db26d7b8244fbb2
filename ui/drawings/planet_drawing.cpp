// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawings/planet_drawing.h"

#include <algorithm>

#include <cmath>

#include "core/checked.h"
#include "core/number_format.h"
#include "ephem/ephemeris.h"

namespace quarvel::ui::drawings {

namespace {

constexpr int kBoxWidth = 360;

// The Pleiades' ten brightest stars: offsets from the centre in arc-seconds,
// x to the right and y upwards.
constexpr double kPleiades[10][2] = {
    {1972.5, 136.95},  {1907.7, -497.156}, {1608.31, 777.05}, {1051.65, 418.75},   {978.6, 1091.05},
    {852.15, 995.25},  {602.1, -1091.05},  {-440.4, -526.65}, {-1950.45, -712.85}, {-1972.5, -412.95},
};

// Half-height over half-width of the rings, by band of the phase.
struct RingBand {
    double from;
    double ratio;
};
constexpr RingBand kRingBands[] = {
    {0, 0.05},     {0.03, 0.125}, {0.07, 0.225}, {0.14, 0.45},  {0.35, 0.225}, {0.45, 0.125},
    {0.48, 0.05},  {0.55, 0.225}, {0.65, 0.45},  {0.87, 0.225}, {0.94, 0.125}, {0.97, 0.05},
};

// A shape millions of pixels across, or a star millions of pixels away,
// looks the same in the 360-pixel box at a million: sizes and offsets stop
// there, so that no corner overflows.
int withinReach(int pixels) {
    constexpr int kReach = 1 << 20;
    return std::clamp(pixels, -kReach, kReach);
}

Box centred(int cx, int cy, int halfWidth, int halfHeight) {
    halfWidth = withinReach(halfWidth);
    halfHeight = withinReach(halfHeight);
    return Box{cx - halfWidth, cy - halfHeight, cx + halfWidth, cy + halfHeight};
}

}  // namespace

double ringPhase(int year, int month) { return std::fabs((year + month / 12.0 - 2009.75) / 29); }

int ringHalfHeight(int halfWidth, double phase) {
    double ratio = kRingBands[0].ratio;
    for (const auto& band : kRingBands) {
        if (phase >= band.from) ratio = band.ratio;
    }
    return core::roundHalfEven(halfWidth * ratio);
}

PlanetDrawing drawPlanet(const PlanetInputs& in) {
    PlanetDrawing d;
    const auto& s = in.sensor;
    d.width = kBoxWidth;
    d.height = core::roundHalfEven(core::divide(s.pixelsY * s.pixelHeightUm, s.pixelsX * s.pixelWidthUm) * kBoxWidth);
    const double k = core::divide(d.height, s.pixelsY);
    const int cx = half(d.width);
    const int cy = half(d.height);
    d.nameTop = -15;
    d.sensorTop = d.height + 5;
    d.telescopeTop = d.height + 25;
    if (in.body == ephem::Body::Pleiades) {
        for (const auto& star : kPleiades) {
            const int x = cx + withinReach(core::roundHalfEven(core::divide(star[0], in.sampling) * k));
            const int y = cy - withinReach(core::roundHalfEven(core::divide(star[1], in.sampling) * k));
            d.shapes.push_back({Box{x - 2, y - 2, x + 2, y + 2}, kWhite, kGrey});
        }
        return d;
    }
    const int r = core::roundHalfEven(core::divide(core::divide(in.diameterArcsec, in.sampling) / 2 * d.height, s.pixelsY));
    const double polar = in.body ? ephem::factsOf(*in.body).polarOverEquatorial : 1;
    const double rings = in.body ? ephem::factsOf(*in.body).ringsOverGlobe : 0;
    const int b = polar == 1 ? r : core::roundHalfEven(r * polar);
    const Box disc = centred(cx, cy, r, b);
    d.shapes.push_back({disc, kRed, kPurple});
    if (rings > 0) {
        const int ringR = core::roundHalfEven(r * rings);
        const int a = ringHalfHeight(ringR, ringPhase(in.year, in.month));
        d.shapes.push_back({centred(cx, cy, ringR, a), kMaroon, kMaroon});
        d.shapes.push_back({disc, kRed, kMaroon});
    }
    return d;
}

std::vector<PixelRow> ellipsePixels(const Box& box, int height) {
    std::vector<PixelRow> rows;
    if (box.width() <= 0 || box.height() <= 0) return rows;
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const double rx = box.width() / 2.0;
    const double ry = box.height() / 2.0;
    // A row covers the ellipse where it is widest within the row: at the
    // row's edge nearest the centre line.
    const auto span = [&](int y) -> std::pair<int, int> {
        const double nearest = std::clamp(cy, static_cast<double>(y), static_cast<double>(y + 1));
        const double d = (nearest - cy) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1 - d * d));
        return {static_cast<int>(std::floor(cx - half)), static_cast<int>(std::ceil(cx + half))};
    };
    const int first = std::max(box.top, 0);
    const int last = std::min(box.bottom, height);
    for (int y = first; y < last; ++y) {
        const auto [left, right] = span(y);
        PixelRow row{y, left, right, left + 1, right - 1};
        // A pixel whose neighbour above or below lies outside is on the outline.
        for (const int next : {y - 1, y + 1}) {
            if (next < box.top || next >= box.bottom) {
                row.innerRight = row.innerLeft;
                continue;
            }
            const auto [nextLeft, nextRight] = span(next);
            row.innerLeft = std::max(row.innerLeft, nextLeft);
            row.innerRight = std::min(row.innerRight, nextRight);
        }
        row.innerRight = std::max(row.innerRight, row.innerLeft);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace quarvel::ui::drawings
