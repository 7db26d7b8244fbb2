#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the deep-sky object catalogue data/objects/ from OpenNGC and from the
deep-sky catalogue of Debian's stellarium-data package.

Writes, in the output folder (data/objects by default):
  objects.csv    one row per object: its designations, common names in
                 English and French, type, magnitudes, size, position angle,
                 J2000 position, and OpenNGC's own size and position
  outlines.csv   OpenNGC's outlines of the large nebulae, lowest level only
  explained.csv  why a row's size or position differs from OpenNGC's

Sources:
  OpenNGC (github.com/mattiaverga/OpenNGC, CC BY-SA 4.0), read from a git
  mirror at a given commit: database_files/NGC.csv and addendum.csv for the
  NGC and IC objects, their Messier and Caldwell numbers, positions, axes,
  position angles, magnitudes, types, identifiers and common names;
  outlines/objects/ for the outlines.
  stellarium-data (GPL-2+), for the catalogues OpenNGC lacks (Sharpless,
  Barnard, Lynds, van den Bergh, Arp, Collinder, Melotte, RCW, Cederblad...),
  the English common names and their French translations:
    nebulae/default/catalog.dat   the objects (gzip; Qt data stream, big-endian)
    nebulae/default/names.dat     English common names
    translations/stellarium-skycultures/fr.qm   French translations (Qt .qm)
  Hand-kept tables beside this script, each line citing its source:
    objects_links.csv    objects one source splits that are one target, and
                         identifications that differ from OpenNGC's
    objects_sizes.csv    the size an imager frames, where a catalogue entry
                         is only a part of the object or the whole complex
    objects_names.csv    names added, removed or put first on a row
    objects_french.csv   French translations mended or added

Rows: every Messier and Caldwell object; every OpenNGC object whose major axis
is at least 2' or whose magnitude (V, else B) is 13 or brighter; every object
with a Sharpless, Barnard, van den Bergh or Arp number; the Lynds dark and
bright nebulae (LDN, LBN) of at least 10'; and the Collinder and Melotte
clusters of at least 2' or magnitude 13 or brighter.

Usage (Debian python3, git and stellarium-data 0.22.2-1):
    tools/make_objects.py --openngc MIRROR [--commit SHA] [--out FOLDER]
