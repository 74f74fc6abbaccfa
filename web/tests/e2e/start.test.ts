// Starting: the students' details checked beside their fields and remembered by the browser,
// and the saved table offered on the next visit.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import type { Browser } from "playwright-core";

import { assertAccessible, launch, open, start } from "./browser.js";
import { clientPoint, measurable, pixelOf, setDate, currentJD } from "./lab.js";

let browser: Browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser.close();
});

test("the start form checks as the student types and remembers the students", async () => {
  const { context, page } = await open(browser);
  await page.getByLabel("Students' names").waitFor();
  await assertAccessible(page, "the start form");
  await page.getByLabel("Table number").fill("12345");
  await page.getByRole("button", { name: "Start" }).click();
  assert.equal(await page.locator("#names-error").textContent(), "Write at least one name.");
  assert.equal(await page.getByLabel("Students' names").getAttribute("aria-invalid"), "true");
  assert.equal(await page.locator("#start").isVisible(), true);
  await page.getByLabel("Students' names").fill("Ana Lima");
  assert.equal(await page.locator("#names-error").textContent(), "");
  assert.equal(await page.locator("#table-error").textContent(), "Write the table number (letters and digits, up to 4).");
  await page.getByLabel("Table number").fill("7");
  await page.getByRole("button", { name: "Start" }).click();
  await page.locator("#scope").waitFor();
  assert.match((await page.locator("#top-names").textContent()) ?? "", /Ana Lima/);
  await assertAccessible(page, "the telescope");

  // Help: the desktop's topics in a side panel, searched by their words, closed by Escape.
  await page.getByRole("button", { name: "Help" }).click();
  await page.getByRole("button", { name: "The Telescope View" }).click();
  assert.match((await page.locator(".help-page").textContent()) ?? "", /north is at the bottom/);
  await assertAccessible(page, "the help panel");
  await page.getByLabel("Search the help").fill("Kepler third law planetary");
  assert.equal(await page.locator(".help-topics li").first().textContent(), "No topic matches.");
  await page.getByLabel("Search the help").fill("gravitation");
  assert.ok((await page.locator(".help-topics button").count()) >= 1);
  await page.keyboard.press("Escape");
  assert.equal(await page.locator("#help-panel").isVisible(), false);

  await page.reload();
  assert.equal(await page.getByLabel("Students' names").inputValue(), "Ana Lima");
  assert.equal(await page.getByLabel("Table number").inputValue(), "7");
  await context.close();
});

test("a recorded value waits beside the view, joins the table on Next and survives a closed tab", async () => {
  const { context, page } = await open(browser);
  await start(page);
  await setDate(page, "2026-01-10", "03:00:00");
  const jd = await currentJD(page);
  const m = measurable(jd)[0];
  assert.ok(m, "a moon to measure");
  const at = await clientPoint(page, pixelOf(m));
  await page.mouse.click(at.x, at.y);
  await page.getByRole("button", { name: "Record" }).click();
  assert.match((await page.locator("#pending").textContent()) ?? "", /2026-01-10 03:00:00 UT/);
  assert.equal(await page.locator(".measurements tbody tr").count(), 0);
  // The tab closes with the value pending; the next visit has it still pending.
  await page.close();
  const again = await context.newPage();
  await again.goto(page.url());
  await again.getByRole("button", { name: "Go on with the saved table" }).click();
  await again.locator("#scope").waitFor();
  assert.match((await again.locator("#pending").textContent()) ?? "", /2026-01-10 03:00:00 UT/);
  await again.getByRole("button", { name: "Next" }).click();
  assert.equal(await again.locator(".measurements tbody tr").count(), 1);
  assert.match((await again.locator("#top-time").textContent()) ?? "", /2026-01-11 03:00:00 UT/);
  await context.close();
});
