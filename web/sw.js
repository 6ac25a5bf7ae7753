// The service worker: keeps the game's own files, so that it starts without a network once it
// has been visited. It caches nothing else and asks no other origin. The build names the cache
// after the files' content (web/stamp-release): a new release is a new worker, which fetches
// every file afresh from the server, never from the browser's HTTP cache, whatever dates the
// server gives them.
const CACHE = "kalmotre-unstamped";
const FILES = ["./", "index.html", "style.css", "main.js", "kalmotre.js", "kalmotre.wasm", "manifest.json", "logo.png", "icons/kalmotre-192.png", "icons/kalmotre-512.png"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: "reload" }))))
    .then(() => self.skipWaiting()));
});
self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((keys) => Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
      .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== "GET" || url.origin !== self.location.origin) return;
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true }).then((hit) => hit || fetch(event.request)));
});
