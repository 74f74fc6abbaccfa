// The light-time exercise: an evening of timing Io's eclipses (Go To from the almanac, the
// animation stopping at the eclipse, Record Event), the event list exported, read back and kept
// over a reload, the phenomena list, and the analysis of a perfect set of eclipses, whose
// best line gives the light time per AU and the speed of light.
import assert from "node:assert/strict";
import fs from "node:fs";
import { readFile } from "node:fs/promises";
import os from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";
import type { Browser, Page } from "playwright-core";

import { assertAccessible, launch, open, start } from "./browser.js";
import { cliLines, currentJD, setDate, settled } from "./lab.js";

const LEAVING = "Io is leaving Eclipse.";
const SECOND = 1 / 86400;

let browser: Browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser.close();
});

interface Instant {
  jd: number; // UT
  date: string; // 2027/03/16
  time: string; // 16:09:12
}

// Io's first egress from Jupiter's shadow in the four days from `from`, as the reference tool
// finds it.
function ioLeaves(from: number): Instant {
  const found = cliLines("events", from.toFixed(6), (from + 4).toFixed(6), "--moon", "1")
    .map((l) => l.trim().split(/\s+/))
    .find((f) => f[1] === "leave");
  assert.ok(found, `an egress of Io after ${from}`);
  return { jd: Number(found[2]), date: found[3] ?? "", time: found[4] ?? "" };
}

// Five egresses a month apart after the opposition of February 2027 (the distance grows from
// 4.6 to 6 AU).
const MONTHS = [2461479.5, 2461510.5, 2461540.5, 2461570.5, 2461600.5];

// The clock set to the whole minute five minutes before an instant.
async function setBefore(page: Page, jd: number): Promise<void> {
  const at = new Date(Math.round((jd - 5 / 1440 - 2440587.5) * 1440) * 60000).toISOString();
  await setDate(page, at.slice(0, 10), at.slice(11, 19));
}

async function startLightTime(page: Page): Promise<void> {
  await page.getByLabel("Exercise").selectOption("light-time");
  await start(page);
}

function rows(page: Page) {
  return page.locator("#events-table tbody tr");
}

async function waitForRows(page: Page, count: number): Promise<void> {
  await page.waitForFunction((n) => document.querySelectorAll("#events-table tbody tr").length === n && !document.querySelector("#events-table")?.hasAttribute("hidden"), count);
}

// Plays one-minute steps until an eclipse of Io stops the animation; a stop for another moon
// is continued past. The notice's text.
async function playToIoStop(page: Page): Promise<string> {
  await page.getByLabel("Animation step (minutes)").fill("1");
  await page.getByRole("button", { name: "Play" }).click();
  for (let stops = 0; stops < 5; ++stops) {
    await page.waitForFunction(() => (document.querySelector("#eclipse-notice-text")?.textContent ?? "") !== "", null, { timeout: 60000 });
    const text = (await page.locator("#eclipse-notice-text").textContent()) ?? "";
    if (text.startsWith("Io ")) return text;
    await page.getByRole("button", { name: "Continue" }).click();
  }
  throw new Error("no eclipse of Io stopped the animation");
}

async function recordLeaving(page: Page, count: number): Promise<void> {
  await page.getByRole("button", { name: LEAVING }).click();
  await page.locator("#record-event").click();
  await waitForRows(page, count);
}

// Presses Tab until the focus is on `selector` (at most 120 presses).
async function tabTo(page: Page, selector: string): Promise<void> {
  for (let i = 0; i < 120; ++i) {
    if (await page.evaluate((s) => document.activeElement?.matches(s) ?? false, selector)) return;
    await page.keyboard.press("Tab");
  }
  throw new Error(`Tab never reached ${selector}`);
}

