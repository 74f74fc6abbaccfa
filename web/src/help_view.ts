// Help in a side panel: the desktop's topic lists and help files, read by the core, with a
// search over the topics' titles and text.
import type { HelpCore, HelpEntry } from "./core.js";
import { byId, el } from "./dom.js";
import { t } from "./messages.js";

const LISTS = ["JupHlp.lst", "JupAnalHlp.lst"];

interface Topic {
  entry: HelpEntry;
  lines: string[];
}

export class HelpView {
  private topics: Topic[] | null = null;
  private readonly panel = byId<HTMLElement>("help-panel");
  private readonly button = byId<HTMLButtonElement>("help-button");
  private readonly list = el("ul", { class: "help-topics" });
  private readonly page = el("div", { class: "help-page", tabindex: -1 });
  private readonly search = el("input", { type: "search", id: "help-search" });

  constructor(
    private readonly core: HelpCore,
    private readonly base: URL,
  ) {
    const close = el("button", { type: "button", text: t("closeHelp") });
    close.addEventListener("click", () => this.toggle(false));
    this.search.addEventListener("input", () => this.renderList());
    this.panel.replaceChildren(
      el("div", { class: "help-head" }, el("h2", { id: "help-heading", text: t("help") }), close),
      el("label", { for: "help-search", text: t("searchHelp") }),
      this.search,
      el("nav", { "aria-label": t("helpTopics") }, this.list),
      this.page,
    );
    this.button.addEventListener("click", () => this.toggle(this.panel.hidden));
    this.panel.addEventListener("keydown", (e) => {
      if (e.key === "Escape") this.toggle(false);
    });
  }

  async toggle(open: boolean): Promise<void> {
    this.panel.hidden = !open;
    this.button.setAttribute("aria-expanded", String(open));
    if (!open) {
      this.button.focus();
      return;
    }
    if (!this.topics) this.topics = await this.load();
    this.renderList();
    this.search.focus();
  }

  private async text(name: string): Promise<string> {
    const response = await fetch(new URL(`help/${encodeURIComponent(name)}`, this.base));
    if (!response.ok) throw new Error(`${name}: ${response.status}`);
    // The help files are Windows-1252 text.
    return new TextDecoder("windows-1252").decode(await response.arrayBuffer());
  }

  private async load(): Promise<Topic[]> {
    const topics: Topic[] = [];
    const files = new Map<string, string>();
    for (const list of LISTS) {
      for (const entry of this.core.helpEntries(await this.text(list))) {
        if (entry.heading) {
          topics.push({ entry, lines: [] });
          continue;
        }
        if (topics.some((tp) => tp.entry.title === entry.title && !tp.entry.heading)) continue;
        let file = files.get(entry.file);
        if (file === undefined) {
          file = await this.text(entry.file).catch(() => "");
          files.set(entry.file, file);
        }
        const shown = this.core.topicText(file, entry.title);
        topics.push({ entry, lines: shown ? shown.lines : [t("topicMissing")] });
      }
    }
    return topics;
  }

  private renderList(): void {
    const words = this.search.value.trim().toLowerCase();
    const items: HTMLElement[] = [];
    for (const topic of this.topics ?? []) {
      if (topic.entry.heading) {
        if (!words) items.push(el("li", { class: "help-group", text: topic.entry.title }));
        continue;
      }
      if (words && !`${topic.entry.title}\n${topic.lines.join("\n")}`.toLowerCase().includes(words)) continue;
      const link = el("button", { type: "button", class: "link", text: topic.entry.title });
      link.addEventListener("click", () => this.show(topic));
      items.push(el("li", {}, link));
    }
    if (items.length === 0) items.push(el("li", { class: "muted", text: t("noHelpMatch") }));
    this.list.replaceChildren(...items);
  }

  private show(topic: Topic): void {
    this.page.replaceChildren(el("h3", { text: topic.entry.title }), el("pre", { class: "help-text", text: topic.lines.join("\n").trim() }));
    this.page.focus();
  }
}
