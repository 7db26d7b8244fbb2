// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/object_framing.h"

#include <algorithm>
#include <cmath>

#include "catalogues/messages.h"
#include "core/constants.h"
#include "core/number_format.h"

namespace quarvel::catalogues {

namespace {

using core::Message;

// Sizes equal but for rounding (2 x 96' less 20 % of 96') still fit.
constexpr double kFitTolerance = 1e-9;

double across(int panels, double sideArcmin, double overlapPercent) {
    return panels * sideArcmin - (panels - 1) * sideArcmin * overlapPercent / 100;
}

double fillOf(const SkyExtent& box, const SkyExtent& field) {
    return std::max(box.widthArcmin / field.widthArcmin, box.heightArcmin / field.heightArcmin);
}

bool fitsIn(const SkyExtent& box, const SkyExtent& field) { return fillOf(box, field) <= 1 + kFitTolerance; }

std::optional<Panels> advisedPanels(const SkyExtent& box, Framing framing) {
    for (int count = 1; count <= kMaxPanels * kMaxPanels; ++count) {
        for (int x = 1; x <= kMaxPanels; ++x) {
            if (count % x != 0 || count / x > kMaxPanels) continue;
            framing.panelsX = x;
            framing.panelsY = count / x;
            if (fitsIn(box, mosaicField(framing))) return Panels{x, count / x};
        }
    }
    return std::nullopt;
}

// Whole arc-minutes, one decimal below 10' ("5.6", "8", "178").
Message arcmin(double value) {
    if (value >= 10) return Message::data(core::wholeText(value));
    std::string text = core::fixed(value, 15, 1);
    if (text.ends_with(".0")) text.resize(text.size() - 2);
    return Message::data(text);
}

Message whole(int value) { return Message::data(std::to_string(value)); }

// Whole per cent; "< 1" for a speck that would read 0.
Message percent(double fill) {
    return Message::data(fill * 100 < 0.5 ? std::string("< 1") : core::wholeText(fill * 100));
}

Message sizeOf(const ObjectShape& o) {
    if (o.minorArcmin == o.majorArcmin) return Message(kDiameterText, {arcmin(o.majorArcmin)});
    return Message(o.positionAngleDeg ? kAxesText : kAxesNoAngleText, {arcmin(o.majorArcmin), arcmin(o.minorArcmin)});
}

Message fieldOf(const Framing& f, const SkyExtent& mosaic) {
    const SkyExtent& frame = f.frame;
    if (f.panelsX == 1 && f.panelsY == 1) {
        return Message(kFrameFieldText, {arcmin(frame.widthArcmin), arcmin(frame.heightArcmin)});
    }
    return Message(kMosaicFieldText, {arcmin(frame.widthArcmin), arcmin(frame.heightArcmin), whole(f.panelsX),
                                      whole(f.panelsY), arcmin(mosaic.widthArcmin), arcmin(mosaic.heightArcmin)});
}

Message verdictOf(const FitResult& fit, bool mosaic) {
    if (fit.fits) return Message(mosaic ? kFitsMosaicText : kFitsFrameText, {percent(fit.fill)});
    if (fit.advised) return Message(kAdvisedMosaicText, {whole(fit.advised->x), whole(fit.advised->y)});
    return Message(kTooLargeText, {whole(kMaxPanels), whole(kMaxPanels)});
}

}  // namespace

SkyExtent mosaicField(const Framing& f) {
    const auto sideOk = [](double side) { return std::isfinite(side) && side > 0; };
    if (!kPanelsDomain.contains(f.panelsX) || !kPanelsDomain.contains(f.panelsY) ||
        !kOverlapDomain.contains(f.overlapPercent) ||
        !sideOk(f.frame.widthArcmin) || !sideOk(f.frame.heightArcmin)) {
        core::throwRangeCheck();
    }
    return {across(f.panelsX, f.frame.widthArcmin, f.overlapPercent),
            across(f.panelsY, f.frame.heightArcmin, f.overlapPercent)};
}

std::optional<ObjectShape> shapeOf(const DeepSkyObject& object) {
    if (!object.majorArcmin) return std::nullopt;
    ObjectShape shape{*object.majorArcmin, object.minorArcmin.value_or(*object.majorArcmin), object.positionAngleDeg};
    if (shape.minorArcmin > shape.majorArcmin) {
        std::swap(shape.majorArcmin, shape.minorArcmin);
        shape.positionAngleDeg.reset();
    }
    if (object.type == "globular cluster") {
        shape.minorArcmin = shape.majorArcmin;
        shape.positionAngleDeg.reset();
    }
    return shape;
}

std::optional<SkyExtent> objectBox(const DeepSkyObject& object, double rotationDeg) {
    const auto shape = shapeOf(object);
    if (!shape) return std::nullopt;
    const double major = shape->majorArcmin;
    if (!shape->positionAngleDeg) return SkyExtent{major, major};
    // The major axis's angle from the frame's vertical side.
    const double turn = (*shape->positionAngleDeg - rotationDeg) * core::kDegreesToRadians;
    const double a = major / 2;
    const double b = shape->minorArcmin / 2;
    const double sin = std::sin(turn);
    const double cos = std::cos(turn);
    return SkyExtent{2 * std::hypot(a * sin, b * cos), 2 * std::hypot(a * cos, b * sin)};
}

std::optional<FitResult> fitObject(const DeepSkyObject& object, const Framing& framing) {
    const SkyExtent field = mosaicField(framing);
    const auto box = objectBox(object, framing.rotationDeg);
    if (!box) return std::nullopt;
    FitResult fit{field, *box};
    fit.fill = fillOf(*box, field);
    fit.fits = fitsIn(*box, field);
    if (!fit.fits) fit.advised = advisedPanels(*box, framing);
    return fit;
}

Message fitLine(const DeepSkyObject& object, const Framing& framing) {
    const Message name = Message::data(designation(object));
    const auto fit = fitObject(object, framing);
    const Message field = fieldOf(framing, mosaicField(framing));
    if (!fit) return Message(kUnknownSizeLine, {name, field});
    const bool mosaic = framing.panelsX * framing.panelsY > 1;
    return Message(kFitLine, {name, sizeOf(*shapeOf(object)), field, verdictOf(*fit, mosaic)});
}

std::optional<double> fittingAngle(const DeepSkyObject& object, const Framing& framing) {
    std::optional<double> best;
    double leastFill = 1;
    for (int angle = 0; angle < 180; ++angle) {
        Framing turned = framing;
        turned.rotationDeg = angle;
        const auto fit = fitObject(object, turned);
        if (fit && fit->fits && fit->fill < leastFill) {
            leastFill = fit->fill;
            best = angle;
        }
    }
    return best;
}

}  // namespace quarvel::catalogues
