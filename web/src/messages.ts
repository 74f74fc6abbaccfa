// Every word the page shows. Views ask for a text by its key; "{name}" marks a value put in.
// The desktop's words are kept where the desktop has them (Next, Record, 100X..400X, OK).

const en = {
  appTitle: "Jovitrack — the moons of Jupiter",
  exerciseOrbits: "Orbits of Jupiter's moons",
  startHeading: "Start the lab",
  startIntro:
    "Measure the four large moons night after night, fit their sine curves, and find their periods, their orbits and the mass of Jupiter.",
  studentNames: "Students' names",
  tableNumber: "Table number",
  exercise: "Exercise",
  startButton: "Start",
  continueButton: "Go on with the saved table",
  newTableButton: "Start a new table",
  savedTableOffer: "Your work from the last visit is saved in this browser: a table of {count} records and {pending} values waiting for Next.",
  discardWarning: "A new table replaces the saved one: its {count} records will be lost unless you export them first.",
  discardConfirm: "Discard the saved table and start a new one",
  namesRequired: "Write at least one name.",
  tableRequired: "Write the table number (letters and digits, up to 4).",
  loading: "Starting the telescope…",
  loadFailed: "The lab could not start: {reason}",
  topBarDate: "{date} {time} UT",
  localTime: "local {time}",
  help: "Help",
  closeHelp: "Close help",
  telescope: "Telescope",
  telescopeView: "Telescope view. Drag the cross-hair onto a moon, or use the arrow keys (Shift: ten pixels) and Enter to record.",
  clock: "Clock",
  dateField: "Date (UT)",
  timeField: "Time (UT)",
  setTime: "Set",
  dateInvalid: "Write the date as 2027-01-15 and the time as 03:00:00.",
  dateOutOfRange: "The telescope has no positions for that date.",
  step: "Step (hours)",
  stepInvalid: "The step is a number of hours, more than 0.",
  next: "Next",
  play: "Play",
  pause: "Pause",
  animationStep: "Animation step (minutes)",
  magnification: "Magnification",
  magLabel: "{mag}X",
  topView: "Top view",
  reading: "Reading",
  readingMoon: "{moon}: {distance} Jupiter diameters {side}",
  readingNone: "The cross-hair is on no moon.",
  readingIdle: "Put the cross-hair on a moon.",
  eastNegative: "Offsets in Jupiter diameters, east negative, west positive.",
  east: "east",
  west: "west",
  record: "Record",
  recordedInto: "{moon} recorded in the pending record.",
  recordNoMoon: "Nothing recorded: the cross-hair is on no moon.",
  pendingRecord: "Pending record",
  pendingEmpty: "Nothing recorded at this time yet.",
  pendingHint: "It joins the table on Next.",
  table: "Table",
  tableEmpty: "No measurements yet.",
  tableCaption: "Measurements (Jupiter diameters, east negative)",
  colDate: "Date and time (UT)",
  colActions: "Actions",
  edit: "Edit",
  delete: "Delete",
  restore: "Restore",
  save: "Save",
  cancel: "Cancel",
  included: "in the analysis",
  leftOut: "left out",
  includeValue: "Use {moon} at {date} in the analysis",
  valueInvalid: "The value for {moon} is not a number followed by E (east) or W (west).",
  editHint: "Write values in Jupiter diameters followed by E or W; a * leaves a value out.",
  deletedNotice: "The record of {date} was deleted.",
  savedLocally: "Saved in this browser.",
  exportCsv: "Export .CSV",
  exportDat: "Export .DAT",
  importFile: "Import a .CSV or .DAT file",
  importReplace: "Replace the table",
  importMerge: "Merge with the table",
  importWrongKind: "{name} is not a .CSV or .DAT file. The table is as it was.",
  importNothing: "{name} holds no measurements this lab can read. The table is as it was.",
  importUnreadable: "{name} could not be read as a measurement file. The table is as it was.",
  importDone: "{count} records imported.",
  importSkipped: "{count} damaged records without a valid date were left out.",
  analysis: "Analysis",
  moon: "Moon",
  tZero: "T-zero (Julian date)",
  period: "Period (days)",
  amplitude: "Amplitude (Jupiter diameters)",
  residual: "RMS residual",
  residualBetter: "better than before",
  residualWorse: "worse than before",
  residualFirst: "first value",
  residualNone: "no curve yet",
  plotLabel: "Offsets of {moon} against time, with the fitted curve.",
  savePng: "Save plot as PNG",
  print: "Print",
  results: "Results",
  fitHeading: "Fit a sine curve",
  setParameters: "Set curve",
  centreSliders: "Centre the sliders",
  fineSliders: "Fine sliders",
  sliderSuffix: "slider",
  fitInvalid: "The curve was not set: {reason}",
  diameters: "Jupiter diameters",
  plotHint: "Click a point to leave it out of the fit or take it back; the table's check boxes do the same by keyboard.",
  plotCross: "Cross-hair: day {day}, offset {offset}",
  views: "Views",
  orbitRadius: "Orbit radius",
  jupiterMass: "Mass of Jupiter",
  searchHelp: "Search the help",
  helpTopics: "Help topics",
  noHelpMatch: "No topic matches.",
  topicMissing: "This topic could not be found in its help file.",
  moonIo: "I. Io",
  moonEuropa: "II. Europa",
  moonGanymede: "III. Ganymede",
  moonCallisto: "IV. Callisto",
  offlineReady: "The lab is now kept in this browser and works without the network.",
  updateReady: "A new version of the lab is ready.",
  updateNow: "Update now",
} as const;

export type MessageKey = keyof typeof en;
export type Catalogue = Record<MessageKey, string>;

const catalogue: Catalogue = en;

// The text of `key` with each "{name}" replaced by params[name]; an unknown name stays as written
// so a missing value shows rather than vanishes.
export function t(key: MessageKey, params: Record<string, string | number> = {}): string {
  return catalogue[key].replace(/\{(\w+)\}/g, (whole, name: string) =>
    Object.prototype.hasOwnProperty.call(params, name) ? String(params[name]) : whole,
  );
}

export const moonKeys: readonly MessageKey[] = ["moonIo", "moonEuropa", "moonGanymede", "moonCallisto"];

// "I. Io" .. "IV. Callisto" for moon 1..4.
export function moonName(moon: number): string {
  const key = moonKeys[moon - 1];
  return key ? t(key) : "";
}

export const messages: Readonly<Catalogue> = catalogue;