// The instants (UT Julian dates) and texts of an exported event list.
function exported(csv: string): { jd: number; text: string }[] {
  const lines = csv.split("\r\n").filter((l) => l !== "");
  assert.equal(lines[0], "UT Date,UT Time,Julian Date,Event,Distance (AU),Distance (km)");
  return lines.slice(1).map((l) => {
    const [, , jd, text] = l.split(",");
    return { jd: Number(jd), text: (text ?? "").replace(/^"|"$/g, "") };
  });
}

test("an evening of Io's eclipses: the stop, Record Event, the list out, back in and kept", async () => {
  const { context, page } = await open(browser);
  // A table of the orbits exercise, kept from an earlier visit, must outlive this one.
  await start(page);
  const table = cliLines("table", "2461088.5", "2461091.5", "24").join("\r\n") + "\r\n";
  await page.getByLabel("Import a .CSV or .DAT file").setInputFiles({ name: "orbits.CSV", mimeType: "text/csv", buffer: Buffer.from(table) });
  await page.getByText(/records imported/).waitFor();
  await page.reload();
  await page.getByLabel("Exercise").selectOption("light-time");
  await page.getByText(/Time Io as it enters or leaves/).waitFor();
  await assertAccessible(page, "the start with the light-time exercise chosen");
  await start(page);
  assert.equal(await page.title(), "ZEVA Exercise - Lumitrack");
  assert.ok(await page.locator("#stop-on-eclipse").isChecked(), "the stop at an eclipse is on");

  // The first eclipse from the almanac: Io leaving the shadow on 16 March 2027.
  await setDate(page, "2027-03-16", "00:00:00");
  await page.getByRole("button", { name: "Moon Events" }).click();
  const option = page.locator("#almanac-list option", { hasText: /(^|\s)I\.Ec\.R(\s|$)/ }).first();
  await option.waitFor({ state: "attached" });
  const listed = (await option.textContent()) ?? "";
  await page.locator("#almanac-list").selectOption({ label: listed });
  await page.locator("#almanac-go-to").click();
  await page.getByRole("button", { name: "Moon Events" }).click(); // closed again
  const expected = MONTHS.map(ioLeaves);
  const [first, , , , last] = expected;
  assert.ok(first && last && listed.includes(first.time.slice(0, 5)), `the almanac lists ${listed}`);

  const notice = await playToIoStop(page);
  assert.equal(notice, "Io is leaving eclipse. The animation stopped.");
  // The notice is read out, and stands below the field, clear of Jupiter.
  assert.equal(await page.locator("#eclipse-notice [aria-live]").count(), 1);
  const field = await page.locator("#scope").boundingBox();
  const box = await page.locator("#eclipse-notice").boundingBox();
  assert.ok(field && box && box.y >= field.y + field.height, "the notice does not cover the field");
  assert.ok(!notice.includes("Satellite"));
  await assertAccessible(page, "the telescope with the eclipse notice and Record Event");
  // Record Event shows the core's fields for the telescope's time.
  const jd = await currentJD(page);
  assert.ok(jd >= first.jd && jd - first.jd < 60 * SECOND, "stopped within a minute after the egress");
  assert.equal(await page.locator("#event-jd").textContent(), jd.toFixed(6));
  assert.match((await page.locator("#event-au").textContent()) ?? "", /^\d\.\d{5} AU$/);
  assert.match((await page.locator("#event-km").textContent()) ?? "", /^\d\.\d{5}E\+08 Km$/);
  await recordLeaving(page, 1);

  // Close leaves the animation stopped; Continue goes on animating.
  await setDate(page, "2027-04-15", "18:00:00");
  await playToIoStop(page);
  await page.getByRole("button", { name: "Continue" }).click();
  assert.equal(await page.getByRole("button", { name: "Pause" }).count(), 1, "Continue restarts the animation");
  await page.getByRole("button", { name: "Pause" }).click();

  // Three more, months apart; the last one by keyboard alone.
  for (const [i, e] of expected.slice(1, 4).entries()) {
    await setBefore(page, e.jd);
    await playToIoStop(page);
    await recordLeaving(page, i + 2);
  }
  await setBefore(page, last.jd);
  await page.getByRole("button", { name: "Play" }).focus();
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => (document.querySelector("#eclipse-notice-text")?.textContent ?? "").startsWith("Io "), null, { timeout: 60000 });
  assert.equal(await page.evaluate(() => document.activeElement?.id), "eclipse-continue", "the notice takes the keyboard's focus");
  await page.keyboard.press("Escape"); // closes the notice
  await tabTo(page, "#event-text");
  await page.keyboard.type(LEAVING);
  await page.keyboard.press("Enter");
  await waitForRows(page, 5);
  // The last event's text corrected from the keyboard, then exported.
  await tabTo(page, "#events-table tbody tr:last-child button");
  await page.keyboard.press("Enter");
  await page.keyboard.press("End");
  await page.keyboard.type(" Seen clearly.");
  await page.keyboard.press("Enter");
  await settled(async () => (await rows(page).last().textContent()) ?? "", (t) => t.includes("Seen clearly."));
  await tabTo(page, "#export-events");
  const [download] = await Promise.all([page.waitForEvent("download"), page.keyboard.press("Enter")]);
  assert.match(download.suggestedFilename(), /^Table7-\d{4}-\d{2}-\d{2}\.CSV$/);
  const file = await download.path();
  const csv = await readFile(file, "utf8");
  const events = exported(csv);
  assert.equal(events.length, 5);
  events.forEach((e, i) => {
    const reference = expected[i];
    assert.ok(reference);
    const late = (e.jd - reference.jd) * 86400;
    assert.ok(late >= 0 && late < 60, `event ${i + 1} is ${late.toFixed(1)} s after the reference egress`);
  });
  assert.equal(events[4]?.text, `${LEAVING} Seen clearly.`);
  await assertAccessible(page, "the event list");

  // The phenomena list is the core's, for the telescope's time.
  await page.getByRole("button", { name: "Jupiter Phenomena" }).click();
  const lines = ((await page.locator("#phenomena-lines").textContent()) ?? "").split("\n");
  assert.deepEqual(lines.map((l) => l.trimEnd()), cliLines("phenomena", (await currentJD(page)).toFixed(6)).map((l) => l.trimEnd()));
  await assertAccessible(page, "the phenomena list");

  // A delete is undone by Restore; a damaged file changes nothing.
  await page.getByRole("button", { name: /^Delete / }).first().click();
  await waitForRows(page, 4);
  await page.getByRole("button", { name: "Restore" }).click();
  await waitForRows(page, 5);
  const input = page.getByLabel("Import events from a .CSV file");
  const damaged = csv.replace(/2461\d+\.\d+/, "not a date");
  await input.setInputFiles({ name: "damaged.CSV", mimeType: "text/csv", buffer: Buffer.from(damaged) });
  await page.getByText(/damaged\.CSV is not a usable event list: line 2/).waitFor();
  await waitForRows(page, 5);

  // Cleared, then read back from the exported file.
  while ((await rows(page).count()) > 0) {
    const n = await rows(page).count();
    await page.getByRole("button", { name: /^Delete / }).first().click();
    await page.waitForFunction((m) => document.querySelectorAll("#events-table tbody tr").length === m - 1, n);
  }
  await page.getByText("No events recorded yet.").waitFor();
  await input.setInputFiles(file);
  await page.getByText(/5 events added from/).waitFor();
  await waitForRows(page, 5);

  // A reload keeps the list and the exercise.
  await page.reload();
  await page.getByLabel("Students' names").waitFor();
  assert.equal(await page.getByLabel("Exercise").inputValue(), "light-time");
  await page.getByRole("button", { name: "Start" }).click();
  await waitForRows(page, 5);
  const [again] = await Promise.all([page.waitForEvent("download"), page.getByRole("button", { name: "Export events .CSV" }).click()]);
  assert.equal(await readFile(await again.path(), "utf8"), csv, "the same list, to the last digit");
  await page.getByRole("button", { name: "Next" }).click(); // the clock moved: nothing of the orbits table
  await page.reload();
  await page.getByLabel("Exercise").selectOption("orbits");
  await page.getByText(/Your work from the last visit is saved in this browser: a table of 4 records/).waitFor();
  assert.deepEqual((page as Page & { errors: string[] }).errors, []);
  await context.close();
});

