#!/usr/bin/python3
"""Four pyramids that differ: a smooth one, one of stone courses with a gold
tip, a stepped temple pyramid and a row of three. At most 32 x 32 pixels."""

import art

SAND = ((238, 198, 120), (190, 140, 70))        # lit and shaded face
STONE = ((214, 180, 130), (160, 120, 72))
GREY = ((176, 176, 160), (120, 120, 104))
EDGE = (96, 64, 32)
GOLD = ((255, 220, 60), (214, 160, 0))


def lerp(p, q, t):
    return (p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1]))


def faces(d, apex, left, front, right, colours, courses=0):
    """One pyramid seen from a corner: the lit left face, the shaded right one,
    and optionally `courses` lines of stone blocks across both."""
    for face, colour in (((apex, left, front), colours[0]), ((apex, front, right), colours[1])):
        d.polygon(art.pts(face), fill=colour, outline=EDGE, width=art.S * 3 // 4)
        line = tuple(round(c * 0.78) for c in colour)
        for k in range(1, courses):
            t = k / courses
            d.line(art.pts([lerp(face[0], face[1], t), lerp(face[0], face[2], t)]),
                   fill=line, width=art.S // 2)
    return apex


def cap(d, apex, left, front, right, t):
    """Gilds the top `t` of a pyramid."""
    faces(d, apex, lerp(apex, left, t), lerp(apex, front, t), lerp(apex, right, t), GOLD)


def smooth():
    img, d = art.canvas(32, 26)
    faces(d, (14, 1.5), (1.5, 21), (19, 24.5), (30.5, 19.5), SAND)
    return img


def coursed():
    img, d = art.canvas(32, 26)
    corners = (15, 1.5), (1.5, 21), (18, 24.5), (30.5, 20)
    faces(d, *corners, STONE, courses=6)
    cap(d, *corners, 0.3)
    return img


def stepped():
    """A temple pyramid: tiers of shrinking width, a stair up the middle and
    a small temple on top."""
    img, d = art.canvas(32, 28)
    tiers, bottom, height = 5, 26.5, 4.0
    for k in range(tiers):
        half, y1 = 14.5 - k * 2.4, bottom - k * height
        d.rectangle(art.box(16 - half, y1 - height, 16 + half, y1), fill=GREY[0],
                    outline=EDGE, width=art.S * 3 // 4)
        # The right end of each tier is in shadow.
        d.rectangle(art.box(16 + half * 0.55, y1 - height + 0.75, 16 + half - 0.75, y1 - 0.75),
                    fill=GREY[1])
    top = bottom - tiers * height
    d.rectangle(art.box(13.5, top, 18.5, bottom), fill=GREY[1], outline=EDGE, width=art.S // 2)
    for y in range(int(top) + 2, int(bottom), 2):
        d.line(art.pts([(13.5, y), (18.5, y)]), fill=EDGE, width=art.S // 3)
    d.rectangle(art.box(11.5, top - 4.5, 20.5, top + 0.5), fill=(196, 96, 64), outline=EDGE,
                width=art.S * 3 // 4)
    d.rectangle(art.box(14.8, top - 2.6, 17.2, top + 0.5), fill=EDGE)
    return img


def three():
    """The three pyramids of the desert, the largest in the middle."""
    img, d = art.canvas(32, 24)
    faces(d, (6, 11), (1.5, 22.5), (7.5, 23), (12, 22), SAND)
    faces(d, (25, 10), (19, 22.5), (26, 23), (30.5, 22), SAND)
    faces(d, (15, 1.5), (7.5, 22.5), (16.5, 23), (23.5, 22), STONE, courses=4)
    return img


PYRAMIDS = {"pyramid.bmp": smooth, "pyramid2.bmp": coursed,
            "pyramid3.bmp": stepped, "pyramid4.bmp": three}


def main():
    for name, draw in PYRAMIDS.items():
        art.save(name, draw())


if __name__ == "__main__":
    main()
