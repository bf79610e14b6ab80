#!/usr/bin/env bash
# Redraws the program icon's PNG sizes from resources/icons/kivopro32.svg.
# The PNGs are committed, so the build needs no SVG renderer; run this after
# changing the SVG (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
icons="$(cd "$(dirname "${BASH_SOURCE[0]}")/../resources/icons" && pwd)"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$icons/kivopro32.svg" -o "$icons/kivopro32-$size.png"
done
