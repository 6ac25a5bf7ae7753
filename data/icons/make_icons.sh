#!/usr/bin/env bash
# Renders the hicolor PNG icons from kalmotre.svg; run it after changing the SVG and commit the
# results. Needs rsvg-convert (Debian: librsvg2-bin, installed by scripts/install-deps).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "kalmotre-$size.png" kalmotre.svg
done
