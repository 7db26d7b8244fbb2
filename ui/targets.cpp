// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/targets.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarvel::ui {

namespace {

// The overlap the panels' field starts with.
constexpr double kMosaicOverlapPercent = 10;

bool oneOf(std::string_view type, std::initializer_list<std::string_view> types) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

}  // namespace

TargetKind kindOf(const catalogues::DeepSkyObject& object) {
    const std::string_view type = object.type;
    if (oneOf(type, {"galaxy", "interacting galaxy", "galaxy pair", "active galaxy", "galaxy group", "galaxy triplet"})) {
        return TargetKind::Galaxies;
    }
    if (oneOf(type, {"hii region", "emission nebula", "reflection nebula", "nebula", "cluster with nebula",
                     "supernova remnant"})) {
        return TargetKind::BrightNebulae;
    }
    if (type == "planetary nebula") return TargetKind::PlanetaryNebulae;
    if (oneOf(type, {"open cluster", "globular cluster", "star cluster", "stellar association"})) return TargetKind::Clusters;
    if (oneOf(type, {"dark nebula", "molecular cloud"})) return TargetKind::DarkNebulae;
    return TargetKind::All;  // stars and others: kept only when every kind is
}

bool inCatalogue(const catalogues::DeepSkyObject& object, std::string_view catalogue) {
    if (catalogue.empty()) return true;
    const auto starts = [catalogue](std::string_view designation) {
        return designation.starts_with(catalogue) && designation.size() > catalogue.size() &&
               (designation[catalogue.size()] == ' ' || designation[catalogue.size()] == '-' ||
                std::isdigit(static_cast<unsigned char>(designation[catalogue.size()])));
    };
    if (starts(object.m) || starts(object.c) || starts(object.ngc) || starts(object.ic)) return true;
    return std::any_of(object.other.begin(), object.other.end(), starts);
}

double targetScore(double darkHours, const std::optional<double>& fillPercent,
                   const std::optional<catalogues::Panels>& mosaic, double moonLit, double moonDistanceDeg) {
    double framing = 0.5;
    if (fillPercent && mosaic) {
        const int panels = mosaic->x * mosaic->y;
        framing = panels == 1 ? std::min(1.0, *fillPercent / 30) : 1.0 / panels;
    } else if (fillPercent) {
        framing = 0;
    }
    const double near = std::max(0.0, std::cos(moonDistanceDeg * std::numbers::pi / 180));
    return darkHours * framing * (1 - 0.75 * moonLit * near);
}

std::vector<Target> judgeTargets(const std::vector<catalogues::DeepSkyObject>& objects,
                                 const catalogues::SkyExtent& frame, const night::ManyTargets& night) {
    std::vector<Target> all;
    all.reserve(objects.size());
    for (std::size_t row = 0; row < objects.size(); ++row) {
        const auto& object = objects[row];
        Target target;
        target.row = row;
        target.night = night.of({object.raDeg, object.decDeg});
        catalogues::Framing framing;
        framing.frame = frame;
        framing.overlapPercent = kMosaicOverlapPercent;
        if (const auto fit = catalogues::fitObject(object, framing)) {
            target.fillPercent = fit->fill * 100;
            if (fit->fits) {
                target.mosaic = catalogues::Panels{1, 1};
            } else if (fit->advised) {
                target.mosaic = fit->advised;
                framing.panelsX = fit->advised->x;
                framing.panelsY = fit->advised->y;
                if (const auto held = catalogues::fitObject(object, framing)) target.fillPercent = held->fill * 100;
            }
        }
        target.score = targetScore(target.night.darkHours, target.fillPercent, target.mosaic, night.moonIllumination(),
                                   target.night.moonDistanceDeg);
        all.push_back(target);
    }
    return all;
}

std::vector<Target> keptTargets(const std::vector<Target>& all, const std::vector<catalogues::DeepSkyObject>& objects,
                                const TargetFilters& filters) {
    std::vector<Target> kept;
    for (const Target& target : all) {
        const auto& object = objects[target.row];
        if (filters.kind != TargetKind::All && kindOf(object) != filters.kind) continue;
        if (!inCatalogue(object, filters.catalogue)) continue;
        if (target.night.darkHours < filters.leastHours || target.night.darkHours <= 0) continue;
        if (target.night.moonDistanceDeg < filters.leastMoonDeg) continue;
        if (target.fillPercent) {
            if (!target.mosaic || target.mosaic->x > filters.largestMosaic || target.mosaic->y > filters.largestMosaic) continue;
            if (*target.fillPercent < filters.fillFromPercent || *target.fillPercent > filters.fillToPercent) continue;
        }
        kept.push_back(target);
    }
    // Equal scores (targets up all night that fill the frame well): the
    // higher at its best hour first.
    std::stable_sort(kept.begin(), kept.end(), [](const Target& a, const Target& b) {
        return a.score != b.score ? a.score > b.score : a.night.bestAltitudeDeg > b.night.bestAltitudeDeg;
    });
    return kept;
}

}  // namespace quarvel::ui
