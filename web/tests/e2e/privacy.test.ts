// Safe by construction: the page's policy lets nothing load from or go to another origin, and a
// whole session of the lab — measuring, the table's files, the analysis, help — asks nothing of
// any address but the site's own and breaks no rule of the policy.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import type { Browser } from "playwright-core";

import { launch, open, siteUrl, start } from "./browser.js";
import { recordAllMoons, setDate } from "./lab.js";

let browser: Browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser.close();
});

test("a session asks only the site's origin and keeps to the policy", async () => {
  const origin = new URL(siteUrl).origin;
  const { context, page } = await open(browser);
  const requests: string[] = [];
  context.on("request", (r) => requests.push(r.url()));
  await page.addInitScript(() => {
    const seen: string[] = [];
    (window as unknown as { violations: string[] }).violations = seen;
    document.addEventListener("securitypolicyviolation", (e) => seen.push(`${e.violatedDirective} ${e.blockedURI}`));
  });
  await page.reload();
  await start(page);
  await setDate(page, "2026-03-01", "20:00:00");
  assert.ok((await recordAllMoons(page)) > 0);
  await page.getByRole("button", { name: "Next" }).click();
  const csv = page.waitForEvent("download");
  await page.getByRole("button", { name: "Export .CSV" }).click();
  await (await csv).path();
  await page.getByRole("button", { name: "Analysis" }).click();
  await page.getByRole("button", { name: "Help" }).click();
  await page.locator("#help-panel a, #help-panel button").first().waitFor();

  const elsewhere = requests.filter((u) => !u.startsWith("blob:") && new URL(u).origin !== origin);
  assert.deepEqual(elsewhere, []);
  assert.ok(requests.some((u) => u.endsWith(".wasm")), "the module came from the site");
  assert.deepEqual(await page.evaluate(() => (window as unknown as { violations: string[] }).violations), []);

  // The policy holds: a request to another origin is refused by the browser itself.
  const refused = await page.evaluate(async () => {
    try {
      await fetch("https://example.org/");
      return false;
    } catch {
      return true;
    }
  });
  assert.equal(refused, true);
  const violations = await page.evaluate(() => (window as unknown as { violations: string[] }).violations);
  assert.equal(violations.length, 1);
  assert.match(violations[0] ?? "", /^connect-src https:\/\/example\.org/);
  assert.deepEqual((page as typeof page & { errors: string[] }).errors, []);
  await context.close();
});
