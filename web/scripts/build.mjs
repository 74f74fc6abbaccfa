// Builds the site into build-web/ (or the folder given): the bundled page, its styles, the
// help files. The core module and its data are put there by the core's own build.
import { build } from "esbuild";
import { cp, mkdir, readdir } from "node:fs/promises";
import path from "node:path";
import { fileURLToPath } from "node:url";

const here = path.dirname(fileURLToPath(import.meta.url));
const web = path.resolve(here, "..");
const repo = path.resolve(web, "..");
const out = path.resolve(process.argv[2] ?? path.join(repo, "build-web"));

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
console.log(`page built into ${out}`);
