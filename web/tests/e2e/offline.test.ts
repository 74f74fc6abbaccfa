// Offline and installable: after one visit the lab opens and measures with the network cut; a
// new version of the site is offered, not forced, and replaces the old one's cache.
import assert from "node:assert/strict";
import { readFile } from "node:fs/promises";
import path from "node:path";
import { after, before, test } from "node:test";
import type { Browser, Page } from "playwright-core";

import { readBitmap } from "./bitmap.js";
import { assertAccessible, launch, open, sitePath, start } from "./browser.js";
import { FIELD, recordAllMoons, setDate } from "./lab.js";
import { serve } from "./serve.mjs";

let browser: Browser;
before(async () => {
  browser = await launch();
});
after(async () => {
  await browser.close();
});

async function siteCaches(page: Page): Promise<string[]> {
  return page.evaluate(async () => (await caches.keys()).filter((n) => n.startsWith("jovitrack-site-")));
}

// The brightness of the view's pixel over Jupiter's centre: the planet's picture was drawn.
async function jupiterDrawn(page: Page): Promise<boolean> {
  await page.waitForFunction(
    ({ cx, cy, w, h }) => {
      const canvas = document.querySelector<HTMLCanvasElement>("#scope");
      const ctx = canvas?.getContext("2d");
      if (!canvas || !ctx) return false;
      const [r, g, b] = ctx.getImageData(Math.round((cx * canvas.width) / w), Math.round((cy * canvas.height) / h), 1, 1).data;
      return (r ?? 0) + (g ?? 0) + (b ?? 0) > 150;
    },
    { cx: FIELD.cx, cy: FIELD.cy, w: FIELD.width, h: FIELD.height },
    { timeout: 10000 },
  );
  return true;
}

// The view drew the page's copy of the desktop's bitmap: the browser decodes the copy it was
// served (with the network cut: from the offline copy) to exactly the bitmap's pixels, and the
// view's pixel over Jupiter's centre has the bitmap's colour there, averaged over what that
// pixel covers of the picture scaled into the field at 100X.
async function assertDrawsBitmap(page: Page, url: string): Promise<void> {
  const name = decodeURIComponent(new URL(url).pathname.split("/").pop() ?? "");
  assert.match(name, /^Jup\d{3}\.webp$/);
  const bitmap = readBitmap(await readFile(path.join(sitePath, "bin/Rotation BMPs", name.replace(/\.webp$/, ".BMP"))));
  const shown = await page.evaluate(
    async ({ address, cx, cy }) => {
      const picture = await createImageBitmap(await (await fetch(address)).blob());
      const decoder = new OffscreenCanvas(picture.width, picture.height).getContext("2d");
      const view = document.querySelector<HTMLCanvasElement>("#scope");
      const viewCtx = view?.getContext("2d");
      if (!decoder || !view || !viewCtx) return null;
      decoder.drawImage(picture, 0, 0);
      const i = Math.floor(cx * view.width);
      const j = Math.floor(cy * view.height);
      return {
        width: picture.width,
        height: picture.height,
        rgba: Array.from(decoder.getImageData(0, 0, picture.width, picture.height).data),
        scale: view.width,
        centre: { x: i + 0.5 - cx * view.width, y: j + 0.5 - cy * view.height },
        pixel: Array.from(viewCtx.getImageData(i, j, 1, 1).data),
      };
    },
    { address: url, cx: FIELD.cx / FIELD.width, cy: FIELD.cy / FIELD.height },
  );
  assert.ok(shown, "the view and the decoded picture");
  assert.deepEqual([shown.width, shown.height], [bitmap.width, bitmap.height]);
  let differ = 0;
  for (let p = 0; p < bitmap.width * bitmap.height; ++p) {
    for (let c = 0; c < 3; ++c) if (shown.rgba[4 * p + c] !== bitmap.rgb[3 * p + c]) ++differ;
  }
  assert.equal(differ, 0, `${name}: values that differ from the bitmap's`);

  // Picture pixels per view pixel: the picture spans Jupiter's diameter at 100X.
  const step = bitmap.width / ((2 * FIELD.pixelsPerRadius * shown.scale) / FIELD.width);
  const px = bitmap.width / 2 + shown.centre.x * step;
  const py = bitmap.height / 2 + shown.centre.y * step;
  const mean = [0, 0, 0];
  let count = 0;
  for (let y = Math.round(py - step / 2); y < Math.round(py + step / 2); ++y) {
    for (let x = Math.round(px - step / 2); x < Math.round(px + step / 2); ++x) {
      for (let c = 0; c < 3; ++c) mean[c] = (mean[c] ?? 0) + (bitmap.rgb[3 * (y * bitmap.width + x) + c] ?? 0);
      ++count;
    }
  }
  const expected = mean.map((v) => v / count);
  const off = expected.map((v, c) => Math.abs(v - (shown.pixel[c] ?? 0)));
  assert.ok(Math.max(...off) <= 6, `${name} at Jupiter's centre: drawn ${shown.pixel.join(" ")}, the bitmap's ${expected.map(Math.round).join(" ")}`);
}

