// The end of the broadcast: nothing answers any more, the picture dims and
// the page offers a new match.
const End = (() => {
  const notice = document.getElementById("ended");
  notice.querySelector("button").addEventListener("click", () => location.reload());

  function end() {
    Clock.end();
    Sheet.close();
    Voice.stop();
    document.body.classList.add("ended");
    notice.hidden = false;
    notice.querySelector("button").focus();
  }

  return { end };
})();
