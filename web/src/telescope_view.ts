// The telescope field: paints the frame the core decided, at the device's pixel ratio, and
// turns pointer and keyboard actions into image pixels for the core's reading.
import type { Rect, TelescopeFrame } from "./core.js";
import { fitCanvas } from "./dom.js";

export interface CrossHair {
  x: number; // image pixels
  y: number;
}

export interface TelescopeCallbacks {
  aimed(at: CrossHair): void; // the cross-hair moved
  record(): void; // Enter
}

export class TelescopeView {
  private frame: TelescopeFrame | null = null;
  private cross: CrossHair | null = null;
  private readonly picture = new Image();
  private readonly clouds = new Image();
  private pictureUrl = "";
  private dragging = false;
  private pending = 0;

  constructor(
    private readonly canvas: HTMLCanvasElement,
    private readonly dataBase: URL,
    private readonly callbacks: TelescopeCallbacks,
    private readonly jupiterRect: (width: number, height: number) => Rect,
  ) {
    this.picture.decoding = "async";
    this.picture.onload = () => this.schedule();
    this.clouds.onload = () => this.schedule();
    canvas.addEventListener("pointerdown", (e) => this.pointerDown(e));
    canvas.addEventListener("pointermove", (e) => this.pointerMove(e));
    canvas.addEventListener("pointerup", (e) => this.pointerUp(e));
    canvas.addEventListener("pointercancel", (e) => this.pointerUp(e));
    canvas.addEventListener("keydown", (e) => this.key(e));
    new ResizeObserver(() => this.schedule()).observe(canvas);
  }

  show(frame: TelescopeFrame): void {
    this.frame = frame;
    const url = new URL(frame.picture, this.dataBase).href;
    if (url !== this.pictureUrl) {
      this.pictureUrl = url;
      this.picture.src = url;
    }
    if (frame.clouded && frame.cloud) {
      const cloud = new URL(frame.cloud, this.dataBase).href;
      if (this.clouds.src !== cloud) this.clouds.src = cloud;
    }
    if (!this.cross) this.cross = { x: Math.round(frame.width / 2), y: Math.round(frame.height / 2) };
    this.schedule();
  }

  crossHair(): CrossHair | null {
    return this.cross;
  }

  // Whether the picture of the current frame has been decoded (the view is then complete).
  ready(): boolean {
    return this.frame !== null && this.picture.complete && this.picture.naturalWidth > 0;
  }

  private schedule(): void {
    if (this.pending) return;
    this.pending = requestAnimationFrame(() => {
      this.pending = 0;
      this.paint();
    });
  }

  // Image pixel under a pointer event, clamped to the field.
  private imagePoint(e: PointerEvent): CrossHair | null {
    if (!this.frame) return null;
    const r = this.canvas.getBoundingClientRect();
    const x = Math.floor(((e.clientX - r.left) / r.width) * this.frame.width);
    const y = Math.floor(((e.clientY - r.top) / r.height) * this.frame.height);
    return {
      x: Math.min(Math.max(x, 0), this.frame.width - 1),
      y: Math.min(Math.max(y, 0), this.frame.height - 1),
    };
  }

  private aim(at: CrossHair | null): void {
    if (!at) return;
    this.cross = at;
    this.canvas.dataset["cross"] = `${at.x},${at.y}`;
    this.callbacks.aimed(at);
    this.schedule();
  }

  private pointerDown(e: PointerEvent): void {
    if (e.button !== 0) return;
    this.dragging = true;
    this.canvas.setPointerCapture(e.pointerId);
    this.canvas.focus({ preventScroll: true });
    e.preventDefault();
    this.aim(this.imagePoint(e));
  }

  private pointerMove(e: PointerEvent): void {
    if (!this.dragging) return;
    // Coalesced events carry every position of a fast drag; the last one is where it stands.
    this.aim(this.imagePoint(e));
  }

  private pointerUp(e: PointerEvent): void {
    if (!this.dragging) return;
    this.dragging = false;
    if (this.canvas.hasPointerCapture(e.pointerId)) this.canvas.releasePointerCapture(e.pointerId);
  }

  private key(e: KeyboardEvent): void {
    if (!this.frame || !this.cross) return;
    const step = e.shiftKey ? 10 : 1;
    const moves: Record<string, [number, number]> = {
      ArrowLeft: [-step, 0],
      ArrowRight: [step, 0],
      ArrowUp: [0, -step],
      ArrowDown: [0, step],
    };
    const move = moves[e.key];
    if (move) {
      e.preventDefault();
      this.aim({
        x: Math.min(Math.max(this.cross.x + move[0], 0), this.frame.width - 1),
        y: Math.min(Math.max(this.cross.y + move[1], 0), this.frame.height - 1),
      });
    } else if (e.key === "Enter") {
      e.preventDefault();
      this.callbacks.record();
    }
  }

  private paint(): void {
    const f = this.frame;
    if (!f) return;
    const fitted = fitCanvas(this.canvas, f.width, f.height);
    if (!fitted) return;
    const { ctx, dpr, sx, sy, w, h } = fitted;
    ctx.fillStyle = "#000";
    ctx.fillRect(0, 0, w, h);
    if (f.clouded) {
      if (this.clouds.complete && this.clouds.naturalWidth > 0) ctx.drawImage(this.clouds, 0, 0, w, h);
    } else {
      if (this.picture.complete && this.picture.naturalWidth > 0) {
        ctx.imageSmoothingEnabled = true;
        ctx.imageSmoothingQuality = "high";
        const j = this.jupiterRect(this.picture.naturalWidth, this.picture.naturalHeight);
        ctx.drawImage(this.picture, j.left * sx, j.top * sy, (j.right - j.left) * sx, (j.bottom - j.top) * sy);
        // The first complete view, for the start-up benchmark.
        if (performance.getEntriesByName("telescope-drawn").length === 0) performance.mark("telescope-drawn");
      }
      for (const m of f.marks) {
        ctx.fillStyle = m.colour;
        ctx.strokeStyle = m.colour;
        const left = (m.x - f.glyph.before) * sx;
        const top = (m.y - f.glyph.before) * sy;
        const size = f.glyph.before + f.glyph.after + 1;
        if (m.cross) {
          ctx.lineWidth = Math.max(1, dpr);
          ctx.beginPath();
          ctx.moveTo(left, top);
          ctx.lineTo(left + size * sx, top + size * sy);
          ctx.moveTo(left + size * sx, top);
          ctx.lineTo(left, top + size * sy);
          ctx.stroke();
        } else {
          ctx.fillRect(left, top, size * sx, size * sy);
        }
      }
    }
    if (this.cross) {
      // The cross-hair through the middle of its image pixel, one device pixel wide.
      const cx = (this.cross.x + 0.5) * sx;
      const cy = (this.cross.y + 0.5) * sy;
      ctx.strokeStyle = "#ffd400";
      ctx.lineWidth = Math.max(1, Math.round(dpr));
      ctx.beginPath();
      const arm = 14 * dpr;
      const gap = 4 * dpr;
      ctx.moveTo(cx - arm, cy);
      ctx.lineTo(cx - gap, cy);
      ctx.moveTo(cx + gap, cy);
      ctx.lineTo(cx + arm, cy);
      ctx.moveTo(cx, cy - arm);
      ctx.lineTo(cx, cy - gap);
      ctx.moveTo(cx, cy + gap);
      ctx.lineTo(cx, cy + arm);
      ctx.stroke();
    }
  }
}
