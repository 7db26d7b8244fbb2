// SPDX-License-Identifier: GPL-3.0-or-later
// A night planned from the user's site: the Sun's times about a date, the
// hours a target stays high enough in the dark, the planets' places, and the
// year month by month.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "night/night.h"

namespace quarvel::night {

// The site's mean noon on a civil date, as a UTC Julian date: a night is
// counted from the noon of its evening's date to the next.
double siteNoon(const Site& site, int year, int month, int day);

// The Sun's times in a night, from `from` (a noon) to `to` (the next). An
// event that does not happen is empty: with no sunset, `sunUp` says whether
// the Sun stays up (the midnight Sun) or down (the polar night).
struct Span {
    double from = 0, to = 0;
};
struct NightTimes {
    double from = 0, to = 0;
    std::optional<double> sunset, sunrise;
    std::optional<double> civilDusk, civilDawn, nauticalDusk, nauticalDawn, astronomicalDusk, astronomicalDawn;
    bool sunUp = false;
    // The astronomical night: from the Sun's going below -18° (or the noon,
    // when it is already there) to its coming back (or the next noon);
    // nothing when it never goes so low.
    std::optional<Span> dark;
};
NightTimes nightTimes(const Site& site, double noon);

// The instant in [from, to] at which `altitude` is highest (a transit),
// looked for every five minutes, then to a second.
double highestPoint(const Curve& altitude, double from, double to);

// The hours in [from, to] during which `altitude` is at or above `levelDeg`,
// its crossings found to a second.
double hoursAbove(const Curve& altitude, double from, double to, double levelDeg);
// The hours a fixed target stays at or above `minimumDeg` in the
// astronomical night that follows `noon`; 0 when there is none.
double darkHoursAbove(const sky::Equatorial& position, const Site& site, double noon, double minimumDeg);
// Those hours on the 15th of each month of a year.
std::array<double, 12> monthlyDarkHours(const sky::Equatorial& position, const Site& site, int year,
                                        double minimumDeg);

// The instants of a year (UTC Julian dates, to an hour) at which the planet
// is farthest from the Sun: its oppositions, or for Mercury and Venus their
// greatest elongations.
std::vector<double> farthestFromSun(Planet planet, int year);

}  // namespace quarvel::night
