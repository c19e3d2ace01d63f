#!/usr/bin/python3
"""Rasterises a monospace TrueType font into the caption glyph table of the page and trkconv.

Usage: MakeGlyphTable.py FONT.ttf PIXELS OUTPUT.cpp

Every Windows-1252 byte from 0x20 to 0xFF gets one cell of the font's advance width and its
ascent plus descent in height, drawn without antialiasing, so captions are the same on
every machine and need no font at run time. The five unassigned bytes get empty cells, as the
window's fonts draw nothing for their control characters.
"""
import sys

from PIL import Image, ImageDraw, ImageFont

FIRST_BYTE = 0x20


def glyph_rows(font, character, width, height):
    # A wider canvas than the cell, so ink past the advance is cut as a text box cuts it.
    canvas = Image.new("1", (width * 2, height), 0)
    ImageDraw.Draw(canvas).text((0, 0), character, font=font, fill=1)
    rows = []
    for y in range(height):
        bits = 0
        for x in range(width):
            if canvas.getpixel((x, y)):
                bits |= 1 << x
        rows.append(bits)
    return rows


def main():
    font_path, pixels, output = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    font = ImageFont.truetype(font_path, pixels)
    ascent, descent = font.getmetrics()
    width, height = round(font.getlength("M")), ascent + descent
    if width > 16:
        sys.exit("MakeGlyphTable.py: cells wider than 16 pixels do not fit the table's rows")
    cells = []
    for byte in range(FIRST_BYTE, 0x100):
        try:
            character = bytes([byte]).decode("cp1252")
        except UnicodeDecodeError:
            character = ""
        cells.append(glyph_rows(font, character, width, height) if character else [0] * height)
    with open(output, "w", encoding="ascii") as out:
        out.write("// Written by tools/glyph-table/MakeGlyphTable.py from %s; do not edit.\n"
                  % font_path.rsplit("/", 1)[-1])
        out.write('#include "glyphs/table/TableGlyphs.h"\n\nnamespace tarmaxion {\n\n')
        out.write("const GlyphTable kCaptionGlyphTable = {%d, %d, %d, {\n" % (width, height, FIRST_BYTE))
        for cell in cells:
            out.write("    " + ", ".join("0x%04x" % row for row in cell) + ",\n")
        out.write("}};\n\n}  // namespace tarmaxion\n")


if __name__ == "__main__":
    main()
