// The page's few files, kept so that it starts without the network after one visit.
// scripts/build-web writes in the build's version (the release and a hash of the files) and their
// names, so a new build is a new worker with a cache of its own, which replaces the old one as it
// takes over.
const kVersion = "@VERSION@";
const kFiles = ["@FILES@"];
const kCache = `tarmaxion-${kVersion}`;
const kScope = new URL("./", self.location.href).pathname;

self.addEventListener("install", (event) => {
  // Where the browser can, it serves the cached files itself, without starting this worker for
  // each of them; the fetch handler below is the way everywhere else.
  try {
    event.addRoutes({ condition: { urlPattern: new URLPattern({ pathname: `${kScope}*` }) }, source: "cache" });
  } catch {
    // No routes: every request goes through the fetch handler.
  }
  event.waitUntil(
    (async () => {
      const cache = await caches.open(kCache);
      // From the server, not from the browser's HTTP cache, which may still hold the old build.
      // The scope's own address is kept too, for the page's start without the network.
      await cache.addAll(["./", ...kFiles].map((file) => new Request(file, { cache: "reload" })));
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
const kCached = new Set([kScope, ...kFiles.map((file) => kScope + file)]);
self.addEventListener("fetch", (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== "GET" || url.origin !== self.location.origin || !kCached.has(url.pathname)) return;
  event.respondWith(caches.match(url.pathname, { cacheName: kCache }).then((cached) => cached || fetch(event.request)));
});