MIRROR is a git directory of OpenNGC (bare or not); SHA defaults to the commit
this catalogue was made from. The same inputs give the same files, byte for
byte.
"""
import argparse
import csv
import gzip
import io
import math
import os
import re
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

OPENNGC_COMMIT = "17397545d4e64708e2f4867796d97d33a1fff40f"
STELLARIUM_VERSION = "0.22.2-1"
STELLARIUM = "/usr/share/stellarium"
CATALOG = f"{STELLARIUM}/nebulae/default/catalog.dat"
NAMES = f"{STELLARIUM}/nebulae/default/names.dat"
FRENCH = f"{STELLARIUM}/translations/stellarium-skycultures/fr.qm"

LIMIT_ARCMIN = 2.0       # OpenNGC objects at least this large...
LIMIT_MAGNITUDE = 13.0   # ...or at least this bright are kept
LYNDS_ARCMIN = 10.0      # LDN and LBN objects at least this large are kept
# A catalog.dat record is taken as the OpenNGC object of its NGC or IC number
# only when its position is this close (arc-minutes), or within 0.6 of the
# larger of the two major axes for large objects.
MATCH_ARCMIN = 20.0
MATCH_FRACTION = 0.6
# Outline points closer than this (degrees) to the line through their
# neighbours are dropped: the precision OpenNGC's outlines/metodology.txt
# gives as its own default for reducing them.
OUTLINE_TOLERANCE = 0.002
# The check's thresholds, also applied here to say what needs explaining.
SIZE_FACTOR = 1.5
POSITION_ARCMIN = 30.0

HEADER = ["m", "c", "ngc", "ic", "other", "name_en", "name_fr", "type",
          "vmag", "bmag", "major", "minor", "pa", "ra", "dec",
          "size_from", "openngc_major", "openngc_minor", "openngc_ra", "openngc_dec",
          "outline"]

# ---------------------------------------------------------------------------
# Designations

# The catalogues of the "other" column, in the order they are written. The
# first one a row without M, C, NGC or IC number has is the name it is shown
# by.
OTHER_ORDER = ["NGC ", "IC ", "Sh2-", "B ", "vdB ", "LDN ", "LBN ", "Cr ", "Mel ",
               "Arp ", "RCW ", "Ced ", "Harvard ", "HCG ", "ESO ", "PGC ", "UGC ",
               "VV ", "PK ", "PN G", "SNR G", "ACO ", "vdBH ", "DWB ", "Tr ", "St ",
               "Ru ", "MWSC "]
# Catalogues whose numbers make a Stellarium-only record a row (with its size
# limit in arc-minutes, None for every one).
KEPT_CATALOGUES = {"Sh2-": None, "B ": None, "vdB ": None, "Arp ": None,
                   "LDN ": LYNDS_ARCMIN, "LBN ": LYNDS_ARCMIN}


def catalogue_of(designation):
    """The prefix of OTHER_ORDER (or "M ", "C ") a designation starts with."""
    for prefix in ["M ", "C "] + OTHER_ORDER:
        if designation.startswith(prefix):
            return prefix
    raise ValueError(f"designation {designation!r}: catalogue unknown")


def compact(designation):
    """As the program compares designations: case, blanks and hyphens aside."""
    return re.sub(r"[\s-]", "", designation).lower()


def other_key(designation):
    prefix = catalogue_of(designation)
    rest = designation[len(prefix):]
    number = re.match(r"\d+", rest)
    return (OTHER_ORDER.index(prefix), int(number.group()) if number else 0, rest)


# ---------------------------------------------------------------------------
# stellarium-data

# The object type codes of catalog.dat, as lowercase English words.
STELLARIUM_TYPES = [
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
STELLARIUM_GALAXIES = {0, 1, 2, 3, 4}

# The 26 cross-identifications that follow the M number in each record: the
# names.dat prefix, the designation's prefix here (None: not written), and
# whether the record holds it as a string (else as a number). The last one is
# a number whose catalogue could not be confirmed; it is read and skipped.
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
NAMES_PREFIXES = {"NGC": "NGC ", "IC": "IC ", "M": "M ", "C": "C "}
NAMES_PREFIXES.update({p: label for p, label, _ in IDENTS if p and label})
UNKNOWN_MAGNITUDE = 99.0


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
        r["ra"], r["dec"] = math.degrees(stream.double()) % 360, math.degrees(stream.double())
        r["bmag"], r["vmag"] = stream.double(), stream.double()
        r["type"] = stream.uint()
        stream.string()  # morphological type
        r["major"], r["minor"] = stream.double() * 60, stream.double() * 60
        r["pa"] = stream.int()
        for _ in range(6):
            stream.double()  # redshift, parallax, distance and their errors
        r["ngc"], r["ic"], r["m"] = stream.uint(), stream.uint(), stream.uint()
        idents = [stream.string() if is_string else stream.uint() for _, _, is_string in IDENTS]
        r["c"] = idents[0]
        r["others"] = [f"{label}{value}" for (_, label, _), value in zip(IDENTS, idents)
                       if label and value]
        if records and r["id"] != records[-1]["id"] + 1:
            sys.exit(f"catalog.dat: record {r['id']} follows {records[-1]['id']}: format not understood")
        records.append(r)
    return version, edition, records


def read_names():
    """names.dat as (designation or record number, English name), in order.

    Lines: columns 1-5 a catalogue prefix (blank: the record number of
    catalog.dat), 6-20 the number in that catalogue, then _("name") and an
    optional # comment giving the name's sources."""
    names = []
    with open(NAMES, encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#") or not line.strip():
                continue
            prefix, number = line[0:5].strip(), line[5:20].strip()
            name = re.search(r'_\("(.*?)"\)', line[20:]).group(1).strip()
            if not prefix:
                names.append((int(number), name))
            elif prefix in NAMES_PREFIXES:
                names.append((NAMES_PREFIXES[prefix] + number, name))
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


# ---------------------------------------------------------------------------
# OpenNGC

# OpenNGC's type codes (NGC_guide.txt) as the words of the type column.
OPENNGC_TYPES = {
    "G": "galaxy", "GPair": "galaxy pair", "GTrpl": "galaxy triplet",
    "GGroup": "galaxy group", "OCl": "open cluster", "GCl": "globular cluster",
    "Cl+N": "cluster with nebula", "*Ass": "stellar association",
    "PN": "planetary nebula", "HII": "hii region", "DrkN": "dark nebula",
    "EmN": "emission nebula", "Neb": "nebula", "RfN": "reflection nebula",
    "SNR": "supernova remnant", "*": "star", "**": "double star", "Nova": "nova",
    "Other": "other",
}
OPENNGC_GALAXIES = {"G", "GPair", "GTrpl", "GGroup"}

# Names of OpenNGC's entries (NGC.csv, addendum.csv) as designations.
OPENNGC_NAMES = [
    (r"(NGC|IC)(\d+)(.*)", lambda m: f"{m[1]} {int(m[2])}{m[3]}"),
    (r"B(\d+)", lambda m: f"B {int(m[1])}"),
    (r"C(\d+)", lambda m: f"C {int(m[1])}"),
    (r"Cl(\d+)", lambda m: f"Cr {int(m[1])}"),
    (r"ESO(\d+)-(\d+)", lambda m: f"ESO {int(m[1])}-{int(m[2])}"),
    (r"H(\d+)", lambda m: f"Harvard {int(m[1])}"),
    (r"HCG(\d+)", lambda m: f"HCG {int(m[1])}"),
    (r"M(\d+)", lambda m: f"M {int(m[1])}"),
    (r"Mel(\d+)", lambda m: f"Mel {int(m[1])}"),
    (r"MWSC(\d+)", lambda m: f"MWSC {int(m[1])}"),
    (r"PGC(\d+)", lambda m: f"PGC {int(m[1])}"),
    (r"UGC(\d+)", lambda m: f"UGC {int(m[1])}"),
]
# OpenNGC identifiers kept, as designations; the others (2MASX, IRAS, MCG,
# SDSS, stars...) are left out.
OPENNGC_IDENTIFIERS = [
    (r"C (\d+)", lambda m: f"C {int(m[1])}"),
    (r"LBN (\d+)", lambda m: f"LBN {int(m[1])}"),
    (r"PGC (\d+)", lambda m: f"PGC {int(m[1])}"),
    (r"UGC (\d+)", lambda m: f"UGC {int(m[1])}"),
    (r"ESO (\d+)-(\d+)", lambda m: f"ESO {int(m[1])}-{int(m[2])}"),
    (r"PK (\d{3}[+-]\d{2}) (\d+)", lambda m: f"PK {m[1]}.{m[2]}"),
    (r"PN (G\d{3}\.\d[+-]\d{2}\.\d)", lambda m: f"PN {m[1]}"),
    (r"SH 2-(\d+)", lambda m: f"Sh2-{int(m[1])}"),
    (r"Cl (\d+)", lambda m: f"Cr {int(m[1])}"),
    (r"Mel (\d+)", lambda m: f"Mel {int(m[1])}"),
]


def convert(patterns, text):
    for pattern, make in patterns:
        match = re.fullmatch(pattern, text)
        if match:
            return make(match)
    return None


def sexagesimal(text, hours):
    sign = -1 if text.startswith("-") else 1
    d, m, s = (float(part) for part in text.lstrip("+-").split(":"))
    value = sign * (d + m / 60 + s / 3600)
    return value * 15 if hours else value


def openngc_text(mirror, commit, path):
    """A file of OpenNGC at the commit, read from the git mirror."""
    result = subprocess.run(["git", f"--git-dir={mirror}", "show", f"{commit}:{path}"],
                            capture_output=True)
    if result.returncode != 0:
        result = subprocess.run(["git", "-C", mirror, "show", f"{commit}:{path}"], capture_output=True)
    if result.returncode != 0:
        sys.exit(f"OpenNGC: cannot read {path} at {commit} in {mirror}: {result.stderr.decode().strip()}")
    return result.stdout.decode("utf-8")


def openngc_files(mirror, commit, folder):
    result = subprocess.run(["git", f"--git-dir={mirror}", "ls-tree", "--name-only", f"{commit}:{folder}"],
                            capture_output=True, text=True)
    if result.returncode != 0:
        result = subprocess.run(["git", "-C", mirror, "ls-tree", "--name-only", f"{commit}:{folder}"],
                                capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"OpenNGC: cannot list {folder} at {commit} in {mirror}")
    return sorted(result.stdout.split())


def number_or_none(text):
    return float(text) if text.strip() else None


def read_openngc(mirror, commit):
    """OpenNGC's objects: {designation: entry}, and {duplicate: master}.

    NGC.csv and addendum.csv: ";"-separated, one header line. A "Dup" entry
    names its master in its NGC or IC column (M 102 in its M column); a
    "NonEx" entry is an object that does not exist."""
    entries, duplicates = {}, {}
    for path in ("database_files/NGC.csv", "database_files/addendum.csv"):
        for row in csv.DictReader(io.StringIO(openngc_text(mirror, commit, path)), delimiter=";"):
            designation = convert(OPENNGC_NAMES, row["Name"])
            if designation is None:
                sys.exit(f"OpenNGC: name {row['Name']!r} not understood")
            entry = {"designation": designation, "type": row["Type"], "file": os.path.basename(path)}
            if row["Type"] == "Dup":
                masters = [convert(OPENNGC_NAMES, "NGC" + row["NGC"]) if row["NGC"] else None,
                           convert(OPENNGC_NAMES, "IC" + row["IC"]) if row["IC"] else None,
                           f"M {int(row['M'])}" if row["M"] else None]
                duplicates[designation] = [m for m in masters if m]
                continue
            if row["Type"] == "NonEx":
                continue
            entry["ra"] = sexagesimal(row["RA"], True)
            entry["dec"] = sexagesimal(row["Dec"], False)
            entry["major"] = number_or_none(row["MajAx"])
            entry["minor"] = number_or_none(row["MinAx"])
            entry["pa"] = number_or_none(row["PosAng"])
            entry["bmag"] = number_or_none(row["B-Mag"])
            entry["vmag"] = number_or_none(row["V-Mag"])
            entry["m"] = int(row["M"]) if row["M"] else None
            aliases = []
            for column in ("NGC", "IC"):
                for value in row[column].split(","):
                    if value.strip():
                        aliases.append(convert(OPENNGC_NAMES, column + value.strip()))
            entry["aliases"] = aliases
            identifiers = []
            for value in row["Identifiers"].split(","):
                converted = convert(OPENNGC_IDENTIFIERS, value.strip())
                if converted:
                    identifiers.append(converted)
            entry["identifiers"] = identifiers
            entry["names"] = [n.strip() for n in row["Common names"].split(",") if n.strip()]
            entries[designation] = entry
    # Each duplicate's master: the first of its NGC, IC, M that is an entry.
    resolved = {}
    by_m = {f"M {e['m']}": d for d, e in entries.items() if e["m"]}
    for duplicate, masters in duplicates.items():
        for master in masters:
            target = by_m.get(master, master)
            if target in entries:
                resolved[duplicate] = target
                break
    return entries, resolved


def read_outlines(mirror, commit):
    """{object name in OpenNGC's file names: (level, [polyline, ...])}, the
    lowest level of each object; a polyline is a list of (ra, dec) degrees.

    Files outlines/objects/NAME_lvN.txt: a tab-separated header line, then
    one line per point: "line", a flag ("+" a point, "*" the point closing a
    polyline, the same as its first), RA and Dec J2000 in degrees, and
    columns unused here."""
    lowest = {}
    for file_name in openngc_files(mirror, commit, "outlines/objects"):
        match = re.fullmatch(r"(.+)_lv(\d)\.txt", file_name)
        if not match:
            continue
        name, level = match[1], int(match[2])
        if name in lowest and lowest[name][0] <= level:
            continue
        polylines, points = [], []
        text = openngc_text(mirror, commit, f"outlines/objects/{file_name}")
        for line in text.splitlines()[1:]:
            fields = line.split("\t")
            if len(fields) < 4 or fields[0] != "line":
                continue
            points.append((float(fields[2]) % 360, float(fields[3])))
            if fields[1] == "*":
                polylines.append(points)
                points = []
        if points:
            sys.exit(f"OpenNGC outline {file_name}: a polyline is not closed")
        lowest[name] = (level, polylines)
    return lowest


# ---------------------------------------------------------------------------
# Hand-kept tables

def read_table(name, columns):
    path = os.path.join(HERE, name)
    with open(path, encoding="utf-8", newline="") as handle:
        lines = [line for line in handle if line.strip() and not line.startswith("#")]
    rows = list(csv.DictReader(lines))
    if not rows or list(rows[0].keys()) != columns:
        sys.exit(f"{name}: columns must be {','.join(columns)}")
    for row in rows:
        if not row["source"].strip():
            sys.exit(f"{name}: {row} cites no source")
    return rows


# ---------------------------------------------------------------------------
# Building the rows

def separation(ra1, dec1, ra2, dec2):
    """Arc-minutes between two J2000 positions (degrees)."""
    ra1, dec1, ra2, dec2 = map(math.radians, (ra1, dec1, ra2, dec2))
    cos = (math.sin(dec1) * math.sin(dec2) +
           math.cos(dec1) * math.cos(dec2) * math.cos(ra1 - ra2))
    return math.degrees(math.acos(max(-1.0, min(1.0, cos)))) * 60


def brightness(vmag, bmag):
    """V magnitude, else B; None when neither is known."""
    return vmag if vmag is not None else bmag


def stellarium_magnitude(value):
    return None if value >= UNKNOWN_MAGNITUDE - 1 else value


class Row:
    """One object: its designations and where its values come from."""

    def __init__(self):
        self.entry = None        # the OpenNGC entry, if any
        self.records = []        # catalog.dat records, the first giving values
        self.designations = {}   # designation -> precedence (lower wins)
        self.size = None         # (major, minor, pa, size_from) when overridden
        self.position = None     # (ra, dec, source) when overridden
        self.names_en = []
        self.names_fr = []
        self.outline = False

    def add(self, designation, precedence):
        if designation not in self.designations or precedence < self.designations[designation]:
            self.designations[designation] = precedence

    def has(self, prefix):
        return any(d.startswith(prefix) for d in self.designations)


# Precedence of a designation on a row, when two rows claim it.
OWN_NAME = 0        # the OpenNGC entry's own name, its duplicates, an M or C number
OPENNGC_ID = 1      # an identifier OpenNGC gives
LINKED = 1          # a designation given by objects_links.csv
OWN_RECORD = 2      # a record's own catalogue (the first of OTHER_ORDER it has)
CROSS_ID = 3        # a record's other cross-identifications


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--openngc", required=True, help="git directory of OpenNGC")
    parser.add_argument("--commit", default=OPENNGC_COMMIT, help="OpenNGC commit to read")
    parser.add_argument("--out", default="data/objects", help="output folder")
    args = parser.parse_args()

    package = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "stellarium-data"],
                             capture_output=True, text=True).stdout.strip()
    if package != STELLARIUM_VERSION:
        print(f"warning: stellarium-data {package or '(not installed)'}, not {STELLARIUM_VERSION}: "
              "the output will differ from the shipped one", file=sys.stderr)
    version, edition, records = read_catalog()
    print(f"stellarium-data {package}: catalog.dat {version} {edition}, {len(records)} records")
    entries, duplicates = read_openngc(args.openngc, args.commit)
    print(f"OpenNGC {args.commit}: {len(entries)} entries, {len(duplicates)} duplicates")

    links = read_table("objects_links.csv", ["designation", "action", "target", "source", "reason"])
    sizes = read_table("objects_sizes.csv", ["designation", "major", "minor", "pa", "size_from", "source", "reason"])
    name_edits = read_table("objects_names.csv", ["designation", "language", "action", "name", "source"])
    french_edits = read_table("objects_french.csv", ["english", "french", "source"])

    rows, notes = build_rows(entries, duplicates, records, links)
    rows = [row for row in rows if selected(row)]
    by_designation = {d: row for row in rows for d in row.designations}
    apply_sizes(sizes, by_designation, records)
    names = read_names()
    translations = read_translations(FRENCH)
    apply_names(rows, names, translations, name_edits, french_edits, by_designation)
    outlines = read_outlines(args.openngc, args.commit)
    outline_lines, outline_notes = place_outlines(outlines, links, by_designation, duplicates)
    notes += outline_notes

    rows.sort(key=order)
    table = [values(row) for row in rows]
    explained = explanations(rows, table, sizes, links)
    os.makedirs(args.out, exist_ok=True)
    write_csv(os.path.join(args.out, "objects.csv"), HEADER, table)
    write_csv(os.path.join(args.out, "outlines.csv"), ["designation", "part", "ra", "dec"], outline_lines)
    write_csv(os.path.join(args.out, "explained.csv"), ["designation", "reason"], explained)
    report(rows, table, outline_lines, notes)


