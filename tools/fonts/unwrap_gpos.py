#!/usr/bin/python3
"""Rewrite a font so that lv_font_conv can read its kerning.

usage: unwrap_gpos.py IN.woff OUT.ttf

Montserrat 5 (as @fontsource/montserrat 5.x ships it) keeps its pair
kerning in GPOS lookups of type 9, "extension", that only wrap the real type-2
pair lookups. The converter's OpenType reader (opentype.js 1.3) skips type 9,
so its fonts came out without a single kerning pair. The 4.5 package pinned in
tools/package.json has plain type-2 lookups and passes through unchanged; the
step stays so that a package update cannot drop the kerning silently.
Unwrapping is lossless: extensions only allow 32-bit offsets, and Montserrat's
tables are far below the 16-bit limit (fontTools would wrap them again by
itself if they were not). The output is a plain TrueType file.
"""
import sys

from fontTools.ttLib import TTFont


def unwrap_extension_lookups(font):
    if "GPOS" not in font:
        return 0
    lookups = font["GPOS"].table.LookupList.Lookup
    count = 0
    for lookup in lookups:
        if lookup.LookupType != 9:
            continue
        inner = [sub.ExtSubTable for sub in lookup.SubTable]
        lookup.LookupType = inner[0].LookupType
        lookup.SubTable = inner
        lookup.SubTableCount = len(inner)
        count += 1
    return count


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: unwrap_gpos.py IN OUT.ttf")
    font = TTFont(sys.argv[1])
    unwrap_extension_lookups(font)
    font.flavor = None
    font.save(sys.argv[2])


if __name__ == "__main__":
    main()
