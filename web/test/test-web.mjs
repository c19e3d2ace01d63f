// The page against the native programs, in Debian's Chromium: for the examples, sixty generated
// tracks (refused and damaged ones among them) and bad files, the info list must equal trkconv
// info, the log panel the window's (window-log), the map rows above the caption trkconv
// preview, the saved copy trkconv convert and the saved map the pixels of its PNG; then a drop of all of them at once, the zip of
// their copies, a second drop whose names clash, the gallery of several files chosen at once, the keyboard, small screens (small-screens.mjs),
// the installed and offline page (installable.mjs), and no request beyond the page's own origin.
// Usage: node web/test/test-web.mjs <native build folder with trkconv, make-web-tracks, window-log>
import { execFileSync, spawnSync } from "node:child_process";
import { copyFileSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { basename, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { unzipSync } from "fflate";
import { pngPixels } from "../../tests/npm/png-pixels.mjs";
import { launch, loadFile, openPage, press, serve } from "./driver.mjs";
import { launched, manifest, offline } from "./installable.mjs";
import { smallScreens } from "./small-screens.mjs";

const root = resolve(fileURLToPath(import.meta.url), "../../..");
const native = resolve(process.argv[2] || join(root, "build/release"));
const trkconv = join(native, "programs/trkconv/trkconv");
const kMapRows = 512;
const kWidth = 512;

let failures = 0;
function check(ok, what) {
  if (!ok) {
    failures += 1;
    console.error(`FAIL ${what}`);
  }
}

const converted = (name) => `${name.replace(/\.trk$/i, "")}_c.trk`;
const newestLine = (panel) => panel.split("\n").at(-2);

// The tracks: generated ones, the examples, and bad files (empty, too large, a picture).
function writeTracks(folder) {
  execFileSync(join(native, "tools/make-web-tracks"), [folder]);
  for (const name of readdirSync(join(root, "examples")).filter((n) => n.endsWith(".trk"))) {
    copyFileSync(join(root, "examples", name), join(folder, name));
  }
  writeFileSync(join(folder, "empty.trk"), new Uint8Array(0));
  writeFileSync(join(folder, "big.trk"), new Uint8Array(3_000_000).fill(7));
  const picture = join(folder, "..", "lakeside.png");
  execFileSync(trkconv, ["preview", "-o", picture, join(root, "examples/lakeside.trk")]);
  copyFileSync(picture, join(folder, "picture.trk"));
  return readdirSync(folder).sort().map((name) => join(folder, name));
}

// The map rows above the caption as RGB bytes, from a 24-bit bottom-up BMP.
function bmpRows(path) {
  const bmp = readFileSync(path);
  const offset = bmp.readUInt32LE(10);
  const height = bmp.readInt32LE(22);
  const stride = Math.ceil((3 * kWidth) / 4) * 4;
  const rgb = Buffer.alloc(kWidth * kMapRows * 3);
  for (let y = 0; y < kMapRows; ++y) {
    const row = offset + (height > 0 ? height - 1 - y : y) * stride;
    for (let x = 0; x < kWidth; ++x) {
      const at = (y * kWidth + x) * 3;
      rgb[at] = bmp[row + 3 * x + 2];
      rgb[at + 1] = bmp[row + 3 * x + 1];
      rgb[at + 2] = bmp[row + 3 * x];
    }
  }
  return rgb;
}

// What the native programs make of every track.
function expectations(tracks, work) {
  const panels = execFileSync(join(native, "tools/window-log"), tracks, { encoding: "utf8" })
    .split("\f\n")
    .map((panel) => panel.replaceAll("\r\n", "\n"));
  const copies = join(work, "copies");
  mkdirSync(copies);
  spawnSync(trkconv, ["convert", "--out-dir", copies, ...tracks]);
  return tracks.map((path, i) => {
    const name = basename(path);
    const info = spawnSync(trkconv, ["info", path], { encoding: "utf8" });
    const expected = {
      path,
      name,
      info: info.stdout.replace(/\n$/, ""),
      read: info.status === 0,
      reason: info.stderr.replace(`trkconv: ${path}: `, "").replace(/\n$/, ""),
      panel: panels[i],
    };
    if (expected.read) {
      const bmp = join(work, `map-${i}.bmp`);
      execFileSync(trkconv, ["preview", "-o", bmp, path]);
      expected.rows = bmpRows(bmp);
      expected.copy = readFileSync(join(copies, converted(name)));
    }
    return expected;
  });
}

async function canvasRows(page) {
  const base64 = await page.evaluate((rows) => {
    const data = document.getElementById("map-view").getContext("2d").getImageData(0, 0, 512, rows).data;
    const chunks = [];
    for (let i = 0; i < data.length; i += 4 * 4096) {
      const rgb = [];
      for (let j = i; j < Math.min(i + 4 * 4096, data.length); j += 4) rgb.push(data[j], data[j + 1], data[j + 2]);
      chunks.push(String.fromCharCode(...rgb));
    }
    return btoa(chunks.join(""));
  }, kMapRows);
  return Buffer.from(base64, "base64");
}

async function download(page, id, keys) {
  const [file] = await Promise.all([page.waitForEvent("download"), press(page, id, keys)]);
  return { name: file.suggestedFilename(), bytes: readFileSync(await file.path()) };
}

// Load and save through the buttons, one track per fresh page so the whole log panel compares.
async function loadEach(driven, expected) {
  const { page, goto } = driven;
  for (const track of expected) {
    await goto();
    await loadFile(page, track.path);
    const what = track.name;
    const panel = await page.textContent("#log-panel");
    if (track.info === "") {
      // Too large to read: the window's message, nothing listed, nothing to save.
      check(newestLine(panel) === track.reason, `${what}: log "${newestLine(panel)}", not "${track.reason}"`);
      check((await page.inputValue("#info-list")) === "", `${what}: info list not empty`);
      check(panel === track.panel, `${what}: log panel\n${panel}differs from the window's\n${track.panel}`);
      // Its bytes handed to the model all the same, past the page's own check of the size.
      const size = statSync(track.path).size;
      await page.evaluate(([name, size]) => window.tarmaxion.show(name, new Uint8Array(size).fill(7)), [what, size]);
      const after = newestLine(await page.textContent("#log-panel"));
      check(after === track.reason, `${what} in memory: log "${after}", not "${track.reason}"`);
    } else {
      check((await page.inputValue("#info-list")) === track.info, `${what}: info list differs from trkconv info`);
      check(panel === track.panel, `${what}: log panel\n${panel}differs from the window's\n${track.panel}`);
    }
    if (track.read) {
      check(Buffer.compare(await canvasRows(page), track.rows) === 0, `${what}: map rows 0-511 differ from trkconv preview`);
      const copy = await download(page, "save");
      check(copy.name === converted(track.name), `${what}: saved as ${copy.name}`);
      check(Buffer.compare(copy.bytes, track.copy) === 0, `${what}: saved copy differs from trkconv convert`);
      check(newestLine(await page.textContent("#log-panel")) === "saved", `${what}: no "saved" after saving`);
    } else if (track.info === "") {
      await press(page, "save");
      check(newestLine(await page.textContent("#log-panel")) === "Nothing to save: load a track first", `${what}: save after an unreadable file`);
    } else {
      await press(page, "save");
      check((await page.textContent("#log-panel")) === panel, `${what}: save after a refused track logged something`);
    }
  }
}

// Drops every track at once, with a folder among them, as Chromium hands one over.
async function dropAll(driven, expected) {
  const { page, goto } = driven;
  await goto();
  const files = expected.map((track) => ({ name: track.name, data: readFileSync(track.path).toString("base64") }));
  const before = await page.evaluate(() => window.tarmaxion.finished());
  await page.evaluate((dropped) => {
    const transfer = new DataTransfer();
    for (const file of dropped) {
      const bytes = Uint8Array.from(atob(file.data), (c) => c.charCodeAt(0));
      transfer.items.add(new File([bytes], file.name));
    }
    const items = [...transfer.items].map((item) => ({
      kind: "file",
      getAsFile: () => item.getAsFile(),
      webkitGetAsEntry: () => ({ isDirectory: false }),
    }));
    items.splice(3, 0, { kind: "file", getAsFile: () => new File([], "tracks"), webkitGetAsEntry: () => ({ isDirectory: true }) });
    const event = new Event("drop", { bubbles: true, cancelable: true });
    Object.defineProperty(event, "dataTransfer", { value: { items } });
    document.body.dispatchEvent(event);
  }, files);
  await page.waitForFunction((count) => window.tarmaxion.finished() > count, before);

  // Each card: a converted track's copy name on its save button, any other's reason.
  const cards = new Map(await page.$$eval("#gallery li", (items) =>
    items.map((item) => [item.querySelector(".card-open").textContent, (item.querySelector(".card-save") || item.querySelector("p")).textContent]),
  ));
  const wanted = [["tracks", "Cannot open tracks: it is a folder"], ...expected.map((track) => [track.name, track.read ? converted(track.name) : track.reason])];
  const wrong = wanted.filter(([name, text]) => cards.get(name) !== text);
  check(wrong.length === 0 && cards.size === wanted.length, `drop: ${cards.size} cards, these wrong: ${wrong.map(([name]) => name).join(", ")}`);
  // As in the window the first file loads; the log counts the files, all of them in the list.
  const first = expected[0];
  check((await page.inputValue("#info-list")) === first.info, "drop: the first track is not listed");
  const panel = (await page.textContent("#log-panel")).split("\n");
  check(panel.at(-2) === `Dropped ${expected.length} files: loaded the first, all are in the list`, "drop: the count");
  check(panel.at(-3) === newestLine(first.panel), "drop: the first track's log line");

  const zip = await download(page, "convert-all");
  const entries = unzipSync(new Uint8Array(zip.bytes));
  const copies = expected.filter((track) => track.read);
  check(zip.name === "tracks_c.zip", `convert-all: saved as ${zip.name}`);
  check(
    JSON.stringify(Object.keys(entries).sort()) === JSON.stringify(copies.map((track) => converted(track.name)).sort()),
    `convert-all: the zip holds ${Object.keys(entries).join(", ")}`,
  );
  for (const track of copies) {
    const entry = entries[converted(track.name)];
    check(entry !== undefined && Buffer.compare(Buffer.from(entry), track.copy) === 0, `convert-all: ${track.name}'s copy`);
  }
}

const cardNames = (page) => page.$$eval("#gallery .card-open", (items) => items.map((item) => item.textContent));
const newestLog = async (page) => newestLine(await page.textContent("#log-panel"));

// A later drop adds to the list: copies whose names clash, in any case, get names of their own,
// each entry holds its own track's copy, and the log counts what the zip holds. Then the list
// is cleared.
async function nothingLost(driven, expected, work) {
  const { page } = driven;
  const source = (name) => expected.find((track) => track.name === name).path;
  const generated = expected.filter((track) => track.read && track.name.startsWith("piste"));
  const clashing = [["same.trk", source("lakeside.trk")], ["same.trk", source("quarry.trk")], ["a.trk", generated[0].path],
    ["a.TRK", generated[1].path], ["ab", generated[2].path], ["abc", generated[3].path]];
  const names = ["same_c.trk", "same_c (2).trk", "a_c.trk", "a_c (2).trk", "ab_c.trk", "abc_c.trk"];
  const before = await page.evaluate(() => window.tarmaxion.finished());
  await page.evaluate((files) => {
    const items = files.map(([name, data]) => {
      const file = new File([Uint8Array.from(atob(data), (c) => c.charCodeAt(0))], name);
      return { kind: "file", getAsFile: () => file, webkitGetAsEntry: () => ({ isDirectory: false }) };
    });
    const event = new Event("drop", { bubbles: true, cancelable: true });
    Object.defineProperty(event, "dataTransfer", { value: { items } });
    document.body.dispatchEvent(event);
  }, clashing.map(([name, path]) => [name, readFileSync(path).toString("base64")]));
  await page.waitForFunction((count) => window.tarmaxion.finished() > count, before);

  const zip = await download(page, "convert-all");
  const entries = unzipSync(new Uint8Array(zip.bytes));
  const copies = expected.filter((track) => track.read).length + clashing.length;
  check(Object.keys(entries).length === copies, `nothing lost: ${Object.keys(entries).length} entries, not ${copies}`);
  clashing.forEach(([, path], i) => {
    const copy = join(work, `clash-${i}.trk`);
    execFileSync(trkconv, ["convert", "-o", copy, path]);
    check(entries[names[i]] && Buffer.compare(Buffer.from(entries[names[i]]), readFileSync(copy)) === 0, `nothing lost: ${names[i]}`);
  });
  const kinds = { refused: 0, damaged: 0 };
  for (const track of expected.filter((t) => !t.read)) kinds[track.reason.startsWith("Damaged") ? "damaged" : "refused"] += 1;
  const total = expected.length + 1 + clashing.length;
  const line = `saved ${copies} of ${total} tracks in tracks_c.zip; ${kinds.refused} refused, ${kinds.damaged} damaged, 1 unreadable, see the list`;
  check((await newestLog(page)) === line, `nothing lost: the log says "${await newestLog(page)}"`);

  await page.click("#clear");
  await press(page, "convert-all");
  check((await cardNames(page)).length === 0 && (await newestLog(page)) === "Nothing to convert: drop tracks first", "clear");
}

// How much of a picture (a PNG screenshot) differs from its top left pixel, decoded by the page.
async function unlikeCorner(page, png) {
  return page.evaluate(async (base64) => {
    const bitmap = await createImageBitmap(new Blob([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))]));
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    canvas.getContext("2d").drawImage(bitmap, 0, 0);
    const data = canvas.getContext("2d").getImageData(0, 0, bitmap.width, bitmap.height).data;
    let unlike = 0;
    for (let i = 0; i < data.length; i += 4) unlike += data[i] !== data[0] || data[i + 1] !== data[1] || data[i + 2] !== data[2];
    return unlike / (data.length / 4);
  }, png.toString("base64"));
}