def build_rows(entries, duplicates, records, links):
    """The rows before selection, and notes on what was left aside."""
    notes = []
    rows = []
    row_of_entry = {}
    # Objects OpenNGC splits that are one target: their entries go on one row.
    merge_into = {link["designation"]: link["target"] for link in links if link["action"] == "merge"}
    for designation, entry in entries.items():
        if entry["type"] == "NonEx" or designation in merge_into:
            continue
        row = Row()
        row.entry = entry
        row.add(designation, OWN_NAME)
        if entry["m"]:
            row.add(f"M {entry['m']}", OWN_NAME)
        for alias in entry["aliases"]:
            # Another entry's own name, or a duplicate of another entry, is
            # not this one's.
            if alias in entries or alias in merge_into or duplicates.get(alias, designation) != designation:
                continue
            row.add(alias, OWN_NAME)
        for identifier in entry["identifiers"]:
            row.add(identifier, OWN_NAME if identifier.startswith("C ") else OPENNGC_ID)
        rows.append(row)
        row_of_entry[designation] = row
    by_m = {f"M {e['m']}": d for d, e in entries.items() if e["m"]}
    for duplicate, master in duplicates.items():
        # OpenNGC's duplicate M numbers (M 102 as M 101) are left to
        # objects_links.csv.
        if duplicate.startswith("M "):
            continue
        if duplicate in merge_into:
            continue
        row = row_of_entry.get(merge_into.get(master, master))
        if row is not None:
            row.add(duplicate, OWN_NAME if master not in merge_into else LINKED)
    for designation, target in merge_into.items():
        target_row = row_of_entry[target]
        target_row.add(designation, LINKED)
        entry = entries.get(designation)
        if entry:
            for alias in entry["aliases"]:
                if alias not in entries and duplicates.get(alias, designation) == designation:
                    target_row.add(alias, LINKED)
            for identifier in entry["identifiers"]:
                target_row.add(identifier, LINKED)
        row_of_entry[designation] = target_row

    def entry_row(designation):
        designation = by_m.get(designation, designation)
        designation = duplicates.get(designation, designation)
        return row_of_entry.get(designation)

    # catalog.dat records: each to the row of its NGC or IC number (or, for
    # the addendum's objects, of its M or other number), when it lies there.
    standalone = []
    taken_for = {}
    for r in records:
        if r["ngc"] or r["ic"]:
            candidates = ([f"NGC {r['ngc']}"] if r["ngc"] else []) + ([f"IC {r['ic']}"] if r["ic"] else [])
        else:
            numbers = ([f"M {r['m']}"] if r["m"] else []) + ([f"C {r['c']}"] if r["c"] else []) + r["others"]
            candidates = [c for c in numbers if entry_row(c) is not None]
            if not candidates:
                standalone.append(r)
                continue
        row = next((entry_row(c) for c in candidates if entry_row(c) is not None), None)
        if row is None:
            notes.append(f"catalog.dat record {r['id']} ({', '.join(candidates)}): "
                         "no OpenNGC object by that number (nonexistent there); left out")
            continue
        entry = row.entry
        distance = separation(r["ra"], r["dec"], entry["ra"], entry["dec"])
        limit = max(MATCH_ARCMIN, MATCH_FRACTION * max(r["major"], entry["major"] or 0))
        if distance > limit:
            # Not OpenNGC's object: a record holding a Sharpless, Barnard,
            # van den Bergh, Arp or Lynds number is that object's row, under
            # those numbers alone; the others are left out.
            if any(o.startswith(tuple(KEPT_CATALOGUES)) for o in r["others"]):
                notes.append(f"catalog.dat record {r['id']} ({', '.join(candidates)}) lies {distance:.0f}' "
                             f"from OpenNGC's {entry['designation']}: a row of its other numbers")
                standalone.append(r)
            else:
                notes.append(f"catalog.dat record {r['id']} ({', '.join(candidates)}) lies {distance:.0f}' "
                             f"from OpenNGC's {entry['designation']}: its other numbers left out")
            continue
        own = duplicates.get(by_m.get(candidates[0], candidates[0]), by_m.get(candidates[0], candidates[0]))
        if own in taken_for:
            first = taken_for[own]
            if separation(r["ra"], r["dec"], first["ra"], first["dec"]) > 1.0:
                notes.append(f"catalog.dat record {r['id']} ({', '.join(candidates)}) is a second record "
                             f"of {entry['designation']}, {distance:.1f}' from OpenNGC's position: left out")
                continue
        else:
            taken_for[own] = r
        row.records.append(r)
        for other in r["others"]:
            row.add(other, CROSS_ID)

    # Identifications that differ from OpenNGC's (objects_links.csv): an M
    # number or an NGC or IC number borne by another row.
    for link in links:
        if link["action"] != "move":
            continue
        for row in rows:
            row.designations.pop(link["designation"], None)
        target = entry_row(link["target"])
        if target is None:
            sys.exit(f"objects_links.csv: {link['target']} is not an OpenNGC object")
        target.add(link["designation"], OWN_NAME)

    # The other records: rows of their own, unless objects_links.csv merges
    # them into another row.
    linked_records = {}
    for link in links:
        if link["action"] == "record":
            linked_records[link["designation"]] = link["target"]
    for r in standalone:
        own = min(r["others"], key=other_key) if r["others"] else None
        if own is None:
            continue
        target = linked_records.get(own)
        if target:
            row = entry_row(target)
            if row is None:
                sys.exit(f"objects_links.csv: {target} is not an OpenNGC object")
            row.records.append(r)
            for other in r["others"]:
                row.add(other, LINKED)
            continue
        row = Row()
        row.records.append(r)
        for other in r["others"]:
            row.add(other, OWN_RECORD if other == own else CROSS_ID)
        rows.append(row)

    # A designation claimed by several rows stays on the one of best
    # precedence (the first in catalogue order among equals).
    claims = {}
    for index, row in enumerate(rows):
        for designation, precedence in row.designations.items():
            claims.setdefault(compact(designation), []).append((precedence, index, designation))
    for key, claimants in claims.items():
        if len(claimants) < 2:
            continue
        claimants.sort()
        keep = claimants[0]
        for precedence, index, designation in claimants[1:]:
            if designation.split(" ")[0] in ("NGC", "IC", "M", "C") or designation.startswith(tuple(KEPT_CATALOGUES)):
                notes.append(f"{designation}: kept on {label(rows[keep[1]])}, taken off {label(rows[index])}")
            rows[index].designations.pop(designation, None)
    rows = [row for row in rows if row.designations]
    return rows, notes


