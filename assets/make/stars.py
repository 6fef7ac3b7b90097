#!/usr/bin/python3
"""Four bevelled stars that differ in colour and in points: 30 x 30 pixels."""

import math

import art

SIZE = 30
# name: points, inner radius (of the outer one), light and dark face colours
STARS = {
    "star1.bmp": (5, 0.45, (255, 222, 40), (230, 160, 0)),
    "star2.bmp": (5, 0.45, (255, 90, 70), (200, 20, 30)),
    "star3.bmp": (6, 0.52, (90, 170, 255), (20, 80, 210)),
    "star4.bmp": (4, 0.38, (220, 120, 255), (140, 40, 200)),
}
OUTLINE = 0.55        # outline colour: the dark face colour this much darker


def corners(points, inner, radius, cx, cy):
    """Tips and notches of a star, clockwise from the top tip."""
    out = []
    for i in range(2 * points):
        r = radius if i % 2 == 0 else radius * inner
        a = -math.pi / 2 + i * math.pi / points
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def star(points, inner, light, dark):
    img, d = art.canvas(SIZE, SIZE)
    c = SIZE / 2
    # An odd number of points leaves the star low in its box: lift it.
    cy = c + (0.9 if points % 2 else 0)
    line = tuple(round(k * OUTLINE) for k in dark)
    d.polygon(art.pts(corners(points, inner, 14.0, c, cy)), fill=line)
    body = corners(points, inner, 12.7, c, cy)
    # Each point is two facets sloping down to its edges, each as bright as
    # its edge faces the light from the top left.
    for i in range(2 * points):
        a, b = body[i], body[(i + 1) % (2 * points)]
        nx, ny = b[1] - a[1], a[0] - b[0]
        if nx * ((a[0] + b[0]) / 2 - c) + ny * ((a[1] + b[1]) / 2 - cy) < 0:
            nx, ny = -nx, -ny
        t = (1 - (0.6 * nx + 0.8 * ny) / math.hypot(nx, ny)) / 2
        face = tuple(round(k + t * (j - k)) for j, k in zip(light, dark))
        d.polygon(art.pts([(c, cy), a, b]), fill=face)
    return img


def main():
    for name, look in STARS.items():
        art.save(name, star(*look))


if __name__ == "__main__":
    main()
