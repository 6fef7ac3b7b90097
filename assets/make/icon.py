#!/usr/bin/python3
"""The programs' icon "working.ico": a small abacus, drawn afresh at 16, 32,
48 and 256 pixels and packed by icotool (the 256-pixel image as PNG)."""

import pathlib
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image, ImageDraw

import art

SIZES = (16, 32, 48, 256)
WOOD, WOOD_EDGE = (176, 104, 44), (96, 52, 16)
BACK = (255, 246, 222)
ROD = (110, 110, 110)
# Beads of each rod: colour and how many stand at the left end.
RODS = (((214, 24, 24), 4), ((48, 48, 56), 2), ((255, 200, 20), 3))


def lighter(c, t):
    return tuple(round(k + t * (255 - k)) for k in c)


def abacus(size):
    n = size * art.S
    img = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    u = n / 16                       # drawn on a 16 x 16 grid
    d.rounded_rectangle([0.5 * u, 1.5 * u, 15.5 * u, 14.5 * u], radius=1.6 * u,
                        fill=WOOD, outline=WOOD_EDGE, width=round(0.5 * u))
    d.rectangle([2 * u, 3 * u, 14 * u, 13 * u], fill=BACK)
    for row, (colour, count) in enumerate(RODS):
        y = (4.7 + 3.3 * row) * u
        d.line([2 * u, y, 14 * u, y], fill=ROD, width=max(1, round(0.45 * u)))
        for k in range(count):
            x = (3.3 + 2.1 * k) * u
            d.ellipse([x - 1.05 * u, y - 1.35 * u, x + 1.05 * u, y + 1.35 * u], fill=colour)
            d.ellipse([x - 0.65 * u, y - 1.0 * u, x + 0.05 * u, y - 0.3 * u],
                      fill=lighter(colour, 0.45))
    rgb, alpha = art.shrink(img)
    return art.rgba(rgb, alpha)


def main():
    out = art.BUILTIN / "working.ico"
    with tempfile.TemporaryDirectory() as tmp:
        files = []
        for size in SIZES:
            path = pathlib.Path(tmp) / f"{size}.png"
            abacus(size).save(path)
            files.append(f"--raw={path}" if size >= 256 else str(path))
        subprocess.run(["icotool", "-c", "-o", str(out), *files], check=True)


if __name__ == "__main__":
    main()
