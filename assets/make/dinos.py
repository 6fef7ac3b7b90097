#!/usr/bin/python3
"""Three different dinosaurs, each fitted into at most 32 x 32 pixels: two
from the Noto colour emoji and a stegosaurus from Openclipart."""

import subprocess
from io import BytesIO

from PIL import Image, ImageDraw, ImageFont

import art

EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
CLIPART = "/usr/share/openclipart/svg/animals/dinosaurs/"
# name: source, longest side in pixels, outline colour
DINOS = {
    "dino1.bmp": (("emoji", "\U0001F996"), 30, None),                    # tyrannosaurus
    "dino2.bmp": (("emoji", "\U0001F995"), 30, None),                    # sauropod
    "dino3.bmp": (("svg", CLIPART + "dino_architetto_francesc_06.svg"), 28, (110, 40, 0)),
}


def emoji(char):
    # The colour glyphs are bitmaps of one size: 109 px.
    font = ImageFont.truetype(EMOJI_FONT, 109)
    img = Image.new("RGBA", (160, 160), (0, 0, 0, 0))
    ImageDraw.Draw(img).text((10, 10), char, font=font, embedded_color=True)
    return img


def svg(path):
    png = subprocess.run(["rsvg-convert", "-w", "480", path], check=True,
                         capture_output=True).stdout
    return Image.open(BytesIO(png)).convert("RGBA")


def fit(source, longest, margin):
    """Scales the drawing so that its longest side is `longest` pixels and
    centres it on a canvas `margin` white pixels larger on every side."""
    source = source.crop(source.getbbox())
    scale = longest / max(source.size)
    w, h = (max(1, round(n * scale)) for n in source.size)
    img, _ = art.canvas(w + 2 * margin, h + 2 * margin)
    body = source.resize((w * art.S, h * art.S), Image.LANCZOS)
    img.alpha_composite(body, (margin * art.S, margin * art.S))
    return img


def main():
    for name, ((kind, what), longest, outline) in DINOS.items():
        source = emoji(what) if kind == "emoji" else svg(what)
        if outline:
            art.save(name, art.outlined(fit(source, longest, 2), outline, 0.8))
        else:
            art.save(name, fit(source, longest, 1))


if __name__ == "__main__":
    main()
