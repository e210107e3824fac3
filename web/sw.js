// Keeps the whole site in the browser's cache after one visit, so that the
// broadcast plays offline. The build fills in every file with the SHA-256 of
// its contents, and the digest of them all: a new build is a new cache, and
// the old one goes.
//
// Every file crosses the network once: the page registers the worker once it
// has loaded, and the worker takes what the page loaded from the browser's
// HTTP cache, downloading only what the page has not asked for.
"use strict";
const Site = "blunderfest-@SITE_DIGEST@";
const Files = new Map([@SITE_FILES@]);
const Page = "index.html"; // what the site's own address shows, whatever its options

// The digest as a fetch's integrity ("sha256-" and the digest in base64).
const integrity = (hex) =>
  "sha256-" + btoa(String.fromCharCode(...hex.match(/../g).map((h) => parseInt(h, 16))));

// The file as this build has it: from the HTTP cache when that holds exactly
// this build's file (after an update it may hold an older one), else from the
// server. `loaded` is where the page itself loaded it, when that differs.
async function download(file, loaded = []) {
  const check = { integrity: integrity(Files.get(file)) };
  for (const address of [...loaded, file]) {
    const response = await fetch(address, { ...check, cache: "force-cache" }).catch(() => null);
    if (response?.ok) return response;
  }
  const response = await fetch(file, { ...check, cache: "no-cache" });
  if (!response.ok) throw new Error(`${file}: ${response.status}`);
  return response;
}

self.addEventListener("install", (event) => {
  event.waitUntil(
    (async () => {
      // The page came from the site's address with the options of the visit.
      const pages = (await self.clients.matchAll({ type: "window", includeUncontrolled: true }))
        .map((client) => client.url)
        .filter((url) => fileOf(url) === Page);
      const cache = await caches.open(Site);
      await Promise.all(
        [...Files.keys()].map(async (file) =>
          cache.put(file, await download(file, file === Page ? pages : [])),
        ),
      );
      // The first worker takes charge at once. A new version waits while a
      // page of the old one is open, so that nothing is swapped under a
      // broadcast that is playing, until the page asks for it (its "A new
      // version is ready").
      if (!self.registration.active) await self.skipWaiting();
    })(),
  );
});

self.addEventListener("message", (event) => {
  if (event.data === "take charge") self.skipWaiting();
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((n) => n !== Site).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()),
  );
});

// The site's file at an address, or undefined for an address outside it.
function fileOf(address) {
  const scope = self.registration.scope;
  const url = new URL(address);
  url.search = url.hash = "";
  if (!url.href.startsWith(scope)) return undefined;
  const file = url.href.slice(scope.length) || Page;
  return Files.has(file) ? file : undefined;
}

// The site's files from the cache, anything else from the network.
self.addEventListener("fetch", (event) => {
  const file = fileOf(event.request.url);
  if (event.request.method !== "GET" || !file) return;
  event.respondWith(
    caches
      .open(Site)
      .then((cache) => cache.match(file))
      .then((cached) => cached || fetch(event.request)),
  );
});
