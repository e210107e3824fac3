// The broadcast scaled to fit the browser window, on black, with the page's
// own buttons in the room it leaves; and full screen.
const Fit = (() => {
  const broadcast = Elements.root;
  const tools = document.getElementById("tools");
  const notice = document.getElementById("notice");
  const ToolsHeight = 40;
  const CaptionsRoom = 120; // under the picture, for two lines of captions and a word
  let fitted = 0; // the scale the picture was last drawn at

  // The builder's or the lineups' screen while it is up (the smaller of the
  // screens shown, when it is smaller than the window), as the window places it.
  function screenUp(width, height) {
    let up = null;
    for (const node of Elements.withRole("screen")) {
      const box = node.box;
      if (node.el.hidden || !box || box.width >= width || box.height >= height) continue;
      if (!up || box.width * box.height < up.width * up.height) up = box;
    }
    return up;
  }

  // The largest scale at which `width` x `height` fits `vw` x `vh`, with the
  // page's buttons below it or beside it; without room, the picture makes
  // room below it.
  function largest(width, height, vw, vh) {
    const scale = Math.min(vw / width, vh / height);
    const below = vh - height * scale >= 2 * ToolsHeight;
    const beside = vw - width * scale >= 2 * 130;
    if (below || beside) return { scale, beside: beside && !below };
    return { scale: Math.min(vw / width, (vh - 2 * ToolsHeight) / height), beside: false };
  }

  function fit() {
    // The window's size as the program has placed it (before it has, as
    // page.css lays it out while the program loads).
    const style = broadcast.style.width ? broadcast.style : getComputedStyle(broadcast);
    const width = parseFloat(style.width);
    const height = parseFloat(style.height);
    // A new version's notice along the top takes its room from the picture
    // rather than covering the window's top.
    const told = notice.hidden || document.body.classList.contains("failed") ? 0
      : notice.offsetHeight;
    const vw = document.documentElement.clientWidth;
    const vh = document.documentElement.clientHeight - told;
    const upright = vh > vw;
    const up = upright ? screenUp(width, height) : null;
    // Upright, the builder or the lineups fill the width while they are up,
    // the window around them cut at the screen's edges.
    const shown = up ?? { left: 0, top: 0, width, height };
    const { scale, beside } = largest(shown.width, shown.height, vw, vh);
    let captionsTop = null;
    let top = (vh - shown.height * scale) / 2;
    if (upright && !up) {
      // During the match the commentary follows below the picture in captions.
      const free = vh - 2 * ToolsHeight - height * scale;
      top = Math.max(0, (free - CaptionsRoom) / 2);
      captionsTop = told + top + height * scale;
    } else if (up) top = (vh - 2 * ToolsHeight - shown.height * scale) / 2;
    const left = (vw - shown.width * scale) / 2 - shown.left * scale;
    top += told - shown.top * scale;
    broadcast.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    if (scale !== fitted) {
      // The moving elements' own layers are drawn afresh at the new scale.
      fitted = scale;
      broadcast.classList.add("refit");
      const done = () => broadcast.classList.remove("refit");
      requestAnimationFrame(() => requestAnimationFrame(done));
    }
    Targets.scale(scale);
    // Turned sideways, the whole window would be drawn larger.
    Captions.place(captionsTop, captionsTop !== null && largest(width, height, vh, vw).scale > scale);
    document.body.dataset.fitted = `${vw}x${vh}`;
    tools.classList.toggle("beside", beside);
  }
  addEventListener("resize", fit);
  // The window's place, fitted while the program loads.
  fit();

  // Fits again once the program's pass has placed everything, however many
  // places changed: the page is measured once, after all of them.
  let due = false;
  function refit() {
    if (due) return;
    due = true;
    queueMicrotask(() => {
      due = false;
      fit();
    });
  }

  const fullScreen = document.getElementById("fullscreen");
  if (!document.fullscreenEnabled) fullScreen.hidden = true;
  fullScreen.addEventListener("click", () => {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen().catch(() => {});
  });
  document.addEventListener("fullscreenchange", () => {
    fullScreen.textContent = document.fullscreenElement ? "Leave full screen" : "Full screen";
  });

  return { refit };
})();
