// Moon Events: the almanac from the observation time lists what the reference tool lists, to
// the minute, with the desktop's choices; Go To sets the telescope a few minutes before the
// chosen event, by mouse or keyboard.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import type { Browser, BrowserContext, Page } from "playwright-core";

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
function reference(from: number, days: number, ...place: string[]): Listed[] {
  return cliLines("almanac", from.toFixed(6), (from + days).toFixed(6), ...place).map((line) => {
    const [, , jd, code] = line.trim().split(/\s+/);
    const ms = Math.round(((Number(jd) - 2440587.5) * 86400000) / 60000) * 60000;
    const iso = new Date(ms).toISOString(); // 2027-01-10T03:13:00.000Z
    return { minute: `${iso.slice(0, 10).replace(/-/g, "/")} ${iso.slice(11, 16)}`, code: code ?? "", text: line };
  });
}

// The lab started and Moon Events opened from 2027 January 10, 0 h UT.
async function openMoonEvents(): Promise<{ context: BrowserContext; page: Page; from: number }> {
  const { context, page } = await open(browser);
  await start(page);
  await setDate(page, "2027-01-10", "00:00:00");
  const from = await currentJD(page);
  await page.getByRole("button", { name: "Moon Events" }).click();
  await page.locator("#almanac-list option").first().waitFor();
  return { context, page, from };
}

test("a week's almanac agrees with the reference, and Go To sets the telescope before an event", async () => {
  const { context, page, from } = await openMoonEvents();
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

// The reference tool's events seen from a site over the span, each at its minute.
function visibleReference(from: number, days: number, lat: number, lon: number): Listed[] {
  return reference(from, days, "--lat", String(lat), "--lon", String(lon));
}

test("the observing site typed or taken from the device's location lists what it sees, and is kept", async () => {
  const { context, page, from } = await openMoonEvents();
  const visible = page.locator("#moon-events").getByRole("checkbox", { name: /^Visible from/ });
  assert.equal(await visible.isDisabled(), true, "no site yet");

  // Typed from the keyboard alone: a latitude the core refuses is said beside the field.
  await page.locator("#site-latitude").focus();
  await page.keyboard.type("95N");
  await page.keyboard.press("Tab");
  await page.keyboard.type("70.67W");
  await page.keyboard.press("Enter");
  await page.locator("#site-error").getByText(/latitude/i).waitFor();
  assert.equal(await page.locator("#site-latitude").getAttribute("aria-invalid"), "true");
  assert.equal(await page.evaluate(() => document.activeElement?.id), "site-latitude");
  await page.keyboard.press("Control+A");
  await page.keyboard.type("33.45 S");
  await page.keyboard.press("Enter");
  await page.getByText("The observing site is 33.45° S, 70.67° W, kept in this browser.").waitFor();
  assert.equal(await page.locator("#site-latitude").getAttribute("aria-invalid"), null);
  assert.equal(await visible.isChecked(), true, "a site set for the first time lists what it sees");
  await page.locator("#almanac-list option", { hasText: /./ }).first().waitFor();
  await assertAccessible(page, "Moon Events visible from a site");

  const seen = await listed(page);
  assert.deepEqual(
    seen.map((e) => `${e.minute} ${e.code}`),
    visibleReference(from, 7, -33.45, -70.67).map((e) => `${e.minute} ${e.code}`),
  );
  assert.ok(seen.length > 0 && seen.length < reference(from, 7).length);
  const riseSet = (await page.locator("#rise-set-lines").textContent()) ?? "";
  assert.match(riseSet, /Rise, transit and set at 33\.45° S, 70\.67° W, January 10, 2027/);
  assert.match(riseSet, /time zone Europe\/Berlin/);
  assert.match(riseSet, /Jupiter transits: +\d\d:\d\d local/);

  // A stricter limit, typed: fewer events; a refused one is said and changes nothing.
  await page.getByLabel("Jupiter at least").fill("40");
  await page.getByLabel("Jupiter at least").press("Tab");
  await page.waitForFunction((n) => document.querySelectorAll("#almanac-list option:not([disabled])").length < n, seen.length);
  await page.getByLabel("the Sun at least").fill("20");
  await page.getByLabel("the Sun at least").press("Tab");
  await page.getByText("The Sun's depth below the horizon is a number of degrees from 0 to 18.").waitFor();

  // The site is kept in the browser: after a reload the list still sees from it.
  await page.reload();
  await page.getByRole("button", { name: /Go on with the saved table|Start/ }).first().click();
  await page.locator("#scope").waitFor();
  await page.getByRole("button", { name: "Moon Events" }).click();
  await page.getByText("The observing site is 33.45° S, 70.67° W, kept in this browser.").waitFor();
  assert.equal(await page.locator("#site-latitude").inputValue(), "33.4500S");
  assert.equal(await visible.isDisabled(), false);
  assert.deepEqual((page as Page & { errors: string[] }).errors, []);
  await context.close();
});

test("the device's location, when the browser gives it; a refusal leaves typing", async () => {
  const { context, page } = await openMoonEvents();
  const locate = page.getByRole("button", { name: "Use this device's location" });

  // Not allowed: the page says so and the fields stay for typing.
  await locate.click();
  await page.getByText("The location was not shared. Type the latitude and longitude instead.").waitFor();
  assert.equal(await page.locator("#site-latitude").inputValue(), "");

  // Allowed, at Amsterdam: the fields show the place and the list sees from it.
  await context.grantPermissions(["geolocation"]);
  await context.setGeolocation({ latitude: 52.37, longitude: 4.89 });
  const requests: string[] = [];
  page.on("request", (r) => requests.push(r.url()));
  await locate.click();
  await page.getByText("The observing site is 52.37° N, 4.89° E, kept in this browser.").waitFor();
  assert.equal(await page.locator("#site-latitude").inputValue(), "52.3700N");
  assert.equal(await page.locator("#site-longitude").inputValue(), "4.8900E");
  assert.equal(await page.locator("#site-error").textContent(), "");
  assert.equal(await page.locator("#moon-events").getByRole("checkbox", { name: "Visible from 52.37° N, 4.89° E" }).isChecked(), true);
  assert.deepEqual(requests, [], "no request leaves the page for the location");
  await assertAccessible(page, "Moon Events with the device's location");
  await context.close();
});
