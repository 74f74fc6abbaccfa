// Record Event in the light-time exercise: the telescope's instant (Julian date, UT date and
// time) and the Earth–Jupiter distance in AU and km as the core gives them, the event text
// (the desktop's two texts offered, any text allowed), and Record, which adds the record to
// the list. Beside the telescope, never a modal box.
import type { EventLogCore } from "./core.js";
import { el } from "./dom.js";
import { dashedDate } from "./format.js";
import { t } from "./messages.js";

export class RecordEventView {
  readonly root: HTMLElement;
  private readonly values: Record<"jd" | "ut" | "au" | "km", HTMLElement>;
  private readonly text: HTMLInputElement;
  private readonly note: HTMLParagraphElement;

  constructor(
    private readonly log: EventLogCore,
    private readonly recorded: (notice: string) => void,
  ) {
    const value = (id: string): HTMLElement => el("dd", { id });
    this.values = { jd: value("event-jd"), ut: value("event-ut"), au: value("event-au"), km: value("event-km") };
    this.text = el("input", {
      id: "event-text",
      type: "text",
      maxlength: log.longestText(),
      autocomplete: "off",
      "aria-describedby": "event-text-hint",
    });
    const choices = log.choices().map((choice) => {
      const b = el("button", { type: "button", class: "choice", text: choice });
      b.addEventListener("click", () => {
        this.text.value = choice;
        this.text.focus();
      });
      return b;
    });
    const record = el("button", { type: "submit", id: "record-event", class: "primary", text: t("record") });
    this.note = el("p", { id: "record-event-note", class: "note", role: "status" });
    const form = el(
      "form",
      { class: "record-event" },
      el(
        "dl",
        { class: "event-fields" },
        el("dt", { text: t("eventJulianDate") }),
        this.values.jd,
        el("dt", { text: t("eventUT") }),
        this.values.ut,
        el("dt", { text: t("eventDistance") }),
        this.values.au,
        this.values.km,
      ),
      el("label", { for: "event-text", text: t("eventText") }),
      this.text,
      el("p", { id: "event-text-hint", class: "muted", text: t("eventTextHint", { count: log.longestText() }) }),
      el("div", { class: "buttons choices", role: "group", "aria-label": t("eventText") }, ...choices),
      el("div", { class: "buttons" }, record),
      this.note,
    );
    form.addEventListener("submit", (e) => {
      e.preventDefault();
      this.record();
    });
    this.root = el(
      "section",
      { class: "record-event-panel", "aria-labelledby": "record-event-heading" },
      el("h2", { id: "record-event-heading", text: t("recordEventHeading") }),
      el("p", { class: "muted", text: t("recordEventIntro") }),
      form,
    );
  }

  // The telescope's time changed.
  refresh(): void {
    const f = this.log.fields();
    this.values.jd.textContent = f.julianDate;
    this.values.ut.textContent = `${dashedDate(f.date)} ${f.time} UT`;
    this.values.au.textContent = t("eventAU", { au: f.au });
    this.values.km.textContent = t("eventKm", { km: f.km });
  }

  focus(): void {
    this.text.focus();
  }

  private record(): void {
    const f = this.log.fields();
    this.log.record(this.text.value);
    this.recorded(t("eventRecorded", { date: dashedDate(f.date), time: f.time }));
  }

  // Says where the last record went once the list is safely stored.
  say(notice: string): void {
    this.note.textContent = notice;
  }
}
