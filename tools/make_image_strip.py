#!/usr/bin/env python3
"""Draws the framework's shared image strip and writes it as resources/image-strip.png.

The strip is 729 x 20 RGBA: eight caption glyphs, each in three cells (normal, hot, pressed). The close
glyph's cells start at x 0, 40 and 80 and are 39 pixels wide; the other glyphs' cells are 28 wide and
follow from x 120 in steps of 29. The caption buttons draw a cell from y 2 downwards.

Glyphs are white line drawings on a transparent ground; the hot and pressed cells put them on a
gradient that fades out towards the bottom, red for close and blue for the rest, the pressed one darker.
Edges are smoothed by sampling each pixel on a 4 x 4 grid.

The build embeds the PNG without its 8-byte signature, and the program prepends the signature when it loads it.
"""

import math
import pathlib
import struct
import zlib

WIDTH, HEIGHT = 729, 20
TOP = 2  # first row a caption button uses
GRID = 4
STROKE = 0.6  # half the width of a glyph's lines
WHITE = (255, 255, 255)
HOT = {"close": (224, 40, 40), "other": (48, 128, 214)}
PRESSED = {"close": (150, 20, 20), "other": (28, 78, 148)}
TOP_ALPHA = 230


def near_segment(px, py, a, b, half_width=STROKE):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy)) <= half_width


def on_outline(px, py, points, closed=True):
    pairs = zip(points, points[1:] + points[:1] if closed else points[1:])
    return any(near_segment(px, py, a, b) for a, b in pairs)


def inside_polygon(px, py, points):
    inside = False
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
            inside = not inside
    return inside


def box(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


# Each glyph answers whether a point, relative to the cell's centre, is ink.
def cross(x, y):
    return near_segment(x, y, (-4.5, -4.5), (4.5, 4.5), 0.75) or near_segment(x, y, (-4.5, 4.5), (4.5, -4.5), 0.75)


def square(x, y):
    return on_outline(x, y, box(-5, -4.5, 5, 4.5))


def two_squares(x, y):
    front = box(-5, -2.5, 3, 4.5)
    behind_front = inside_polygon(x, y, box(-5.5, -3, 3.5, 5))
    return on_outline(x, y, front) or (on_outline(x, y, box(-3, -4.5, 5, 2.5)) and not behind_front)


def bar(x, y):
    return near_segment(x, y, (-5, 3.5), (5, 3.5), 1.0)


def square_with_triangle(x, y):
    return on_outline(x, y, box(-5, -4.5, 5, 4.5)) or inside_polygon(x, y, [(-3, -1.5), (3, -1.5), (0, 2.5)])


def shirt(x, y):
    outline = [(-2, -5), (-6, -3), (-4.5, 0), (-3, -1), (-3, 5), (3, 5), (3, -1), (4.5, 0), (6, -3), (2, -5)]
    return on_outline(x, y, outline) or on_outline(x, y, [(-2, -5), (0, -3), (2, -5)], closed=False)


def speech_bubble(x, y):
    outline = [(-6, -5), (6, -5), (6, 2), (0, 2), (-3, 5), (-3, 2), (-6, 2)]
    return on_outline(x, y, outline)


def gear(x, y):
    r = math.hypot(x, y)
    if abs(r - 3.0) <= STROKE:
        return True
    for tooth in range(8):
        angle = tooth * math.pi / 4
        a = (3.0 * math.cos(angle), 3.0 * math.sin(angle))
        b = (5.5 * math.cos(angle), 5.5 * math.sin(angle))
        if near_segment(x, y, a, b, 0.9):
            return True
    return False


# In strip order: close, maximise, restore, minimise, then the four further kinds.
GLYPHS = [cross, square, two_squares, bar, square_with_triangle, shirt, speech_bubble, gear]


def cells():
    """(x, width, glyph, state, tint) for each of the 24 cells; state 0 normal, 1 hot, 2 pressed."""
    for index, glyph in enumerate(GLYPHS):
        if index == 0:
            start, width, step, tint = 0, 39, 40, "close"
        else:
            start, width, step, tint = 120 + 87 * (index - 1), 28, 29, "other"
        for state in range(3):
            yield start + state * step, width, glyph, state, tint


def over(top, bottom):
    """Straight-alpha RGBA of `top` drawn over `bottom`."""
    ta, ba = top[3] / 255, bottom[3] / 255
    alpha = ta + ba * (1 - ta)
    if alpha == 0:
        return (0, 0, 0, 0)
    rgb = tuple(round((top[i] * ta + bottom[i] * ba * (1 - ta)) / alpha) for i in range(3))
    return rgb + (round(alpha * 255),)


def draw():
    pixels = [[(0, 0, 0, 0)] * WIDTH for _ in range(HEIGHT)]
    centre_y = TOP + (HEIGHT - TOP) / 2
    for x0, width, glyph, state, tint in cells():
        centre_x = x0 + width / 2
        for y in range(TOP, HEIGHT):
            ground = (0, 0, 0, 0)
            if state:
                fade = 1 - (y - TOP) / (HEIGHT - TOP)
                colour = (HOT if state == 1 else PRESSED)[tint]
                ground = colour + (round(TOP_ALPHA * fade),)
            for x in range(x0, x0 + width):
                ink = sum(glyph(x + (i + 0.5) / GRID - centre_x, y + (j + 0.5) / GRID - centre_y)
                          for i in range(GRID) for j in range(GRID))
                pixels[y][x] = over(WHITE + (round(255 * ink / GRID ** 2),), ground)
    return pixels


def png(pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)
    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel) for row in pixels)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    (root / "resources" / "image-strip.png").write_bytes(png(draw()))



if __name__ == "__main__":
    main()
