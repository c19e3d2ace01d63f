// The page as an installed app: its manifest as Chromium reads it (installable, the program's
// icon, a handler for .trk files), the tracks the system hands over when they are opened with it,
// a start with the server gone after one visit, and a new build replacing the cached files.
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { openPage, serve } from "./driver.mjs";

function pngSize(bytes) {
  const png = Buffer.from(bytes);
  return png.subarray(1, 4).toString() === "PNG" ? `${png.readUInt32BE(16)}x${png.readUInt32BE(20)}` : "no PNG";
}

export async function manifest(driven, check) {
  const { page, goto } = driven;
  await goto();
  const cdp = await page.context().newCDPSession(page);
  const { errors, data, manifest: app } = await cdp.send("Page.getAppManifest");
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  await cdp.detach();
  check(errors.length === 0 && installabilityErrors.length === 0, `manifest: ${JSON.stringify([errors, installabilityErrors])}`);
  check(app.name === "Tarmaxion Converter" && app.themeColor === "rgba(0,128,0,1)", `manifest: ${JSON.stringify(app).slice(0, 300)}`);
  // Chromium reports no file handlers here, so they are read from the file it fetched.
  const handlers = JSON.parse(data).file_handlers || [];
  check(handlers.some((h) => h.action === "./" && Object.values(h.accept).flat().includes(".trk")), "manifest: no handler for .trk");
  for (const icon of app.icons) {
    const bytes = await page.evaluate(async (url) => [...new Uint8Array(await (await fetch(url)).arrayBuffer())], icon.url);
    check(pngSize(bytes) === icon.sizes, `manifest: ${icon.url} is ${pngSize(bytes)}`);
  }
  check(app.icons.length === 2, "manifest: the icons");
}

// Two tracks opened with the installed page arrive as file handles and are taken in as a drop.
export async function launched(driven, check, tracks) {
  const { page, goto } = driven;
  await page.addInitScript(() => {
    Object.defineProperty(window, "launchQueue", { value: { setConsumer: (consumer) => (window.launchConsumer = consumer) } });
  });
  await goto();
  const before = await page.evaluate(() => window.tarmaxion.finished());
  const files = tracks.map((path) => ({ name: path.split("/").at(-1), data: readFileSync(path).toString("base64") }));
  await page.evaluate((list) => {
    const handles = list.map((file) => ({
      getFile: async () => new File([Uint8Array.from(atob(file.data), (c) => c.charCodeAt(0))], file.name),
    }));
    window.launchConsumer({ files: handles });
  }, files);
  await page.waitForFunction((count) => window.tarmaxion.finished() > count, before);
  const listed = await page.$$eval("#gallery .card-open", (items) => items.map((item) => item.textContent));
  check(JSON.stringify(listed) === JSON.stringify(files.map((file) => file.name)), `launched with two tracks: ${listed}`);
}

const cacheNames = (page) => page.evaluate(() => caches.keys());


// One visit, then the server is gone: the page starts and converts. Then a new build on the same
// address: its worker replaces the cached files and the old cache.
export async function offline(browser, check, pageFolder, track) {
  const work = mkdtempSync(join(tmpdir(), "tarmaxion-web-offline-"));
  const folder = join(work, "page");
  cpSync(pageFolder, folder, { recursive: true });
  let server = await serve(folder);
  const { page, goto, errors } = await openPage(browser.context, server.origin);
  try {
    await goto();
    await page.evaluate(async () => (await navigator.serviceWorker.ready).active.state);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await server.close();
    await goto();
    const bytes = readFileSync(track).toString("base64");
    const shown = await page.evaluate((data) => {
      window.tarmaxion.show("lakeside.trk", Uint8Array.from(atob(data), (c) => c.charCodeAt(0)));
      return document.getElementById("log-panel").textContent.split("\n").at(-2);
    }, bytes);
    check(shown === "lakeside_2442_Bob", `offline: the page shows "${shown}"`);

    const worker = join(folder, "sw.js");
    writeFileSync(worker, readFileSync(worker, "utf8").replace(/const kVersion = "[^"]+"/, 'const kVersion = "next"'));
    writeFileSync(join(folder, "style.css"), `${readFileSync(join(folder, "style.css"), "utf8")}/* next */\n`);
    server = await serve(folder, server.port);
    await goto();
    // The new worker has taken over once the old cache is gone.
    for (let tries = 0; JSON.stringify(await cacheNames(page)) !== '["tarmaxion-next"]' && tries < 100; ++tries) {
      await page.waitForTimeout(100);
    }
    await goto();
    const style = await page.evaluate(async () => (await fetch("style.css")).text());
    check(style.endsWith("/* next */\n"), "update: the new build's style sheet is not served");
  } catch (error) {
    check(false, `offline: ${error.message.split("\n")[0]} (caches ${await cacheNames(page).catch(() => "?")})`);
  } finally {
    check(errors.length === 0, `offline: the console got: ${errors.join("\n")}`);
    await page.close();
    await server.close();
    rmSync(work, { recursive: true, force: true });
  }
}
