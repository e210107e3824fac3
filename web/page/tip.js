// A tap on a player shows his name for a while, as hovering over him shows
// his tool-tip on the desktop (a finger cannot hover).
const Tip = (() => {
  const ShownFor = 2500; // milliseconds
  const tip = document.getElementById("tip");
  let timer = null;

  function hide() {
    clearTimeout(timer);
    tip.hidden = true;
  }

  Elements.root.addEventListener("click", (event) => {
    if (event.pointerType === "mouse") return; // the tool-tip shows that
    const figure = event.target.closest('[data-role="figure"]');
    if (!figure || !figure.title) return hide();
    tip.textContent = figure.title;
    tip.hidden = false;
    // Above the finger, inside the screen.
    const margin = 4;
    const x = Math.min(Math.max(event.clientX - tip.offsetWidth / 2, margin),
      document.documentElement.clientWidth - tip.offsetWidth - margin);
    const y = event.clientY - tip.offsetHeight - 32;
    tip.style.left = `${x}px`;
    tip.style.top = `${Math.max(margin, y)}px`;
    clearTimeout(timer);
    timer = setTimeout(hide, ShownFor);
  });

  return { hide };
})();
