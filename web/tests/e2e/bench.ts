// The page's speed figures (not a test): bytes transferred (gzip) before the telescope can be
// used, the time from opening the page to the drawn telescope, and one step of the clock.
import { readFile } from "node:fs/promises";
import path from "node:path";
import { gzipSync } from "node:zlib";

import { launch, open, sitePath, siteUrl, start } from "./browser.js";

const browser = await launch();

// First visit: every file the page asked for until the telescope was drawn, gzipped as a web
// server would send it.
const first = await open(browser, { width: 1366, height: 768 });
const asked = new Set<string>();
first.page.on("request", (r) => asked.add(r.url()));
await first.page.reload();
await start(first.page);
await first.page.waitForFunction(() => performance.getEntriesByName("telescope-drawn").length > 0);
const drawnFirst = await first.page.evaluate(() => performance.getEntriesByName("telescope-drawn")[0]?.startTime ?? NaN);
let bytes = 0;
for (const url of asked) {
  if (!url.startsWith(siteUrl)) continue;
  const file = path.join(sitePath, decodeURIComponent(new URL(url).pathname));
  const body = await readFile(file).catch(() => null);
  if (body) bytes += gzipSync(body, { level: 6 }).length;
}

// A returning student: the names are remembered, one press of Start.
await first.page.reload();
await first.page.getByRole("button", { name: "Start", exact: true }).click();
await first.page.waitForFunction(() => performance.getEntriesByName("telescope-drawn").length > 0);
const drawnAgain = await first.page.evaluate(() => performance.getEntriesByName("telescope-drawn")[0]?.startTime ?? NaN);

// One step of the clock with its repaint: the core's scene and frame and the page's drawing.
const step = await first.page.evaluate(async () => {
  // The click's own work (the core's step, scene and frame, the page's read-outs); the canvas
  // is painted in the next animation frame.
  const work: number[] = [];
  const next = document.getElementById("next");
  for (let i = 0; i < 40; ++i) {
    const s = performance.now();
    next?.click();
    work.push(performance.now() - s);
    await new Promise((r) => requestAnimationFrame(() => r(null)));
  }
  work.sort((a, b) => a - b);
  return { median: work[20] ?? NaN, worst: work[39] ?? NaN };
});
console.log(`first visit: ${(bytes / 1e6).toFixed(2)} MB (gzip) of ${asked.size} files before the telescope is usable`);
console.log(`telescope drawn ${drawnFirst.toFixed(0)} ms after opening the page (first visit, names typed by the test)`);
console.log(`telescope drawn ${drawnAgain.toFixed(0)} ms after opening the page (returning student)`);
console.log(`Next (the core's step, scene and frame, and the read-outs): median ${step.median.toFixed(2)} ms, worst ${step.worst.toFixed(2)} ms`);
await first.context.close();
await browser.close();
