// Working offline: registers the site's service worker and tells the students when the lab has
// been kept for offline use, and when a new version is ready (it is switched to on their word,
// never in the middle of their work).
import { el } from "./dom.js";
import { t } from "./messages.js";

export function keepOffline(place: HTMLElement, base: URL): void {
  if (!("serviceWorker" in navigator)) return;
  const workers = navigator.serviceWorker;
  const note = el("p", { id: "offline-note", class: "top-item", role: "status" });
  place.append(note);
  // The page reloads only when the students asked for the new version; the first worker takes
  // over the page it has just cached without a reload.
  let switching = false;
  workers.addEventListener("controllerchange", () => {
    if (switching) window.location.reload();
  });
  const offer = (waiting: ServiceWorker): void => {
    const button = el("button", { type: "button", id: "update-now", text: t("updateNow") });
    button.addEventListener("click", () => {
      button.disabled = true;
      switching = true;
      waiting.postMessage("activate");
    });
    note.replaceChildren(t("updateReady"), " ", button);
  };
  const watch = (worker: ServiceWorker): void => {
    worker.addEventListener("statechange", () => {
      if (worker.state !== "installed") return;
      if (workers.controller) offer(worker);
      else note.textContent = t("offlineReady");
    });
  };
  workers
    .register(new URL("sw.js", base).href, { scope: base.pathname })
    .then((registration) => {
      if (registration.waiting && workers.controller) offer(registration.waiting);
      if (registration.installing) watch(registration.installing);
      registration.addEventListener("updatefound", () => {
        if (registration.installing) watch(registration.installing);
      });
    })
    .catch(() => {
      // Without a worker (a private window, a host without https) the lab runs online only.
    });
}
