#!/usr/bin/env python3
"""Holds what a client of the library got (c-client's or another binding's files: N.info,
N.json, N.trk, N.png, N-map-128.png, N.rgba) against trkconv on the same tracks.
Usage: compare-with-trkconv.py [--png-pixels] TRKCONV CLIENT_OUT TRACK...
(N is the track's place, from 2). With --png-pixels, PNG files are held by their pixels rather
than their bytes, for a client whose compressor is another than trkconv's.
Prints one line per difference and a count; exits 1 on any difference."""
import json
import os
import subprocess
import sys
import tempfile
import zlib

png_pixels = sys.argv[1] == "--png-pixels"
trkconv, client_out, tracks = sys.argv[1 + png_pixels], sys.argv[2 + png_pixels], sys.argv[3 + png_pixels:]


def run(*args):
    return subprocess.run([trkconv, *args], capture_output=True, check=False).stdout


def read(path):
    try:
        with open(path, "rb") as file:
            return file.read()
    except FileNotFoundError:
        return None


def png_chunks(png):
    """A PNG file's chunks as (kind, data) in their order."""
    at, chunks = 8, []
    while at < len(png):
        length = int.from_bytes(png[at:at + 4], "big")
        chunks.append((png[at + 4:at + 8].decode(), png[at + 8:at + 8 + length]))
        at += 12 + length
    return chunks


def png_rgba(png):
    """The RGBA bytes of one of trkconv's PNG files: 8-bit palette or RGB, unfiltered rows."""
    chunks = {}
    for kind, data in png_chunks(png):
        chunks[kind] = chunks.get(kind, b"") + data
    width, height = int.from_bytes(chunks["IHDR"][0:4], "big"), int.from_bytes(chunks["IHDR"][4:8], "big")
    indexed = chunks["IHDR"][9] == 3
    rows = zlib.decompress(chunks["IDAT"])
    step = width if indexed else 3 * width
    palette = chunks.get("PLTE", b"")
    pixels = bytearray()
    for y in range(height):
        row = rows[y * (step + 1) + 1:(y + 1) * (step + 1)]
        for x in range(width):
            rgb = palette[3 * row[x]:3 * row[x] + 3] if indexed else row[3 * x:3 * x + 3]
            pixels += rgb + b"\xff"
    return bytes(pixels)


def decompressed(png):
    """A PNG file's chunks with the image data decompressed: equal for equal pixels, palette
    and filters, whatever the compressor."""
    chunks = png_chunks(png)
    image = zlib.decompress(b"".join(data for kind, data in chunks if kind == "IDAT"))
    return [chunk for chunk in chunks if chunk[0] != "IDAT"] + [("IDAT", image)]


def same_pixels(png, other):
    return png is not None and other is not None and decompressed(png) == decompressed(other)


differences = 0
with tempfile.TemporaryDirectory() as scratch:
    for number, track in enumerate(tracks, start=2):
        mine = lambda suffix: read(os.path.join(client_out, f"{number}{suffix}"))
        def differ(what):
            global differences
            differences += 1
            print(f"{track}: {what} differs")
        if mine(".info") != run("info", track):
            differ("the info list")
        expected = json.loads(run("info", "--json", track), object_pairs_hook=list)
        expected = [pair for pair in expected if pair[0] not in ("path", "path_bytes")]
        if json.loads(mine(".json"), object_pairs_hook=list) != expected:
            differ("the JSON")
        out = os.path.join(scratch, "out")
        for suffix, args in ((".trk", ["convert"]), (".png", ["preview"]),
                             ("-map-128.png", ["preview", "--size", "128", "--map-only"])):
            if os.path.exists(out):
                os.remove(out)
            run(*args, "-o", out + (".png" if "png" in suffix else ".trk"), track)
            made = read(out + (".png" if "png" in suffix else ".trk"))
            for leftover in (out + ".png", out + ".trk"):
                if os.path.exists(leftover):
                    os.remove(leftover)
            if made != mine(suffix) and not (png_pixels and "png" in suffix and same_pixels(made, mine(suffix))):
                differ(suffix)
            if suffix == ".png" and made is not None and number < 60 and png_rgba(made) != mine(".rgba"):
                differ("the RGBA pixels")
print(f"library against trkconv: {len(tracks)} tracks, {differences} differences")
sys.exit(1 if differences else 0)
