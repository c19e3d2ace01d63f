#!/usr/bin/env python3
"""Prints a track's info list and writes its version-1.05 copy and its map beside it.
    pip install tarmaxion_track-1.1.0-py3-none-linux_x86_64.whl
    python3 track_info.py examples/lakeside.trk"""
import sys

import tarmaxion_track

if len(sys.argv) != 2:
    sys.exit(f"usage: {sys.argv[0]} TRACK")
with tarmaxion_track.open(sys.argv[1]) as track:
    print("\n".join(track.info_lines))
    if track.status != "read":
        sys.exit(f"{sys.argv[1]}: {track.message}")
    with open(track.copy_name, "wb") as copy:
        copy.write(track.copy_as_105())
    with open("map.png", "wb") as map_file:
        map_file.write(track.map_png())
    print(f"{track.copy_name} and map.png ({track.map_name})")
