#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes ephem/tests/reference_distances.csv: geocentric distances of the Sun,
the Moon, Mars, Jupiter and Saturn from PyEphem (Debian's python3-ephem, full
VSOP87 and lunar theories) at 0 h TT of 240 dates spread over 1600 to 2800.

Quarvel computes at 0 h of the date with no time-scale correction, so each
date is asked of PyEphem at the universal time that is 0 h terrestrial time.

Usage (Debian python3 with python3-ephem): tools/ephem_reference.py > ephem/tests/reference_distances.csv
"""
import ephem

KM_PER_AU = ephem.meters_per_au / 1000.0


def dates():
    for i in range(240):
        year = 1600 + 5 * i
        month = 1 + (7 * i) % 12
        day = 1 + (13 * i) % 28
        yield day, month, year
    # the last day of the calendar's range
    yield 31, 12, 2800


def main():
    print("day,month,year,sun_au,moon_km,mars_au,jupiter_au,saturn_au")
    bodies = [ephem.Sun(), ephem.Moon(), ephem.Mars(), ephem.Jupiter(), ephem.Saturn()]
    for day, month, year in dates():
        ut = ephem.Date((year, month, day))
        tt_midnight = ephem.Date(ut - ephem.delta_t(ut) / 86400.0)
        values = []
        for body in bodies:
            body.compute(tt_midnight)
            values.append(body.earth_distance)
        values[1] *= KM_PER_AU
        print(f"{day},{month},{year}," + ",".join(f"{v:.9f}" for v in values))


if __name__ == "__main__":
    main()
