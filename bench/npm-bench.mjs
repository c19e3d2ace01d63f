// The npm package on examples/lakeside.trk, the same loops as library_bench: open (with its
// info list and JSON), the 1.05 copy and the map's pixels, then the map as a PNG file. Prints
// the median times per loop of ten rounds; asserts nothing. Run where the package is installed.
// Usage: node npm-bench.mjs EXAMPLES_FOLDER
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { openTrack } from "tarmaxion-track";

const bytes = readFileSync(join(process.argv[2], "lakeside.trk"));
const kRounds = 10;

// Wall-clock and processor time, as library_bench reports them: on a shared machine the
// processor time is the steadier of the two.
async function median(name, loops, once) {
  const wall = [];
  const processor = [];
  await once();  // the module's loading and compilation are not timed
  for (let round = 0; round < kRounds; ++round) {
    const start = performance.now();
    const used = process.cpuUsage();
    for (let i = 0; i < loops; ++i) await once();
    const { user, system } = process.cpuUsage(used);
    wall.push(((performance.now() - start) * 1000) / loops);
    processor.push((user + system) / loops);
  }
  const middle = (times) => times.sort((a, b) => a - b)[kRounds / 2].toFixed(0);
  console.log(`${name}: ${middle(wall)} us, ${middle(processor)} us of processor time (medians of ${kRounds} rounds of ${loops})`);
}

await median("npm OpenInfoCopyMap", 200, async () => {
  const track = await openTrack(bytes, "lakeside.trk");
  track.copyAs105();
  track.mapRgba();
  track.close();
});
const track = await openTrack(bytes, "lakeside.trk");
await median("npm MapPng", 100, async () => track.mapPng());
track.close();
