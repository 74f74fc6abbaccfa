// The page's speed figures (not a test): bytes transferred (gzip) before the telescope can be
// used, the time from opening the page to the drawn telescope, and one animation frame.
import { gzipSync } from "node:zlib";

import { launch, open, start } from "./browser.js";

const browser = await launch();
const { context, page } = await open(browser);
const bodies: Promise<number>[] = [];
page.on("response", (r) => {
  bodies.push(
    r
      .body()
      .then((b) => gzipSync(b, { level: 6 }).length)
      .catch(() => 0),
  );
});
await page.reload();
await start(page);
await page.waitForFunction(() => performance.getEntriesByName("telescope-drawn").length > 0);
const drawn = await page.evaluate(() => performance.getEntriesByName("telescope-drawn")[0]?.startTime ?? NaN);
const bytes = (await Promise.all(bodies)).reduce((a, b) => a + b, 0);

// Time from navigation to the drawn telescope for a returning student (names remembered).
await page.reload();
const t0 = Date.now();
await page.getByRole("button", { name: "Start" }).click();
await page.waitForFunction(() => performance.getEntriesByName("telescope-drawn").length > 0);
const returning = await page.evaluate(() => performance.getEntriesByName("telescope-drawn")[0]?.startTime ?? NaN);

// Animation frames: play for two seconds and time each step-and-paint.
const frame = await page.evaluate(async () => {
  const times: number[] = [];
  const next = document.getElementById("next");
  for (let i = 0; i < 40; ++i) {
    const s = performance.now();
    next?.click();
    await new Promise((r) => requestAnimationFrame(() => r(null)));
    times.push(performance.now() - s);
  }
  times.sort((a, b) => a - b);
  return { median: times[20], worst: times[39] };
});
console.log(`first visit: ${(bytes / 1e6).toFixed(2)} MB gzip before the telescope is usable`);
console.log(`telescope drawn ${drawn.toFixed(0)} ms after opening (first visit, including typing the names)`);
console.log(`telescope drawn ${returning.toFixed(0)} ms after opening (returning, ${Date.now() - t0} ms wall)`);
console.log(`Next step and paint: median ${frame.median?.toFixed(1)} ms, worst ${frame.worst?.toFixed(1)} ms (includes a display frame)`);
await context.close();
await browser.close();
