// The page on a phone and on a desktop screen: nothing wider than the screen, the gallery's cards
// included, the main buttons on the first screen and every button large enough to touch, the drop hint in view, the map scaled to the width, a
// long log line wrapped, and axe-core without a violation in the light and the dark scheme.
import { join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { loadFile } from "./driver.mjs";

const root = resolve(fileURLToPath(import.meta.url), "../../..");
const kAxe = join(root, "web/node_modules/axe-core/axe.min.js");
// Too large for a track, so the log names it: the longest line the log shows.
const kLongName = { name: `${"a-very-long-track-name-".repeat(6)}.trk`, mimeType: "application/octet-stream", buffer: Buffer.alloc(1_000_001) };

// What does not fit: elements beyond the screen's sides, buttons off the first screen or smaller
// than a fingertip, the drop hint below the fold, a map wider than the screen or out of shape,
// a log whose lines run out of it.
function misfits() {
  const width = document.documentElement.clientWidth;
  const problems = [];
  for (const element of document.querySelectorAll("body *")) {
    const box = element.getBoundingClientRect();
    if (element.getClientRects().length === 0) continue;
    if (box.left < 0 || box.right > width + 0.5) problems.push(`${element.id || element.tagName} spans ${box.left}..${box.right}`);
    const offFirstScreen = element.closest("#buttons") && box.bottom > innerHeight;
    if (element.tagName === "BUTTON" && (box.width < 44 || box.height < 44 || offFirstScreen)) {
      problems.push(`button ${element.id} is ${box.width} x ${box.height} at ${box.top}`);
    }
  }
  if (document.getElementById("drop-hint").getBoundingClientRect().bottom > innerHeight) problems.push("the drop hint is below the fold");
  const map = document.getElementById("map-view").getBoundingClientRect();
  if (Math.abs(map.height / map.width - 560 / 512) > 0.01) problems.push(`the map is shown at ${map.width} x ${map.height}`);
  const log = document.getElementById("log-panel");
  if (log.scrollWidth > log.clientWidth) problems.push("a log line runs out of the log");
  if (document.documentElement.scrollWidth > width) problems.push(`the page is ${document.documentElement.scrollWidth} wide`);
  return problems;
}

async function axeViolations(page) {
  return page.evaluate(async () =>
    (await window.axe.run()).violations.map((v) => `${v.id} (${v.nodes.map((n) => n.target).join(", ")})`),
  );
}

export async function smallScreens(driven, check) {
  const { page, goto } = driven;
  for (const [width, height] of [[390, 844], [320, 568], [1280, 720]]) {
    await page.setViewportSize({ width, height });
    await goto();
    await loadFile(page, ["lakeside.trk", "quarry.trk"].map((name) => join(root, "examples", name)));
    await loadFile(page, kLongName);
    await page.addScriptTag({ path: kAxe });
    for (const problem of await page.evaluate(misfits)) check(false, `${width} x ${height}: ${problem}`);
    for (const scheme of ["light", "dark"]) {
      await page.emulateMedia({ colorScheme: scheme });
      for (const violation of await axeViolations(page)) check(false, `${width} x ${height}, ${scheme}: axe: ${violation}`);
    }
    await page.emulateMedia({ colorScheme: "light" });
  }
  await page.setViewportSize({ width: 1000, height: 800 });
}
