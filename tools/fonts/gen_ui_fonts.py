#!/usr/bin/python3
"""Generate the panel fonts of ui/assets/ with lv_font_conv.

usage: gen_ui_fonts.py REPO_ROOT   (run through tools/gen-ui-fonts.sh)

The panel has four font roles in twelve layout tiers and two languages, 84
slots. The tier table only fixes each slot's line height, and many slots share
one (the English normal font of the 1600 tier is the same font as the one of
the 1440 tier, and as an English message font of 22 px would be), so one font
is made per distinct (glyph set, line height) and the table in
ui_fonts_table.c points the 84 slots at 37 fonts. Making all 84 would more
than double the sources for identical bitmaps.

lv_font_conv takes a pixel size, not a line height: its line height is the
distance from the highest glyph top to the lowest glyph bottom of the glyphs
actually converted (the FontAwesome symbols reach furthest). So every glyph set
is converted once per candidate size and the largest size whose line height
matches the table is used. The symbols set the line height, and it grows in
steps: at 11 px it is 12, at 12 px already 15, so 13 and 14 cannot be had from
any size. A height no size gives exactly comes from the largest size below it,
with the missing pixels added to the line box as spacing, split evenly above
and below the glyphs (base_line grows by half of them); the glyphs are
unchanged and still fit. At most MAX_PADDING pixels are added, so a gap in the
table is caught rather than padded over. Such a padded font is the same pixel
size as its neighbour, so it is only a second descriptor in that font's file,
over the same glyph data (34 files for the 37 fonts).
"""
import concurrent.futures
import os
import re
import shutil
import subprocess
import sys
import tempfile

# Line heights of the tier table, by tier (widest display first):
# normal en/zh, message en/zh, large en/zh, digits.
TIER_LINE_HEIGHTS = [
    ((30, 29), (41, 40), (52, 50), 50),  # >= 1920
    ((22, 21), (33, 32), (44, 42), 36),  # 1600..1919
    ((22, 21), (33, 32), (44, 42), 36),  # 1440..1599
    ((21, 20), (30, 29), (41, 40), 34),  # 1366..1439
    ((21, 20), (30, 29), (41, 40), 34),  # 1280..1365
    ((18, 19), (29, 28), (40, 38), 33),  # 1152..1279
    ((18, 19), (29, 28), (40, 38), 33),  # 1120..1151
    ((18, 19), (29, 28), (40, 38), 27),  # 1024..1119
    ((15, 13), (24, 24), (35, 34), 27),  # 960..1023
    ((11, 12), (22, 21), (33, 32), 26),  # 853..959
    ((11, 12), (22, 21), (33, 32), 26),  # 800..852
    ((10, 10), (21, 20), (30, 29), 22),  # < 800
]
ROLES = ("normal", "message", "large", "digits")
LANGUAGES = ("en", "zh")

# Typefaces, as copied into the work folder under these names. The converter
# writes its command line into every file; running it on bare file names in
# the work folder keeps this machine's paths out of the sources.
TEXT_FACE = "montserrat-500.ttf"      # Montserrat Medium, the toolkit's own look
DIGITS_FACE = "montserrat-600.ttf"    # SemiBold: the big read-outs stay legible when small
CJK_FACE = "DroidSansFallbackFull.ttf"
SYMBOL_SOLID = "fa-solid-900.woff"
SYMBOL_BRANDS = "fa-brands-400.woff"

# FontAwesome 5 Free has no glyph at U+F8A2; the toolkit's "new line" symbol is
# its level-down-alt arrow (U+F3BE) moved there.
SYMBOL_REMAP = {0xF8A2: 0xF3BE}

# The Chinese texts write temperatures as "%d°C", so the Chinese fonts carry
# the degree sign as well; without it the sign would draw as nothing.
ZH_LATIN_RANGES = "0x20-0x7F,0xB0"
EN_LATIN_RANGES = "0x20-0x7E,0xB0,0x2022"
DIGITS_RANGES = "0x20-0x7E"

SIZES = range(6, 72)
MAX_PADDING = 2


def read_symbols(root):
    """Code points of the toolkit's LV_SYMBOL_* glyphs (the FontAwesome area)."""
    path = os.path.join(root, "lvgl/src/font/lv_symbol_def.h")
    codes = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = re.match(r'\s*#define\s+LV_SYMBOL_\w+\s+"((?:\\x[0-9A-Fa-f]{2})+)"', line)
            if not m:
                continue
            raw = bytes(int(h, 16) for h in re.findall(r"\\x([0-9A-Fa-f]{2})", m.group(1)))
            code = ord(raw.decode("utf-8"))
            if 0xF000 <= code <= 0xF8FE:  # U+F8FF is the image-source marker, not a glyph
                codes.append(code)
    if len(codes) != 60:
        sys.exit(f"gen_ui_fonts: expected 60 symbols in {path}, found {len(codes)}")
    return codes


