// What the site keeps offline and ships in its archive: the files the page may ask for, their
// addresses as the browser asks for them, a version that follows their bytes, and an archive
// holding exactly those files and the worker.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdir, mkdtemp, rm, writeFile } from "node:fs/promises";
import os from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";

import { offlineList, siteFiles } from "../../scripts/offline.mjs";

let site = "";
const files: Record<string, string> = {
  "index.html": "<!doctype html>",
  "app.js": "main()",
  "app.js.map": "{}",
  "sw.js": "worker",
  "JUP_OPTS.INI": "teacher's",
  "core/jovicore.wasm": "wasm",
  "data/Rotation BMPs/Jup001.BMP": "BM",
  "data/JUP_OPTS.INI": "shipped",
  "bin/jovitrack-cli.js": "tool",
  "cmake/build.ninja": "rules",
};

before(async () => {
  site = await mkdtemp(path.join(os.tmpdir(), "jovi-site-"));
  for (const [name, text] of Object.entries(files)) {
    await mkdir(path.dirname(path.join(site, name)), { recursive: true });
    await writeFile(path.join(site, name), text);
  }
});
after(async () => {
  await rm(site, { recursive: true, force: true });
});

test("the offline list holds the page's files as the browser asks for them, and nothing else", async () => {
  const { urls, version, bytes } = await offlineList(site);
  assert.deepEqual(urls, ["./", "app.js", "core/jovicore.wasm", "data/JUP_OPTS.INI", "data/Rotation%20BMPs/Jup001.BMP", "index.html"]);
  assert.match(version, /^[0-9a-f]{16}$/);
  // What the cache holds: the listed files, the page once more as the site's address.
  const cached = ["index.html", "app.js", "core/jovicore.wasm", "data/JUP_OPTS.INI", "data/Rotation BMPs/Jup001.BMP", "index.html"];
  assert.equal(bytes, cached.reduce((sum, name) => sum + (files[name] ?? "").length, 0));
});

test("the version follows the listed files' bytes and names only", async () => {
  const { version } = await offlineList(site);
  // A teacher's options file, the tools and the worker itself do not make a new version.
  await writeFile(path.join(site, "JUP_OPTS.INI"), "changed by the teacher");
  await writeFile(path.join(site, "bin/jovitrack-cli.js"), "another tool");
  assert.equal((await offlineList(site)).version, version);
  await writeFile(path.join(site, "data/Rotation BMPs/Jup001.BMP"), "BN");
  const changed = (await offlineList(site)).version;
  assert.notEqual(changed, version);
  await writeFile(path.join(site, "data/Rotation BMPs/Jup001.BMP"), "BM");
  assert.equal((await offlineList(site)).version, version);
});

test("the archive holds the listed files and the worker under one versioned folder", async () => {
  const out = path.join(site, "..", `${path.basename(site)}-dist`, "site.zip");
  try {
    execFileSync(process.execPath, [path.resolve("scripts/dist.mjs"), site, out], { stdio: "pipe" });
    const listing = execFileSync("python3", ["-c", "import sys,zipfile;print('\\n'.join(zipfile.ZipFile(sys.argv[1]).namelist()))", out], {
      encoding: "utf8",
    });
    const { version } = await offlineList(site);
    const top = `jovitrack-web-${version}/`;
    const expected = [...(await siteFiles(site)), "sw.js"].map((n) => top + n);
    assert.deepEqual(listing.trim().split("\n"), expected);
    // Twice the same site, twice the same bytes.
    const first = execFileSync("sha256sum", [out], { encoding: "utf8" }).split(" ")[0];
    execFileSync(process.execPath, [path.resolve("scripts/dist.mjs"), site, out], { stdio: "pipe" });
    assert.equal(execFileSync("sha256sum", [out], { encoding: "utf8" }).split(" ")[0], first);
  } finally {
    await rm(path.dirname(out), { recursive: true, force: true });
  }
});
