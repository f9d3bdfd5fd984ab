#!/usr/bin/env python3
"""Draws the program's icon, a basketball, into src/ui/resources/hoopvale.png (64 x 64, RGBA).

Pure Python (zlib only): each pixel is the average of 4 x 4 samples, so the edges are smooth.
Run from the repository's root: python3 tools/make_icon.py
"""
import math
import struct
import zlib

SIZE = 64
SAMPLES = 4
CENTRE = (SIZE - 1) / 2
RADIUS = SIZE / 2 - 2
ORANGE = (232, 112, 28)
SEAM = (40, 22, 10)
SEAM_WIDTH = 1.6


def colour_at(x, y):
    """The colour and coverage (0 or 1) of one sample point."""
    dx, dy = x - CENTRE, y - CENTRE
    r = math.hypot(dx, dy)
    if r > RADIUS:
        return None
    if r > RADIUS - SEAM_WIDTH:  # outline
        return SEAM
    # Two straight seams through the centre and two curved ones left and right.
    if abs(dx) < SEAM_WIDTH / 2 or abs(dy) < SEAM_WIDTH / 2:
        return SEAM
    for side in (-1, 1):
        cx = CENTRE + side * RADIUS * 1.25
        if abs(math.hypot(x - cx, dy) - RADIUS * 0.85) < SEAM_WIDTH / 2:
            return SEAM
    shade = 1.0 - 0.25 * max(0.0, (dx + dy) / (2 * RADIUS))  # light from the top left
    return tuple(min(255, int(c * shade)) for c in ORANGE)


def pixel(px, py):
    total = [0.0, 0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            c = colour_at(px + (sx + 0.5) / SAMPLES - 0.5, py + (sy + 0.5) / SAMPLES - 0.5)
            if c is None:
                continue
            for i in range(3):
                total[i] += c[i]
            total[3] += 255
    n = SAMPLES * SAMPLES
    covered = total[3] / 255
    if covered == 0:
        return (0, 0, 0, 0)
    return tuple(int(total[i] / covered) for i in range(3)) + (int(total[3] / n),)


def png(rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


if __name__ == "__main__":
    image = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open("src/ui/resources/hoopvale.png", "wb") as out:
        out.write(png(image))
