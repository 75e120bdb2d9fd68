#!/usr/bin/env bash
# Renders the menu icons at every hicolor size from the one scalable design,
# dist/icons/hicolor/scalable/apps/*.svg. Run it after changing the SVG and
# commit the PNGs with it. The window's own 32x32 icon (app/) is separate.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh icons
icons=dist/icons/hicolor
for svg in "$icons"/scalable/apps/*.svg; do
    name=$(basename "$svg" .svg)
    for size in 16 24 32 48 64 128 256; do
        mkdir -p "$icons/${size}x${size}/apps"
        rsvg-convert --width "$size" --height "$size" "$svg" \
            --output "$icons/${size}x${size}/apps/$name.png"
    done
done
echo "rendered $(find "$icons" -name '*.png' | wc -l) PNGs"
