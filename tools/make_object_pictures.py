#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the true-scale pictures of the Messier and Caldwell objects, in
images/objects/, from the deep-sky textures of Debian's stellarium-data
package, and their list, images/objects/index.csv.

Each object of data/objects/objects.csv with an M or C number whose position
lies on a texture gets one picture: the texture resampled onto a gnomonic
(tangent-plane) grid centred on the object's catalogue position, north up and
east left, the grid's spacing at the centre being the index's arcmin_per_px
exactly. The picture spans the texture's extent about the object, cut to 2.5
times the object's major axis where that is smaller, and never less than 1.3
times it; sky beyond the texture takes the texture's own background, as in
tools/make_photographs.py, whose functions do the resampling. At most 480
pixels on the longer side, and no finer than the texture itself unless that
would leave fewer than 160.

A picture is made only where the package states a licence that lets it be
redistributed: the texture's credit in textures.json is matched below to its
section of the package's CREDITS.md (section 4, "Graphics"), whose licence
is read from the file. Debian's copyright file gives GPL-2+ for the package
as a whole and, for the textures, refers to the upstream credits, of which it
keeps an older copy. Objects
left out are printed with the reason.

The section "Object pictures" at the end of images/CREDITS is rewritten with
each picture's texture, credit and licence.

Usage (Debian python3 with python3-numpy and python3-pil, and stellarium-data),
from the repository's top folder:
    tools/make_object_pictures.py

