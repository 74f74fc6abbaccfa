// The page: starts the core, asks the students who they are, lays out the lab and forwards
// every action to the core, saving the table in the browser after each change.
import { loadCore, type CoreModule, type Exercise, type Lab, type LightLab } from "./core.js";
import { byId, download, el } from "./dom.js";
import { dateText, localTimeText, offsetText, parseDateTime, timeText } from "./format.js";
import { moonName, t } from "./messages.js";
import { checkStudents, fileStem, type Students } from "./settings.js";
import { LocalStore } from "./store.js";
import { AnalysisView } from "./analysis_view.js";
import { HelpView } from "./help_view.js";
import { keepOffline } from "./offline.js";
import { openTeacherSettings } from "./instructor_view.js";
import { MoonEventsView } from "./moon_events_view.js";
import { HotlistView } from "./hotlist_view.js";
import { LightTimeLab } from "./light_lab.js";
import { TableView } from "./table_view.js";
import { TelescopeView, type CrossHair } from "./telescope_view.js";
import { paintTopView, TOP_VIEW_ARROW } from "./top_view.js";

interface SavedSession {
  table: Uint8Array; // the table as the .DAT file holds it
  records: number;
  pendingValues: number; // values recorded but not yet in the table
  pending: Uint8Array;
  jd: number;
  magnification: number;
}

const base = new URL(".", document.baseURI);
const dataBase = new URL("data/", base);

function setStatus(text: string): void {
  byId("status").textContent = text;
}

async function main(): Promise<void> {
  document.title = t("appTitle");
  byId("app-title").textContent = t("appTitle");
  byId("help-button").textContent = t("help");
  setStatus(t("loading"));
  let store: LocalStore | null = null;
  try {
    store = await LocalStore.open();
  } catch {
    store = null; // private windows may refuse storage; the lab still runs
  }
  const [core, students, saved, exercise] = await Promise.all([
    loadCore(base),
    store?.get<Students>("settings", "students"),
    store?.get<SavedSession>("table", "session"),
    store?.get<Exercise>("settings", "exercise"),
  ]);
  setStatus("");
  // The offline copy is fetched once the lab has started, so that it never slows the first visit.
  keepOffline(byId("top-offline"), base);
  new HelpView(core, base);
  showStart(core, store, students ?? { names: "", table: "" }, saved, exercise ?? "orbits");
}

