// Offline and installable: the service worker keeps the site in the
// browser's cache after one visit. It is registered once the page has loaded
// what the window shows and every picture (the program has drawn the window,
// the pictures it put off have been asked for and all have come), so that the
// worker finds all of it in the browser's HTTP cache.
//
// A returning visit looks for a new version at once; when one has come, the
// page says so and reloads into it when the user asks, never by itself.
(() => {
  const workers = navigator.serviceWorker;
  let reloading = false;

  function ready(worker) {
    if (!workers.controller) return; // the first visit: nothing older is shown
    Notice.tell("A new version is ready", "Reload", () => {
      reloading = true;
      worker.postMessage("take charge");
    });
  }

  async function register() {
    const loaded = (picture) =>
      new Promise((resolve) => {
        picture.addEventListener("load", resolve, { once: true });
        picture.addEventListener("error", resolve, { once: true });
      });
    if (document.readyState !== "complete")
      await new Promise((resolve) => addEventListener("load", resolve, { once: true }));
    await Elements.picturesAsked;
    await Promise.all([...document.images].filter((i) => !i.complete).map(loaded));
    const registration = await workers.register("sw.js");
    if (registration.waiting) ready(registration.waiting);
    registration.addEventListener("updatefound", () => {
      const worker = registration.installing;
      worker?.addEventListener("statechange", () => worker.state === "installed" && ready(worker));
    });
    await registration.update();
  }

  if (workers && location.protocol !== "file:") {
    workers.addEventListener("controllerchange", () => reloading && location.reload());
    addEventListener("drawn", () => register().catch(() => {}), { once: true });
  }
})();
