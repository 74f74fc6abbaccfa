// The table's files: a .DAT the desktop wrote imports to the same table and exports to the
// same bytes; a damaged or foreign file leaves the table as it was, with one message; editing,
// leaving out, deleting and restoring.
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";
import path from "node:path";
import { after, before, test } from "node:test";
import type { Browser, Page } from "playwright-core";

import { assertAccessible, launch, open, start } from "./browser.js";

const fixtures = path.resolve(process.cwd(), "../tests/fixtures/measurements");

let browser: Browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser.close();
});

async function importFile(page: Page, name: string, buffer: Buffer, merge = false): Promise<void> {
  if (merge !== (await page.getByLabel("Merge with the table").isChecked())) await page.getByLabel("Merge with the table").click();
  await page.getByLabel("Import a .CSV or .DAT file").setInputFiles({ name, mimeType: "application/octet-stream", buffer });
}

async function rows(page: Page): Promise<string[]> {
  return page.locator(".measurements tbody tr").allTextContents();
}

async function exported(page: Page, button: string): Promise<Buffer> {
  const [download] = await Promise.all([page.waitForEvent("download"), page.getByRole("button", { name: button }).click()]);
  const file = await download.path();
  assert.ok(file);
  return readFile(file);
}

test("a desktop .DAT imports to its table and the page writes the same bytes back", async () => {
  const dat = await readFile(path.join(fixtures, "desktop-table.DAT"));
  const { context, page } = await open(browser);
  await start(page);
  await importFile(page, "desktop-table.DAT", dat);
  await page.locator(".measurements tbody tr").first().waitFor();
  assert.equal((await rows(page)).length, dat.length / 32);
  assert.match((await page.locator("#saved-note").textContent()) ?? "", /records imported/);
  assert.deepEqual(await exported(page, "Export .DAT"), dat);
  await assertAccessible(page, "the table");

  // A damaged CSV and a foreign file: one message each, the table as it was.
  const before = await rows(page);
  for (const [name, bytes] of [
    ["damaged.CSV", Buffer.from("Jupiter Satellite Measurements\r\nMeasurement unit is")],
    ["picture.CSV", Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a])],
    ["notes.txt", Buffer.from("hello")],
  ] as const) {
    await importFile(page, name, Buffer.from(bytes));
    await page.locator("#import-message", { hasText: name }).waitFor();
    assert.match((await page.locator("#import-message").textContent()) ?? "", /The table is as it was\./);
    assert.deepEqual(await rows(page), before, name);
  }
  assert.deepEqual(await exported(page, "Export .DAT"), dat);

  // The CSV the page writes merges back into the same values.
  const csv = await exported(page, "Export .CSV");
  await importFile(page, "again.CSV", csv, true);
  await page.locator(".measurements tbody tr").nth(dat.length / 32).waitFor();
  assert.equal((await rows(page)).length, (2 * dat.length) / 32);
  await context.close();
});

test("values left out, edited, deleted and restored, and kept across a reload", async () => {
  const dat = await readFile(path.join(fixtures, "desktop-table.DAT"));
  const { context, page } = await open(browser);
  await start(page);
  await importFile(page, "desktop-table.DAT", dat);
  const first = page.locator(".measurements tbody tr").first();
  await first.waitFor();
  const box = first.getByRole("checkbox").first();
  await box.focus();
  await page.keyboard.press("Space");
  assert.equal(await box.isChecked(), false);
  await page.locator(".measurements tbody tr").first().getByText("left out").waitFor();

  await page.locator(".measurements tbody tr").first().getByRole("button", { name: /^Edit/ }).click();
  const field = page.locator(".measurements tr.editing input").first();
  await field.fill("1.5Q");
  await page.getByRole("button", { name: "Save" }).click();
  assert.match((await page.locator(".measurements tr.editing [role=alert]").textContent()) ?? "", /I\. Io/);
  await field.fill("1.5E");
  await page.getByRole("button", { name: "Save" }).click();
  assert.match((await page.locator(".measurements tbody tr").first().textContent()) ?? "", /-1\.50/);

  const count = (await rows(page)).length;
  await page.locator(".measurements tbody tr").first().getByRole("button", { name: /^Delete/ }).click();
  assert.equal((await rows(page)).length, count - 1);
  await page.getByRole("button", { name: "Restore" }).click();
  assert.equal((await rows(page)).length, count);

  await page.reload();
  await page.getByRole("button", { name: "Go on with the saved table" }).click();
  await page.locator(".measurements tbody tr").first().waitFor();
  assert.equal((await rows(page)).length, count);
  assert.match((await page.locator(".measurements tbody tr").first().textContent()) ?? "", /-1\.50/);
  await context.close();
});
