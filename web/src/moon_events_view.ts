// Moon Events: the moons' almanac from the observation time over a span, with the desktop
// window's choices (moons, kinds, mutual events, hidden events, "Visible from" the observing
// site within two limits), Go To a few minutes before the chosen event, and Jupiter's and the
// Sun's rise, transit and set at the site. The core searches, judges, lists and says where Go To
// goes; the site, typed or taken from the device's location, is kept in the browser.
import type { MoonEventsCore, MoonEventsModule, ObservingPlace } from "./core.js";
import { el } from "./dom.js";
import { moonName, t } from "./messages.js";
import type { LocalStore } from "./store.js";

const SITE_KEY = "observingSite";

// UT minus local time, hours, in this browser's zone at a UT Julian date.
function browserZoneHours(jd: number): number {
  return new Date((jd - 2440587.5) * 86400000).getTimezoneOffset() / 60;
}

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
  private readonly latitude = el("input", { id: "site-latitude", type: "text", size: 11, autocomplete: "off", spellcheck: "false", "aria-describedby": "site-intro site-error" });
  private readonly longitude = el("input", { id: "site-longitude", type: "text", size: 11, autocomplete: "off", spellcheck: "false", "aria-describedby": "site-intro site-error" });
  private readonly siteError = el("p", { id: "site-error", class: "field-error", "aria-live": "polite" });
  private readonly siteNote = el("p", { id: "site-note", class: "note", role: "status" });
  private readonly visible = el("input", { id: "almanac-visible", type: "checkbox", disabled: true });
  private readonly visibleLabel = el("label", { for: "almanac-visible", text: ` ${t("visibleNoSite")}` });
  private readonly minAlt = el("input", { id: "almanac-min-alt", type: "text", inputmode: "decimal", size: 5, autocomplete: "off", "aria-describedby": "almanac-min-alt-unit limit-error" });
  private readonly sunBelow = el("input", { id: "almanac-sun-below", type: "text", inputmode: "decimal", size: 5, autocomplete: "off", "aria-describedby": "almanac-sun-below-unit limit-error" });
  private readonly limitError = el("p", { id: "limit-error", class: "field-error", "aria-live": "polite" });
  private readonly riseSet = el("section", { id: "almanac-rise-set", class: "almanac-rise-set", "aria-labelledby": "rise-set-heading" });
  private readonly riseSetText = el("pre", { id: "rise-set-lines", class: "rise-set-lines" });
  private searchedFrom = NaN;
  private searchedMutual = false;
  private site: ObservingPlace | null = null;

  constructor(
    private readonly core: MoonEventsModule,
    private readonly observationJD: () => number,
    private readonly goTo: (jd: number) => void,
    private readonly store: LocalStore | null = null,
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
    this.visible.addEventListener("change", () => this.relist());
    const limits = this.events.limits();
    this.minAlt.value = limits.minAlt;
    this.sunBelow.value = limits.sunBelow;
    for (const field of [this.minAlt, this.sunBelow]) field.addEventListener("change", () => this.readLimits());
    const siteForm = el("form", { class: "almanac-site-fields", novalidate: true });
    siteForm.addEventListener("submit", (e) => {
      e.preventDefault();
      void this.typedSite();
    });
    const locate = el("button", { type: "button", id: "site-locate", text: t("siteLocate") });
    locate.addEventListener("click", () => this.locate());
    siteForm.append(
      el("div", { class: "field" }, el("label", { for: "site-latitude", text: t("siteLatitude") }), this.latitude),
      el("div", { class: "field" }, el("label", { for: "site-longitude", text: t("siteLongitude") }), this.longitude),
      el("button", { type: "submit", id: "site-set", text: t("siteSet") }),
      locate,
    );
    const site = el(
      "fieldset",
      { class: "almanac-group almanac-site" },
      el("legend", { text: t("siteHeading") }),
      el("p", { id: "site-intro", class: "muted", text: t("siteIntro") }),
      siteForm,
      this.siteError,
      this.siteNote,
    );
    // "Jupiter at least [10] ° high,": the label, the field and its unit kept on one line.
    const limit = (field: HTMLInputElement, label: string, unit: string): HTMLElement =>
      el("span", { class: "limit" }, el("label", { for: field.id, text: label }), field, el("span", { id: `${field.id}-unit`, text: unit }));
    const visibility = el(
      "div",
      { class: "almanac-visible" },
      el("span", { class: "check-field" }, this.visible, this.visibleLabel),
      el(
        "span",
        { class: "limit-fields" },
        limit(this.minAlt, t("visibleMinAlt"), t("visibleHigh")),
        limit(this.sunBelow, t("visibleSunBelow"), t("visibleDown")),
      ),
      this.limitError,
    );
    this.riseSet.append(el("h3", { id: "rise-set-heading", text: t("riseSetHeading") }), this.riseSetText);
    this.riseSet.hidden = true;
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
      site,
      visibility,
      el("label", { for: "almanac-list", text: t("almanacListLabel") }),
      this.list,
      el("div", { class: "buttons" }, goButton),
      this.note,
      this.riseSet,
    );
    void this.loadSite();
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
    this.showRiseSet();
  }

  private relist(): void {
    const lines = this.events.lines({
      moons: this.moons.map((b) => b.checked),
      kinds: this.kinds.map((b) => b.checked),
      mutual: this.mutual.checked,
      hidden: this.hidden.checked,
      visible: this.visible.checked && this.site !== null,
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

  private readLimits(): void {
    this.limitError.textContent = this.events.setLimits(this.minAlt.value, this.sunBelow.value);
    this.relist();
  }

  // The site kept from an earlier visit, if any.
  private async loadSite(): Promise<void> {
    let kept: ObservingPlace | undefined;
    try {
      kept = await this.store?.get<ObservingPlace>("settings", SITE_KEY);
    } catch {
      kept = undefined;
    }
    // Whatever the storage holds is checked by the core before it is taken.
    if (!kept || typeof kept.latitude !== "number" || typeof kept.longitude !== "number") return;
    if (this.site || !this.events.setPlace({ latitude: kept.latitude, longitude: kept.longitude })) return;
    const texts = this.core.placeTexts(kept.latitude, kept.longitude);
    this.latitude.value = texts.latitude;
    this.longitude.value = texts.longitude;
    this.showSite(kept, false);
  }

  private async typedSite(): Promise<void> {
    const check = this.core.checkPlace(this.latitude.value, this.longitude.value);
    this.latitude.removeAttribute("aria-invalid");
    this.longitude.removeAttribute("aria-invalid");
    if (!check.ok) {
      this.siteError.textContent = check.error;
      const field = check.field === "longitude" ? this.longitude : this.latitude;
      field.setAttribute("aria-invalid", "true");
      field.focus();
      return;
    }
    await this.keepSite({ latitude: check.latitude, longitude: check.longitude });
  }

  // The device's location, when the student lets the browser give it: written into the fields
  // as they show a place, and taken as typed.
  private locate(): void {
    const geolocation = typeof navigator !== "undefined" ? navigator.geolocation : undefined;
    if (!geolocation) {
      this.siteError.textContent = t("siteNoLocation");
      return;
    }
    this.siteError.textContent = "";
    this.siteNote.textContent = t("siteLocating");
    geolocation.getCurrentPosition(
      (position) => {
        const texts = this.core.placeTexts(position.coords.latitude, position.coords.longitude);
        this.latitude.value = texts.latitude;
        this.longitude.value = texts.longitude;
        void this.typedSite();
      },
      (error) => {
        this.siteNote.textContent = "";
        this.siteError.textContent = error.code === error.PERMISSION_DENIED ? t("siteDenied") : t("siteUnavailable");
      },
      { enableHighAccuracy: false, timeout: 20000, maximumAge: 600000 },
    );
  }

  private async keepSite(place: ObservingPlace): Promise<void> {
    if (!this.events.setPlace(place)) return;
    let kept = this.store !== null;
    try {
      await this.store?.put("settings", SITE_KEY, place);
    } catch {
      kept = false;
    }
    // A site set for the first time is set to list what it sees, as on the desktop.
    this.showSite(place, this.site === null, kept);
  }

  private showSite(place: ObservingPlace, chooseVisible: boolean, kept = true): void {
    this.site = place;
    const text = this.core.placeTexts(place.latitude, place.longitude).place;
    this.siteError.textContent = "";
    this.siteNote.textContent = t(kept ? "siteSaved" : "siteNotSaved", { place: text });
    this.visible.disabled = false;
    this.visibleLabel.textContent = ` ${t("visibleFrom", { place: text })}`;
    if (chooseVisible) this.visible.checked = true;
    if (Number.isNaN(this.searchedFrom)) return;
    this.relist();
    this.showRiseSet();
  }

  private showRiseSet(): void {
    const zone = Intl.DateTimeFormat().resolvedOptions().timeZone ?? "";
    const lines = this.site ? this.events.riseTransitSet(zone, browserZoneHours) : [];
    // The core's block opens with a blank line that separates it from a list above it.
    this.riseSetText.textContent = lines.filter((line, i) => i > 0 || line !== "").join("\n");
    this.riseSet.hidden = lines.length === 0;
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
