#!/usr/bin/env python3
"""Draws the performance page's artwork and writes it as toolkit images.

    performance_art.py FONT_DIR OUT_DIR [PNG_DIR]

Four pictures, each an SVG drawn here from the page's geometry, rendered with
rsvg-convert and packed into OUT_DIR/<name>.c:

  gauge_base   880 x 440  the faces: the large power-limit dial in the middle
                          (its tick band, hub and captions; the toolkit's meter
                          draws ticks, numbers, arc and needle on top), the
                          processor gauge on the left and the GPU gauge on the
                          right, the "BOOST" and "GPU AUTO" captions beside
                          the switches and the drag ramps under the gauges
  gauge_cpu    880 x 440  the processor gauge lit: its ring and ramp in amber
  gauge_gpu    880 x 440  the GPU gauge lit: its ring and ramp in cyan
  settings     60 x 60    a cog on transparent surroundings (the icon takes
                          clicks on its opaque pixels only); its hub is a dark
                          opaque disc, because the middle is where a finger
                          lands

The overlays are tinted by the page towards its background as the value
falls, so a gauge glows in its colour at the top of its range and fades out
at the bottom.

Pixels are true colour with alpha in the toolkit's 32-bit order (blue, green,
red, alpha; straight alpha). Most of each picture is transparent or flat, so
the pixels are stored run-length packed: a packet byte n < 128 is followed by
n + 1 literal pixels, n >= 128 by one pixel repeated n - 127 times. The
program unpacks a picture once, on first use (ui/assets/performance/
packed_image.c). PNG_DIR, when given, receives the rendered PNGs to look at.

Captions are set in Montserrat (the panel's own typeface) from FONT_DIR.
"""
import math
import os
import subprocess
import sys
import tempfile

W, H = 880, 440
CX, CY = 440, 220

# Where the page's widgets lie over the picture at the widest layout tier
# (page 880 x 420 with 20 px padding, so percentages are of 840 x 380, and
# the picture centred on the page).
CONTENT_W, CONTENT_H = 840, 380


def pct_x(p):
    return CX + CONTENT_W * p / 100.0


def pct_y(p):
    return CY + CONTENT_H * p / 100.0


DIAL_R = 185                        # the meter: 370 x 370 around the centre
SCALE_R = DIAL_R - 20               # its scale radius (meter padding 20)
CPU_C = (pct_x(-36), pct_y(-2))     # the CPU value label
GPU_C = (pct_x(36), pct_y(-2))      # the GPU value label
BOOST_SW = (pct_x(-33), pct_y(-35))  # switch centres, 84 x 38
AUTO_SW = (pct_x(33), pct_y(-35))
SW_W, SW_H = CONTENT_W * 0.10, CONTENT_H * 0.10
SLIDER_Y = pct_y(27)                # the invisible sliders' centre line
GAUGE_R = 92                        # the small gauges' ring radius

FACE = "#202020"
FACE_EDGE = "#343434"
TRACK = "#2e2e2e"
BAND = "#626262"
CAPTION = "#8c8c8c"
UNIT = "#b8b8b8"
RED = "#f44336"
AMBER = "#ffa42b"
CYAN = "#2ec8e6"
FONT = "font-family=\"Montserrat Thin\" font-weight=\"bold\""


def polar(cx, cy, r, deg):
    a = math.radians(deg)
    return cx + r * math.cos(a), cy + r * math.sin(a)


def arc_path(cx, cy, r, start, end):
    """An arc clockwise (screen angles, 0 = right, 90 = down) from start to end."""
    sweep = (end - start) % 360 or 360
    x0, y0 = polar(cx, cy, r, start)
    x1, y1 = polar(cx, cy, r, start + sweep)
    large = 1 if sweep > 180 else 0
    return "M %.2f %.2f A %.2f %.2f 0 %d 1 %.2f %.2f" % (x0, y0, r, r, large, x1, y1)


def text(x, y, s, size, fill, anchor="middle", spacing=0):
    return ('<text x="%.1f" y="%.1f" font-size="%d" fill="%s" text-anchor="%s" '
            'dominant-baseline="central" letter-spacing="%.1f" %s>%s</text>'
            % (x, y, size, fill, anchor, spacing, FONT, s))


def svg(width, height, body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d">%s</svg>' % (width, height, width, height, "".join(body)))


# --- the small gauges ---------------------------------------------------------

GAUGE_START, GAUGE_END = 150, 30   # open at the bottom, 240 degrees


def gauge_ring(c, colour, width):
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%d" stroke-linecap="round"/>'
            % (arc_path(c[0], c[1], GAUGE_R, GAUGE_START, GAUGE_END), colour, width))


