#!/usr/bin/python3
"""The contact sheet assets/contact-sheet.png: every picture at 1x and 3x,
on white as the programs' buttons show it and keyed over a coloured ground
as the shape scene places it (where a pale fringe would show); then, for
every language, who speaks it under which licence and the shape of each
word's sound."""

import wave

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import art
import beads
import coins
import cube
import dinos
import pyramids
import stars
from languages import LANGUAGES

WORDS = [str(n) for n in range(21)] + ["plus", "minus", "equals"]
WAVE_SIZE = (44, 24)   # pixels of one word's sound: 0.5 s across

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


def waveform(path):
    """The word's loudness over time, 0.5 s to the tile's width (longer
    words run on at that rate): a trim or level fault shows at a glance."""
    with wave.open(str(path)) as w:
        samples = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2")
        rate = w.getframerate()
    width = max(1, round(len(samples) / rate / 0.5 * WAVE_SIZE[0]))
    tile = Image.new("RGB", (max(width, WAVE_SIZE[0]), WAVE_SIZE[1]), (255, 255, 255))
    d = ImageDraw.Draw(tile)
    d.line([(WAVE_SIZE[0] - 1, 0), (WAVE_SIZE[0] - 1, WAVE_SIZE[1])], fill=(255, 190, 190))
    mid = WAVE_SIZE[1] // 2
    for x, chunk in enumerate(np.array_split(samples, width)):
        peak = int(np.abs(chunk.astype(np.int32)).max(initial=0)) * mid // 32768
        d.line([(x, mid - peak), (x, mid + peak)], fill=(30, 60, 140))
    return tile


def voice_rows():
    rows = []
    for code, lang in LANGUAGES.items():
        folder = art.DATA if code == "en" else art.DATA / "voices" / code
        words = [(name, [waveform(folder / f"{name}.wav")]) for name in WORDS]
        about = (f"{code}  {lang.name}: {lang.engine}, voice {lang.voice} "
                 f"(Debian {lang.package}), licence {lang.licence}")
        rows.append((about, words))
    return rows


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
    rows += voice_rows()

    # Lay the rows out first, wrapping them at MAX_WIDTH, then paint.
    placed, y = [], PAD
    for title, pics in rows:
        placed.append((title, None, PAD, y))
        if FONT.getlength(title) > LABEL - PAD:  # a long title has a line of its own
            y += 16
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
