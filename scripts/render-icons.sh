#!/usr/bin/env bash
# Renders the editor's icon (data/icons/hicolor/scalable/apps/<id>.svg) into the
# PNG sizes beside it. The PNGs are committed; run this after changing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
id=hu.velkon.Editor
svg=data/icons/hicolor/scalable/apps/$id.svg
for size in 16 22 24 32 48 64 128 256; do
  dir=data/icons/hicolor/${size}x${size}/apps
  mkdir -p "$dir"
  rsvg-convert -w "$size" -h "$size" "$svg" -o "$dir/$id.png"
done
