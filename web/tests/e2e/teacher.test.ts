// The teacher's path: the instructor password by the desktop's rules, the steps and clouds
// changed, JUP_OPTS.INI downloaded and read by the desktop's reader with those settings; then
// put beside the page, where it tailors the lab, and a damaged one that gives way to the
// shipped settings.
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";
import path from "node:path";
import { after, before, test } from "node:test";
import type { Browser, Page } from "playwright-core";

import { assertAccessible, launch, open, sitePath, start } from "./browser.js";
import { cliLines } from "./lab.js";
import { serve } from "./serve.mjs";

let browser: Browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser.close();
});

async function openSettings(page: Page, password: string): Promise<void> {
  await page.getByRole("button", { name: "Settings for teachers" }).click();
  await page.getByLabel("Instructor password").fill(password);
  await page.getByRole("button", { name: "Open the settings" }).click();
}

function settingsOf(file: string): Map<string, string> {
  return new Map(cliLines("options", file).map((l) => [l.slice(0, l.indexOf("=")), l.slice(l.indexOf("=") + 1)]));
}

test("the teacher changes the steps and clouds and the desktop reads the same settings", async () => {
  const replaced = new Map<string, Uint8Array>();
  const server = await serve(sitePath, replaced);
  try {
    const { context, page } = await open(browser, undefined, server.url);
    await page.getByLabel("Students' names").waitFor();
    await page.getByRole("button", { name: "Settings for teachers" }).click();
    await assertAccessible(page, "the instructor password");
    // A wrong letter case is a wrong password.
    await page.getByLabel("Instructor password").fill("tarn");
    await page.getByRole("button", { name: "Open the settings" }).click();
    await page.getByText("That is not the instructor password.").waitFor();
    await page.getByLabel("Instructor password").fill("TARN");
    await page.getByRole("button", { name: "Open the settings" }).click();
    await page.getByLabel("Observation step: hours from one night to the next").waitFor();
    await assertAccessible(page, "the teacher's settings");

    // A number that is none changes nothing.
    const clouds = page.getByRole("group", { name: "Clouds in the orbits exercise" });
    await clouds.getByLabel("Cloudy nights (percent, 0 to 100)").fill("forty");
    await page.getByRole("button", { name: "Download JUP_OPTS.INI" }).click();
    await page.getByText("A number could not be read").waitFor();

    await page.getByLabel("Observation step: hours from one night to the next").fill("6");
    await clouds.getByLabel("Cloudy nights (percent, 0 to 100)").fill("40");
    await clouds.getByLabel("Cloud duration (hours)").fill("3.5");
    await page.getByRole("group", { name: "Clouds in the light-time exercise" }).getByLabel("Include clouds").check();
    const downloading = page.waitForEvent("download");
    await page.getByRole("button", { name: "Download JUP_OPTS.INI" }).click();
    const download = await downloading;
    assert.equal(download.suggestedFilename(), "JUP_OPTS.INI");
    const file = await download.path();
    const bytes = await readFile(file);
    assert.equal(bytes.length, 2383);

    // The desktop's reader: the changed settings, and every other one as shipped.
    const written = settingsOf(file);
    const shipped = settingsOf(path.join(sitePath, "data/JUP_OPTS.INI"));
    const changed = [...written].filter(([k, v]) => shipped.get(k) !== v);
    assert.deepEqual(new Map(changed), new Map([
      ["ObsIntEd", "6.0000"],
      ["NCloudyEd", "40"],
      ["NDrtnEd", "3.50"],
      ["RCloudsBox", "1"],
    ]));
    await context.close();

    // Beside the page, the file tailors the lab for the next student who opens it.
    replaced.set("/JUP_OPTS.INI", bytes);
    const student = await open(browser, undefined, server.url);
    await start(student.page);
    assert.equal(await student.page.getByLabel("Step (hours)").inputValue(), "6");
    await student.context.close();

    // And its settings are what the teacher's page shows next time.
    const again = await open(browser, undefined, server.url);
    await openSettings(again.page, "TARN");
    assert.equal(await again.page.getByLabel("Observation step: hours from one night to the next").inputValue(), "6.0000");
    await again.context.close();

    // A damaged file beside the page gives way to the shipped settings.
    replaced.set("/JUP_OPTS.INI", bytes.subarray(0, 2000));
    const damaged = await open(browser, undefined, server.url);
    await start(damaged.page);
    assert.equal(await damaged.page.getByLabel("Step (hours)").inputValue(), "24");
    assert.deepEqual((damaged.page as Page & { errors: string[] }).errors, []);
    await damaged.context.close();
  } finally {
    server.close();
  }
});

test("a new password must be typed twice, and three wrong ones close the door", async () => {
  const { context, page } = await open(browser);
  await openSettings(page, "TARN");
  await page.getByLabel("Password (up to 16 letters or digits; letter case counts)").fill("Nova7");
  await page.getByLabel("Type a new password again").fill("nova7");
  await page.getByRole("button", { name: "Download JUP_OPTS.INI" }).click();
  await page.getByText("The new password was not typed the same twice").waitFor();
  await page.getByLabel("Password (up to 16 letters or digits; letter case counts)").fill("Nova7");
  await page.getByLabel("Type a new password again").fill("Nova7");
  const downloading = page.waitForEvent("download");
  await page.getByRole("button", { name: "Download JUP_OPTS.INI" }).click();
  const bytes = await readFile(await (await downloading).path());
  // The password's bytes as the file keeps them: each one complemented.
  assert.deepEqual([...bytes.subarray(2288, 2293)].map((b) => 255 - b), [..."Nova7"].map((c) => c.charCodeAt(0)));
  assert.equal(bytes[2304], 5);

  await page.getByRole("button", { name: "Back to the start" }).click();
  await page.getByRole("button", { name: "Settings for teachers" }).click();
  for (const wrong of ["a", "b", "c"]) {
    await page.getByLabel("Instructor password").fill(wrong);
    await page.getByRole("button", { name: "Open the settings" }).click();
  }
  await page.getByText("Too many wrong passwords.").waitFor();
  assert.equal(await page.getByLabel("Instructor password").isDisabled(), true);
  await context.close();
});