def label(row):
    return designation_of(row) or "?"


def designation_of(row):
    """The name the program shows a row by: M, else C, NGC, IC, else the
    first other number."""
    d = row.designations
    for prefix in ("M ", "C ", "NGC ", "IC "):
        found = sorted((x for x in d if x.startswith(prefix)), key=primary_key(row, prefix))
        if found:
            return found[0]
    others = others_of(row)
    return others[0] if others else None


def primary_key(row, prefix):
    """Orders a row's numbers of one catalogue: its OpenNGC entry's own
    first, then by number."""
    own = row.entry["designation"] if row.entry else None

    def key(designation):
        number = re.match(r"\d+", designation[len(prefix):])
        return (designation != own, int(number.group()) if number else 0, designation)
    return key


def others_of(row):
    first = {}
    for prefix in ("M ", "C ", "NGC ", "IC "):
        found = sorted((x for x in row.designations if x.startswith(prefix)), key=primary_key(row, prefix))
        if found:
            first[prefix] = found[0]
    rest = [d for d in row.designations if d not in first.values()]
    return sorted(rest, key=other_key)


def selected(row):
    """Whether the row is in the catalogue (the selection rule above)."""
    if row.has("M ") or row.has("C "):
        return True
    if row.entry:
        major = row.entry["major"]
        mag = brightness(row.entry["vmag"], row.entry["bmag"])
        if (major is not None and major >= LIMIT_ARCMIN) or (mag is not None and mag <= LIMIT_MAGNITUDE):
            return True
    for prefix, limit in KEPT_CATALOGUES.items():
        if not row.has(prefix):
            continue
        if limit is None:
            return True
        sizes = [r["major"] for r in row.records if any(o.startswith(prefix) for o in r["others"])]
        if row.entry and row.entry["major"]:
            sizes.append(row.entry["major"])
        if sizes and max(sizes) >= limit:
            return True
    if not row.entry and (row.has("Cr ") or row.has("Mel ")):
        r = row.records[0]
        mag = brightness(stellarium_magnitude(r["vmag"]), stellarium_magnitude(r["bmag"]))
        if r["major"] >= LIMIT_ARCMIN or (mag is not None and mag <= LIMIT_MAGNITUDE):
            return True
    return False


