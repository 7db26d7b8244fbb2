#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a fresh prefix, checks the tree and its metadata, then
# uninstalls and checks that exactly what was placed is gone.
# Usage: install_test.sh SOURCE_DIR BUILD_DIR
set -eu
src=$1
build=$2
prefix=$(mktemp -d)
# A real install's manifest must survive this test, for its uninstall.
manifest="$build/install_manifest_portable.txt"
saved=""
if [ -f "$manifest" ]; then saved=$(mktemp); cp "$manifest" "$saved"; fi
restore() {
  rm -rf "$prefix"
  if [ -n "$saved" ]; then mv "$saved" "$manifest"; else rm -f "$manifest"; fi
}
trap restore EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$prefix/share/applications"
echo "kept" > "$prefix/share/applications/other.desktop"
cmake --install "$build" --prefix "$prefix" --component portable > /dev/null

for f in share/quarvel/quarvel share/quarvel/images/CREDITS \
         share/quarvel/images/m13_1d_360x240.bmp share/quarvel/images/m27_15m_360x240.bmp \
         share/quarvel/images/m31_5d_360x240.bmp share/quarvel/images/m42_2d_360x240.bmp \
         share/quarvel/images/m45_2d5_360x240.bmp share/quarvel/images/ngc7331_30m_360x240.bmp \
         share/applications/org.example.Quarvel.desktop share/icons/hicolor/64x64/apps/quarvel.png \
         share/metainfo/org.example.Quarvel.metainfo.xml share/quarvel/equipment/cameras.csv; do
  [ -f "$prefix/$f" ] || fail "missing $f"
done
[ -x "$prefix/share/quarvel/quarvel" ] || fail "the program is not executable"
[ -x "$prefix/share/quarvel/quarvel-image" ] || fail "the image reader is not beside the program"
entry="$prefix/share/applications/org.example.Quarvel.desktop"
grep -qx "Exec=$prefix/share/quarvel/quarvel" "$entry" || fail "Exec does not name the program"
grep -qx "Path=$prefix/share/quarvel" "$entry" || fail "Path is not the program's folder"
grep -qx "Categories=Education;Science;Astronomy;" "$entry" || fail "categories"
desktop-file-validate "$entry" | grep -v "hint:" | grep . && fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.Quarvel.metainfo.xml" > /dev/null \
  || fail "AppStream metadata"
# The folder stays the user's: Quarvel.ini is saved beside the program.
[ -w "$prefix/share/quarvel" ] || fail "the program's folder is not writable"
echo "[parametres]" > "$prefix/share/quarvel/Quarvel.ini"

"$src/tools/uninstall.sh" "$manifest"
left=$(cd "$prefix" && find . -type f | sort | tr '\n' ' ')
[ "$left" = "./share/applications/other.desktop ./share/quarvel/Quarvel.ini " ] || fail "left after uninstall: $left"
[ -d "$prefix/share/icons" ] || fail "a shared folder was removed"
echo "install tree: ok"
