// The broadcast scaled to fit the browser window, on black, with the page's
// own buttons in the room it leaves, its captions where the window's own text
// would be too small to read, and the page's title above the builder and the
// lineups upright; and full screen.
const Fit = (() => {
  const broadcast = Elements.root;
  const tools = document.getElementById("tools");
  const notice = document.getElementById("notice");
  const heading = document.getElementById("heading");
  const word = document.getElementById("told");
  const ToolsHeight = 40;
  // Under the picture: the scoreboard, two lines of commentary, a balloon's
  // line and a word upright; the scoreboard and a line of commentary else.
  const CaptionsRoom = { upright: 210, sideways: 100 };
  const Readable = 16; // CSS pixels: the least text is read at arm's length
  const Beside = { least: 180, most: 360 }; // the width of captions beside the picture
  const Gap = 12;
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

  // The size of the commentary's text as the window draws it, in design pixels.
  function commentaryPixels() {
    const [line] = Elements.withRole("commentary");
    return line ? parseFloat(line.el.style.fontSize) || 13 : 13;
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
    const building = broadcast.classList.contains("building");
    const anyUp = screenUp(width, height);
    const up = upright ? anyUp : null;
    // Upright, the builder or the lineups fill the width while they are up,
    // under the page's title; the window around them is left out whole
    // rather than cut at the screen's edges.
    heading.classList.toggle("shown", building || !!up);
    heading.classList.toggle("loading", building);
    let scale, beside = false, left, top, captions = null;
    // The page's word over the broadcast goes below the title where it shows.
    document.body.style.setProperty("--told-top", up ? `${told + heading.offsetHeight + 4}px` : "");
    if (up) {
      // A word that stays (where a match joined at a time starts) has room of its own.
      const held = Share.held() ? word.offsetHeight + 4 : 0;
      const above = told + heading.offsetHeight + held + Gap;
      const room = vh + told - above - 2 * ToolsHeight;
      scale = Math.min(vw / up.width, room / up.height);
      left = (vw - up.width * scale) / 2 - up.left * scale;
      top = above + (room - up.height * scale) / 2 - up.top * scale;
      broadcast.style.clipPath = `inset(${up.top}px ${width - up.left - up.width}px ${
        height - up.top - up.height}px ${up.left}px)`;
    } else {
      broadcast.style.clipPath = "";
      ({ scale, beside } = largest(width, height, vw, vh));
      // During the match, captions where the window's own commentary would be
      // drawn under the least readable size.
      const small = !building && !anyUp && commentaryPixels() * scale < Readable;
      const roomBeside = vw - width * scale - 2 * Gap;
      if (small && !upright && roomBeside >= Beside.least) {
        const across = Math.min(Beside.most, roomBeside);
        left = (vw - across - Gap - width * scale) / 2;
        top = (vh - height * scale) / 2;
        beside = true;
        tools.classList.add("beside"); // measured as a column
        captions = { left: left + width * scale + Gap, top: told + Gap, width: across,
                     bottom: tools.offsetHeight + 2 * Gap, beside: true };
      } else if (small) {
        const room = upright ? CaptionsRoom.upright : CaptionsRoom.sideways;
        scale = Math.min(vw / width, (vh - 2 * ToolsHeight - room) / height);
        // At the top, as a phone shows a video, the captions under it.
        top = 0;
        left = (vw - width * scale) / 2;
        captions = { left: Gap, top: told + top + height * scale, width: vw - 2 * Gap };
      } else {
        left = (vw - width * scale) / 2;
        top = (vh - height * scale) / 2;
      }
      top += told;
    }
    broadcast.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    if (scale !== fitted) {
      // The moving elements' own layers are drawn afresh at the new scale.
      fitted = scale;
      broadcast.classList.add("refit");
      const done = () => broadcast.classList.remove("refit");
      requestAnimationFrame(() => requestAnimationFrame(done));
    }
    Targets.scale(scale);
    // Upright, turned sideways the whole window would be drawn larger.
    Captions.place(captions, upright && captions !== null &&
      largest(width, height, vh, vw).scale > scale);
    document.body.dataset.fitted = `${vw}x${vh}`;
    tools.classList.toggle("beside", beside);
    Keys.keepFocus();
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