// Several files chosen with "load" join the gallery, which sorts and filters them, and says
// when the filter matches none; a card opens its track as "load" would, saves its own copy, reads
// its best lap in seconds, and has its map as a thumbnail. After a track without a map, the map
// view says so on a clear view and "save map as PNG" saves nothing.
async function gallery(driven, expected) {
  const { page, goto } = driven;
  await goto();
  const chosen = ["quarry.trk", "picture.trk", "lakeside.trk"].map((name) => expected.find((track) => track.name === name));
  await loadFile(page, chosen.map((track) => track.path));
  const orders = { name: "lakeside picture quarry", length: "quarry lakeside picture", "best-lap": "lakeside quarry picture" };
  for (const [order, names] of Object.entries(orders)) {
    await page.selectOption("#gallery-order", order);
    const shown = (await cardNames(page)).map((name) => name.replace(".trk", "")).join(" ");
    check(shown === names, `gallery by ${order}: ${shown}`);
  }
  await page.fill("#gallery-filter", "HAL");
  check((await cardNames(page)).join() === "quarry.trk", "gallery: the filter");
  const filtered = async (filter) => {
    await page.fill("#gallery-filter", filter);
    return page.innerText("#dropped");
  };
  const [none, all] = [await filtered("xyz"), await filtered("")];
  check(none.includes("No track matches \u201cxyz\u201d") && !all.includes("No track matches"), "gallery: what a filter without matches says");

  const card = (name) => page.locator("#gallery li", { hasText: name });
  const lap = await card("lakeside.trk").locator("p").last().textContent();
  check(lap === "Best: Ace 23.45", `gallery: the card's best lap reads "${lap}"`);
  // The drop rule showed quarry.trk, the first file.
  await card("lakeside.trk").locator(".card-open").click();
  await page.waitForFunction(() => document.getElementById("info-list").value.startsWith("lakeside.trk"));
  const lakeside = chosen[2];
  check((await page.inputValue("#info-list")) === lakeside.info, "gallery: the card opens its track");
  const [file] = await Promise.all([page.waitForEvent("download"), card("lakeside.trk").locator(".card-save").click()]);
  check(Buffer.compare(readFileSync(await file.path()), lakeside.copy) === 0, `gallery: the card saved ${file.suggestedFilename()}`);

  await page.waitForFunction(() => window.tarmaxion.thumbnails() === 2);
  // The thumbnail is the map area averaged over squares of 4 x 4 pixels.
  const worst = await page.evaluate(() => {
    const canvas = [...document.querySelectorAll("#gallery li")].find((li) => li.textContent.includes("lakeside")).querySelector("canvas");
    const thumbnail = document.createElement("canvas");
    thumbnail.width = thumbnail.height = 128;
    thumbnail.getContext("2d").drawImage(canvas, 0, 0);
    const small = thumbnail.getContext("2d").getImageData(0, 0, 128, 128).data;
    const map = document.getElementById("map-view").getContext("2d").getImageData(0, 0, 512, 512).data;
    let worst = 0;
    for (let i = 0; i < small.length; ++i) {
      if (i % 4 === 3) continue;
      const [x, y, c] = [(i >> 2) % 128, (i >> 2) >> 7, i % 4];
      let sum = 0;
      for (let k = 0; k < 16; ++k) sum += map[((4 * y + (k >> 2)) * 512 + 4 * x + (k & 3)) * 4 + c];
      worst = Math.max(worst, Math.abs(small[i] - sum / 16));
    }
    return worst;
  });
  check(worst <= 1, `gallery: the thumbnail is ${worst} off the map averaged`);

  await card("picture.trk").locator(".card-open").click();
  await page.waitForFunction(() => document.getElementById("map-note").textContent !== "");
  check((await page.textContent("#map-note")) === "No map for picture.trk", "no map: the map view's note");
  // The note and the view's background only: no trace of lakeside's map behind it.
  const unlike = await unlikeCorner(page, await page.locator("#map-frame").screenshot());
  check(unlike < 0.05, `no map: ${(100 * unlike).toFixed(1)} % of the view is not its background`);
  await press(page, "save-png");
  check((await newestLog(page)) === "No map to save: picture.trk has none", "no map: save map as PNG");
}

