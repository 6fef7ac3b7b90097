"""Lighting of round bodies: beads, coins and the icon's beads."""

import numpy as np

LIGHT = np.array([-0.45, -0.7, 0.55])
LIGHT = LIGHT / np.linalg.norm(LIGHT)
HALF = LIGHT + np.array([0.0, 0.0, 1.0])
HALF = HALF / np.linalg.norm(HALF)


def lit(base, nx, ny, nz, ambient=0.35, diffuse=0.8, shine=0.55, power=24):
    """Colour of a surface of colour `base` with normal (nx, ny, nz) under the
    top-left light: ambient and diffuse light plus a white highlight."""
    norm = np.sqrt(nx * nx + ny * ny + nz * nz) + 1e-12
    nx, ny, nz = nx / norm, ny / norm, nz / norm
    d = np.clip(nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2], 0, 1)
    s = np.clip(nx * HALF[0] + ny * HALF[1] + nz * HALF[2], 0, 1) ** power
    base = np.asarray(base, dtype=np.float64)
    return base * (ambient + diffuse * d)[..., None] + (255 * shine * s)[..., None]


def ellipsoid(u, v, flat=1.0):
    """Normal of an ellipsoid seen end-on at normalised position (u, v), with
    u, v in -1..1 inside it; `flat` < 1 flattens it sideways like a bead."""
    nz = np.sqrt(np.clip(1 - u * u - v * v, 0, 1))
    return u * flat, v, nz
