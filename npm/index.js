// tarmaxion-track: Tarmaxion track files in Node and in browsers. A thin layer over the track
// library compiled to WebAssembly: every answer is the C library's, so it equals trkconv's and
// the converter window's. One module instance serves every track.
import createModule from "./tarmaxion-track-wasm.js";
import { zlibSync } from "./fflate.js";

const kStatuses = ["read", "refused", "damaged", "too_large"];
const kOk = 0;
const kProblems = new Map([
  [-1, "the track was not read"],
  [-2, "an argument is out of range"],
  [-3, "the module's memory ran out"],
]);
const kWord = 4;  // bytes of a pointer, a size_t and an int in the module

let loading = null;

// The module with what it needs from here: the compressor of its PNG files, and under Node its
// .wasm file read from disk (Node's fetch takes no file path).
async function loadModule() {
  const options = { zlibSync };
  if (typeof process == "object" && typeof process.versions?.node == "string") {
    const { readFile } = await import("node:fs/promises");
    options.wasmBinary = await readFile(new URL("./tarmaxion-track-wasm.wasm", import.meta.url));
  }
  const wasm = await createModule(options);
  // Four words for what a function hands out through pointers: an address, a size, a width and
  // a height.
  wasm.results = wasm._malloc(4 * kWord);
  wasm.maxTrackSize = wasm._tmx_web_max_track_size();
  return wasm;
}

function moduleInstance() {
  loading ??= loadModule();
  return loading;
}

// Copies bytes into the module's memory; the caller frees the address.
function copyIn(wasm, bytes) {
  const place = wasm._malloc(Math.max(bytes.length, 1));
  if (place === 0) throw new RangeError("tarmaxion-track: the module's memory ran out");
  wasm.HEAPU8.set(bytes, place);
  return place;
}

const utf8 = new TextEncoder();

// Tracks that were never closed give their memory back when they are collected.
const unclosed = new FinalizationRegistry(({ wasm, handle }) => wasm._tmx_close(handle));

class Track {
  #wasm;
  #handle;

  constructor(wasm, handle) {
    this.#wasm = wasm;
    this.#handle = handle;
    unclosed.register(this, { wasm, handle }, this);
    const text = (read) => wasm.UTF8ToString(read(handle));
    this.status = kStatuses[wasm._tmx_status(handle)];
    this.message = text(wasm._tmx_message);
    this.infoLines = text(wasm._tmx_info_lines).split("\n").slice(0, -1);
    this.info = JSON.parse(text(wasm._tmx_info_json));
    this.copyName = text(wasm._tmx_copy_name);
    this.mapName = text(wasm._tmx_map_name);
  }

  // The version-1.05 copy; throws for a track that was not read.
  copyAs105() {
    const { results } = this.#wasm;
    this.#check(this.#wasm._tmx_copy_as_105(this.#open(), results, results + kWord));
    const [address, size] = this.#results();
    return this.#bytes(address, size);
  }

  // The map, 512 x 560 pixels as RGBA rows; throws for a track that was not read.
  mapRgba() {
    const { results } = this.#wasm;
    this.#check(this.#wasm._tmx_map_rgba(this.#open(), results, results + 2 * kWord, results + 3 * kWord));
    const [address, , width, height] = this.#results();
    return { width, height, pixels: this.#bytes(address, width * height * 4) };
  }

  // The map as a PNG file: size 0 (the default) keeps 512 x 560, otherwise it is scaled down to
  // size pixels on its longer side; mapOnly leaves out the caption band, as thumbnails do.
  mapPng({ size = 0, mapOnly = false } = {}) {
    if (!Number.isInteger(size) || size < 0 || size > 0x7fffffff) throw new RangeError(`tarmaxion-track: no map of size ${size}`);
    const { results } = this.#wasm;
    this.#check(this.#wasm._tmx_map_png(this.#open(), size, mapOnly ? 1 : 0, results, results + kWord));
    const [address, length] = this.#results();
    return this.#bytes(address, length);
  }

  // Frees the track's memory in the module; the track can do nothing after it.
  close() {
    if (this.#handle === 0) return;
    unclosed.unregister(this);
    this.#wasm._tmx_close(this.#handle);
    this.#handle = 0;
  }

  #open() {
    if (this.#handle === 0) throw new Error("tarmaxion-track: the track is closed");
    return this.#handle;
  }

  #check(status) {
    if (status === kOk) return;
    throw new Error(`tarmaxion-track: ${this.status === "read" ? kProblems.get(status) : `the track was ${this.status}`}`);
  }

  #results() {
    const at = this.#wasm.results / kWord;
    return this.#wasm.HEAPU32.subarray(at, at + 4);
  }

  // A copy of bytes the library handed out, which stay in its memory only until the next call.
  #bytes(address, size) {
    return this.#wasm.HEAPU8.slice(address, address + size);
  }
}

// Opens a track from its bytes and its file name (the caption and the info list show it),
// its author, driver and car names read in the Windows code page options.codepage. A file of
// more bytes than any track has is not copied: its status is "too_large".
export async function openTrack(bytes, name = "", { codepage = 1252 } = {}) {
  if (!(bytes instanceof Uint8Array)) throw new TypeError("tarmaxion-track: the bytes must be a Uint8Array");
  const wasm = await moduleInstance();
  const problem = Number.isInteger(codepage) ? wasm.UTF8ToString(wasm._tmx_codepage_problem(codepage)) : "not a number";
  if (problem !== "") throw new RangeError(`tarmaxion-track: ${problem}`);
  const fits = bytes.length <= wasm.maxTrackSize;
  let track = 0;
  let namePlace = 0;
  try {
    track = fits ? copyIn(wasm, bytes) : 0;
    namePlace = copyIn(wasm, utf8.encode(`${name}\0`));
    // A size_t of the module holds at most 2^32 - 1, still more than any track has.
    const handle = wasm._tmx_open_codepage(track, Math.min(bytes.length, 0xffffffff), namePlace, codepage);
    if (handle === 0) throw new RangeError("tarmaxion-track: the module's memory ran out");
    return new Track(wasm, handle);
  } finally {
    // The library keeps copies of its own; free(0) does nothing.
    wasm._free(namePlace);
    wasm._free(track);
  }
}

// The library's version, "MAJOR.MINOR.PATCH" (the package's own).
export async function version() {
  const wasm = await moduleInstance();
  return wasm.UTF8ToString(wasm._tmx_version());
}
