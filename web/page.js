// The page: the window's two commands on the track API in WebAssembly, plus dropping many tracks,
// converting them all into one zip, and saving the map as PNG. Nothing leaves the browser.
import TarmaxionModule from "./tarmaxion.js";
import { zipSync } from "./fflate.js";
import { installApp } from "./install.js";

const element = (id) => document.getElementById(id);
const infoList = element("info-list");
const mapView = element("map-view");
const logPanel = element("log-panel");
const dropList = element("drop-list");

let wasm = null;  // the module: its constants and free functions
let core = null;  // its Converter: the track API, the caption glyphs and the log
// What the window keeps between its commands: whether any file was read, whether the last one
// was refused (the save then does nothing), and the track on show.
const shown = { trackRead: false, versionError: false, name: "", bytes: null, mapDrawn: false };
// The tracks of the last drop: {name, copy (Uint8Array) or null, reason}.
let dropped = [];

function log(message) {
  logPanel.textContent = core.log(message);
}

// Commands finished so far, so that scripts driving the page know when one has run its course.
let finished = 0;

// Runs a command so that no failure escapes to the console: it ends up in the log instead.
function guarded(command) {
  return async (event) => {
    try {
      await command(event);
    } catch (error) {
      if (core !== null) log(`Error: ${error && error.message ? error.message : error}`);
    }
    finished += 1;
  };
}

// A file's bytes, or a reason why there are none. Files too large for any track are not read
// at all beyond their size, so a huge file costs no memory.
async function readTrackFile(file) {
  if (file.size > wasm.maxTrackSize) return { report: core.tooLarge(file.name, file.size) };
  try {
    return { bytes: new Uint8Array(await file.arrayBuffer()) };
  } catch (error) {
    return { unreadable: `Cannot open ${file.name}: ${error.name === "NotFoundError" ? "not found" : "not readable"}` };
  }
}

function openTrack(name, bytes) {
  core.receive(bytes.length).set(bytes);
  return core.open(name);
}

// The pixels stay in the module's memory: the canvas copies them, nothing else needs to.
function drawMap(map) {
  const { buffer, byteOffset, length } = map.pixels;
  const pixels = new Uint8ClampedArray(buffer, byteOffset, length);
  mapView.getContext("2d").putImageData(new ImageData(pixels, map.width, map.height), 0, 0);
}

// The load command's steps on a track the API has just opened: list it, then draw it unless it
// was refused, and log what the window logs.
function showOpened(name, bytes, report) {
  infoList.value = report.lines.join("\n");
  if (report.outcome !== "too-large") shown.trackRead = true;
  if (report.outcome !== "read") {
    shown.versionError = true;
    log(report.message);
    return;
  }
  shown.versionError = false;
  shown.name = name;
  shown.bytes = bytes;
  const map = core.map();
  if (map === null) return;
  drawMap(map);
  shown.mapDrawn = true;
  log(map.name);
}

// A file that never reached the API: the window logs why and refuses to save.
function showUnreadable(message) {
  infoList.value = "";
  shown.versionError = true;
  log(message);
}

async function showFile(file) {
  const read = await readTrackFile(file);
  if (read.unreadable) return showUnreadable(read.unreadable);
  if (read.report) return showOpened(file.name, null, read.report);
  return showOpened(file.name, read.bytes, openTrack(file.name, read.bytes));
}

