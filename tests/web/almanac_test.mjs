// The page's Moon Events and the telescope's mutual-event dimming under node, against the native
// jovitrack-cli: a season of the almanac, all events and those visible from two sites, minute for
// minute; the mutual events of a month; the rise, transit and set lines; each moon's light in the
// frame the page paints.
// usage: node almanac_test.mjs WEB_DIR NATIVE_CLI
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import test from 'node:test';

import { loadModule } from './load_module.mjs';

const webDir = path.resolve(process.argv[2] ?? 'build-web');
const cli = path.resolve(process.argv[3] ?? 'build/bin/jovitrack-cli');
const { core } = await loadModule(webDir);

function native(...args) {
  return execFileSync(cli, args, { encoding: 'utf8' }).split('\n').filter(Boolean);
}

// "2026/12/01 21:43": a UT instant to the nearest minute, as the list shows it.
function minuteText(jd) {
  const ms = Math.round(((jd - 2440587.5) * 86400000) / 60000) * 60000;
  const iso = new Date(ms).toISOString();
  return `${iso.slice(0, 10).replace(/-/g, '/')} ${iso.slice(11, 16)}`;
}

// The native lines give each instant to the whole second; at exactly 30 s the listed minute may
// be either neighbour (the page rounds the unrounded instant).
function sameMinute(listed, date, time, jd) {
  if (listed === minuteText(jd)) return true;
  if (!time.endsWith(':30')) return false;
  return listed === minuteText(jd - 1 / 86400) || listed === minuteText(jd + 1 / 86400);
}

const ALL_KINDS = core.moonEventKinds().map(() => true);

// The event lines of the page's list: "2026/12/01 21:43  I.Ec.D    ..." with the altitude
// column after the code when the list shows it.
function pageEvents(events, filter) {
  const lines = events.lines({ moons: [true, true, true, true], kinds: ALL_KINDS, mutual: false, hidden: true, visible: false, ...filter });
  return lines.filter((l) => l.event >= 0).map(({ text }) => ({
    minute: text.slice(0, 16),
    code: text.slice(18, 26).trim(),
    alt: filter.visible ? Number(text.slice(28, 31)) : undefined,
    hidden: text.endsWith(' (hidden)'),
    text,
  }));
}

// 2026 December 1, 0 h UT: a season of 100 days around the opposition of 2027 January.
const FROM = 2461375.5;
const DAYS = 100;

function comparePageWithNative(shown, expected) {
  assert.equal(shown.length, expected.length, 'as many events');
  for (let i = 0; i < expected.length; ++i) {
    const [date, time, jd, code, ...rest] = expected[i].trim().split(/\s+/);
    const page = shown[i];
    const where = `${page.text}\n  native: ${expected[i]}`;
    assert.equal(page.code, code, where);
    assert.ok(sameMinute(page.minute, date, time, Number(jd)), where);
    assert.equal(page.hidden, rest[0] === 'hidden', where);
    const alt = rest.at(-1);
    if (page.alt !== undefined) assert.ok(Math.abs(page.alt - Number(alt)) <= 0.55, `altitude: ${where}`);
  }
}

test('a season of Moon Events is the native almanac, minute for minute', () => {
  const events = new core.MoonEvents();
  assert.equal(events.search(FROM, DAYS, false), DAYS);
  const shown = pageEvents(events, {});
  assert.ok(shown.length > 700, `${shown.length} events`);
  comparePageWithNative(shown, native('almanac', String(FROM), String(FROM + DAYS), '--all'));
});

test('the events visible from a site, typed with its hemispheres, are the native ones', () => {
  const sites = [
    { lat: '52.37N', lon: '4.89E', latitude: 52.37, longitude: 4.89, minAlt: '10', sunBelow: '6' },
    // South and west, by letter before and after the number; other limits.
    { lat: 'S 33.45', lon: '70.67 W', latitude: -33.45, longitude: -70.67, minAlt: '15', sunBelow: '9.5' },
  ];
  for (const site of sites) {
    const place = core.checkPlace(site.lat, site.lon);
    assert.deepEqual(place, { ok: true, latitude: site.latitude, longitude: site.longitude });
    const events = new core.MoonEvents();
    assert.equal(events.setPlace(place), true);
    assert.equal(events.setLimits(site.minAlt, site.sunBelow), '');
    events.search(FROM, DAYS, false);
    const lines = events.lines({ moons: [true, true, true, true], kinds: ALL_KINDS, mutual: false, hidden: true, visible: true });
    const where = core.placeTexts(site.latitude, site.longitude).place;
    assert.ok(lines.some((l) => l.text === `Visible from ${where}.`), where);
    const shown = pageEvents(events, { visible: true });
    assert.ok(shown.length > 100, `${where}: ${shown.length} events`);
    comparePageWithNative(shown, native('almanac', String(FROM), String(FROM + DAYS), '--all', '--lat', String(site.latitude),
                                        '--lon', String(site.longitude), '--min-alt', site.minAlt, '--sun-below', site.sunBelow));
  }
});

