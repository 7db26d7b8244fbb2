#!/usr/bin/env python3
"""Validate objects.csv, outlines.csv and explained.csv in this folder.

objects.csv: the exact header; every line has as many fields as the header
and no double quote (the program splits lines at every comma and unquotes
nothing, and ";" separates the values of one field); every row has a
designation; no designation is on two rows, compared as the program's search
compares them (case, blanks and hyphens aside); every Messier number 1 to 110
and Caldwell number 1 to 109 is on exactly one row; numbers parse, sizes are
positive, position angles 0 to 180, positions in range; the file stays under
1.5 MB.

Against OpenNGC: every row holding OpenNGC's own values (openngc_major,
openngc_minor, openngc_ra, openngc_dec) whose size differs from OpenNGC's by
more than a factor 1.5 (major or minor axis) or whose position is more than
30' from OpenNGC's is listed; each must be explained in explained.csv
(designation,reason), and every line of explained.csv must name such a row.

outlines.csv (designation,part,ra,dec): each designation is a row's, as the
program shows it (M, else C, NGC, IC, else the first other number); parts
numbered from 1, each a closed polyline of at least 4 points; the outline
column of objects.csv is "1" exactly for the rows with an outline.

Exit status 0 when clean, 1 when any problem is found.
"""
import math
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
HEADER = ["m", "c", "ngc", "ic", "other", "name_en", "name_fr", "type",
          "vmag", "bmag", "major", "minor", "pa", "ra", "dec",
          "size_from", "openngc_major", "openngc_minor", "openngc_ra", "openngc_dec",
          "outline"]
PREFIXES = {"m": "M ", "c": "C ", "ngc": "NGC ", "ic": "IC "}
SIZE_FACTOR = 1.5
POSITION_ARCMIN = 30.0
MAX_BYTES = 1_500_000
errors = []


def err(name, line, message):
    errors.append(f"{name}:{line}: {message}")


def lines_of(name, header):
    """The file's data lines as dicts, with their line numbers; checks the
    header, the field counts and the double quotes."""
    path = os.path.join(HERE, name)
    if not os.path.exists(path):
        err(name, 0, "file missing")
        return []
    with open(path, encoding="utf-8", newline="") as handle:
        text = handle.read()
    if not text.endswith("\n"):
        err(name, 0, "the last line has no end")
    rows = text.split("\n")
    if rows[-1] == "":
        rows.pop()
    if not rows or rows[0].split(",") != header:
        err(name, 1, f"header {rows[0] if rows else None!r}, expected {','.join(header)}")
        return []
    out = []
    for number, line in enumerate(rows[1:], start=2):
        if '"' in line or "\r" in line:
            err(name, number, "a double quote or a carriage return (the program unquotes nothing)")
        fields = line.split(",")
        if len(fields) != len(header):
            err(name, number, f"{len(fields)} comma-separated fields, expected {len(header)} (a comma inside a field?)")
            continue
        for field in fields:
            if field != field.strip():
                err(name, number, f"field {field!r} has blanks at an end")
        out.append((number, dict(zip(header, fields))))
    return out


def real(name, number, row, key, low, high, required=False):
    text = row[key]
    if not text:
        if required:
            err(name, number, f"{key} empty")
        return None
    try:
        value = float(text)
    except ValueError:
        err(name, number, f"{key}={text!r} is not a number")
        return None
    if not (low <= value <= high) or not math.isfinite(value):
        err(name, number, f"{key}={text} outside {low} to {high}")
    return value


def compact(designation):
    """As the program's search compares designations."""
    return re.sub(r"[\s-]", "", designation).lower()


def shown(row):
    """The designation the program shows a row by."""
    for key in ("m", "c", "ngc", "ic"):
        if row[key]:
            return row[key]
    others = [value for value in row["other"].split(";") if value]
    return others[0] if others else ""


def separation(ra1, dec1, ra2, dec2):
    ra1, dec1, ra2, dec2 = map(math.radians, (ra1, dec1, ra2, dec2))
    cos = math.sin(dec1) * math.sin(dec2) + math.cos(dec1) * math.cos(dec2) * math.cos(ra1 - ra2)
    return math.degrees(math.acos(max(-1.0, min(1.0, cos)))) * 60


