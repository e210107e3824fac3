// The end of the broadcast: nothing answers any more, the picture dims, the
// page's own buttons and the captions leave with it, and a solid panel offers
// a new match, this match again (with why it ended early, where it did) and
// each of its moments. Its row of actions takes one more where there is one.
const End = (() => {
  const notice = document.getElementById("ended");
  const why = document.getElementById("ended-why");
  const again = document.getElementById("again");
  const title = document.getElementById("moments-title");
  const list = document.getElementById("moments");
  // A new match: the address without the match it named.
  document.getElementById("new").addEventListener("click", () => {
    const address = new URL(location.href);
    address.searchParams.delete("match");
    address.searchParams.delete("at");
    location.assign(address);
  });

  // Whether the moments scroll, and how far: the panel shows what more there is.
  function scrolled() {
    const more = list.scrollHeight - list.clientHeight - list.scrollTop > 1;
    list.classList.toggle("more-below", more);
    list.classList.toggle("more-above", list.scrollTop > 1);
  }
  list.addEventListener("scroll", scrolled, { passive: true });
  addEventListener("resize", () => notice.hidden || scrolled());

  // A moment of the match, as told ("34:10 A goal, disallowed"), as a link
  // that starts the broadcast there.
  function moment(told, second, link) {
    const item = document.createElement("li");
    const a = document.createElement("a");
    const time = document.createElement("time");
    a.href = link;
    time.textContent = Address.clock(second);
    a.append(time, ` ${told}`);
    item.append(a);
    list.append(item);
  }

  function end(link, early) {
    Clock.end();
    Sheet.close();
    Voice.stop();
    Tip.hide();
    Share.ended(link);
    Address.ended();
    if (link) again.href = link;
    again.hidden = !link;
    why.textContent = early;
    why.hidden = !early;
    const count = list.children.length;
    list.hidden = title.hidden = count === 0;
    title.textContent = count === 1 ? "Its moment" : `Its ${count} moments`;
    document.body.classList.add("ended");
    // The stopped broadcast leaves the tab order and the screen reader's way.
    Elements.root.inert = true;
    notice.hidden = false;
    scrolled();
    document.getElementById("new").focus();
  }

  return { end, moment };
})();