// The empty page is one drop target whose button chooses tracks. A single track chosen joins the
// list. Tab reaches every button, Enter and Space press them, and each has an accessible name that
// says what it does.
async function keyboard(driven, work) {
  const { page, goto } = driven;
  await goto();
  check((await page.title()) === "Tarmaxion Rivivizevido 1.10 to 1.05", "the page's title");
  const shown = await page.$$eval("main *", (all) => all.filter((e) => e.checkVisibility()).map((e) => e.id).filter((id) => id));
  check(JSON.stringify(shown) === JSON.stringify(["converter", "intro", "drop-zone", "drop-zone-heading", "choose"]), `the empty page shows ${shown}`);
  await page.keyboard.press("Tab");
  check(await page.evaluate(() => document.activeElement.id === "choose"), "Tab does not reach \"choose tracks\" first");
  const before = await page.evaluate(() => window.tarmaxion.finished());
  // The chooser is awaited before the key goes down: Chromium's dialog is taken only once asked for.
  const choosing = page.waitForEvent("filechooser");
  await page.evaluate(() => document.activeElement.id);
  await page.keyboard.press("Enter");
  const chooser = await choosing;
  check(chooser.isMultiple(), "the empty page's chooser takes one file only");
  await chooser.setFiles(join(root, "examples/lakeside.trk"));
  await page.waitForFunction((count) => window.tarmaxion.finished() > count, before);
  await page.evaluate(() => document.activeElement.blur());
  const reached = new Set();
  for (let i = 0; i < 8; ++i) {
    await page.keyboard.press("Tab");
    reached.add(await page.evaluate(() => document.activeElement.id));
  }
  for (const id of ["load", "save", "save-png", "convert-all"]) check(reached.has(id), `Tab never reaches ${id}`);
  for (const name of ["load", "save as 1.05", "save map as PNG", "convert all dropped", "clear the list", "Open lakeside.trk", "Save lakeside_c.trk"]) {
    check((await page.getByRole("button", { name, exact: true }).count()) === 1, `no button named "${name}"`);
  }
  const copy = await download(page, "save", "Enter");
  check(copy.name === "lakeside_c.trk" && newestLine(await page.textContent("#log-panel")) === "saved", "Enter on save");
  const zip = await download(page, "convert-all", " ");
  check(Object.keys(unzipSync(new Uint8Array(zip.bytes))).join() === "lakeside_c.trk", "Space on convert-all: the track chosen is not in the zip");
  check(newestLine(await page.textContent("#log-panel")) === "saved 1 of 1 tracks in tracks_c.zip", "Space on convert-all: the log");
  // The page's own caption font: the band under the map holds the caption's white ink.
  const ink = await page.evaluate(() => {
    const band = document.getElementById("map-view").getContext("2d").getImageData(0, 512, 512, 48).data;
    let white = 0;
    for (let i = 0; i < band.length; i += 4) white += band[i] === 255 && band[i + 1] === 255 && band[i + 2] === 255;
    return white;
  });
  check(ink > 200, `the caption band has ${ink} white pixels`);
  const png = await download(page, "save-png");
  const preview = execFileSync(trkconv, ["preview", "-o", "-", join(root, "examples/lakeside.trk")]);
  check(png.name === "lakeside.png" && pngPixels(png.bytes).pixels.equals(pngPixels(preview).pixels), `save-png gave ${png.name}, not the pixels of trkconv preview`);
  // A name in Cyrillic: the page's caption spells it as trkconv's does.
  const cyrillic = join(work, "Трасса.trk");
  copyFileSync(join(root, "examples/lakeside.trk"), cyrillic);
  await loadFile(page, cyrillic);
  const named = await download(page, "save-png");
  const namedPreview = execFileSync(trkconv, ["preview", "-o", "-", cyrillic]);
  check(named.name === "Трасса.png" && pngPixels(named.bytes).pixels.equals(pngPixels(namedPreview).pixels), `save-png gave ${named.name}, not the pixels of trkconv preview`);
}