test('a site or a limit the core refuses changes nothing', () => {
  const events = new core.MoonEvents();
  for (const [lat, lon, field] of [['52.37', '', 'longitude'], ['95N', '4.89E', 'latitude'], ['-52.37S', '4.89E', 'latitude'],
                                   ['52.37N', '190E', 'longitude'], ['', '', 'latitude']]) {
    const check = core.checkPlace(lat, lon);
    assert.equal(check.ok, false, `${lat} ${lon}`);
    assert.equal(check.field, field, `${lat} ${lon}`);
    assert.ok(check.error.length > 0);
  }
  assert.equal(events.setPlace({ latitude: NaN, longitude: 4 }), false);
  assert.equal(events.setPlace({ latitude: 91, longitude: 4 }), false);
  assert.equal(events.setLimits('100', '6'), "Jupiter's least altitude is a number of degrees from 0 to 90.");
  assert.deepEqual(events.limits(), { minAlt: '10', sunBelow: '6' });
  events.search(FROM, 7, false);
  // Without a site "visible" lists every event.
  assert.deepEqual(pageEvents(events, { visible: true }).map((e) => e.text), pageEvents(events, {}).map((e) => e.text));
  assert.deepEqual(events.riseTransitSet('UTC', () => 0), []);
});

test('the mutual events of a month are the native ones', () => {
  const events = new core.MoonEvents();
  events.search(FROM, 30, true);
  const shown = pageEvents(events, { mutual: true }).filter((e) => /^\d[OE]\d[PAT]$/.test(e.code));
  const expected = native('mutual', String(FROM), String(FROM + 30), '--all');
  assert.ok(expected.length > 20);
  assert.equal(shown.length, expected.length);
  expected.forEach((line, i) => {
    const [date, begin, , , code, , hidden] = line.split(/\s+/);
    const page = shown[i];
    assert.equal(page.code, code, `${page.text}\n  native: ${line}`);
    assert.equal(page.hidden, hidden === 'hidden', `${page.text}\n  native: ${line}`);
    const jd = Number(native('jd', date, begin)[0]);
    assert.ok(sameMinute(page.minute, date, begin, jd), `${page.text}\n  native: ${line}`);
  });
});

test('rise, transit and set at the site are the native ones', () => {
  const events = new core.MoonEvents();
  events.setPlace({ latitude: -33.45, longitude: -70.67 });
  events.search(2461416, 1, false); // 2027 January 10, 12 h UT
  const lines = events.riseTransitSet('Test/Minus3', () => 3);
  assert.ok(lines.some((l) => l.includes('(time zone Test/Minus3)')), lines.join('\n'));
  const labels = {
    'jupiter-rise': 'Jupiter rises:', 'jupiter-transit': 'Jupiter transits:', 'jupiter-set': 'Jupiter sets:',
    'sun-rise': 'Sunrise:', 'sun-set': 'Sunset:',
  };
  for (const line of native('riseset', '2027/01/10', '--lat', '-33.45', '--lon', '-70.67', '--zone', '3')) {
    const [what, , local, jd] = line.split(/\s+/);
    const shown = lines.find((l) => l.trim().startsWith(labels[what]));
    assert.ok(shown, `${what} in\n${lines.join('\n')}`);
    assert.ok(shown.includes(`${local} local`) && shown.includes(`(JD ${jd})`), `${shown}\n  native: ${line}`);
  }
});

test("each moon's light in the telescope's frame is the native one", () => {
  // Clouds would hide the moons: the teacher's options file beside the page turns them off.
  const instructor = new core.Instructor();
  assert.equal(instructor.unlock('TARN'), 'ok');
  const values = {};
  for (const c of instructor.controls()) values[c.name] = c.kind === 'check' ? c.checked : c.value;
  values.NCloudsBox = false;
  const password = instructor.password();
  assert.equal(instructor.apply(values, password, password), 'stored');
  const folder = core.teacherOptionsFolder();
  if (!core.FS.analyzePath(folder).exists) core.FS.mkdir(folder);
  core.FS.writeFile(folder + core.optionsFileName(), instructor.fileBytes());

  const lab = new core.Lab('A. Student', '7');
  assert.equal(lab.started(), true, lab.message());
  const instants = [
    [2461377.407677, 'Ganymede eclipses Europa, at the middle'],
    [2461380.304032, 'Europa occults Ganymede, at the middle'],
    [2461377.45, 'an hour later, no event'],
    [2448300.586687, "1991: Europa's shadow on Io"],
  ];
  for (const [jd, what] of instants) {
    assert.equal(lab.setJD(jd), true, what);
    const frame = lab.frame();
    assert.equal(frame.clouded, false, what);
    const expected = native('light', String(jd)).map((l) => Number(l.split(' ')[1]));
    frame.light.forEach((l, k) => assert.ok(Math.abs(l - expected[k]) < 2e-6, `${what}: moon ${k + 1} ${l} ${expected[k]}`));
    assert.equal(expected.some((l) => l < 0.9), !what.includes('no event'), what);
  }
});