function showStart(core: CoreModule, store: LocalStore | null, students: Students, saved: SavedSession | undefined, chosen: Exercise): void {
  const section = byId("start");
  const names = el("input", { id: "names", name: "names", autocomplete: "name", value: students.names, required: true });
  const table = el("input", { id: "table-no", name: "table", value: students.table, size: 8, required: true });
  const namesError = el("p", { id: "names-error", class: "field-error" });
  const tableError = el("p", { id: "table-error", class: "field-error" });
  names.setAttribute("aria-describedby", "names-error");
  table.setAttribute("aria-describedby", "table-error");
  const exercise = el(
    "select",
    { id: "exercise" },
    el("option", { value: "orbits", text: t("exerciseOrbits"), selected: chosen === "orbits" }),
    el("option", { value: "light-time", text: t("exerciseLightTime"), selected: chosen === "light-time" }),
  );
  const intro = el("p", { id: "start-intro" });
  const showIntro = (): void => {
    intro.textContent = t(exercise.value === "light-time" ? "startIntroLight" : "startIntro");
  };
  exercise.addEventListener("change", () => {
    showIntro();
    void store?.put("settings", "exercise", exercise.value);
  });
  showIntro();
  const check = (): boolean => {
    const problem = checkStudents({ names: names.value, table: table.value });
    namesError.textContent = problem === "names" ? t("namesRequired") : "";
    tableError.textContent = problem === "table" ? t("tableRequired") : "";
    names.setAttribute("aria-invalid", String(problem === "names"));
    table.setAttribute("aria-invalid", String(problem === "table"));
    return problem === null;
  };
  names.addEventListener("input", check);
  table.addEventListener("input", check);

  const hasSaved = saved !== undefined && (saved.records > 0 || (saved.pendingValues ?? 0) > 0);
  const go = async (resume: boolean): Promise<void> => {
    if (!check()) return;
    const who = { names: names.value.trim(), table: table.value.trim() };
    await store?.put("settings", "students", who);
    const chosenExercise: Exercise = exercise.value === "light-time" ? "light-time" : "orbits";
    await store?.put("settings", "exercise", chosenExercise);
    const lab = new core.Lab(who.names, who.table, chosenExercise);
    if (!lab.started()) {
      setStatus(t("loadFailed", { reason: lab.message() }));
      return;
    }
    if (chosenExercise === "light-time") {
      // The table of the orbits exercise stays as it is for another visit.
    } else if (resume && saved) {
      lab.importFile("saved.DAT", saved.table, false);
      lab.restorePending(saved.pending);
      lab.setJD(saved.jd);
      lab.setMagnification(saved.magnification);
    } else if (hasSaved) {
      await store?.remove("table", "session");
    }
    section.hidden = true;
    showLab(core, lab, store, who);
  };
  const form = el(
    "form",
    { class: "start-form", novalidate: true },
    el("h2", { id: "start-heading", text: t("startHeading") }),
    intro,
    el("label", { for: "names", text: t("studentNames") }),
    names,
    namesError,
    el("label", { for: "table-no", text: t("tableNumber") }),
    table,
    tableError,
    el("label", { for: "exercise", text: t("exercise") }),
    exercise,
  );
  if (hasSaved) {
    const offer = el("p", { class: "offer", text: t("savedTableOffer", { count: saved.records, pending: saved.pendingValues ?? 0 }) });
    const resume = el("button", { type: "submit", class: "primary", text: t("continueButton") });
    const fresh = el("button", { type: "button", text: t("newTableButton") });
    // Starting afresh discards the saved table: the button asks once, in place.
    const warning = el("p", { class: "field-error", role: "alert" });
    let asked = false;
    fresh.addEventListener("click", () => {
      if (asked) {
        void go(false);
        return;
      }
      asked = true;
      warning.textContent = t("discardWarning", { count: saved.records });
      fresh.textContent = t("discardConfirm");
    });
    // The saved table belongs to the orbits exercise; the light-time exercise starts beside it.
    const orbitsOffer = el("div", {}, offer, el("div", { class: "buttons" }, resume, fresh), warning);
    const lightStart = el("div", { class: "buttons" }, el("button", { type: "submit", class: "primary", text: t("startButton") }));
    const showOffer = (): void => {
      orbitsOffer.hidden = exercise.value === "light-time";
      lightStart.hidden = !orbitsOffer.hidden;
    };
    exercise.addEventListener("change", showOffer);
    showOffer();
    form.append(orbitsOffer, lightStart);
    form.addEventListener("submit", (e) => {
      e.preventDefault();
      void go(true);
    });
  } else {
    form.append(el("div", { class: "buttons" }, el("button", { type: "submit", class: "primary", text: t("startButton") })));
    form.addEventListener("submit", (e) => {
      e.preventDefault();
      void go(false);
    });
  }
  const teacher = el("button", { type: "button", id: "teacher-button", text: t("teacherButton") });
  teacher.addEventListener("click", () => openTeacherSettings(core, section));
  section.replaceChildren(form, el("p", { class: "teacher-link" }, teacher));
  section.hidden = false;
  names.focus();
}

