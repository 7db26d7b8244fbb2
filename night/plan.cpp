// SPDX-License-Identifier: GPL-3.0-or-later
#include "night/plan.h"

#include <algorithm>
#include <cmath>

namespace quarvel::night {

double siteNoon(const Site& site, int year, int month, int day) {
    return julianDateUtc(year, month, day, 12) - site.longitudeDeg / 360;
}

namespace {

std::optional<Span> darkSpan(const Curve& sun, double noon) {
    const double end = noon + 1;
    const auto dusk =
        sun(noon) < kAstronomicalDeg ? std::optional<double>(noon) : crossing(sun, noon, end, kAstronomicalDeg, false);
    if (!dusk) return std::nullopt;
    return Span{*dusk, crossing(sun, *dusk, end, kAstronomicalDeg, true).value_or(end)};
}

}  // namespace

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
    night.dark = darkSpan(sun, noon);
    return night;
}

double highestPoint(const Curve& altitude, double from, double to) {
    constexpr double kStep = 5.0 / 1440;
    double best = from, highest = altitude(from);
    for (double t = from + kStep; t <= to; t += kStep) {
        if (const double a = altitude(t); a > highest) {
            highest = a;
            best = t;
        }
    }
    // Golden sections about the highest sample.
    double lo = std::max(from, best - kStep), hi = std::min(to, best + kStep);
    while (hi - lo > 1.0 / 86400) {
        const double a = lo + (hi - lo) * 0.382, b = lo + (hi - lo) * 0.618;
        if (altitude(a) < altitude(b)) {
            lo = a;
        } else {
            hi = b;
        }
    }
    return (lo + hi) / 2;
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
    const auto dark = darkSpan(sunAltitudeCurve(site, noon, false), noon);
    if (!dark) return 0;
    return hoursAbove(altitudeCurve(position, site, dark->from), dark->from, dark->to, minimumDeg);
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
