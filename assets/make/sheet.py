#!/usr/bin/python3
"""The contact sheet assets/contact-sheet.png: every picture at 1x and 3x,
on white as the programs' buttons show it and keyed over a coloured ground
as the shape scene places it (where a pale fringe would show)."""

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import art
import beads
import coins
import cube
import dinos
import pyramids
import stars

ROWS = [
    ("numerals", [f"{n}.bmp" for n in range(11)], art.BUILTIN),
    ("beads", list(beads.BEADS), art.DATA),
    ("stars", list(stars.STARS), art.DATA),
    ("dinosaurs", list(dinos.DINOS), art.DATA),
    ("cube", ["rubik.bmp"], art.DATA),
    ("pyramids", list(pyramids.PYRAMIDS), art.DATA),
    ("coins", list(coins.COINS), art.DATA),
]
SCENE = (40, 120, 200)
PAD, LABEL, MAX_WIDTH = 8, 90, 1100
FONT = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 11)


def keyed(img, ground):
    """The picture over a plain ground, white left out as `Image` does."""
    a = np.asarray(img).copy()
    a[np.all(a == 255, axis=2)] = ground
    return Image.fromarray(a)


def tiles(img):
    """1x and 3x on white, then 3x keyed over the scene colour."""
    big = img.resize((img.width * 3, img.height * 3), Image.NEAREST)
    return [img, big, keyed(big, SCENE)]


def main():
    rows = []
    for title, names, folder in ROWS:
        pics = [(name, tiles(Image.open(folder / name).convert("RGB"))) for name in names]
        rows.append((title, pics))
    icon = Image.open(art.BUILTIN / "working.ico")
    icons = []
    for size in sorted(icon.ico.sizes()):
        im = icon.ico.getimage(size).convert("RGBA")
        ground = Image.new("RGBA", im.size, (255, 255, 255, 255))
        ground.alpha_composite(im)
        icons.append((f"{size[0]}px", [ground.convert("RGB")]))
    rows.append(("working.ico", icons))

    # Lay the rows out first, wrapping them at MAX_WIDTH, then paint.
    placed, y = [], PAD
    for title, pics in rows:
        placed.append((title, None, PAD, y))
        x, line = LABEL, 0
        for name, ts in pics:
            span = max(sum(t.width + PAD for t in ts), 60)
            if x + span > MAX_WIDTH and x > LABEL:
                x, y = LABEL, y + line + PAD
                line = 0
            placed.append((name, ts, x, y))
            x += span
            line = max(line, max(t.height for t in ts) + 16)
        y += line + PAD
    sheet = Image.new("RGB", (MAX_WIDTH, y), (232, 232, 232))
    d = ImageDraw.Draw(sheet)
    for name, ts, x, y in placed:
        d.text((x, y), name, font=FONT, fill=(0, 0, 0) if ts is None else (60, 60, 60))
        for t in ts or []:
            sheet.paste(t, (x, y + 14))
            x += t.width + PAD
    sheet.save(art.ASSETS / "contact-sheet.png", optimize=True)


if __name__ == "__main__":
    main()
