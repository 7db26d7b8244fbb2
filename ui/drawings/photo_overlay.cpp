// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawings/photo_overlay.h"

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

void drawFrame(Bitmap& picture, const Box& frame, Colour colour) {
    // The outline runs along the box's first and last rows and columns.
    const int right = frame.right - 1;
    const int bottom = frame.bottom - 1;
    if (right < frame.left || bottom < frame.top) return;
    for (int x = frame.left; x <= right; ++x) {
        picture.setPixel(x, frame.top, colour);
        picture.setPixel(x, bottom, colour);
    }
    for (int y = frame.top; y <= bottom; ++y) {
        picture.setPixel(frame.left, y, colour);
        picture.setPixel(right, y, colour);
    }
}

}  // namespace quarvel::ui::drawings
