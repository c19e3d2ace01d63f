#!/usr/bin/env python3
"""Writes the program's icon, a grey circuit with a chequered start line on grass, and the icon
of its track files, the same circuit on a sheet of paper with a folded corner.
Usage: make_icon.py OUTPUT.ico                 (32 x 32 pixels, 16 colours, for the Windows program)
       make_icon.py OUTPUT.png SIZE            (SIZE x SIZE pixels, true colour, for desktop themes)
       make_icon.py OUTPUT.png SIZE document   (the track files' icon, transparent around the sheet)"""
import math
import struct
import sys
import zlib

SIZE = 32
# The classic 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREEN, LIGHT_GREY, GREY, RED, WHITE = 0, 2, 7, 8, 9, 15
TRANSPARENT = None


def pixel(u, v):
    """Palette index at column u, row v of the 32 x 32 picture (row 0 at the top). u and v may
    lie between pixel centres: the road's edges then follow the ellipse smoothly, while the
    chequers and kerbs keep the blocks of the 32 x 32 icon."""
    # Distance from the centre of an ellipse, scaled so the road lies between 0.55 and 0.95.
    dx, dy = (u - 15.5) / 15.0, (v - 15.5) / 11.0
    d = (dx * dx + dy * dy) ** 0.5
    x, y = math.floor(u + 0.5), math.floor(v + 0.5)
    if 0.55 <= d <= 0.95:
        if 14 <= x <= 17 and y > 16:  # the start line, chequered
            return WHITE if (x + y) % 2 else BLACK
        if d < 0.6 or d > 0.9:  # kerbs
            return RED if (x // 2 + y // 2) % 2 else WHITE
        return GREY
    return DARK_GREEN if d > 0.95 else LIGHT_GREY


# The sheet of the track files' icon on the 32 x 32 grid: its edges, and the folded corner at
# the top right.
SHEET_LEFT, SHEET_RIGHT, SHEET_TOP, SHEET_BOTTOM, FOLD = 3.5, 27.5, 0.5, 30.5, 8.0


def document_pixel(u, v):
    """Palette index, or TRANSPARENT, at column u, row v of the track files' icon: the circuit
    shrunk onto white paper, its infield still grass."""
    if not (SHEET_LEFT <= u <= SHEET_RIGHT and SHEET_TOP <= v <= SHEET_BOTTOM):
        return TRANSPARENT
    into_fold = (u - (SHEET_RIGHT - FOLD)) + ((SHEET_TOP + FOLD) - v)
    if u > SHEET_RIGHT - FOLD and v < SHEET_TOP + FOLD:
        if into_fold > FOLD + 0.5:
            return TRANSPARENT
        if into_fold > FOLD - 0.5 or u > SHEET_RIGHT - FOLD + 0.5 and v > SHEET_TOP + FOLD - 1:
            return GREY  # the fold's edges
        if u > SHEET_RIGHT - FOLD + 0.5:
            return LIGHT_GREY  # the back of the folded paper
    if u < SHEET_LEFT + 1 or u > SHEET_RIGHT - 1 or v < SHEET_TOP + 1 or v > SHEET_BOTTOM - 1:
        return GREY  # the sheet's outline
    scale = 0.7
    circuit = pixel((u - 15.5) / scale + 15.5, (v - 18) / scale + 15.5)
    return WHITE if circuit == DARK_GREEN else DARK_GREEN if circuit == LIGHT_GREY else circuit


def scaled_pixel(column, row, size, draw=pixel):
    """Palette index of a pixel of a size x size picture: its centre mapped onto the 32 x 32
    grid, so that size 32 gives exactly the Windows icon."""
    scale = SIZE / size
    return draw((column + 0.5) * scale - 0.5, (row + 0.5) * scale - 0.5)


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


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_bytes(size, draw=pixel):
    """A size x size PNG of draw: 8-bit RGB, or RGBA where draw leaves pixels transparent."""
    indices = [[scaled_pixel(x, y, size, draw) for x in range(size)] for y in range(size)]
    alpha = any(TRANSPARENT in row for row in indices)
    rows = []
    for row_indices in indices:
        row = bytearray([0])  # filter type 0: the row as it is
        for index in row_indices:
            if index is TRANSPARENT:
                row.extend(bytes(4))
            else:
                row.extend(PALETTE[index] + ((255,) if alpha else ()))
        rows.append(bytes(row))
    colour_type = 6 if alpha else 2
    header = struct.pack(">IIBBBBB", size, size, 8, colour_type, 0, 0, 0)  # 8 bits, no interlace
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
            png_chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + png_chunk(b"IEND", b""))


if __name__ == "__main__":
    output = sys.argv[1]
    if output.endswith(".png"):
        draw = document_pixel if sys.argv[3:] == ["document"] else pixel
        data = png_bytes(int(sys.argv[2]), draw)
    else:
        data = icon_bytes()
    with open(output, "wb") as out:
        out.write(data)
