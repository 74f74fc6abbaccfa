// The light-time analysis: the student's eclipses of one kind, each one's delay after the time
// the student's own mean period predicts, plotted against the Earth–Jupiter distance; the line
// the student lays through them by hand (offset and slope), the RMS residual in words and
// number, and the light time per AU and speed of light the slope gives. Every number comes
// from the core; the page never shows a fitted value.
import type { CoreModule, EventLogCore, LightTimeFitCore } from "./core.js";
import { el, fitCanvas } from "./dom.js";
import { numberText } from "./format.js";
import { t } from "./messages.js";

const PERIOD_STEPS = ["0.001", "0.0001", "0.00001", "0.000001"];

export class LightTimeView {
  readonly root: HTMLElement;
  private fit: LightTimeFitCore | null = null;
  private readonly message: HTMLParagraphElement;
  private readonly work: HTMLElement;
  private readonly phases: HTMLInputElement[];
  private readonly phaseLabels: HTMLLabelElement[];
  private readonly period: HTMLInputElement;
  private readonly periodStep: HTMLSelectElement;
  private readonly irregular: HTMLInputElement;
  private readonly offset: HTMLInputElement;
  private readonly slope: HTMLInputElement;
  private readonly canvas: HTMLCanvasElement;
  private readonly residual: HTMLParagraphElement;
  private readonly perAU: HTMLElement;
  private readonly speed: HTMLElement;
  private readonly points: HTMLTableSectionElement;
  private previousResidual = Number.NaN;

  constructor(
    private readonly core: CoreModule,
    private readonly log: EventLogCore,
  ) {
    this.message = el("p", { id: "light-message", class: "note", role: "status" });
    this.phases = [0, 1].map((p) => el("input", { type: "radio", name: "light-phase", id: `light-phase-${p}`, value: p }));
    this.phaseLabels = this.phases.map((box) => el("label", { for: box.id }));
    const number = (id: string, step: string): HTMLInputElement =>
      el("input", { type: "number", id, step, inputmode: "decimal", size: 12 });
    this.period = number("light-period", PERIOD_STEPS[2] ?? "any");
    this.periodStep = el(
      "select",
      { id: "light-period-step", "aria-label": t("lightPeriodStep") },
      ...PERIOD_STEPS.map((s) => el("option", { value: s, text: `± ${s}`, selected: s === PERIOD_STEPS[2] })),
    );
    this.periodStep.addEventListener("change", () => (this.period.step = this.periodStep.value));
    this.irregular = el("input", { type: "checkbox", id: "light-irregular" });
    this.offset = number("light-offset", "1");
    this.slope = number("light-slope", "0.5");
    this.offset.value = "0";
    this.slope.value = "0";
    this.canvas = el("canvas", { id: "light-plot", role: "img", "aria-label": t("lightPlotLabel") });
    this.residual = el("p", { id: "light-residual", class: "residual", "aria-live": "polite" });
    this.perAU = el("dd", { id: "light-per-au" });
    this.speed = el("dd", { id: "light-speed" });
    this.points = el("tbody");
    const field = (input: HTMLElement, key: Parameters<typeof t>[0], ...more: HTMLElement[]): HTMLElement =>
      el("div", { class: "field" }, el("label", { for: input.id, text: t(key) }), input, ...more);
    const controls = el(
      "form",
      { class: "light-controls", "aria-label": t("fitHeading") },
      el(
        "fieldset",
        { class: "moons" },
        el("legend", { text: t("lightPhase") }),
        ...this.phases.map((box, i) => el("span", {}, box, this.phaseLabels[i])),
      ),
      field(this.period, "lightPeriod", this.periodStep),
      el("div", { class: "field check" }, this.irregular, el("label", { for: "light-irregular", text: ` ${t("lightIrregular")}` })),
      field(this.offset, "lightOffset"),
      field(this.slope, "lightSlope"),
    );
    controls.addEventListener("submit", (e) => e.preventDefault());
    for (const box of this.phases) box.addEventListener("change", () => this.choosePhase(Number(box.value)));
    for (const input of [this.period, this.irregular, this.offset, this.slope]) {
      input.addEventListener("input", () => this.update());
      input.addEventListener("change", () => this.update());
    }
    this.work = el(
      "div",
      { class: "light-work" },
      el(
        "div",
        { class: "light-plot-column" },
        el("div", { class: "plot-frame" }, this.canvas),
        el(
          "table",
          { class: "events light-points" },
          el("caption", { text: t("lightPoints") }),
          el(
            "thead",
            {},
            el(
              "tr",
              {},
              ...(["colJulianDate", "colDistanceAU", "colOrbits", "colDelay", "colEvent"] as const).map((k) => el("th", { scope: "col", text: t(k) })),
            ),
          ),
          this.points,
        ),
      ),
      el(
        "div",
        { class: "light-side" },
        controls,
        this.residual,
        el("dl", { class: "results" }, el("dt", { text: t("lightPerAU") }), this.perAU, el("dt", { text: t("lightSpeed") }), this.speed),
      ),
    );
    this.root = el(
      "section",
      { class: "light-analysis", "aria-labelledby": "light-heading" },
      el("h2", { id: "light-heading", text: t("lightAnalysisHeading") }),
      el("p", { class: "muted", text: t("lightAnalysisIntro") }),
      this.message,
      this.work,
    );
    new ResizeObserver(() => this.paint()).observe(this.canvas);
  }

