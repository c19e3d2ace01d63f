// What a JavaScript program gets from the installed package for each track named on the command
// line, written as files for tests/library/compare-with-trkconv.py to hold against trkconv:
// OUT/N.info, N.json, N.trk, N.png, N-map-128.png and N.rgba, N counting from 2 as c-client does.
// Usage: node client.mjs OUT_FOLDER TRACK...
import { readFile, writeFile } from "node:fs/promises";
import { basename, join } from "node:path";
import { openTrack } from "tarmaxion-track";

const [out, ...paths] = process.argv.slice(2);
for (const [i, path] of paths.entries()) {
  const track = await openTrack(await readFile(path), basename(path));
  const write = (suffix, data) => writeFile(join(out, `${i + 2}${suffix}`), data);
  await write(".info", track.infoLines.map((line) => `${line}\n`).join(""));
  await write(".json", JSON.stringify(track.info));
  if (track.status === "read") {
    await write(".trk", track.copyAs105());
    await write(".png", track.mapPng());
    await write("-map-128.png", track.mapPng({ size: 128, mapOnly: true }));
    await write(".rgba", track.mapRgba().pixels);
  }
  track.close();
}
