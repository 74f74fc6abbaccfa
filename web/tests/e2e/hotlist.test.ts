// The hotlist beside the date control: the shipped dates, choosing one sets the telescope's
// clock (keyboard too), and the student's own dates are kept in the browser across visits.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import type { Browser, Page } from "playwright-core";

import { assertAccessible, launch, open, start } from "./browser.js";
import { setDate } from "./lab.js";

let browser: Browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser.close();
});

async function lines(page: Page): Promise<string[]> {
  return (await page.locator("#hotlist-list option").allTextContents()).map((l) => l.trim());
}

test("the hotlist sets the clock and keeps the student's own dates", async () => {
  const { context, page } = await open(browser);
  await start(page);
  await page.getByRole("button", { name: "Hotlist" }).click();
  await page.locator("#hotlist-list option").first().waitFor();
  await assertAccessible(page, "the hotlist");
  const shipped = await lines(page);
  assert.ok(shipped.length > 0, "the shipped dates");

  // The third date, chosen from the keyboard.
  await page.locator("#hotlist-list").focus();
  await page.keyboard.press("ArrowDown");
  await page.keyboard.press("ArrowDown");
  await page.keyboard.press("Enter");
  const [date, time] = (shipped[2] ?? "").split(/\s+/);
  assert.equal(await page.getByLabel("Date (UT)").inputValue(), (date ?? "").replace(/\//g, "-"));
  assert.equal(await page.getByLabel("Time (UT)").inputValue(), time);

  // A date of the student's own joins the list in time order and survives a reload.
  await setDate(page, "2026-05-04", "21:30:00");
  await page.getByLabel("Note for a date you add").fill("clear night?");
  await page.getByRole("button", { name: "Add the telescope's time" }).click();
  await page.getByText("The time was added to the hotlist").waitFor();
  const mine = await lines(page);
  assert.equal(mine.length, shipped.length + 1);
  assert.ok(mine.includes("2026/05/04 21:30:00"));
  assert.deepEqual([...mine].sort(), mine);

  await page.reload();
  await page.getByRole("button", { name: "Go on with the saved table" }).or(page.getByRole("button", { name: "Start" })).first().click();
  await page.locator("#scope").waitFor();
  await page.getByRole("button", { name: "Hotlist" }).click();
  await page.locator("#hotlist-list option").first().waitFor();
  assert.deepEqual(await lines(page), mine);
  await page.locator("#hotlist-list").selectOption({ label: "2026/05/04 21:30:00" });
  await page.locator("#hotlist").getByRole("button", { name: "Delete" }).click();
  await page.getByText("The date was deleted from the hotlist").waitFor();
  assert.deepEqual(await lines(page), shipped);
  assert.deepEqual((page as Page & { errors: string[] }).errors, []);
  await context.close();
});
