// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawings/photo_overlay.h"

#include <algorithm>

#include "core/checked.h"
#include "core/number_format.h"

namespace quarvel::ui::drawings {

extern const std::uint8_t kStartPicture[];
extern const std::size_t kStartPicture_size;

Bitmap startPicture() {
    return decodeBitmap(std::string_view(reinterpret_cast<const char*>(kStartPicture), kStartPicture_size));
}

const Photograph* photographFor(double fieldArcmin) {
    for (const auto& photo : kPhotographs) {
        if (photo.fieldArcmin == fieldArcmin) return &photo;
    }
    return nullptr;
}

PhotoFrame photoFrame(const core::SensorValues& sensor, double focalMm, double photoFieldArcmin) {
    PhotoFrame p;
    p.fieldXArcmin = core::horizontalFieldArcmin(sensor, focalMm);
    p.fieldYArcmin = core::verticalFieldArcmin(sensor, focalMm);
    const int w = core::roundHalfEven(core::divide(360 * p.fieldXArcmin, photoFieldArcmin));
    const int h = core::roundHalfEven(core::divide(360 * p.fieldYArcmin, photoFieldArcmin));
    p.frame = Box{180 - half(w), 120 - half(h), 180 + half(w), 120 + half(h)};
    return p;
}

namespace {

// Whether the n-th pixel of a side is drawn: strokes and gaps in pixels.
bool drawn(Line line, int n) {
    switch (line) {
        case Line::Solid: return true;
        case Line::Dashes: return n % 7 < 4;
        case Line::Dots: return n % 4 < 2;
        case Line::DashesAndDots: {
            const int at = n % 11;
            return at < 5 || (at >= 7 && at < 9);
        }
    }
    return true;
}

}  // namespace

void drawFrame(Bitmap& picture, const Box& frame, Colour colour, Line line) {
    // The outline runs along the box's first and last rows and columns.
    const int right = frame.right - 1;
    const int bottom = frame.bottom - 1;
    if (right < frame.left || bottom < frame.top) return;
    // Only the pixels within the picture are walked: a frame far larger than
    // it costs no more than the picture.
    const int fromX = std::max(frame.left, 0), toX = std::min(right, picture.width() - 1);
    const int fromY = std::max(frame.top, 0), toY = std::min(bottom, picture.height() - 1);
    for (int x = fromX; x <= toX; ++x) {
        if (!drawn(line, x - frame.left)) continue;
        picture.setPixel(x, frame.top, colour);
        picture.setPixel(x, bottom, colour);
    }
    for (int y = fromY; y <= toY; ++y) {
        if (!drawn(line, y - frame.top)) continue;
        picture.setPixel(frame.left, y, colour);
        picture.setPixel(right, y, colour);
    }
}

}  // namespace quarvel::ui::drawings
