// The browser module under node, loaded as the page loads it: its data written into its file
// system from WEB_DIR/data/files.txt, then dataReady().
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';

// The module and the names of the data files it was given.
export async function loadModule(webDir) {
  // Emscripten 3.1.6's ES module takes node's CommonJS names from the global scope.
  globalThis.__dirname = path.join(webDir, 'core');
  globalThis.require = createRequire(import.meta.url);
  const { default: createJoviCore } = await import(path.join(webDir, 'core', 'jovicore.mjs'));
  const core = await createJoviCore({
    wasmBinary: fs.readFileSync(path.join(webDir, 'core', 'jovicore.wasm')),
  });
  const dataDir = path.join(webDir, 'data');
  const names = fs.readFileSync(path.join(dataDir, 'files.txt'), 'utf8').split('\n').filter(Boolean);
  for (const name of names) {
    const target = core.dataFolder() + name;
    let folder = '';
    for (const part of target.split('/').slice(1, -1)) {
      folder += '/' + part;
      if (!core.FS.analyzePath(folder).exists) core.FS.mkdir(folder);
    }
    core.FS.writeFile(target, fs.readFileSync(path.join(dataDir, name)));
  }
  core.dataReady();
  return { core, files: names };
}
