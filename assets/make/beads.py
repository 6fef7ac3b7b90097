#!/usr/bin/python3
"""The abacus beads of the bead trainer: 35 x 10 pixels, the size of its
20 x 6 dialog-unit bead controls in the window font."""

import numpy as np

import art
import shade

W, H = 35, 10
BEADS = {
    "beadblack.bmp": (48, 48, 56),
    "beadred.bmp": (214, 24, 24),
    # Shown over the red background of a negative result: yellow stands out.
    "beadNeg.bmp": (255, 200, 20),
}


def bead(base):
    x, y = art.grid(W, H)
    # An abacus bead seen from the side: a plump superellipse with a dark rim.
    u, v = (x - W / 2) / 16.4, (y - H / 2) / 3.95
    r2 = np.abs(u) ** 2.4 + np.abs(v) ** 2.4
    rgb = shade.lit(base, *shade.ellipsoid(u, v, flat=0.45), shine=0.6)
    rim = np.clip((r2 - 0.72) / 0.2, 0, 1)[..., None]
    rgb = rgb * (1 - 0.45 * rim)
    return art.rgba(rgb, (r2 <= 1).astype(float))


def main():
    for name, base in BEADS.items():
        art.save(name, bead(base))


if __name__ == "__main__":
    main()
