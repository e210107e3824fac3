// The end of the broadcast: nothing answers any more, the picture dims and
// the page offers a new match.
const End = (() => {
  const notice = document.getElementById("ended");
  notice.querySelector("button").addEventListener("click", () => location.reload());

  function end() {
    Clock.end();
    Sheet.close();
    Voice.stop();
    Tip.hide();
    document.body.classList.add("ended");
    // The stopped broadcast leaves the tab order and the screen reader's way.
    Elements.root.inert = true;
    notice.hidden = false;
    notice.querySelector("button").focus();
  }

  return { end };
})();
