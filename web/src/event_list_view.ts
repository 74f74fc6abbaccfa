// The light-time exercise's event list: every recorded event with its instant and distance as
// the core writes them, the event text corrected in place, a record deleted (Restore brings the
// last change back), the list exported as .CSV and a .CSV file's events added. The core keeps
// the list and its rules; this view shows it and forwards the student's actions.
import type { EventLogCore } from "./core.js";
import { download, el } from "./dom.js";
import { dashedDate } from "./format.js";
import { t } from "./messages.js";

export interface EventListCallbacks {
  changed(notice: string): void; // after every change the core has taken
  fileStem(): string;
}

export class EventListView {
  readonly root: HTMLElement;
  private readonly body: HTMLTableSectionElement;
  private readonly table: HTMLTableElement;
  private readonly empty: HTMLParagraphElement;
  private readonly undoButton: HTMLButtonElement;
  private readonly exportButton: HTMLButtonElement;
  private readonly message: HTMLParagraphElement;
  private editing = -1;

  constructor(
    private readonly log: EventLogCore,
    private readonly callbacks: EventListCallbacks,
  ) {
    this.body = el("tbody");
    this.empty = el("p", { class: "muted", text: t("eventListEmpty") });
    this.undoButton = el("button", { type: "button", id: "events-undo", text: t("restore") });
    this.undoButton.addEventListener("click", () => {
      if (this.log.undo()) this.after(t("eventRestored"));
    });
    const head = el(
      "tr",
      {},
      ...(["colUTDate", "colDistance", "colEvent"] as const).map((k) =>
        el("th", { scope: "col", text: t(k) }),
      ),
    );
    this.table = el("table", { class: "events", id: "events-table" }, el("caption", { text: t("eventListCaption") }), el("thead", {}, head), this.body);
    this.exportButton = el("button", { type: "button", id: "export-events", text: t("exportEvents") });
    this.exportButton.addEventListener("click", () => {
      download(`${this.callbacks.fileStem()}.CSV`, this.log.csv(), "text/csv");
    });
    const input = el("input", { id: "import-events", type: "file", accept: ".csv,.CSV" });
    this.message = el("p", { id: "import-events-message", class: "note", role: "status" });
    input.addEventListener("change", async () => {
      const file = input.files?.[0];
      if (!file) return;
      const text = await file.text();
      input.value = "";
      const outcome = this.log.importCsv(text);
      if (outcome.error) {
        this.message.classList.add("field-error");
        this.message.textContent = t("importEventsBad", { name: file.name, reason: outcome.error });
        return;
      }
      this.message.classList.remove("field-error");
      this.message.textContent = "";
      this.after(t("importEventsDone", { name: file.name, added: outcome.added ?? 0, already: outcome.already ?? 0 }));
    });
    this.root = el(
      "section",
      { class: "event-list", "aria-labelledby": "events-heading" },
      el("h2", { id: "events-heading", text: t("eventListHeading") }),
      el("div", { class: "table-wrap" }, this.table),
      this.empty,
      el("div", { class: "buttons" }, this.undoButton, this.exportButton),
      el("div", { class: "import" }, el("label", { for: "import-events", text: t("importEvents") }), input, this.message),
    );
  }

  render(): void {
    const events = this.log.list();
    this.empty.hidden = events.length > 0;
    this.table.hidden = events.length === 0;
    this.exportButton.disabled = events.length === 0;
    this.undoButton.disabled = !this.log.canUndo();
    if (this.editing >= events.length) this.editing = -1;
    this.body.replaceChildren(
      ...events.flatMap((e, index) => {
        const when = `${dashedDate(e.date)} ${e.time}`;
        // The instant over its Julian date, the distance in AU over km: the row stays narrow.
        const cells = [
          el("th", { scope: "row" }, when, el("span", { class: "sub", text: `JD ${e.julianDate}` })),
          el("td", { class: "number" }, t("eventAU", { au: e.au }), el("span", { class: "sub", text: t("eventKm", { km: e.km }) })),
        ];
        if (index === this.editing) return this.editRow(cells, e.text, index, when);
        const edit = el("button", { type: "button", text: t("edit"), "aria-label": `${t("edit")} ${when}` });
        edit.addEventListener("click", () => {
          this.editing = index;
          this.render();
          this.body.querySelector<HTMLInputElement>("input")?.focus();
        });
        const del = el("button", { type: "button", text: t("delete"), "aria-label": `${t("delete")} ${when}` });
        del.addEventListener("click", () => {
          if (!this.log.remove(index)) return;
          this.after(t("eventDeleted", { date: dashedDate(e.date), time: e.time }));
          this.undoButton.focus();
        });
        return [el("tr", {}, ...cells, el("td", {}, e.text, el("span", { class: "actions" }, edit, del)))];
      }),
    );
  }

  // The text being edited spans the row below the record, so it has room.
  private editRow(cells: HTMLElement[], text: string, index: number, when: string): HTMLTableRowElement[] {
    const field = el("input", {
      type: "text",
      value: text,
      maxlength: this.log.longestText(),
      "aria-label": t("editEventText", { when }),
    });
    const save = el("button", { type: "button", text: t("save") });
    const cancel = el("button", { type: "button", text: t("cancel") });
    const done = (): void => {
      this.editing = -1;
    };
    save.addEventListener("click", () => {
      if (!this.log.setText(index, field.value)) return;
      done();
      this.after(t("savedLocally"));
    });
    cancel.addEventListener("click", () => {
      done();
      this.render();
    });
    field.addEventListener("keydown", (e) => {
      if (e.key === "Enter") save.click();
      if (e.key === "Escape") cancel.click();
    });
    return [
      el("tr", { class: "editing" }, ...cells, el("td", { text })),
      el("tr", { class: "editing" }, el("td", { colspan: 3 }, field, el("span", { class: "actions" }, save, cancel))),
    ];
  }

  private after(notice: string): void {
    this.render();
    this.callbacks.changed(notice);
  }
}
