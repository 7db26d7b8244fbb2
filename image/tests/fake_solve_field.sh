#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Stands for astrometry.net's solve-field in the tests, as FAKE_SOLVE says:
#   solve  writes a solution: CRVAL FAKE_RA FAKE_DEC, FAKE_CD degrees a pixel
#          (2"/px by default), north up
#   huge   writes a solution whose scale is 1e308 degrees a pixel
#   fifo   leaves a named pipe where the solution should be
#   fail   says why it cannot run, and fails at once
#   none   ends without a solution
#   hang   runs on, with a child of its own, until stopped
# Each run leaves its process id in FAKE_PIDS, when set.
dir="" wcs="" solved=""
while [ $# -gt 0 ]; do
  case "$1" in
    --dir) dir=$2; shift ;;
    --wcs) wcs=$2; shift ;;
    --solved) solved=$2; shift ;;
  esac
  shift
done
[ -n "${FAKE_PIDS:-}" ] && echo $$ >> "$FAKE_PIDS"
card() { printf '%-80s' "$1"; }
header() {
  { card "SIMPLE  =                    T"; card "BITPIX  =                    8"; card "NAXIS   =                    0"
    card "CRVAL1  = $1"; card "CRVAL2  = $2"; card "CRPIX1  = $3"; card "CRPIX2  = $4"
    card "CD1_1   = $5"; card "CD1_2   = 0"; card "CD2_1   = 0"; card "CD2_2   = $6"; card "END"
    i=0; while [ $i -lt 24 ]; do card ""; i=$((i + 1)); done; } > "$wcs"
}
case "${FAKE_SOLVE:-solve}" in
  solve)
    scale=${FAKE_CD:-0.000555555555555556}
    header "${FAKE_RA:-83.8221}" "${FAKE_DEC:--5.3911}" "${FAKE_CRPIX1:-50.5}" "${FAKE_CRPIX2:-50.5}" "-$scale" "$scale"
    : > "$solved" ;;
  huge) header 83.8 -5.4 50 50 -1E308 1E308; : > "$solved" ;;
  fifo) mkfifo "$wcs"; : > "$solved" ;;
  fail) echo "solve-field: cannot find a configuration file: /etc/astrometry.cfg"; exit 1 ;;
  none) echo "Did not solve (or no WCS file was written)." ;;
  hang) sleep 300 & [ -n "${FAKE_PIDS:-}" ] && echo $! >> "$FAKE_PIDS"; echo "hanging in $dir"; wait ;;
esac
exit 0
