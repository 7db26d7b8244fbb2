#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Removes the files an install placed, as listed in CMake's install manifest,
# then the program's own folders (share/quarvel and below) if they are left
# empty. Shared folders such as share/applications stay, and so does what the
# user saved beside the program (Quarvel.ini).
set -eu
manifest=${1:?usage: uninstall.sh install_manifest.txt}
[ -f "$manifest" ] || { echo "nothing installed: $manifest is missing" >&2; exit 1; }
while IFS= read -r file || [ -n "$file" ]; do
  [ -n "$file" ] || continue
  rm -f -- "$file"
  dir=$(dirname -- "$file")
  while case "$dir" in */share/quarvel|*/share/quarvel/*) true ;; *) false ;; esac; do
    rmdir -- "$dir" 2>/dev/null || break
    dir=$(dirname -- "$dir")
  done
done < "$manifest"
