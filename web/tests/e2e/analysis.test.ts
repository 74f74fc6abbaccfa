// The analysis of a perfect table: the residual the page reports, minimised over the period as
// a student would by trying values, gives each moon's period; and the analysis view passes
// the accessibility check.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import type { Browser, Page } from "playwright-core";

import { assertAccessible, launch, open, start } from "./browser.js";
import { cliLines, csvRecords } from "./lab.js";

// Published sidereal periods (days) of the four moons.
const PERIODS = [1.769138, 3.551181, 7.154553, 16.689018];

let browser: Browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser.close();
});

// The amplitude and an ascending zero crossing of the sine of period `p` closest (least
// squares) to the points: what a student reads off the plot.
function sineThrough(points: { t: number; y: number }[], p: number): { tzero: number; amplitude: number } {
  let ss = 0, sc = 0, cc = 0, ys = 0, yc = 0;
  for (const { t, y } of points) {
    const s = Math.sin((2 * Math.PI * t) / p);
    const c = Math.cos((2 * Math.PI * t) / p);
    ss += s * s; sc += s * c; cc += c * c; ys += y * s; yc += y * c;
  }
  const det = ss * cc - sc * sc;
  const a = (ys * cc - yc * sc) / det; // y ≈ a sin + b cos = A sin(w (t - t0))
  const b = (yc * ss - ys * sc) / det;
  const amplitude = Math.hypot(a, b);
  const t0 = (-Math.atan2(b, a) * p) / (2 * Math.PI);
  // The crossing at or after the first point, as a full Julian date.
  const first = Math.min(...points.map((q) => q.t));
  return { tzero: t0 + p * Math.ceil((first - t0) / p), amplitude };
}

async function residual(page: Page): Promise<number> {
  const text = (await page.locator("#residual").textContent()) ?? "";
  const m = /([0-9.]+) Jupiter diameters/.exec(text);
  assert.ok(m, `a residual is shown: ${text}`);
  return Number(m[1]);
}

test("the hand fit of a perfect table finds each moon's period within half a percent", async () => {
  // Around Jupiter's stationary point of March 2026, when its motion across the sky does not
  // shorten or lengthen the periods seen from the Earth.
  const csv = cliLines("table", "2461088.5", "2461133.5", "6").join("\r\n") + "\r\n";
  const records = csvRecords(csv);
  const { context, page } = await open(browser);
  await start(page);
  await page.getByLabel("Import a .CSV or .DAT file").setInputFiles({ name: "perfect.CSV", mimeType: "text/csv", buffer: Buffer.from(csv) });
  await page.getByText(/records imported/).waitFor();
  await page.getByRole("button", { name: "Analysis" }).click();
  await assertAccessible(page, "the analysis");

  for (let moon = 1; moon <= 4; ++moon) {
    await page.getByRole("radio", { name: new RegExp(`\\b${["Io", "Europa", "Ganymede", "Callisto"][moon - 1]}$`) }).check();
    const points = records
      .map((r) => ({ t: r.jd, y: r.values[moon - 1] ?? NaN }))
      .filter((p) => !Number.isNaN(p.y));
    const published = PERIODS[moon - 1] ?? 1;
    let best = { period: 0, rms: Infinity };
    // Periods 2.5 % either side of the published one, in steps of 0.125 %.
    for (let k = -20; k <= 20; ++k) {
      const period = published * (1 + k * 0.00125);
      const fit = sineThrough(points, period);
      await page.getByRole("textbox", { name: "T-zero (Julian date)" }).fill(fit.tzero.toFixed(4));
      await page.getByRole("textbox", { name: "Period (days)" }).fill(period.toFixed(5));
      await page.getByRole("textbox", { name: "Amplitude (Jupiter diameters)" }).fill(fit.amplitude.toFixed(3));
      await page.getByRole("button", { name: "Set curve" }).click();
      const rms = await residual(page);
      if (rms < best.rms) best = { period, rms };
    }
    assert.ok(Math.abs(best.period - published) / published <= 0.005, `moon ${moon}: ${best.period} against ${published}`);
    assert.match((await page.locator("#results").textContent()) ?? "", /Period \(days\)/);
    // The best curve's period and radius give Jupiter's mass (1.898 × 10²⁷ kg accepted).
    const fit = sineThrough(points, best.period);
    await page.getByRole("textbox", { name: "T-zero (Julian date)" }).fill(fit.tzero.toFixed(4));
    await page.getByRole("textbox", { name: "Period (days)" }).fill(best.period.toFixed(5));
    await page.getByRole("textbox", { name: "Amplitude (Jupiter diameters)" }).fill(fit.amplitude.toFixed(3));
    await page.getByRole("button", { name: "Set curve" }).click();
    const mass = /Mass of Jupiter\s*([0-9.]+) × 10²⁷ kg/.exec((await page.locator("#results").textContent()) ?? "");
    assert.ok(mass, `moon ${moon}: no mass shown`);
    assert.ok(Math.abs(Number(mass[1]) - 1.898) / 1.898 <= 0.05, `moon ${moon}: mass ${mass[1]} × 10²⁷ kg`);
  }
  await context.close();
});
