// Prints a track's info list and writes its version-1.05 copy and its map beside it.
//   npm install tarmaxion-track
//   node track-info.mjs examples/lakeside.trk
import { readFile, writeFile } from "node:fs/promises";
import { basename } from "node:path";
import { openTrack } from "tarmaxion-track";

if (process.argv.length !== 3) {
  console.error("usage: node track-info.mjs TRACK");
  process.exit(2);
}
const path = process.argv[2];
const track = await openTrack(await readFile(path), basename(path));
try {
  console.log(track.infoLines.join("\n"));
  if (track.status !== "read") {
    console.error(`${path}: ${track.message}`);
    process.exitCode = 1;
  } else {
    await writeFile(track.copyName, track.copyAs105());
    await writeFile("map.png", track.mapPng());
    console.log(`${track.copyName} and map.png (${track.mapName})`);
  }
} finally {
  track.close();
}
