// Keeps the whole site in a cache named after the build's version and answers
// from it first, so that after the first visit the page opens offline. The
// build writes the version and the file list in (cmake/precache.cmake).
const version = "@SITE_VERSION@";
const files = ["./", ..."@SITE_FILES@".split(" ")];
const cacheName = `plotmere-${version}`;

// Past the browser's own cache: the files of one build, never a mix.
self.addEventListener("install", (event) => {
  const fresh = files.map((file) => new Request(file, { cache: "reload" }));
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(fresh)));
});

// Until every page of the old build has closed, this worker waits; then the
// old cache goes.
self.addEventListener("activate", (event) => {
  const old = (name) => name.startsWith("plotmere-") && name !== cacheName;
  event.waitUntil(
    caches.keys().then((names) => Promise.all(names.filter(old).map((name) => caches.delete(name)))),
  );
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches.open(cacheName).then(async (cache) => (await cache.match(event.request)) ?? fetch(event.request)),
  );
});
