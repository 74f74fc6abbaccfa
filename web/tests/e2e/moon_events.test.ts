// Moon Events: the almanac from the observation time lists what the reference tool lists, to
// the minute, with the desktop's choices; Go To sets the telescope a few minutes before the
// chosen event, by mouse or keyboard.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import type { Browser, Page } from "playwright-core";

import { assertAccessible, launch, open, start } from "./browser.js";
import { cliLines, currentJD, setDate } from "./lab.js";

let browser: Browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser.close();
});

interface Listed {
  minute: string; // "2027/01/10 03:13"
  code: string; // "I.Ec.D"
  text: string;
}

async function listed(page: Page): Promise<Listed[]> {
  const texts = await page.locator("#almanac-list option:not([disabled])").allTextContents();
  return texts.map((text) => {
    const m = /^(\d{4}\/\d\d\/\d\d \d\d:\d\d)\s+(\S+)/.exec(text);
    assert.ok(m, `an event line: ${text}`);
    return { minute: m[1] ?? "", code: m[2] ?? "", text };
  });
}

// The reference tool's events over the span, each at its minute (UT, rounded as listed).
function reference(from: number, days: number): Listed[] {
  return cliLines("almanac", from.toFixed(6), (from + days).toFixed(6)).map((line) => {
    const [, , jd, code] = line.trim().split(/\s+/);
    const ms = Math.round(((Number(jd) - 2440587.5) * 86400000) / 60000) * 60000;
    const iso = new Date(ms).toISOString(); // 2027-01-10T03:13:00.000Z
    return { minute: `${iso.slice(0, 10).replace(/-/g, "/")} ${iso.slice(11, 16)}`, code: code ?? "", text: line };
  });
}

test("a week's almanac agrees with the reference, and Go To sets the telescope before an event", async () => {
  const { context, page } = await open(browser);
  await start(page);
  await setDate(page, "2027-01-10", "00:00:00");
  const from = await currentJD(page);
  await page.getByRole("button", { name: "Moon Events" }).click();
  await page.locator("#almanac-list option").first().waitFor();
  await assertAccessible(page, "Moon Events");

  const shown = await listed(page);
  const expected = reference(from, 7);
  assert.deepEqual(
    shown.map((e) => `${e.minute} ${e.code}`),
    expected.map((e) => `${e.minute} ${e.code}`),
  );

  // Io alone, eclipses alone: the list narrows as the desktop's filter does.
  for (const moon of ["II. Europa", "III. Ganymede", "IV. Callisto"]) await page.locator("#moon-events").getByLabel(moon, { exact: true }).uncheck();
  for (const kind of await page.locator(".almanac-group").nth(1).locator("input").all()) {
    const id = (await kind.getAttribute("id")) ?? "";
    if (id !== "almanac-kind-Ec" && id !== "almanac-mutual") await kind.uncheck();
  }
  const ioEclipses = await listed(page);
  assert.ok(ioEclipses.length > 0);
  assert.deepEqual(ioEclipses, shown.filter((e) => e.code.startsWith("I.Ec.")));

  // Go To the first one, from the keyboard: the telescope stands five minutes before it.
  await page.locator("#almanac-list").focus();
  await page.keyboard.press("Enter");
  const first = ioEclipses[0];
  assert.ok(first);
  const at = Number(cliLines("jd", first.minute.slice(0, 10), `${first.minute.slice(11)}:00`)[0]) - 5 / 1440;
  assert.ok(Math.abs((await currentJD(page)) - at) < 1 / 86400, "five minutes before the listed minute");
  await page.getByText("The telescope is set a few minutes before the event.").waitFor();

  // Mutual events of the season join the list when asked for.
  for (const moon of ["II. Europa", "III. Ganymede", "IV. Callisto"]) await page.locator("#moon-events").getByLabel(moon, { exact: true }).check();
  const before = (await page.locator("#almanac-list option").allTextContents()).length;
  await page.locator("#moon-events").getByLabel("Mutual events").check();
  await page.waitForFunction((n) => document.querySelectorAll("#almanac-list option").length > n, before);
  assert.deepEqual((page as Page & { errors: string[] }).errors, []);
  await context.close();
});
