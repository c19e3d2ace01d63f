// The page: a view over the window model in WebAssembly. It hands the model the bytes of the
// files the user chooses or drops and shows what the model says: the info list, the map and
// the log. Besides the window's two commands it keeps every track chosen or dropped in a gallery
// (gallery.js), converts them all into one zip, and saves the map as PNG. Nothing leaves the
// browser. Until the first track comes in, the page is only a drop target.
import TarmaxionModule from "./tarmaxion.js";
import { zipSync } from "./fflate.js";
import { Gallery } from "./gallery.js";
import { installApp } from "./install.js";

const element = (id) => document.getElementById(id);
const infoList = element("info-list");
const mapView = element("map-view");
const mapFrame = element("map-frame");
const mapNote = element("map-note");
const logPanel = element("log-panel");
const codePage = element("code-page");

// Where the choice of code page is remembered.
const kCodePageKey = "tarmaxion.codepage";

// How many files of a drop are read ahead of the one the model takes next.
const kReadAhead = 16;

let wasm = null;  // the module: its constants and classes
let window_ = null;  // the window model
let dropped = null;  // the list of dropped tracks
let gallery = null;  // its cards
let loaded = null;  // {name, bytes} of the file last loaded, for "save map as PNG"
let automatic = 1252;  // the code page the browser's language implies

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
  // A note means the picture is not the last load's map: the note stands alone on a clear view.
  mapNote.textContent = view.mapNote;
  mapFrame.classList.toggle("no-map", view.mapNote !== "");
}

