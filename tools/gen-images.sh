#!/usr/bin/env bash
# Renders every ui/assets/images/NAME.svg into ui/assets/images/NAME.c, an
# image the panel compiles in (`ui_image_NAME`, declared in
# ui/assets/ui_images.h, which this script rewrites too).
#
# The images are true colour with alpha at the toolkit's 32-bit colour depth:
# four bytes per pixel in memory order blue, green, red, alpha, straight (not
# premultiplied) alpha, rows top to bottom without padding. The SVG's own
# width and height give the pixel size; rsvg-convert draws it, ImageMagick
# hands over the raw RGBA bytes, and a few lines of Python write the C.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$root/ui/assets/images
header=$root/ui/assets/ui_images.h

command -v rsvg-convert >/dev/null && command -v convert >/dev/null || "$root/tools/install-deps.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
names=()
for svg in "$dir"/*.svg; do
  name=$(basename "$svg" .svg)
  names+=("$name")
  rsvg-convert "$svg" -o "$work/$name.png"
  size=$(identify -format '%w %h' "$work/$name.png")
  convert "$work/$name.png" -depth 8 "rgba:$work/$name.rgba"
  python3 - "$name" $size "$work/$name.rgba" "$dir/$name.c" <<'PY'
import sys
name, w, h, raw, out = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5]
rgba = open(raw, "rb").read()
assert len(rgba) == w * h * 4, "unexpected raw size"
bgra = bytearray()
for i in range(0, len(rgba), 4):
    r, g, b, a = rgba[i:i + 4]
    bgra += bytes((b, g, r, a))
lines = []
for i in range(0, len(bgra), 16):
    lines.append("    " + ", ".join("0x%02x" % v for v in bgra[i:i + 16]) + ",")
with open(out, "w") as f:
    f.write("/* %s: %d x %d, true colour with alpha.\n" % (name, w, h))
    f.write(" * Made by tools/gen-images.sh from %s.svg (do not edit). */\n" % name)
    f.write('#include "../ui_images.h"\n\n')
    f.write("static const uint8_t %s_pixels[] = {\n%s\n};\n\n" % (name, "\n".join(lines)))
    f.write("const lv_img_dsc_t ui_image_%s = {\n" % name)
    f.write("    .header = {.cf = LV_IMG_CF_TRUE_COLOR_ALPHA, .always_zero = 0, .w = %d, .h = %d},\n" % (w, h))
    f.write("    .data_size = sizeof(%s_pixels),\n" % name)
    f.write("    .data = %s_pixels,\n};\n" % name)
PY
done

{
  echo "/* Images compiled into the panel, one for each SVG in ui/assets/images."
  echo " * Made by tools/gen-images.sh (do not edit). */"
  echo "#ifndef UI_IMAGES_H"
  echo "#define UI_IMAGES_H"
  echo
  echo '#include "lvgl.h"'
  echo
  echo '#ifdef __cplusplus'
  echo 'extern "C" {'
  echo '#endif'
  echo
  for name in "${names[@]}"; do echo "extern const lv_img_dsc_t ui_image_$name;"; done
  echo
  echo '#ifdef __cplusplus'
  echo '}'
  echo '#endif'
  echo
  echo '#endif'
} >"$header"
echo "gen-images: ${names[*]}"
