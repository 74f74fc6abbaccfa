// The browser module under node: loaded as the page loads it (its data written into its file
// system from build-web/data/files.txt), answering as the core does.
// usage: node module_test.mjs WEB_DIR
import assert from 'node:assert/strict';
import path from 'node:path';
import test from 'node:test';

import { loadModule } from './load_module.mjs';

const { core, files } = await loadModule(path.resolve(process.argv[2] ?? 'build-web'));

test('the data list names the files the core reads', () => {
  for (const name of ['Leap Seconds.txt', 'Outer_Pl_Tbl.dat', 'JUP_OPTS.INI', 'Rotation BMPs/Jup001.webp']) {
    assert.ok(files.includes(name), name);
  }
  // The site's pictures are the page's copies; the desktop's bitmaps and pointers stay out.
  assert.deepEqual(files.filter((n) => /\.(bmp|cur|ico)$/i.test(n)), []);
});

test('time conversions', () => {
  assert.equal(core.julianDate(2000, 1, 1, 12, 0, 0), 2451545.0);
  assert.equal(core.julianDate(1610, 1, 7, 0, 0, 0), 2309106.5);
  for (const bad of [[2027, 2, 30, 0, 0, 0], [2027, 13, 1, 0, 0, 0], [2027, 1, 1, 24, 0, 0],
                     [2027, 1, 1, 0, 0, 60], [2027, 1, 1, 0, 0, NaN]]) {
    assert.equal(core.julianDate(...bad), -1, bad.join(' '));
  }
  assert.deepEqual(core.calendar(2461420.625),
                   { year: 2027, month: 1, day: 15, hour: 3, minute: 0, second: 0 });
  // TT - UTC: 32 leap seconds plus 32.184 s in 2000, 37 + 32.184 s from 2017.
  assert.ok(Math.abs(core.deltaT(2451545.0) - 64.184) < 1e-6);
  assert.ok(Math.abs(core.deltaT(2461420.5) - 69.184) < 1e-6);
  const jde = core.tdtFromUt(2461420.5);
  assert.ok(Math.abs(core.utFromTdt(jde) - 2461420.5) < 1e-9);
  assert.deepEqual(core.takeMessages(), []);
});

test('the scene is the native tool\'s', () => {
  // jovitrack-cli scene 2451545.0 (x86-64): Io 1.281501 0.293193 5.738188, Callisto -21.361715.
  const scene = core.scene(2451545.0);
  assert.equal(scene.jupiterFailed, false);
  const [io, , , callisto] = scene.moons;
  assert.ok(Math.abs(io.x - 1.281501) < 2e-6 && Math.abs(io.y - 0.293193) < 2e-6);
  assert.ok(Math.abs(io.z - 5.738188) < 2e-6);
  assert.ok(Math.abs(callisto.x + 21.361715) < 2e-6);
  assert.equal(io.occulted, false);
});

