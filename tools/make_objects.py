#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the deep-sky object catalogue data/objects/objects.csv from the
deep-sky catalogue of Debian's stellarium-data package.

Rows: every Messier and Caldwell object, and every other NGC or IC object
whose major axis exceeds 3 arc-minutes or whose magnitude (V, else B) is
brighter than 12. Each row has its M, C, NGC and IC designations, its other
catalogue numbers, its common names in English and in French, its type, V and B
magnitudes, axes, position angle and J2000 position. Several values in one
field are joined by ";"; no field holds a comma or a double quote.

The sources, all in stellarium-data:
  nebulae/default/catalog.dat   the objects (gzip; Qt data stream, big-endian)
  nebulae/default/names.dat     their English common names
  translations/stellarium-skycultures/fr.qm
                                the French translations of those names (Qt .qm)

Usage (Debian python3 and stellarium-data, nothing else):
    tools/make_objects.py [output.csv]
The output defaults to data/objects/objects.csv. The same package gives the
same file, byte for byte.
"""
import gzip
import math
import re
import struct
import subprocess
import sys

STELLARIUM = "/usr/share/stellarium"
CATALOG = f"{STELLARIUM}/nebulae/default/catalog.dat"
NAMES = f"{STELLARIUM}/nebulae/default/names.dat"
FRENCH = f"{STELLARIUM}/translations/stellarium-skycultures/fr.qm"

# The object type codes of catalog.dat, as lowercase English words.
TYPES = [
    "galaxy", "active galaxy", "radio galaxy", "interacting galaxy", "quasar",
    "star cluster", "open cluster", "globular cluster", "stellar association",
    "star cloud", "nebula", "planetary nebula", "dark nebula",
    "reflection nebula", "bipolar nebula", "emission nebula",
    "cluster with nebula", "hii region", "supernova remnant",
    "interstellar matter", "emission object", "bl lac object", "blazar",
    "molecular cloud", "young stellar object", "possible quasar",
    "possible planetary nebula", "protoplanetary nebula", "star",
    "symbiotic star", "emission-line star", "supernova candidate",
    "supernova remnant candidate", "galaxy cluster", "galaxy component",
    "sky region", "unknown",
]
GALAXIES = {0, 1, 2, 3, 4}

# The 26 cross-identifications that follow the M number in each record: the
# names.dat prefix, the designation's prefix in our "other" column (None: not
# written), and whether the record holds it as a string (else as a number).
# The last one is a number whose catalogue we could not confirm; it is read
# and skipped.
IDENTS = [
    ("C", None, False), ("B", "B ", False), ("SH2", "Sh2-", False),
    ("VDB", "vdB ", False), ("RCW", "RCW ", False), ("LDN", "LDN ", False),
    ("LBN", "LBN ", False), ("CR", "Cr ", False), ("MEL", "Mel ", False),
    ("PGC", "PGC ", False), ("UGC", "UGC ", False), ("CED", "Ced ", True),
    ("ARP", "Arp ", False), ("VV", "VV ", False), ("PK", "PK ", True),
    ("PNG", "PN G", True), ("SNRG", "SNR G", True), ("ACO", "ACO ", True),
    ("HCG", "HCG ", True), ("ESO", "ESO ", True), ("VDBH", "vdBH ", True),
    ("DWB", "DWB ", False), ("TR", "Tr ", False), ("ST", "St ", False),
    ("RU", "Ru ", False), (None, None, False),
]

UNKNOWN_MAGNITUDE = 99.0
LIMIT_ARCMIN = 3.0
LIMIT_MAGNITUDE = 12.0

HEADER = ["m", "c", "ngc", "ic", "other", "name_en", "name_fr", "type",
          "vmag", "bmag", "major", "minor", "pa", "ra", "dec"]


class Stream:
    """Reads the big-endian values of a Qt data stream."""

    def __init__(self, data):
        self.data = data
        self.pos = 0

    def take(self, fmt):
        value, = struct.unpack_from(fmt, self.data, self.pos)
        self.pos += struct.calcsize(fmt)
        return value

    def uint(self):
        return self.take(">I")

    def int(self):
        return self.take(">i")

    def double(self):
        return self.take(">d")

    def string(self):
        """A QString: its byte count (0xffffffff for none), then UTF-16."""
        size = self.uint()
        if size == 0xFFFFFFFF:
            return ""
        text = self.data[self.pos:self.pos + size].decode("utf-16-be")
        self.pos += size
        return text

    def at_end(self):
        return self.pos >= len(self.data)


def read_catalog():
    """The records of catalog.dat, in file order.

    After a version and an edition string, each record is: its number; right
    ascension and declination (radians, J2000); B and V magnitudes (99 when
    unknown); type code; morphological type; major and minor axes (degrees, 0
    when unknown); position angle (whole degrees); redshift, parallax and
    distance, each with its error; NGC, IC and M numbers (0 when none); then
    the IDENTS."""
    stream = Stream(gzip.open(CATALOG).read())
    version, edition = stream.string(), stream.string()
    records = []
    while not stream.at_end():
        r = {"id": stream.uint()}
        r["ra"], r["dec"] = stream.double(), stream.double()
        r["bmag"], r["vmag"] = stream.double(), stream.double()
        r["type"] = stream.uint()
        stream.string()  # morphological type
        r["major"], r["minor"] = stream.double(), stream.double()
        r["pa"] = stream.int()
        for _ in range(6):
            stream.double()  # redshift, parallax, distance and their errors
        r["ngc"], r["ic"], r["m"] = stream.uint(), stream.uint(), stream.uint()
        r["idents"] = [stream.string() if is_string else stream.uint() for _, _, is_string in IDENTS]
        r["c"] = r["idents"][0]
        if records and r["id"] != records[-1]["id"] + 1:
            sys.exit(f"catalog.dat: record {r['id']} follows {records[-1]['id']}: format not understood")
        records.append(r)
    return version, edition, records


def designations(r):
    """Every (names.dat prefix, upper-case number) the record answers to."""
    keys = [("", str(r["id"]))]
    for prefix in ("ngc", "ic", "m"):
        if r[prefix]:
            keys.append((prefix.upper(), str(r[prefix])))
    for (prefix, _, _), value in zip(IDENTS, r["idents"]):
        if prefix and value:
            keys.append((prefix, str(value).upper()))
    return keys


def read_names(records):
    """English common names by record number, in names.dat order.

    names.dat lines: columns 1-5 a catalogue prefix (blank: the record number
    of catalog.dat), 6-20 the number in that catalogue, then _("name") and an
    optional # comment giving the name's sources."""
    index = {}
    for r in records:
        for key in designations(r):
            index.setdefault(key, []).append(r["id"])
    names = {}
    with open(NAMES, encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#") or not line.strip():
                continue
            key = (line[0:5].strip(), line[5:20].strip().upper())
            name = re.search(r'_\("(.*?)"\)', line[20:]).group(1).strip()
            for rid in index.get(key, []):
                if name not in names.setdefault(rid, []):
                    names[rid].append(name)
    return names


def read_translations(path):
    """Source text -> translation, from a Qt .qm file.

    The file: a 16-byte magic number, then sections (a tag byte, a 32-bit
    length, the bytes). Section 0x69 holds the messages, each a run of fields
    (a tag byte, a 32-bit length, the bytes) closed by tag 1: 3 translation
    (UTF-16), 6 source text, 7 context, 8 comment (UTF-8)."""
    data = open(path, "rb").read()
    if data[:16] != bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd"):
        sys.exit(f"{path}: not a Qt translation file")
    pos, messages = 16, b""
    while pos < len(data):
        tag, size = data[pos], struct.unpack_from(">I", data, pos + 1)[0]
        if tag == 0x69:
            messages = data[pos + 5:pos + 5 + size]
        pos += 5 + size
    table, fields, pos = {}, {}, 0
    while pos < len(messages):
        tag = messages[pos]
        pos += 1
        if tag == 1:
            if "source" in fields and fields.get("translation", "").strip():
                table.setdefault(fields["source"], fields["translation"].strip())
            fields = {}
            continue
        size = struct.unpack_from(">I", messages, pos)[0]
        pos += 4
        if size == 0xFFFFFFFF:
            size = 0
        value = messages[pos:pos + size]
        pos += size
        if tag == 3:
            fields.setdefault("translation", value.decode("utf-16-be"))
        elif tag == 6:
            fields["source"] = value.decode("utf-8")
    return table


def number(value, decimals):
    """value rounded to decimals places, without trailing zeros."""
    text = f"{value:.{decimals}f}"
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def magnitude(value):
    return "" if value >= UNKNOWN_MAGNITUDE - 1 else number(value, 2)


def axis(degrees):
    """Arc-minutes to 0.1' (0.01' under 1'); empty when unknown."""
    arcmin = degrees * 60
    if arcmin <= 0:
        return ""
    return number(arcmin, 1 if arcmin >= 1 else 2)


def position_angle(r):
    """Degrees east of north, 0 to 179; empty where the record has none.

    An angle means something only for an elongated object, so it is empty
    where an axis is unknown or both axes are equal, and where it is negative.
    The catalogue writes 0 where it has no angle: for galaxies 0 is kept, as
    it turns up there no more often than any other angle, but for other
    objects 0 stands for "none"."""
    if r["major"] <= 0 or r["minor"] <= 0 or r["minor"] >= r["major"] or r["pa"] < 0:
        return ""
    if r["pa"] == 0 and r["type"] not in GALAXIES:
        return ""
    return str(r["pa"] % 180)


def brightness(r):
    """V magnitude, else B; None when neither is known."""
    for value in (r["vmag"], r["bmag"]):
        if value < UNKNOWN_MAGNITUDE - 1:
            return value
    return None


def select(records):
    """The rows' records, one for each M, C, NGC and IC number.

    A number borne by several records (a few NGC and IC numbers are, from
    merged catalogues) belongs to its first record; the others are dropped.
    C 14 is two records, NGC 869 and NGC 884, both kept."""
    first = {}
    for r in records:
        for prefix in ("m", "ngc", "ic"):
            if r[prefix]:
                first.setdefault((prefix, r[prefix]), r["id"])
    chosen = []
    for r in records:
        if r["ngc"] and first[("ngc", r["ngc"])] != r["id"]:
            continue
        if not r["ngc"] and r["ic"] and first[("ic", r["ic"])] != r["id"]:
            continue
        if r["m"] or r["c"]:
            chosen.append(r)
        elif r["ngc"] or r["ic"]:
            mag = brightness(r)
            if r["major"] * 60 > LIMIT_ARCMIN or (mag is not None and mag < LIMIT_MAGNITUDE):
                chosen.append(r)
    return chosen


def order(r):
    """Messier by number, then by NGC, then by IC, then the rest by C."""
    if r["m"]:
        return (0, r["m"])
    if r["ngc"]:
        return (1, r["ngc"])
    if r["ic"]:
        return (2, r["ic"])
    return (3, r["c"])


def row(r, names, french):
    english = names.get(r["id"], [])
    translated = []
    for name in english:
        if name in french and french[name] not in translated:
            translated.append(french[name])
    other = [f"{label}{value}" for (_, label, _), value in zip(IDENTS, r["idents"]) if label and value]
    for value in english + translated + other:
        if ";" in value:
            sys.exit(f"record {r['id']}: {value!r} holds the separator")
    return [
        f"M {r['m']}" if r["m"] else "",
        f"C {r['c']}" if r["c"] else "",
        f"NGC {r['ngc']}" if r["ngc"] else "",
        f"IC {r['ic']}" if r["ic"] else "",
        ";".join(other),
        ";".join(english),
        ";".join(translated),
        TYPES[r["type"]],
        magnitude(r["vmag"]),
        magnitude(r["bmag"]),
        axis(r["major"]),
        axis(r["minor"]),
        position_angle(r),
        number(math.degrees(r["ra"]) % 360, 4),
        number(math.degrees(r["dec"]), 4),
    ]


def check(rows):
    """Stops on a malformed row; prints the counts by catalogue."""
    column = {name: i for i, name in enumerate(HEADER)}
    for fields in rows:
        if len(fields) != len(HEADER):
            sys.exit(f"row {fields}: {len(fields)} fields")
        for field in fields:
            if "," in field or '"' in field or "\n" in field or field != field.strip():
                sys.exit(f"row {fields}: bad field {field!r}")
    counts = {}
    for name in ("m", "c", "ngc", "ic"):
        values = [fields[column[name]] for fields in rows if fields[column[name]]]
        distinct = set(values)
        if name != "c" and len(distinct) != len(values):
            sys.exit(f"{name}: a number is on two rows")
        counts[name] = (len(values), len(distinct))
    if counts["m"][1] != 110 or counts["c"][1] != 109:
        sys.exit(f"Messier {counts['m'][1]} and Caldwell {counts['c'][1]} objects, not 110 and 109")
    print(f"rows {len(rows)}")
    for name, label in (("m", "Messier"), ("c", "Caldwell"), ("ngc", "NGC"), ("ic", "IC")):
        rows_with, distinct = counts[name]
        print(f"{label}: {rows_with} rows, {distinct} numbers")
    en = sum(1 for fields in rows if fields[column["name_en"]])
    fr = sum(1 for fields in rows if fields[column["name_fr"]])
    print(f"English names on {en} rows, French names on {fr} rows")


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else "data/objects/objects.csv"
    package = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "stellarium-data"],
                             capture_output=True, text=True).stdout.strip()
    version, edition, records = read_catalog()
    print(f"stellarium-data {package or '(version unknown)'}: catalog.dat {version} {edition}, "
          f"{len(records)} records")
    names = read_names(records)
    french = read_translations(FRENCH)
    rows = [row(r, names, french) for r in sorted(select(records), key=order)]
    check(rows)
    with open(target, "w", encoding="utf-8", newline="\n") as out:
        out.write(",".join(HEADER) + "\n")
        for fields in rows:
            out.write(",".join(fields) + "\n")
    print(target)


if __name__ == "__main__":
    main()