function showLab(core: CoreModule, lab: Lab & LightLab, store: LocalStore | null, students: Students): void {
  const lightTime = lab.exercise() === "light-time";
  byId("top-exercise").textContent = t(lightTime ? "exerciseLightTime" : "exerciseOrbits");
  if (lightTime) {
    // The desktop names the window after its exercise.
    document.title = lab.caption();
    byId("app-title").textContent = lab.caption();
  }
  byId("top-names").textContent = `${students.names} · ${t("tableNumber")} ${students.table}`;
  const root = byId("lab");

  // The clock.
  const dateField = el("input", { id: "date", type: "text", inputmode: "numeric", size: 11, autocomplete: "off" });
  const timeField = el("input", { id: "time", type: "text", inputmode: "numeric", size: 9, autocomplete: "off" });
  const setButton = el("button", { type: "submit", text: t("setTime") });
  const dateError = el("p", { id: "date-error", class: "field-error" });
  dateField.setAttribute("aria-describedby", "date-error");
  timeField.setAttribute("aria-describedby", "date-error");
  const localField = el("p", { id: "local-time", class: "muted" });
  const stepField = el("input", { id: "step", type: "number", min: 0.01, step: "any", value: 24, size: 6 });
  const nextButton = el("button", { type: "button", id: "next", class: "primary", text: t("next") });
  const playButton = el("button", { type: "button", id: "play", text: t("play"), "aria-pressed": "false" });
  const animField = el("input", { id: "anim-step", type: "number", min: 0.01, step: "any", value: 10, size: 5 });
  const topButton = el("button", { type: "button", id: "top-view-button", "aria-pressed": "false", "aria-controls": "top-view", text: t("topView") });
  const topCanvas = el("canvas", { id: "top-view-canvas", role: "img", "aria-label": t("topViewLabel") });
  const eventsButton = el("button", { type: "button", id: "moon-events-button", "aria-pressed": "false", "aria-controls": "moon-events", text: t("moonEvents") });
  const eventsView = new MoonEventsView(
    core,
    () => lab.time().jd,
    (jd) => {
      if (!lab.setJD(jd)) return;
      redraw();
      void persist(t("savedLocally"));
    },
    store,
  );
  eventsView.root.hidden = true;
  const hotlistButton = el("button", { type: "button", id: "hotlist-button", "aria-pressed": "false", "aria-controls": "hotlist", text: t("hotlist") });
  const hotlistView = new HotlistView(core, lab, store, (jd) => {
    if (!lab.setJD(jd)) return;
    redraw();
    void persist(t("savedLocally"));
  });
  hotlistView.root.hidden = true;
  hotlistButton.addEventListener("click", () => {
    hotlistView.root.hidden = !hotlistView.root.hidden;
    hotlistButton.setAttribute("aria-pressed", String(!hotlistView.root.hidden));
    if (!hotlistView.root.hidden) void hotlistView.show();
  });
  eventsButton.addEventListener("click", () => {
    eventsView.root.hidden = !eventsView.root.hidden;
    eventsButton.setAttribute("aria-pressed", String(!eventsView.root.hidden));
    if (!eventsView.root.hidden) eventsView.show();
  });
  const topPanel = el("div", { id: "top-view", class: "top-view" }, topCanvas);
  topPanel.hidden = true;
  const showTopView = (): void => {
    if (!topPanel.hidden) paintTopView(topCanvas, lab.topView(TOP_VIEW_ARROW));
  };
  topButton.addEventListener("click", () => {
    topPanel.hidden = !topPanel.hidden;
    topButton.setAttribute("aria-pressed", String(!topPanel.hidden));
    showTopView();
  });
  const mags = [1, 2, 3, 4].map((m) =>
    el("button", { type: "button", class: "segment", "aria-pressed": "false", "data-mag": m, text: t("magLabel", { mag: m * 100 }) }),
  );
  const clockForm = el(
    "form",
    { class: "clock", "aria-label": t("clock") },
    el("div", { class: "field" }, el("label", { for: "date", text: t("dateField") }), dateField),
    el("div", { class: "field" }, el("label", { for: "time", text: t("timeField") }), timeField),
    setButton,
    localField,
    dateError,
    el("div", { class: "field" }, el("label", { for: "step", text: t("step") }), stepField),
    nextButton,
    playButton,
    el("div", { class: "field" }, el("label", { for: "anim-step", text: t("animationStep") }), animField),
    el("div", { class: "segmented", role: "group", "aria-label": t("magnification") }, ...mags),
    topButton,
    eventsButton,
    hotlistButton,
  );
  // The teacher's settings (JUP_OPTS.INI) give the steps, the animation's pace and what the
  // students may use.
  const settings = core.labSettings(lab);
  stepField.value = String(settings.observationStepHours);
  animField.value = String(Number((settings.animationStepHours * 60).toFixed(4)));
  playButton.hidden = !settings.allowAnimation;
  if (animField.parentElement) animField.parentElement.hidden = !settings.allowAnimation;
  topButton.hidden = !settings.allowTopView;

  // The light-time exercise's own parts around the same telescope and clock.
  const light = lightTime ? new LightTimeLab(core, lab, store, { continued: () => startPlay(), fileStem: () => stem() }) : null;
  if (light) {
    clockForm.append(light.stopControl, light.phenomena.button);
    void light.restore();
  }

  // The view and the reading.
  const canvas = el("canvas", { id: "scope", tabindex: 0, role: "img", "aria-label": t("telescopeView") });
  const readingText = el("p", { id: "reading", class: "reading", text: t("readingIdle") });
  const live = el("p", { id: "live", class: "visually-hidden", "aria-live": "polite" });
  const recordButton = el("button", { type: "button", id: "record", class: "primary", text: t("record") });
  const recordNote = el("p", { id: "record-note", class: "note", role: "status" });
  const pendingBox = el("div", { id: "pending", class: "pending" });
  const savedNote = el("p", { id: "saved-note", class: "muted", role: "status" });

  const importInput = el("input", { id: "import", type: "file", accept: ".csv,.CSV,.dat,.DAT" });
  const mergeBox = el("input", { id: "merge", type: "checkbox" });
  const importMessage = el("p", { id: "import-message", class: "field-error", role: "alert" });
  const csvButton = el("button", { type: "button", id: "export-csv", text: t("exportCsv") });
  const datButton = el("button", { type: "button", id: "export-dat", text: t("exportDat") });

  const persist = async (notice: string): Promise<void> => {
    // The light-time exercise keeps its events itself; the orbits table saved on another visit
    // stays as it was.
    if (!store || light) return;
    await store.put("table", "session", {
      table: lab.datBytes(),
      records: lab.table().length,
      pendingValues: lab.pending()?.offsets.filter((o) => !Number.isNaN(o)).length ?? 0,
      pending: lab.pendingBytes(),
      jd: lab.time().jd,
      magnification: lab.frame().magnification,
    } satisfies SavedSession);
    savedNote.textContent = notice;
  };

  const tableView = new TableView(lab, { changed: (notice) => void persist(notice) });

  let cross: CrossHair | null = null;
  const showReading = (): void => {
    if (!cross) return;
    const r = lab.readingAt(cross.x, cross.y);
    const text =
      r.moon === 0
        ? t("readingNone")
        : t("readingMoon", { moon: moonName(r.moon), distance: offsetText(r.offset), side: "" }).trim();
    readingText.textContent = text;
    readingText.classList.toggle("none", r.moon === 0);
    if (live.textContent !== text) live.textContent = text;
  };
  const view = new TelescopeView(
    canvas,
    dataBase,
    {
      aimed: (at) => {
        cross = at;
        showReading();
      },
      record: () => (light ? light.focusRecord() : record()),
    },
    (w, h) => lab.jupiterRect(w, h),
  );

  const showPending = (): void => {
    const p = lab.pending();
    if (!p || p.offsets.every((o) => Number.isNaN(o))) {
      pendingBox.replaceChildren(el("p", { class: "muted", text: t("pendingEmpty") }));
      return;
    }
    const list = el("dl", { class: "pending-list" });
    p.offsets.forEach((o, i) => {
      if (Number.isNaN(o)) return;
      list.append(el("dt", { text: moonName(i + 1) }), el("dd", { text: offsetText(o) }));
    });
    pendingBox.replaceChildren(el("p", { text: `${dateText(p.time)} ${timeText(p.time)} UT` }), list, el("p", { class: "muted", text: t("pendingHint") }));
  };

  const showTime = (): void => {
    const now = lab.time();
    dateField.value = dateText(now);
    timeField.value = timeText(now);
    const local = localTimeText(now);
    localField.textContent = local ? t("localTime", { time: local }) : "";
    byId("top-time").textContent = `${t("topBarDate", { date: dateText(now), time: timeText(now) })}${local ? ` · ${t("localTime", { time: local })}` : ""}`;
  };

  const redraw = (): void => {
    const frame = lab.frame();
    for (const b of mags) b.setAttribute("aria-pressed", String(Number(b.dataset["mag"]) === frame.magnification));
    view.show(frame);
    showTopView();
    showTime();
    cross = view.crossHair();
    showReading();
    showPending();
    light?.timeChanged();
  };

  const record = (): void => {
    const at = view.crossHair();
    if (!at) return;
    const r = lab.readingAt(at.x, at.y);
    if (!lab.record(at.x, at.y)) {
      recordNote.textContent = t("recordNoMoon");
    } else {
      recordNote.textContent = t("recordedInto", { moon: moonName(r.moon) });
    }
    showPending();
    tableView.render();
    void persist(t("savedLocally"));
  };

  // Animation: one step per frame at most, stepping rather than gliding when motion is reduced.
  let playing = 0;
  const stopPlay = (): void => {
    if (playing) clearInterval(playing);
    playing = 0;
    if (light) lab.play(false);
    playButton.textContent = t("play");
    playButton.setAttribute("aria-pressed", "false");
  };
  const startPlay = (): void => {
    if (light) {
      light.beforePlay();
      lab.play(true);
    }
    const reduced = window.matchMedia("(prefers-reduced-motion: reduce)").matches;
    playButton.textContent = t("pause");
    playButton.setAttribute("aria-pressed", "true");
    playing = window.setInterval(() => {
      const minutes = Number(animField.value);
      if (!(minutes > 0) || !lab.step(minutes / 60)) {
        stopPlay();
        return;
      }
      redraw();
      // An eclipse seen while animating stops the animation (the features' stop).
      if (light?.stopped(document.activeElement === playButton)) {
        stopPlay();
        void persist(t("savedLocally"));
      }
    }, reduced ? 1000 : Math.max(40, settings.animationTimerMs));
  };
  playButton.addEventListener("click", () => {
    if (playing) {
      stopPlay();
      void persist(t("savedLocally"));
      return;
    }
    startPlay();
  });

  nextButton.addEventListener("click", () => {
    const hours = Number(stepField.value);
    if (!(hours > 0)) {
      dateError.textContent = t("stepInvalid");
      return;
    }
    dateError.textContent = "";
    // Next moves a pending record into the table, then steps the clock.
    if (!lab.next(hours)) dateError.textContent = t("dateOutOfRange");
    redraw();
    tableView.render();
    void persist(t("savedLocally"));
  });

  clockForm.addEventListener("submit", (e) => {
    e.preventDefault();
    const c = parseDateTime(dateField.value, timeField.value);
    if (!c) {
      dateError.textContent = t("dateInvalid");
      return;
    }
    if (!lab.setTime(c)) {
      dateError.textContent = t("dateOutOfRange");
      return;
    }
    dateError.textContent = "";
    redraw();
    void persist(t("savedLocally"));
  });

  for (const b of mags) {
    b.addEventListener("click", () => {
      lab.setMagnification(Number(b.dataset["mag"]));
      redraw();
      void persist(t("savedLocally"));
    });
  }

  recordButton.addEventListener("click", record);

  const zoneHours = (): number => -new Date().getTimezoneOffset() / 60;
  csvButton.addEventListener("click", () => {
    download(`${stem()}.CSV`, lab.csvText(zoneHours()), "text/csv");
  });
  datButton.addEventListener("click", () => {
    download(`${stem()}.DAT`, lab.datBytes(), "application/octet-stream");
  });
  importInput.addEventListener("change", async () => {
    const file = importInput.files?.[0];
    if (!file) return;
    const bytes = new Uint8Array(await file.arrayBuffer());
    const outcome = lab.importFile(file.name, bytes, mergeBox.checked);
    importInput.value = "";
    if (outcome.result !== "taken") {
      importMessage.textContent =
        outcome.result === "wrong-extension"
          ? t("importWrongKind", { name: file.name })
          : outcome.result === "no-records"
            ? t("importNothing", { name: file.name })
            : t("importUnreadable", { name: file.name });
      return;
    }
    importMessage.textContent = "";
    tableView.render();
    const skipped = outcome.skipped > 0 ? ` ${t("importSkipped", { count: outcome.skipped })}` : "";
    await persist(`${t("importDone", { count: outcome.records })}${skipped}`);
  });

  const stem = (): string => fileStem(students, dateText(lab.time()));
  const analysisView = new AnalysisView(new core.Analysis(lab), stem, () => {
    tableView.render();
    void persist(t("savedLocally"));
  });
  const scopeButton = el("button", { type: "button", "aria-pressed": "true", text: t("telescope") });
  const analysisButton = el("button", { type: "button", "aria-pressed": "false", text: t("analysis") });
  const observing = el("div", { class: "observing" });
  const analysisPanel = el("div", { class: "analysis-panel" }, light ? light.analysis.root : analysisView.root);
  analysisPanel.hidden = true;
  const showView = (analysis: boolean): void => {
    observing.hidden = analysis;
    analysisPanel.hidden = !analysis;
    scopeButton.setAttribute("aria-pressed", String(!analysis));
    analysisButton.setAttribute("aria-pressed", String(analysis));
    if (analysis) {
      if (playing) stopPlay();
      if (light) light.analysis.show();
      else analysisView.show();
    } else {
      tableView.render();
      redraw();
    }
  };
  scopeButton.addEventListener("click", () => showView(false));
  analysisButton.addEventListener("click", () => showView(true));

  observing.replaceChildren(
    el(
      "section",
      { class: "scope-column", "aria-labelledby": "scope-heading" },
      el("h2", { id: "scope-heading", class: "visually-hidden", text: t("telescope") }),
      el("div", { class: "scope-frame" }, canvas),
      light?.notice.root,
      clockForm,
      light?.phenomena.root,
      topPanel,
      eventsView.root,
      hotlistView.root,
    ),
    light
      ? el("section", { class: "side-column", "aria-labelledby": "record-event-heading" }, ...light.side)
      : el(
      "section",
      { class: "side-column", "aria-labelledby": "reading-heading" },
      el("h2", { id: "reading-heading", text: t("reading") }),
      readingText,
      el("p", { class: "muted", text: t("eastNegative") }),
      live,
      el("div", { class: "buttons" }, recordButton),
      recordNote,
      el("h3", { text: t("pendingRecord") }),
      pendingBox,
      el("h2", { text: t("table") }),
      tableView.root,
      savedNote,
      el("div", { class: "buttons" }, csvButton, datButton),
      el(
        "div",
        { class: "import" },
        el("label", { for: "import", text: t("importFile") }),
        importInput,
        el("div", {}, mergeBox, el("label", { for: "merge", text: ` ${t("importMerge")}` })),
        importMessage,
      ),
    ),
  );
  root.replaceChildren(
    el("nav", { class: "views", "aria-label": t("views") }, scopeButton, analysisButton),
    observing,
    analysisPanel,
  );
  root.hidden = false;
  redraw();
  tableView.render();
  canvas.focus();
}

main().catch((e: unknown) => {
  setStatus(t("loadFailed", { reason: e instanceof Error ? e.message : String(e) }));
});