test('the telescope frame and the cross-hair reading', () => {
  const scope = new core.TelescopeSession();
  assert.equal(scope.start(2461420.625), true, core.takeMessages().join('\n'));
  const at100 = scope.frame();
  assert.ok(at100.picture >= 1 && at100.picture <= 573);
  // The page's copy of the desktop's bitmap.
  assert.equal(at100.picturePath, `Rotation BMPs/Jup${String(at100.picture).padStart(3, '0')}.webp`);
  assert.ok(files.includes(at100.picturePath));
  assert.equal(at100.magnificationLabel, ' 100x ');
  assert.equal(at100.labels.jd, 'Jul. Day: 2461420.625000');
  assert.equal(at100.labels.date, 'January 15, 2027');
  assert.equal(at100.pixels.length, 4);

  scope.setMagnification(4);
  const at400 = scope.frame();
  assert.equal(at400.magnificationLabel, ' 400x ');
  // Four times as far from Jupiter's centre (each pixel rounded).
  const dx100 = at100.pixels[0].x - at100.centreX;
  const dx400 = at400.pixels[0].x - at400.centreX;
  assert.ok(Math.abs(dx400 - 4 * dx100) <= 4, `${dx100} ${dx400}`);
  scope.setMagnification(9);  // ignored
  assert.equal(scope.frame().magnification, 4);

  // On a moon the reading names it; on empty sky it names none.
  const io = at400.pixels[0];
  const onIo = scope.readAt(io.x, io.y);
  assert.equal(onIo.moon, 1);
  assert.equal(onIo.id, 'I. Io');
  assert.match(onIo.reading, /^X = \d+\.\d\d[EW] \(Jup\. Diam\.\)/);
  const nothing = scope.readAt(2, 2);
  assert.equal(nothing.moon, 0);
  assert.equal(nothing.id, '');

  // The clock: a step moves the observation time and the labels with it.
  assert.equal(scope.step(1), true);
  assert.ok(Math.abs(scope.julianDate() - (2461420.625 + 1 / 24)) < 1e-9);
  assert.equal(scope.frame().labels.ut, 'UT:  4 Hrs, 00 Min, 00 Sec');
});

test('the light-time analysis over an event list', () => {
  // Io's eclipses as jovitrack-cli events gives them, one of another moon, one leaving.
  const csv = [
    'UT Date,UT Time,Julian Date,Event,Distance (AU),Distance (km)',
    '2027/01/01,05:49:41,2461406.74284,"Io is entering eclipse.",4.60412,6.88767E+08',
    '2026/09/17,01:25:24,2461300.559301,"Io is entering eclipse.",6.06781,9.07732E+08',
    '2026/11/09,03:37:15,2461353.65087,"Io enters eclipse",5.37456,8.04023E+08',
    '2026/11/10,03:00:00,2461354.625,"Europa is entering eclipse.",5.36,8.01846E+08',
    '2027/02/25,04:53:41,2461461.703951,"Io is leaving Eclipse.",4.39432,6.57381E+08',
  ].join('\r\n') + '\r\n';
  const fit = new core.LightTimeFit(csv, 0);
  try {
    assert.equal(fit.error(), '');
    assert.equal(fit.count(0), 3);
    assert.equal(fit.count(1), 1);
    assert.equal(fit.count(7), 0);
    assert.equal(fit.startPeriodDays(), 1.769);

    // The student's own period: the delays are the instants' lateness, the first event's nothing.
    const period = 1.7698;
    fit.setModel(period, false, -3000, 500);
    assert.equal(fit.size(), 3);
    const first = fit.point(0);
    assert.equal(first.julianDate, 2461300.559301);
    assert.equal(first.text, 'Io is entering eclipse.');
    assert.equal(first.delaySeconds, 0);
    const last = fit.point(2);
    assert.equal(last.orbits, Math.round((last.julianDate - first.julianDate) / period));
    const late = (last.julianDate - first.julianDate - last.orbits * period) * 86400;
    assert.ok(Math.abs(last.delaySeconds - late) < 1e-3, `${last.delaySeconds} ${late}`);
    assert.equal(last.distanceAU, 4.60412);
    assert.equal(fit.point(3), null);
    assert.ok(Number.isFinite(fit.residualSeconds()));
    assert.ok(Math.abs(fit.speedOfLightKmPerS() - 149597870.66 / 500) < 1e-6);
    const plot = fit.plot();
    assert.ok(plot.minAU <= 4.60412 && plot.maxAU >= 6.06781);
    assert.ok(plot.minDelay <= -3000 + 500 * plot.minAU && plot.maxDelay >= late);

    // Allowing for the irregularities changes the delays but not the first.
    fit.setModel(period, true, -3000, 500);
    assert.equal(fit.point(0).delaySeconds, 0);
    assert.notEqual(fit.point(2).delaySeconds, last.delaySeconds);

    // One event leaving: no residual; a slope of nothing: no speed.
    fit.setPhase(1);
    fit.setModel(period, false, 0, 0);
    assert.equal(fit.size(), 1);
    assert.ok(Number.isNaN(fit.residualSeconds()));
    assert.ok(Number.isNaN(fit.speedOfLightKmPerS()));
  } finally {
    fit.delete();
  }

  const bad = new core.LightTimeFit('not an event list', 0);
  assert.match(bad.error(), /heading/);
  assert.equal(bad.count(0), 0);
  assert.equal(bad.size(), 0);
  assert.ok(Number.isNaN(bad.residualSeconds()));
  bad.delete();
});

