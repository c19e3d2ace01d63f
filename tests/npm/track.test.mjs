// The installed package against trkconv on the examples, and on tracks it must not read: a
// picture, a cut track, an empty file and more bytes than any track has.
// Environment: TRKCONV (trkconv's path), EXAMPLES (the examples folder).
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { describe, test } from "node:test";
import { openTrack } from "tarmaxion-track";
import { pngPixels } from "./png-pixels.mjs";

const lakeside = join(process.env.EXAMPLES, "lakeside.trk");
const scratch = mkdtempSync(join(tmpdir(), "tarmaxion-npm-"));

function trkconv(...args) {
  return spawnSync(process.env.TRKCONV, args, { encoding: "buffer" });
}
// What trkconv writes with -o, read back.
function made(command, extension, ...args) {
  const out = join(scratch, `${command}-${args.join("")}.${extension}`);
  assert.equal(trkconv(command, "--force", ...args, "-o", out, lakeside).status, 0);
  return readFileSync(out);
}

describe("a track that was read", async () => {
  const track = await openTrack(readFileSync(lakeside), "lakeside.trk");

  test("lists what trkconv info lists", () => {
    assert.equal(track.status, "read");
    assert.equal(track.message, "");
    assert.deepEqual(track.infoLines, trkconv("info", lakeside).stdout.toString().split("\n").slice(0, -1));
    const { path, ...info } = JSON.parse(trkconv("info", "--json", lakeside).stdout);
    assert.deepEqual(track.info, info);
  });

  test("copies as trkconv convert does", () => {
    assert.deepEqual(Buffer.from(track.copyAs105()), made("convert", "trk"));
  });

  test("draws the pixels of trkconv preview, whole and as a thumbnail", () => {
    const whole = pngPixels(track.mapPng());
    assert.deepEqual(whole, pngPixels(made("preview", "png")));
    const { width, height, pixels } = track.mapRgba();
    assert.deepEqual({ width, height, pixels: Buffer.from(pixels) }, whole);
    assert.deepEqual(pngPixels(track.mapPng({ size: 128, mapOnly: true })), pngPixels(made("preview", "png", "--size", "128", "--map-only")));
  });

  test("hands out copies that later calls leave alone", () => {
    const copy = track.copyAs105();
    const before = Buffer.from(copy);
    track.mapPng({ size: 64 });
    assert.deepEqual(Buffer.from(copy), before);
  });

  test("does nothing once closed", () => {
    track.close();
    track.close();
    assert.throws(() => track.copyAs105(), /closed/);
  });
});

test("names are read in the code page asked for", async () => {
  // Lakeside with its author written on a Russian Windows.
  const bytes = new Uint8Array(readFileSync(lakeside));
  const at = Buffer.from(bytes).indexOf("Example Crew");
  bytes.set([0xc2, 0xe0, 0xf1, 0xff, 0, 0, 0, 0, 0, 0, 0, 0], at);
  const russian = await openTrack(bytes, "lakeside.trk", { codepage: 1251 });
  assert.equal(russian.info.author, "Вася");
  assert.equal((await openTrack(bytes, "lakeside.trk")).info.author, "Âàñÿ");
  await assert.rejects(openTrack(bytes, "lakeside.trk", { codepage: 1255 }), /code page 1255 is not supported/);
});

describe("tracks that were not read", () => {
  const bytes = readFileSync(lakeside);
  const reason = (file) => trkconv("info", file).stderr.toString().trim().replace(/^trkconv: [^:]*: /, "");

  test("a file that is no track is refused", async () => {
    const track = await openTrack(made("preview", "png"), "picture.trk");
    assert.equal(track.status, "refused");
    assert.equal(track.message, "Caution: Version <> 1.05");
    assert.throws(() => track.copyAs105(), /refused/);
    assert.throws(() => track.mapPng(), /refused/);
    assert.throws(() => track.mapRgba(), /refused/);
    assert.equal((await openTrack(new Uint8Array(0), "empty.trk")).status, "refused");
  });

  test("a cut track is damaged, with trkconv's reason", async () => {
    const cut = join(scratch, "cut.trk");
    writeFileSync(cut, bytes.subarray(0, 2000));
    const track = await openTrack(bytes.subarray(0, 2000), "cut.trk");
    assert.equal(track.status, "damaged");
    assert.equal(track.message, reason(cut));
    assert.deepEqual(track.infoLines, trkconv("info", cut).stdout.toString().split("\n").slice(0, -1));
  });

  test("more bytes than any track has are too large, however many", async () => {
    for (const size of [1_000_001, 50_000_000]) {
      const track = await openTrack(new Uint8Array(size), "big.trk");
      assert.equal(track.status, "too_large");
      assert.match(track.message, new RegExp(`^Track too large: big.trk has ${size} bytes`));
      assert.throws(() => track.copyAs105(), /too_large/);
    }
    assert.equal((await openTrack(new Uint8Array(1_000_000), "zeros.trk")).status, "refused");
  });
});
