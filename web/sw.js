// The page's few files, kept so that it starts without the network after one visit.
// scripts/build-web writes in the build's version (a hash of the files) and their names, so a new
// build is a new worker with a cache of its own, which replaces the old one as it takes over.
const kVersion = "@VERSION@";
const kFiles = ["@FILES@"];
const kCache = `tarmaxion-${kVersion}`;

self.addEventListener("install", (event) => {
  event.waitUntil(
    (async () => {
      const cache = await caches.open(kCache);
      // From the server, not from the browser's HTTP cache, which may still hold the old build.
      await cache.addAll(kFiles.map((file) => new Request(file, { cache: "reload" })));
      await self.skipWaiting();
    })(),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    (async () => {
      for (const name of await caches.keys()) {
        if (name.startsWith("tarmaxion-") && name !== kCache) await caches.delete(name);
      }
      await self.clients.claim();
    })(),
  );
});

// The page's own files from the cache, anything else as the network has it. Only the few files
// of the list are looked up, each by its path, which costs the least.
const kScope = new URL("./", self.location.href).pathname;
const kCached = new Set(kFiles.map((file) => kScope + file));
self.addEventListener("fetch", (event) => {
  const url = new URL(event.request.url);
  const path = url.pathname === kScope ? `${kScope}index.html` : url.pathname;
  if (event.request.method !== "GET" || url.origin !== self.location.origin || !kCached.has(path)) return;
  event.respondWith(caches.match(path, { cacheName: kCache }).then((cached) => cached || fetch(event.request)));
});
