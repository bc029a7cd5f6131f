#!/usr/bin/env bash
# Renders the program's icon (ui/resources/chengshu-bazi.svg) at the hicolor sizes the package installs and writes
# ui/resources/chengshu-bazi-SIZE.png; run after changing the SVG and commit the PNGs. Needs rsvg-convert
# (Debian's librsvg2-bin); the build itself only copies the committed files.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../ui/resources"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "chengshu-bazi-$size.png" chengshu-bazi.svg
done
echo "rendered $(ls chengshu-bazi-*.png | wc -l) sizes"
