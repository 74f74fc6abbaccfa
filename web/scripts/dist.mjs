// One archive of the built site for a teacher to put on a web host: every file the page may ask
// for (the same list the service worker caches) and the worker, in a folder named for the
// program and the site's version. Usage: node dist.mjs <site folder> <archive.zip>
import { spawnSync } from "node:child_process";
import path from "node:path";
import { fileURLToPath } from "node:url";

import { offlineList, siteFiles } from "./offline.mjs";

const [site, archive] = process.argv.slice(2);
if (!site || !archive) {
  console.error("usage: node dist.mjs <site folder> <archive.zip>");
  process.exit(2);
}
const files = [...(await siteFiles(site)), "sw.js"];
const { version } = await offlineList(site);
const writer = path.join(path.dirname(fileURLToPath(import.meta.url)), "../../scripts/zip_folder.py");
const run = spawnSync("python3", [writer, site, archive, `jovitrack-web-${version}`], {
  input: files.join("\n") + "\n",
  stdio: ["pipe", "inherit", "inherit"],
});
process.exitCode = run.status ?? 1;
