// SPDX-License-Identifier: GPL-3.0-or-later
// The sky over the user's site: a target's, the Sun's and the Moon's
// altitude at an instant, and the times of a night (rising, transit,
// setting, twilight). The astronomy (time scales, Earth rotation, precession,
// nutation, aberration, refraction, the Sun's and the Moon's places) is
// ERFA's, the IAU's SOFA routines.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "sky/coordinates.h"

namespace quarvel::night {

struct Site {
    std::string name;
    double latitudeDeg = 0;   // north
    double longitudeDeg = 0;  // east
    double altitudeM = 0;
};

// A UTC instant as a Julian date.
double julianDateUtc(int year, int month, int day, int hour = 0, int minute = 0, double second = 0);

// A UTC instant's civil date and time at `offsetMinutes` east of UTC.
struct CivilTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};
CivilTime civilTime(double jdUtc, int offsetMinutes = 0);

// A J2000 position's altitude above the site's horizon at a UTC instant,
// degrees; with the refraction of a standard atmosphere at the site's
// altitude when `refracted`, geometric otherwise.
double altitudeDeg(const sky::Equatorial& position, const Site& site, double jdUtc, bool refracted = true);
// Its hour angle, degrees, -180 to 180: 0 at the transit.
double hourAngleDeg(const sky::Equatorial& position, const Site& site, double jdUtc);

// The Sun's and the Moon's places, geocentric, on the J2000 (ICRS) axes.
sky::Equatorial sunAt(double jdUtc);
sky::Equatorial moonAt(double jdUtc);
// Their altitudes above the site's horizon, the Moon's seen from the site
// (its parallax taken off), degrees.
double sunAltitudeDeg(const Site& site, double jdUtc, bool refracted = true);
double moonAltitudeDeg(const Site& site, double jdUtc, bool refracted = true);
// The Moon's lit fraction, 0 to 1.
double moonIllumination(double jdUtc);

// The planets of ERFA's planetary theory, by its numbers.
enum class Planet : int { Mercury = 1, Venus = 2, Mars = 4, Jupiter = 5, Saturn = 6, Uranus = 7, Neptune = 8 };
// A planet seen from the Earth's centre at a UTC instant: its place (J2000,
// the light's time taken off), its distance in astronomical units and its
// angle from the Sun in degrees.
struct PlanetPlace {
    sky::Equatorial position;
    double distanceAu = 0;
    double elongationDeg = 0;
};
PlanetPlace planetAt(Planet planet, double jdUtc);
// The tilt of Saturn's rings towards the Earth at a UTC instant: the
// Saturnicentric latitude of the Earth on the rings' plane, degrees,
// positive when their northern face is seen.
double saturnRingTiltDeg(double jdUtc);
// Altitude as a function of the UTC instant (a Julian date), for the
// instants of a night or a day from `anchor`: the slow parts of the
// astrometry (precession, nutation, the Earth's motion) are computed once,
// the Earth's rotation at each instant, which makes a night's curve cheap.
using Curve = std::function<double(double jdUtc)>;
Curve altitudeCurve(const sky::Equatorial& position, const Site& site, double anchor, bool refracted = true);
Curve sunAltitudeCurve(const Site& site, double anchor, bool refracted = true);
Curve moonAltitudeCurve(const Site& site, double anchor, bool refracted = true);
Curve planetAltitudeCurve(Planet planet, const Site& site, double anchor, bool refracted = true);

// The altitudes at which the almanacs time events, geometric: a star's
// rising and setting (34' of refraction), the Sun's upper limb (16' more),
// and the three twilights' ends.
inline constexpr double kStarHorizonDeg = -34.0 / 60;
inline constexpr double kSunHorizonDeg = -50.0 / 60;
inline constexpr double kCivilDeg = -6, kNauticalDeg = -12, kAstronomicalDeg = -18;

// The first instant in [from, to] (Julian dates) at which `f` crosses
// `level` upwards (`rising`) or downwards, to a second; nothing when it does
// not. `f` is looked at every ten minutes, so a crossing and its return
// within ten minutes may be missed.
std::optional<double> crossing(const std::function<double(double)>& f, double from, double to, double level,
                               bool rising);

// A target's rising, transit and setting in [from, to]: rising and setting
// at kStarHorizonDeg, the transit when its hour angle goes through 0.
struct Passage {
    std::optional<double> rises, transits, sets;
};
Passage passage(const sky::Equatorial& position, const Site& site, double from, double to);

}  // namespace quarvel::night
