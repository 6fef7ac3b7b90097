#!/usr/bin/python3
"""The numeral buttons "0.bmp".."10.bmp": 25 x 28 pixels, a black numeral
about 12 pixels high with grey edge pixels on white, centred."""

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import art

W, H = 25, 28
FONT = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"
SIZE = 17             # pixels per em: digits 12 pixels high
LEVELS = 8            # greys of the anti-aliased edge, black and white included


def numeral(text):
    # Rendered at its real size, so that the font's hinting puts the stems
    # on whole pixels; then centred on whole pixels by its ink.
    font = ImageFont.truetype(FONT, SIZE)
    ink = Image.new("L", (W * 2, H * 2), 0)
    ImageDraw.Draw(ink).text((W // 2, H // 2), text, font=font, fill=255)
    x0, y0, x1, y1 = ink.getbbox()
    img = Image.new("L", (W, H), 0)
    img.paste(ink.crop((x0, y0, x1, y1)), ((W - (x1 - x0)) // 2, (H - (y1 - y0)) // 2))
    cover = np.asarray(img, dtype=np.float64) / 255
    grey = np.round((1 - cover) * (LEVELS - 1)) / (LEVELS - 1) * 255
    return np.repeat(grey.astype(np.uint8)[..., None], 3, axis=2)


def main():
    for n in range(11):
        px = numeral(str(n))
        art.check(px, f"{n}.bmp", one_piece=False)
        art.write_bmp(art.BUILTIN / f"{n}.bmp", px)


if __name__ == "__main__":
    main()
