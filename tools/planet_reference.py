#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The planets' reference, computed by PyEphem (Debian's python3-ephem, on
VSOP87), independent of ERFA's planetary theory: for the seven planets on
dates from 1990 to 2050, their astrometric J2000 place, distance from the
Earth, angle from the Sun and apparent diameter (and for Saturn the tilt of
its rings towards the Earth, in degrees); and the instants (to the
hour) of some years at which each is farthest from the Sun (oppositions, and
Mercury's and Venus's greatest elongations). Times as UTC Julian dates.

    tools/planet_reference.py > night/tests/reference_planets.csv
"""
import math

import ephem

PLANETS = [(1, ephem.Mercury), (2, ephem.Venus), (4, ephem.Mars), (5, ephem.Jupiter), (6, ephem.Saturn),
           (7, ephem.Uranus), (8, ephem.Neptune)]
DUBLIN = 2415020.0  # PyEphem's dates count from 1899 December 31, 12h


def elongation(body, date):
    body.compute(ephem.Date(date))
    return abs(float(body.elong))


def main():
    print("kind,planet,jd,ra,dec,distance,elongation,diameter,tilt")
    for year in range(1990, 2051, 3):
        for number, kind in PLANETS:
            date = ephem.Date("%d/%d/%d 0:00" % (year, 1 + (year + number * 5) % 12, 1 + (year * 7 + number) % 28))
            body = kind()
            body.compute(date)
            tilt = "%.4f" % math.degrees(body.earth_tilt) if number == 6 else ""
            print("place,%d,%.6f,%.6f,%.6f,%.8f,%.5f,%.4f,%s" % (
                number, float(date) + DUBLIN, math.degrees(body.a_ra), math.degrees(body.a_dec),
                body.earth_distance, math.degrees(abs(float(body.elong))), body.size, tilt))
    for year in (1995, 2026, 2049):
        for number, kind in PLANETS:
            body = kind()
            start, end = float(ephem.Date("%d/1/1" % year)), float(ephem.Date("%d/1/1" % (year + 1)))
            day = start
            before, now = elongation(body, day - 1), elongation(body, day)
            while day < end:
                after = elongation(body, day + 1)
                if now > before and now >= after:
                    best = max((elongation(body, day + h / 24.0), day + h / 24.0) for h in range(-24, 25))
                    if start <= best[1] < end:
                        print("farthest,%d,%.6f,,,,%.5f,," % (number, best[1] + DUBLIN, math.degrees(best[0])))
                before, now = now, after
                day += 1


if __name__ == "__main__":
    main()
