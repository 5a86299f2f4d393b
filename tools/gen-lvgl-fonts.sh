#!/usr/bin/env bash
# Regenerates the toolkit's built-in fonts (lvgl/src/font/lv_font_montserrat_*.c)
# and the font of the font tests (tests/lvgl/font_test_cjk_16.c) with the
# LVGL font converter, the way upstream LVGL 8.3 builds its Montserrat fonts:
# Montserrat Medium for ASCII, the degree sign and the bullet, merged with the
# FontAwesome 5 glyphs of the LV_SYMBOL_* set; 4 bits per pixel, kerning by
# classes, uncompressed bitmaps (they draw faster; the flash size does not
# matter on a PC).
#
# Montserrat comes from @fontsource/montserrat 4.x: the 5.x files keep their
# kerning in GPOS extension lookups, which the converter does not read, so
# fonts made from them would have no kerning at all.
#
# Needs the npm tools of tools/package.json (tools/install-deps.sh installs
# them) and, for the test font, the Debian package fonts-droid-fallback: the
# converter cannot read font collections (.ttc) such as Noto Sans CJK, so the
# CJK glyphs come from Droid Sans Fallback, a plain .ttf.
#
# The converter runs from tools/ with relative paths, because it writes its
# command line into the generated file and no path of this machine belongs
# in the repository.
set -euo pipefail
cd "$(dirname "$0")"

conv=node_modules/.bin/lv_font_conv
montserrat=node_modules/@fontsource/montserrat/files/montserrat-latin-500-normal.woff
fa_solid=node_modules/@fortawesome/fontawesome-free/webfonts/fa-solid-900.woff
fa_brands=node_modules/@fortawesome/fontawesome-free/webfonts/fa-brands-400.woff
cjk_src=/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf

for f in "$conv" "$montserrat" "$fa_solid" "$fa_brands"; do
  [ -e "$f" ] || { echo "gen-lvgl-fonts: $f is missing; run tools/install-deps.sh" >&2; exit 1; }
done

# The symbol code points of lvgl/src/font/lv_symbol_def.h; USB and Bluetooth
# are brand icons, the rest are in the solid set.
solid_syms=61441,61448,61451,61452,61453,61457,61459,61461,61465,61468,61473,61478,61479,61480,61502,61507,61512,61515,61516,61517,61521,61522,61523,61524,61543,61544,61550,61552,61553,61556,61559,61560,61561,61563,61587,61589,61636,61637,61639,61641,61664,61671,61674,61683,61724,61732,61787,61931,62016,62017,62018,62019,62020,62189,62212,62810
# U+F8A2 (LV_SYMBOL_NEW_LINE) is not in FontAwesome 5 Free; its look-alike
# level-down-alt (U+F3BE) is converted into that code point.
solid_syms="${solid_syms},63426,0xF3BE=>0xF8A2"
brand_syms=62087,62099

for size in 12 14 16 18 20 22 24 28; do
  out=../lvgl/src/font/lv_font_montserrat_${size}.c
  "$conv" --no-compress --no-prefilter --bpp 4 --size "$size" --format lvgl --force-fast-kern-format \
    --font "$montserrat" -r 0x20-0x7F,0xB0,0x2022 \
    --font "$fa_solid" -r "$solid_syms" \
    --font "$fa_brands" -r "$brand_syms" \
    --lv-font-name "lv_font_montserrat_${size}" -o "$out"
  echo "gen-lvgl-fonts: $out"
done

# Test font: ASCII (with Montserrat's kerning), four CJK characters
# (中文设置 "Chinese settings") and one symbol; compressed, so the tests also
# cover the decompression path, and with kerning stored as pairs.
if [ -e "$cjk_src" ]; then
  cp "$cjk_src" /tmp/vexa-cjk-src.ttf
  out=../tests/lvgl/font_test_cjk_16.c
  "$conv" --bpp 4 --size 16 --format lvgl \
    --font "$montserrat" -r 0x20-0x7E \
    --font /tmp/vexa-cjk-src.ttf -r 0x4E2D,0x6587,0x8BBE,0x7F6E \
    --font "$fa_solid" -r 61452 \
    --lv-font-name font_test_cjk_16 -o "$out"
  sed -i 's|/tmp/vexa-cjk-src.ttf|DroidSansFallbackFull.ttf|' "$out"
  rm -f /tmp/vexa-cjk-src.ttf
  echo "gen-lvgl-fonts: $out"

  # A second test font at 2 bpp, uncompressed: two kerned capitals among
  # sixteen CJK characters, few enough pairs that the converter stores the
  # kerning as a pair list instead of classes.
  cp "$cjk_src" /tmp/vexa-cjk-src.ttf
  out=../tests/lvgl/font_test_pairs_20.c
  "$conv" --no-compress --bpp 2 --size 20 --format lvgl \
    --font "$montserrat" -r 0x20,0x41,0x56 \
    --font /tmp/vexa-cjk-src.ttf -r 0x4E00-0x4E0F \
    --lv-font-name font_test_pairs_20 -o "$out"
  sed -i 's|/tmp/vexa-cjk-src.ttf|DroidSansFallbackFull.ttf|' "$out"
  rm -f /tmp/vexa-cjk-src.ttf
  echo "gen-lvgl-fonts: $out"
else
  echo "gen-lvgl-fonts: $cjk_src missing (apt-get install fonts-droid-fallback); test font not regenerated" >&2
fi
