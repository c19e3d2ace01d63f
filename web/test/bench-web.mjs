// The page's size and speed, with the native pipeline beside it in the same run: the gzipped
// size of everything the page loads, the time until "ready..." (median over ten loads after a
// first one that warms the browser up), the load of the typical benchmark track (listed and
// drawn, the canvas filled) against pipeline_bench's ListAndPreview/typical, and 500 tracks
// chosen at once: the time until they are listed and until the last thumbnail is drawn, and the
// longest the page went without answering (the longest main-thread task).
// Usage: node web/test/bench-web.mjs <native build folder with pipeline_bench and make-web-tracks>
import { execFileSync } from "node:child_process";
import { copyFileSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { gzipSync } from "node:zlib";
import { launch, loadFile, openPage, serve } from "./driver.mjs";

const root = resolve(fileURLToPath(import.meta.url), "../../..");
const native = resolve(process.argv[2] || join(root, "build/release"));
const page_folder = join(root, "build/web");
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

function gzippedSize() {
  let total = 0;
  for (const name of readdirSync(page_folder)) total += gzipSync(readFileSync(join(page_folder, name)), { level: 9 }).length;
  return total;
}

function nativeMicroseconds() {
  const output = execFileSync(
    join(native, "bench/pipeline_bench"),
    ["--benchmark_filter=^ListAndPreview/typical/", "--benchmark_min_time=0.5", "--benchmark_format=json"],
    { encoding: "utf8", stdio: ["ignore", "pipe", "ignore"] },
  );
  return JSON.parse(output).benchmarks[0].real_time;
}

// 500 tracks made from the generated ones and the examples, refused and damaged ones among them.
function manyTracks(work) {
  const sources = [...readdirSync(work).map((name) => join(work, name)), join(root, "examples/lakeside.trk"), join(root, "examples/quarry.trk")];
  const folder = join(work, "many");
  mkdirSync(folder);
  return Array.from({ length: 500 }, (_, i) => {
    const path = join(folder, `track-${String(i).padStart(3, "0")}.trk`);
    copyFileSync(sources[i % sources.length], path);
    return path;
  });
}

// The page's main thread in a trace: its longest task in wall-clock and in processor time. On a
// shared machine the two differ by the time other processes had the processor.
async function longestTask(cdp, run) {
  const events = [];
  cdp.on("Tracing.dataCollected", ({ value }) => events.push(...value));
  const complete = new Promise((resolve) => cdp.once("Tracing.tracingComplete", resolve));
  await cdp.send("Tracing.start", { categories: "devtools.timeline,disabled-by-default-devtools.timeline", transferMode: "ReportEvents" });
  const result = await run();
  await cdp.send("Tracing.end");
  await complete;
  // The page's main thread is the renderer's main thread that ran the most.
  const tasks = (thread) => events.filter((e) => e.pid === thread.pid && e.tid === thread.tid && e.name === "RunTask");
  const busy = (thread) => tasks(thread).reduce((sum, task) => sum + task.dur, 0);
  const main = events.filter((e) => e.name === "thread_name" && e.args.name === "CrRendererMain").sort((a, b) => busy(b) - busy(a))[0];
  const longest = tasks(main).sort((a, b) => b.dur - a.dur)[0];
  const mostProcessor = Math.max(...tasks(main).map((task) => task.tdur || 0));
  return { ...result, longestWall: longest.dur / 1000, longestProcessor: mostProcessor / 1000 };
}

// From the chooser's change event: when the gallery is listed and when its last thumbnail is
// drawn.
async function dropMany(page, paths) {
  await page.evaluate(() => {
    document.getElementById("load-file").addEventListener("change", () => (window.dropStart = performance.now()), { capture: true, once: true });
  });
  await loadFile(page, paths);
  const listed = await page.evaluate(() => performance.now() - window.dropStart);
  const count = await page.$$eval(".card.converted", (cards) => cards.length);
  await page.waitForFunction((converted) => window.tarmaxion.thumbnails() >= converted, count, { timeout: 120000, polling: "raf" });
  const lastThumbnail = await page.evaluate(() => performance.now() - window.dropStart);
  return { count, listed, lastThumbnail };
}

async function main() {
  const work = mkdtempSync(join(tmpdir(), "tarmaxion-web-bench-"));
  execFileSync(join(native, "tools/make-web-tracks"), [work]);
  const typical = readFileSync(join(work, "typical.trk")).toString("base64");
  const many = manyTracks(work);

  const server = await serve(page_folder);
  const browser = await launch();
  try {
    const { page, goto } = await openPage(browser.context, server.origin);
    const ready = [];
    for (let i = 0; i <= 10; ++i) {
      await goto();
      if (i > 0) ready.push(await page.evaluate(() => window.tarmaxion.readyMs));
    }
    // Batches of twenty loads, as the browser's clock is coarse. The fastest batch counts: the
    // browser's clock runs on while other processes have the processor, the native benchmark's
    // (processor time) does not, and the fastest batch is the one least disturbed.
    const webMicroseconds = await page.evaluate((data) => {
      const bytes = Uint8Array.from(atob(data), (c) => c.charCodeAt(0));
      const batches = [];
      for (let batch = 0; batch < 50; ++batch) {
        const start = performance.now();
        for (let i = 0; i < 20; ++i) window.tarmaxion.show("typical.trk", bytes);
        batches.push(((performance.now() - start) * 1000) / 20);
      }
      return Math.min(...batches);
    }, typical);
    await goto();
    const cdp = await page.context().newCDPSession(page);
    const drop = await longestTask(cdp, () => dropMany(page, many));
    const nativeTime = nativeMicroseconds();
    console.log(`page, script and wasm gzipped: ${(gzippedSize() / 1024).toFixed(1)} KB (budget 150 KB)`);
    console.log(`ready ("ready..." in the log): median ${median(ready).toFixed(0)} ms, slowest ${Math.max(...ready).toFixed(0)} ms of 10 loads (budget 300 ms)`);
    console.log(`typical track loaded, listed and drawn: page ${webMicroseconds.toFixed(0)} us, native ${nativeTime.toFixed(0)} us, ${(webMicroseconds / nativeTime).toFixed(2)} x native (budget 2 x)`);
    console.log(`500 tracks chosen at once: listed after ${drop.listed.toFixed(0)} ms, the last of ${drop.count} thumbnails after ${drop.lastThumbnail.toFixed(0)} ms, longest main-thread task ${drop.longestWall.toFixed(0)} ms (${drop.longestProcessor.toFixed(0)} ms of processor time)`);
  } finally {
    await browser.close();
    await server.close();
    rmSync(work, { recursive: true, force: true });
  }
}

await main();
