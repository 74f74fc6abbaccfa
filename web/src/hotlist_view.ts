// The hotlist beside the date control: the shipped dates and the student's own, kept in the
// browser; choosing one sets the telescope's clock. The core keeps the list as the desktop's
// hotlist window does and writes it as the desktop saves it.
import type { HotlistCore, HotlistModule, Lab } from "./core.js";
import { el } from "./dom.js";
import { t } from "./messages.js";
import type { LocalStore } from "./store.js";

export class HotlistView {
  readonly root = el("section", { id: "hotlist", class: "moon-events", "aria-labelledby": "hotlist-heading" });
  private hotlist: HotlistCore | null = null;
  private readonly list = el("select", { id: "hotlist-list", size: 8, class: "almanac-list" });
  private readonly note = el("input", { id: "hotlist-note", type: "text", maxlength: 50, size: 24, autocomplete: "off" });
  private readonly message = el("p", { id: "hotlist-message", class: "note", role: "status" });

  constructor(
    private readonly core: HotlistModule,
    private readonly lab: Lab,
    private readonly store: LocalStore | null,
    private readonly goTo: (jd: number) => void,
  ) {
    const go = el("button", { type: "button", class: "primary", id: "hotlist-go", text: t("hotlistGo") });
    const add = el("button", { type: "button", id: "hotlist-add", text: t("hotlistAdd") });
    const remove = el("button", { type: "button", id: "hotlist-delete", text: t("hotlistDelete") });
    go.addEventListener("click", () => this.choose());
    this.list.addEventListener("dblclick", () => this.choose());
    this.list.addEventListener("keydown", (e) => {
      if (e.key === "Enter") {
        e.preventDefault();
        this.choose();
      }
    });
    add.addEventListener("click", () => void this.add());
    remove.addEventListener("click", () => void this.remove());
    this.root.append(
      el("h2", { id: "hotlist-heading", text: t("hotlist") }),
      el("label", { for: "hotlist-list", text: t("hotlistLabel") }),
      this.list,
      el("div", { class: "buttons" }, go, remove),
      el("div", { class: "field" }, el("label", { for: "hotlist-note", text: t("hotlistNote") }), this.note),
      el("div", { class: "buttons" }, add),
      this.message,
    );
  }

  async show(): Promise<void> {
    if (!this.hotlist) {
      const saved = (await this.store?.get<Uint8Array>("settings", "hotlist")) ?? null;
      this.hotlist = new this.core.Hotlist(this.lab, saved);
    }
    this.render();
  }

  private render(selected = 0): void {
    const lines = this.hotlist?.lines() ?? [];
    this.list.replaceChildren(...lines.map((line, i) => el("option", { value: String(i), text: line.replace(/ {2,}/g, (run) => "\u00a0".repeat(run.length)) })));
    const option = this.list.options[Math.min(selected, lines.length - 1)];
    if (option) option.selected = true;
  }

  private choose(): void {
    const jd = this.list.value === "" || !this.hotlist ? NaN : this.hotlist.choose(Number(this.list.value));
    if (Number.isNaN(jd)) {
      this.message.textContent = t("hotlistChooseFirst");
      return;
    }
    this.goTo(jd);
    this.message.textContent = t("hotlistWent");
  }

  private async keep(notice: string): Promise<void> {
    const bytes = this.hotlist?.bytes();
    if (bytes) await this.store?.put("settings", "hotlist", bytes);
    this.message.textContent = notice;
  }

  private async add(): Promise<void> {
    if (!this.hotlist) return;
    const jd = this.lab.time().jd;
    this.hotlist.add(jd, this.note.value.trim());
    this.note.value = "";
    const lines = this.hotlist.lines();
    this.render(lines.length - 1);
    await this.keep(t("hotlistAdded"));
  }

  private async remove(): Promise<void> {
    if (!this.hotlist || this.list.value === "") return;
    const at = Number(this.list.value);
    if (!this.hotlist.remove(at)) return;
    this.render(at);
    await this.keep(t("hotlistDeleted"));
  }
}
