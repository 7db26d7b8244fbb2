// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/ephemeris.h"

#include <cmath>

#include "core/constants.h"
#include "ephem/vsop87_terms.h"
#include "night/night.h"

namespace quarvel::ephem {

namespace {

using core::kDegreesToRadians;
using core::kRadiansToDegrees;

// Int(x) of the almanacs: truncation toward zero.
double integerPart(double x) { return std::trunc(x); }

double seriesSum(int body, int series, double tau) {
    const VsopTerm* terms = kSeriesTerms[static_cast<std::size_t>(series)] + kTermStart[body][series];
    const int count = kTermCount[body][series];
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        sum += static_cast<double>(terms[i].a) *
               std::cos(static_cast<double>(terms[i].b) + static_cast<double>(terms[i].c) * tau);
    }
    return sum;
}

// (((((X5 tau + X4) tau + X3) tau + X2) tau + X1) tau + X0) / 1e8 for the six
// series starting at `first`.
double polynomial(int body, int first, double tau) {
    double value = 0;
    for (int n = 5; n >= 0; --n) value = value * tau + seriesSum(body, first + n, tau);
    return value / 1e8;
}

double radiansOfDegrees(double degrees) { return normalizeDegrees(degrees) * kDegreesToRadians; }

}  // namespace

double julianDay(int day, int month, int year) {
    int y = year;
    int m = month;
    if (month <= 2) {
        y = year - 1;
        m = month + 12;
    }
    const double a = integerPart(y / 100.0);
    const double b = 2 - a + integerPart(a / 4);
    return integerPart(365.25 * (y + 4716)) + integerPart(30.6001 * (m + 1)) + day + b - 1524.5;
}

double normalizeDegrees(double x) {
    double r = (x / 360 - integerPart(x / 360)) * 360;
    if (x < 0) r += 360;
    return r;
}

double fractionalPart(double x) { return x - integerPart(x); }

TimeArguments timeArguments(double jd) {
    TimeArguments time;
    time.jd = jd;
    time.t = (jd - 2451545) / 36525;
    time.tau = time.t / 10;
    time.t2 = time.t * time.t;
    time.t3 = time.t * time.t * time.t;
    time.t4 = time.t2 * time.t2;
    return time;
}

HeliocentricPosition computeHeliocentric(int body, double tau) {
    constexpr int kL = 0, kB = 6, kR = 12;
    HeliocentricPosition p;
    p.longitude = normalizeDegrees(polynomial(body, kL, tau) * kRadiansToDegrees) / kRadiansToDegrees;
    p.latitude = polynomial(body, kB, tau);
    p.radius = polynomial(body, kR, tau);
    return p;
}

double moonDistance(const TimeArguments& time) {
    const double t = time.t;
    const double d = radiansOfDegrees(297.8502042 + 445267.1115168 * t - 0.00163 * time.t2 + time.t3 / 545868 -
                                      time.t4 / 113065000);
    const double m = radiansOfDegrees(357.5291092 + 35999.0502909 * t - 0.0001536 * time.t2 + time.t3 / 24490000);
    const double mp = radiansOfDegrees(134.9634114 + 477198.8676313 * t + 0.008997 * time.t2 + time.t3 / 69699 -
                                       time.t4 / 14712000);
    const double sum = -20905355 * std::cos(mp) - 3699111 * std::cos(2 * d - mp) - 2955968 * std::cos(2 * d) -
                       569925 * std::cos(2 * mp) + 246158 * std::cos(2 * d - 2 * mp) -
                       204586 * std::cos(2 * d - m) - 170733 * std::cos(2 * d + mp) -
                       152138 * std::cos(2 * d - m - mp) - 129620 * std::cos(m - mp) + 108743 * std::cos(d) +
                       104755 * std::cos(m + mp);
    return 385000.56 + sum / 1000;
}

const BodyFacts& factsOf(Body body) {
    // The rotation periods of Mercury (58.6462 days), Venus (243.0185 days),
    // Uranus (17 h 14 min 24 s) and Neptune (16 h 6 min 36 s) are those of
    // the table "Rotation period of selected objects" of
    // https://academickids.com/encyclopedia/index.php/Rotational_period; their
    // discs are drawn round.
    static constexpr BodyFacts kFacts[kBodies] = {
        {kSunArcsecAtOneAu, DistanceUnit::AstronomicalUnit, -1, 0, 0, 1, 0, true},
        {kMoonArcsecAtOneKm, DistanceUnit::Kilometre, -1, 0, 0, 1, 0, true},
        {kMercuryArcsecAtOneAu, DistanceUnit::AstronomicalUnit, -1, 1, 58.6462 * 1440, 1, 0, true},
        {kVenusArcsecAtOneAu, DistanceUnit::AstronomicalUnit, -1, 2, 243.0185 * 1440, 1, 0, true},
        {kMarsArcsecAtOneAu, DistanceUnit::AstronomicalUnit, kMarsSeries, 0, 1477, 1, 0, true},
        {kJupiterArcsecAtOneAu, DistanceUnit::AstronomicalUnit, kJupiterSeries, 0, 590, 0.935, 0, true},
        {kSaturnArcsecAtOneAu, DistanceUnit::AstronomicalUnit, kSaturnSeries, 0, 632, 0.892, kRingsOverGlobe, true},
        {kUranusArcsecAtOneAu, DistanceUnit::AstronomicalUnit, -1, 7, 17 * 60 + 14.4, 1, 0, true},
        {kNeptuneArcsecAtOneAu, DistanceUnit::AstronomicalUnit, -1, 8, 16 * 60 + 6.6, 1, 0, true},
        {kPleiadesArcsec, DistanceUnit::None, -1, 0, 0, 1, 0, false},
    };
    return kFacts[static_cast<int>(body)];
}

void computeApparentDiameter(const EphemerisDate& date, Body body, ApparentDiameter& result) {
    const BodyFacts& facts = factsOf(body);
    if (facts.distanceUnit == DistanceUnit::None) {
        result.arcsec = facts.arcsecAtUnitDistance;
        result.arcmin = result.arcsec / 60;
        return;
    }
    const TimeArguments time = timeArguments(julianDay(date.day, date.month, date.year));
    const HeliocentricPosition earth = computeHeliocentric(kEarthSeries, time.tau);
    if (body == Body::Sun || body == Body::Moon) {
        result.distance = body == Body::Sun ? earth.radius : moonDistance(time);
        result.arcsec = facts.arcsecAtUnitDistance / result.distance;
        result.arcmin = result.arcsec / 60;
        return;
    }
    if (facts.erfaPlanet != 0) {
        // From ERFA's planetary theory, at the date's 0 h UTC.
        result.distance =
            night::planetAt(static_cast<night::Planet>(facts.erfaPlanet), night::julianDateUtc(date.year, date.month, date.day))
                .distanceAu;
        result.arcsec = facts.arcsecAtUnitDistance / result.distance;
        return;
    }
    const HeliocentricPosition planet = computeHeliocentric(facts.vsopSeries, time.tau);
    const double x = planet.radius * std::cos(planet.latitude) * std::cos(planet.longitude) -
                     earth.radius * std::cos(earth.latitude) * std::cos(earth.longitude);
    const double y = planet.radius * std::cos(planet.latitude) * std::sin(planet.longitude) -
                     earth.radius * std::cos(earth.latitude) * std::sin(earth.longitude);
    const double z = planet.radius * std::sin(planet.latitude) - earth.radius * std::sin(earth.latitude);
    result.distance = std::sqrt(x * x + y * y + z * z);
    result.arcsec = facts.arcsecAtUnitDistance / result.distance;
}

}  // namespace quarvel::ephem
