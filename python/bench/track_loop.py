"""The Python side of scripts/bench-python: the loop of track_loop.c through tarmaxion_track,
results turned into Python values as a program uses them (lines, a dict, bytes).
Usage: track_loop.py ITERATIONS < TRACK"""
import sys
from time import perf_counter

import tarmaxion_track

data = sys.stdin.buffer.read()
iterations = int(sys.argv[1])

best, best_total = None, None
for _ in range(5):
    stages = [0.0] * 4
    for _ in range(iterations):
        at = perf_counter()
        track = tarmaxion_track.open(data, name="lakeside.trk")
        assert track.status == "read"
        stages[0] += (then := perf_counter()) - at
        assert track.info_lines and track.info
        stages[1] += (at := perf_counter()) - then
        track.copy_as_105()
        stages[2] += (then := perf_counter()) - at
        track.map_png()
        track.close()
        stages[3] += perf_counter() - then
    if best_total is None or sum(stages) < best_total:
        best, best_total = stages, sum(stages)
for name, seconds in zip(("open", "info", "copy", "map"), best):
    print(f"{name} {seconds / iterations * 1e6:.1f}")
print(f"total {best_total / iterations * 1e6:.1f}")
