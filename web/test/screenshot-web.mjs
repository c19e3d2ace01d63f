// Loads examples/lakeside.trk in the page, on a desktop screen and on a phone's, and writes the
// two pictures to the paths given.
// Usage: node web/test/screenshot-web.mjs docs/screenshot-web.png docs/screenshot-web-phone.png
import { join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { launch, loadFile, openPage, serve } from "./driver.mjs";

const root = resolve(fileURLToPath(import.meta.url), "../../..");
const server = await serve(join(root, "build/web"));
const browser = await launch();
try {
  const { page, goto } = await openPage(browser.context, server.origin);
  for (const [path, width, height] of [[process.argv[2], 990, 720], [process.argv[3], 390, 844]]) {
    await page.setViewportSize({ width, height });
    await goto();
    await loadFile(page, join(root, "examples/lakeside.trk"));
    await page.screenshot({ path });
  }
} finally {
  await browser.close();
  await server.close();
}
