// The page offline: on the first visit every file of the page (the page, the
// engine, the stages inside it, the job worker, the pictures and the sounds)
// is kept in a cache named by the built files' hash, and served from there
// ever after. A page built from other files comes with another worker, whose
// cache replaces this one. The build writes the two lines below
// (web/tools/finish-page.js).
'use strict';
const Version = 'unbuilt';
const Files = ['./'];
const Cache = `nerilo-${Version}`;

// From the server itself, never the browser's own cache, which may still hold the build before.
self.addEventListener('install', (event) => {
    const requests = Files.map((file) => new Request(file, { cache: 'reload' }));
    event.waitUntil(caches.open(Cache).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil((async () => {
        for (const name of await caches.keys()) if (name.startsWith('nerilo-') && name !== Cache) await caches.delete(name);
        await self.clients.claim();
    })());
});

// The address's # part is never sent; a query is the page's own business.
self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith((async () => {
        const kept = await caches.match(event.request, { cacheName: Cache, ignoreSearch: true });
        return kept ?? fetch(event.request);
    })());
});
