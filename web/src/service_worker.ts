// The service worker: keeps every file of the site in one cache named by the site's version, so
// the lab opens and works without a network after one visit. The build puts the version and the
// list of files in (JOVI_OFFLINE). A new version is installed beside the old one and waits; the
// page offers to switch (the "activate" message), and the old cache is removed once it has.

declare const JOVI_OFFLINE: { version: string; urls: string[] };

// The few shapes of the worker's world this file uses (the page's DOM types have no worker).
interface ExtendableEvent extends Event {
  waitUntil(work: Promise<unknown>): void;
}
interface FetchEvent extends ExtendableEvent {
  readonly request: Request;
  respondWith(response: Promise<Response>): void;
}
interface WorkerScope {
  readonly location: Location;
  readonly registration: { readonly scope: string };
  readonly clients: { claim(): Promise<void> };
  skipWaiting(): Promise<void>;
  addEventListener(type: "install" | "activate", listener: (e: ExtendableEvent) => void): void;
  addEventListener(type: "fetch", listener: (e: FetchEvent) => void): void;
  addEventListener(type: "message", listener: (e: MessageEvent) => void): void;
}

const scope = self as unknown as WorkerScope;
const PREFIX = "jovitrack-site-";
const CACHE = PREFIX + JOVI_OFFLINE.version;
// A teacher's options file beside the page: asked of the server first, the last copy offline.
const TEACHER_CACHE = "jovitrack-teacher";
const base = new URL(scope.registration.scope);
const teacherFile = new URL("JUP_OPTS.INI", base).href;

scope.addEventListener("install", (event) => {
  event.waitUntil(
    Promise.all([
      caches.open(CACHE).then((cache) =>
        // Straight from the server, never from the browser's HTTP cache, so that a version's
        // cache holds that version's files.
        cache.addAll(JOVI_OFFLINE.urls.map((u) => new Request(new URL(u, base).href, { cache: "reload" }))),
      ),
      // The visit that installs the worker read the teacher's file before the worker answered
      // for the page: keep a copy now, so that a student who goes offline after that one visit
      // keeps the teacher's settings. Without a network the last copy stays.
      fetch(teacherFile, { cache: "no-cache" }).then(rememberTeacherOptions, () => undefined),
    ]),
  );
});

scope.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith(PREFIX) && n !== CACHE).map((n) => caches.delete(n))))
      .then(() => scope.clients.claim()),
  );
});

scope.addEventListener("message", (event) => {
  if (event.data === "activate") void scope.skipWaiting();
});

// The server's answer for the teacher's file: a copy kept, or the kept one dropped when the
// teacher took the file away.
async function rememberTeacherOptions(response: Response): Promise<void> {
  const cache = await caches.open(TEACHER_CACHE);
  if (response.ok) await cache.put(teacherFile, response);
  else if (response.status === 404) await cache.delete(teacherFile);
}

async function teacherOptions(request: Request): Promise<Response> {
  try {
    const response = await fetch(request, { cache: "no-cache" });
    await rememberTeacherOptions(response.clone());
    return response;
  } catch {
    const cache = await caches.open(TEACHER_CACHE);
    return (await cache.match(teacherFile)) ?? new Response("", { status: 404, statusText: "offline" });
  }
}

async function fromCache(request: Request): Promise<Response> {
  const cache = await caches.open(CACHE);
  const hit =
    (await cache.match(request, { ignoreSearch: true })) ??
    (request.mode === "navigate" ? await cache.match(new URL("./", base).href) : undefined);
  return hit ?? fetch(request);
}

scope.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || !request.url.startsWith(base.href)) return;
  const url = new URL(request.url);
  url.search = "";
  url.hash = "";
  event.respondWith(url.href === teacherFile ? teacherOptions(request) : fromCache(request));
});
