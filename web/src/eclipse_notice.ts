// The notice of a moon entering or leaving Jupiter's shadow, shown beside the telescope field
// (never over it) when the animation stopped there: the moon by name, Continue to go on
// animating, Close to stay stopped. Read out by screen readers as it appears.
import type { EclipseStop } from "./core.js";
import { el } from "./dom.js";
import { moonName, t } from "./messages.js";

export interface EclipseNoticeActions {
  continued(): void;
  dismissed(): void;
}

// "I. Io" is the moon's label in lists; the notice names it as a sentence does.
function plainName(moon: number): string {
  return moonName(moon).replace(/^[IV]+\.\s*/, "");
}

export class EclipseNotice {
  readonly root: HTMLElement;
  private readonly text: HTMLParagraphElement;
  private readonly continueButton: HTMLButtonElement;
  private readonly buttons: HTMLDivElement;
  private returnTo: HTMLElement | null = null;

  constructor(actions: EclipseNoticeActions) {
    this.text = el("p", { id: "eclipse-notice-text", class: "eclipse-text" });
    this.continueButton = el("button", { type: "button", id: "eclipse-continue", class: "primary", text: t("eclipseContinue") });
    const close = el("button", { type: "button", id: "eclipse-dismiss", text: t("eclipseDismiss") });
    this.continueButton.addEventListener("click", () => {
      this.hide();
      actions.continued();
    });
    close.addEventListener("click", () => {
      this.hide();
      actions.dismissed();
    });
    this.buttons = el("div", { class: "buttons" }, this.continueButton, close);
    // The live region is always in the page (empty while there is no notice), so the text is
    // read out when it appears.
    this.root = el(
      "section",
      { id: "eclipse-notice", class: "eclipse-notice", "aria-label": t("eclipseNoticeLabel") },
      el("div", { role: "status", "aria-live": "polite" }, this.text),
      this.buttons,
    );
    this.hide();
    this.root.addEventListener("keydown", (e) => {
      if (e.key === "Escape") close.click();
    });
  }

  show(stop: EclipseStop, takeFocus: boolean): void {
    const name = plainName(stop.moon);
    this.text.textContent = t(stop.entered ? "eclipseEntered" : "eclipseLeft", { moon: name });
    this.buttons.hidden = false;
    this.root.classList.add("active");
    if (takeFocus) {
      this.returnTo = document.activeElement instanceof HTMLElement ? document.activeElement : null;
      this.continueButton.focus();
    }
  }

  // The keyboard's focus goes back where it was when the notice took it.
  hide(): void {
    if (this.root.contains(document.activeElement)) this.returnTo?.focus();
    this.returnTo = null;
    this.text.textContent = "";
    this.buttons.hidden = true;
    this.root.classList.remove("active");
  }

  get shown(): boolean {
    return !this.buttons.hidden;
  }
}
