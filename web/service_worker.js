// SPDX-License-Identifier: MIT
// Keeps every file of the site on the first visit and serves it from there, so that the
// calculator works offline. The build writes the list and a version that changes with them.
const CACHE = "varnik-$version";
const FILES = $files;

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
    self.skipWaiting();
});

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys().then((names) => Promise.all(
        names.filter((name) => name !== CACHE).map((name) => caches.delete(name)))));
    self.clients.claim();
});

self.addEventListener("fetch", (event) => {
    // The page with any query (?lang=bn) is the one page.
    const page = event.request.mode === "navigate";
    event.respondWith(caches.open(CACHE).then((cache) =>
        cache.match(event.request, {ignoreSearch: page}).then((kept) =>
            kept || fetch(event.request))));
});
