#!/usr/bin/env python3
"""Writes the program's icon: 32 x 32 pixels, 16 colours, a grey circuit with a chequered
start line on grass. Usage: make_icon.py OUTPUT.ico"""
import struct
import sys

SIZE = 32
# The classic 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREEN, LIGHT_GREY, GREY, RED, WHITE = 0, 2, 7, 8, 9, 15


def pixel(x, y):
    """Palette index of column x, row y (row 0 at the top)."""
    # Distance from the centre of an ellipse, scaled so the road lies between 0.55 and 0.95.
    dx, dy = (x - 15.5) / 15.0, (y - 15.5) / 11.0
    d = (dx * dx + dy * dy) ** 0.5
    if 0.55 <= d <= 0.95:
        if 14 <= x <= 17 and y > 16:  # the start line, chequered
            return WHITE if (x + y) % 2 else BLACK
        if d < 0.6 or d > 0.9:  # kerbs
            return RED if (x // 2 + y // 2) % 2 else WHITE
        return GREY
    return DARK_GREEN if d > 0.95 else LIGHT_GREY


def icon_bytes():
    xor_rows = []
    for y in reversed(range(SIZE)):  # bottom-up rows
        row = bytearray()
        for x in range(0, SIZE, 2):
            row.append(pixel(x, y) << 4 | pixel(x + 1, y))
        xor_rows.append(bytes(row))
    xor = b"".join(xor_rows)
    mask = bytes(SIZE * SIZE // 8)  # every pixel opaque
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes())
