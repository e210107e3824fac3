// Keeps the whole site in the browser's cache after one visit, so that the
// broadcast plays offline. The build fills in the list of files and its
// digest: a new build is a new cache, and the old one goes.
"use strict";
const Site = "blunderfest-@SITE_DIGEST@";
const Files = [@SITE_FILES@];

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(Site).then((cache) => cache.addAll(Files)).then(() => self.skipWaiting()),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((n) => n !== Site).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()),
  );
});

// The cached file first (whatever the address's options), the network for
// anything else.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches
      .open(Site)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((cached) => cached || fetch(event.request)),
  );
});