def gauge_face(c, name, unit):
    cx, cy = c
    out = ['<circle cx="%.1f" cy="%.1f" r="%d" fill="%s" stroke="%s" stroke-width="2"/>'
           % (cx, cy, GAUGE_R + 16, FACE, FACE_EDGE)]
    out.append(gauge_ring(c, TRACK, 12))
    # Seven notches along the ring, inside it.
    for i in range(7):
        deg = GAUGE_START + 240.0 * i / 6
        x0, y0 = polar(cx, cy, GAUGE_R - 12, deg)
        x1, y1 = polar(cx, cy, GAUGE_R - 20, deg)
        out.append('<line x1="%.2f" y1="%.2f" x2="%.2f" y2="%.2f" stroke="#4a4a4a" '
                   'stroke-width="3" stroke-linecap="round"/>' % (x0, y0, x1, y1))
    out.append(text(cx, cy - 46, name, 20, CAPTION, spacing=2))
    out.append(text(cx, cy + 40, unit, 20, UNIT))
    # The needle centre: the value is read at the hub.
    out.append('<circle cx="%.1f" cy="%.1f" r="5" fill="#3c3c3c"/>' % (cx, cy + 66))
    return out


def ramp(c, colour, leftwards):
    """Bars under a gauge that grow in the direction its slider raises the value."""
    cx = c[0]
    bars, gap, bar_w = 12, 6, 13
    span = bars * bar_w + (bars - 1) * gap
    left = cx - span / 2.0
    bottom = SLIDER_Y + 30
    out = []
    for i in range(bars):
        step = (bars - 1 - i) if leftwards else i
        h = 8 + step * 2.4
        x = left + i * (bar_w + gap)
        out.append('<rect x="%.1f" y="%.1f" width="%d" height="%.1f" rx="2" fill="%s"/>'
                   % (x, bottom - h, bar_w, h, colour))
    return out


def switch_caption(sw, s):
    """A caption centred over its switch."""
    return text(sw[0], sw[1] - SW_H / 2 - 17, s, 18, CAPTION, spacing=1.5)


# --- the pictures ---------------------------------------------------------------

def gauge_base():
    body = []
    # The power-limit dial.
    body.append('<circle cx="%d" cy="%d" r="%d" fill="%s" stroke="%s" stroke-width="3"/>'
                % (CX, CY, DIAL_R - 2, FACE, FACE_EDGE))
    # The band the meter's ticks are cut into (135 to 45 degrees, through the top).
    band_r = SCALE_R - 5.5
    body.append('<path d="%s" fill="none" stroke="%s" stroke-width="13" stroke-linecap="butt"/>'
                % (arc_path(CX, CY, band_r, 135, 45), BAND))
    body.append('<path d="%s" fill="none" stroke="#2a2a2a" stroke-width="2"/>'
                % arc_path(CX, CY, SCALE_R - 52, 135, 45))
    # Hub and captions round the value.
    body.append('<circle cx="%d" cy="%d" r="70" fill="#1b1b1b" stroke="#2c2c2c" stroke-width="2"/>'
                % (CX, CY))
    body.append('<circle cx="%d" cy="%d" r="9" fill="%s"/>' % (CX, CY, RED))
    body.append('<circle cx="%d" cy="%d" r="4" fill="#1b1b1b"/>' % (CX, CY))
    body.append(text(CX, CY - 48, "TDP", 20, CAPTION, spacing=3))
    body.append(text(pct_x(-3) + 52, pct_y(-4) + 8, "W", 26, UNIT, "start"))
    # The small gauges, their ramps and the switch captions.
    body += gauge_face(CPU_C, "CPU", "%")
    body += gauge_face(GPU_C, "GPU", "MHz")
    body += ramp(CPU_C, TRACK, True)
    body += ramp(GPU_C, TRACK, False)
    body.append(switch_caption(BOOST_SW, "BOOST"))
    body.append(switch_caption(AUTO_SW, "GPU AUTO"))
    return svg(W, H, body)


def overlay(c, colour, leftwards):
    glow = ('<filter id="glow" x="-20%%" y="-20%%" width="140%%" height="140%%">'
            '<feGaussianBlur stdDeviation="5"/></filter>')
    body = ['<defs>%s</defs>' % glow]
    body.append('<g filter="url(#glow)" opacity="0.55">%s</g>' % gauge_ring(c, colour, 14))
    body.append(gauge_ring(c, colour, 12))
    body += ramp(c, colour, leftwards)
    return svg(W, H, body)


