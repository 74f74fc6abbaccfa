// The lab's core, compiled to WebAssembly: every decision of the telescope, the table and the
// analysis is asked of it. These are the shapes of its answers as the page reads them.
import type { CalendarTime } from "./format.js";

export interface MoonMark {
  cross: boolean; // an eclipsed moon is drawn as a cross
  moon: number; // 1..4
  x: number;
  y: number;
  colour: string; // CSS colour
}

export interface Rect {
  left: number;
  top: number;
  right: number;
  bottom: number;
}

export interface TelescopeFrame {
  width: number; // the field in image pixels
  height: number;
  picture: string; // Jupiter's picture, a path under the site's data folder
  cloud: string; // the clouds' picture when clouded
  glyph: { before: number; after: number };
  marks: MoonMark[];
  light: number[]; // each moon's light in a mutual event (its mark's colour is dimmed by it)
  clouded: boolean;
  magnification: number; // 1..4
}

export interface Reading {
  moon: number; // 1..4, 0 for none
  offset: number; // Jupiter diameters, west positive
}

export interface TableRecord {
  jd: number;
  time: CalendarTime;
  offsets: number[]; // four values; NaN where not measured
  included: boolean[];
}

export type ImportResult = "taken" | "wrong-extension" | "unreadable" | "no-records";

export interface ImportOutcome {
  result: ImportResult;
  error: string;
  records: number;
  skipped: number;
}

export interface TopViewPlan {
  width: number;
  height: number;
  boxes: number[][]; // Jupiter's disc, then the four orbits: left, top, right, bottom
  orbits: boolean;
  arrow: number[]; // top left of the arrow towards the Earth
  text: number[];
  toEarth: string;
  zone: number[][]; // the eclipse zone's lines
  jupiter: string;
  orbitColour: string;
  zoneColour: string;
  textColour: string;
  moons: { moon: number; x: number; y: number; mark: "dot" | "plus" | "none"; size: number; colour: string }[];
}

export interface Lab {
  topView(icon: number): TopViewPlan;
  time(): CalendarTime & { jd: number };
  setTime(c: CalendarTime): boolean;
  setJD(jd: number): boolean;
  step(hours: number): boolean;
  next(hours: number): boolean; // commits a pending record, then steps
  setMagnification(m: number): void;
  frame(): TelescopeFrame;
  jupiterRect(pictureWidth: number, pictureHeight: number): Rect;
  readingAt(x: number, y: number): Reading;
  record(x: number, y: number): boolean;
  pending(): TableRecord | null;
  table(): TableRecord[];
  setIncluded(index: number, moon: number, included: boolean): boolean;
  deleteRecord(index: number): boolean;
  undo(): boolean;
  canUndo(): boolean;
  editRecord(index: number, fields: string[]): number; // 0 when taken, else the first bad moon
  valueText(offset: number, included: boolean): string; // as the edit fields show a value
  csvText(zoneHours: number): string;
  datBytes(): Uint8Array<ArrayBuffer>;
  importFile(name: string, bytes: Uint8Array, merge: boolean): ImportOutcome;
  pendingBytes(): Uint8Array<ArrayBuffer>;
  restorePending(bytes: Uint8Array): void;
}

export interface PlotShape {
  kind: "line" | "frame" | "ellipse" | "text" | "polyline";
  ink: "background" | "text" | "point" | "excluded" | "curve" | "cross";
  colour: string;
  x1: number;
  y1: number;
  x2: number;
  y2: number;
  text?: string;
  points?: number[];
}

export interface AnalysisFrame {
  width: number;
  height: number;
  shapes: PlotShape[];
  tzero: number | null; // null while no curve is shown
  period: number | null;
  amplitude: number | null;
  jupiterMass: number | null; // kg, from the fitted period and radius
  crossDay: number | null;
  crossOffset: number | null;
  rms: number | null;
  rmsWorse: boolean;
  rmsFirst: boolean; // nothing before it to compare with
}

export interface AnalysisCore {
  moons(): boolean[];
  selectMoon(moon: number): void;
  moon(): number;
  setParameters(tzero: string, period: string, amplitude: string): string;
  parameters(): { tzero: string; period: string; amplitude: string };
  moveSlider(slider: number, position: number): void;
  resetSlider(slider: number): void;
  setFine(fine: boolean): void;
  press(x: number, y: number): void;
  move(x: number, y: number): void;
  release(x: number, y: number): void;
  togglePoint(x: number, y: number): boolean;
  frame(): AnalysisFrame;
}