def record_with(records, designation):
    """The first catalog.dat record bearing a designation."""
    keys = {"NGC": "ngc", "IC": "ic", "M": "m", "C": "c"}
    cat, _, number = designation.partition(" ")
    for r in records:
        if cat in keys:
            if number.isdigit() and r[keys[cat]] == int(number):
                return r
        elif designation in r["others"]:
            return r
    return None


def apply_sizes(sizes, by_designation, records):
    """The sizes of objects_sizes.csv: typed from a cited page, or taken from
    the catalog.dat record named in size_from ("Sh2-275 (Stellarium)")."""
    for line in sizes:
        row = by_designation.get(line["designation"])
        if row is None:
            sys.exit(f"objects_sizes.csv: no row {line['designation']}")
        source = line["size_from"]
        match = re.fullmatch(r"(.+) \(Stellarium\)", source)
        if match:
            r = record_with(records, match[1])
            if r is None or r["major"] <= 0:
                sys.exit(f"objects_sizes.csv: no catalog.dat size for {match[1]}")
            if line["major"] or line["minor"] or line["pa"]:
                sys.exit(f"objects_sizes.csv: {line['designation']}: a size taken from Stellarium is not typed")
            major = r["major"]
            minor = r["minor"] if r["minor"] > 0 else None
            pa = None
        else:
            major = float(line["major"])
            minor = float(line["minor"]) if line["minor"] else None
            pa = float(line["pa"]) if line["pa"] else None
        row.size = (major, minor, pa, source)


