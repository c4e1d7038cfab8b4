// Keeps this version of Vestor in the browser, so that the page opens without a network after the
// first visit. The build writes the version and a digest of the files into the cache's name: a new
// build replaces the old copy at the next visit with a network, and nothing else is kept.
"use strict";
const CACHE = "vestor-@VERSION@-@DIGEST@";
const FILES = ["./", "index.html", "vestor.js", "vestor.wasm", "qtloader.js", "manifest.webmanifest",
               "vestor-192.png", "vestor-512.png", "vestor.svg"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith("vestor-") && n !== CACHE)
                                      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The saved copy first: the files of one version never change. A page address with a seed or a
// lesson is the same page.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET")
    return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: event.request.mode === "navigate" }))
    .then((hit) => hit || fetch(event.request)));
});