export interface HelpEntry {
  title: string;
  file: string;
  heading: boolean;
}

export interface HelpCore {
  helpEntries(listText: string): HelpEntry[];
  topicText(fileText: string, title: string): { lines: string[]; related: number } | null;
}

// The lab session's settings the page applies itself.
export interface LabSettings {
  observationStepHours: number;
  animationStepHours: number;
  animationTimerMs: number;
  allowAnimation: boolean;
  allowTopView: boolean;
  labTable: string;
}

export interface OptionControl {
  name: string; // the desktop options dialog's control
  kind: "check" | "text";
  checked?: boolean;
  value?: string;
}

export type ApplyOutcome = "stored" | "password-changed" | "password-not-confirmed" | "bad-number" | "locked";

export interface InstructorCore {
  unlock(typed: string): "ok" | "again" | "denied";
  lock(): void;
  controls(): OptionControl[];
  apply(values: Record<string, string | boolean>, password: string, confirmation: string): ApplyOutcome;
  password(): string;
  fileBytes(): Uint8Array<ArrayBuffer>;
}

export interface AlmanacLine {
  text: string;
  event: number; // -1 for headings and notes
}

export interface MoonEventsCore {
  search(fromUT: number, days: number, mutual: boolean): number; // the span searched
  lines(filter: { moons: boolean[]; kinds: boolean[]; mutual: boolean; hidden: boolean; visible: boolean }): AlmanacLine[];
  goTo(event: number): number; // NaN for none
  setPlace(place: ObservingPlace | null): boolean; // false: no place
  setLimits(minAlt: string, sunBelow: string): string; // the first refusal's reason, or ""
  limits(): { minAlt: string; sunBelow: string };
  // The lines of Jupiter's and the Sun's rise, transit and set on the date searched from, in
  // the zone named, whose UT minus local time in hours at a UT Julian date `hoursAt` gives.
  riseTransitSet(zone: string, hoursAt: (jd: number) => number): string[];
}

// Degrees, north and east positive.
export interface ObservingPlace {
  latitude: number;
  longitude: number;
}

export type PlaceCheck = ({ ok: true } & ObservingPlace) | { ok: false; error: string; field: "latitude" | "longitude" };

export interface MoonEventsModule {
  MoonEvents: new () => MoonEventsCore;
  moonEventKinds(): { code: string; title: string }[];
  almanacSpan(): { fewest: number; most: number; first: number };
  checkPlace(latitude: string, longitude: string): PlaceCheck;
  placeTexts(latitude: number, longitude: number): { latitude: string; longitude: string; place: string };
}

export interface HotlistCore {
  lines(): string[];
  choose(line: number): number; // NaN for none
  add(jd: number, note: string): void;
  remove(line: number): boolean;
  bytes(): Uint8Array<ArrayBuffer> | null; // the list's file as the desktop saves it
}

export interface HotlistModule {
  Hotlist: new (lab: Lab, saved: Uint8Array | null) => HotlistCore;
}

// The telescope in the light-time exercise: the features' stop at an eclipse.
export interface EclipseStop {
  moon: number; // 1..4
  entered: boolean; // entering the shadow, else leaving it
}

export interface LightLab {
  exercise(): Exercise;
  caption(): string; // the desktop window's caption for the exercise
  stopOnEclipseAllowed(): boolean;
  setStopOnEclipse(stop: boolean): boolean;
  play(playing: boolean): void;
  playing(): boolean;
  eclipseStop(): EclipseStop | null;
  continueAnimation(): void;
  dismissEclipseStop(): void;
}

export type Exercise = "orbits" | "light-time";

// What the record dialog shows for an instant, as the core writes it.
export interface EventFields {
  julianDate: string;
  date: string; // UT
  time: string; // UT
  au: string;
  km: string;
}

