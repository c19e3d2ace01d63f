// Under Node, Emscripten's loader finds its place with __dirname and its modules with require,
// which an ES module does not have: both are made here from the module's own URL. Browsers and
// workers skip this.
const onNode = typeof process == "object" && typeof process.versions?.node == "string";
const require = onNode ? (await import("node:module")).createRequire(import.meta.url) : undefined;
const __dirname = onNode ? require("node:path").dirname(require("node:url").fileURLToPath(import.meta.url)) : undefined;
