// The teacher's settings: behind the instructor password (the core checks it by the desktop's
// rules), every setting the browser uses with a plain label and its unit, and the new
// JUP_OPTS.INI (the core writes it, byte for byte as the desktop does) to put beside the page.
import type { CoreModule, InstructorCore, OptionControl } from "./core.js";
import { download, el } from "./dom.js";
import { t, type MessageKey } from "./messages.js";

// The label of each control the core offers, and the group it is shown in.
const LABELS: Record<string, { label: MessageKey; group: MessageKey }> = {
  TblNumEd: { label: "optLabTable", group: "optGroupLab" },
  ObsIntEd: { label: "optObservationStep", group: "optGroupTelescope" },
  AnmStepEd: { label: "optAnimationStep", group: "optGroupTelescope" },
  DispTmrEd: { label: "optAnimationTimer", group: "optGroupTelescope" },
  RSEd: { label: "optRedSpot", group: "optGroupTelescope" },
  AnimationBox: { label: "optAllowAnimation", group: "optGroupFeatures" },
  TopViewBox: { label: "optAllowTopView", group: "optGroupFeatures" },
  VisibilityBox: { label: "optEclipseVisibility", group: "optGroupFeatures" },
  NCloudsBox: { label: "optClouds", group: "optGroupOrbitClouds" },
  NCloudyEd: { label: "optCloudyNights", group: "optGroupOrbitClouds" },
  NDrtnEd: { label: "optCloudHours", group: "optGroupOrbitClouds" },
  RCloudsBox: { label: "optClouds", group: "optGroupLightClouds" },
  RCloudyEd: { label: "optCloudyNights", group: "optGroupLightClouds" },
  RDrtnEd: { label: "optCloudHours", group: "optGroupLightClouds" },
};

export class InstructorView {
  readonly root = el("section", { id: "teacher", class: "teacher", "aria-labelledby": "teacher-heading" });
  constructor(
    private readonly instructor: InstructorCore,
    private readonly back: () => void,
  ) {
    this.showPassword();
  }

  private heading(): HTMLElement {
    return el("h2", { id: "teacher-heading", text: t("teacherHeading") });
  }

  private backButton(): HTMLButtonElement {
    const b = el("button", { type: "button", text: t("teacherBack") });
    b.addEventListener("click", () => {
      this.instructor.lock();
      this.back();
    });
    return b;
  }

  private showPassword(): void {
    const field = el("input", { id: "teacher-password", type: "password", autocomplete: "off", "aria-describedby": "teacher-password-note" });
    const note = el("p", { id: "teacher-password-note", class: "field-error", role: "alert" });
    const form = el(
      "form",
      { class: "start-form", novalidate: true },
      this.heading(),
      el("p", { text: t("teacherIntro") }),
      el("label", { for: "teacher-password", text: t("teacherPassword") }),
      field,
      note,
      el("div", { class: "buttons" }, el("button", { type: "submit", class: "primary", text: t("teacherUnlock") }), this.backButton()),
    );
    form.addEventListener("submit", (e) => {
      e.preventDefault();
      const answer = this.instructor.unlock(field.value);
      field.value = "";
      if (answer === "ok") {
        this.showSettings();
        return;
      }
      note.textContent = answer === "again" ? t("teacherWrongPassword") : t("teacherDenied");
      field.setAttribute("aria-invalid", "true");
      if (answer === "denied") field.disabled = true;
      else field.focus();
    });
    this.root.replaceChildren(form);
    queueMicrotask(() => field.focus());
  }

  private field(c: OptionControl): HTMLElement {
    const id = `opt-${c.name}`;
    const names = LABELS[c.name];
    const label = names ? t(names.label) : c.name;
    if (c.kind === "check") {
      const box = el("input", { id, type: "checkbox", "data-control": c.name, checked: c.checked === true });
      return el("div", { class: "check-field" }, box, el("label", { for: id, text: ` ${label}` }));
    }
    const input = el("input", { id, type: "text", "data-control": c.name, value: c.value ?? "", size: 10, autocomplete: "off" });
    return el("div", { class: "field" }, el("label", { for: id, text: label }), input);
  }

  private showSettings(): void {
    const controls = this.instructor.controls();
    const groups = new Map<MessageKey, HTMLElement>();
    for (const c of controls) {
      const group = LABELS[c.name]?.group ?? "optGroupLab";
      let box = groups.get(group);
      if (!box) {
        box = el("fieldset", { class: "option-group" }, el("legend", { text: t(group) }));
        groups.set(group, box);
      }
      box.append(this.field(c));
    }
    const password = el("input", { id: "opt-password", type: "password", autocomplete: "new-password", value: this.instructor.password() });
    const again = el("input", { id: "opt-password-again", type: "password", autocomplete: "new-password" });
    const passwordGroup = el(
      "fieldset",
      { class: "option-group" },
      el("legend", { text: t("optGroupPassword") }),
      el("p", { class: "muted", text: t("optPasswordNote") }),
      el("div", { class: "field" }, el("label", { for: "opt-password", text: t("optPassword") }), password),
      el("div", { class: "field" }, el("label", { for: "opt-password-again", text: t("optPasswordAgain") }), again),
    );
    const message = el("p", { id: "teacher-message", class: "note", role: "status" });
    const save = el("button", { type: "submit", class: "primary", text: t("teacherDownload") });
    const form = el(
      "form",
      { class: "teacher-form", novalidate: true },
      this.heading(),
      el("p", { text: t("teacherSettingsIntro") }),
      ...groups.values(),
      passwordGroup,
      el("div", { class: "buttons" }, save, this.backButton()),
      message,
    );
    form.addEventListener("submit", (e) => {
      e.preventDefault();
      const values: Record<string, string | boolean> = {};
      for (const input of form.querySelectorAll<HTMLInputElement>("input[data-control]")) {
        const name = input.dataset["control"] ?? "";
        values[name] = input.type === "checkbox" ? input.checked : input.value;
      }
      const outcome = this.instructor.apply(values, password.value, again.value);
      message.classList.toggle("field-error", outcome === "bad-number" || outcome === "password-not-confirmed");
      if (outcome === "bad-number") {
        message.textContent = t("teacherBadNumber");
        return;
      }
      if (outcome === "locked") return;
      if (outcome === "password-not-confirmed") {
        message.textContent = t("teacherPasswordNotConfirmed");
        password.value = this.instructor.password();
        again.value = "";
        return;
      }
      download("JUP_OPTS.INI", this.instructor.fileBytes(), "application/octet-stream");
      again.value = "";
      message.textContent = outcome === "password-changed" ? `${t("teacherPasswordChanged")} ${t("teacherSaved")}` : t("teacherSaved");
    });
    this.root.replaceChildren(form);
    this.root.querySelector<HTMLInputElement>("input")?.focus();
  }
}

// One instructor per visit: wrong passwords count across openings of the settings.
let instructor: InstructorCore | null = null;

// Opens the teacher's settings in place of the start form; Back returns to it.
export function openTeacherSettings(core: CoreModule, start: HTMLElement): void {
  instructor ??= new core.Instructor();
  const view = new InstructorView(instructor, () => {
    view.root.remove();
    start.hidden = false;
    start.querySelector<HTMLButtonElement>("#teacher-button")?.focus();
  });
  start.hidden = true;
  start.after(view.root);
}