def apply_names(rows, names, translations, name_edits, french_edits, by_designation):
    """English names: names.dat's lines for the row's designations (or its
    records' numbers), in the file's order, then OpenNGC's; French: the
    translations of those, as stellarium-data gives them or as
    objects_french.csv mends them; then objects_names.csv."""
    by_record = {r["id"]: row for row in rows for r in row.records}
    by_key = {compact(d): row for d, row in by_designation.items()}
    def plain(name):
        """A name as compared for doubles: case and a leading "the" aside."""
        return re.sub(r"^the ", "", name.lower())

    for key, name in names:
        row = by_record.get(key) if isinstance(key, int) else by_key.get(compact(key))
        if row is not None and plain(name) not in (plain(n) for n in row.names_en):
            row.names_en.append(name)
    for row in rows:
        if row.entry:
            for name in row.entry["names"]:
                if plain(name) not in (plain(n) for n in row.names_en):
                    row.names_en.append(name)
    french = dict(translations)
    for line in french_edits:
        french[line["english"]] = line["french"]
    for row in rows:
        for name in row.names_en:
            translated = french.get(name, "")
            translated = re.sub(r"\bdu la\b", "de la", translated)
            if translated and translated.lower() not in (n.lower() for n in row.names_fr):
                row.names_fr.append(translated)
    for line in name_edits:
        row = by_designation.get(line["designation"])
        if row is None:
            sys.exit(f"objects_names.csv: no row {line['designation']}")
        names_list = row.names_en if line["language"] == "en" else row.names_fr
        name = line["name"]
        if line["action"] == "remove":
            if name not in names_list:
                sys.exit(f"objects_names.csv: {line['designation']} has no name {name!r}")
            names_list.remove(name)
        elif line["action"] in ("add", "first"):
            if name in names_list:
                names_list.remove(name)
            if line["action"] == "first":
                names_list.insert(0, name)
            else:
                names_list.append(name)
        else:
            sys.exit(f"objects_names.csv: action {line['action']!r}")
    for row in rows:
        for name in row.names_en + row.names_fr:
            if any(c in name for c in ',";') or name != name.strip():
                sys.exit(f"{label(row)}: name {name!r} holds a separator")


