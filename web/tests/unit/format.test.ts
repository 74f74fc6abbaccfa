import assert from "node:assert/strict";
import { test } from "node:test";

import { dateText, localTimeText, offsetText, parseDateTime, powerOfTenText, signedOffsetText, timeText } from "../../src/format.js";
import { t } from "../../src/messages.js";
import { checkStudents, fileStem } from "../../src/settings.js";

const at = (year: number, month: number, day: number, hour = 0, minute = 0, second = 0) => ({
  year, month, day, hour, minute, second,
});

test("dates and times are written one way, seconds never rounded up to 60", () => {
  assert.equal(dateText(at(2027, 1, 15)), "2027-01-15");
  assert.equal(dateText(at(812, 3, 4)), "0812-03-04");
  assert.equal(dateText(at(-44, 3, 15)), "-0044-03-15");
  assert.equal(timeText(at(2027, 1, 15, 3, 0, 0)), "03:00:00");
  assert.equal(timeText(at(2027, 1, 15, 23, 59, 59.97)), "23:59:59");
});

test("local time follows the zone and names the date when it differs", () => {
  assert.equal(localTimeText(at(2027, 1, 15, 3), "UTC"), "03:00:00 UTC");
  // New York is behind: the local date is the day before.
  assert.match(localTimeText(at(2027, 1, 15, 3), "America/New_York"), /^2027-01-14 22:00:00 /);
  assert.match(localTimeText(at(2027, 7, 15, 22, 30), "Europe/Berlin"), /^2027-07-16 00:30:00 /);
  // Years 0..99 are not taken for 1900..1999.
  assert.equal(localTimeText(at(50, 6, 1, 12), "UTC"), "12:00:00 UTC");
});

test("typed dates and times are read back or refused", () => {
  const cases: [string, string, ReturnType<typeof parseDateTime>][] = [
    ["2027-01-15", "03:00:00", at(2027, 1, 15, 3)],
    [" 2027-1-5 ", "3:07", at(2027, 1, 5, 3, 7)],
    ["1610-01-07", "23:59:59", at(1610, 1, 7, 23, 59, 59)],
    ["2027/01/15", "03:00:00", null],
    ["15.01.2027", "03:00:00", null],
    ["2027-13-01", "03:00:00", null],
    ["2027-01-00", "03:00:00", null],
    ["2027-01-15", "24:00:00", null],
    ["2027-01-15", "03:60:00", null],
    ["2027-01-15", "3", null],
    ["", "", null],
  ];
  for (const [date, time, want] of cases) assert.deepEqual(parseDateTime(date, time), want, `${date} ${time}`);
});

test("offsets carry their side in words in the reading and a sign in the table", () => {
  assert.equal(offsetText(-1.234), `1.23 ${t("east")}`);
  assert.equal(offsetText(2.5), `2.50 ${t("west")}`);
  assert.equal(offsetText(-0.004), "0.00");
  assert.equal(signedOffsetText(-1.234), "-1.23");
  assert.equal(signedOffsetText(-0.004), "0.00");
  assert.equal(signedOffsetText(12.5), "12.50");
});

test("the students' details are checked and make safe file names", () => {
  assert.equal(checkStudents({ names: "  ", table: "3" }), "names");
  assert.equal(checkStudents({ names: "Ana, Bo", table: "" }), "table");
  assert.equal(checkStudents({ names: "Ana, Bo", table: "3/4" }), "table");
  assert.equal(checkStudents({ names: "Ana, Bo", table: "12345" }), "table");
  assert.equal(checkStudents({ names: "Ana, Bo", table: "12b" }), null);
  assert.equal(fileStem({ names: "Ana", table: " 7 " }, "2027-01-15"), "Table7-2027-01-15");
  assert.equal(fileStem({ names: "Ana", table: "../x" }, "2027-01-15"), "Tablex-2027-01-15");
});

test("catalogue texts take their values and keep unknown ones visible", () => {
  assert.equal(t("importDone", { count: 3 }), "3 records imported.");
  assert.equal(t("importDone"), "{count} records imported.");
});

test("large quantities are written in powers of ten with superscript exponents", () => {
  assert.equal(powerOfTenText(1.8998e27, 4), "1.900 × 10²⁷");
  assert.equal(powerOfTenText(6.674e-11, 4), "6.674 × 10⁻¹¹");
  assert.equal(powerOfTenText(Number.NaN, 4), "—");
});