def read_cjk_chars(root):
    """The characters of tools/fonts/cjk_chars.txt above U+007F, in file order."""
    seen = []
    with open(os.path.join(root, "tools/fonts/cjk_chars.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            for ch in line:
                if ord(ch) > 0x7F and ch not in seen:
                    seen.append(ch)
    return "".join(seen)


def symbol_ranges(work, codes):
    """Split the symbols between the solid and the brands face (USB and
    Bluetooth are brand marks) by asking each face's character map."""
    from fontTools.ttLib import TTFont

    solid = TTFont(os.path.join(work, SYMBOL_SOLID)).getBestCmap()
    brands = TTFont(os.path.join(work, SYMBOL_BRANDS)).getBestCmap()
    by_face = {SYMBOL_SOLID: [], SYMBOL_BRANDS: []}
    for code in codes:
        source = SYMBOL_REMAP.get(code, code)
        face = SYMBOL_SOLID if source in solid else SYMBOL_BRANDS if source in brands else None
        if face is None:
            sys.exit(f"gen_ui_fonts: no FontAwesome glyph for U+{code:04X}")
        by_face[face].append(f"0x{source:X}=>0x{code:X}" if source != code else f"0x{code:X}")
    return [(face, ",".join(items)) for face, items in by_face.items() if items]


def check_cjk_coverage(work, cjk):
    """The converter skips a requested character its face lacks without a
    word; a Chinese text would then draw a gap. Refuse instead."""
    from fontTools.ttLib import TTFont

    cmap = TTFont(os.path.join(work, CJK_FACE)).getBestCmap()
    missing = [ch for ch in cjk if ord(ch) not in cmap]
    if missing:
        sys.exit(f"gen_ui_fonts: {CJK_FACE} lacks {''.join(missing)}")


def glyph_set_args(kind, symbols, cjk):
    if kind == "digits":
        return ["--font", DIGITS_FACE, "-r", DIGITS_RANGES]
    args = []
    if kind == "en":
        args += ["--font", TEXT_FACE, "-r", EN_LATIN_RANGES]
    else:
        args += ["--font", TEXT_FACE, "-r", ZH_LATIN_RANGES, "--font", CJK_FACE, "--symbols", cjk]
    for face, ranges in symbols:
        args += ["--font", face, "-r", ranges]
    if kind == "zh":
        # Montserrat's kerning would only pair Latin letters inside Chinese
        # texts; the Chinese fonts stay without it, as the design wants.
        args.append("--no-kerning")
    return args


def convert(work, conv, kind, size, name, out, set_args):
    cmd = [conv, "--format", "lvgl", "--bpp", "4", "--size", str(size)]
    cmd += set_args + ["--lv-font-name", name, "-o", out]
    subprocess.run(cmd, cwd=work, check=True, stdout=subprocess.DEVNULL)
    with open(os.path.join(work, out), encoding="utf-8") as f:
        return line_metrics(f.read())[0]


def line_metrics(text):
    """(line_height, base_line) of a converted font."""
    height = re.search(r"\.line_height = (\d+),", text)
    base = re.search(r"\.base_line = (-?\d+),", text)
    return int(height.group(1)), int(base.group(1))


def pad_line_box(text, height):
    """Raise the font's line height to `height`, centring the glyphs in the
    taller box: the toolkit places a glyph line_height - base_line above the
    bottom of the line, so half the extra goes into base_line."""
    natural, base = line_metrics(text)
    extra = height - natural
    if extra == 0:
        return text
    text = re.sub(r"\.line_height = \d+,", f".line_height = {height},", text, count=1)
    text = re.sub(r"\.base_line = -?\d+,", f".base_line = {base + extra // 2},", text, count=1)
    note = f" * Line box padded from {natural} to {height} px (no size gives {height} exactly).\n"
    return text.replace(" * Bpp: 4\n", " * Bpp: 4\n" + note, 1)


DESCRIPTOR_START = "/*Initialize a public general font descriptor*/\n"


def group_by_size(chosen):
    """{(kind, pixel size): [line heights]}: heights that no size reaches exactly
    share the glyphs of a neighbouring height."""
    groups = {}
    for (kind, height), size in chosen.items():
        groups.setdefault((kind, size), []).append(height)
    return {key: sorted(heights) for key, heights in groups.items()}


def extra_descriptor(text, base, name, height):
    """The public descriptor of `base` again, as `name` with a `height` line
    box, pointing at the same glyph data."""
    start = text.index(DESCRIPTOR_START)
    end = text.index("};\n", start) + 3
    block = text[start:end].replace(base, name)
    block = pad_line_box(block, height).replace(DESCRIPTOR_START,
        f"/*The same glyphs in a {height} px line box (no size gives {height} exactly)*/\n", 1)
    return "\n" + block


def convert_group(work, conv, kind, size, heights, args, root, sources):
    """Converts one pixel size once. The height the converter gives (or the
    lowest) names the file and its font; every other height of the group is
    one more descriptor in the same file over the same glyphs, rather than a
    second copy of them. Returns (file name, text)."""
    probe = "probe_" + font_name(kind, heights[0])
    convert(work, conv, kind, size, probe, probe + ".c", args)
    with open(os.path.join(work, probe + ".c"), encoding="utf-8") as f:
        raw = f.read()
    natural = line_metrics(raw)[0]
    base_height = natural if natural in heights else heights[0]
    name = font_name(kind, base_height)
    convert(work, conv, kind, size, name, name + ".c", args)
    with open(os.path.join(work, name + ".c"), encoding="utf-8") as f:
        text = pad_line_box(clean_header(f.read(), root, work, sources), base_height)
    guard_end = text.rindex("#endif")
    extras = "".join(extra_descriptor(text, name, font_name(kind, h), h)
                     for h in heights if h != base_height)
    text = text[:guard_end] + extras.lstrip("\n") + ("\n\n" if extras else "") + text[guard_end:]
    for h in heights:
        found = re.search(rf"{font_name(kind, h)} = {{.*?\.line_height = (\d+),", text, re.S)
        if not found or int(found.group(1)) != h:
            sys.exit(f"gen_ui_fonts: {font_name(kind, h)} did not come out with line height {h}")
    return name, text


def wanted_line_heights():
    wanted = {"en": set(), "zh": set(), "digits": set()}
    for row in TIER_LINE_HEIGHTS:
        for role in range(3):
            wanted["en"].add(row[role][0])
            wanted["zh"].add(row[role][1])
        wanted["digits"].add(row[3])
    return wanted


def font_name(kind, line_height):
    return f"ui_font_{kind}_{line_height}"


def pick_sizes(work, conv, set_args, wanted):
    """For each glyph set, the largest size giving each wanted line height."""
    jobs = {}
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for kind in wanted:
            for size in SIZES:
                probe = f"probe_{kind}_{size}.c"
                jobs[(kind, size)] = pool.submit(convert, work, conv, kind, size, "probe", probe, set_args[kind])
    chosen = {}
    for kind, heights in wanted.items():
        natural = {size: jobs[(kind, size)].result() for size in SIZES}
        for h in sorted(heights):
            fitting = [size for size in SIZES if h - MAX_PADDING <= natural[size] <= h]
            if not fitting:
                sys.exit(f"gen_ui_fonts: no size gives {kind} line height {h}: {natural}")
            chosen[(kind, h)] = max(fitting)
    return chosen


def typeface_versions(root):
    """Where the typefaces came from, for the header of every generated file."""
    import json

    parts = []
    for package in ("lv_font_conv", "@fontsource/montserrat", "@fortawesome/fontawesome-free"):
        with open(os.path.join(root, "tools/node_modules", package, "package.json"), encoding="utf-8") as f:
            parts.append(f"{package} {json.load(f)['version']}")
    debian = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "fonts-droid-fallback"],
                            capture_output=True, text=True, check=False).stdout.strip()
    parts.append(f"fonts-droid-fallback {debian or '(version unknown)'}")
    return ", ".join(parts)


