// What matters of the broadcast again in large captions, where the window's
// own text is small: the scoreboard (the two countries, home first, their
// score and the match clock), the commentary line, and the line said in the
// speech balloon with who says it. Upright they follow below the picture;
// sideways beside it, or along its foot where there is no room beside it
// (fit.js shows and places them). A word says when turning the phone would
// give a larger picture. Screen readers hear all of it from the window
// itself, so the captions are for the eyes.
const Captions = (() => {
  const captions = document.getElementById("captions");
  const part = (selector) => captions.querySelector(selector);
  const [home, away, goals, clock] = [".home", ".away", ".goals", ".clock"].map(part);
  const [line, balloon, who, said, turn] = [".line", ".balloon", ".who", "q", ".turn"].map(part);
  const texts = (role) => Elements.withRole(role).map((node) => node.el.textContent);
  const shown = (node) => !node.el.hidden && !node.el.closest("[hidden]");
  const put = (el, text) => el.textContent !== text && (el.textContent = text);

  // Read again once the program's pass has written everything.
  let due = false;
  function read() {
    due = false;
    const [homeName = "", awayName = ""] = texts("team");
    const [homeGoals = "", awayGoals = ""] = texts("score");
    put(home, homeName);
    put(away, awayName);
    put(goals, `${homeGoals} - ${awayGoals}`);
    put(clock, texts("clock")[0] ?? "");
    put(line, texts("commentary")[0] ?? "");
    const [spoken] = Elements.withRole("balloon").filter(shown);
    balloon.hidden = !spoken;
    if (!spoken) return;
    const [speaker] = Elements.withRole("speaker").filter(shown);
    put(who, speaker?.el.alt || "Someone");
    put(said, spoken.el.textContent);
  }

  return {
    // An element the captions repeat has changed.
    changed() {
      if (due) return;
      due = true;
      queueMicrotask(read);
    },
    // Shown in `box` (CSS pixels: left, top, width; `along` over the
    // picture's foot), or hidden when `box` is null.
    place(box, turnForLarger) {
      captions.hidden = box === null;
      turn.hidden = !turnForLarger;
      if (box === null) return;
      const s = captions.style;
      s.left = `${box.left}px`;
      s.top = `${box.top}px`;
      s.width = `${box.width}px`;
      s.bottom = box.bottom === undefined ? "" : `${box.bottom}px`;
      captions.classList.toggle("along", !!box.along);
      captions.classList.toggle("beside", !!box.beside);
    },
    // The roles whose elements the captions repeat.
    repeats: (role) => ["team", "score", "clock", "commentary", "balloon", "speaker"].includes(role),
  };
})();
