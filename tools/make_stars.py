#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the chart's stars, data/stars/stars.bin, from the XHIP compilation.

Source: xhip.csv (hip,ra_deg,dec_deg,vmag,b_v: J2000 positions at epoch
J2000 to 1e-4 degree, V magnitudes to a hundredth, B-V to a thousandth),
converted from d3-celestial 0.7.35's data/stars.14.json (BSD-3-Clause), which
distributes XHIP (Anderson & Francis 2012, Astronomy Letters 38, 331; VizieR
V/137D). The numbers are copied, never rounded: the file holds the source's
own digits as whole numbers.

Layout (little-endian):
  "QVSTARS1"                              8 bytes
  star count N                            uint32
  180 + 1 zone starts                     uint32 each: the stars of declination
                                          zone z (from -90 + z to -89 + z
                                          degrees, the last one closed at +90)
                                          are rows start[z] to start[z + 1] - 1
  N rows of 16 bytes, by zone, then by right ascension, then Hipparcos number:
    ra    uint32  right ascension, 1e-4 degree (0 to 3,599,999)
    dec   int32   declination, 1e-4 degree (-900,000 to 900,000)
    vmag  int16   V magnitude, hundredths
    b_v   int16   B-V colour index, thousandths; -32768 when the source has none
    hip   uint32  Hipparcos number

The same source always gives the same bytes.

Usage: tools/make_stars.py [XHIP_CSV] [OUT]
  (by default ../shared/data/stars/xhip.csv and data/stars/stars.bin)
"""
import csv
import struct
import sys

ZONES = 180
NO_COLOUR = -32768


def whole(text, places):
    """The decimal text as a whole number of 10**-places units, exactly."""
    sign = -1 if text.startswith('-') else 1
    digits = text.lstrip('+-')
    units, _, decimals = digits.partition('.')
    if len(decimals) > places:
        raise ValueError(f'{text}: more than {places} decimals')
    return sign * int(units + decimals.ljust(places, '0'))


def zone_of(dec):
    return min(ZONES - 1, (dec + 900000) // 10000)


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else '../shared/data/stars/xhip.csv'
    out = sys.argv[2] if len(sys.argv) > 2 else 'data/stars/stars.bin'
    rows = []
    with open(source, newline='') as f:
        for line in csv.DictReader(f):
            ra = whole(line['ra_deg'], 4) % 3600000
            dec = whole(line['dec_deg'], 4)
            if not -900000 <= dec <= 900000:
                raise ValueError(f"HIP {line['hip']}: declination {line['dec_deg']}")
            colour = whole(line['b_v'], 3) if line['b_v'] else NO_COLOUR
            rows.append((zone_of(dec), ra, dec, whole(line['vmag'], 2), colour, int(line['hip'])))
    rows.sort(key=lambda r: (r[0], r[1], r[5]))
    starts = [0] * (ZONES + 1)
    for r in rows:
        starts[r[0] + 1] += 1
    for z in range(ZONES):
        starts[z + 1] += starts[z]
    with open(out, 'wb') as f:
        f.write(b'QVSTARS1')
        f.write(struct.pack('<I', len(rows)))
        f.write(struct.pack(f'<{ZONES + 1}I', *starts))
        for _, ra, dec, vmag, colour, hip in rows:
            f.write(struct.pack('<IihhI', ra, dec, vmag, colour, hip))
    print(f'{out}: {len(rows)} stars')


if __name__ == '__main__':
    main()
