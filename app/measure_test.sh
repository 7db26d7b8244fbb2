#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# quarvel --mesurer on rendered pictures, with no display: the values in
# French and English, and a file it cannot read giving its French message
# and exit code 1.
# measure_test.sh QUARVEL RENDER_STAR_FIELD DAMAGED_FITS
set -u
quarvel=$1 render=$2 damaged=$3
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
command -v solve-field >/dev/null || { echo "astrometry.net is not installed"; exit 77; }

# Orion at 3.7"/px, turned to 125° and mirrored, as a 16-bit TIFF and a JPEG.
"$render" "$dir/orion.tif" tiff 83.8221 -5.3911 3.7 125 1 1600 1100 2.5 gaussian 7 || fail "render"
"$render" "$dir/orion.jpg" jpeg 83.8221 -5.3911 3.7 125 1 1600 1100 2.5 gaussian 7 || fail "render"
for picture in orion.tif orion.jpg; do
  out=$(LANG=fr_FR.UTF-8 LC_ALL= "$quarvel" --mesurer "$dir/$picture" --echantillonnage 3.5) || fail "$picture: exit $?"
  echo "$out"
  echo "$out" | grep -qx 'centre: 05h35m17.[2-4]s -05°23.2[789]"' || fail "$picture: centre"
  echo "$out" | grep -qx 'echantillonnage: 3.70' || fail "$picture: sampling"
  echo "$out" | grep -qx 'rotation: 12[45].[0-9]' || fail "$picture: rotation"
  echo "$out" | grep -qx 'miroir: oui' || fail "$picture: mirror"
  echo "$out" | grep -qx 'fwhm: 2.[3-7]' || fail "$picture: fwhm"
  echo "$out" | grep -qx 'champ: 1.64° x 1.13°' || fail "$picture: field"
done
out=$(LANG=en_US.UTF-8 LC_ALL= "$quarvel" --measure "$dir/orion.tif" --sampling 3.5) || fail "English: exit $?"
echo "$out" | grep -qx 'sampling: 3.70' && echo "$out" | grep -qx 'mirrored: yes' || fail "English labels: $out"

# A file that is no picture: its French message, exit code 1, whatever the language.
head -c 100000 /dev/urandom > "$dir/IMG_0001.CR2"
err=$(LANG=en_US.UTF-8 LC_ALL= "$quarvel" --measure "$dir/IMG_0001.CR2" 2>&1 >/dev/null)
test $? -eq 1 || fail "garbage: exit code"
test "$err" = "Impossible d'ouvrir le fichier \"$dir/IMG_0001.CR2\". Ce n'est pas une image FITS, brute d'appareil photo, TIFF, PNG ou JPEG lisible." ||
  fail "garbage: $err"
# A FITS that holds its solution: measured on it, with no solver at all.
"$damaged" "$dir/solved.fits" 800x600 --wcs 83.8221 -5.3911 2.5 || fail "solved FITS"
out=$(PATH=/usr/bin/nonexistent LANG=fr_FR.UTF-8 LC_ALL= "$quarvel" --mesurer "$dir/solved.fits") || fail "solved FITS: exit $?"
echo "$out" | grep -qx 'centre: 05h35m17.[2-4]s -05°23.2[789]"' || fail "solved FITS: centre: $out"
echo "$out" | grep -qx 'champ: 0.56° x 0.42°' && echo "$out" | grep -qx 'solution: fichier' || fail "solved FITS: $out"

# A TIFF cut short: the reader's message alone, none of libtiff's own.
head -c 300000 "$dir/orion.tif" > "$dir/cut.tif"
err=$(LANG=fr_FR.UTF-8 LC_ALL= "$quarvel" --mesurer "$dir/cut.tif" 2>&1 >/dev/null)
test $? -eq 1 || fail "cut TIFF: exit code"
test "$err" = "Impossible d'ouvrir le fichier \"$dir/cut.tif\". Image TIFF incorrecte, tronquée ou d'un type non lu (palette, moins de 8 bits)." ||
  fail "cut TIFF: $err"
echo "measure: ok"