  // The analysis opens: the list as it is now.
  show(): void {
    this.fit?.delete();
    this.fit = new this.core.LightTimeFit(this.log.csv(), this.log.zoneHours());
    const error = this.fit.error();
    if (error) {
      this.message.textContent = t("lightNoEvents", { reason: error });
      this.work.hidden = true;
      return;
    }
    const counts = [this.fit.count(0), this.fit.count(1)];
    this.phaseLabels[0]!.textContent = ` ${t("lightEntering", { count: counts[0] ?? 0 })}`;
    this.phaseLabels[1]!.textContent = ` ${t("lightLeaving", { count: counts[1] ?? 0 })}`;
    if (this.period.value === "") this.period.value = String(this.fit.startPeriodDays());
    const chosen = this.phases.findIndex((b) => b.checked);
    const phase = chosen >= 0 ? chosen : (counts[1] ?? 0) > (counts[0] ?? 0) ? 1 : 0;
    this.phases[phase]!.checked = true;
    this.choosePhase(phase);
  }

  private choosePhase(phase: number): void {
    if (!this.fit) return;
    this.fit.setPhase(phase);
    const enough = this.fit.size() >= 2;
    this.message.textContent = enough ? "" : t("lightTooFew");
    this.work.hidden = false;
    this.previousResidual = Number.NaN;
    this.update();
  }

  private update(): void {
    const fit = this.fit;
    if (!fit) return;
    fit.setModel(Number(this.period.value), this.irregular.checked, Number(this.offset.value), Number(this.slope.value));
    const rms = fit.residualSeconds();
    if (!Number.isFinite(rms)) {
      this.residual.textContent = `${t("lightResidual")}: ${t("residualNone")}`;
      this.residual.classList.remove("worse");
    } else {
      const worse = this.core.residualWorse(rms, this.previousResidual);
      const words = Number.isNaN(this.previousResidual) ? t("residualFirst") : worse ? t("residualWorse") : t("residualBetter");
      this.residual.textContent = `${t("lightResidual")}: ${t("lightSeconds", { value: numberText(rms, 1) })} — ${words}`;
      this.residual.classList.toggle("worse", worse);
      this.previousResidual = rms;
    }
    const slope = Number(this.slope.value);
    this.perAU.textContent = t("lightSeconds", { value: numberText(slope, 1) });
    const c = fit.speedOfLightKmPerS();
    this.speed.textContent = Number.isFinite(c) ? t("lightSpeedValue", { value: Math.round(c).toLocaleString("en-US") }) : t("lightNoSpeed");
    const rows: HTMLTableRowElement[] = [];
    for (let i = 0; i < fit.size(); i++) {
      const p = fit.point(i);
      rows.push(
        el(
          "tr",
          {},
          el("td", { text: p.julianDate.toFixed(6) }),
          el("td", { class: "number", text: p.distanceAU.toFixed(5) }),
          el("td", { class: "number", text: Number.isFinite(p.orbits) ? String(p.orbits) : "—" }),
          el("td", { class: "number", text: numberText(p.delaySeconds, 1) }),
          el("td", { text: p.text }),
        ),
      );
    }
    this.points.replaceChildren(...rows);
    this.paint();
  }

