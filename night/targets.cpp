// SPDX-License-Identifier: GPL-3.0-or-later
#include "night/targets.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace quarvel::night {

namespace {

// Degrees a UTC day of the Earth's rotation angle (IERS Conventions 2010, eq. 5.15).
constexpr double kEraDegPerDay = 360 * 1.00273781191135448;
constexpr double kQuarterHour = 1.0 / 96;

double pressureHpa(const Site& site) { return 1013.25 * std::exp(-site.altitudeM / (29.3 * 288.15)); }

std::array<double, 3> unit(const sky::Equatorial& p) {
    const double ra = p.raDeg * ERFA_DD2R, dec = p.decDeg * ERFA_DD2R;
    return {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
}

}  // namespace

struct ManyTargets::Context {
    eraASTROM astrom{};
};

ManyTargets::ManyTargets(const Site& site, double noon, double minimumDeg) : m_site(site) {
    const NightTimes times = nightTimes(site, noon);
    m_dark = times.dark;
    const double middle = m_dark ? (m_dark->from + m_dark->to) / 2 : noon + 0.5;
    m_illumination = night::moonIllumination(middle);
    // The minimum as seen is the geometric altitude plus the refraction there.
    double refa = 0, refb = 0;
    eraRefco(pressureHpa(site), 10, 0.5, 0.55, &refa, &refb);
    const double zenith = (90 - minimumDeg) * ERFA_DD2R;
    const double tz = std::tan(std::min(zenith, 89.0 * ERFA_DD2R));
    m_sinMinimum = std::sin(minimumDeg * ERFA_DD2R - (refa * tz + refb * tz * tz * tz));
    const double start = m_dark ? m_dark->from : noon;
    auto context = std::make_shared<Context>();
    const double whole = std::floor(start - 0.5) + 0.5;
    double eo = 0;
    eraApco13(whole, start - whole, 0, site.longitudeDeg * ERFA_DD2R, site.latitudeDeg * ERFA_DD2R, site.altitudeM, 0, 0,
              0, 10, 0.5, 0.55, &context->astrom, &eo);
    eraAper13(whole, start - whole, &context->astrom);  // UT1 - UTC left aside
    m_eralDeg = context->astrom.eral * ERFA_DR2D;
    m_context = std::move(context);
    if (m_dark) {
        for (double t = m_dark->from; t <= m_dark->to + kQuarterHour / 2; t += kQuarterHour) m_moon.push_back(unit(moonAt(t)));
    }
}

TargetNight ManyTargets::of(const sky::Equatorial& position) const {
    TargetNight night;
    double ri = 0, di = 0;
    eraAtciqz(position.raDeg * ERFA_DD2R, position.decDeg * ERFA_DD2R, const_cast<eraASTROM*>(&m_context->astrom), &ri, &di);
    const double phi = m_site.latitudeDeg * ERFA_DD2R;
    // The hour angle at the dark's start, degrees, and how far either side of 0 it may go.
    const double start = m_dark ? m_dark->from : 0;
    const double hourAngle0 = std::remainder(m_eralDeg - ri * ERFA_DR2D, 360.0);
    const double c = (m_sinMinimum - std::sin(phi) * std::sin(di)) / (std::cos(phi) * std::cos(di));
    const double limit = c <= -1 ? 180 : c >= 1 ? -1 : std::acos(c) * ERFA_DR2D;
    const auto altitudeAt = [&](double hourAngleDeg) {
        return std::asin(std::sin(phi) * std::sin(di) + std::cos(phi) * std::cos(di) * std::cos(hourAngleDeg * ERFA_DD2R)) *
               ERFA_DR2D;
    };
    if (!m_dark) return night;
    const double span = m_dark->to - m_dark->from;
    // The instants where the hour angle is within the limit: around each transit k (hour angle 0 + 360k).
    const double firstTransit = -hourAngle0 / kEraDegPerDay;  // days from the start, may be negative
    double hours = 0;
    double best = 0, bestHourAngle = 360;
    for (int k = -1; k <= 2; ++k) {
        const double transit = firstTransit + k * 360 / kEraDegPerDay;
        if (limit >= 0) {
            const double half = limit >= 180 ? 0.5 : limit / kEraDegPerDay;
            const double from = std::max(0.0, transit - half), to = std::min(span, transit + half);
            if (to > from) hours += (to - from) * 24;
        }
        // The best instant: the transit if in the dark, else the nearest end.
        const double at = std::clamp(transit, 0.0, span);
        const double hourAngle = std::abs(std::remainder(hourAngle0 + at * kEraDegPerDay, 360.0));
        if (hourAngle < bestHourAngle) {
            bestHourAngle = hourAngle;
            best = at;
        }
    }
    // Circumpolar above the minimum: the whole dark.
    night.darkHours = limit >= 180 ? span * 24 : std::min(hours, span * 24);
    night.bestJd = start + best;
    night.bestAltitudeDeg = altitudeAt(bestHourAngle);
    if (!m_moon.empty()) {
        const auto& moon = m_moon[std::min(m_moon.size() - 1, static_cast<std::size_t>(std::lround(best / kQuarterHour)))];
        const auto target = unit(position);
        const double dot = std::clamp(moon[0] * target[0] + moon[1] * target[1] + moon[2] * target[2], -1.0, 1.0);
        night.moonDistanceDeg = std::acos(dot) * ERFA_DR2D;
    }
    return night;
}

}  // namespace quarvel::night
