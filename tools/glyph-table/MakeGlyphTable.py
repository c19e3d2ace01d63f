#!/usr/bin/python3
"""Rasterises a monospace TrueType font into the caption glyph table of the page and trkconv.

Usage: MakeGlyphTable.py FONT.ttf PIXELS OUTPUT.cpp

Every character of COVERED that the font has gets one cell of the font's advance width and its
ascent plus descent in height, drawn without antialiasing, so captions are the same on every
machine and need no font at run time. Control characters get empty cells, as the window's fonts
draw nothing for them (DEL aside, which has always drawn as the box); a character without a
cell draws the font's own box for the characters it lacks.

The table is packed for the page, which carries it in two WebAssembly modules: a cell keeps only
the rows from its first inked one to its last, each row an index into the list of distinct rows.
"""
import sys
import unicodedata

from PIL import Image, ImageDraw, ImageFont

# Latin (Basic, Latin-1 and Extended-A), the letters of modern Greek and of the Cyrillic
# alphabets of Russian, Ukrainian, Belarusian, Bulgarian, Serbian and Macedonian. Each further
# hundred letters costs the page about half a kilobyte gzipped, twice.
COVERED = [(0x0000, 0x017F), (0x0384, 0x03CE), (0x0400, 0x045F), (0x0490, 0x0491)]
# What Windows-1252 holds beyond those: the letters and signs of its bytes 0x80 to 0x9F.
WINDOWS_1252 = [bytes([byte]).decode("cp1252", errors="ignore") for byte in range(0x80, 0xA0)]
# A code point that no font maps, so the font draws its box for the characters it lacks.
MISSING = "\uffff"
MAX_ROWS = 256  # a row's index is one byte


def canvas(font, character, width, height):
    # A wider canvas than the cell, so ink past the advance is cut as a text box cuts it.
    image = Image.new("1", (width * 2, height), 0)
    ImageDraw.Draw(image).text((0, 0), character, font=font, fill=1)
    return image


def glyph_rows(image, width, height):
    rows = []
    for y in range(height):
        bits = 0
        for x in range(width):
            if image.getpixel((x, y)):
                bits |= 1 << x
        rows.append(bits)
    return rows


def covered_characters():
    code_points = {c for first, last in COVERED for c in range(first, last + 1)}
    code_points |= {ord(character) for character in WINDOWS_1252 if character}
    return [chr(c) for c in sorted(code_points) if unicodedata.category(chr(c)) != "Cn"]


def cells(font, width, height):
    """(code point, rows) of every character with a cell, in code point order, and the box."""
    box = canvas(font, MISSING, width, height)
    found = []
    for character in covered_characters():
        if unicodedata.category(character) == "Cc" and character != "\x7f":
            found.append((ord(character), [0] * height))
            continue
        image = canvas(font, character, width, height)
        if image.tobytes() != box.tobytes():
            found.append((ord(character), glyph_rows(image, width, height)))
    return found, glyph_rows(box, width, height)


def runs(code_points):
    """[first, count, first cell] of every run of consecutive code points."""
    result = []
    for cell, c in enumerate(code_points):
        if result and result[-1][0] + result[-1][1] == c:
            result[-1][1] += 1
        else:
            result.append([c, 1, cell])
    return result


def inked_part(rows):
    inked = [y for y, bits in enumerate(rows) if bits]
    return (inked[0], rows[inked[0]:inked[-1] + 1]) if inked else (0, [])


def main():
    font_path, pixels, output = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    font = ImageFont.truetype(font_path, pixels)
    ascent, descent = font.getmetrics()
    width, height = round(font.getlength("M")), ascent + descent
    if width > 16:
        sys.exit("MakeGlyphTable.py: cells wider than 16 pixels do not fit the table's rows")
    found, box = cells(font, width, height)
    all_cells = [rows for _, rows in found] + [box]
    patterns = sorted({bits for rows in all_cells for bits in rows})
    if len(patterns) > MAX_ROWS:
        sys.exit("MakeGlyphTable.py: %d distinct rows, more than a byte can index" % len(patterns))
    index = {bits: i for i, bits in enumerate(patterns)}
    extents, row_indexes = [], []
    for rows in all_cells:
        top, inked = inked_part(rows)
        extents.append((top, len(inked)))
        row_indexes += [index[bits] for bits in inked]

    def numbers(values, per_line, form):
        items = [form % value for value in values]
        return "\n".join("    " + ", ".join(items[i:i + per_line]) + "," for i in range(0, len(items), per_line))

    with open(output, "w", encoding="ascii") as out:
        out.write("// Written by tools/glyph-table/MakeGlyphTable.py from %s; do not edit.\n"
                  % font_path.rsplit("/", 1)[-1])
        out.write('#include "glyphs/table/TableGlyphs.h"\n\nnamespace tarmaxion {\nnamespace {\n\n')
        out.write("constexpr GlyphRun kRuns[] = {\n%s\n};\n" % "\n".join(
            "    {0x%04x, %d, %d}," % tuple(run) for run in runs([c for c, _ in found])))
        out.write("constexpr GlyphExtent kExtents[] = {\n%s\n};\n" % numbers(extents, 12, "{%d, %d}"))
        out.write("constexpr std::uint16_t kPatterns[] = {\n%s\n};\n" % numbers(patterns, 12, "0x%03x"))
        out.write("constexpr std::uint8_t kRows[] = {\n%s\n};\n" % numbers(row_indexes, 20, "%d"))
        out.write("\n}  // namespace\n\n")
        out.write("const GlyphTable kCaptionGlyphTable = {%d, %d, kRuns, kExtents, kPatterns, kRows, %d};\n"
                  % (width, height, len(found)))
        out.write("\n}  // namespace tarmaxion\n")


if __name__ == "__main__":
    main()