The output depends only on the package's files and objects.csv: running it
again gives the same bytes.
"""
import csv
import gzip
import json
import math
import os
import re
import sys
import textwrap

import warnings

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_photographs as photographs  # noqa: E402

OBJECTS = "data/objects/objects.csv"
TARGET = "images/objects"
CREDITS = "images/CREDITS"
PACKAGE_CREDITS = "/usr/share/doc/stellarium-data/CREDITS.md.gz"
PACKAGE_VERSION = "0.22.2-1"

LONGEST_PX = 480
SHORTEST_PX = 160  # a small crop of a coarse texture is still drawn this wide
QUALITY = 85
FIELD_OVER_MAJOR = 2.5
LEAST_FIELD_OVER_MAJOR = 1.3

# The CREDITS.md section that gives each texture's licence, found by the
# texture's credit in textures.json and, where one author has several
# sections, by the object the section names. None: no section covers it.
SECTIONS = {
    "m1dumont.png": "4.10", "m27dumont.png": "4.10", "m57dumont.png": "4.10",
    "m97dumont.png": "4.10", "n6946dumont.png": "4.10",
    "n869-884spano.png": "4.11",
    "m21-trev.png": "4.19", "m47-trev.png": "4.19",
    "smc29-1.png": "4.22", "smc29-2.png": "4.22",
    "n40.png": "4.30",
    "m31.png": "4.8",
    "etaCarinae.png": "4.17",
    "n2261.png": "4.29", "n4038-9.png": "4.29", "n6826.png": "4.29",
    "ic342.png": "4.31", "barnard_loop-2.png": "4.31", "barnard_loop-4.png": "4.31",
    "m77.png": "4.32", "n4449.png": "4.32", "n6231.png": "4.32", "n6397.png": "4.32",
    "m59.png": "4.34", "m60.png": "4.34", "m89.png": "4.34", "m90.png": "4.34",
    "virgo_cluster.png": "4.34",
    "m49.png": "4.36", "n147.png": "4.36", "n4244.png": "4.36",
    "n7023.png": "4.37",
    "m44.png": "4.38",
    "n4565.png": "4.40",
    "m61.png": "4.41", "m64.png": "4.41", "m65.png": "4.41", "m66.png": "4.41",
    "m91.png": "4.41", "m99.png": "4.41", "m100.png": "4.41", "n2362.png": "4.41",
    "n2775.png": "4.41", "n3132.png": "4.41", "n3242.png": "4.41", "n5248.png": "4.41",
    "n6302.png": "4.41", "n6543.png": "4.41", "n7000.png": "4.41",
    "n55.png": "4.42", "n300.png": "4.42", "n3532.png": "4.42", "n3766.png": "4.42",
    "n4945.png": "4.42", "n5128.png": "4.42", "n6752.png": "4.42", "n6822.png": "4.42",
    "m33.png": "4.43", "m42.png": "4.43", "pleiades.png": "4.43", "n253.png": "4.43",
    "m8.png": "4.44", "m17.png": "4.44", "m104.png": "4.44", "ic2944.png": "4.44",
    "n6726.png": "4.44", "n7293.png": "4.44",
    "n247.png": "4.45",
    "ic1613.png": "4.46",
    "m16.png": "4.47", "n4236.png": "4.47", "perseus_cluster.png": "4.47",
    "n7662.png": "4.49",
    "m2.png": "4.50", "m3.png": "4.50", "m5.png": "4.50", "m10.png": "4.50",
    "m13.png": "4.50", "m28.png": "4.50", "m30.png": "4.50", "m53.png": "4.50",
    "m54.png": "4.50", "m69.png": "4.50", "m71.png": "4.50", "m75.png": "4.50",
    "m78.png": "4.50", "m85.png": "4.50", "m94.png": "4.50", "m102.png": "4.50",
    "m107.png": "4.50",
    "m95.png": "4.51", "n6888.png": "4.51",
    "m98.png": "4.52",
    "n6188.png": "4.54",
    "n3195.png": "4.57", "n1097.png": "4.57",
    "n2244.png": "4.60", "sh2-155.png": "4.60",
    "n3115.png": "4.61",
    "m83.png": "4.64",
    "n2867.png": "4.67",
    "n5286.png": "4.69",
    "n6744.png": "4.73",
    "m72.png": "4.76",
    "n2477.png": "4.84",
    "n4755.png": "4.85",
    "n6025.png": "4.87", "n6087.png": "4.87", "n6124.png": "4.87",
    "n362.png": "4.88",
    "m74.png": "4.90", "coma_cluster.png": "4.90",
    "n5139.png": "4.92",
    "n6960.png": "4.93",
    "lmc_10.png": "4.95",
    "n7009.png": "4.100",
    "rho-a10.png": "4.96", "rho-a11.png": "4.96",
    "n752.png": "4.110",
}
SECTIONS.update({name: "4.7" for name in (
    "m6.png", "m7.png", "m9.png", "m11.png", "m18.png", "m23.png", "m25.png", "m26.png",
    "m29.png", "m34.png", "m35.png", "m36.png", "m37.png", "m38.png", "m41.png",
    "m46.png", "m48.png", "m50.png", "m52.png", "m67.png", "m68.png", "m70.png",
    "m73.png", "m79.png", "m80.png", "m93.png", "m103.png")})
SECTIONS.update({name: "4.39" for name in (
    "m4.png", "m12.png", "m14.png", "m19.png", "m20.png", "m22.png", "m55.png",
    "m56.png", "m62.png", "m88.png", "m92.png", "m108.png", "m109.png", "ic5146.png",
    "n663.png", "n891.png", "n7814.png")})
SECTIONS.update({name: "4.25" for name in (
    "m15-vasey.png", "m24-vasey.png", "m51-vasey.png", "m58-vasey.png", "m63-vasey.png",
    "m76-vasey.png", "m81-vasey.png", "m82-vasey.png", "m96-vasey.png", "m101-vasey.png",
    "m105-vasey.png", "m106-vasey.png", "n246-vasey.png", "n457-vasey.png",
    "n2392-vasey.png", "n2403-vasey.png", "n2506-vasey.png", "n4559-vasey.png",
    "n4631-vasey.png", "n7331-vasey.png", "n7479-vasey.png", "n7635-vasey.png",
    "ic405-vasey.png", "GammaCygni-vasey.png")})

# Where textures.json and CREDITS.md disagree, the section of the credit's
# author is taken, and the picture's credit says so.
NOTES = {
    "m94.png": "4.50 does not list M94, which 4.44 (public domain) gives to "
               "Dylan O'Donnell",
    "n1097.png": "4.58, same licence, lists NGC1097 under Zhao Jingna",
    "n7000.png": "4.41 lists NGC7000 among the pictures of Adam Block/Mount Lemmon "
                 "SkyCenter/University of Arizona",
}

# Textures whose section states a licence that is still not a clear grant.
DOUBTFUL = {
    "n247.png": "its author and source are only assumed (CREDITS.md 4.45)",
}


def package_sections():
    """CREDITS.md's section 4, as {number: text on one line}."""
    text = gzip.open(PACKAGE_CREDITS, "rt", encoding="utf-8").read()
    graphics = text[text.index("\n4. Graphics"):]
    graphics = graphics[:graphics.index("```")]
    sections = {}
    number = None
    for line in graphics.splitlines()[2:]:
        start = re.match(r"\s*(4\.\d+[a-z]?)\s+(.*)", line)
        if start:
            number = start.group(1)
            sections[number] = start.group(2).strip()
        elif number and line.strip():
            sections[number] += " " + line.strip()
    return {number: re.sub(r"\s+", " ", text) for number, text in sections.items()}


def licence(section_text):
    """The licence a section states, or None."""
    found = re.search(r"License:\s*(.*)", section_text)
    return found.group(1).strip() if found else None


def load_tiles():
    """textures.json's entries by file name."""
    text = open(f"{photographs.TEXTURES}/textures.json").read()
    text = re.sub(r"(?<=[\[,\s])(-?)\.(\d)", r"\g<1>0.\2", text)  # ".98" is not JSON
    return {tile["imageUrl"]: tile for tile in json.loads(text)["subTiles"]}