def place_outlines(outlines, links, by_designation, duplicates):
    """outlines.csv's lines: designation, part (1, 2... each closed
    polyline), RA and Dec (degrees, to 0.0001)."""
    lines, notes = [], []
    named = {link["designation"]: link["target"] for link in links if link["action"] == "outline"}
    for name in sorted(outlines):
        level, polylines = outlines[name]
        if name in named:
            designation = named[name]
        else:
            designation = convert(OPENNGC_NAMES, name)
            designation = duplicates.get(designation, designation)
        row = by_designation.get(designation) if designation else None
        if row is None:
            notes.append(f"outline {name}_lv{level}: no row for it; left out")
            continue
        if row.outline:
            notes.append(f"outline {name}_lv{level}: {label(row)} has one already; left out")
            continue
        row.outline = True
        shown = designation_of(row)
        for part, points in enumerate(polylines, start=1):
            for ra, dec in simplified(points):
                lines.append([shown, str(part), number(ra, 4), number(dec, 4)])
    return lines, notes


def simplified(points):
    """The polyline's points that its shape needs: Douglas and Peucker's
    reduction, dropping points within OUTLINE_TOLERANCE degrees of the line
    through the points kept around them (on the plane tangent to the sky at
    the first point). The points kept are OpenNGC's, unchanged."""
    ra0, dec0 = points[0]
    scale = math.cos(math.radians(dec0))
    plane = [(((ra - ra0 + 180) % 360 - 180) * scale, dec - dec0) for ra, dec in points]
    keep = [False] * len(points)
    keep[0] = keep[-1] = True
    stack = [(0, len(points) - 1)]
    while stack:
        first, last = stack.pop()
        (x1, y1), (x2, y2) = plane[first], plane[last]
        length = math.hypot(x2 - x1, y2 - y1)
        farthest, at = 0.0, None
        for i in range(first + 1, last):
            x, y = plane[i]
            if length == 0:
                distance = math.hypot(x - x1, y - y1)
            else:
                distance = abs((x2 - x1) * (y1 - y) - (x1 - x) * (y2 - y1)) / length
            if distance > farthest:
                farthest, at = distance, i
        if at is not None and farthest > OUTLINE_TOLERANCE:
            keep[at] = True
            stack += [(first, at), (at, last)]
    return [p for p, kept in zip(points, keep) if kept]


# ---------------------------------------------------------------------------
# Writing

def number(value, decimals):
    """value rounded to decimals places, without trailing zeros."""
    text = f"{value:.{decimals}f}"
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def magnitude(value):
    return "" if value is None else number(value, 2)


def axis(arcmin):
    """Arc-minutes to 0.1' (0.01' under 1'); empty when unknown."""
    if arcmin is None or arcmin <= 0:
        return ""
    return number(arcmin, 1 if arcmin >= 1 else 2)


def position_angle(major, minor, pa, galaxy):
    """Degrees east of north, 0 to 179; empty where the source has none.

    An angle means something only for an elongated object, so it is empty
    where an axis is unknown or both axes are equal."""
    if pa is None or not major or not minor or minor >= major:
        return ""
    return number(pa % 180, 0)


