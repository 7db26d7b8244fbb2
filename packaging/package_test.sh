#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree, checks its files, its
# metadata and lintian's verdict, unpacks it into a temporary root and runs it
# there on a fresh X server with a fresh HOME: start, "Sauve config", quit; the
# file must be in ~/.config/quarvel. Then the user edits it while the program
# is closed, and a second start and save must keep the edit: it was loaded.
# Usage: package_test.sh BUILD_DIR X11_CLOSE
set -eu
build=$1
closer=$2
work=$(mktemp -d)
xpid=""
apid=""
cleanup() {
  [ -n "$apid" ] && kill "$apid" 2>/dev/null || true
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$work"/*.log >&2 2>/dev/null; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out") > "$work/cpack.log" 2>&1 || fail "cpack"
deb=$(ls "$work"/out/quarvel_*.deb)
dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" || fail "no computed dependencies"
# The image reader's decoders are its own dependencies.
dpkg-deb -f "$deb" Depends | grep -q "libcfitsio" || fail "no dependency of the image reader"
if command -v lintian > /dev/null; then
  lintian --fail-on error --suppress-tags "$(tr '\n' ',' < "$(dirname "$0")/lintian-accepted")" "$deb" \
    > "$work/lintian.log" 2>&1 || fail "lintian"
fi
root="$work/root"
dpkg -x "$deb" "$root"
for f in usr/bin/quarvel usr/share/quarvel/images/m31_5d_360x240.bmp usr/share/quarvel/images/CREDITS \
         usr/share/applications/org.example.Quarvel.desktop usr/share/metainfo/org.example.Quarvel.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/quarvel.png usr/share/icons/hicolor/64x64/apps/quarvel.png \
         usr/share/icons/hicolor/128x128/apps/quarvel.png usr/share/icons/hicolor/256x256/apps/quarvel.png \
         usr/share/icons/hicolor/scalable/apps/quarvel.svg usr/share/man/man1/quarvel.1.gz \
         usr/share/man/fr/man1/quarvel.1.gz usr/share/doc/quarvel/copyright usr/share/doc/quarvel/changelog.gz \
         usr/share/quarvel/equipment/sensors.csv usr/share/quarvel/equipment/telescopes.csv \
         usr/libexec/quarvel/quarvel-image; do
  [ -f "$root/$f" ] || fail "missing $f"
done
grep -qx "Exec=quarvel" "$root/usr/share/applications/org.example.Quarvel.desktop" || fail "Exec"
desktop-file-validate "$root/usr/share/applications/org.example.Quarvel.desktop" | grep -v "hint:" | grep . \
  && fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Quarvel.metainfo.xml" > /dev/null \
  || fail "AppStream metadata"

# The installed program finds its image reader: a missing image is said as such.
err=$(LANG=fr_FR.UTF-8 "$root/usr/bin/quarvel" --mesurer "$work/absent.fits" 2>&1 >/dev/null) || true
[ "$err" = "Impossible d'ouvrir le fichier \"$work/absent.fits\". No such file or directory." ] || fail "image reader: $err"

logs=$work
. "$(dirname "$0")/x11_lib.sh"
start_x_server
export HOME="$work/home" LANG=fr_FR.UTF-8
unset XDG_CONFIG_HOME
mkdir -p "$HOME"
ini="$HOME/.config/quarvel/Quarvel.ini"

# Starts the unpacked program, launches it, saves, and closes its window.
start_save_quit() {
  rm -f "$work/saved"
  (cd "$work" && exec "$root/usr/bin/quarvel" > "$work/quarvel.log" 2>&1) &
  apid=$!
  launch_window
  before=$(stat -c %y "$ini" 2>/dev/null || echo none)
  xdotool windowfocus --sync "$window" key --window "$window" ctrl+s   # "Sauve config"
  for i in $(seq 200); do [ "$(stat -c %y "$ini" 2>/dev/null || echo none)" != "$before" ] && break; sleep 0.1; done
  close_window
}

start_save_quit
[ -f "$ini" ] || fail "nothing saved in $ini"
LC_ALL=C grep -q "^Diam.tre=212" "$ini" || fail "first save: $(cat "$ini")"
[ -z "$(find "$root" -name Quarvel.ini)" ] || fail "saved beside the program"
LC_ALL=C sed -i 's/^Diam\(.\)tre=212/Diam\1tre=150/' "$ini"
start_save_quit
LC_ALL=C grep -q "^Diam.tre=150" "$ini" || fail "the saved configuration was not loaded back: $(cat "$ini")"
echo "debian package: ok"
