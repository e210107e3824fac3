// The commentary again as large captions below the picture, where an upright
// phone leaves room for them (fit.js shows and places them), and a word when
// turning the phone would give a larger picture. Screen readers hear the
// commentary from the window's own line, so the captions are for the eyes.
const Captions = (() => {
  const captions = document.getElementById("captions");
  const line = captions.querySelector(".line");
  const turn = captions.querySelector(".turn");

  return {
    // A new commentary line.
    follow(text) {
      if (line.textContent !== text) line.textContent = text;
    },
    // Shown from `top` down (CSS pixels), or hidden when `top` is null.
    place(top, turnForLarger) {
      captions.hidden = top === null;
      if (top !== null) captions.style.top = `${top}px`;
      turn.hidden = !turnForLarger;
    },
  };
})();
