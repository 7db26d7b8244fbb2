#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The "Nuit" page's reference for a night of five targets, computed by
PyEphem (Debian's python3-ephem), independent of ERFA: from a northern and a
southern site, on 9 December 2026, from the site's noon, each target's next
rising, transit and setting (a star's centre, a planet's too, at the
standard refraction's -34'), as Julian dates (UTC); an event that does not
happen is empty. The deep-sky targets' places are the program's own
catalogue's (data/objects/objects.csv).

    PYTHONPATH=tools tools/night_targets_reference.py > ui/tests/night_targets_reference.csv
"""
import csv

import ephem

from night_reference import DUBLIN, event

SITES = [("Helsinki", 60.17, 24.94, 20), ("Santiago", -33.45, -70.67, 570)]
DEEP_SKY = {"M 31": "m", "M 42": "m", "NGC 7000": "ngc"}
PLANETS = {"Jupiter": ephem.Jupiter, "Saturne": ephem.Saturn}


def main():
    places = {}
    with open("data/objects/objects.csv", newline="") as f:
        for row in csv.DictReader(f):
            for name, column in DEEP_SKY.items():
                if row[column] == name:
                    places[name] = (float(row["ra"]), float(row["dec"]))
    print("site,latitude,longitude,altitude,target,rise,transit,set")
    for name, lat, lon, metres in SITES:
        o = ephem.Observer()
        o.lat, o.lon, o.elevation = str(lat), str(lon), metres
        o.pressure = 0
        o.horizon = "-0:34"
        o.epoch = ephem.J2000
        noon = ephem.Date("2026/12/9 12:00") - lon / 360.0
        targets = []
        for target, (ra, dec) in places.items():
            body = ephem.FixedBody()
            body._epoch = ephem.J2000
            body._ra = ephem.hours(ra * 3.141592653589793 / 180)
            body._dec = ephem.degrees(dec * 3.141592653589793 / 180)
            targets.append((target, body))
        targets += [(target, make()) for target, make in PLANETS.items()]
        for target, body in targets:
            o.date = noon
            rise = event(lambda: o.next_rising(body, use_center=True))
            o.date = noon
            transit = event(lambda: o.next_transit(body))
            o.date = noon
            setting = event(lambda: o.next_setting(body, use_center=True))
            print(",".join([name, str(lat), str(lon), str(metres), target, rise, transit, setting]))


if __name__ == "__main__":
    main()
