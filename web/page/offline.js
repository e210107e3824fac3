// Offline and installable: the service worker keeps the site in the
// browser's cache after one visit. It is registered once the page has loaded
// what the window shows (the program has drawn it and every picture it asked
// for has come), so that the worker finds all of it in the browser's HTTP
// cache.
if ("serviceWorker" in navigator && location.protocol !== "file:")
  addEventListener(
    "drawn",
    async () => {
      const loaded = (picture) =>
        new Promise((resolve) => {
          picture.addEventListener("load", resolve, { once: true });
          picture.addEventListener("error", resolve, { once: true });
        });
      if (document.readyState !== "complete")
        await new Promise((resolve) => addEventListener("load", resolve, { once: true }));
      await Promise.all([...document.images].filter((i) => !i.complete).map(loaded));
      navigator.serviceWorker.register("sw.js").catch(() => {});
    },
    { once: true },
  );
