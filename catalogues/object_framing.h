// SPDX-License-Identifier: GPL-3.0-or-later
// Framing an object in a photo's field: whether it fits, and the mosaic that
// would hold it.
#pragma once

#include <optional>

#include "catalogues/objects.h"
#include "core/errors.h"
#include "core/parse.h"

namespace quarvel::catalogues {

// A size on the sky, arc-minutes: along the frame's horizontal side and its
// vertical side.
struct SkyExtent {
    double widthArcmin = 0;
    double heightArcmin = 0;
};

struct Framing {
    SkyExtent frame;  // one frame of the sensor
    // The frame's turn on the sky: the position angle of its top side, from
    // north through east. At 0 north is up and the width runs east-west.
    double rotationDeg = 0;
    int panelsX = 1;  // 1 to kMaxPanels
    int panelsY = 1;
    double overlapPercent = 0;  // of a frame's side shared by neighbours, 0 to below 100
};

inline constexpr int kMaxPanels = 5;
// What the mosaic's fields take: panels across or down, and the overlap in per cent.
inline constexpr core::NumberDomain kPanelsDomain{true, 1, kMaxPanels, false, false};
inline constexpr core::NumberDomain kOverlapDomain{false, 0, 100, false, true};

struct Panels {
    int x = 1;
    int y = 1;
    bool operator==(const Panels&) const = default;
};

// The field a mosaic covers: nx frames less the nx - 1 overlaps across,
// likewise down. Fails with the range-check error for panels outside 1 to
// kMaxPanels, an overlap outside 0 to below 100 or a frame side not above 0.
SkyExtent mosaicField(const Framing& framing);

// The shape an object is framed, drawn and described by: the catalogue's
// axes and position angle, mended where the source gets them wrong. A
// globular cluster is round, whatever a catalogue gives it (M 13 at 20' x
// 7.9'), and axes given the wrong way round (a minor axis larger than the
// major, as for a few planetary nebulae) are swapped, their angle then
// unknown. Nothing when the size is unknown.
struct ObjectShape {
    double majorArcmin = 0;
    double minorArcmin = 0;  // the major one where unknown
    std::optional<double> positionAngleDeg{};
};
std::optional<ObjectShape> shapeOf(const DeepSkyObject& object);

// The box, along the frame's sides, around the object's ellipse turned by its
// position angle against the frame's rotation; nothing when its size is
// unknown. Without a position angle or a minor axis the object is taken as a
// disc of its major axis: only a field that holds it however it lies is sure
// to hold it.
std::optional<SkyExtent> objectBox(const DeepSkyObject& object, double rotationDeg);

struct FitResult {
    SkyExtent field{};  // of the mosaic, one frame for 1 x 1
    SkyExtent box{};    // the object's, as objectBox gives it
    bool fits = false;
    // The larger of the box's width over the field's and its height over the
    // field's: how much of the side that limits the framing the object takes;
    // above 1 it does not fit.
    double fill = 0;
    // When it does not fit: the mosaic of fewest panels, then fewest across,
    // that holds it with the same rotation and overlap; nothing beyond
    // kMaxPanels x kMaxPanels.
    std::optional<Panels> advised{};
};

// Nothing when the object's size is unknown.
std::optional<FitResult> fitObject(const DeepSkyObject& object, const Framing& framing);

// The rotation, whole degrees from 0 to 179, at which the object fits the
// framing's mosaic with the most room; nothing when it fits at none.
std::optional<double> fittingAngle(const DeepSkyObject& object, const Framing& framing);

// The photo field's line about the object, in French, sizes in whole
// arc-minutes (one decimal below 10'):
// "M 31 : 178' x 63' — champ 96' x 64' — ne tient pas : mosaïque 2 x 1 conseillée".
core::Message fitLine(const DeepSkyObject& object, const Framing& framing);

}  // namespace quarvel::catalogues
