// SPDX-License-Identifier: GPL-3.0-or-later
// The stars the sky chart draws: the Hipparcos compilation XHIP (Anderson &
// Francis 2012, VizieR V/137D), 118,216 stars to V = 13.78, made into
// data/stars/stars.bin by tools/make_stars.py, which gives its layout.
//
// Positions are J2000 at epoch J2000 to 1e-4 degree (0.36"); proper motion
// is not applied, so a fast star (Barnard's, 10"/year) is drawn where it was
// in 2000. Magnitudes are Johnson V to a hundredth.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "sky/coordinates.h"

namespace quarvel::catalogues {

struct Star {
    double raDeg = 0;
    double decDeg = 0;
    double vmag = 0;
    std::optional<double> bMinusV;
    std::uint32_t hip = 0;
};

// The file is about 1.9 MB: a far larger one is no star file of ours.
inline constexpr std::size_t kMostStarFileBytes = 4 << 20;

class StarCatalogue {
public:
    // The stars of the file's bytes; nothing when they are not a whole star
    // file of this layout with every value in its range.
    static std::optional<StarCatalogue> read(std::string_view bytes);

    std::size_t size() const { return m_rows.size(); }
    double faintest() const { return m_faintest; }
    Star star(std::size_t index) const;

    // Calls `visit(star)` for each star of magnitude `faintest` or brighter
    // within `radiusDeg` of `centre` (and a little beyond: the caller
    // clips), zone by zone of declination, by right ascension within a zone.
    template <typename Visit>
    void forEachNear(const sky::Equatorial& centre, double radiusDeg, double faintest, Visit&& visit) const;

    // How many stars of the file lie inside the quadrilateral of sky points
    // given in order around it (each side less than 90 degrees long).
    std::size_t countInside(const std::array<sky::Equatorial, 4>& corners) const;

private:
    struct Row {
        std::uint32_t ra;  // 1e-4 degree
        std::int32_t dec;
        std::int16_t vmag;  // hundredths
        std::int16_t bMinusV;
        std::uint32_t hip;
    };
    static constexpr int kZones = 180;
    // Rows of zone z: m_starts[z] to m_starts[z + 1] - 1, by right ascension.
    std::array<std::uint32_t, kZones + 1> m_starts{};
    std::vector<Row> m_rows;
    double m_faintest = 0;

    // The rows of zone `zone` whose right ascension lies in [from, to) (1e-4 degree).
    std::pair<std::size_t, std::size_t> span(int zone, std::uint32_t from, std::uint32_t to) const;
    template <typename Visit>
    void visitRows(std::size_t first, std::size_t last, std::int16_t faintest, Visit& visit) const {
        for (std::size_t i = first; i < last; ++i) {
            if (m_rows[i].vmag <= faintest) visit(star(i));
        }
    }
};

template <typename Visit>
void StarCatalogue::forEachNear(const sky::Equatorial& centre, double radiusDeg, double faintest, Visit&& visit) const {
    const auto limit = static_cast<std::int16_t>(std::clamp(faintest * 100, -3000.0, 3000.0));
    const int low = std::clamp(static_cast<int>(std::floor(centre.decDeg - radiusDeg + 90)), 0, kZones - 1);
    const int high = std::clamp(static_cast<int>(std::floor(centre.decDeg + radiusDeg + 90)), 0, kZones - 1);
    // The cap's widest reach in right ascension, from the right spherical
    // triangle of the pole, the centre and the point where a meridian touches
    // the cap: sin(reach) = sin(radius) / cos(declination). A cap over a pole
    // takes every right ascension.
    const double sine = std::sin(radiusDeg * std::numbers::pi / 180) / std::cos(centre.decDeg * std::numbers::pi / 180);
    const bool everyRa = std::abs(centre.decDeg) + radiusDeg >= 90 || radiusDeg >= 90 || !(sine < 1);
    const double reach = everyRa ? 180 : std::asin(sine) * 180 / std::numbers::pi + 1e-3;
    for (int zone = low; zone <= high; ++zone) {
        if (everyRa) {
            visitRows(m_starts[zone], m_starts[zone + 1], limit, visit);
            continue;
        }
        double from = centre.raDeg - reach, to = centre.raDeg + reach;
        const auto units = [](double deg) { return static_cast<std::uint32_t>(std::clamp(deg, 0.0, 360.0) * 10000); };
        if (from < 0) {
            const auto [a, b] = span(zone, units(from + 360), 3600000);
            visitRows(a, b, limit, visit);
            from = 0;
        }
        if (to > 360) {
            const auto [a, b] = span(zone, 0, units(to - 360));
            visitRows(a, b, limit, visit);
            to = 360;
        }
        const auto [a, b] = span(zone, units(from), units(to));
        visitRows(a, b, limit, visit);
    }
}

}  // namespace quarvel::catalogues
