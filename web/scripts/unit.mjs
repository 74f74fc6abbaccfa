// Runs the unit tests: each tests/unit/*.test.ts bundled by esbuild, then node's test runner.
import { build } from "esbuild";
import { spawnSync } from "node:child_process";
import { mkdtemp, readdir, rm } from "node:fs/promises";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";

const web = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const dir = path.join(web, "tests/unit");
const tests = (await readdir(dir)).filter((n) => n.endsWith(".test.ts"));
const out = await mkdtemp(path.join(os.tmpdir(), "jovi-unit-"));
try {
  await build({
    entryPoints: tests.map((n) => path.join(dir, n)),
    bundle: true,
    platform: "node",
    format: "esm",
    outdir: out,
    outExtension: { ".js": ".mjs" },
    external: ["node:*"],
    logLevel: "warning",
  });
  const files = tests.map((n) => path.join(out, n.replace(/\.ts$/, ".mjs")));
  const run = spawnSync(process.execPath, ["--test", ...files], { stdio: "inherit" });
  process.exitCode = run.status ?? 1;
} finally {
  await rm(out, { recursive: true, force: true });
}