export interface EventLogCore {
  zoneHours(): number;
  fields(): EventFields;
  choices(): string[];
  longestText(): number;
  record(text: string): number;
  list(): (EventFields & { text: string })[];
  setText(index: number, text: string): boolean;
  remove(index: number): boolean;
  undo(): boolean;
  canUndo(): boolean;
  csv(): string;
  importCsv(text: string): { error: string; added?: number; already?: number };
  restore(text: string): boolean;
  phenomena(): string[];
}

export interface LightTimePoint {
  julianDate: number;
  distanceAU: number;
  orbits: number;
  delaySeconds: number;
  text: string;
}

export interface LightTimeFitCore {
  error(): string;
  count(phase: number): number; // 0 entering, 1 leaving
  setPhase(phase: number): void;
  size(): number;
  setModel(periodDays: number, allowForIrregularities: boolean, offsetSeconds: number, slopeSecondsPerAU: number): void;
  point(i: number): LightTimePoint;
  residualSeconds(): number;
  speedOfLightKmPerS(): number;
  plot(): { minAU: number; maxAU: number; minDelay: number; maxDelay: number };
  startPeriodDays(): number;
  delete(): void;
}

export interface CoreModule extends HelpCore, MoonEventsModule, HotlistModule {
  EventLog: new (lab: Lab) => EventLogCore;
  LightTimeFit: new (eventCsvText: string, zoneHours: number) => LightTimeFitCore;
  // Whether a residual is larger than the one before (NaN before the first).
  residualWorse(rms: number, previous: number): boolean;
  Instructor: new () => InstructorCore;
  labSettings(lab: Lab): LabSettings;
  teacherOptionsFolder(): string;
  optionsFileName(): string;
  Analysis: new (lab: Lab) => AnalysisCore;
  // The lab of the orbit exercise for these students (names separated by commas).
  Lab: new (names: string, table: string, exercise?: Exercise) => Lab & LightLab & { started(): boolean; message(): string };
}

interface ModuleFS {
  mkdir(path: string): void;
  writeFile(path: string, data: Uint8Array): void;
}

// The folder of the module's file system the lab reads its shipped data from.
const PROGRAM_FOLDER = "/jovitrack/";

// The data files the core reads at start-up (the list the build writes, without the pictures,
// which the page draws from their addresses), fetched into the module's file system.
async function fetchData(fs: ModuleFS, data: URL): Promise<void> {
  const list = await fetch(new URL("files.txt", data));
  if (!list.ok) throw new Error(`data/files.txt: ${list.status}`);
  const names = (await list.text())
    .split("\n")
    .map((n) => n.trim())
    .filter((n) => n !== "" && !n.includes("/") && !/\.(bmp|cur|ico)$/i.test(n));
  try {
    fs.mkdir(PROGRAM_FOLDER);
  } catch {
    // already there
  }
  await Promise.all(
    names.map(async (name) => {
      const response = await fetch(new URL(encodeURIComponent(name), data));
      if (!response.ok) throw new Error(`data/${name}: ${response.status}`);
      fs.writeFile(PROGRAM_FOLDER + name, new Uint8Array(await response.arrayBuffer()));
    }),
  );
}

// A teacher's options file beside the page, when there is one, where the lab reads it first.
// Its bytes are the core's to judge: an unreadable one gives way to the shipped file.
async function fetchTeacherOptions(core: CoreModule & { FS: ModuleFS }, base: URL): Promise<void> {
  let response: Response;
  try {
    response = await fetch(new URL(core.optionsFileName(), base), { cache: "no-cache" });
  } catch {
    return;
  }
  if (!response.ok) return;
  const folder = core.teacherOptionsFolder();
  try {
    core.FS.mkdir(folder);
  } catch {
    // already there
  }
  core.FS.writeFile(folder + core.optionsFileName(), new Uint8Array(await response.arrayBuffer()));
}

// Loads the module from beside the page, with its data. Throws with the reason when it cannot.
export async function loadCore(base: URL): Promise<CoreModule> {
  const url = new URL("core/jovicore.mjs", base).href;
  const mod = (await import(url)) as {
    default: (opts: { locateFile: (p: string) => string }) => Promise<CoreModule & { FS: ModuleFS; dataReady?: () => void }>;
  };
  const core = await mod.default({ locateFile: (p: string) => new URL(`core/${p}`, base).href });
  await fetchData(core.FS, new URL("data/", base));
  await fetchTeacherOptions(core, base);
  core.dataReady?.();
  return core;
}
