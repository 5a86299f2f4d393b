#!/usr/bin/env python3
"""Looks at a screenshot the way a tester's eye would, for the end-to-end
tests: where the chart's points are, where a line of one colour crosses a
row, where a filled band runs. Coordinates are screen pixels.

  screen_probe.py dots SHOT X Y W H COLOUR     centres of solid dots, "x y" per line, left to right
  screen_probe.py row SHOT Y X1 X2 COLOUR...   x of the first and last pixel of those colours, or nothing
  screen_probe.py column SHOT X Y1 Y2 COLOUR... y of the first and last pixel of those colours, or nothing
  screen_probe.py band SHOT X Y1 Y2 COLOUR     "top bottom" of the first run of that colour down a column
"""
import subprocess
import sys


def pixels(shot, x, y, w, h):
    raw = subprocess.run(["convert", shot, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                          "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    if len(raw) != w * h * 3:
        sys.exit("screen_probe: crop outside the screenshot")
    return [raw[i:i + 3].hex() for i in range(0, len(raw), 3)]


def dots(shot, x, y, w, h, colour):
    """Solid dots: pixels of the colour with a run of at least six of it both
    across and down, which a two-pixel line never has; clustered by
    nearness, each cluster's centre."""
    p = pixels(shot, x, y, w, h)
    hit = [c == colour for c in p]
    across = [0] * (w * h)
    down = [0] * (w * h)
    for r in range(h):
        run = 0
        for c in range(w):
            run = run + 1 if hit[r * w + c] else 0
            across[r * w + c] = run
        for c in range(w - 2, -1, -1):
            if hit[r * w + c] and across[r * w + c + 1]:
                across[r * w + c] = across[r * w + c + 1]
    for c in range(w):
        run = 0
        for r in range(h):
            run = run + 1 if hit[r * w + c] else 0
            down[r * w + c] = run
        for r in range(h - 2, -1, -1):
            if hit[r * w + c] and down[(r + 1) * w + c]:
                down[r * w + c] = down[(r + 1) * w + c]
    clusters = []
    for r in range(h):
        for c in range(w):
            i = r * w + c
            if not (across[i] >= 6 and down[i] >= 6):
                continue
            for cl in clusters:
                if abs(cl[0] / cl[2] - c) < 8 and abs(cl[1] / cl[2] - r) < 8:
                    cl[0] += c
                    cl[1] += r
                    cl[2] += 1
                    break
            else:
                clusters.append([c, r, 1])
    centres = sorted((x + round(cx / n), y + round(cy / n)) for cx, cy, n in clusters)
    for cx, cy in centres:
        print(cx, cy)


def extent(values, start, colours):
    found = [start + i for i, c in enumerate(values) if c in colours]
    if found:
        print(found[0], found[-1])


def band(values, start, colour):
    top = None
    for i, c in enumerate(values + [""]):
        if c == colour and top is None:
            top = i
        elif c != colour and top is not None:
            print(start + top, start + i - 1)
            return


def main(argv):
    what, shot = argv[1], argv[2]
    if what == "dots":
        x, y, w, h = map(int, argv[3:7])
        dots(shot, x, y, w, h, argv[7].lower())
    elif what == "row":
        y, x1, x2 = map(int, argv[3:6])
        extent(pixels(shot, x1, y, x2 - x1 + 1, 1), x1, {c.lower() for c in argv[6:]})
    elif what == "column":
        x, y1, y2 = map(int, argv[3:6])
        extent(pixels(shot, x, y1, 1, y2 - y1 + 1), y1, {c.lower() for c in argv[6:]})
    elif what == "band":
        x, y1, y2 = map(int, argv[3:6])
        band(pixels(shot, x, y1, 1, y2 - y1 + 1), y1, argv[6].lower())
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
