// Offline and installable: the service worker keeps the site in the
// browser's cache after one visit.
if ("serviceWorker" in navigator && location.protocol !== "file:")
  navigator.serviceWorker.register("sw.js").catch(() => {});
