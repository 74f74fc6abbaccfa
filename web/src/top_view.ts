// The top view: the moons' orbits seen from far above, the Earth towards the bottom, as the
// core plans it; the page paints the plan.
import type { TopViewPlan } from "./core.js";
import { fitCanvas } from "./dom.js";
import { t } from "./messages.js";

const ARROW = 24; // the arrow's size in picture pixels

export function paintTopView(canvas: HTMLCanvasElement, plan: TopViewPlan): void {
  const fitted = fitCanvas(canvas, plan.width, plan.height);
  if (!fitted) return;
  const { ctx, dpr, sx, sy, w, h } = fitted;
  ctx.fillStyle = "#000";
  ctx.fillRect(0, 0, w, h);
  ctx.lineWidth = Math.max(1, Math.round(dpr));
  const ellipse = (b: number[], fill: string | null, stroke: string): void => {
    const [l = 0, t = 0, r = 0, btm = 0] = b;
    ctx.beginPath();
    ctx.ellipse(((l + r) / 2) * sx, ((t + btm) / 2) * sy, ((r - l) / 2) * sx, ((btm - t) / 2) * sy, 0, 0, 2 * Math.PI);
    if (fill) {
      ctx.fillStyle = fill;
      ctx.fill();
    }
    ctx.strokeStyle = stroke;
    ctx.stroke();
  };
  if (plan.orbits) for (let i = 4; i >= 1; --i) ellipse(plan.boxes[i] ?? [], null, plan.orbitColour);
  // The arrow towards the Earth, pointing down, with its words.
  const [ax = 0, ay = 0] = plan.arrow;
  ctx.fillStyle = "#e00000";
  ctx.beginPath();
  ctx.moveTo((ax + ARROW / 2) * sx, (ay + ARROW) * sy);
  ctx.lineTo(ax * sx, (ay + ARROW / 2) * sy);
  ctx.lineTo((ax + ARROW) * sx, (ay + ARROW / 2) * sy);
  ctx.closePath();
  ctx.fill();
  ctx.fillRect((ax + ARROW / 3) * sx, ay * sy, (ARROW / 3) * sx, (ARROW / 2) * sy);
  ctx.fillStyle = plan.textColour;
  ctx.font = `${Math.round(12 * sy)}px "DejaVu Sans", sans-serif`;
  ctx.textBaseline = "top";
  ctx.fillText(t("toEarth"), (plan.text[0] ?? 0) * sx, (plan.text[1] ?? 0) * sy);
  ctx.strokeStyle = plan.zoneColour;
  for (const [x1 = 0, y1 = 0, x2 = 0, y2 = 0] of plan.zone) {
    ctx.beginPath();
    ctx.moveTo(x1 * sx, y1 * sy);
    ctx.lineTo(x2 * sx, y2 * sy);
    ctx.stroke();
  }
  ellipse(plan.boxes[0] ?? [], plan.jupiter, plan.jupiter);
  for (const m of plan.moons) {
    ctx.fillStyle = m.colour;
    ctx.strokeStyle = m.colour;
    if (m.mark === "dot") {
      ctx.beginPath();
      ctx.arc(m.x * sx, m.y * sy, m.size * sx, 0, 2 * Math.PI);
      ctx.fill();
    } else if (m.mark === "plus") {
      ctx.beginPath();
      ctx.moveTo((m.x - 3) * sx, m.y * sy);
      ctx.lineTo((m.x + 3) * sx, m.y * sy);
      ctx.moveTo(m.x * sx, (m.y - 3) * sy);
      ctx.lineTo(m.x * sx, (m.y + 3) * sy);
      ctx.stroke();
    }
  }
}

export const TOP_VIEW_ARROW = ARROW;