test("after one visit the lab opens and a night is measured with the network cut", async () => {
  // A teacher's options file beside the page, the shipped one with the orbits exercise's clouds
  // switched off (its flag is byte 2317), so that no random cloud covers the picture checked
  // below; offline the lab must start with this copy.
  const options = new Uint8Array(await readFile(path.join(sitePath, "data/JUP_OPTS.INI")));
  assert.equal(options[2317], 1, "the shipped options have clouds in the orbits exercise");
  options[2317] = 0;
  const server = await serve(sitePath, new Map([["/JUP_OPTS.INI", options]]));
  const { context, page } = await open(browser, undefined, server.url);
  await page.locator("#offline-note", { hasText: "works without the network" }).waitFor({ timeout: 60000 });
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  assert.equal((await siteCaches(page)).length, 1);
  const teacherKept = await page.evaluate(async () => {
    const kept = await (await caches.open("jovitrack-teacher")).match(new URL("JUP_OPTS.INI", location.href).href);
    return kept ? (await kept.arrayBuffer()).byteLength : 0;
  });
  assert.equal(teacherKept, options.length, "the teacher's file kept for offline by the visit that installed the worker");
  // Installable: the browser finds the manifest sound and nothing missing but a profile of its
  // own (the test's browser runs as a private window).
  const cdp = await context.newCDPSession(page);
  assert.deepEqual((await cdp.send("Page.getAppManifest")).errors, []);
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors.map((e) => e.errorId).filter((id) => id !== "in-incognito"), []);

  // The host goes away and the device drops off the network.
  server.close();
  await context.setOffline(true);
  const failed: string[] = [];
  // Every request is answered from the offline copy; only the worker's try of the network for
  // a teacher's newer options file fails (and the lab starts with the settings it had).
  page.on("requestfailed", (r) => {
    if (!r.url().endsWith("/JUP_OPTS.INI")) failed.push(r.url());
  });
  // The first picture of Jupiter the lab shows after the reload.
  const picture = page.waitForRequest((r) => /\/Rotation%20BMPs\/Jup\d{3}\.[a-z]+$/i.test(r.url()));
  await page.reload();
  await start(page);
  assert.ok(await jupiterDrawn(page));
  await assertDrawsBitmap(page, (await picture).url());
  await setDate(page, "2026-02-03", "21:00:00");
  assert.ok(await jupiterDrawn(page));
  assert.ok((await recordAllMoons(page)) > 0);
  await page.getByRole("button", { name: "Next" }).click();
  assert.equal(await page.locator(".measurements tbody tr").count(), 1);
  await page.getByRole("button", { name: "Help" }).click();
  await page.locator("#help-panel a, #help-panel button").first().waitFor();
  assert.deepEqual(failed, []);
  assert.deepEqual((page as Page & { errors: string[] }).errors, []);
  await context.close();
});

test("a new version is offered beside the work and replaces the cached one", async () => {
  const replaced = new Map<string, string>();
  const server = await serve(sitePath, replaced);
  try {
    const { context, page } = await open(browser, undefined, server.url);
    await page.locator("#offline-note", { hasText: "works without the network" }).waitFor({ timeout: 60000 });
    const [first] = await siteCaches(page);
    await start(page);

    // The host now has a new version of the site: a different worker.
    const worker = await readFile(path.join(sitePath, "sw.js"), "utf8");
    const next = worker.replace(/(version"?:")[0-9a-f]{16}/, (_, key: string) => `${key}0123456789abcdef`);
    assert.notEqual(next, worker, "the worker names its version");
    replaced.set("/sw.js", next);
    await page.evaluate(async () => {
      const registration = await navigator.serviceWorker.getRegistration();
      await registration?.update();
    });
    const notice = page.locator("#offline-note", { hasText: "A new version of the lab is ready." });
    await notice.waitFor({ timeout: 60000 });
    // The notice waits for the student: the lab goes on meanwhile, and it is accessible.
    assert.equal(await page.locator("#scope").isVisible(), true);
    await assertAccessible(page, "the update notice");
    // The page reloads itself on the switch: waited for from before the click, so that a quick
    // reload is not missed.
    await Promise.all([page.waitForEvent("load"), page.getByRole("button", { name: "Update now" }).click()]);
    await page.getByLabel("Students' names").waitFor();
    assert.deepEqual(await siteCaches(page), ["jovitrack-site-0123456789abcdef"]);
    assert.notEqual(first, "jovitrack-site-0123456789abcdef");
    await context.close();
  } finally {
    server.close();
  }
});