def settings_icon():
    c, teeth, outer, inner, hole = 30.0, 8, 27.0, 20.0, 8.0
    points = []
    for i in range(teeth):
        base = 360.0 * i / teeth
        for deg, r in ((base - 13, inner), (base - 8, outer), (base + 8, outer), (base + 13, inner)):
            points.append("%.2f,%.2f" % polar(c, c, r, deg))
    cog = ('<path fill-rule="evenodd" fill="#c1c1c1" d="M %s Z M %.2f %.2f '
           'a %.2f %.2f 0 1 0 %.2f 0 a %.2f %.2f 0 1 0 %.2f 0 Z"/>'
           % (" L ".join(points), c - hole, c, hole, hole, 2 * hole, hole, hole, -2 * hole))
    ring = '<circle cx="30" cy="30" r="%.1f" fill="none" stroke="#1a1a1a" stroke-width="2"/>' % (inner - 6)
    hub = '<circle cx="30" cy="30" r="%.1f" fill="#262626"/>' % hole
    return svg(60, 60, [cog, ring, hub])


# --- rendering and packing -------------------------------------------------------

def render(svg_text, font_dir, work, name):
    src = os.path.join(work, name + ".svg")
    png = os.path.join(work, name + ".png")
    with open(src, "w") as f:
        f.write(svg_text)
    conf = os.path.join(work, "fonts.conf")
    with open(conf, "w") as f:
        f.write('<?xml version="1.0"?><fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>'
                % (font_dir, os.path.join(work, "cache")))
    env = dict(os.environ, FONTCONFIG_FILE=conf)
    subprocess.run(["rsvg-convert", src, "-o", png], check=True, env=env)
    raw = subprocess.run(["convert", png, "-depth", "8", "rgba:-"], check=True,
                         stdout=subprocess.PIPE).stdout
    return png, raw


def pack(raw):
    """RGBA bytes -> packed BGRA pixels (see the module comment)."""
    px = [bytes((raw[i + 2], raw[i + 1], raw[i], raw[i + 3])) if raw[i + 3] else b"\0\0\0\0"
          for i in range(0, len(raw), 4)]
    out = bytearray()
    literal = []

    def flush():
        while literal:
            chunk = literal[:128]
            del literal[:128]
            out.append(len(chunk) - 1)
            for p in chunk:
                out.extend(p)

    i = 0
    while i < len(px):
        run = 1
        while i + run < len(px) and run < 128 and px[i + run] == px[i]:
            run += 1
        if run >= 2:
            flush()
            out.append(127 + run)
            out += px[i]
        else:
            literal.append(px[i])
        i += run
    flush()
    return bytes(out)


def write_c(path, name, w, h, packed):
    lines = []
    for i in range(0, len(packed), 24):
        lines.append("    " + ",".join("%d" % b for b in packed[i:i + 24]) + ",")
    with open(path, "w") as f:
        f.write("/* %s: %d x %d, true colour with alpha, run-length packed.\n" % (name, w, h))
        f.write(" * Made by tools/gen-performance-art.sh (do not edit). */\n")
        f.write('#include "performance_images.h"\n#include "packed_image.h"\n\n')
        f.write("static const uint8_t packed[] = {\n%s\n};\n\n" % "\n".join(lines))
        f.write("static uint8_t pixels[%d];\n" % (w * h * 4))
        f.write("static lv_img_dsc_t image;\n\n")
        f.write("const lv_img_dsc_t * performance_image_%s(void)\n{\n" % name)
        f.write("    return packed_image_get(&image, pixels, %d, %d, packed, sizeof(packed));\n}\n"
                % (w, h))


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    font_dir, out_dir = sys.argv[1], sys.argv[2]
    png_dir = sys.argv[3] if len(sys.argv) > 3 else None
    pictures = [
        ("gauge_base", W, H, gauge_base()),
        ("gauge_cpu", W, H, overlay(CPU_C, AMBER, True)),
        ("gauge_gpu", W, H, overlay(GPU_C, CYAN, False)),
        ("settings", 60, 60, settings_icon()),
    ]
    with tempfile.TemporaryDirectory() as work:
        for name, w, h, text_svg in pictures:
            png, raw = render(text_svg, font_dir, work, name)
            assert len(raw) == w * h * 4, "%s: unexpected size" % name
            packed = pack(raw)
            write_c(os.path.join(out_dir, name + ".c"), name, w, h, packed)
            if png_dir:
                os.makedirs(png_dir, exist_ok=True)
                subprocess.run(["cp", png, os.path.join(png_dir, name + ".png")], check=True)
            print("%s: %d x %d, %d bytes packed" % (name, w, h, len(packed)))


if __name__ == "__main__":
    main()
