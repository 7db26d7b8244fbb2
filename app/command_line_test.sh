#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line with no display at all: --help and --version in the
# desktop's language; a command line in error says why in French with the
# usage on the error output, exits 2 and opens no window.
# command_line_test.sh QUARVEL
set -u
quarvel=$1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() { echo "FAIL: $*"; exit 1; }

LANG=en_US.UTF-8 LC_ALL= "$quarvel" --help | grep -q '^Usage: quarvel' || fail "English help"
LANG=fr_FR.UTF-8 LC_ALL= "$quarvel" --help | grep -q '^Usage : quarvel' || fail "French help"
test "$("$quarvel" --version)" = 'Quarvel 1.0.0' || fail "version"

# Each wrong command line: its message, then the usage.
refused() {
  expected=$1; shift
  err=$(LANG=fr_FR.UTF-8 LC_ALL= "$quarvel" "$@" 2>&1 >/dev/null)
  code=$?
  test $code -eq 2 || fail "$*: exit $code"
  test "$(echo "$err" | head -n 1)" = "quarvel : $expected" || fail "$*: $err"
  echo "$err" | grep -q '^Usage : quarvel' || fail "$*: no usage"
}
refused "l'option « --mesurer » demande une valeur" --mesurer
refused "l'option « --echantillonnage » demande une valeur" --mesurer m42.fits --echantillonnage
refused "l'option « --frobnicate » n'existe pas" --frobnicate
refused "argument inattendu « m42.fits »" m42.fits
refused "« 0 » : l'échantillonnage se donne en secondes d'arc par pixel, de plus de 0 à 3600" --mesurer m42.fits --echantillonnage 0
refused "« abc » : l'échantillonnage se donne en secondes d'arc par pixel, de plus de 0 à 3600" --echantillonnage abc --mesurer m42.fits
refused "l'option « --echantillonnage » accompagne --mesurer IMAGE" --echantillonnage 2
# The usage in the desktop's language.
LANG=en_US.UTF-8 LC_ALL= "$quarvel" --measure 2>&1 | grep -q '^Usage: quarvel' || fail "English usage"
echo "command line: ok"
