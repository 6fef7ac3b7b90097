#!/usr/bin/python3
"""Three coins with a raised rim and an embossed bust: a small copper penny,
a larger silver nickel and a still larger silver quarter, sized in the ratio
of the real coins."""

import numpy as np

import art

# name: diameter in pixels, metal colour, bust facing left, reeded edge
COINS = {
    "penny.bmp": (24, (205, 112, 62), False, False),
    "nickel.bmp": (26, (176, 178, 184), True, False),
    "quarter.bmp": (30, (196, 198, 208), True, True),
}
LIGHT = np.array([-0.6, -0.8])


def disc(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def bust(x, y):
    """A head and shoulders in profile, facing left, in coin units (-1..1)."""
    head = disc(x, y, 0.04, -0.14, 0.29, 0.35) | disc(x, y, 0.2, -0.2, 0.22, 0.26)
    nose = disc(x, y, -0.26, -0.08, 0.08, 0.06)
    neck = (x > -0.08) & (x < 0.22) & (y > 0.05) & (y < 0.45)
    shoulders = disc(x, y, 0.1, 0.66, 0.44, 0.28)
    return head | nose | neck | shoulders


def blur(a, n):
    """Box blur of width n: softens the relief's steps into slopes."""
    k = np.ones(n) / n
    a = np.apply_along_axis(lambda r: np.convolve(r, k, mode="same"), 0, a)
    return np.apply_along_axis(lambda r: np.convolve(r, k, mode="same"), 1, a)


def coin(diameter, metal, faces_left, reeded):
    size = diameter + 2
    x, y = art.grid(size, size)
    radius = diameter / 2
    u, v = (x - size / 2) / radius, (y - size / 2) / radius
    r = np.hypot(u, v)
    inside = r <= 1
    # Height: a raised rim, a low field and the bust standing out of it.
    height = np.where(r > 0.8, 1.0, 0.25)
    height = np.where((r <= 0.8) & bust(u if faces_left else -u, v), 0.8, height)
    height = blur(height, art.S)
    gy, gx = np.gradient(height)
    emboss = 1 + 2.2 * art.S * -(gx * LIGHT[0] + gy * LIGHT[1])
    sheen = 0.9 + 0.25 * np.clip(-(u * LIGHT[0] + v * LIGHT[1]), -1, 1)
    shade = emboss * sheen
    if reeded:
        ridges = (np.round(np.arctan2(v, u) / (2 * np.pi) * 64) % 2 == 0)
        shade = np.where((r > 0.93) & ridges, shade * 0.7, shade)
    shade = np.where(r > 0.965, shade * 0.55, shade)
    rgb = np.asarray(metal, dtype=np.float64) * shade[..., None]
    return art.rgba(rgb, inside.astype(float))


def main():
    for name, look in COINS.items():
        art.save(name, coin(*look))


if __name__ == "__main__":
    main()
