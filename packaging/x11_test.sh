#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a real X window: waits for "Quarvel", clicks "Lancer le
# programme", checks its class and icon against the desktop entry, checks
# that the window is not blank, closes it with the close
# box and checks that the program ended cleanly without writing any file.
# Usage: x11_test.sh PROGRAM SOURCE_DIR X11_CLOSE
set -eu
program=$1
src=$2
closer=$3
work=$(mktemp -d)
logs=$(mktemp -d)
xpid=""
apid=""
cleanup() {
  [ -n "$apid" ] && kill "$apid" 2>/dev/null || true
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
  rm -rf "$work" "$logs"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$logs"/*.log >&2 2>/dev/null; exit 1; }

. "$(dirname "$0")/x11_lib.sh"
start_x_server

# The program in a folder of its own, so that any file it writes shows.
cp "$program" "$work/quarvel"
cp -r "$src/images" "$work/images"
cp -r "$src/data/equipment" "$work/equipment"
before=$(cd "$work" && find . | sort)
(cd "$work" && exec ./quarvel > "$logs/quarvel.log" 2>&1) &
apid=$!

launch_window
# A dock matches the window to its launcher by its class, and shows its icon.
class=$(sed -n 's/^StartupWMClass=//p' "$src/packaging/quarvel.desktop.in")
[ -n "$class" ] || fail "no StartupWMClass in the desktop entry"
xprop -id "$window" WM_CLASS | grep -q "\"$class\"\$" || fail "WM_CLASS $(xprop -id "$window" WM_CLASS), not $class"
xprop -id "$window" _NET_WM_ICON | head -n 1 | grep -q "Icon (" || fail "no _NET_WM_ICON"
import -window "$window" "$logs/shot.png"
spread=$(convert "$logs/shot.png" -format "%[fx:standard_deviation]" info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.02) }' || fail "blank window (spread $spread)"

close_window
after=$(cd "$work" && find . | sort)
[ "$before" = "$after" ] || fail "files written: $(printf '%s\n' "$after" | grep -vxF "$before" | tr '\n' ' ')"
echo "real window: ok"
