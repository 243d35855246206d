#!/usr/bin/env bash
# Draws the program icon (a white "M" on a blue rounded square) at every size Windows asks for and
# writes src/app/Vantrelle.ico. Shapes only, no font, so the result is the same on every machine.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 256x256 xc:none -fill '#1f5fd6' -draw 'roundrectangle 8,8 247,247 44,44' \
  -fill white -draw 'polygon 52,204 52,52 96,52 128,118 160,52 204,52 204,204 166,204 166,118 138,176 118,176 90,118 90,204' \
  "$work/m.png"
sizes=()
for s in 16 20 24 32 40 48 64 256; do
  convert "$work/m.png" -filter Lanczos -resize ${s}x${s} "PNG32:$work/m$s.png"
  sizes+=("$work/m$s.png")
done
convert "${sizes[@]}" src/app/Vantrelle.ico
echo "wrote src/app/Vantrelle.ico"
