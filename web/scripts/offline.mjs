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

// The site's files below `root` to cache, as addresses relative to the site (each path segment
// escaped as a browser escapes it in a request); and the version of that set.
export async function offlineList(root) {
  const files = await siteFiles(root);
  const hash = createHash("sha256");
  for (const name of files) {
    hash.update(name);
    hash.update("\0");
    hash.update(await readFile(path.join(root, name)));
  }
  const urls = files.map((n) => n.split("/").map(encodeURIComponent).join("/"));
  return { version: hash.digest("hex").slice(0, 16), urls: ["./", ...urls] };
}
