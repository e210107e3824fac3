// What the page has to tell in a sentence, with a button that acts on it:
// that a new version is ready, or, instead of the broadcast, why it cannot
// play (its files did not load, the browser has no WebAssembly, the address
// asks for a seed that does not exist).
const Notice = (() => {
  const notice = document.getElementById("notice");
  const sentence = notice.querySelector("p");
  const button = notice.querySelector("button");
  let action = null;
  button.addEventListener("click", () => action?.());

  function show(text, label, act) {
    sentence.textContent = text;
    button.textContent = label;
    action = act;
    notice.hidden = false;
    Fit.refit(); // the window makes room for it
  }

  // The broadcast cannot play: the notice stands in its place.
  function fail(text, label = "Try again", act = () => location.reload()) {
    if (document.body.classList.contains("failed")) return; // the first reason says it
    document.body.classList.add("failed");
    Elements.root.inert = true;
    show(text, label, act);
    button.focus();
  }

  if (typeof WebAssembly !== "object")
    fail("This browser cannot play the broadcast: it has no WebAssembly.", "Reload");
  // The program's script or its WebAssembly did not come (offline on a first
  // visit, or a broken host) or did not start.
  const drawn = () => performance.getEntriesByName("first-sync").length > 0;
  const failed = () =>
    fail(drawn()
      ? "The broadcast has stopped on an error. Try again for a new match."
      : "The broadcast could not be loaded. Check the connection and try again.");
  addEventListener("error", (event) => event.target instanceof HTMLScriptElement && failed(), true);
  // A WebAssembly that does not come rejects the program's loading, which
  // nothing else catches.
  addEventListener("unhandledrejection", () => drawn() || failed());
  globalThis.Module = { onAbort: failed };

  return {
    fail,
    // Tells of something ready, beside the broadcast, which goes on.
    tell: show,
  };
})();