// The least-squares period and line of a list's egresses, from the reference tool: the
// teacher's answer key, never shown on the page.
function bestFit(csv: string): { period: number; offset: number; slope: number; rms: number } {
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), "jovi-light-")), "perfect.CSV");
  fs.writeFileSync(file, csv);
  const line = cliLines("lighttime", file, "1.769").find((l) => l.startsWith("leaving"));
  const m = /period ([0-9.]+) d, offset (-?[0-9.]+) s, slope (-?[0-9.]+) s per AU.*residual ([0-9.]+) s/.exec(line ?? "");
  assert.ok(m, `a fit of the egresses: ${line}`);
  return { period: Number(m[1]), offset: Number(m[2]), slope: Number(m[3]), rms: Number(m[4]) };
}

test("the analysis of a perfect set of egresses gives 499 s per AU and the speed of light", async () => {
  // The egresses at the reference tool's instants, with the distance the record dialog takes.
  let csv = "UT Date,UT Time,Julian Date,Event,Distance (AU),Distance (km)\r\n";
  for (const e of MONTHS.map(ioLeaves)) {
    const distance = cliLines("phenomena", e.jd.toFixed(6)).at(-1)?.trim().split(/\s+/) ?? [];
    csv += `${e.date},${e.time},${e.jd},"${LEAVING}",${distance[0]},${(distance[2] ?? "").replace("(", "")}\r\n`;
  }
  const best = bestFit(csv);

  const { context, page } = await open(browser);
  await startLightTime(page);
  await page.getByLabel("Import events from a .CSV file").setInputFiles({ name: "perfect.CSV", mimeType: "text/csv", buffer: Buffer.from(csv) });
  await waitForRows(page, 5);
  await page.getByRole("button", { name: "Analysis" }).click();
  assert.ok(await page.getByLabel("Io leaving eclipse (5)").isChecked(), "the kind with the events is chosen");
  await assertAccessible(page, "the light-time analysis");
  // Nothing on the page gives the answer before the student sets it.
  const before = (await page.locator(".light-analysis").textContent()) ?? "";
  assert.ok(!before.includes(best.slope.toFixed(1)) && !before.includes(best.period.toFixed(5)));

  await page.getByLabel("Io's mean period (days)", { exact: true }).fill(best.period.toFixed(7));
  await page.getByLabel("Allow for Io's known irregularities").check();
  await page.getByLabel("Line offset (s)").fill(best.offset.toFixed(1));
  await page.getByLabel("Line slope (s per AU)").fill(best.slope.toFixed(2));
  const residual = await settled(async () => (await page.locator("#light-residual").textContent()) ?? "", (t) => /RMS residual: [0-9.]+ s/.test(t));
  const rms = Number(/([0-9.]+) s/.exec(residual)?.[1]);
  assert.ok(Math.abs(rms - best.rms) < 0.2, `the page's residual ${rms} s is the fit's ${best.rms.toFixed(2)} s`);
  const perAU = Number(/([0-9.]+) s/.exec((await page.locator("#light-per-au").textContent()) ?? "")?.[1]);
  assert.ok(Math.abs(perAU - 499) <= 3, `light time per AU ${perAU} s`);
  const speed = Number(((await page.locator("#light-speed").textContent()) ?? "").replace(/[^0-9]/g, ""));
  assert.ok(Math.abs(speed - 299792) < 2000, `speed of light ${speed} km/s`);
  assert.deepEqual((page as Page & { errors: string[] }).errors, []);
  await context.close();
});
