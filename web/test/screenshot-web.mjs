// Chooses the two examples and a file that is no track in the page, on a wide desktop screen (the
// gallery beside the window) and on a phone's, and writes the two pictures to the paths given.
// Usage: node web/test/screenshot-web.mjs docs/screenshot-web-wide.png docs/screenshot-web-phone.png
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { launch, loadFile, openPage, serve } from "./driver.mjs";

const root = resolve(fileURLToPath(import.meta.url), "../../..");
const work = mkdtempSync(join(tmpdir(), "tarmaxion-screenshot-"));
const notes = join(work, "notes.trk");
writeFileSync(notes, "Ideas for a new track\n");
const files = [join(root, "examples/lakeside.trk"), join(root, "examples/quarry.trk"), notes];
const server = await serve(join(root, "build/web"));
const browser = await launch();
try {
  const { page, goto } = await openPage(browser.context, server.origin);
  for (const [path, width, height] of [[process.argv[2], 1920, 1080], [process.argv[3], 390, 844]]) {
    await page.setViewportSize({ width, height });
    await goto();
    await loadFile(page, files);
    await page.waitForFunction(() => window.tarmaxion.thumbnails() === 2);
    await page.screenshot({ path });
  }
} finally {
  await browser.close();
  await server.close();
  rmSync(work, { recursive: true, force: true });
}
