#!/usr/bin/env python3
"""Draws the calculator's icon, kelm-calc.ico: one 64 x 64 image with 256 colours.

A factory with a chimney on a blue tile, and a rising yellow line for the income. Run it
from anywhere; it writes the icon beside itself.
"""
import os
import struct

SIZE = 64
TRANSPARENT, TILE, TILE_EDGE, WALL, ROOF, WINDOW, SMOKE, LINE = range(8)
PALETTE = {
    TRANSPARENT: (0, 0, 0),
    TILE: (40, 90, 170),
    TILE_EDGE: (20, 50, 110),
    WALL: (190, 195, 205),
    ROOF: (110, 115, 125),
    WINDOW: (250, 220, 90),
    SMOKE: (225, 230, 240),
    LINE: (255, 200, 40),
}


def draw():
    pixels = [[TRANSPARENT] * SIZE for _ in range(SIZE)]

    def fill(x0, y0, x1, y1, colour):
        for y in range(max(y0, 0), min(y1, SIZE)):
            for x in range(max(x0, 0), min(x1, SIZE)):
                pixels[y][x] = colour

    # Rounded tile: corners of radius 8 stay transparent.
    radius = 8
    for y in range(SIZE):
        for x in range(SIZE):
            cx = min(max(x, radius), SIZE - 1 - radius)
            cy = min(max(y, radius), SIZE - 1 - radius)
            distance = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if distance <= radius:
                pixels[y][x] = TILE_EDGE if distance > radius - 2 else TILE
    # Factory: a hall with a saw-tooth roof, a chimney and lit windows.
    fill(10, 34, 54, 54, WALL)
    for tooth in range(3):
        left = 10 + tooth * 14
        for step in range(10):
            fill(left + step, 34 - step, left + step + 1, 34, ROOF)
        fill(left + 10, 24, left + 14, 34, ROOF)
    fill(44, 12, 50, 34, ROOF)
    for puff_x, puff_y, r in ((47, 8, 3), (53, 5, 2)):
        for y in range(puff_y - r, puff_y + r + 1):
            for x in range(puff_x - r, puff_x + r + 1):
                if (x - puff_x) ** 2 + (y - puff_y) ** 2 <= r * r and 0 <= x < SIZE and 0 <= y < SIZE:
                    pixels[y][x] = SMOKE
    for left in (14, 26, 38):
        fill(left, 40, left + 7, 47, WINDOW)
    # Income: a rising line across the hall's foot.
    for x in range(8, 57):
        y = 60 - (x - 8) * 14 // 48
        fill(x, y - 1, x + 1, y + 2, LINE)
    return pixels


def icon_bytes(pixels):
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0)
                       for r, g, b in (PALETTE.get(i, (0, 0, 0)) for i in range(256)))
    colour_rows = b"".join(bytes(pixels[y]) for y in reversed(range(SIZE)))
    mask_rows = b""
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if pixels[y][x] == TRANSPARENT else 0)
        mask_rows += bits.to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, 256, 0)
    image = header + palette + colour_rows + mask_rows
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "kelm-calc.ico")
    with open(target, "wb") as out:
        out.write(icon_bytes(draw()))
