// The browser the end-to-end tests drive: Debian's chromium, headless, without network calls
// of its own; and the accessibility check every view passes.
import AxeBuilder from "@axe-core/playwright";
import assert from "node:assert/strict";
import { chromium, type Browser, type BrowserContext, type Page } from "playwright-core";

export const siteUrl = process.env["JOVI_URL"] ?? "http://127.0.0.1:8000/";
export const sitePath = process.env["JOVI_SITE"] ?? "../build-web";

export async function launch(): Promise<Browser> {
  return chromium.launch({
    executablePath: process.env["CHROMIUM"] ?? "/usr/bin/chromium",
    args: [
      "--headless",
      "--no-sandbox",
      "--disable-gpu",
      "--disable-quic",
      "--no-first-run",
      "--disable-background-networking",
      "--disable-component-update",
      "--disable-sync",
    ],
  });
}

export interface Device {
  width: number;
  height: number;
  touch?: boolean;
  scale?: number;
}

export async function open(
  browser: Browser,
  device: Device = { width: 1366, height: 768 },
  url: string = siteUrl,
): Promise<{ context: BrowserContext; page: Page }> {
  const context = await browser.newContext({
    viewport: { width: device.width, height: device.height },
    deviceScaleFactor: device.scale ?? 1,
    hasTouch: device.touch ?? false,
    isMobile: false,
    acceptDownloads: true,
    timezoneId: "Europe/Berlin",
  });
  const page = await context.newPage();
  const errors: string[] = [];
  page.on("pageerror", (e) => errors.push(e.message));
  (page as Page & { errors: string[] }).errors = errors;
  await page.goto(url);
  return { context, page };
}

// axe-core finds no violation of WCAG 2.1 A and AA in what the page shows now.
export async function assertAccessible(page: Page, view: string): Promise<void> {
  const result = await new AxeBuilder({ page }).withTags(["wcag2a", "wcag2aa", "wcag21a", "wcag21aa"]).analyze();
  const found = result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`);
  assert.deepEqual(found, [], `accessibility of ${view}`);
}

// The start form filled in and sent; the lab is then shown.
export async function start(page: Page, names = "Ana Lima, Bo Chen", table = "7"): Promise<void> {
  await page.getByLabel("Students' names").fill(names);
  await page.getByLabel("Table number").fill(table);
  await page.getByRole("button", { name: "Start" }).click();
  await page.locator("#scope").waitFor();
}
