// A static server for the built site on 127.0.0.1 (a free port), as a web host serves it.
// `replaced` maps an address's path to the bytes served instead of the file (a new version of
// one file, as a host serves after an update). close() also drops the open connections, as a
// host that went away.
import { createReadStream } from "node:fs";
import { stat } from "node:fs/promises";
import http from "node:http";
import path from "node:path";

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript",
  ".mjs": "text/javascript",
  ".css": "text/css",
  ".wasm": "application/wasm",
  ".json": "application/json",
  ".png": "image/png",
  ".bmp": "image/bmp",
  ".webp": "image/webp",
  ".svg": "image/svg+xml",
  ".map": "application/json",
};

export function serve(root, replaced = new Map()) {
  const server = http.createServer(async (req, res) => {
    try {
      const url = new URL(req.url ?? "/", "http://localhost");
      const instead = replaced.get(url.pathname);
      if (instead !== undefined) {
        res.writeHead(200, { "content-type": types[path.extname(url.pathname)] ?? "application/octet-stream" });
        res.end(instead);
        return;
      }
      let file = path.join(root, decodeURIComponent(url.pathname));
      if (!file.startsWith(root)) throw new Error("outside");
      if ((await stat(file)).isDirectory()) file = path.join(file, "index.html");
      const info = await stat(file);
      res.writeHead(200, {
        "content-type": types[path.extname(file).toLowerCase()] ?? "application/octet-stream",
        "content-length": info.size,
      });
      createReadStream(file).pipe(res);
    } catch {
      res.writeHead(404).end();
    }
  });
  return new Promise((resolve) => {
    server.listen(0, "127.0.0.1", () => {
      const { port } = server.address();
      resolve({
        url: `http://127.0.0.1:${port}/`,
        close: () => {
          server.close();
          server.closeAllConnections();
        },
      });
    });
  });
}
