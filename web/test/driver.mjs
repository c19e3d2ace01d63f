// What the page's scripts share: a static server for the built page on 127.0.0.1, Debian's
// Chromium driven headless (never a downloaded browser), and a page that counts every request.
import { createServer } from "node:http";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { extname, join, normalize } from "node:path";
import { chromium } from "playwright-core";

const kTypes = {
  ".html": "text/html; charset=utf-8",
  ".css": "text/css",
  ".js": "text/javascript",
  ".wasm": "application/wasm",
  ".png": "image/png",
  ".webmanifest": "application/manifest+json",
};

// Serves the folder's files and nothing else, on the port given or a free one; resolves to
// {origin, port, close}.
export function serve(folder, port = 0) {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, "http://x").pathname));
    const file = join(folder, path === "/" ? "index.html" : path);
    try {
      const body = readFileSync(file);
      response.writeHead(200, { "Content-Type": kTypes[extname(file)] || "application/octet-stream" });
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((resolve) => {
    server.listen(port, "127.0.0.1", () => {
      const origin = `http://127.0.0.1:${server.address().port}`;
      const close = () => {
        server.closeAllConnections();
        return new Promise((done) => server.close(done));
      };
      resolve({ origin, port: server.address().port, close });
    });
  });
}

// Chromium with a profile of its own that is thrown away afterwards, in the user's language
// locale (navigator.language).
export async function launch(locale = "en-US") {
  const profile = mkdtempSync(join(tmpdir(), "tarmaxion-chromium-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium",
    headless: true,
    locale,
    acceptDownloads: true,
    viewport: { width: 1000, height: 800 },
    args: [
      "--no-sandbox",
      "--disable-gpu",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
    ],
  });
  return {
    context,
    close: async () => {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A page that records every request it makes and everything that reaches its console as an
// error; goto() opens the converter and waits until it is ready.
export async function openPage(context, origin) {
  const page = await context.newPage();
  const requests = [];
  const errors = [];
  page.on("request", (request) => requests.push(request.url()));
  page.on("pageerror", (error) => errors.push(String(error)));
  page.on("console", (message) => {
    if (message.type() === "error" || message.type() === "warning") errors.push(message.text());
  });
  const goto = async () => {
    await page.goto(`${origin}/`);
    await page.waitForFunction(() => window.tarmaxion !== undefined);
  };
  return { page, requests, errors, goto };
}

// Presses a button and waits until its command has run its course.
export async function press(page, id, keys) {
  const before = await page.evaluate(() => window.tarmaxion.finished());
  if (keys) {
    await page.focus(`#${id}`);
    await page.keyboard.press(keys);
  } else {
    await page.click(`#${id}`);
  }
  await page.waitForFunction((count) => window.tarmaxion.finished() > count, before);
}

// Loads a file through the file chooser, as a user would: the empty page's button, then "load".
export async function loadFile(page, path) {
  const before = await page.evaluate(() => window.tarmaxion.finished());
  const button = (await page.isVisible("#choose")) ? "#choose" : "#load";
  const [chooser] = await Promise.all([page.waitForEvent("filechooser"), page.click(button)]);
  await chooser.setFiles(path);
  await page.waitForFunction((count) => window.tarmaxion.finished() > count, before);
}

export function readBytes(path) {
  return new Uint8Array(readFileSync(path));
}
