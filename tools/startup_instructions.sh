#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up counted in instructions: Quarvel's start probe and the bare window's
# probe, each run once under Valgrind's callgrind on the offscreen platform and
# a French desktop. Prints both counts, their ratio and the start probe's
# heaviest functions (inclusive). With --max R, fails when the ratio exceeds R.
# Without Valgrind or the probes (the bench target), says so and exits 77,
# which ctest reports as skipped.
#
#   tools/startup_instructions.sh [--build DIR] [--top N] [--max R] [--keep DIR]
set -euo pipefail

build=build
top=25
max=""
keep=""
while [ $# -gt 0 ]; do
    case "$1" in
    --build) build=$2; shift 2 ;;
    --top) top=$2; shift 2 ;;
    --max) max=$2; shift 2 ;;
    --keep) keep=$2; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--top N] [--max R] [--keep DIR]" >&2; exit 2 ;;
    esac
done

for tool in valgrind callgrind_annotate; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: install Debian's valgrind package" >&2; exit 77; }
done
for probe in minimal_probe start_probe; do
    [ -x "$build/bench/$probe" ] || { echo "$build/bench/$probe is missing: build the bench target" >&2; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Its own home and configuration, whatever is installed or configured here.
mkdir -p "$work/home" "$work/config"

count() {
    local probe=$1
    env QT_QPA_PLATFORM=offscreen LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 LANGUAGE= \
        HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/home/data" \
        valgrind --tool=callgrind --callgrind-out-file="$work/$probe.out" "$build/bench/$probe" \
        >/dev/null 2>"$work/$probe.log" || { cat "$work/$probe.log" >&2; exit 1; }
    sed -n 's/^summary: *//p; s/^totals: *//p' "$work/$probe.out" | head -n 1
}

minimal=$(count minimal_probe)
quarvel=$(count start_probe)
if [ -n "$keep" ]; then
    mkdir -p "$keep" && cp "$work"/*.out "$keep"/
fi
ratio=$(awk -v q="$quarvel" -v m="$minimal" 'BEGIN { printf "%.3f", q / m }')
printf 'minimal window: %d instructions\nquarvel: %d instructions\nratio: %s\n' "$minimal" "$quarvel" "$ratio"

echo
echo "start probe, heaviest functions (inclusive, millions of instructions):"
callgrind_annotate --inclusive=yes --threshold=100 "$work/start_probe.out" 2>/dev/null |
    sed -nE 's/^ *([0-9,]+) \([^)]*\) +([^ ].*)$/\1\t\2/p' |
    grep -v -e 'PROGRAM TOTALS' -e "'[0-9]" -e '(below main)' -e '^[0-9,]*	???:0x' |
    head -n "$top" |
    awk -F'\t' '{ gsub(",", "", $1); name = $2; sub(/ \[[^]]*\]$/, "", name); sub(/^[^:]*\//, "", name)
                 if (!seen[name]++) printf "%9.2f  %s\n", $1 / 1e6, substr(name, 1, 150) }' || true

if [ -n "$max" ] && awk -v r="$ratio" -v m="$max" 'BEGIN { exit !(r > m) }'; then
    echo "start-up takes ${ratio}x the bare window's instructions, over the ${max}x allowed" >&2
    exit 1
fi