  // The points and the student's line, in the plot's own scale.
  private paint(): void {
    const fit = this.fit;
    if (!fit || this.work.hidden) return;
    const css = getComputedStyle(this.canvas);
    const w = this.canvas.clientWidth;
    const h = this.canvas.clientHeight;
    const paint = fitCanvas(this.canvas, w, h);
    if (!paint || w === 0 || h === 0) return;
    const { ctx } = paint;
    ctx.scale(paint.sx, paint.sy);
    ctx.fillStyle = css.getPropertyValue("--plot-background").trim() || "#ffffff";
    ctx.fillRect(0, 0, w, h);
    const ink = css.color || "#000000";
    const range = fit.plot();
    if (!Number.isFinite(range.minAU) || !Number.isFinite(range.minDelay)) return;
    const margin = { left: 64, right: 16, top: 16, bottom: 40 };
    // The core's range covers the points and the line with round ends.
    const x0 = range.minAU;
    const x1 = range.maxAU > x0 ? range.maxAU : x0 + 1;
    const y0 = range.minDelay;
    const y1 = range.maxDelay > y0 ? range.maxDelay : y0 + 100;
    const px = (au: number): number => margin.left + ((au - x0) / (x1 - x0)) * (w - margin.left - margin.right);
    const py = (s: number): number => h - margin.bottom - ((s - y0) / (y1 - y0)) * (h - margin.top - margin.bottom);
    ctx.strokeStyle = ink;
    ctx.fillStyle = ink;
    ctx.lineWidth = 1;
    ctx.strokeRect(margin.left, margin.top, w - margin.left - margin.right, h - margin.top - margin.bottom);
    ctx.font = "12px system-ui, sans-serif";
    ctx.textAlign = "center";
    for (let i = 0; i <= 4; i++) {
      const au = x0 + ((x1 - x0) * i) / 4;
      ctx.fillText(String(Number(au.toFixed(3))), px(au), h - margin.bottom + 16);
    }
    ctx.fillText(t("lightDistanceAxis"), (margin.left + w - margin.right) / 2, h - 6);
    ctx.textAlign = "right";
    for (let i = 0; i <= 4; i++) {
      const s = y0 + ((y1 - y0) * i) / 4;
      ctx.fillText(String(Number(s.toFixed(1))), margin.left - 6, py(s) + 4);
    }
    ctx.save();
    ctx.translate(14, (margin.top + h - margin.bottom) / 2);
    ctx.rotate(-Math.PI / 2);
    ctx.textAlign = "center";
    ctx.fillText(t("lightDelayAxis"), 0, 0);
    ctx.restore();
    // The student's line, clipped to the frame.
    ctx.save();
    ctx.beginPath();
    ctx.rect(margin.left, margin.top, w - margin.left - margin.right, h - margin.top - margin.bottom);
    ctx.clip();
    const offset = Number(this.offset.value) || 0;
    const slope = Number(this.slope.value) || 0;
    ctx.strokeStyle = css.getPropertyValue("--plot-line").trim() || "#b00020";
    ctx.lineWidth = 2;
    ctx.beginPath();
    ctx.moveTo(px(x0), py(offset + slope * x0));
    ctx.lineTo(px(x1), py(offset + slope * x1));
    ctx.stroke();
    ctx.restore();
    ctx.fillStyle = css.getPropertyValue("--plot-point").trim() || "#0b57d0";
    for (let i = 0; i < fit.size(); i++) {
      const p = fit.point(i);
      if (!Number.isFinite(p.delaySeconds)) continue;
      ctx.beginPath();
      ctx.arc(px(p.distanceAU), py(p.delaySeconds), 4, 0, 2 * Math.PI);
      ctx.fill();
    }
  }
}
