// The end of the broadcast: nothing answers any more, the picture dims and
// the page offers a new match, this match again, and each of its moments.
const End = (() => {
  const notice = document.getElementById("ended");
  const again = document.getElementById("again");
  const list = document.getElementById("moments");
  // A new match: the address without the match it named.
  notice.querySelector("button").addEventListener("click", () => {
    const address = new URL(location.href);
    address.searchParams.delete("match");
    address.searchParams.delete("at");
    location.assign(address);
  });

  const clock = (second) =>
    `${String(Math.floor(second / 60)).padStart(2, "0")}:${String(second % 60).padStart(2, "0")}`;

  // A moment of the match, as a link that starts the broadcast there.
  function moment(kind, second, link) {
    const item = document.createElement("li");
    const a = document.createElement("a");
    a.href = link;
    a.textContent = `${clock(second)} ${kind}`;
    item.append(a);
    list.append(item);
  }

  function end(link) {
    Clock.end();
    Sheet.close();
    Voice.stop();
    Tip.hide();
    Share.ended(link);
    if (link) again.href = link;
    again.hidden = !link;
    list.hidden = list.children.length === 0;
    document.body.classList.add("ended");
    // The stopped broadcast leaves the tab order and the screen reader's way.
    Elements.root.inert = true;
    notice.hidden = false;
    notice.querySelector("button").focus();
  }

  return { end, moment };
})();
