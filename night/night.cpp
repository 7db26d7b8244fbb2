// SPDX-License-Identifier: GPL-3.0-or-later
#include "night/night.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <array>
#include <functional>
#include <map>
#include <memory>

namespace quarvel::night {

namespace {

constexpr double kEarthRadiusKm = 6378.137;
constexpr double kKmPerAu = 149597870.7;

// The day's two parts ERFA takes: whole and fraction.
struct TwoPart {
    double d1, d2;
};

TwoPart split(double jd) {
    const double whole = std::floor(jd - 0.5) + 0.5;
    return {whole, jd - whole};
}

TwoPart terrestrialTime(double jdUtc) {
    const TwoPart utc = split(jdUtc);
    double tai1 = 0, tai2 = 0, tt1 = 0, tt2 = 0;
    eraUtctai(utc.d1, utc.d2, &tai1, &tai2);
    eraTaitt(tai1, tai2, &tt1, &tt2);
    return {tt1, tt2};
}

// A standard atmosphere at the site's height: its pressure in hectopascals.
double pressureHpa(const Site& site) { return 1013.25 * std::exp(-site.altitudeM / (29.3 * 288.15)); }

struct Observed {
    double zenithDeg, hourAngleDeg;
};

// The site's astrometry about an instant, brought to other instants by the
// Earth's rotation alone.
class Observer {
public:
    Observer(const Site& site, double anchorJdUtc, bool refracted) {
        const TwoPart utc = split(anchorJdUtc);
        double eo = 0;
        eraApco13(utc.d1, utc.d2, 0, site.longitudeDeg * ERFA_DD2R, site.latitudeDeg * ERFA_DD2R, site.altitudeM, 0,
                  0, refracted ? pressureHpa(site) : 0, 10, 0.5, 0.55, &m_astrom, &eo);
    }
    Observed observe(const sky::Equatorial& position, double jdUtc) {
        const TwoPart ut1 = split(jdUtc);  // UT1 - UTC, under a second, is left aside
        eraAper13(ut1.d1, ut1.d2, &m_astrom);
        double ri = 0, di = 0, aob = 0, zob = 0, hob = 0, dob = 0, rob = 0;
        eraAtciqz(position.raDeg * ERFA_DD2R, position.decDeg * ERFA_DD2R, &m_astrom, &ri, &di);
        eraAtioq(ri, di, &m_astrom, &aob, &zob, &hob, &dob, &rob);
        return {zob * ERFA_DR2D, hob * ERFA_DR2D};
    }

private:
    eraASTROM m_astrom{};
};

// A body's geocentric vector over a night: computed on the hour and
// interpolated between, which holds the Sun and the Moon to well under an
// arc-second.
class Track {
public:
    explicit Track(std::function<void(double, double[3])> vector) : m_vector(std::move(vector)) {}
    void at(double jdUtc, double out[3]) {
        const double hours = jdUtc * 24;
        const double first = std::floor(hours);
        const auto& a = node(static_cast<long long>(first));
        const auto& b = node(static_cast<long long>(first) + 1);
        const double f = hours - first;
        for (int i = 0; i < 3; ++i) out[i] = a[i] + (b[i] - a[i]) * f;
    }

private:
    const std::array<double, 3>& node(long long hour) {
        auto found = m_nodes.find(hour);
        if (found == m_nodes.end()) {
            std::array<double, 3> v{};
            m_vector(static_cast<double>(hour) / 24, v.data());
            found = m_nodes.emplace(hour, v).first;
        }
        return found->second;
    }
    std::function<void(double, double[3])> m_vector;
    std::map<long long, std::array<double, 3>> m_nodes;
};

sky::Equatorial placeOf(const double v[3]) {
    double ra = 0, dec = 0;
    eraC2s(const_cast<double*>(v), &ra, &dec);
    return {eraAnp(ra) * ERFA_DR2D, dec * ERFA_DR2D};
}

// The Sun from the Earth's centre and the Moon from it, astronomical units.
void sunVector(double jdUtc, double sun[3]) {
    const TwoPart tt = terrestrialTime(jdUtc);
    double pvh[2][3], pvb[2][3];
    eraEpv00(tt.d1, tt.d2, pvh, pvb);
    for (int i = 0; i < 3; ++i) sun[i] = -pvh[0][i];
}

void moonVector(double jdUtc, double moon[3]) {
    const TwoPart tt = terrestrialTime(jdUtc);
    double pv[2][3];
    eraMoon98(tt.d1, tt.d2, pv);
    for (int i = 0; i < 3; ++i) moon[i] = pv[0][i];
}

// Seen from the site, the Moon stands lower than from the Earth's centre by
// its parallax in altitude.
double moonParallaxDeg(const double moon[3], double geocentricAltitudeDeg) {
    const double distanceKm = eraPm(const_cast<double*>(moon)) * kKmPerAu;
    return std::asin(kEarthRadiusKm / distanceKm * std::cos(geocentricAltitudeDeg * ERFA_DD2R)) * ERFA_DR2D;
}

}  // namespace

double julianDateUtc(int year, int month, int day, int hour, int minute, double second) {
    double d1 = 0, d2 = 0;
    eraDtf2d("UTC", year, month, day, hour, minute, second, &d1, &d2);
    return d1 + d2;
}

CivilTime civilTime(double jdUtc, int offsetMinutes) {
    // To the nearest minute, then split.
    const double minutes = std::round((jdUtc - 2400000.5) * 1440) + offsetMinutes;
    const double day = std::floor(minutes / 1440);
    int year = 0, month = 0, date = 0;
    double fraction = 0;
    eraJd2cal(2400000.5, day, &year, &month, &date, &fraction);
    const int ofDay = static_cast<int>(minutes - day * 1440);
    return {year, month, date, ofDay / 60, ofDay % 60};
}

double altitudeDeg(const sky::Equatorial& position, const Site& site, double jdUtc, bool refracted) {
    return 90 - Observer(site, jdUtc, refracted).observe(position, jdUtc).zenithDeg;
}

double hourAngleDeg(const sky::Equatorial& position, const Site& site, double jdUtc) {
    return std::remainder(Observer(site, jdUtc, false).observe(position, jdUtc).hourAngleDeg, 360.0);
}

sky::Equatorial sunAt(double jdUtc) {
    double sun[3];
    sunVector(jdUtc, sun);
    return placeOf(sun);
}

sky::Equatorial moonAt(double jdUtc) {
    double moon[3];
    moonVector(jdUtc, moon);
    return placeOf(moon);
}

double sunAltitudeDeg(const Site& site, double jdUtc, bool refracted) {
    return altitudeDeg(sunAt(jdUtc), site, jdUtc, refracted);
}

double moonAltitudeDeg(const Site& site, double jdUtc, bool refracted) {
    double moon[3];
    moonVector(jdUtc, moon);
    const double geocentric = altitudeDeg(placeOf(moon), site, jdUtc, refracted);
    return geocentric - moonParallaxDeg(moon, geocentric);
}

double moonIllumination(double jdUtc) {
    double sun[3], moon[3], toSun[3], toEarth[3];
    sunVector(jdUtc, sun);
    moonVector(jdUtc, moon);
    for (int i = 0; i < 3; ++i) {
        toSun[i] = sun[i] - moon[i];
        toEarth[i] = -moon[i];
    }
    // The phase angle, Sun - Moon - Earth.
    const double phase = eraSepp(toSun, toEarth);
    return (1 + std::cos(phase)) / 2;
}

Curve altitudeCurve(const sky::Equatorial& position, const Site& site, double anchor, bool refracted) {
    auto observer = std::make_shared<Observer>(site, anchor, refracted);
    return [observer, position](double t) { return 90 - observer->observe(position, t).zenithDeg; };
}

namespace {

// A body of the solar system followed hour by hour: its altitude, seen from
// the site when it is near enough for its parallax to count.
Curve trackedCurve(std::function<void(double, double[3])> vector, const Site& site, double anchor, bool refracted,
                   bool nearby) {
    auto observer = std::make_shared<Observer>(site, anchor, refracted);
    auto track = std::make_shared<Track>(std::move(vector));
    return [observer, track, nearby](double t) {
        double v[3];
        track->at(t, v);
        const double geocentric = 90 - observer->observe(placeOf(v), t).zenithDeg;
        return nearby ? geocentric - moonParallaxDeg(v, geocentric) : geocentric;
    };
}

}  // namespace

Curve sunAltitudeCurve(const Site& site, double anchor, bool refracted) {
    return trackedCurve(sunVector, site, anchor, refracted, false);
}

Curve moonAltitudeCurve(const Site& site, double anchor, bool refracted) {
    return trackedCurve(moonVector, site, anchor, refracted, true);
}

namespace {

// The light's time over an astronomical unit, in days.
constexpr double kLightDaysPerAu = 499.004783836 / 86400;

// A planet from the Earth's centre, as it is seen: where it was when the
// light left it. Astronomical units, J2000 axes.
void planetVector(Planet planet, double jdUtc, double out[3]) {
    const TwoPart tt = terrestrialTime(jdUtc);
    double earth[2][3], barycentric[2][3], body[2][3];
    eraEpv00(tt.d1, tt.d2, earth, barycentric);
    double lag = 0;
    for (int pass = 0; pass < 2; ++pass) {
        eraPlan94(tt.d1, tt.d2 - lag, static_cast<int>(planet), body);
        for (int i = 0; i < 3; ++i) out[i] = body[0][i] - earth[0][i];
        lag = eraPm(out) * kLightDaysPerAu;
    }
}

}  // namespace

PlanetPlace planetAt(Planet planet, double jdUtc) {
    double v[3], sun[3];
    planetVector(planet, jdUtc, v);
    sunVector(jdUtc, sun);
    return {placeOf(v), eraPm(v), eraSepp(v, sun) * ERFA_DR2D};
}

double saturnRingTiltDeg(double jdUtc) {
    // The rings' plane on the ecliptic and equinox of the date: its
    // inclination and ascending node (Meeus, Astronomical Algorithms, ch. 45,
    // as PJ Naughter's AA+ gives them: helixcn/skycalc, src/AASaturnRings.cpp,
    // commit 31a7d0c43d6af5de6a99e71ed707258966995578).
    const TwoPart tt = terrestrialTime(jdUtc);
    const double t = (tt.d1 - ERFA_DJ00 + tt.d2) / ERFA_DJC;
    const double inclination = (28.075216 - 0.012998 * t + 0.000004 * t * t) * ERFA_DD2R;
    const double node = (169.508470 + 1.394681 * t + 0.000412 * t * t) * ERFA_DD2R;
    double v[3], ecliptic[3], rotation[3][3];
    planetVector(Planet::Saturn, jdUtc, v);
    eraEcm06(tt.d1, tt.d2, rotation);
    eraRxp(rotation, v, ecliptic);
    double longitude = 0, latitude = 0;
    eraC2s(ecliptic, &longitude, &latitude);
    return std::asin(std::sin(inclination) * std::cos(latitude) * std::sin(longitude - node) -
                     std::cos(inclination) * std::sin(latitude)) *
           ERFA_DR2D;
}

Curve planetAltitudeCurve(Planet planet, const Site& site, double anchor, bool refracted) {
    return trackedCurve([planet](double t, double v[3]) { planetVector(planet, t, v); }, site, anchor, refracted,
                        false);
}

std::optional<double> crossing(const std::function<double(double)>& f, double from, double to, double level,
                               bool rising) {
    constexpr double kStep = 10.0 / 1440;
    constexpr double kSecond = 1.0 / 86400;
    double a = from, fa = f(a) - level;
    while (a < to) {
        const double b = std::min(a + kStep, to);
        const double fb = f(b) - level;
        if ((rising && fa < 0 && fb >= 0) || (!rising && fa > 0 && fb <= 0)) {
            double lo = a, hi = b, flo = fa;
            while (hi - lo > kSecond) {
                const double mid = (lo + hi) / 2;
                const double fm = f(mid) - level;
                if ((fm < 0) == (flo < 0)) {
                    lo = mid;
                    flo = fm;
                } else {
                    hi = mid;
                }
            }
            return (lo + hi) / 2;
        }
        a = b;
        fa = fb;
    }
    return std::nullopt;
}

Passage passage(const sky::Equatorial& position, const Site& site, double from, double to) {
    Passage p;
    const Curve altitude = altitudeCurve(position, site, from, false);
    p.rises = crossing(altitude, from, to, kStarHorizonDeg, true);
    p.sets = crossing(altitude, from, to, kStarHorizonDeg, false);
    // The hour angle goes through 0 upwards at the transit, and jumps from
    // 180 to -180 half a day later: only a small step counts.
    auto observer = std::make_shared<Observer>(site, from, false);
    const auto hourAngle = [&](double t) { return std::remainder(observer->observe(position, t).hourAngleDeg, 360.0); };
    for (double start = from; start < to;) {
        const auto found = crossing(hourAngle, start, to, 0, true);
        if (!found) break;
        if (std::abs(hourAngle(*found)) < 1) {
            p.transits = found;
            break;
        }
        start = *found + 1.0 / 1440;
    }
    return p;
}

}  // namespace quarvel::night
