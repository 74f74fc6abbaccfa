// Moon Events: the moons' almanac from the observation time over a span, with the desktop
// window's choices (moons, kinds, mutual events, hidden events), and Go To a few minutes before
// the chosen event. The core searches, lists and says where Go To goes.
import type { MoonEventsCore, MoonEventsModule } from "./core.js";
import { el } from "./dom.js";
import { moonName, t } from "./messages.js";

export class MoonEventsView {
  readonly root = el("section", { id: "moon-events", class: "moon-events", "aria-labelledby": "moon-events-heading" });
  private readonly events: MoonEventsCore;
  private readonly span = el("input", { id: "almanac-span", type: "number", step: 1, size: 5 });
  private readonly moons = [1, 2, 3, 4].map((m) => el("input", { id: `almanac-moon-${m}`, type: "checkbox", checked: true }));
  private readonly kinds: HTMLInputElement[];
  private readonly mutual = el("input", { id: "almanac-mutual", type: "checkbox" });
  private readonly hidden = el("input", { id: "almanac-hidden", type: "checkbox" });
  private readonly from = el("p", { id: "almanac-from", class: "muted" });
  private readonly list = el("select", { id: "almanac-list", size: 14, class: "almanac-list" });
  private readonly note = el("p", { id: "almanac-note", class: "note", role: "status" });
  private searchedFrom = NaN;
  private searchedMutual = false;

  constructor(
    core: MoonEventsModule,
    private readonly observationJD: () => number,
    private readonly goTo: (jd: number) => void,
  ) {
    this.events = new core.MoonEvents();
    const span = core.almanacSpan();
    this.span.min = String(span.fewest);
    this.span.max = String(span.most);
    this.span.value = String(span.first);
    const kinds = core.moonEventKinds();
    this.kinds = kinds.map((k) => el("input", { id: `almanac-kind-${k.code}`, type: "checkbox", checked: true }));
    const check = (box: HTMLInputElement, label: string): HTMLElement =>
      el("span", { class: "check-field" }, box, el("label", { for: box.id, text: ` ${label}` }));
    const listButton = el("button", { type: "button", id: "almanac-search", text: t("almanacList") });
    const goButton = el("button", { type: "button", id: "almanac-go-to", class: "primary", text: t("almanacGoTo") });
    listButton.addEventListener("click", () => this.search());
    goButton.addEventListener("click", () => this.goToChosen());
    this.list.addEventListener("dblclick", () => this.goToChosen());
    this.list.addEventListener("keydown", (e) => {
      if (e.key === "Enter") {
        e.preventDefault();
        this.goToChosen();
      }
    });
    for (const box of [...this.moons, ...this.kinds, this.hidden]) box.addEventListener("change", () => this.relist());
    this.mutual.addEventListener("change", () => (this.mutual.checked && !this.searchedMutual ? this.search() : this.relist()));
    this.root.append(
      el("h2", { id: "moon-events-heading", text: t("moonEvents") }),
      this.from,
      el(
        "div",
        { class: "almanac-choices" },
        el("div", { class: "field" }, el("label", { for: "almanac-span", text: t("almanacSpan") }), this.span),
        listButton,
        el("fieldset", { class: "almanac-group" }, el("legend", { text: t("almanacMoons") }), ...this.moons.map((b, i) => check(b, moonName(i + 1)))),
        el(
          "fieldset",
          { class: "almanac-group" },
          el("legend", { text: t("almanacKinds") }),
          ...this.kinds.map((b, i) => check(b, kinds[i]?.title ?? "")),
          check(this.mutual, t("almanacMutual")),
        ),
        check(this.hidden, t("almanacHidden")),
      ),
      el("label", { for: "almanac-list", text: t("almanacListLabel") }),
      this.list,
      el("div", { class: "buttons" }, goButton),
      this.note,
    );
  }

  // Lists from the observation time (searching again only when it moved or mutual events are
  // newly asked for).
  show(): void {
    if (this.observationJD() !== this.searchedFrom) this.search();
  }

  private search(): void {
    const from = this.observationJD();
    const days = this.events.search(from, Math.round(Number(this.span.value) || 0), this.mutual.checked);
    this.span.value = String(days);
    this.searchedFrom = from;
    this.searchedMutual = this.mutual.checked;
    this.relist();
  }

  private relist(): void {
    const lines = this.events.lines({
      moons: this.moons.map((b) => b.checked),
      kinds: this.kinds.map((b) => b.checked),
      mutual: this.mutual.checked,
      hidden: this.hidden.checked,
    });
    const options = lines.map((line) => {
      // A list box folds runs of spaces; the almanac's columns keep theirs.
      const option = el("option", { value: String(line.event), text: line.text.replace(/ {2,}/g, (run) => "\u00a0".repeat(run.length)) });
      if (line.event < 0) option.disabled = true;
      return option;
    });
    this.list.replaceChildren(...options);
    const first = options.find((o) => !o.disabled);
    if (first) first.selected = true;
    this.from.textContent = t("almanacFrom", { count: Number(this.span.value) });
    this.note.textContent = "";
  }

  private goToChosen(): void {
    const event = Number(this.list.value);
    const jd = this.list.value === "" ? NaN : this.events.goTo(event);
    if (Number.isNaN(jd)) {
      this.note.textContent = t("almanacChooseFirst");
      return;
    }
    this.goTo(jd);
    this.searchedFrom = this.observationJD();
    this.note.textContent = t("almanacWentTo");
  }
}
