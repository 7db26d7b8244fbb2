// SPDX-License-Identifier: GPL-3.0-or-later
// Tonight's targets: every object of the catalogue judged for the current
// setup, site and night, ranked by a score, and the user's filters.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogues/object_framing.h"
#include "catalogues/objects.h"
#include "night/targets.h"

namespace quarvel::ui {

// The kinds of objects the filter offers, in its list's order after "all".
enum class TargetKind { All, Galaxies, BrightNebulae, PlanetaryNebulae, Clusters, DarkNebulae };
TargetKind kindOf(const catalogues::DeepSkyObject& object);
// The catalogues the filter offers, by the prefix of their designations.
inline constexpr std::string_view kTargetCatalogues[] = {"M", "C", "NGC", "IC", "Sh2", "B", "LDN", "LBN", "vdB", "Arp",
                                                         "Cr", "Mel"};
bool inCatalogue(const catalogues::DeepSkyObject& object, std::string_view catalogue);

struct TargetFilters {
    TargetKind kind = TargetKind::All;
    double leastHours = 1;
    double fillFromPercent = 10;
    double fillToPercent = 100;
    std::string catalogue;  // empty: every catalogue
    int largestMosaic = 1;  // its side: 1 x 1 to 5 x 5
    double leastMoonDeg = 0;
};

// An object's night and framing.
struct Target {
    std::size_t row = 0;  // in the catalogue
    night::TargetNight night;
    // The share of the frame (or of the mosaic that holds it) its size takes
    // on the side that limits it, per cent; none when its size is unknown.
    std::optional<double> fillPercent;
    // The mosaic's side that holds it, 1 for one frame; none beyond 5 x 5.
    std::optional<catalogues::Panels> mosaic;
    double score = 0;
};

// The score a target is ranked by: its hours above the minimum in the
// astronomical night, times how well it fills its framing, times how
// little the Moon's light lies on it.
//   framing: one frame: the fill over 30 % (a target under 30 % of the frame
//            counts in proportion), at most 1; a mosaic of n panels: 1 / n;
//            a size unknown: 1/2; held by no mosaic: 0.
//   Moon:    1 - 3/4 x its lit fraction x cos(its distance), the cosine
//            taken as 0 beyond 90°: a full Moon beside the target leaves 1/4.
double targetScore(double darkHours, const std::optional<double>& fillPercent,
                   const std::optional<catalogues::Panels>& mosaic, double moonLit, double moonDistanceDeg);

// Every object of the catalogue for the setup's frame (rotation 0, the
// catalogue's 10 % overlap for mosaics up to 5 x 5) on the night, in the
// catalogue's order.
std::vector<Target> judgeTargets(const std::vector<catalogues::DeepSkyObject>& objects,
                                 const catalogues::SkyExtent& frame, const night::ManyTargets& night);

// Those the filters keep, their mosaic within the largest allowed, best
// score first, then the higher at its best hour.
std::vector<Target> keptTargets(const std::vector<Target>& all, const std::vector<catalogues::DeepSkyObject>& objects,
                                const TargetFilters& filters);

}  // namespace quarvel::ui
