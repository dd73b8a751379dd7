#!/usr/bin/env python3
"""Draws the menu's check mark (20 x 20 RGBA PNG) and writes it as resources/check-mark.png.

The tick is two strokes, a short one down from the left and a long one rising to the upper right, in
grey-blue on a transparent ground; edges are smoothed by sampling each pixel on a 4 x 4 grid.
"""

import math
import pathlib
import struct
import zlib

SIZE = 20
COLOUR = (110, 122, 135)
STROKES = [((4.5, 10.0), (8.0, 13.5)), ((8.0, 13.5), (15.5, 5.5))]
HALF_WIDTH = 1.25
GRID = 4


def distance_to_segment(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def coverage(x, y):
    inside = 0
    for i in range(GRID):
        for j in range(GRID):
            sx, sy = x + (i + 0.5) / GRID, y + (j + 0.5) / GRID
            if min(distance_to_segment(sx, sy, a, b) for a, b in STROKES) <= HALF_WIDTH:
                inside += 1
    return inside / (GRID * GRID)


def png(rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main():
    rows = []
    for y in range(SIZE):
        row = bytearray()
        for x in range(SIZE):
            alpha = round(255 * coverage(x, y))
            row += bytes(COLOUR + (alpha,)) if alpha else bytes(4)
        rows.append(bytes(row))
    root = pathlib.Path(__file__).resolve().parent.parent
    (root / "resources" / "check-mark.png").write_bytes(png(rows))


if __name__ == "__main__":
    main()