def credit_of(tile):
    credits = tile["imageCredits"]
    return credits.get("short") or credits.get("Short"), credits.get("infoUrl")


def corners_about(corners, ra0, dec0):
    """A texture's corners on the tangent plane about (ra0, dec0), in arc-minutes,
    or None where one lies 25 degrees or more away."""
    ra, dec = np.radians(corners[:, 0]), np.radians(corners[:, 1])
    cos_c = (np.sin(np.radians(dec0)) * np.sin(dec) +
             np.cos(np.radians(dec0)) * np.cos(dec) * np.cos(ra - np.radians(ra0)))
    if (cos_c < math.cos(math.radians(25))).any():
        return None
    xi, eta = photographs.tangent(corners[:, 0], corners[:, 1], ra0, dec0)
    return np.stack([xi, eta], axis=1) * 60


def covers_centre(xy):
    """Whether the quadrilateral of corners holds the tangent point."""
    turns = [xy[k, 0] * xy[(k + 1) % 4, 1] - xy[k, 1] * xy[(k + 1) % 4, 0] for k in range(4)]
    return all(t > 0 for t in turns) or all(t < 0 for t in turns)


def best_texture(tiles, ra0, dec0):
    """Of the textures holding the position, the one whose centre is nearest
    it for its size, with its corners about it; None where none holds it."""
    best = None
    for name in sorted(tiles):
        corners = np.array(tiles[name]["worldCoords"][0], dtype=float)
        xy = corners_about(corners, ra0, dec0)
        if xy is None or not covers_centre(xy):
            continue
        diagonal = max(np.hypot(*(xy[2] - xy[0])), np.hypot(*(xy[3] - xy[1])))
        offset = np.hypot(*xy.mean(axis=0)) / diagonal
        if best is None or offset < best[0]:
            best = (offset, name, corners, xy)
    return best and best[1:]


def round_up(value, digits=4):
    """`value` rounded up to `digits` significant digits."""
    exponent = digits - 1 - math.floor(math.log10(value))
    return math.ceil(value * 10 ** exponent - 1e-9) / 10 ** exponent


def layout(xy, texture_px, major):
    """Field (arc-minutes across, down), scale (arc-minutes per pixel) and size
    (columns, rows) of an object's picture; xy its texture's corners about it."""
    across = 2 * np.abs(xy[:, 0]).max()
    down = 2 * np.abs(xy[:, 1]).max()
    if major:
        across = max(min(across, FIELD_OVER_MAJOR * major), LEAST_FIELD_OVER_MAJOR * major)
        down = max(min(down, FIELD_OVER_MAJOR * major), LEAST_FIELD_OVER_MAJOR * major)
    # The texture's own pixel, from the lengths of its four sides.
    sides = [np.hypot(*(xy[(k + 1) % 4] - xy[k])) for k in range(4)]
    texture_scale = (sides[0] + sides[2]) / 2 / texture_px[0] + (sides[1] + sides[3]) / 2 / texture_px[1]
    texture_scale /= 2
    longest = max(across, down)
    pixels = min(LONGEST_PX, max(SHORTEST_PX, math.ceil(longest / texture_scale)))
    scale = round_up(longest / pixels)
    size = (max(1, round(across / scale)), max(1, round(down / scale)))
    return scale, size, texture_scale


def picture(name, corners, ra0, dec0, scale, size, texture_scale):
    """The texture on the object's grid; a texture much finer than the grid is
    first averaged down, so that the grid's samples do not alias."""
    image = photographs.load_texture(name)
    background = photographs.sky_background(image)
    factor = math.floor(scale / texture_scale)
    if factor >= 2:
        height, width = image.shape[:2]
        reduced = Image.open(f"{photographs.TEXTURES}/{name}").convert("RGB").resize(
            (max(2, round(width / factor)), max(2, round(height / factor))), Image.Resampling.BOX)
        image = np.asarray(reduced, dtype=float)
    return photographs.project(image, corners, ra0, dec0, scale / 60, size, background)


def field_text(text):
    """A text as an index field: no comma, no double quote."""
    return text.replace(",", " ;").replace('"', "'")