// A track made on a Russian Windows: its texts read in the page of the browser's language, or in
// the one chosen, at once for the shown track and the cards, and again after a reload.
async function codePages(origin, work) {
  const bytes = readFileSync(join(root, "examples/lakeside.trk"));
  const patch = (text, cp1251) => Buffer.from(cp1251, "latin1").copy(bytes, bytes.indexOf(text));
  patch("Example Crew", "\xC2\xE0\xF1\xFF \xCF\xE5\xF2\xF0\xEE\xE2\xE0");
  patch("Ace", "\xDE\xF0\xE0");
  patch("Bob", "\xC1\xEE\xE1");
  const path = join(work, "russian.trk");
  writeFileSync(path, bytes);
  const russian = ["Вася Петрова", "Юра", "Cyrillic (1251)"];
  for (const [locale, author, driver, automatic] of [["ru-RU", ...russian], ["en-US", "Âàñÿ Ïåòðîâà", "Þðà", "Western (1252)"]]) {
    const browser = await launch(locale);
    const { page, goto } = await openPage(browser.context, origin);
    const shows = async ([author, driver], what) => {
      const [info, card] = [await page.inputValue("#info-list"), await page.innerText("#gallery")];
      check(info.includes(`Autor: ${author}`) && info.includes(`Best: ${driver} 2345`) && card.includes(`Autor: ${author}`) && card.includes(`Best: ${driver} 23.45`), `${locale}: ${what}:\n${info}\n${card}`);
    };
    try {
      await goto();
      check((await page.textContent("#code-page option")) === `automatic: ${automatic}`, `${locale}: the automatic choice`);
      await loadFile(page, [path]);
      await shows([author, driver], "read in the page of the browser's language");
      const copy = await download(page, "save");
      const before = await page.evaluate(() => window.tarmaxion.finished());
      await page.selectOption("#code-page", "1251");
      await page.waitForFunction((count) => window.tarmaxion.finished() > count, before);
      await shows(russian, "read in the page chosen");
      check((await newestLog(page)) === "russian_2442_Боб", `${locale}: the map's name in the page chosen`);
      check(Buffer.compare((await download(page, "save")).bytes, copy.bytes) === 0, `${locale}: the copy changed with the page`);
      await goto();
      await loadFile(page, [path]);
      await shows(russian, "the page chosen after a reload");
    } finally {
      await browser.close();
    }
  }
}