def values(row):
    """The row's fields, in HEADER's order."""
    entry = row.entry
    r = row.records[0] if row.records else None
    if entry:
        ra, dec = entry["ra"], entry["dec"]
        vmag, bmag = entry["vmag"], entry["bmag"]
        major, minor, pa = entry["major"], entry["minor"], entry["pa"]
        kind = OPENNGC_TYPES[entry["type"]]
        galaxy = entry["type"] in OPENNGC_GALAXIES
        size_from = ""
        # Where OpenNGC gives no size, the catalog.dat record's, when the
        # record lies within POSITION_ARCMIN of OpenNGC's position.
        if (major is None and r is not None and r["major"] > 0 and
                separation(r["ra"], r["dec"], ra, dec) <= POSITION_ARCMIN):
            major, minor, pa = r["major"], (r["minor"] if r["minor"] > 0 else None), None
            size_from = f"{source_name(r)} (Stellarium)"
    else:
        ra, dec = r["ra"], r["dec"]
        vmag, bmag = stellarium_magnitude(r["vmag"]), stellarium_magnitude(r["bmag"])
        if STELLARIUM_TYPES[r["type"]] == "dark nebula":
            # The magnitudes of its dark nebulae are whole numbers 1 to 6,
            # Lynds's opacity classes (B 33, the Horsehead, is "4"): not
            # magnitudes, and left out.
            vmag = bmag = None
        major = r["major"] if r["major"] > 0 else None
        minor = r["minor"] if r["minor"] > 0 else None
        galaxy = r["type"] in STELLARIUM_GALAXIES
        # catalog.dat writes 0 where it has no angle: for galaxies a 0 is
        # kept, as it is no more frequent there than any other angle.
        pa = r["pa"] if r["pa"] > 0 or (r["pa"] == 0 and galaxy) else None
        kind = STELLARIUM_TYPES[r["type"]]
        size_from = ""
    if row.size:
        major, minor, pa, size_from = row.size
    if row.position:
        ra, dec = row.position[0], row.position[1]
    d = row.designations
    first = {}
    for prefix in ("M ", "C ", "NGC ", "IC "):
        found = sorted((x for x in d if x.startswith(prefix)), key=primary_key(row, prefix))
        first[prefix] = found[0] if found else ""
    return [
        first["M "], first["C "], first["NGC "], first["IC "],
        ";".join(others_of(row)),
        ";".join(row.names_en),
        ";".join(row.names_fr),
        kind,
        magnitude(vmag), magnitude(bmag),
        axis(major), axis(minor),
        position_angle(major, minor, pa, galaxy),
        number(ra % 360, 4), number(dec, 4),
        size_from,
        axis(entry["major"]) if entry else "",
        axis(entry["minor"]) if entry else "",
        number(entry["ra"] % 360, 4) if entry else "",
        number(entry["dec"], 4) if entry else "",
        "1" if row.outline else "",
    ]


def source_name(r):
    """A catalog.dat record's name: its NGC, IC, M or first other number."""
    for key, prefix in (("ngc", "NGC "), ("ic", "IC "), ("m", "M "), ("c", "C ")):
        if r[key]:
            return f"{prefix}{r[key]}"
    return min(r["others"], key=other_key)


def order(row):
    """Messier by number; then by NGC number; then those without an NGC
    number by IC number; then the other Caldwell objects by number; then the
    rest by the catalogue and number they are shown by."""
    first = {}
    for prefix in ("M ", "NGC ", "IC ", "C "):
        found = sorted((x for x in row.designations if x.startswith(prefix)), key=primary_key(row, prefix))
        if found:
            first[prefix] = found[0]
    for group, prefix in enumerate(("M ", "NGC ", "IC ", "C ")):
        if prefix in first:
            number = re.match(r"\d+", first[prefix][len(prefix):])
            return (group, (0, int(number.group()) if number else 0, first[prefix]))
    return (4, other_key(designation_of(row)))


def explanations(rows, table, sizes, links):
    """explained.csv: every row whose size or position differs from
    OpenNGC's beyond the check's thresholds, and why."""
    column = {name: i for i, name in enumerate(HEADER)}
    reasons = {line["designation"]: line["reason"] for line in sizes}
    out = []
    for row, fields in zip(rows, table):
        shown = designation_of(row)
        if not fields[column["openngc_ra"]]:
            continue
        problems = flagged(fields, column)
        if not problems:
            continue
        reason = None
        for d in row.designations:
            if d in reasons:
                reason = reasons[d]
        if reason is None and fields[column["size_from"]].endswith("(Stellarium)") and not fields[column["openngc_major"]]:
            continue
        if reason is None:
            continue
        out.append([shown, reason])
    return sorted(out, key=lambda line: line[0])


def flagged(fields, column):
    """What differs from OpenNGC beyond the thresholds (as check.py)."""
    problems = []
    major, minor = fields[column["major"]], fields[column["minor"]]
    o_major, o_minor = fields[column["openngc_major"]], fields[column["openngc_minor"]]
    for used, theirs in ((major, o_major), (minor, o_minor)):
        if used and theirs:
            ratio = float(used) / float(theirs)
            if ratio > SIZE_FACTOR or ratio < 1 / SIZE_FACTOR:
                problems.append("size")
                break
    distance = separation(float(fields[column["ra"]]), float(fields[column["dec"]]),
                          float(fields[column["openngc_ra"]]), float(fields[column["openngc_dec"]]))
    if distance > POSITION_ARCMIN:
        problems.append("position")
    return problems


def write_csv(path, header, lines):
    for fields in lines:
        for field in fields:
            if "," in field or '"' in field or "\n" in field or field != field.strip():
                sys.exit(f"{path}: bad field {field!r} in {fields}")
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(",".join(header) + "\n")
        for fields in lines:
            out.write(",".join(fields) + "\n")
    print(f"{path}: {len(lines)} lines")


def report(rows, table, outline_lines, notes):
    column = {name: i for i, name in enumerate(HEADER)}
    counts = {}
    for row in rows:
        for prefix in {catalogue_of(d) for d in row.designations}:
            counts[prefix] = counts.get(prefix, 0) + 1
    print(f"rows {len(rows)}; rows with a number in each catalogue:")
    for prefix in ["M ", "C "] + OTHER_ORDER:
        if prefix in counts:
            print(f"  {prefix.strip()}: {counts[prefix]}")
    print(f"rows with an OpenNGC entry: {sum(1 for row in rows if row.entry)}")
    print(f"sizes not OpenNGC's own: {sum(1 for f in table if f[column['size_from']])}")
    print(f"outlines: {sum(1 for row in rows if row.outline)} rows, {len(outline_lines)} points")
    print(f"English names on {sum(1 for f in table if f[column['name_en']])} rows, "
          f"French on {sum(1 for f in table if f[column['name_fr']])}")
    for note in notes:
        print("note:", note, file=sys.stderr)


if __name__ == "__main__":
    main()
