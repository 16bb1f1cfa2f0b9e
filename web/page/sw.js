// Keeps the game's own files so that it starts and plays offline after one
// visit. It keeps nothing else: only the files listed below (written in by
// tools/web/build.sh with their version), from the page's own folder, and
// it asks no other server for anything. A new version of the game brings a
// new list, fetched whole before it replaces the old one.
'use strict';

const kVersion = '@VERSION@';
const kFiles = ['./', ...JSON.parse('@FILES@')];
const kCache = `pelmora-${kVersion}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kFiles)));
});

// The copies of older versions go once this one takes over.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith('pelmora-') && name !== kCache).map((name) => caches.delete(name)))));
});

// The game's files from the copy; anything else as the page asked for it.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(kCache)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((kept) => kept ?? fetch(request)));
});
