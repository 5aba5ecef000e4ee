'use strict';
// Keeps one version of the page, whole, so that it plays offline after one visit. Each version's
// files live in a cache named after the version; a version is kept only once every file has come
// with the very bytes it was built with, so a server caught halfway through an update never
// leaves a mix. The newer version takes over when the page that found it says it has all it needs
// of the older (see page.js), and the older's cache then goes.
const version = '@VERSION@';
const bundle = @BUNDLE@;  // file: its SHA-256, in hex
const cacheName = 'tilebounce-' + version;

async function sha256(bytes) {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', bytes));
  return Array.from(digest, byte => byte.toString(16).padStart(2, '0')).join('');
}

async function keepBundle() {
  const fetched = await Promise.all(Object.entries(bundle).map(async ([file, hash]) => {
    const response = await fetch(file, {cache: 'no-store'});
    if (!response.ok) {
      throw new Error(`${file}: ${response.status}`);
    }
    if (await sha256(await response.clone().arrayBuffer()) !== hash) {
      throw new Error(`${file}: not the bytes of version ${version}`);
    }
    return [file, response];
  }));
  const cache = await caches.open(cacheName);
  await Promise.all(fetched.map(([file, response]) => cache.put(file, response)));
}

self.addEventListener('install', event => event.waitUntil(keepBundle()));

self.addEventListener('activate', event => event.waitUntil(caches.keys().then(names =>
  Promise.all(names.filter(name => name.startsWith('tilebounce-') && name !== cacheName)
    .map(name => caches.delete(name))))));

self.addEventListener('message', event => {
  if (event.data === 'take over') {
    self.skipWaiting();
  }
});

// The page's own files from this version's cache; anything else (the licences) from the network.
self.addEventListener('fetch', event => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== location.origin) {
    return;
  }
  const file = event.request.mode === 'navigate' ? 'index.html' :
    url.pathname.slice(new URL('./', location).pathname.length);
  if (!(file in bundle)) {
    return;
  }
  event.respondWith(caches.open(cacheName).then(cache => cache.match(file))
    .then(kept => kept || fetch(event.request)));
});
