#!/usr/bin/env bash
# Regenerates the performance page's pictures in ui/assets/performance/
# (gauge_base.c, gauge_cpu.c, gauge_gpu.c, settings.c) from the drawing in
# tools/art/performance_art.py: SVG rendered by rsvg-convert, captions in
# Montserrat from the npm fonts install-deps.sh puts into tools/node_modules.
#   tools/gen-performance-art.sh [PNG_DIR]   (PNG_DIR: also keep the PNGs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
fonts=$(mktemp -d)
trap 'rm -rf "$fonts"' EXIT
# Pango cannot shape from a WOFF file; fontTools (Debian's python3) unwraps
# it into a plain TrueType font first.
/usr/bin/python3 -c 'import sys; from fontTools.ttLib import TTFont
f = TTFont(sys.argv[1]); f.flavor = None; f.save(sys.argv[2])' \
  "$root/tools/node_modules/@fontsource/montserrat/files/montserrat-latin-700-normal.woff" \
  "$fonts/montserrat-bold.ttf"
python3 "$root/tools/art/performance_art.py" "$fonts" "$root/ui/assets/performance" "$@"