function download(name, data, type) {
  const url = URL.createObjectURL(data instanceof Blob ? data : new Blob([data], { type }));
  const link = document.createElement("a");
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// As in the window, a refused track blocks the save silently before the check for any track.
function save() {
  if (shown.versionError) return;
  if (!shown.trackRead) {
    log("Nothing to save: load a track first");
    return;
  }
  openTrack(shown.name, shown.bytes);
  download(wasm.convertedName(shown.name), core.copyAs105().slice(), "application/octet-stream");
  log("saved");
}

function savePng() {
  if (!shown.mapDrawn) {
    log("No map to save: load a track first");
    return;
  }
  const name = `${shown.name.replace(/\.trk$/i, "")}.png`;
  mapView.toBlob((blob) => {
    if (blob === null) log(`Not saved: ${name}: the map could not be encoded`);
    else download(name, blob);
  }, "image/png");
}

function listDropped() {
  dropList.replaceChildren(
    ...dropped.map((track) => {
      const item = document.createElement("li");
      if (track.copy) {
        item.textContent = `${track.name}: ready as ${wasm.convertedName(track.name)}`;
      } else {
        item.textContent = `${track.name}: ${track.reason}`;
        item.className = "refused";
      }
      return item;
    }),
  );
}

// One dropped item: a file, or a folder, which is no track (its files are not walked).
async function dropItem(file, entry) {
  if (entry && entry.isDirectory) {
    return { name: file.name, unreadable: `Cannot open ${file.name}: it is a folder, not a track file` };
  }
  const read = await readTrackFile(file);
  if (read.unreadable || read.report) return { name: file.name, ...read };
  const report = openTrack(file.name, read.bytes);
  const copy = report.outcome === "read" ? core.copyAs105().slice() : null;
  return { name: file.name, bytes: read.bytes, report, copy };
}

async function drop(event) {
  event.preventDefault();
  document.body.classList.remove("dragging");
  const transfer = event.dataTransfer;
  if (!transfer) return;
  // Entries must be taken before the first await: the transfer is emptied after the event.
  const items = [...transfer.items].filter((item) => item.kind === "file");
  const pairs = items.map((item) => [item.getAsFile(), item.webkitGetAsEntry ? item.webkitGetAsEntry() : null]);
  await dropFiles(pairs.filter(([file]) => file !== null));
}

// Files dropped, or several chosen at once: each with its entry where the browser gives one.
async function dropFiles(files) {
  if (files.length === 0) return;
  const results = [];
  for (const [file, entry] of files) results.push(await dropItem(file, entry));
  dropped = results.map((result) => ({
    name: result.name,
    copy: result.copy || null,
    reason: result.unreadable || result.report.message,
  }));
  listDropped();
  // The last one is shown as if it had been loaded; the API still holds it open.
  const last = results[results.length - 1];
  if (last.unreadable) showUnreadable(last.unreadable);
  else if (!last.bytes) showOpened(last.name, null, last.report);
  else showOpened(last.name, last.bytes, last.report);
}

// One file is loaded as the window loads it; several are taken in as a drop.
async function openFiles(files) {
  if (files.length === 1) await showFile(files[0]);
  else await dropFiles(files.map((file) => [file, null]));
}

function convertAll() {
  const copies = dropped.filter((track) => track.copy);
  if (copies.length === 0) {
    log("Nothing to convert: drop tracks first");
    return;
  }
  const files = {};
  for (const track of copies) files[wasm.convertedName(track.name)] = track.copy;
  download("tracks_c.zip", zipSync(files, { level: 6 }), "application/zip");
  log(`saved ${copies.length} of ${dropped.length} tracks in tracks_c.zip`);
}

async function start() {
  wasm = await TarmaxionModule();
  core = new wasm.Converter();

  element("load").addEventListener("click", () => element("load-file").click());
  element("load-file").addEventListener(
    "change",
    guarded(async (event) => {
      const files = [...event.target.files];
      event.target.value = "";
      await openFiles(files);
    }),
  );
  element("save").addEventListener("click", guarded(save));
  element("save-png").addEventListener("click", guarded(savePng));
  element("convert-all").addEventListener("click", guarded(convertAll));
  document.addEventListener("dragover", (event) => {
    event.preventDefault();
    document.body.classList.add("dragging");
  });
  document.addEventListener("dragleave", () => document.body.classList.remove("dragging"));
  document.addEventListener("drop", guarded(drop));

  log("ready...");
  installApp(guarded(async (handles) => openFiles(await Promise.all(handles.map((handle) => handle.getFile())))));
  // For scripts that drive or time the page: when it became ready (milliseconds since the
  // navigation started), and the load command on bytes already in memory.
  window.tarmaxion = {
    readyMs: performance.now(),
    finished: () => finished,
    show: (name, bytes) => showOpened(name, bytes, openTrack(name, bytes)),
  };
}

start();
