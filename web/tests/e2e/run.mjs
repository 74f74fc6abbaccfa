// Runs the end-to-end tests: serves the built site on the loopback, then runs each
// tests/e2e/*.test.ts (bundled by esbuild) under node's test runner; the tests drive Debian's
// chromium through playwright-core.
import { build } from "esbuild";
import { spawn } from "node:child_process";
import { mkdir, mkdtemp, readdir, rm } from "node:fs/promises";
import path from "node:path";
import { fileURLToPath } from "node:url";

import { serve } from "./serve.mjs";

const here = path.dirname(fileURLToPath(import.meta.url));
const web = path.resolve(here, "../..");
const site = path.resolve(web, process.env.WEB_BUILD ?? "../build-web");
// `--bench` runs the speed figures instead of the tests; other arguments pick test files.
const bench = process.argv.includes("--bench");
const only = process.argv.slice(2).filter((a) => a !== "--bench");
const tests = bench
  ? ["bench.ts"]
  : (await readdir(here))
      .filter((n) => n.endsWith(".test.ts"))
      .filter((n) => only.length === 0 || only.some((o) => n.includes(o)));
// Inside the package, so that the bundles find its node_modules.
await mkdir(path.join(web, "node_modules/.cache"), { recursive: true });
const out = await mkdtemp(path.join(web, "node_modules/.cache/e2e-"));
const server = await serve(site);
try {
  await build({
    entryPoints: tests.map((n) => path.join(here, n)),
    bundle: true,
    platform: "node",
    format: "esm",
    outdir: out,
    outExtension: { ".js": ".mjs" },
    packages: "external",
    logLevel: "warning",
  });
  const files = tests.map((n) => path.join(out, n.replace(/\.ts$/, ".mjs")));
  const args = bench ? files : ["--test", "--test-concurrency=1", ...files];
  const status = await new Promise((resolve) => {
    const child = spawn(process.execPath, args, {
      stdio: "inherit",
      cwd: web,
      env: {
        ...process.env,
        JOVI_SITE: site,
        JOVI_URL: server.url,
      },
    });
    child.on("exit", (code) => resolve(code ?? 1));
  });
  process.exitCode = Number(status);
} finally {
  server.close();
  await rm(out, { recursive: true, force: true });
}
