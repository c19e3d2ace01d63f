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

// The page's own files from the cache, anything else as the network has it.
self.addEventListener("fetch", (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== "GET" || url.origin !== self.location.origin) return;
  event.respondWith(
    (async () => {
      const cache = await caches.open(kCache);
      const key = url.pathname.endsWith("/") ? "index.html" : event.request;
      return (await cache.match(key, { ignoreSearch: true })) || fetch(event.request);
    })(),
  );
});
