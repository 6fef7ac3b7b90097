#!/usr/bin/python3
"""A bright, scrambled puzzle cube seen from above a corner: 30 x 32 pixels."""

import art

W, H = 30, 32
BODY = (24, 24, 28)
COLOURS = {"w": (250, 250, 246), "y": (255, 214, 0), "r": (220, 24, 30),
           "o": (255, 128, 0), "b": (0, 82, 220), "g": (0, 168, 72)}
# Stickers of the three visible faces, row by row: a cube part-way solved.
FACES = {"top": "wwy wgw rww", "left": "rro rry brr", "right": "bbg obb bwb"}
LIGHT = {"top": 1.0, "left": 0.86, "right": 0.68}
GAP = 0.09            # black between stickers, in parts of a face's width


def face_corners():
    """Corners (origin, along rows, along columns) of each visible face."""
    left, right, top, mid = 1.6, 28.4, 1.6, 15.0
    slope, depth = 6.8, 15.2
    apex, near = (mid, top), (mid, top + 2 * slope)
    return {
        "top": ((left, top + slope), apex, near),
        "left": ((left, top + slope), near, (left, top + slope + depth)),
        "right": (near, (right, top + slope), (mid, top + 2 * slope + depth)),
    }


def at(face, s, t):
    (ox, oy), (ax, ay), (bx, by) = face
    return (ox + s * (ax - ox) + t * (bx - ox), oy + s * (ay - oy) + t * (by - oy))


def cube():
    img, d = art.canvas(W, H)
    faces = face_corners()
    # The body reaches half a pixel beyond the faces, so that no light
    # sticker pixel lies on the outline.
    for face in faces.values():
        d.polygon(art.pts([at(face, 0, 0), at(face, 1, 0), at(face, 1, 1), at(face, 0, 1)]),
                  fill=BODY, outline=BODY, width=art.S)
    for name, face in faces.items():
        for row, stickers in enumerate(FACES[name].split()):
            for col, key in enumerate(stickers):
                s0, s1 = (col + GAP) / 3, (col + 1 - GAP) / 3
                t0, t1 = (row + GAP) / 3, (row + 1 - GAP) / 3
                colour = tuple(round(c * LIGHT[name]) for c in COLOURS[key])
                d.polygon(art.pts([at(face, s0, t0), at(face, s1, t0),
                                   at(face, s1, t1), at(face, s0, t1)]), fill=colour)
    return img


def main():
    art.save("rubik.bmp", cube())


if __name__ == "__main__":
    main()
