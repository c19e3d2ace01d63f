// The page on phones and on desktop screens: nothing wider than the screen, the gallery's cards
// included, the main buttons on the first screen and every button large enough to touch, the drop
// hint in view, the map scaled to the width, a long log line wrapped, no text under 14 pixels on a
// phone, the gallery beside the window where there is room for both, a card that opens its track
// in sight, and axe-core without a violation in the light and the dark scheme, empty or not.
import { join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { loadFile } from "./driver.mjs";

const root = resolve(fileURLToPath(import.meta.url), "../../..");
const kAxe = join(root, "web/node_modules/axe-core/axe.min.js");
// Too large for a track, so the log names it: the longest line the log shows.
const kLongName = { name: `${"a-very-long-track-name-".repeat(6)}.trk`, mimeType: "application/octet-stream", buffer: Buffer.alloc(1_000_001) };

// What does not fit: elements beyond the screen's sides, buttons off the first screen or smaller
// than a fingertip, the drop hint below the fold, a map wider than the screen or out of shape,
// a log whose lines run out of it, small text on a phone, a wide screen's gallery under the window.
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
    const text = element.matches("textarea, input, select") || [...element.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.data.trim());
    const size = parseFloat(getComputedStyle(element).fontSize);
    if (width < 960 && text && size < 14) problems.push(`${element.id || element.className || element.tagName} has ${size} px text`);
  }
  const beside = document.getElementById("dropped").getBoundingClientRect().left >= document.getElementById("map-frame").getBoundingClientRect().right;
  if (width >= 1200 && !beside) problems.push("the gallery is not beside the window");
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
  const axeInSchemes = async (what) => {
    for (const scheme of ["light", "dark"]) {
      await page.emulateMedia({ colorScheme: scheme });
      for (const violation of await axeViolations(page)) check(false, `${what}, ${scheme}: axe: ${violation}`);
    }
    await page.emulateMedia({ colorScheme: "light" });
  };
  for (const [width, height] of [[390, 844], [320, 568], [1280, 720], [1920, 1080]]) {
    await page.setViewportSize({ width, height });
    await goto();
    await page.addScriptTag({ path: kAxe });
    await axeInSchemes(`${width} x ${height}, empty`);
    await loadFile(page, ["lakeside.trk", "quarry.trk"].map((name) => join(root, "examples", name)));
    await loadFile(page, kLongName);
    for (const problem of await page.evaluate(misfits)) check(false, `${width} x ${height}: ${problem}`);
    await axeInSchemes(`${width} x ${height}`);

    // The card is reached by scrolling down to it; its track shows where the eye is.
    const before = await page.evaluate(() => window.tarmaxion.finished());
    await page.locator("#gallery li", { hasText: "quarry.trk" }).locator(".card-open").click();
    await page.waitForFunction((count) => window.tarmaxion.finished() > count, before);
    const sight = await page.evaluate(() => {
      const map = document.getElementById("map-frame").getBoundingClientRect();
      const info = document.getElementById("info-list");
      return { inView: map.top >= 0 && map.bottom <= innerHeight, listed: info.value.startsWith("quarry.trk"), focus: document.activeElement.id };
    });
    const focusWanted = width < 1200 ? "info-list" : "";
    check(sight.inView && sight.listed && sight.focus === focusWanted, `${width} x ${height}: a card opened ${JSON.stringify(sight)}`);
  }
  await page.setViewportSize({ width: 1000, height: 800 });
}
