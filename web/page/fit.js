// The broadcast scaled to fit the browser window, on black, with the page's
// own buttons in the room it leaves; and full screen.
const Fit = (() => {
  const broadcast = Elements.root;
  const tools = document.getElementById("tools");
  const ToolsHeight = 40;
  let fitted = 0; // the scale the picture was last drawn at

  function fit() {
    // The window's size as the program has placed it (before it has, as
    // page.css lays it out while the program loads).
    const style = getComputedStyle(broadcast);
    const width = parseFloat(style.width);
    const height = parseFloat(style.height);
    const vw = document.documentElement.clientWidth;
    const vh = document.documentElement.clientHeight;
    let scale = Math.min(vw / width, vh / height);
    // The buttons of the page go where the broadcast leaves room, below it
    // or beside it; without room, the broadcast makes room below it.
    const roomBelow = vh - height * scale >= 2 * ToolsHeight;
    const roomBeside = vw - width * scale >= 2 * 130;
    if (!roomBelow && !roomBeside) scale = Math.min(vw / width, (vh - 2 * ToolsHeight) / height);
    const left = (vw - width * scale) / 2;
    const top = (vh - height * scale) / 2;
    broadcast.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    if (scale !== fitted) {
      // The moving elements' own layers are drawn afresh at the new scale.
      fitted = scale;
      broadcast.classList.add("refit");
      const done = () => broadcast.classList.remove("refit");
      requestAnimationFrame(() => requestAnimationFrame(done));
    }
    document.body.dataset.fitted = `${vw}x${vh}`;
    tools.classList.toggle("beside", roomBeside && !roomBelow);
  }
  addEventListener("resize", fit);

  const fullScreen = document.getElementById("fullscreen");
  if (!document.fullscreenEnabled) fullScreen.hidden = true;
  fullScreen.addEventListener("click", () => {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen().catch(() => {});
  });
  document.addEventListener("fullscreenchange", () => {
    fullScreen.textContent = document.fullscreenElement ? "Leave full screen" : "Full screen";
  });

  return { fit };
})();
