// The live channel (?live): the device's clock checked against the site's,
// and the controls that tune in and out. Everything else about the channel,
// the next match once one ends included, is the program's.
const Live = (() => {
  const StepsPerSecond = 64;
  const asked = new URLSearchParams(location.search).has("live");
  let offset = 0; // milliseconds the site's clock is ahead of the device's

  // The site's own answer, to the second (the Date header), corrects the
  // device's clock where the two differ by more than a second. The request
  // goes out as the page loads, beside the program's; offline, the device's
  // clock stands.
  const checked = !asked
    ? Promise.resolve()
    : (async () => {
        try {
          const sent = Date.now();
          // Three seconds at most: a slow answer would tell the time badly anyway.
          const answer = await fetch(location.pathname,
            { method: "HEAD", cache: "no-store", signal: AbortSignal.timeout(3000) });
          const received = Date.now();
          const date = Date.parse(answer.headers.get("Date") ?? "");
          if (Number.isNaN(date)) return;
          // The header's second began somewhere in the round trip: its middle
          // is the best guess.
          const site = date + 500;
          const device = (sent + received) / 2;
          if (Math.abs(site - device) > 1000) offset = site - device;
        } catch {
          // No answer in time: the device's clock it is.
        }
      })();

  const address = (parameters) => {
    const url = new URL(location.href);
    url.search = parameters;
    return url.href;
  };

  function control(parent, text, href) {
    const a = document.createElement("a");
    a.textContent = text;
    a.href = href;
    a.className = "live";
    parent.append(a);
    return a;
  }

  // "Live" among the page's controls: tunes in, or while tuned in, the
  // match on from its kick-off as an ordinary match.
  addEventListener("DOMContentLoaded", () => {
    const tools = document.getElementById("tools");
    if (!asked) control(tools, "Live", address("live"));
    control(document.querySelector("#ended .actions"), "Watch live", address("live"));
  });

  return {
    asked: () => asked,
    clockChecked: () => checked,
    now: () => Math.floor(((Date.now() + offset) * StepsPerSecond) / 1000),
    offset: () => offset,
    // The match on the channel now, the first or the next once one ends.
    on(code) {
      let fromStart = document.getElementById("from-start");
      if (!fromStart) {
        fromStart = control(document.getElementById("tools"), "Watch this match from the start", "");
        fromStart.id = "from-start";
      }
      fromStart.href = address(`match=${code}`);
    },
  };
})();
