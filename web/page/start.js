// The start of the broadcast. The program builds the page's window in one
// long piece of work; it hands control back to the browser every few
// milliseconds of it (pause), so that the page answers and a slow phone
// stays responsive meanwhile, and the window stays hidden behind its empty
// place until the program has drawn it whole (shown).
const Start = (() => {
  const Budget = 8; // milliseconds of work between two hand-overs
  const channel = new MessageChannel(); // a task of its own, at once, unlike a timer
  let since = performance.now(); // when the program last got control back
  let resume = null;
  channel.port1.onmessage = () => {
    since = performance.now();
    const wakeUp = resume;
    resume = null;
    wakeUp();
  };

  return {
    pause(wakeUp) {
      if (performance.now() - since < Budget) return wakeUp();
      resume = wakeUp;
      channel.port2.postMessage(null);
    },
    shown() {
      Elements.root.classList.remove("building");
      // The program has drawn the window: the frame that shows it comes next.
      performance.mark("first-sync");
      requestAnimationFrame(() => performance.mark("first-frame"));
      dispatchEvent(new Event("drawn"));
    },
  };
})();
