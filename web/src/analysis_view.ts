// The analysis: one moon's offsets against time, the hand fit of a sine curve to them by
// slider or typed value, the RMS residual in words and number, and the values it gives. The
// core draws the plot as shapes and computes every number; this view paints and forwards.
import type { AnalysisCore, AnalysisFrame, PlotShape } from "./core.js";
import { download, el, fitCanvas } from "./dom.js";
import { numberText, powerOfTenText } from "./format.js";
import { moonName, t, type MessageKey } from "./messages.js";

const SLIDERS: { key: MessageKey; field: "tzero" | "period" | "amplitude" }[] = [
  { key: "tZero", field: "tzero" },
  { key: "period", field: "period" },
  { key: "amplitude", field: "amplitude" },
];

export class AnalysisView {
  readonly root: HTMLElement;
  private readonly canvas: HTMLCanvasElement;
  private readonly moonBoxes: HTMLInputElement[];
  private readonly sliders: HTMLInputElement[];
  private readonly fields: HTMLInputElement[];
  private readonly fine: HTMLInputElement;
  private readonly fitError: HTMLParagraphElement;
  private readonly residual: HTMLParagraphElement;
  private readonly results: HTMLDListElement;
  private readonly cross: HTMLParagraphElement;
  private frame: AnalysisFrame | null = null;

