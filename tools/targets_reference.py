#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The reference for the hours tonight's targets stay above 30° in the
astronomical night, computed by PyEphem (Debian's python3-ephem),
independent of ERFA: Messier 1 to 30 (their places as the program's
catalogue, data/objects/objects.csv, gives them) from Paris, Tromso and
Santiago on 9 December 2026 and 21 June 2027. The night runs from the Sun's
centre going below -18° after the site's noon to its coming back (the whole
day when it stays below, none when it never goes so low); the altitude is
refracted (a standard atmosphere at the site's height, 10 °C) and looked at
every 30 seconds.

    PYTHONPATH=tools tools/targets_reference.py > night/tests/targets_reference.csv
"""
import csv
import math

import ephem

from night_reference import pressure

SITES = [("Paris", 48.85, 2.35, 60), ("Tromso", 69.65, 18.96, 10), ("Santiago", -33.45, -70.67, 570)]
DATES = [(2026, 12, 9), (2027, 6, 21)]
MINIMUM = 30.0
STEP = 30.0 / 86400


def main():
    places = []
    with open("data/objects/objects.csv", newline="") as f:
        for row in csv.DictReader(f):
            if row["m"] in ["M %d" % n for n in range(1, 31)]:
                places.append((row["m"], float(row["ra"]), float(row["dec"])))
    places.sort(key=lambda p: int(p[0][2:]))
    print("site,latitude,longitude,altitude,year,month,day,object,ra,dec,hours")
    for name, lat, lon, metres in SITES:
        for year, month, day in DATES:
            o = ephem.Observer()
            o.lat, o.lon, o.elevation = str(lat), str(lon), metres
            o.pressure, o.temp, o.epoch = pressure(metres), 10, ephem.J2000
            noon = ephem.Date("%d/%d/%d 12:00" % (year, month, day)) - lon / 360.0
            o.date = noon
            o.horizon = "-18"
            sun = ephem.Sun()
            try:
                dusk = float(o.next_setting(sun, use_center=True))
                o.date = dusk
                dawn = float(o.next_rising(sun, use_center=True))
                dawn = min(dawn, float(noon) + 1)
            except ephem.AlwaysUpError:
                dusk = dawn = None
            except ephem.NeverUpError:
                dusk, dawn = float(noon), float(noon) + 1
            o.horizon = "0"
            for target, ra, dec in places:
                body = ephem.FixedBody()
                body._epoch = ephem.J2000
                body._ra = ephem.hours(math.radians(ra))
                body._dec = ephem.degrees(math.radians(dec))
                above = 0
                if dusk is not None:
                    t = dusk
                    while t < dawn:
                        o.date = t
                        body.compute(o)
                        if math.degrees(body.alt) >= MINIMUM:
                            above += 1
                        t += STEP
                print("%s,%s,%s,%s,%d,%d,%d,%s,%.4f,%.4f,%.4f" % (name, lat, lon, metres, year, month, day, target, ra,
                                                                 dec, above * STEP * 24))


if __name__ == "__main__":
    main()
