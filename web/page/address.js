// The page's address follows the match: once it has kicked off, it carries
// the match's code and the time its clock shows (replaced, never pushed, so
// that Back still leaves the page). A reload of this tab, the update
// notice's Reload, a crash's Try again or a phone that dropped the tab then
// come back to the same match at the same time, kicked off at once: the tab
// remembers (for its own session) that it was watching the match its
// address names. A link opened afresh waits for Go on the lineups, and says
// so where it starts at a time.
const Address = (() => {
  const Key = "blunderfest-watching";
  const EveryMs = 1000; // the browser allows only so many replacements a while
  let wanted = null; // the address to carry, not yet carried
  let last = -Infinity; // when the address was last replaced
  let timer = null;

  function carry() {
    timer = null;
    if (wanted === null) return;
    history.replaceState(history.state, "", wanted);
    try {
      sessionStorage.setItem(Key, wanted);
    } catch {} // storage refused: a reload shows the lineups
    wanted = null;
    last = performance.now();
  }

  // Whether this tab was watching the match its address names when it was
  // last shown.
  const resuming = (() => {
    try {
      return sessionStorage.getItem(Key) === location.href;
    } catch {
      return false;
    }
  })();

  // Resumed: the lineups' Go, the one control the lineups show, kicks off
  // once the window stands.
  if (resuming)
    addEventListener("drawn", () => Keys.first()?.click(), { once: true });

  return {
    clock: (second) =>
      `${String(Math.floor(second / 60)).padStart(2, "0")}:${String(second % 60).padStart(2, "0")}`,
    // The match's address as its clock moves on.
    follow(link) {
      if (link === location.href) return;
      wanted = link;
      const wait = last + EveryMs - performance.now();
      if (wait <= 0) carry();
      else timer ??= setTimeout(carry, wait);
    },
    // What the lineups say until the kick-off, "" once it has come.
    starts(text) {
      if (!resuming) Share.hold(text);
    },
    // The broadcast has ended: the address carries its last time; a reload
    // shows the lineups again rather than the end.
    ended() {
      clearTimeout(timer);
      carry();
      try {
        sessionStorage.removeItem(Key);
      } catch {}
    },
  };
})();
