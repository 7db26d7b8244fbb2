#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The night library's reference, computed by PyEphem (Debian's python3-ephem),
independent of ERFA: for sites from 69.6 N to 45 S and dates from 1990 to
2050, from the site's noon, the next sunset, astronomical dusk and dawn and
sunrise, M 31's and M 42's next rising, transit and setting, and at the
site's midnight M 31's and the Moon's altitudes (refracted) and the Moon's lit
fraction. Times as Julian dates (UTC); an event that does not happen is empty.

    tools/night_reference.py > night/tests/reference_night.csv
"""
import math

import ephem

SITES = [  # name, latitude, longitude, metres
    ("Tromso", 69.65, 18.96, 10),
    ("Helsinki", 60.17, 24.94, 20),
    ("Paris", 48.85, 2.35, 60),
    ("Pic du Midi", 42.94, 0.14, 2877),
    ("Tucson", 32.22, -110.97, 730),
    ("Quito", -0.18, -78.47, 2850),
    ("Santiago", -33.45, -70.67, 570),
    ("Dunedin", -45.87, 170.50, 100),
]
TARGETS = [("M31", "0:42:44.3", "41:16:09"), ("M42", "5:35:17.3", "-5:23:28")]
DUBLIN = 2415020.0  # PyEphem's dates count from 1899 December 31, 12h


def pressure(metres):
    # As the library's standard atmosphere: hectopascals.
    return 1013.25 * math.exp(-metres / (29.3 * 288.15))


def observer(lat, lon, metres, refracted):
    o = ephem.Observer()
    o.lat, o.lon, o.elevation = str(lat), str(lon), metres
    o.pressure = pressure(metres) if refracted else 0
    o.temp = 10
    o.epoch = ephem.J2000
    return o


def event(call):
    try:
        return "%.6f" % (float(call()) + DUBLIN)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return ""


def main():
    print("site,latitude,longitude,altitude,start,sunset,dusk,dawn,sunrise,"
          "m31_rise,m31_transit,m31_set,m42_rise,m42_transit,m42_set,midnight,m31_altitude,moon_altitude,"
          "moon_illumination")
    rows = 0
    for year in range(1990, 2051, 2):
        for s, (name, lat, lon, metres) in enumerate(SITES):
            month = 1 + (year * 7 + s * 5) % 12
            day = 1 + (year * 3 + s * 11) % 28
            if name == "Tromso" and year % 10 == 0:
                month, day = 6, 21  # the midnight Sun
            noon = ephem.Date("%d/%d/%d 12:00" % (year, month, day)) - lon / 360.0
            o = observer(lat, lon, metres, False)
            o.date = noon
            sun = ephem.Sun()
            o.horizon = "-0:34"
            sunset = event(lambda: o.next_setting(sun))
            sunrise = event(lambda: o.next_rising(sun))
            o.horizon = "-18"
            dusk = event(lambda: o.next_setting(sun, use_center=True))
            dawn = event(lambda: o.next_rising(sun, use_center=True))
            o.horizon = "-0:34"
            passages = []
            for _, ra, dec in TARGETS:
                star = ephem.FixedBody()
                star._ra, star._dec, star._epoch = ra, dec, ephem.J2000
                passages += [event(lambda: o.next_rising(star)), event(lambda: o.next_transit(star)),
                             event(lambda: o.next_setting(star))]
            midnight = noon + 0.5
            r = observer(lat, lon, metres, True)
            r.date = midnight
            m31 = ephem.FixedBody()
            m31._ra, m31._dec, m31._epoch = TARGETS[0][1], TARGETS[0][2], ephem.J2000
            m31.compute(r)
            moon = ephem.Moon()
            moon.compute(r)
            print(",".join([name, str(lat), str(lon), str(metres), "%.6f" % (noon + DUBLIN), sunset, dusk, dawn,
                            sunrise] + passages + ["%.6f" % (midnight + DUBLIN), "%.4f" % math.degrees(m31.alt),
                                                    "%.4f" % math.degrees(moon.alt), "%.4f" % moon.moon_phase]))
            rows += 1


if __name__ == "__main__":
    main()
