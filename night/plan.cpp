// SPDX-License-Identifier: GPL-3.0-or-later
#include "night/plan.h"

#include <cmath>

namespace quarvel::night {

double siteNoon(const Site& site, int year, int month, int day) {
    return julianDateUtc(year, month, day, 12) - site.longitudeDeg / 360;
}

NightTimes nightTimes(const Site& site, double noon) {
    NightTimes night;
    night.from = noon;
    night.to = noon + 1;
    const Curve sun = sunAltitudeCurve(site, noon, false);
    // Each dawn is the first after its dusk: a night that starts before the
    // noon (the Sun already down) has its dusk at the start.
    const auto evening = [&](double level, std::optional<double>& dusk, std::optional<double>& dawn) {
        dusk = crossing(sun, night.from, night.to, level, false);
        dawn = crossing(sun, dusk.value_or(night.from), night.to, level, true);
    };
    evening(kSunHorizonDeg, night.sunset, night.sunrise);
    evening(kCivilDeg, night.civilDusk, night.civilDawn);
    evening(kNauticalDeg, night.nauticalDusk, night.nauticalDawn);
    evening(kAstronomicalDeg, night.astronomicalDusk, night.astronomicalDawn);
    night.sunUp = !night.sunset && sun(noon) > kSunHorizonDeg;
    return night;
}

double hoursAbove(const Curve& altitude, double from, double to, double levelDeg) {
    double hours = 0;
    double at = from;
    bool above = altitude(from) >= levelDeg;
    while (at < to) {
        const double next = crossing(altitude, at, to, levelDeg, !above).value_or(to);
        if (above) hours += (next - at) * 24;
        above = !above;
        at = next;
    }
    return hours;
}

double darkHoursAbove(const sky::Equatorial& position, const Site& site, double noon, double minimumDeg) {
    const Curve sun = sunAltitudeCurve(site, noon, false);
    const double end = noon + 1;
    // The dark part of the day: from the Sun's going below -18° (or the
    // noon when it is already there) to its coming back.
    const bool darkAtNoon = sun(noon) < kAstronomicalDeg;
    const auto dusk = darkAtNoon ? std::optional<double>(noon) : crossing(sun, noon, end, kAstronomicalDeg, false);
    if (!dusk) return 0;
    const double dawn = crossing(sun, *dusk, end, kAstronomicalDeg, true).value_or(end);
    return hoursAbove(altitudeCurve(position, site, *dusk), *dusk, dawn, minimumDeg);
}

std::array<double, 12> monthlyDarkHours(const sky::Equatorial& position, const Site& site, int year,
                                        double minimumDeg) {
    std::array<double, 12> hours{};
    for (int month = 1; month <= 12; ++month) {
        hours[static_cast<std::size_t>(month - 1)] =
            darkHoursAbove(position, site, siteNoon(site, year, month, 15), minimumDeg);
    }
    return hours;
}

std::vector<double> farthestFromSun(Planet planet, int year) {
    // Day by day, then to the hour about each day farther than both its
    // neighbours.
    const double start = julianDateUtc(year, 1, 1), end = julianDateUtc(year + 1, 1, 1);
    const auto elongation = [planet](double t) { return planetAt(planet, t).elongationDeg; };
    std::vector<double> found;
    double before = elongation(start - 1), now = elongation(start);
    for (double day = start; day < end; day += 1) {
        const double after = elongation(day + 1);
        if (now > before && now >= after) {
            double best = day, bestValue = now;
            for (double hour = day - 1; hour <= day + 1; hour += 1.0 / 24) {
                const double value = elongation(hour);
                if (value > bestValue) {
                    best = hour;
                    bestValue = value;
                }
            }
            if (best >= start && best < end) found.push_back(best);
        }
        before = now;
        now = after;
    }
    return found;
}

}  // namespace quarvel::night
