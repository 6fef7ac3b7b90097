#!/usr/bin/python3
"""The programs' icon: a small abacus. "working.ico" holds it drawn afresh at
16, 32, 48 and 256 pixels, packed by icotool (the 256-pixel image as PNG);
icons/<size>.png are the desktop menu's sizes, and icons/korvanda.svg the
same drawing as a scalable picture."""

import pathlib
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image, ImageDraw

import art

SIZES = (16, 32, 48, 256)
MENU_SIZES = (16, 24, 32, 48, 64, 128, 256)
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


def hex_colour(c):
    return "#%02x%02x%02x" % c


def svg():
    """The abacus on the same 16 x 16 grid as `abacus`, as SVG text."""
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 16 16">',
           f'<rect x="0.5" y="1.5" width="15" height="13" rx="1.6" fill="{hex_colour(WOOD)}"'
           f' stroke="{hex_colour(WOOD_EDGE)}" stroke-width="0.5"/>',
           f'<rect x="2" y="3" width="12" height="10" fill="{hex_colour(BACK)}"/>']
    for row, (colour, count) in enumerate(RODS):
        y = 4.7 + 3.3 * row
        out.append(f'<line x1="2" y1="{y:g}" x2="14" y2="{y:g}" stroke="{hex_colour(ROD)}"'
                   ' stroke-width="0.45"/>')
        for k in range(count):
            x = 3.3 + 2.1 * k
            out.append(f'<ellipse cx="{x:g}" cy="{y:g}" rx="1.05" ry="1.35" fill="{hex_colour(colour)}"/>')
            out.append(f'<ellipse cx="{x - 0.3:g}" cy="{y - 0.65:g}" rx="0.35" ry="0.35"'
                       f' fill="{hex_colour(lighter(colour, 0.45))}"/>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def menu_icons():
    folder = art.ASSETS / "icons"
    folder.mkdir(exist_ok=True)
    for size in MENU_SIZES:
        abacus(size).save(folder / f"{size}.png", optimize=True)
    (folder / "korvanda.svg").write_text(svg())


def main():
    out = art.BUILTIN / "working.ico"
    with tempfile.TemporaryDirectory() as tmp:
        files = []
        for size in SIZES:
            path = pathlib.Path(tmp) / f"{size}.png"
            abacus(size).save(path)
            files.append(f"--raw={path}" if size >= 256 else str(path))
        subprocess.run(["icotool", "-c", "-o", str(out), *files], check=True)
    menu_icons()


if __name__ == "__main__":
    main()
