// Jupiter's phenomena near the observation time (opposition, conjunction, the quadratures and
// the Earth–Jupiter distance), in the desktop's words, from the core's calculator.
import type { EventLogCore } from "./core.js";
import { el } from "./dom.js";
import { t } from "./messages.js";

export class PhenomenaView {
  readonly root: HTMLElement;
  readonly button: HTMLButtonElement;
  private readonly lines: HTMLPreElement;

  constructor(private readonly log: EventLogCore) {
    this.lines = el("pre", { id: "phenomena-lines", class: "phenomena-lines", tabindex: 0 });
    this.root = el(
      "section",
      { id: "phenomena", class: "phenomena", "aria-labelledby": "phenomena-heading" },
      el("h2", { id: "phenomena-heading", text: t("phenomenaHeading") }),
      this.lines,
    );
    this.root.hidden = true;
    this.button = el("button", { type: "button", id: "phenomena-button", "aria-pressed": "false", "aria-controls": "phenomena", text: t("phenomena") });
    this.button.addEventListener("click", () => {
      this.root.hidden = !this.root.hidden;
      this.button.setAttribute("aria-pressed", String(!this.root.hidden));
      this.refresh();
    });
  }

  // The telescope's time changed: an open list follows it.
  refresh(): void {
    if (this.root.hidden) return;
    this.lines.textContent = this.log.phenomena().join("\n");
  }
}
