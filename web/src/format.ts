// How the page writes dates, times and numbers: one way everywhere.
import { t } from "./messages.js";

export interface CalendarTime {
  year: number;
  month: number; // 1..12
  day: number;
  hour: number;
  minute: number;
  second: number; // may carry a fraction
}

function pad(n: number, width: number): string {
  const s = String(Math.abs(n)).padStart(width, "0");
  return n < 0 ? `-${s}` : s;
}

// "2027-01-15" (years before 1000 and after 9999 keep their digits; negative years a sign).
export function dateText(c: CalendarTime): string {
  return `${pad(c.year, 4)}-${pad(c.month, 2)}-${pad(c.day, 2)}`;
}

// "03:00:00": the seconds rounded down, so 59.6 s never shows as 60.
export function timeText(c: CalendarTime): string {
  return `${pad(c.hour, 2)}:${pad(c.minute, 2)}:${pad(Math.floor(c.second), 2)}`;
}

// The local wall-clock time of a UT instant in the browser's zone (or `zone`), "21:00:00 (CET)";
// empty for years the browser's clock cannot hold.
export function localTimeText(c: CalendarTime, zone?: string): string {
  const ms = Date.UTC(c.year, c.month - 1, c.day, c.hour, c.minute, Math.floor(c.second));
  if (!Number.isFinite(ms)) return "";
  const date = new Date(ms);
  // Date.UTC maps years 0..99 onto 1900..1999.
  if (c.year >= 0 && c.year < 100) date.setUTCFullYear(c.year);
  const options: Intl.DateTimeFormatOptions = {
    hour: "2-digit",
    minute: "2-digit",
    second: "2-digit",
    hourCycle: "h23",
    timeZoneName: "short",
  };
  if (zone !== undefined) options.timeZone = zone;
  const parts = new Intl.DateTimeFormat("en-GB", options).formatToParts(date);
  const get = (type: Intl.DateTimeFormatPartTypes): string =>
    parts.find((p) => p.type === type)?.value ?? "";
  const dayOptions: Intl.DateTimeFormatOptions = { year: "numeric", month: "numeric", day: "numeric" };
  if (zone !== undefined) dayOptions.timeZone = zone;
  const dayParts = new Intl.DateTimeFormat("en-CA", dayOptions).formatToParts(date);
  const dget = (type: Intl.DateTimeFormatPartTypes): string =>
    dayParts.find((p) => p.type === type)?.value ?? "";
  const localDate = dateText({
    year: Number(dget("year")),
    month: Number(dget("month")),
    day: Number(dget("day")),
    hour: 0,
    minute: 0,
    second: 0,
  });
  const time = `${get("hour")}:${get("minute")}:${get("second")} ${get("timeZoneName")}`.trim();
  return localDate === dateText(c) ? time : `${localDate} ${time}`;
}

// A typed date and time back as calendar numbers, or null when they are not written as
// "2027-01-15" and "03:00:00" (seconds optional) with values in range.
export function parseDateTime(date: string, time: string): CalendarTime | null {
  const d = /^\s*(-?\d{1,4})-(\d{1,2})-(\d{1,2})\s*$/.exec(date);
  const tm = /^\s*(\d{1,2}):(\d{2})(?::(\d{2}))?\s*$/.exec(time);
  if (!d || !tm) return null;
  const c: CalendarTime = {
    year: Number(d[1]),
    month: Number(d[2]),
    day: Number(d[3]),
    hour: Number(tm[1]),
    minute: Number(tm[2]),
    second: tm[3] === undefined ? 0 : Number(tm[3]),
  };
  if (c.month < 1 || c.month > 12 || c.day < 1 || c.day > 31) return null;
  if (c.hour > 23 || c.minute > 59 || c.second > 59) return null;
  return c;
}

// An offset in Jupiter diameters as the reading and the table write it: two decimals, the
// sign taken off and said in words ("1.23 west"); 0.00 carries no side.
export function offsetText(offset: number): string {
  const size = Math.abs(offset).toFixed(2);
  if (size === "0.00") return size;
  return `${size} ${offset < 0 ? t("east") : t("west")}`;
}

// An offset as the table lists it: signed (east negative, as its caption says), two decimals.
export function signedOffsetText(offset: number): string {
  const text = offset.toFixed(2);
  return text === "-0.00" ? "0.00" : text;
}

// A signed value with sensible digits for the analysis' read-outs (no exponent for the
// numbers a student meets: days, diameters, Julian dates).
export function numberText(value: number, decimals: number): string {
  if (!Number.isFinite(value)) return "—";
  return value.toFixed(decimals);
}

// A large quantity in powers of ten as a textbook writes it: 1.900e27 with 4 significant digits
// is "1.900 × 10²⁷".
export function powerOfTenText(value: number, significant: number): string {
  if (!Number.isFinite(value)) return "—";
  const [mantissa, exponent] = value.toExponential(significant - 1).split("e");
  const superscript = "⁰¹²³⁴⁵⁶⁷⁸⁹";
  const power = Number(exponent)
    .toString()
    .replace(/-/, "⁻")
    .replace(/[0-9]/g, (d) => superscript[Number(d)] ?? d);
  return `${mantissa} × 10${power}`;
}

// A date the core writes as the desktop's dialogs do ("2027/01/15") in the page's one way of
// writing dates ("2027-01-15").
export function dashedDate(slashed: string): string {
  return slashed.replace(/^(\d{4})\/(\d\d)\/(\d\d)$/, "$1-$2-$3");
}