def main():
    # Pillow's note on palette textures with transparency: they are read as
    # make_photographs.py reads them, transparency dropped.
    warnings.filterwarnings("ignore", "Palette images with Transparency")
    tiles = load_tiles()
    sections = package_sections()
    made, left_out, seen = [], [], set()
    with open(OBJECTS, encoding="utf-8", newline="") as f:
        rows = list(csv.DictReader(f))
    for row in rows:
        designation = row["m"] or row["c"]
        if not designation or designation in seen:
            continue  # C 14 is two rows, NGC 869 and NGC 884: its first row is taken
        seen.add(designation)
        ra0, dec0 = float(row["ra"]), float(row["dec"])
        found = best_texture(tiles, ra0, dec0)
        if found is None:
            left_out.append((designation, "", "no texture holds its position"))
            continue
        name, corners, xy = found
        section = SECTIONS.get(name)
        stated = licence(sections[section]) if section else None
        if section is None:
            left_out.append((designation, name, "its credit has no section in CREDITS.md"))
            continue
        if stated is None:
            left_out.append((designation, name, f"CREDITS.md {section} states no licence"))
            continue
        if name in DOUBTFUL:
            left_out.append((designation, name, DOUBTFUL[name]))
            continue
        texture_px = Image.open(f"{photographs.TEXTURES}/{name}").size
        major = float(row["major"]) if row["major"] else None
        scale, size, texture_scale = layout(xy, texture_px, major)
        file = designation.replace(" ", "").lower() + ".jpg"
        made.append((designation, file, size, scale, name, section, stated,
                     picture(name, corners, ra0, dec0, scale, size, texture_scale)))

    os.makedirs(TARGET, exist_ok=True)
    for old in sorted(os.listdir(TARGET)):
        if old.endswith(".jpg"):
            os.remove(f"{TARGET}/{old}")
    with open(f"{TARGET}/index.csv", "w", encoding="utf-8", newline="\n") as index:
        index.write("designation,file,width_px,height_px,arcmin_per_px,texture,credit\n")
        for designation, file, size, scale, name, _, _, image in made:
            image.save(f"{TARGET}/{file}", "JPEG", quality=QUALITY, optimize=True, progressive=False)
            credit = field_text(credit_of(tiles[name])[0])
            index.write(f"{designation},{file},{size[0]},{size[1]},{scale!r},{name},{credit}\n")
    write_credits(made, sections, tiles)

    total = sum(os.path.getsize(f"{TARGET}/{entry}") for entry in os.listdir(TARGET))
    scales = [entry[3] for entry in made]
    print(f"{len(made)} pictures in {TARGET}, {total} bytes with the index; "
          f"{min(scales)} to {max(scales)} arc-minutes per pixel")
    for designation, name, reason in left_out:
        print(f"left out: {designation}" + (f" ({name})" if name else "") + f": {reason}")


HEADING = "Object pictures"


def write_credits(made, sections, tiles):
    """Rewrites the object pictures' section at the end of images/CREDITS."""
    text = open(CREDITS, encoding="utf-8").read()
    mark = text.find(f"\n\n{HEADING}\n")
    if mark >= 0:
        text = text[:mark + 1]
    out = [text.rstrip("\n"), "", "", HEADING, "=" * len(HEADING), "",
           "The pictures in objects/ are resampled by tools/make_object_pictures.py",
           "from the same textures of the stellarium-data package (version",
           f"{PACKAGE_VERSION}). Each credit is textures.json's, and each licence that of",
           "the package's CREDITS.md (/usr/share/doc/stellarium-data/CREDITS.md.gz),",
           "section 4, numbered as there. Debian's copyright file gives GPL-2+ for",
           "the package as a whole and, for the textures, refers to the upstream",
           "credits, of which it keeps an older copy.",
           "Pictures are made only from textures whose section states a licence",
           "that allows redistribution. Where the licence is a Share-Alike one,",
           "the picture is under that licence too. Each section's full text follows",
           "the list.", ""]
    for designation, file, _, _, name, section, stated, _ in made:
        short, url = credit_of(tiles[name])
        lines = [f"{designation}, texture {name}"]
        lines += textwrap.wrap(f"Credit: {short}" + (f", {url}" if url else ""), 68,
                               subsequent_indent="  ", break_on_hyphens=False, break_long_words=False)
        lines += textwrap.wrap(f"(CREDITS.md {section}) License: {stated}", 68,
                               subsequent_indent="  ", break_on_hyphens=False, break_long_words=False)
        if name in NOTES:
            lines += textwrap.wrap(f"Note: {NOTES[name]}.", 68, subsequent_indent="  ",
                                   break_on_hyphens=False, break_long_words=False)
        out.append(f"{file:<12}{lines[0]}")
        out.extend(f"{'':<12}{line}" for line in lines[1:])
        out.append("")
    out += ["The sections of CREDITS.md cited above, as the package words them:", ""]
    for section in sorted({entry[5] for entry in made}, key=lambda n: [int(p) for p in n.split(".")]):
        out += textwrap.wrap(f"{section} {sections[section]}", 76, subsequent_indent="    ",
                             break_on_hyphens=False, break_long_words=False)
        out.append("")
    with open(CREDITS, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main()