def clean_header(text, root, work, sources):
    """Drop the converter's record of absolute paths; say where the file comes from."""
    text = text.replace(" * Opts: ", f" * Made by tools/gen-ui-fonts.sh (do not edit) from {sources}.\n"
                        " * lv_font_conv options:\n *   ", 1)
    for path in (work, root, os.path.expanduser("~")):
        if path and path in text:
            sys.exit(f"gen_ui_fonts: absolute path {path} in a generated file")
    if re.search(r"(^|[\s\"'])/(usr|tmp|home|work|root)/", text):
        sys.exit("gen_ui_fonts: an absolute path slipped into a generated file")
    return text


def write_header(assets, fonts):
    lines = [
        "/* Panel fonts: declarations and the tier x role x language table.",
        " * Made by tools/gen-ui-fonts.sh (do not edit). The number in a font's",
        " * name is its line height in pixels. */",
        "#ifndef UI_FONTS_H",
        "#define UI_FONTS_H",
        "",
        "#ifdef LV_LVGL_H_INCLUDE_SIMPLE",
        '#include "lvgl.h"',
        "#else",
        '#include "lvgl/lvgl.h"',
        "#endif",
        "",
        "#ifdef __cplusplus",
        'extern "C" {',
        "#endif",
        "",
        "/* Rows of the layout tier table, widest display first: 0 is >= 1920 px,",
        " * 11 is below 800 px. */",
        f"#define UI_FONT_TIER_COUNT {len(TIER_LINE_HEIGHTS)}",
        "",
        "enum ui_font_role { UI_FONT_NORMAL, UI_FONT_MESSAGE, UI_FONT_LARGE, UI_FONT_DIGITS, UI_FONT_ROLE_COUNT };",
        "enum ui_font_language { UI_FONT_EN, UI_FONT_ZH, UI_FONT_LANGUAGE_COUNT };",
        "",
    ]
    lines += [f"extern const lv_font_t {name};" for name in fonts]
    lines += [
        "",
        "/* UI_FONTS[tier][role][language]; the digits font is the same for both languages. */",
        "extern const lv_font_t* const UI_FONTS[UI_FONT_TIER_COUNT][UI_FONT_ROLE_COUNT][UI_FONT_LANGUAGE_COUNT];",
        "",
        "#ifdef __cplusplus",
        "}",
        "#endif",
        "",
        "#endif",
        "",
    ]
    with open(os.path.join(assets, "ui_fonts.h"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def write_table(assets):
    lines = [
        "/* Made by tools/gen-ui-fonts.sh (do not edit). */",
        '#include "ui_fonts.h"',
        "",
        "const lv_font_t* const UI_FONTS[UI_FONT_TIER_COUNT][UI_FONT_ROLE_COUNT][UI_FONT_LANGUAGE_COUNT] = {",
    ]
    for row in TIER_LINE_HEIGHTS:
        cells = []
        for role in range(3):
            en, zh = row[role]
            cells.append(f"{{&{font_name('en', en)}, &{font_name('zh', zh)}}}")
        d = font_name("digits", row[3])
        cells.append(f"{{&{d}, &{d}}}")
        lines.append("    {" + ", ".join(cells) + "},")
    lines += ["};", ""]
    with open(os.path.join(assets, "ui_fonts_table.c"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def write_source_list(assets, fonts):
    lines = ["# Made by tools/gen-ui-fonts.sh (do not edit): the generated font sources.",
             "set(UI_FONT_SOURCES"]
    lines += [f"  ${{CMAKE_CURRENT_LIST_DIR}}/fonts/{name}.c" for name in fonts]
    lines += ["  ${CMAKE_CURRENT_LIST_DIR}/ui_fonts_table.c", ")", ""]
    with open(os.path.join(assets, "ui_fonts.cmake"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def stage_faces(work, root):
    """Copy the typefaces into the work folder under short names; Montserrat
    goes through unwrap_gpos.py so that the converter sees its kerning."""
    modules = os.path.join(root, "tools/node_modules")
    montserrat = os.path.join(modules, "@fontsource/montserrat/files")
    unwrap = os.path.join(root, "tools/fonts/unwrap_gpos.py")
    for weight, face in (("500", TEXT_FACE), ("600", DIGITS_FACE)):
        src = os.path.join(montserrat, f"montserrat-latin-{weight}-normal.woff")
        subprocess.run([sys.executable, unwrap, src, os.path.join(work, face)], check=True)
    webfonts = os.path.join(modules, "@fortawesome/fontawesome-free/webfonts")
    for face in (SYMBOL_SOLID, SYMBOL_BRANDS):
        shutil.copy(os.path.join(webfonts, face), work)
    shutil.copy("/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf", work)


def main():
    root = os.path.abspath(sys.argv[1])
    conv = os.path.join(root, "tools/node_modules/.bin/lv_font_conv")
    assets = os.path.join(root, "ui/assets")
    out_dir = os.path.join(assets, "fonts")
    cjk = read_cjk_chars(root)
    symbols_codes = read_symbols(root)
    sources = typeface_versions(root)
    with tempfile.TemporaryDirectory() as work:
        stage_faces(work, root)
        symbols = symbol_ranges(work, symbols_codes)
        check_cjk_coverage(work, cjk)
        set_args = {kind: glyph_set_args(kind, symbols, cjk) for kind in ("en", "zh", "digits")}
        wanted = wanted_line_heights()
        chosen = pick_sizes(work, conv, set_args, wanted)

        if os.path.isdir(out_dir):
            shutil.rmtree(out_dir)
        os.makedirs(out_dir)
        fonts, files = [], []
        for (kind, size), heights in sorted(group_by_size(chosen).items()):
            name, text = convert_group(work, conv, kind, size, heights, set_args[kind], root, sources)
            with open(os.path.join(out_dir, name + ".c"), "w", encoding="utf-8") as f:
                f.write(text)
            files.append(name)
            for height in heights:
                fonts.append(font_name(kind, height))
                print(f"{font_name(kind, height)}: size {size} px, line height {height}, in {name}.c")
    write_header(assets, sorted(fonts))
    write_table(assets)
    write_source_list(assets, files)
    print(f"{len(fonts)} fonts, {len(cjk)} CJK characters")


if __name__ == "__main__":
    main()
