// The window's keyboard, as on the desktop, in every browser (each has its
// own keys for access keys, and some none): Alt and a button's underlined
// letter click it, or, where several buttons shown share the letter (the
// two "&Random"), move the focus from one to the next without clicking; Tab
// and Shift+Tab follow the design's tab order.
const Keys = (() => {
  const root = Elements.root;
  // Enabled and shown, which the browser tells from the styles alone, without
  // laying the page out (offsetParent where it cannot).
  const usable = (el) => !el.disabled && (el.checkVisibility?.() ?? el.offsetParent !== null);
  // The window's controls shown, in the design's tab order: those with a
  // place in it first, the others after them in the page's order.
  const tabOrder = () =>
    Array.from(root.querySelectorAll("button, select"))
      .filter(usable)
      .sort((a, b) => (a.dataset.tab ?? Infinity) - (b.dataset.tab ?? Infinity));

  function mnemonic(event) {
    const key = event.key.toLowerCase();
    const [...all] = root.querySelectorAll("button[data-key]");
    const sharing = all.filter((b) => b.dataset.key === key && usable(b));
    sharing.sort((a, b) => (a.dataset.tab ?? Infinity) - (b.dataset.tab ?? Infinity));
    if (sharing.length === 0) return;
    event.preventDefault();
    if (sharing.length === 1) {
      sharing[0].focus();
      sharing[0].click();
      return;
    }
    const at = sharing.indexOf(document.activeElement);
    sharing[(at + 1) % sharing.length].focus();
  }

  function tab(event) {
    const order = tabOrder();
    const focused = document.activeElement;
    const at = order.indexOf(focused);
    // The page's own controls keep the page's order; from nowhere, or from a
    // control just hidden, the window's first control shown has the focus.
    if (at < 0 && focused !== document.body && !root.contains(focused)) return;
    const next = at < 0 ? 0 : at + (event.shiftKey ? -1 : 1);
    if (order.length === 0) return;
    if (next >= order.length) {
      // Past the window's last control: on to the page's own buttons.
      const after = Array.from(document.querySelectorAll("#tools button")).find(usable);
      if (!after) return;
      event.preventDefault();
      after.focus();
      return;
    }
    event.preventDefault();
    order[(next + order.length) % order.length].focus();
  }

  document.addEventListener("keydown", (event) => {
    if (Sheet.isOpen() || Clock.ended() || event.ctrlKey || event.metaKey) return;
    if (event.key === "Tab" && !event.altKey) tab(event);
    else if (event.altKey && event.key.length === 1) mnemonic(event);
  });

  // Screen readers read the window in the page's order: panels side by side
  // that hold controls come in the order of their first tab, so the home
  // country's row (which the design stacks after the away country's, and
  // whose controls come first in its tab order) is read first. Every element
  // is stacked by its own z-index, so the order changes nothing drawn.
  function readingOrder() {
    const first = (panel) =>
      Math.min(...Array.from(panel.querySelectorAll("[data-tab]"), (c) => Number(c.dataset.tab)));
    for (const container of [root, ...root.querySelectorAll(".panel")]) {
      const holders = Array.from(container.children).filter((c) =>
        c.classList.contains("panel") && c.querySelector("[data-tab]"));
      const sorted = [...holders].sort((a, b) => first(a) - first(b));
      if (sorted.every((panel, k) => panel === holders[k])) continue;
      const place = document.createComment("");
      holders[0].before(place);
      place.replaceWith(...sorted);
    }
  }
  addEventListener("drawn", readingOrder); // each window the program builds

  return {
    // The window's first control shown, in the design's tab order.
    first: () => tabOrder()[0],
    // The builder's first control takes the focus when the window first shows.
    focusFirst() {
      const first = tabOrder()[0];
      // Where it stands, without laying the page out before its first frame.
      if (first && !root.contains(document.activeElement)) first.focus({ preventScroll: true });
    },
    // The screen has changed: where the focus fell with a control that left
    // (to the page's body), it goes to the first control a user needs next:
    // the lineups' Go, then the match's Exit.
    keepFocus() {
      const focused = document.activeElement;
      const lost = focused === document.body || focused === null ||
        (root.contains(focused) && !usable(focused));
      if (!lost || Clock.ended() || Sheet.isOpen() || root.classList.contains("building")) return;
      tabOrder()[0]?.focus({ preventScroll: true });
    },
  };
})();