def check_objects():
    name = "objects.csv"
    path = os.path.join(HERE, name)
    if os.path.exists(path) and os.path.getsize(path) > MAX_BYTES:
        err(name, 0, f"{os.path.getsize(path)} bytes, more than {MAX_BYTES}")
    rows = lines_of(name, HEADER)
    seen = {}
    messier, caldwell = {}, {}
    flagged = {}
    for number, row in rows:
        for key, prefix in PREFIXES.items():
            value = row[key]
            if value and not re.fullmatch(re.escape(prefix) + r"\d+[A-Za-z0-9 ]*", value):
                err(name, number, f"{key}={value!r} is not a {prefix.strip()} number")
        designations = [row[key] for key in PREFIXES if row[key]]
        designations += [value for value in row["other"].split(";") if value]
        if "" in row["other"].split(";") and row["other"]:
            err(name, number, "an empty value in other")
        if not designations:
            err(name, number, "no designation")
        for designation in designations:
            key = compact(designation)
            if key in seen:
                err(name, number, f"{designation} is also on line {seen[key]}")
            else:
                seen[key] = number
        if row["m"]:
            messier.setdefault(int(row["m"][2:]), []).append(number)
        if row["c"]:
            caldwell.setdefault(int(row["c"][2:]), []).append(number)
        for key in ("name_en", "name_fr"):
            if row[key] and "" in row[key].split(";"):
                err(name, number, f"an empty name in {key}")
        if not row["type"]:
            err(name, number, "type empty")
        real(name, number, row, "vmag", -30, 40)
        real(name, number, row, "bmag", -30, 40)
        major = real(name, number, row, "major", 1e-9, 10000)
        minor = real(name, number, row, "minor", 1e-9, 10000)
        if minor is not None and major is None:
            err(name, number, "a minor axis without a major one")
        real(name, number, row, "pa", 0, 180)
        ra = real(name, number, row, "ra", 0, 360, required=True)
        dec = real(name, number, row, "dec", -90, 90, required=True)
        if row["outline"] not in ("", "1"):
            err(name, number, f"outline={row['outline']!r}, expected 1 or nothing")
        o_major = real(name, number, row, "openngc_major", 1e-9, 10000)
        o_minor = real(name, number, row, "openngc_minor", 1e-9, 10000)
        o_ra = real(name, number, row, "openngc_ra", 0, 360)
        o_dec = real(name, number, row, "openngc_dec", -90, 90)
        if (o_ra is None) != (o_dec is None):
            err(name, number, "openngc_ra and openngc_dec go together")
        if (o_major is not None or o_minor is not None) and o_ra is None:
            err(name, number, "OpenNGC's size without OpenNGC's position")
        if o_ra is None or ra is None or dec is None:
            continue
        problems = []
        for used, theirs, axis in ((major, o_major, "major"), (minor, o_minor, "minor")):
            if used is not None and theirs is not None:
                ratio = used / theirs
                if ratio > SIZE_FACTOR or ratio < 1 / SIZE_FACTOR:
                    problems.append(f"{axis} axis {used:g}' against OpenNGC's {theirs:g}'")
        distance = separation(ra, dec, o_ra, o_dec)
        if distance > POSITION_ARCMIN:
            problems.append(f"position {distance:.0f}' from OpenNGC's")
        if problems:
            flagged[shown(row)] = (number, problems)
    for numbers, label, count in ((messier, "M", 110), (caldwell, "C", 109)):
        for n in range(1, count + 1):
            if n not in numbers:
                err(name, 0, f"{label} {n} missing")
            elif len(numbers[n]) > 1:
                err(name, 0, f"{label} {n} on lines {numbers[n]}")
        for n in numbers:
            if not 1 <= n <= count:
                err(name, numbers[n][0], f"{label} {n} is not a {label} number")
    return rows, flagged


def check_explained(flagged):
    name = "explained.csv"
    explained = {}
    for number, row in lines_of(name, ["designation", "reason"]):
        if not row["reason"]:
            err(name, number, f"{row['designation']}: no reason")
        if row["designation"] in explained:
            err(name, number, f"{row['designation']} explained twice")
        explained[row["designation"]] = number
        if row["designation"] not in flagged:
            err(name, number, f"{row['designation']} differs from OpenNGC within the limits: nothing to explain")
    print(f"{len(flagged)} rows differ from OpenNGC beyond a factor {SIZE_FACTOR} in size or "
          f"{POSITION_ARCMIN:g}' in position:")
    for designation, (number, problems) in sorted(flagged.items(), key=lambda item: item[1][0]):
        state = "explained" if designation in explained else "NOT EXPLAINED"
        print(f"  {designation} (line {number}): {'; '.join(problems)} - {state}")
        if designation not in explained:
            err("objects.csv", number, f"{designation}: {'; '.join(problems)}, not explained in explained.csv")


def check_outlines(rows):
    name = "outlines.csv"
    by_shown = {shown(row): row for _, row in rows}
    with_outline = {shown(row) for _, row in rows if row["outline"] == "1"}
    parts = {}
    for number, line in lines_of(name, ["designation", "part", "ra", "dec"]):
        if line["designation"] not in by_shown:
            err(name, number, f"{line['designation']!r} is not the designation of a row")
            continue
        if not re.fullmatch(r"[1-9]\d*", line["part"]):
            err(name, number, f"part {line['part']!r} is not a number from 1")
            continue
        ra = real(name, number, line, "ra", 0, 360, required=True)
        dec = real(name, number, line, "dec", -90, 90, required=True)
        parts.setdefault(line["designation"], {}).setdefault(int(line["part"]), []).append((number, ra, dec))
    for designation, polylines in parts.items():
        if sorted(polylines) != list(range(1, len(polylines) + 1)):
            err(name, 0, f"{designation}: parts {sorted(polylines)} are not numbered 1 to {len(polylines)}")
        for part, points in polylines.items():
            if len(points) < 4:
                err(name, points[0][0], f"{designation} part {part}: {len(points)} points, fewer than 4")
            elif points[0][1:] != points[-1][1:]:
                err(name, points[-1][0], f"{designation} part {part} is not closed")
    for designation in sorted(with_outline - set(parts)):
        err("objects.csv", 0, f"{designation}: outline=1 but no line in outlines.csv")
    for designation in sorted(set(parts) - with_outline):
        err("objects.csv", 0, f"{designation}: lines in outlines.csv but outline empty")


def main():
    rows, flagged = check_objects()
    check_explained(flagged)
    check_outlines(rows)
    for error in errors:
        print(error)
    print(f"{len(rows)} rows, {len(errors)} problems")
    sys.exit(1 if errors else 0)


if __name__ == "__main__":
    main()
