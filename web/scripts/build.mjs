// Builds the site into build-web/ (or the folder given): the bundled page, its styles, the
// help files. The core module and its data are put there by the core's own build.
import { build } from "esbuild";
import { cp, mkdir, readdir } from "node:fs/promises";
import path from "node:path";
import { fileURLToPath } from "node:url";

import { OFFLINE_LIMIT, offlineList } from "./offline.mjs";

const here = path.dirname(fileURLToPath(import.meta.url));
const web = path.resolve(here, "..");
const repo = path.resolve(web, "..");
const out = path.resolve(process.argv[2] ?? path.join(repo, "build-web"));
// The program's icons as the native build draws them (for the web app manifest).
const icons = path.resolve(process.argv[3] ?? path.join(repo, "build/icons"));

await mkdir(out, { recursive: true });
await build({
  entryPoints: [path.join(web, "src/app.ts")],
  bundle: true,
  format: "esm",
  target: ["chrome100", "safari15", "firefox100"],
  minify: true,
  sourcemap: true,
  outfile: path.join(out, "app.js"),
  logLevel: "warning",
});
await cp(path.join(web, "index.html"), path.join(out, "index.html"));
await cp(path.join(web, "styles.css"), path.join(out, "styles.css"));
// The help topics are the desktop's own help files.
const help = path.join(repo, "data/help");
await mkdir(path.join(out, "help"), { recursive: true });
for (const name of await readdir(help)) await cp(path.join(help, name), path.join(out, "help", name));
await cp(path.join(web, "manifest.webmanifest"), path.join(out, "manifest.webmanifest"));
await mkdir(path.join(out, "icons"), { recursive: true });
await cp(path.join(icons, "hicolor/scalable/apps/jovitrack.svg"), path.join(out, "icons/jovitrack.svg"));
for (const size of [48, 64, 128, 256]) {
  await cp(path.join(icons, `hicolor/${size}x${size}/apps/jovitrack.png`), path.join(out, `icons/jovitrack-${size}.png`));
}
// The service worker last, over the list of everything above and the module's build; none for
// a copy too large to keep offline.
const offline = await offlineList(out);
const megabytes = (n) => (n / 1e6).toFixed(2);
if (offline.bytes > OFFLINE_LIMIT) {
  console.error(
    `The offline copy is ${megabytes(offline.bytes)} MB, over its limit of ${megabytes(OFFLINE_LIMIT)} MB` +
      ` by ${megabytes(offline.bytes - OFFLINE_LIMIT)} MB (scripts/offline.mjs)`,
  );
  process.exit(1);
}
await build({
  entryPoints: [path.join(web, "src/service_worker.ts")],
  bundle: true,
  format: "iife",
  target: ["chrome100", "safari15", "firefox100"],
  minify: true,
  define: { JOVI_OFFLINE: JSON.stringify(offline) },
  outfile: path.join(out, "sw.js"),
  logLevel: "warning",
});
console.log(
  `page built into ${out} (offline version ${offline.version}, ${offline.urls.length} files, ` +
    `${megabytes(offline.bytes)} MB of ${megabytes(OFFLINE_LIMIT)} MB)`,
);
