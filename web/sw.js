// SPDX-License-Identifier: MIT
// The service worker: keeps every file of the site, so that after the first
// visit the calculator opens and works without a network. The site build
// writes the version (a hash of every file) and the list of files.
'use strict';
const CACHE = 'stereometry-@VERSION@';
const FILES = @FILES@;

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      // Revalidated with the server: a file the page has just loaded costs no
      // second download, and no stale copy from the browser's cache gets in.
      .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'no-cache' }))))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((keys) => Promise.all(keys.filter((key) => key.startsWith('stereometry-') && key !== CACHE).map((key) => caches.delete(key))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(CACHE).then((cache) =>
      cache
        .match(event.request, { ignoreSearch: true, ignoreVary: true })
        // The page is kept once, as "./"; "index.html" is the same page.
        .then((kept) => kept || (event.request.mode === 'navigate' ? cache.match('./') : undefined))
        .then((kept) => kept || fetch(event.request)),
    ),
  );
});
