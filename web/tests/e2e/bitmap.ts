// The pixels of a Windows bitmap as the desktop ships its pictures (uncompressed, 8 bits a
// pixel with a palette or 24 bits), top row first, as RGB.
import assert from "node:assert/strict";

export interface Pixels {
  width: number;
  height: number;
  rgb: Uint8Array; // three bytes a pixel, rows top first
}

export function readBitmap(bytes: Buffer): Pixels {
  assert.equal(bytes.toString("latin1", 0, 2), "BM", "a bitmap");
  const offset = bytes.readUInt32LE(10);
  const header = bytes.readUInt32LE(14);
  const width = bytes.readInt32LE(18);
  const stored = bytes.readInt32LE(22);
  const bits = bytes.readUInt16LE(28);
  assert.equal(bytes.readUInt32LE(30), 0, "an uncompressed bitmap");
  assert.ok(bits === 8 || bits === 24, `${bits} bits a pixel`);
  const height = Math.abs(stored);
  const stride = Math.ceil((width * bits) / 32) * 4;
  const palette = 14 + header;
  const rgb = new Uint8Array(width * height * 3);
  for (let y = 0; y < height; ++y) {
    const row = offset + stride * (stored > 0 ? height - 1 - y : y);
    for (let x = 0; x < width; ++x) {
      const at = bits === 8 ? palette + 4 * (bytes[row + x] ?? 0) : row + 3 * x;
      const out = 3 * (y * width + x);
      rgb[out] = bytes[at + 2] ?? 0;
      rgb[out + 1] = bytes[at + 1] ?? 0;
      rgb[out + 2] = bytes[at] ?? 0;
    }
  }
  return { width, height, rgb };
}