test('the light-time lab: the stop at an eclipse, Record Event and the list the page keeps', () => {
  const lab = new core.Lab('Ana Lima', '7', 'light-time');
  const log = new core.EventLog(lab);
  try {
    assert.ok(lab.started());
    assert.equal(lab.exercise(), 'light-time');
    assert.equal(lab.caption(), 'ZEVA Exercise - Lumitrack');
    assert.ok(lab.stopOnEclipseAllowed());
    assert.equal(lab.setStopOnEclipse(true), true);

    // Io leaves Jupiter's shadow at 2461481.173053 (jovitrack-cli events): one-minute steps
    // from five minutes before stop at the first one after it, naming the moon.
    const egress = 2461481.173053;
    assert.ok(lab.setJD(egress - 5 / 1440));
    lab.play(true);
    let steps = 0;
    while (!lab.eclipseStop() && steps < 10) {
      assert.ok(lab.step(1 / 60));
      ++steps;
    }
    assert.deepEqual(lab.eclipseStop(), { moon: 1, entered: false });
    assert.equal(lab.playing(), false);
    const stoppedAt = lab.time().jd;
    assert.ok(stoppedAt >= egress && stoppedAt - egress < 60 / 86400, `${stoppedAt}`);
    lab.continueAnimation();
    assert.equal(lab.playing(), true);
    assert.equal(lab.eclipseStop(), null);

    // The record dialog's fields at the telescope's time; two records at one instant are two.
    const fields = log.fields();
    assert.equal(fields.julianDate, stoppedAt.toFixed(6));
    assert.match(fields.au, /^\d\.\d{5}$/);
    assert.deepEqual(log.choices(), ['Io is entering eclipse.', 'Io is leaving Eclipse.']);
    assert.equal(log.record('Io is leaving Eclipse.'), 1);
    assert.equal(log.record('x'.repeat(90)), 2);
    assert.equal(log.list()[1].text, 'x'.repeat(80));
    assert.equal(log.list()[0].julianDate, fields.julianDate);

    // What the page keeps comes back whole, duplicates and all; a file adds only what is new.
    const kept = log.csv();
    const again = new core.EventLog(lab);
    assert.equal(again.restore(kept), true);
    assert.equal(again.csv(), kept);
    assert.deepEqual(again.importCsv(kept), { error: '', added: 0, already: 2 });
    assert.equal(again.restore('not an event list'), false);
    assert.equal(again.list().length, 0);
    again.delete();

    // Corrections, one undo, and a damaged file that changes nothing.
    assert.ok(log.setText(1, 'Io is leaving Eclipse.'));
    assert.ok(log.remove(0));
    assert.equal(log.list().length, 1);
    assert.ok(log.undo());
    assert.equal(log.list().length, 2);
    assert.equal(log.list()[1].text, 'Io is leaving Eclipse.');
    assert.equal(log.canUndo(), false);
    assert.equal(log.remove(5), false);
    const damaged = log.importCsv(kept.replace(/2461\d+\.\d+/, 'soon'));
    assert.match(damaged.error, /^line 2: /);
    assert.equal(log.csv().split('\r\n').length, kept.split('\r\n').length);
    assert.match(log.phenomena()[0], /^Jupiter phenomena occurring near March 16, 2027/);
  } finally {
    log.delete();
    lab.delete();
  }
});
