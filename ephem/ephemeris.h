// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace quarvel::ephem {

// The date the apparent diameters are computed for, at 0 h.
struct EphemerisDate {
    std::uint16_t day = 1;
    std::uint16_t month = 1;
    std::uint16_t year = 2000;
};

// The objects whose apparent diameter the program knows, in their rows' order.
enum class Body : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pleiades };
inline constexpr int kBodies = 10;

// How a body's distance is counted.
enum class DistanceUnit { None, AstronomicalUnit, Kilometre };

// The VSOP87 series of the bodies that have one.
enum VsopSeries : int { kEarthSeries = 0, kMarsSeries = 1, kJupiterSeries = 2, kSaturnSeries = 3 };

// What the program knows of a body.
struct BodyFacts {
    // The apparent diameter at one distance unit, in arc-seconds; for a body
    // with no distance, its diameter.
    double arcsecAtUnitDistance;
    DistanceUnit distanceUnit;
    int vsopSeries;                // -1: none
    int erfaPlanet;                // its number in ERFA's planetary theory when its distance comes from it; 0: none
    double rotationPeriodMinutes;  // 0: no exposure limit
    double polarOverEquatorial;    // the disc's flattening, drawn
    double ringsOverGlobe;         // 0: no rings
    bool dated;                    // its diameter changes with the date
};

const BodyFacts& factsOf(Body body);

// The unit the apparent diameter is shown in.
enum class DiameterUnit : char { Seconds = 'S', Minutes = 'M' };

struct ApparentDiameter {
    double arcsec = 0;
    double arcmin = 0;    // written for the Sun, the Moon and the Pleiades only
    double distance = 0;  // kilometres for the Moon, astronomical units otherwise
};

// Heliocentric ecliptic coordinates, mean ecliptic and equinox of the date.
struct HeliocentricPosition {
    double longitude = 0;  // radians, in [0, 2 pi)
    double latitude = 0;   // radians
    double radius = 0;     // astronomical units
};

struct TimeArguments {
    double jd = 0;
    double t = 0;    // Julian centuries from J2000.0
    double tau = 0;  // Julian millennia
    double t2 = 0;
    double t3 = 0;
    double t4 = 0;
};

// Apparent diameters at a distance of one unit, in arc-seconds.
inline constexpr double kSunArcsecAtOneAu = 1919.26;
inline constexpr double kMoonArcsecAtOneKm = 716946800;
inline constexpr double kMarsArcsecAtOneAu = 9.364;
inline constexpr double kJupiterArcsecAtOneAu = 196.88;
inline constexpr double kSaturnArcsecAtOneAu = 165.46;
inline constexpr double kPleiadesArcsec = 3600;
// Twice the semidiameters at 1 AU of the Astronomical Almanac's set that the
// three above follow (Meeus, Astronomical Algorithms, ch. 55, set B: 3.36",
// 8.34", 35.02" and 33.50"), as PJ Naughter's AA+ transcribes them:
// helixcn/skycalc, src/AADiameters.cpp, commit 9fb3b8d9d4b49612d53a3942c18274853fcde6f4.
inline constexpr double kMercuryArcsecAtOneAu = 6.72;
inline constexpr double kVenusArcsecAtOneAu = 16.68;
inline constexpr double kUranusArcsecAtOneAu = 70.04;
inline constexpr double kNeptuneArcsecAtOneAu = 67.00;
// Saturn's rings over the globe.
inline constexpr double kRingsOverGlobe = 2.258;

// The Julian day at 0 h of a Gregorian date (the Gregorian rule for every year).
double julianDay(int day, int month, int year);
// Degrees into [0, 360) for x >= 0, into (0, 360] for x < 0.
double normalizeDegrees(double x);
// x minus its integer part truncated toward zero.
double fractionalPart(double x);
TimeArguments timeArguments(double jd);
// From the abridged VSOP87 series of one body (a VsopSeries).
HeliocentricPosition computeHeliocentric(int series, double tau);
// The Moon's geocentric distance in kilometres, from its eleven largest terms.
double moonDistance(const TimeArguments& time);
// The body's apparent diameter on the date, and its distance.
void computeApparentDiameter(const EphemerisDate& date, Body body, ApparentDiameter& result);

}  // namespace quarvel::ephem
