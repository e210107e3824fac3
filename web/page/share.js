// Passing the match on. "Share" gives the link to this match at the time the
// scoreboard shows: the system's share sheet where there is one (phones),
// else the clipboard, and a short notice says which it did. The notice also
// tells why a match named in the address could not be played.
const Share = (() => {
  const button = document.getElementById("share");
  const notice = document.getElementById("told");
  const ShownMs = 5000;
  let hiding = null;
  let asked = false; // a Share waits for the program's link
  let last = ""; // the match's link from its lineups, once the broadcast has ended
  let held = false; // the notice holds a word until it is taken back

  function say(text, ms = ShownMs) {
    held = false;
    notice.textContent = text;
    clearTimeout(hiding);
    hiding = setTimeout(() => (notice.textContent = ""), ms);
  }

  // The program's answer to Share: hands the link on.
  async function pass(link) {
    asked = false;
    if (!link) {
      say("There is no match to share yet: make the two countries and press Go.");
      return;
    }
    const at = new URL(link).searchParams.get("at");
    const what = at ? `The link to this match at ${at}` : "The link to this match";
    if (navigator.share) {
      try {
        await navigator.share({ title: document.title, url: link });
        say(`${what} is shared.`);
      } catch (error) {
        if (error.name !== "AbortError") say(`Sharing failed; the link is ${link}`, 3 * ShownMs);
      }
      return;
    }
    try {
      await navigator.clipboard.writeText(link);
      say(`${what} is copied to the clipboard.`);
    } catch {
      say(`Copying failed; the link is ${link}`, 3 * ShownMs);
    }
  }

  button.addEventListener("click", () => {
    if (Clock.ended()) pass(last);
    else if (!asked) {
      asked = true;
      Clock.queue(Clock.Input.Link);
    }
  });

  return {
    say,
    // A word that stays until it is taken back with "".
    hold(text) {
      clearTimeout(hiding);
      notice.textContent = text;
      held = text !== "";
      Fit.refit(); // upright, the builder and the lineups make room for it
    },
    held: () => held,
    link: pass,
    // The broadcast has ended: Share gives the match from its lineups.
    ended(again) {
      last = again;
    },
  };
})();
