#!/usr/bin/env python3
"""What a Python program gets from the installed tarmaxion_track for each track named on the
command line, written as the files compare-with-trkconv.py holds against trkconv's outputs:
OUT/N.info, N.json, N.trk, N.png, N-map-128.png, N.rgba (N is the track's place, from 2).
Usage: python-client.py OUT_FOLDER TRACK..."""
import json
import os
import sys

import tarmaxion_track

out, tracks = sys.argv[1], sys.argv[2:]


def write(number, suffix, data):
    with open(os.path.join(out, f"{number}{suffix}"), "wb") as file:
        file.write(data)


for number, path in enumerate(tracks, start=2):
    with tarmaxion_track.open(path) as track:
        lines = "".join(line + "\n" for line in track.info_lines)
        write(number, ".info", lines.encode("utf-8", "surrogateescape"))
        write(number, ".json", json.dumps(track.info).encode())
        if track.status != "read":
            continue
        write(number, ".trk", track.copy_as_105())
        write(number, ".png", track.map_png())
        write(number, "-map-128.png", track.map_png(128, map_only=True))
        write(number, ".rgba", track.map_rgba()[2])