  constructor(
    private readonly analysis: AnalysisCore,
    private readonly fileStem: () => string,
    private readonly tableChanged: () => void,
  ) {
    this.moonBoxes = [1, 2, 3, 4].map((m) => el("input", { type: "radio", name: "moon", id: `moon-${m}`, value: m }));
    const moonGroup = el(
      "fieldset",
      { class: "moons" },
      el("legend", { text: t("moon") }),
      ...this.moonBoxes.map((box, i) => el("span", {}, box, el("label", { for: box.id, text: ` ${moonName(i + 1)}` }))),
    );
    this.canvas = el("canvas", { id: "plot", role: "img", "aria-label": t("plotLabel", { moon: "" }) });
    this.sliders = SLIDERS.map((s, i) =>
      el("input", { type: "range", id: `slider-${i}`, min: -200, max: 200, step: 1, value: 0, "aria-label": `${t(s.key)} ${t("sliderSuffix")}` }),
    );
    this.fields = SLIDERS.map((s, i) => el("input", { type: "text", id: `field-${i}`, inputmode: "decimal", size: 14 }));
    this.fine = el("input", { type: "checkbox", id: "fine" });
    this.fitError = el("p", { id: "fit-error", class: "field-error", role: "alert" });
    this.residual = el("p", { id: "residual", class: "residual", "aria-live": "polite" });
    this.results = el("dl", { id: "results", class: "results" });
    this.cross = el("p", { id: "plot-cross", class: "muted" });
    const setButton = el("button", { type: "submit", class: "primary", text: t("setParameters") });
    const centre = el("button", { type: "button", text: t("centreSliders") });
    const png = el("button", { type: "button", text: t("savePng") });
    const print = el("button", { type: "button", text: t("print") });
    const form = el(
      "form",
      { class: "fit", "aria-labelledby": "fit-heading" },
      el("h3", { id: "fit-heading", text: t("fitHeading") }),
      ...SLIDERS.map((s, i) =>
        el(
          "div",
          { class: "fit-row" },
          el("label", { for: `field-${i}`, text: t(s.key) }),
          this.fields[i] ?? null,
          this.sliders[i] ?? null,
        ),
      ),
      el("div", { class: "buttons" }, setButton, centre, el("span", {}, this.fine, el("label", { for: "fine", text: ` ${t("fineSliders")}` }))),
      this.fitError,
    );
    this.root = el(
      "section",
      { class: "analysis", "aria-labelledby": "analysis-heading" },
      el("h2", { id: "analysis-heading", text: t("analysis") }),
      moonGroup,
      el(
        "div",
        { class: "analysis-grid" },
        el("div", { class: "plot-column" }, el("div", { class: "plot-frame" }, this.canvas), this.cross, el("p", { class: "muted", text: t("plotHint") })),
        el(
          "div",
          { class: "fit-column" },
          form,
          this.residual,
          el("h3", { text: t("results") }),
          this.results,
          el("div", { class: "buttons" }, png, print),
        ),
      ),
    );

    this.moonBoxes.forEach((box, i) =>
      box.addEventListener("change", () => {
        if (!box.checked) return;
        this.analysis.selectMoon(i + 1);
        this.fillFields();
        this.repaint();
      }),
    );
    this.sliders.forEach((slider, i) => {
      slider.addEventListener("input", () => {
        this.analysis.moveSlider(i, Number(slider.value));
        this.repaint();
      });
      // Letting go makes the value reached the slider's new centre.
      slider.addEventListener("change", () => {
        this.analysis.resetSlider(i);
        slider.value = "0";
        this.fillFields();
      });
    });
    centre.addEventListener("click", () => {
      for (let i = 0; i < 3; ++i) this.analysis.resetSlider(i);
      this.sliders.forEach((s) => (s.value = "0"));
    });
    this.fine.addEventListener("change", () => {
      this.analysis.setFine(this.fine.checked);
      this.sliders.forEach((s) => (s.value = "0"));
    });
    form.addEventListener("submit", (e) => {
      e.preventDefault();
      const problem = this.analysis.setParameters(this.fields[0]?.value ?? "", this.fields[1]?.value ?? "", this.fields[2]?.value ?? "");
      this.fitError.textContent = problem ? t("fitInvalid", { reason: problem.replace(/\r\n/g, " ") }) : "";
      this.sliders.forEach((s) => (s.value = "0"));
      this.repaint();
    });
    this.canvas.addEventListener("click", (e) => {
      const p = this.plotPoint(e);
      if (this.analysis.togglePoint(p.x, p.y)) {
        this.tableChanged();
        this.repaint();
      }
    });
    this.canvas.addEventListener("pointerdown", (e) => {
      const p = this.plotPoint(e);
      this.analysis.press(p.x, p.y);
      this.repaint();
    });
    this.canvas.addEventListener("pointermove", (e) => {
      if (e.buttons === 0) return;
      const p = this.plotPoint(e);
      this.analysis.move(p.x, p.y);
      this.repaint();
    });
    this.canvas.addEventListener("pointerup", (e) => {
      const p = this.plotPoint(e);
      this.analysis.release(p.x, p.y);
    });
    png.addEventListener("click", () => {
      this.canvas.toBlob((blob) => {
        if (blob) download(`${this.fileStem()}-${moonName(this.analysis.moon()).replace(/[^A-Za-z]/g, "")}.png`, blob, "image/png");
      }, "image/png");
    });
    print.addEventListener("click", () => window.print());
    new ResizeObserver(() => this.paint()).observe(this.canvas);
  }

  // The view opened or the table changed: which moons have data, and the plot again.
  show(): void {
    const enabled = this.analysis.moons();
    this.moonBoxes.forEach((box, i) => {
      box.disabled = !enabled[i];
    });
    const moon = this.analysis.moon();
    if (moon === 0) {
      const first = enabled.findIndex((e) => e);
      if (first >= 0) {
        this.analysis.selectMoon(first + 1);
        this.fillFields();
      }
    }
    const selected = this.analysis.moon();
    this.moonBoxes.forEach((box, i) => (box.checked = i + 1 === selected));
    this.repaint();
  }

  private fillFields(): void {
    const p = this.analysis.parameters();
    const values = [p.tzero, p.period, p.amplitude];
    this.fields.forEach((f, i) => (f.value = (values[i] ?? "").trim()));
  }

  private plotPoint(e: MouseEvent): { x: number; y: number } {
    const r = this.canvas.getBoundingClientRect();
    const f = this.frame;
    const w = f?.width ?? 658;
    const h = f?.height ?? 320;
    return { x: Math.floor(((e.clientX - r.left) / r.width) * w), y: Math.floor(((e.clientY - r.top) / r.height) * h) };
  }

