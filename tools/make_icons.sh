#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the scalable icon at the sizes the desktop asks for.
set -eu
cd "$(dirname "$0")/../packaging"
for size in 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" quarvel.svg -o "icons/quarvel-$size.png"
done