// After a card opened its track: when the map is out of sight (a phone's single column, or a
// card far down the gallery), the window's part scrolls into view and the focus moves to the
// info list, so the keyboard and a screen reader are where the track now is. With the map in
// view the focus stays on the card, to go on to the next.
function reveal() {
  const box = mapFrame.getBoundingClientRect();
  if (box.top >= 0 && box.bottom <= innerHeight) return;
  mapFrame.scrollIntoView({ block: "start" });
  infoList.focus({ preventScroll: true });
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
// not read at all beyond their size, so a huge file costs no memory. A folder is no track; its
// files are not walked.
async function readFile(file, isFolder) {
  if (isFolder) return { reason: wasm.folderReason };
  if (file.size > wasm.maxTrackSize) return { reason: "" };
  try {
    return { bytes: new Uint8Array(await file.arrayBuffer()) };
  } catch (error) {
    return { reason: error.message || error.name };
  }
}

// The load command on a file; dropped is the number of files a drop held (0: the chooser).
function load(file, read, dropped) {
  document.body.classList.remove("empty");
  if (read.bytes) {
    window_.receive(read.bytes.length)?.set(read.bytes);
    window_.load(file.name, read.bytes.length, dropped);
    loaded = { name: file.name, bytes: read.bytes };
  } else {
    window_.loadUnreadable(file.name, read.reason, file.size, dropped);
  }
  show();
}

// The code page track texts are read in: the one chosen, or the one the browser's language implies.
function chosenPage() {
  return codePage.value === "auto" ? automatic : Number(codePage.value);
}

// Lists the shown track and the dropped ones in the chosen page, from the bytes in memory: no
// file is read again, and no copy changes.
function readTextsIn() {
  const page = chosenPage();
  if (window_.readTextsIn(page)) load({ name: loaded.name }, { bytes: loaded.bytes }, 0);
  gallery.relist(dropped.readTextsIn(page));
}

// Storage may be refused (a private window, a sandboxed frame): the choice then lasts the visit.
function remembered(value) {
  try {
    return value === undefined ? localStorage.getItem(kCodePageKey) : localStorage.setItem(kCodePageKey, value);
  } catch {
    return null;
  }
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

// Hands over a copy the model gave ({name, bytes}) and logs it as the save command does.
function saveCopy(copy) {
  download(copy.name, copy.bytes.slice(), "application/octet-stream");
  window_.saved(copy.name);
}

function save() {
  const copy = window_.save();
  if (copy !== null) saveCopy(copy);
  show();
}

// "save map as PNG": the map of the track last loaded, encoded by the npm package's module,
// which the page fetches only when it is first asked for.
async function savePng() {
  const name = window_.saveMap();
  if (name === null) return show();
  const { openTrack } = await import("./tarmaxion-track.js");
  const track = await openTrack(loaded.bytes, loaded.name, { codepage: chosenPage() });
  try {
    download(name, track.mapPng(), "image/png");
  } catch {
    window_.logMapNotSaved(name);
    show();
  } finally {
    track.close();
  }
}

async function drop(event) {
  event.preventDefault();
  document.body.classList.remove("dragging");
  const transfer = event.dataTransfer;
  if (!transfer) return;
  // Entries must be taken before the first await: the transfer is emptied after the event.
  const items = [...transfer.items].filter((item) => item.kind === "file");
  const pairs = items.map((item) => [item.getAsFile(), item.webkitGetAsEntry ? item.webkitGetAsEntry() : null]);
  await takeFiles(pairs.filter(([file]) => file !== null), "dropped");
}

// Files dropped or chosen, each with its entry where the browser gives one: every one joins the
// list, and the one the drop rule picks loads as soon as it is read. A single file chosen with
// "load" loads as the window's load command loads it, and the log says no more than the window's.
async function takeFiles(files, how) {
  const folders = files.map(([, entry]) => Boolean(entry && entry.isDirectory));
  const plan = window_.planDrop(folders.map((isFolder) => !isFolder));
  if (plan === null) return;
  // 0: the load command's own, for the one file chosen.
  const dropCount = how === "chosen" && files.length === 1 ? 0 : plan.files;
  // A few files are read ahead, as each read waits for the browser's file service.
  const reads = [];
  const readAhead = (i) => {
    if (i < files.length) reads[i] = readFile(files[i][0], folders[i]);
  };
  for (let i = 0; i < kReadAhead; ++i) readAhead(i);
  for (const [i, [file]] of files.entries()) {
    const isFolder = folders[i];
    const read = await reads[i];
    reads[i] = null;
    readAhead(i + kReadAhead);
    let card;
    if (read.bytes) {
      dropped.receive(read.bytes.length).set(read.bytes);
      card = dropped.add(file.name, read.bytes.length);
    } else {
      card = dropped.addUnreadable(file.name, read.reason, file.size);
    }
    gallery.add(card, read.bytes, guarded(async () => {
      load(file, await readFile(file, isFolder), 0);
      reveal();
    }));
    if (i === plan.load) load(file, read, dropCount);
  }
  gallery.arrange();
}

async function openFiles(files) {
  await takeFiles(files.map((file) => [file, null]), "chosen");
}

function convertAll() {
  const copies = dropped.copies();
  if (copies.length === 0) {
    window_.logNothingToConvert(dropped);
    show();
    return;
  }
  // The model names every copy apart, so none replaces another in the zip.
  const files = {};
  for (const copy of copies) files[copy.name] = copy.bytes;
  download(wasm.zipName, zipSync(files, { level: 6 }), "application/zip");
  window_.logZipSaved(dropped);
  show();
}

async function start() {
  wasm = await TarmaxionModule();
  window_ = new wasm.Window();
  dropped = new wasm.Dropped();
  gallery = new Gallery({
    order: (by, filter) => dropped.gallery(by, filter),
    noMatch: (filter) => wasm.Dropped.noMatch(filter),
    save: guarded(async (index) => {
      saveCopy(dropped.copy(index));
      show();
    }),
  });

  for (const id of ["load", "choose"]) element(id).addEventListener("click", () => element("load-file").click());
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
  element("clear").addEventListener("click", () => {
    dropped.clear();
    gallery.clear();
  });
  // "automatic" names the page the browser's language gives, through the module's own table.
  automatic = wasm.codePageOfLocale(navigator.language);
  codePage.options[0].text = `automatic: ${codePage.querySelector(`[value="${automatic}"]`).text}`;
  codePage.value = remembered() ?? "auto";
  if (codePage.selectedIndex < 0) codePage.value = "auto";
  readTextsIn();
  codePage.addEventListener("change", guarded(async () => {
    remembered(codePage.value);
    readTextsIn();
  }));
  document.addEventListener("dragover", (event) => {
    event.preventDefault();
    document.body.classList.add("dragging");
  });
  document.addEventListener("dragleave", () => document.body.classList.remove("dragging"));
  document.addEventListener("drop", guarded(drop));

  show();
  installApp(guarded(async (handles) => openFiles(await Promise.all(handles.map((handle) => handle.getFile())))));
  // For scripts that drive or time the page: when it became ready (milliseconds since the
  // navigation started), the load command on bytes already in memory, and the thumbnails drawn.
  window.tarmaxion = {
    readyMs: performance.now(),
    finished: () => finished,
    show: (name, bytes) => load({ name, size: bytes.length }, { bytes }, 0),
    thumbnails: () => gallery.drawn,
  };
}

start();
