// The page: a view over the window model in WebAssembly. It hands the model the bytes of the
// files the user chooses or drops and shows what the model says: the info list, the map and
// the log. Besides the window's two commands it converts every dropped track into one zip and
// saves the map as PNG. Nothing leaves the browser.
import TarmaxionModule from "./tarmaxion.js";
import { zipSync } from "./fflate.js";
import { installApp } from "./install.js";

const element = (id) => document.getElementById(id);
const infoList = element("info-list");
const mapView = element("map-view");
const logPanel = element("log-panel");
const dropList = element("drop-list");

let wasm = null;  // the module: its constants and classes
let window_ = null;  // the window model
let converter = null;  // the track API for the zip's copies
// The tracks of the last drop: {name, copyName, copy (Uint8Array) or null, reason}.
let dropped = [];

// Shows what the model says changed.
function show() {
  const view = window_.view();
  infoList.value = view.infoLines.join("\n");
  logPanel.textContent = view.log;
  if (view.map !== null) {
    const { buffer, byteOffset, length } = view.map.pixels;
    const pixels = new Uint8ClampedArray(buffer, byteOffset, length);
    mapView.getContext("2d").putImageData(new ImageData(pixels, view.map.width, view.map.height), 0, 0);
  }
  mapView.dataset.track = view.mapIsCurrent ? view.trackName : "";
}

// Commands finished so far, so that scripts driving the page know when one has run its course.
let finished = 0;

// Runs a command so that no failure escapes to the console: it ends up in the log instead.
function guarded(command) {
  return async (event) => {
    try {
      await command(event);
    } catch (error) {
      if (window_ !== null) {
        window_.logError(String(error && error.message ? error.message : error));
        show();
      }
    }
    finished += 1;
  };
}

// A file's bytes, or the browser's reason why there are none. Files too large for any track are
// not read at all beyond their size, so a huge file costs no memory.
async function readFile(file) {
  if (file.size > wasm.maxTrackSize) return { reason: "" };
  try {
    return { bytes: new Uint8Array(await file.arrayBuffer()) };
  } catch (error) {
    return { reason: error.message || error.name };
  }
}

// The load command on a file; dropped is the number of files a drop held (0: the chooser).
function load(file, read, dropped) {
  if (read.bytes) {
    window_.receive(read.bytes.length).set(read.bytes);
    window_.load(file.name, read.bytes.length, dropped);
  } else {
    window_.loadUnreadable(file.name, read.reason, file.size, dropped);
  }
  show();
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

function save() {
  const copy = window_.save();
  if (copy !== null) {
    download(copy.name, copy.bytes.slice(), "application/octet-stream");
    window_.saved(copy.name);
  }
  show();
}

function savePng() {
  const track = mapView.dataset.track;
  if (!track) {
    window_.logNoMap();
    show();
    return;
  }
  const name = `${track.replace(/\.trk$/i, "")}.png`;
  mapView.toBlob((blob) => {
    if (blob !== null) return download(name, blob);
    window_.logMapNotSaved(name);
    show();
  }, "image/png");
}

function listDropped() {
  dropList.replaceChildren(
    ...dropped.map((track) => {
      const item = document.createElement("li");
      item.textContent = track.copy ? `${track.name}: ready as ${track.copyName}` : `${track.name}: ${track.reason}`;
      if (!track.copy) item.className = "refused";
      return item;
    }),
  );
}

// One dropped item for the zip: its copy, or the core's reason why there is none.
function convertForZip(file, read) {
  if (read.bytes) converter.receive(read.bytes.length).set(read.bytes);
  else if (file.size <= wasm.maxTrackSize) return { name: file.name, copy: null, reason: wasm.Converter.unreadable(file.name, read.reason) };
  const result = converter.convert(file.name, read.bytes ? read.bytes.length : file.size);
  return { name: file.name, copyName: result.copyName, copy: result.copy ? result.copy.slice() : null, reason: result.reason };
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
  const plan = window_.planDrop(files.map(([, entry]) => !(entry && entry.isDirectory)));
  if (plan === null) return;
  // A folder is no track; its files are not walked.
  const reads = [];
  for (const [file, entry] of files) reads.push(entry && entry.isDirectory ? { reason: wasm.folderReason } : await readFile(file));
  dropped = files.map(([file], i) => convertForZip(file, reads[i]));
  listDropped();
  load(files[plan.load][0], reads[plan.load], plan.files);
}

// One file is loaded as the window loads it; several are taken in as a drop.
async function openFiles(files) {
  if (files.length === 1) load(files[0], await readFile(files[0]), 0);
  else await dropFiles(files.map((file) => [file, null]));
}

function convertAll() {
  const copies = dropped.filter((track) => track.copy);
  if (copies.length === 0) {
    window_.logNothingToConvert();
    show();
    return;
  }
  const files = {};
  for (const track of copies) files[track.copyName] = track.copy;
  download("tracks_c.zip", zipSync(files, { level: 6 }), "application/zip");
  window_.logZipSaved(copies.length, dropped.length);
  show();
}

async function start() {
  wasm = await TarmaxionModule();
  window_ = new wasm.Window();
  converter = new wasm.Converter();

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

  show();
  installApp(guarded(async (handles) => openFiles(await Promise.all(handles.map((handle) => handle.getFile())))));
  // For scripts that drive or time the page: when it became ready (milliseconds since the
  // navigation started), and the load command on bytes already in memory.
  window.tarmaxion = {
    readyMs: performance.now(),
    finished: () => finished,
    show: (name, bytes) => load({ name, size: bytes.length }, { bytes }, 0),
  };
}

start();
