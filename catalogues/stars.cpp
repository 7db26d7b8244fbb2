// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/stars.h"

#include <algorithm>
#include <cstring>

#include "sky/projection.h"

namespace quarvel::catalogues {

namespace {

constexpr std::string_view kMagic = "QVSTARS1";
constexpr std::int16_t kNoColour = -32768;

template <typename T>
T readAt(std::string_view bytes, std::size_t at) {
    T value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

}  // namespace

std::optional<StarCatalogue> StarCatalogue::read(std::string_view bytes) {
    constexpr std::size_t kHeader = kMagic.size() + 4 + 4 * (kZones + 1);
    constexpr std::size_t kRowBytes = 16;
    if (bytes.size() < kHeader || !bytes.starts_with(kMagic)) return std::nullopt;
    const auto count = readAt<std::uint32_t>(bytes, kMagic.size());
    if ((bytes.size() - kHeader) / kRowBytes != count || (bytes.size() - kHeader) % kRowBytes != 0) return std::nullopt;
    StarCatalogue catalogue;
    for (int z = 0; z <= kZones; ++z) {
        catalogue.m_starts[static_cast<std::size_t>(z)] = readAt<std::uint32_t>(bytes, kMagic.size() + 4 + 4 * static_cast<std::size_t>(z));
    }
    if (catalogue.m_starts.front() != 0 || catalogue.m_starts.back() != count ||
        !std::is_sorted(catalogue.m_starts.begin(), catalogue.m_starts.end())) {
        return std::nullopt;
    }
    catalogue.m_rows.resize(count);
    std::int16_t faintest = -32768;
    for (int z = 0; z < kZones; ++z) {
        std::uint32_t previousRa = 0;
        for (std::uint32_t i = catalogue.m_starts[static_cast<std::size_t>(z)]; i < catalogue.m_starts[static_cast<std::size_t>(z) + 1]; ++i) {
            const std::size_t at = kHeader + kRowBytes * i;
            Row row{readAt<std::uint32_t>(bytes, at), readAt<std::int32_t>(bytes, at + 4), readAt<std::int16_t>(bytes, at + 8),
                    readAt<std::int16_t>(bytes, at + 10), readAt<std::uint32_t>(bytes, at + 12)};
            // Each star in its zone, in order, and of a magnitude stars have.
            const int zone = std::min(kZones - 1, (row.dec + 900000) / 10000);
            if (row.ra >= 3600000 || row.dec < -900000 || row.dec > 900000 || zone != z || row.ra < previousRa ||
                row.vmag < -3000 || row.vmag > 3000) {
                return std::nullopt;
            }
            previousRa = row.ra;
            faintest = std::max(faintest, row.vmag);
            catalogue.m_rows[i] = row;
        }
    }
    catalogue.m_faintest = faintest / 100.0;
    return catalogue;
}

Star StarCatalogue::star(std::size_t index) const {
    const Row& row = m_rows[index];
    Star star;
    star.raDeg = row.ra / 1e4;
    star.decDeg = row.dec / 1e4;
    star.vmag = row.vmag / 100.0;
    if (row.bMinusV != kNoColour) star.bMinusV = row.bMinusV / 1000.0;
    star.hip = row.hip;
    return star;
}

std::pair<std::size_t, std::size_t> StarCatalogue::span(int zone, std::uint32_t from, std::uint32_t to) const {
    const auto begin = m_rows.begin() + m_starts[static_cast<std::size_t>(zone)];
    const auto end = m_rows.begin() + m_starts[static_cast<std::size_t>(zone) + 1];
    const auto byRa = [](const Row& row, std::uint32_t ra) { return row.ra < ra; };
    const auto first = std::lower_bound(begin, end, from, byRa);
    const auto last = std::lower_bound(first, end, to, byRa);
    return {static_cast<std::size_t>(first - m_rows.begin()), static_cast<std::size_t>(last - m_rows.begin())};
}

std::size_t StarCatalogue::countInside(const std::array<sky::Equatorial, 4>& corners) const {
    // On the tangent plane about the corners' middle, where great circles are straight.
    double x = 0, y = 0, z = 0;
    for (const auto& c : corners) {
        const double ra = c.raDeg * std::numbers::pi / 180, dec = c.decDeg * std::numbers::pi / 180;
        x += std::cos(dec) * std::cos(ra);
        y += std::cos(dec) * std::sin(ra);
        z += std::sin(dec);
    }
    const sky::Equatorial middle{sky::normalizedDeg(std::atan2(y, x) * 180 / std::numbers::pi),
                                 std::atan2(z, std::hypot(x, y)) * 180 / std::numbers::pi};
    std::array<sky::PlanePoint, 4> plane;
    double radius = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const auto p = sky::project(middle, corners[i]);
        if (!p) return 0;
        plane[i] = *p;
        radius = std::max(radius, sky::separationDeg(middle, corners[i]));
    }
    std::size_t inside = 0;
    forEachNear(middle, radius, 99, [&](const Star& star) {
        const auto p = sky::project(middle, {star.raDeg, star.decDeg});
        if (!p) return;
        if (!sky::insideQuadrilateral(plane, *p)) return;
        ++inside;
    });
    return inside;
}

}  // namespace quarvel::catalogues
