// The start of the broadcast. The program builds the page's window in one
// long piece of work; it hands control back to the browser every few
// milliseconds of it (pause), so that the page answers and a slow phone
// stays responsive meanwhile, and the window stays hidden behind its empty
// place until the program has drawn it whole (shown).
const Start = (() => {
  const Budget = 8; // milliseconds of work between two hand-overs
  // Tasks of their own, at once, unlike a timer's.
  const channel = new MessageChannel();
  const next = [];
  channel.port1.onmessage = () => next.shift()();
  const soon = (then) => {
    next.push(then);
    channel.port2.postMessage(null);
  };
  let since = performance.now(); // when the program last got control back

  return {
    pause(wakeUp) {
      if (performance.now() - since < Budget) return wakeUp();
      soon(() => {
        since = performance.now();
        wakeUp();
      });
    },
    shown() {
      Elements.root.classList.remove("building");
      Fit.refit(); // the page's title and the captions as the window shows
      // The program has drawn the window: the frame that shows it comes next.
      performance.mark("first-sync");
      requestAnimationFrame(() => performance.mark("first-frame"));
      // What follows the window's showing (the first control's focus, the
      // offline cache) in a task of its own.
      soon(() => dispatchEvent(new Event("drawn")));
    },
  };
})();
