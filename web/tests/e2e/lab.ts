// What a student does in the lab, step by step, and what the reference tool says the
// telescope should show.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import path from "node:path";
import type { Page } from "playwright-core";

const cli = process.env["JOVI_CLI"] ?? path.resolve(process.cwd(), "../build/bin/jovitrack-cli");

// The field's size in image pixels and its centre, where Jupiter stands; 10 pixels per
// Jupiter radius at 100X.
export const FIELD = { width: 630, height: 326, cx: 315, cy: 163, pixelsPerRadius: 10 };

export interface MoonPlace {
  moon: number;
  x: number; // Jupiter radii, west positive
  y: number;
}

export function cliLines(...args: string[]): string[] {
  return execFileSync(cli, args, { encoding: "utf8" }).trim().split("\n");
}

// The four moons at a UT Julian date, as the reference tool computes them.
export function scene(jd: number): MoonPlace[] {
  return cliLines("scene", jd.toFixed(6)).map((line) => {
    const [moon, x, y] = line.trim().split(/\s+/).map(Number);
    return { moon: moon ?? 0, x: x ?? 0, y: y ?? 0 };
  });
}

// The moons a student can measure at a date: seen (the perfect observer's table has a value)
// and clear of Jupiter's disc.
export function measurable(jd: number): MoonPlace[] {
  const row = cliLines("table", jd.toFixed(5), jd.toFixed(5), "24").find((l) => l.startsWith(jd.toFixed(5).slice(0, 7)));
  assert.ok(row, `the reference table has a line for ${jd}`);
  const values = row.split(",").slice(1);
  return scene(jd).filter((m) => values[m.moon - 1] !== "" && Math.abs(m.x) > 1.3);
}

export function pixelOf(m: MoonPlace): { x: number; y: number } {
  return {
    x: FIELD.cx + Math.round(m.x * FIELD.pixelsPerRadius),
    y: FIELD.cy + Math.round(m.y * FIELD.pixelsPerRadius),
  };
}

// The page point over the middle of an image pixel of the view.
export async function clientPoint(page: Page, px: { x: number; y: number }): Promise<{ x: number; y: number }> {
  const box = await page.locator("#scope").boundingBox();
  assert.ok(box, "the telescope view is shown");
  return {
    x: box.x + ((px.x + 0.5) * box.width) / FIELD.width,
    y: box.y + ((px.y + 0.5) * box.height) / FIELD.height,
  };
}

export async function readingText(page: Page): Promise<string> {
  return (await page.locator("#reading").textContent()) ?? "";
}

// Waits (at most `ms`) until `read` gives a text that `done` accepts, and returns the last text
// read: the page answers an action on its own time, sooner or later on a busy machine.
export async function settled(read: () => Promise<string>, done: (text: string) => boolean, ms = 5000): Promise<string> {
  const until = Date.now() + ms;
  let text = await read();
  while (!done(text) && Date.now() < until) {
    await new Promise((resolve) => setTimeout(resolve, 25));
    text = await read();
  }
  return text;
}

export const moonNames = ["I. Io", "II. Europa", "III. Ganymede", "IV. Callisto"];

// Sets the clock by typing the date and time and pressing Set.
export async function setDate(page: Page, date: string, time: string): Promise<void> {
  await page.getByLabel("Date (UT)").fill(date);
  await page.getByLabel("Time (UT)").fill(time);
  await page.getByRole("button", { name: "Set" }).click();
}

export async function currentJD(page: Page): Promise<number> {
  const date = await page.getByLabel("Date (UT)").inputValue();
  const time = await page.getByLabel("Time (UT)").inputValue();
  const out = cliLines("jd", date.replace(/-/g, "/"), time);
  return Number(out[0]);
}

// The CSV's records: date and four values (NaN where empty), after its heading.
export function csvRecords(text: string): { jd: number; values: number[] }[] {
  const lines = text.split("\r\n");
  const start = lines.findIndex((l) => l.includes("Julian Date"));
  return lines
    .slice(start + 1)
    .filter((l) => l.trim() !== "")
    .map((l) => {
      const [jd, ...values] = l.split(",");
      return { jd: Number(jd), values: values.map((v) => (v.trim() === "" ? NaN : Number(v.replace("*", "")))) };
    });
}

// Clicks every moon a student can measure now and records it; the moons measured.
export async function recordAllMoons(page: Page): Promise<number> {
  const moons = measurable(await currentJD(page));
  for (const m of moons) {
    const at = await clientPoint(page, pixelOf(m));
    await page.mouse.click(at.x, at.y);
    await page.getByRole("button", { name: "Record" }).click();
  }
  return moons.length;
}
