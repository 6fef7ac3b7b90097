"""Shared drawing helpers for the picture generators.

Pictures are drawn S times too large on a transparent ground, shrunk with
a coverage-weighted box filter and then given a hard edge: a pixel is the
object's own colour or pure white, never a blend of the two. A blend would
show as a pale rim once `Image` keys the white out over a coloured scene.
"""

import pathlib
import struct

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

S = 8                                  # supersampling factor
WHITE = (255, 255, 255)
ART_WHITE = (254, 254, 254)            # white inside the art, kept when white is keyed out
HERE = pathlib.Path(__file__).resolve().parent
ASSETS = HERE.parent
DATA = ASSETS / "data"
BUILTIN = ASSETS / "builtin"


def canvas(w, h):
    """A transparent RGBA canvas S times the size of a w x h picture."""
    img = Image.new("RGBA", (w * S, h * S), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img)


def pts(points):
    """Picture coordinates (floats) to supersampled canvas coordinates."""
    return [(x * S, y * S) for x, y in points]


def box(x0, y0, x1, y1):
    return [x0 * S, y0 * S, x1 * S - 1, y1 * S - 1]


def outlined(img, colour, width):
    """Puts a dark outline `width` pixels wide around the drawing: thin parts
    then survive the shrinking, and the edge stays dark on any ground."""
    alpha = img.getchannel("A").filter(ImageFilter.MaxFilter(2 * round(width * S) + 1))
    out = Image.new("RGBA", img.size, colour + (0,))
    out.putalpha(alpha)
    out.alpha_composite(img)
    return out


def grid(w, h):
    """Coordinates of the centres of the supersampled pixels, in picture units."""
    y, x = np.mgrid[0:h * S, 0:w * S].astype(np.float64)
    return (x + 0.5) / S, (y + 0.5) / S


def rgba(rgb, alpha):
    """An RGBA canvas from float arrays: rgb (h, w, 3) 0..255 and alpha (h, w) 0..1."""
    out = np.dstack([np.clip(rgb, 0, 255), np.clip(alpha, 0, 1)[..., None] * 255])
    return Image.fromarray(np.round(out).astype(np.uint8), "RGBA")


def shrink(img):
    """Supersampled RGBA canvas to (rgb, coverage) at picture size."""
    a = np.asarray(img, dtype=np.float64) / 255.0
    h, w = a.shape[0] // S, a.shape[1] // S
    a = a.reshape(h, S, w, S, 4)
    alpha = a[..., 3].mean(axis=(1, 3))
    premul = (a[..., :3] * a[..., 3:4]).mean(axis=(1, 3))
    rgb = premul / np.maximum(alpha, 1e-9)[..., None]
    return rgb * 255.0, alpha


def harden(img, threshold=0.5):
    """Shrinks a supersampled canvas to a 24-bit picture on white with a hard edge."""
    rgb, alpha = shrink(img)
    px = np.round(rgb).astype(np.uint8)
    white = np.all(px == 255, axis=2)
    px[white] = ART_WHITE
    px[alpha < threshold] = WHITE
    return px


def components(px):
    """Number of 8-connected regions of non-white pixels."""
    h, w, _ = px.shape
    art = ~np.all(px == 255, axis=2)
    seen = np.zeros_like(art)
    count = 0
    for y0, x0 in zip(*np.nonzero(art)):
        if seen[y0, x0]:
            continue
        count += 1
        stack = [(y0, x0)]
        seen[y0, x0] = True
        while stack:
            y, x = stack.pop()
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    ny, nx = y + dy, x + dx
                    if 0 <= ny < h and 0 <= nx < w and art[ny, nx] and not seen[ny, nx]:
                        seen[ny, nx] = True
                        stack.append((ny, nx))
    return count


def check(px, name, one_piece=True):
    """Refuses a picture the programs would show badly."""
    border = np.concatenate([px[0], px[-1], px[:, 0], px[:, -1]])
    if not np.all(border == 255):
        raise SystemExit(f"{name}: art touches the border")
    if one_piece and components(px) != 1:
        raise SystemExit(f"{name}: {components(px)} pieces, not one")


def write_bmp(path, px):
    """A 24-bit bottom-up BMP with the plain 40-byte header, as `Image` reads it."""
    h, w, _ = px.shape
    stride = (3 * w + 3) & ~3
    rows = b"".join(px[y, :, ::-1].tobytes().ljust(stride, b"\0") for y in range(h - 1, -1, -1))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 3780, 3780, 0, 0)
    pathlib.Path(path).write_bytes(header + info + rows)


def save(name, img, folder=DATA):
    """Hardens, checks and writes one picture; returns its pixels."""
    px = harden(img)
    check(px, name)
    write_bmp(folder / name, px)
    return px
