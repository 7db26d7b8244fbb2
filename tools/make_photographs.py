#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the six deep-sky photographs of the "Champ photo" page, and the
built-in M 31 start picture, from the deep-sky textures of Debian's
stellarium-data package.

Each photograph is resampled onto a gnomonic (tangent-plane) grid centred on
its object, north up and east left, so that the 360 pixels across span the
page's stated width exactly; 240 pixels down at the same scale. Where the
texture covers less sky than the picture, the rest takes the texture's own
sky background (a low percentile of its pixels).

Usage (Debian python3 with python3-numpy and python3-pil, and stellarium-data):
    tools/make_photographs.py [images-dir] [built-in-picture.bmp]
"""
import json
import re
import sys

import numpy as np
from PIL import Image

TEXTURES = "/usr/share/stellarium/nebulae/default"

# File, texture, centre (J2000 right ascension and declination in degrees),
# width across in arc-minutes.
PHOTOGRAPHS = [
    ("m13_1d_360x240.bmp", "m13.png", 250.4235, 36.4613, 60),
    ("m27_15m_360x240.bmp", "m27dumont.png", 299.9017, 22.7211, 15),
    ("m31_5d_360x240.bmp", "m31.png", 10.6847, 41.2690, 300),
    ("m42_2d_360x240.bmp", "m42.png", 83.8221, -5.3911, 120),
    ("m45_2d5_360x240.bmp", "pleiades.png", 56.7500, 24.1167, 150),
    ("ngc7331_30m_360x240.bmp", "n7331-vasey.png", 339.2671, 34.4157, 30),
]


def load_corners():
    """The sky coordinates of each texture's corners, from textures.json."""
    text = open(f"{TEXTURES}/textures.json").read()
    text = re.sub(r"(?<=[\[,\s])(-?)\.(\d)", r"\g<1>0.\2", text)  # ".98" is not JSON
    corners = {}
    for tile in json.loads(text)["subTiles"]:
        if "worldCoords" in tile:
            corners[tile["imageUrl"]] = np.array(tile["worldCoords"][0], dtype=float)
    return corners


def tangent(ra, dec, ra0, dec0):
    """Gnomonic projection about (ra0, dec0): xi east, eta north, in degrees."""
    ra, dec, ra0, dec0 = map(np.radians, (ra, dec, ra0, dec0))
    cos_c = np.sin(dec0) * np.sin(dec) + np.cos(dec0) * np.cos(dec) * np.cos(ra - ra0)
    xi = np.cos(dec) * np.sin(ra - ra0) / cos_c
    eta = (np.cos(dec0) * np.sin(dec) - np.sin(dec0) * np.cos(dec) * np.cos(ra - ra0)) / cos_c
    return np.degrees(xi), np.degrees(eta)


def invert_bilinear(p, q, corners_xy):
    """The texture coordinates (u, v) whose bilinear blend of the corners is (p, q).

    Corners are at texture (0,0), (1,0), (1,1), (0,1); solved by Newton steps."""
    c00, c10, c11, c01 = corners_xy
    u = np.full(p.shape, 0.5)
    v = np.full(p.shape, 0.5)
    for _ in range(20):
        x = (1 - u) * (1 - v) * c00[0] + u * (1 - v) * c10[0] + u * v * c11[0] + (1 - u) * v * c01[0]
        y = (1 - u) * (1 - v) * c00[1] + u * (1 - v) * c10[1] + u * v * c11[1] + (1 - u) * v * c01[1]
        dxdu = (1 - v) * (c10[0] - c00[0]) + v * (c11[0] - c01[0])
        dxdv = (1 - u) * (c01[0] - c00[0]) + u * (c11[0] - c10[0])
        dydu = (1 - v) * (c10[1] - c00[1]) + v * (c11[1] - c01[1])
        dydv = (1 - u) * (c01[1] - c00[1]) + u * (c11[1] - c10[1])
        det = dxdu * dydv - dxdv * dydu
        du = ((x - p) * dydv - (y - q) * dxdv) / det
        dv = ((y - q) * dxdu - (x - p) * dydu) / det
        u -= du
        v -= dv
    return u, v


def load_texture(texture):
    """A texture's pixels as an array of rows of RGB floats, row 0 at the top."""
    return np.asarray(Image.open(f"{TEXTURES}/{texture}").convert("RGB"), dtype=float)


def sky_background(image):
    """A texture's own sky: a low percentile of its pixels."""
    return np.percentile(image.reshape(-1, 3), 20, axis=0)


def project(image, corners, ra0, dec0, scale, size, background):
    """The texture resampled onto a gnomonic grid about (ra0, dec0), north up,
    east left, `scale` degrees per pixel at the centre, `size` (columns, rows)
    pixels; `background` where the texture does not reach."""
    height_px, width_px = image.shape[:2]
    corners_xy = [tangent(ra, dec, ra0, dec0) for ra, dec in corners]
    columns, rows = size
    j, i = np.mgrid[0:rows, 0:columns]
    xi = (columns / 2 - (i + 0.5)) * scale  # east to the left
    eta = (rows / 2 - (j + 0.5)) * scale  # north up
    u, v = invert_bilinear(xi, eta, corners_xy)
    # Texture row 0 is the top of the file; texture v = 0 is its bottom.
    x = u * width_px - 0.5
    y = (1 - v) * height_px - 0.5
    inside = (u >= 0) & (u <= 1) & (v >= 0) & (v <= 1)
    x0 = np.clip(np.floor(x).astype(int), 0, width_px - 2)
    y0 = np.clip(np.floor(y).astype(int), 0, height_px - 2)
    fx = np.clip(x - x0, 0, 1)[..., None]
    fy = np.clip(y - y0, 0, 1)[..., None]
    sample = ((1 - fx) * (1 - fy) * image[y0, x0] + fx * (1 - fy) * image[y0, x0 + 1] +
              (1 - fx) * fy * image[y0 + 1, x0] + fx * fy * image[y0 + 1, x0 + 1])
    out = np.where(inside[..., None], sample, background)
    return Image.fromarray(np.clip(out + 0.5, 0, 255).astype(np.uint8), "RGB")


def resample(texture, corners, ra0, dec0, width_arcmin, size):
    image = load_texture(texture)
    scale = width_arcmin / 60 / 360  # degrees per pixel, 360 pixels across the stated width
    return project(image, corners, ra0, dec0, scale, size, sky_background(image))


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else "images"
    builtin = sys.argv[2] if len(sys.argv) > 2 else "ui/qt/resources/m31_start.bmp"
    corners = load_corners()
    for name, texture, ra0, dec0, width in PHOTOGRAPHS:
        resample(texture, corners[texture], ra0, dec0, width, (360, 240)).save(f"{target}/{name}")
        print(f"{target}/{name}")
    # The start picture: M 31 at the same scale, 363 x 242 pixels.
    resample("m31.png", corners["m31.png"], 10.6847, 41.2690, 300 * 363 / 360, (363, 242)).save(builtin)
    print(builtin)


if __name__ == "__main__":
    main()