async function main() {
  const work = mkdtempSync(join(tmpdir(), "tarmaxion-web-test-"));
  const tracks = writeTracks(join(work, "tracks"));
  const expected = expectations(tracks, work);
  const server = await serve(join(root, "build/web"));
  const browser = await launch();
  try {
    const driven = await openPage(browser.context, server.origin);
    await loadEach(driven, expected);
    await dropAll(driven, expected);
    await nothingLost(driven, expected, work);
    await gallery(driven, expected);
    await keyboard(driven, work);
    await smallScreens(driven, check);
    await manifest(driven, check);
    const examples = ["lakeside.trk", "quarry.trk"].map((name) => join(root, "examples", name));
    await launched(driven, check, examples);
    await offline(browser, check, join(root, "build/web"), examples[0]);
    await codePages(server.origin, work);
    const foreign = driven.requests.filter((url) => !url.startsWith(`${server.origin}/`) && !url.startsWith("blob:"));
    check(foreign.length === 0, `requests beyond the page's origin: ${foreign.join(", ")}`);
    check(driven.errors.length === 0, `the console got: ${driven.errors.join("\n")}`);
    const read = expected.filter((track) => track.read).length;
    console.log(`test-web: ${expected.length} files (${read} read), ${driven.requests.length} requests, ${failures} failures`);
  } finally {
    await browser.close();
    await server.close();
    rmSync(work, { recursive: true, force: true });
  }
  process.exitCode = failures === 0 ? 0 : 1;
}

await main();
