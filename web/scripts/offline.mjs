// What the site keeps for working offline: the list of its files the service worker caches,
// and the version that names that cache. The version is a digest of every listed file's path
// and bytes, so any change to the site makes a new worker, which the browser then installs.
import { createHash } from "node:crypto";
import { readdir, readFile } from "node:fs/promises";
import path from "node:path";

// Folders and files of the build that the page never asks for: the module's build tree, the
// tools for node, source maps, and the worker itself (the browser fetches it on its own terms).
// A JUP_OPTS.INI at the root is the teacher's and may change without a new version.
const skipped = [/^bin\//, /^cmake\//, /\.map$/, /^sw\.js$/, /^JUP_OPTS\.INI$/i, /\.(tar\.gz|tgz|zip)$/];

async function walk(root, folder = "") {
  const found = [];
  for (const entry of await readdir(path.join(root, folder), { withFileTypes: true })) {
    const name = folder ? `${folder}/${entry.name}` : entry.name;
    if (entry.isDirectory()) found.push(...(await walk(root, name)));
    else if (entry.isFile()) found.push(name);
  }
  return found;
}

// The site's files below `root` that the page may ask for, as paths relative to it, sorted.
export async function siteFiles(root) {
  return (await walk(root)).filter((n) => !skipped.some((s) => s.test(n))).sort();
}

// The most the offline copy may take, in bytes. The goal is 12 MB, but Jupiter's 573 rotation
// pictures alone take 12.7 MB in the most compact lossless form a browser draws (WebP): their
// ordered dither is noise to any lossless coder. The limit is what they need and room for the
// page to grow; a larger copy fails the build, with its figure.
export const OFFLINE_LIMIT = 15_000_000;

// The site's files below `root` to cache, as addresses relative to the site (each path segment
// escaped as a browser escapes it in a request); the version of that set; and the bytes the
// cache holds for it (the page twice: as itself and as the site's address).
export async function offlineList(root) {
  const files = await siteFiles(root);
  const hash = createHash("sha256");
  let bytes = 0;
  for (const name of files) {
    const content = await readFile(path.join(root, name));
    hash.update(name);
    hash.update("\0");
    hash.update(content);
    bytes += content.length * (name === "index.html" ? 2 : 1);
  }
  const urls = files.map((n) => n.split("/").map(encodeURIComponent).join("/"));
  return { version: hash.digest("hex").slice(0, 16), urls: ["./", ...urls], bytes };
}
