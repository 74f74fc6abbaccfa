// Linked before every program that node runs: the .wasm beside the script is read from the
// file system. (Emscripten 3.1.6 fetches it when a global fetch exists, as in node 18 and
// later, and fetch takes no file paths.)
if (typeof process === 'object' && typeof require === 'function' && !Module['wasmBinary']) {
  Module['wasmBinary'] = require('fs').readFileSync(__filename.replace(/\.js$/, '.wasm'));
}
