// Loads examples/lakeside.trk in the page and writes the picture to the path given.
// Usage: node web/test/screenshot-web.mjs docs/screenshot-web.png
import { join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { launch, loadFile, openPage, serve } from "./driver.mjs";

const root = resolve(fileURLToPath(import.meta.url), "../../..");
const server = await serve(join(root, "build/web"));
const browser = await launch();
try {
  const { page, goto } = await openPage(browser.context, server.origin);
  await page.setViewportSize({ width: 990, height: 760 });
  await goto();
  await loadFile(page, join(root, "examples/lakeside.trk"));
  await page.screenshot({ path: process.argv[2] });
} finally {
  await browser.close();
  await server.close();
}
