// The table of measurements: each record's date and four values, each value taken into the
// analysis or left out, a record edited, deleted and restored. The core keeps the table's
// rules; this view lists what it holds and forwards the student's actions.
import type { Lab, TableRecord } from "./core.js";
import { el } from "./dom.js";
import { dateText, signedOffsetText, timeText } from "./format.js";
import { moonName, t } from "./messages.js";

export interface TableCallbacks {
  changed(notice: string): void; // after every change, once the core has taken it
}

export class TableView {
  readonly root: HTMLElement;
  private readonly body: HTMLTableSectionElement;
  private readonly empty: HTMLParagraphElement;
  private readonly undoButton: HTMLButtonElement;
  private editing = -1;

  constructor(
    private readonly lab: Lab,
    private readonly callbacks: TableCallbacks,
  ) {
    this.body = el("tbody");
    this.empty = el("p", { class: "muted", text: t("tableEmpty") });
    this.undoButton = el("button", { type: "button", text: t("restore") });
    this.undoButton.addEventListener("click", () => {
      if (this.lab.undo()) this.after(t("savedLocally"));
    });
    const head = el(
      "tr",
      {},
      el("th", { scope: "col", text: t("colDate") }),
      ...[1, 2, 3, 4].map((m) => el("th", { scope: "col", text: moonName(m) })),
    );
    this.root = el(
      "div",
      { class: "table-wrap" },
      el(
        "table",
        { class: "measurements" },
        el("caption", { text: t("tableCaption") }),
        el("thead", {}, head),
        this.body,
      ),
      this.empty,
      el("p", {}, this.undoButton),
    );
  }

  render(): void {
    const records = this.lab.table();
    this.empty.hidden = records.length > 0;
    this.undoButton.disabled = !this.lab.canUndo();
    this.body.replaceChildren(...records.flatMap((r, i) => this.row(r, i)));
  }

  private after(notice: string): void {
    this.render();
    this.callbacks.changed(notice);
  }

  private row(r: TableRecord, index: number): HTMLTableRowElement[] {
    const when = `${dateText(r.time)} ${timeText(r.time)}`;
    if (index === this.editing) return this.editRow(r, index, when);
    const cells = r.offsets.map((offset, i) => {
      const moon = i + 1;
      if (Number.isNaN(offset)) return el("td", {});
      const included = r.included[i] ?? true;
      const box = el("input", {
        type: "checkbox",
        "aria-label": t("includeValue", { moon: moonName(moon), date: when }),
        checked: included,
      });
      box.addEventListener("change", () => {
        if (this.lab.setIncluded(index, moon, box.checked)) this.after(t("savedLocally"));
      });
      return el(
        "td",
        { class: included ? "" : "left-out" },
        el("label", { class: "value" }, box, ` ${signedOffsetText(offset)}`),
        included ? null : el("span", { class: "tag", text: ` (${t("leftOut")})` }),
      );
    });
    const edit = el("button", { type: "button", text: t("edit"), "aria-label": `${t("edit")} ${when}` });
    edit.addEventListener("click", () => {
      this.editing = index;
      this.render();
      this.body.querySelector<HTMLInputElement>("input")?.focus();
    });
    const del = el("button", { type: "button", text: t("delete"), "aria-label": `${t("delete")} ${when}` });
    del.addEventListener("click", () => {
      if (this.lab.deleteRecord(index)) this.after(t("deletedNotice", { date: when }));
    });
    const date = this.dateCell(r);
    date.append(el("span", { class: "actions" }, edit, del));
    return [el("tr", {}, date, ...cells)];
  }

  // The date over the time, so the row stays narrow.
  private dateCell(r: TableRecord): HTMLTableCellElement {
    return el("th", { scope: "row" }, el("span", { class: "day", text: dateText(r.time) }), " ", el("span", { class: "time", text: timeText(r.time) }));
  }

  private editRow(r: TableRecord, index: number, when: string): HTMLTableRowElement[] {
    const fields = r.offsets.map((offset, i) =>
      el("input", {
        type: "text",
        inputmode: "text",
        size: 7,
        "aria-label": `${moonName(i + 1)} ${when}`,
        value: Number.isNaN(offset) ? "" : this.lab.valueText(offset, r.included[i] ?? true),
      }),
    );
    const error = el("span", { class: "field-error", role: "alert" });
    const save = el("button", { type: "button", text: t("save") });
    const cancel = el("button", { type: "button", text: t("cancel") });
    save.addEventListener("click", () => {
      const bad = this.lab.editRecord(index, fields.map((f) => f.value));
      if (bad > 0) {
        error.textContent = t("valueInvalid", { moon: moonName(bad) });
        fields[bad - 1]?.focus();
        return;
      }
      this.editing = -1;
      this.after(t("savedLocally"));
    });
    cancel.addEventListener("click", () => {
      this.editing = -1;
      this.render();
    });
    const row = el(
      "tr",
      { class: "editing" },
      this.dateCell(r),
      ...fields.map((f) => el("td", {}, f)),
    );
    return [row, el("tr", { class: "editing" }, el("td", { colspan: 5, class: "actions" }, save, cancel, error))];
  }
}
