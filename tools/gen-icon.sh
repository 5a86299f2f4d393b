#!/usr/bin/env bash
# Renders ui/assets/icon/vexa.svg into the program icon ui/assets/icon/vexa.ico
# (resource 101 of shell/vexa.rc): the small sizes of the notification area,
# title bars and lists (16, 24, 32, 48, 64), the larger ones of high-DPI
# shells (96, 128) and 256 for Explorer's large views.
#
# rsvg-convert (librsvg2-bin) draws each size from the vector source;
# ImageMagick's own SVG reader renders gradients and anti-aliasing visibly
# worse, and scaling one 256 px bitmap down blurs the small sizes. ImageMagick
# only packs the PNGs into the .ico. Metadata (dates) is stripped so that a
# rerun gives the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
src=$root/ui/assets/icon/vexa.svg
out=$root/ui/assets/icon/vexa.ico
sizes=(16 24 32 48 64 96 128 256)

command -v rsvg-convert >/dev/null && command -v convert >/dev/null || "$root/tools/install-deps.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pngs=()
for s in "${sizes[@]}"; do
  rsvg-convert -w "$s" -h "$s" "$src" -o "$work/$s.png"
  pngs+=("$work/$s.png")
done
convert "${pngs[@]}" -strip -define png:exclude-chunks=date,time "$work/vexa.ico"
mv "$work/vexa.ico" "$out"
echo "gen-icon: $(basename "$out") with ${#sizes[@]} images (${sizes[*]})"
