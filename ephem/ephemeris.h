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

// The objects of the planet group, by row.
enum PlanetaryObject : int {
    kSun = 0,
    kMoon = 1,
    kMars = 2,
    kJupiter = 3,
    kSaturn = 4,
    kPleiades = 5,
    kManualValue = 6,
};

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

enum Body : int { kEarth = 0, kMarsBody = 1, kJupiterBody = 2, kSaturnBody = 3 };

// Apparent diameters at a distance of one unit, in arc-seconds.
inline constexpr double kSunArcsecAtOneAu = 1919.26;
inline constexpr double kMoonArcsecAtOneKm = 716946800;
inline constexpr double kMarsArcsecAtOneAu = 9.364;
inline constexpr double kJupiterArcsecAtOneAu = 196.88;
inline constexpr double kSaturnArcsecAtOneAu = 165.46;
inline constexpr double kPleiadesArcsec = 3600;
// Saturn's rings over the globe.
inline constexpr double kRingsOverGlobe = 2.258;

// The Julian day at 0 h of a Gregorian date (the Gregorian rule for every year).
double julianDay(int day, int month, int year);
// Degrees into [0, 360) for x >= 0, into (0, 360] for x < 0.
double normalizeDegrees(double x);
// x minus its integer part truncated toward zero.
double fractionalPart(double x);
TimeArguments timeArguments(double jd);
// Body 0 Earth, 1 Mars, 2 Jupiter, 3 Saturn, from the abridged VSOP87 series.
HeliocentricPosition computeHeliocentric(int body, double tau);
// The Moon's geocentric distance in kilometres, from its eleven largest terms.
double moonDistance(const TimeArguments& time);
// Sets result for objects 0 to 5; object 6 and anything outside 0..6 leave it as it was.
void computeApparentDiameter(const EphemerisDate& date, int object, ApparentDiameter& result);

}  // namespace quarvel::ephem