  private repaint(): void {
    this.frame = this.analysis.frame();
    const f = this.frame;
    const moon = this.analysis.moon();
    this.canvas.setAttribute("aria-label", t("plotLabel", { moon: moon ? moonName(moon) : "" }));
    if (f.rms === null) {
      this.residual.textContent = `${t("residual")}: ${t("residualNone")}`;
    } else {
      this.residual.textContent = `${t("residual")}: ${numberText(f.rms, 4)} ${t("diameters")} — ${f.rmsFirst ? t("residualFirst") : f.rmsWorse ? t("residualWorse") : t("residualBetter")}`;
    }
    this.residual.classList.toggle("worse", f.rmsWorse);
    this.cross.textContent =
      f.crossDay === null || f.crossOffset === null ? "" : t("plotCross", { day: numberText(f.crossDay, 2), offset: numberText(f.crossOffset, 2) });
    this.results.replaceChildren();
    if (f.period !== null && f.amplitude !== null && f.tzero !== null) {
      const add = (key: MessageKey, value: string): void => {
        this.results.append(el("dt", { text: t(key) }), el("dd", { text: value }));
      };
      add("tZero", numberText(f.tzero, 4));
      add("period", numberText(f.period, 4));
      add("orbitRadius", `${numberText(Math.abs(f.amplitude), 3)} ${t("diameters")}`);
      if (f.jupiterMass !== null) add("jupiterMass", `${powerOfTenText(f.jupiterMass, 4)} ${t("kilograms")}`);
    }
    this.paint();
  }

  private paint(): void {
    const f = this.frame;
    if (!f) return;
    const fitted = fitCanvas(this.canvas, f.width, f.height);
    if (!fitted) return;
    const { ctx, dpr, sx, sy, w, h } = fitted;
    const background = f.shapes.find((s) => s.ink === "background")?.colour ?? "#000080";
    ctx.fillStyle = background;
    ctx.fillRect(0, 0, w, h);
    ctx.lineWidth = Math.max(1, Math.round(dpr));
    ctx.font = `${Math.round(11 * sy)}px "DejaVu Sans", sans-serif`;
    ctx.textBaseline = "top";
    for (const s of f.shapes) this.shape(ctx, s, sx, sy, background);
  }

  private shape(ctx: CanvasRenderingContext2D, s: PlotShape, sx: number, sy: number, background: string): void {
    ctx.strokeStyle = s.colour;
    ctx.fillStyle = s.colour;
    switch (s.kind) {
      case "line":
        ctx.beginPath();
        ctx.moveTo((s.x1 + 0.5) * sx, (s.y1 + 0.5) * sy);
        ctx.lineTo((s.x2 + 0.5) * sx, (s.y2 + 0.5) * sy);
        ctx.stroke();
        break;
      case "frame":
        ctx.strokeRect((s.x1 + 0.5) * sx, (s.y1 + 0.5) * sy, (s.x2 - s.x1 - 1) * sx, (s.y2 - s.y1 - 1) * sy);
        break;
      case "ellipse":
        ctx.beginPath();
        ctx.ellipse(((s.x1 + s.x2) / 2) * sx, ((s.y1 + s.y2) / 2) * sy, ((s.x2 - s.x1) / 2) * sx, ((s.y2 - s.y1) / 2) * sy, 0, 0, 2 * Math.PI);
        ctx.fillStyle = background;
        ctx.fill();
        ctx.stroke();
        break;
      case "text":
        ctx.fillText(s.text ?? "", s.x1 * sx, s.y1 * sy);
        break;
      case "polyline": {
        const p = s.points ?? [];
        ctx.beginPath();
        for (let i = 0; i + 1 < p.length; i += 2) {
          const x = ((p[i] ?? 0) + 0.5) * sx;
          const y = ((p[i + 1] ?? 0) + 0.5) * sy;
          if (i === 0) ctx.moveTo(x, y);
          else ctx.lineTo(x, y);
        }
        ctx.stroke();
        break;
      }
    }
  }
}
