// SPDX-License-Identifier: GPL-3.0-or-later
// One night for thousands of fixed targets at once: the hours each stays at
// or above the minimum altitude in the astronomical night, its best hour
// there, and the Moon's distance from it then. The astronomical night is
// the night plan's (nightTimes); each target's hours come from the limits of
// its hour angle against the night's Earth rotation, so that a whole
// catalogue takes milliseconds where its altitude curves would take seconds.
//
// Given: the site, the noon that starts the night (siteNoon), the minimum
// altitude (degrees, as seen: refracted).
// Returns, for a J2000 place: the hours (0 to 24), the best instant (UTC
// Julian date: the transit when it falls in the dark, else the dark's end
// nearest it) and the altitude then (geometric, degrees), the Moon's
// distance then (degrees, to the nearest quarter hour's Moon).
//
// Notes: the target's place is brought to the date once (ERFA's ICRS to
// CIRS, eraAtciqz: precession, nutation, aberration); the Earth's rotation
// then runs at its mean rate (ERFA's ERA rate) through the night, and polar
// motion and UT1 - UTC (under a second) are left aside. The minimum is
// taken off its refraction by ERFA's model (eraRefco at the site's standard
// pressure, 10 °C, 50 % humidity, 0.55 µm), as the night's curves are.
// Against those curves the hours agree within a minute
// (night/tests/targets_test.cpp).
// Reference: Astronomical Almanac, "hour angle of rising" (cos H0 =
// (sin h - sin φ sin δ) / (cos φ cos δ)); IERS Conventions (2010), eq. 5.15
// (ERA rate 1.00273781191135448 turns a UT1 day).
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "night/plan.h"

namespace quarvel::night {

struct TargetNight {
    double darkHours = 0;
    double bestJd = 0;
    double bestAltitudeDeg = -90;
    double moonDistanceDeg = 180;
};

class ManyTargets {
public:
    ManyTargets(const Site& site, double noon, double minimumDeg);
    // The astronomical night; none where the Sun does not go so low.
    const std::optional<Span>& dark() const { return m_dark; }
    // The Moon's lit fraction in the middle of the night (of the day without one).
    double moonIllumination() const { return m_illumination; }
    TargetNight of(const sky::Equatorial& position) const;

private:
    Site m_site;
    std::optional<Span> m_dark;
    double m_illumination = 0;
    double m_sinMinimum = 0;  // of the geometric minimum altitude
    // The local Earth rotation angle at the dark's start, degrees; the
    // ICRS-to-CIRS context there.
    double m_eralDeg = 0;
    struct Context;
    std::shared_ptr<const Context> m_context;
    // The Moon's unit vector every quarter hour of the dark.
    std::vector<std::array<double, 3>> m_moon;
};

}  // namespace quarvel::night
