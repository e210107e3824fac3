// The window's elements as page elements: one page element per display
// element, nested as the program nests them, so that containers clip, the
// browser repaints only what moved, the buttons and lists are the browser's
// own (keyboard, access keys, screen readers), a figure's name is its
// tool-tip and the picture is crisp at every scale. A canvas would have to
// do all of that again by hand. Shapes and lines are drawn by shapes.js.
const Elements = (() => {
  const nodes = []; // by the program's element id: { el, kind, role, id, box }
  const root = document.getElementById("broadcast"); // the window itself
  const colour = (rgb) => "#" + rgb.toString(16).padStart(6, "0");
  const faces = ["Liberation Sans Web", "Liberation Serif Web"];
  // Ascent and descent of Liberation Sans and Serif, in ems: a line is as
  // tall as on the desktop.
  const lineRatios = [
    [1854 / 2048, 434 / 2048],
    [1825 / 2048, 443 / 2048],
  ];

  function font(el, serif, pixels, bold, italic) {
    const [ascent, descent] = lineRatios[serif];
    el.style.font = `${italic ? "italic " : ""}${bold ? "bold " : ""}${pixels}px/${
      Math.round(pixels * ascent) + Math.round(pixels * descent)
    }px "${faces[serif]}"`;
  }

  // A caption with '&' before its mnemonic: the text with that letter
  // underlined, and the letter.
  function mnemonic(el, caption) {
    el.textContent = "";
    let key = "";
    for (let i = 0; i < caption.length; ++i) {
      const c = caption[i];
      if (c === "&" && i + 1 < caption.length) {
        const next = caption[++i];
        if (next !== "&" && !key) {
          key = next.toLowerCase();
          const u = document.createElement("u");
          u.textContent = next;
          el.append(u);
          continue;
        }
        el.append(next);
        continue;
      }
      el.append(c);
    }
    return key;
  }

  // The page element of each kind; its class is the kind's name.
  const tags = {
    panel: "div",
    label: "div",
    button: "button",
    list: "select",
    shape: "div",
    line: "div",
    image: "img",
  };

  function create(id, kind, role, container, name, index) {
    // A window built anew (the live channel's next match) takes the place of
    // the one before, which goes whole; it stays hidden until drawn whole, as
    // the first did.
    if (id === 0 && nodes.length > 0) {
      for (const node of nodes.splice(0)) if (node.el !== root) node.el.remove();
      later.clear();
      root.classList.add("building");
    }
    const el = id === 0 ? root : document.createElement(tags[kind]);
    el.classList.add(kind);
    el.dataset.name = index >= 0 ? `${name}(${index})` : name;
    nodes[id] = { el, kind, role, id, container };
    if (role) el.dataset.role = role;
    if (id !== 0) nodes[container].el.append(el);
    if (kind === "button") {
      el.type = "button";
      el.addEventListener("click", () => Clock.queue(Clock.Input.Click, id));
    } else if (kind === "list") {
      el.addEventListener("change", () => Clock.queue(Clock.Input.Choose, id, el.selectedIndex));
    } else if (kind === "image") {
      el.alt = "";
      el.draggable = false;
    } else if (kind === "shape" || kind === "line") {
      // Drawing only: nothing a screen reader could name.
      el.setAttribute("aria-hidden", "true");
    }
    if (role === "figure") el.tabIndex = -1; // named by his player's name (panel)
    if (role === "commentary") {
      // Screen readers announce every new line.
      el.setAttribute("role", "status");
      el.setAttribute("aria-live", "polite");
    }
  }

  // The pictures of what is hidden while the window is built (the skits'
  // people, the lineups' flags) are loaded once it shows, one whenever the
  // browser is idle, so that the first frame waits only for what it shows;
  // a screen that shows sooner loads its own at once. Later pictures load
  // when they are given.
  let building = true;
  const later = new Map(); // picture element -> its address
  function load(el) {
    el.src = later.get(el);
    later.delete(el);
  }
  function loadShown() {
    for (const el of later.keys()) if (!el.closest("[hidden]")) load(el);
  }
  const picturesAsked = new Promise((resolve) =>
    addEventListener(
      "drawn",
      () => {
        building = false;
        const idle = window.requestIdleCallback ?? ((then) => setTimeout(then, 50));
        (function next() {
          const [first] = later.keys();
          if (!first) return resolve();
          load(first);
          idle(next);
        })();
      },
      { once: true },
    ),
  );

  // Only what changed is written, and nothing is built for the rest: most
  // calls move a figure or the ball and leave its size, stacking and
  // visibility as they were.
  function place(id, left, top, width, height, visible, z) {
    const node = nodes[id];
    const { el, kind, box } = node;
    const s = el.style;
    const toggled = el.hidden === !!visible;
    if (toggled) el.hidden = !visible;
    if (toggled && visible && later.size) loadShown();
    if (toggled && Captions.repeats(node.role)) Captions.changed();
    if (id === 0) {
      // The window itself: the page's own notices lie in front of it.
      s.width = `${width}px`;
      s.height = `${height}px`;
      Fit.refit();
      return;
    }
    if (node.z !== z) {
      node.z = z;
      s.zIndex = z;
    }
    // A line lies where its ends are, a shape where it is drawn.
    if (kind === "line" || kind === "shape") return;
    const moved = !box || box.left !== left || box.top !== top;
    const resized = !box || box.width !== width || box.height !== height;
    // What has moved once moves again (the figures, the ball, the bomb): it
    // gets a layer of its own, which the browser moves without painting.
    if (moved && box && !node.moving && (kind === "panel" || kind === "image")) {
      node.moving = true;
      el.classList.add("moving");
    }
    if (moved) {
      s.left = `${left}px`;
      s.top = `${top}px`;
    }
    if (box) {
      box.left = left;
      box.top = top;
      box.width = width;
      box.height = height;
    } else node.box = { left, top, width, height };
    if (resized && kind === "image") imageBox(node);
    else if (resized && kind === "label" && el.classList.contains("autosize")) {
      s.width = s.height = "";
    } else if (resized) {
      s.width = `${width}px`;
      s.height = `${height}px`;
    }
    if (kind === "button" || kind === "list") Targets.place(node);
    // Upright, the page fits the builder's and the lineups' screens when they are up.
    if (node.role === "screen" && (toggled || moved)) Fit.refit();
  }

  function panel(id, back, border, toolTip, picture, pictureWidth, pictureHeight) {
    const { el } = nodes[id];
    el.style.backgroundColor = colour(back);
    el.classList.toggle("framed", !!border);
    if (toolTip) el.title = toolTip;
    else el.removeAttribute("title");
    if (nodes[id].role === "figure") {
      // A player: his name is the figure's, for screen readers and a tap;
      // a figure without a player (the title screen's) is drawing only.
      if (toolTip) {
        el.setAttribute("role", "img");
        el.setAttribute("aria-label", toolTip);
        el.removeAttribute("aria-hidden");
      } else {
        el.removeAttribute("role");
        el.removeAttribute("aria-label");
        el.setAttribute("aria-hidden", "true");
      }
    }
    el.style.backgroundImage = picture ? `url("pictures/${picture}")` : "";
    el.style.backgroundSize = picture ? `${pictureWidth}px ${pictureHeight}px` : "";
  }

  function label(id, caption, serif, pixels, bold, italic, fore, opaque, back, align, autoSize,
                 singleLine) {
    const node = nodes[id];
    const { el } = node;
    el.textContent = caption.replace(/\r\n?/g, "\n");
    font(el, serif, pixels, bold, italic);
    if (Captions.repeats(node.role)) Captions.changed();
    el.style.color = colour(fore);
    el.style.backgroundColor = opaque ? colour(back) : "";
    el.style.textAlign = ["left", "right", "center"][align];
    el.style.justifyContent = ["flex-start", "flex-end", "center"][align];
    el.classList.toggle("autosize", !!autoSize);
    // A one-line label's text stands whole, past its box if need be.
    el.classList.toggle("single", !!singleLine);
    if (autoSize) el.style.width = el.style.height = "";
    else if (node.box) {
      el.style.width = `${node.box.width}px`;
      el.style.height = `${node.box.height}px`;
    }
  }

  // A control's place in the design's tab order, which keys.js keeps; a
  // control without one (the lineups' and the match's buttons) follows in the
  // page's order.
  function tabOrder(el, tabIndex) {
    if (tabIndex >= 0) el.dataset.tab = tabIndex;
    else delete el.dataset.tab;
  }

  function button(id, caption, serif, pixels, bold, italic, coloured, back, enabled, tabIndex) {
    const { el } = nodes[id];
    const key = mnemonic(el, caption);
    // keys.js answers Alt and the letter; the browser's access key, which
    // tells assistive technology the key, goes to one button of those that
    // share a letter.
    el.removeAttribute("accesskey");
    if (key) {
      el.dataset.key = key;
      if (!root.querySelector(`button[accesskey="${key}"]`)) el.accessKey = key;
    } else delete el.dataset.key;
    font(el, serif, pixels, bold, italic);
    el.classList.toggle("coloured", !!coloured);
    el.style.setProperty("--face", coloured ? colour(back) : "");
    el.disabled = !enabled;
    tabOrder(el, tabIndex);
  }

  function list(id, entries, chosen, serif, pixels, bold, italic, tabIndex) {
    const { el } = nodes[id];
    const wanted = entries.split("\n").slice(0, -1);
    const have = Array.from(el.options, (o) => o.text);
    if (wanted.join("\n") !== have.join("\n")) {
      el.replaceChildren(...wanted.map((text) => new Option(text)));
    }
    el.selectedIndex = chosen < wanted.length ? chosen : -1;
    font(el, serif, pixels, bold, italic);
    tabOrder(el, tabIndex);
  }

  // A picture of someone is named by its text alternative; the others are
  // decoration (create), which screen readers pass over.
  function name(id, spoken) {
    const { el, kind, role } = nodes[id];
    if (kind === "image") el.alt = spoken;
    else if (el.getAttribute("aria-label") !== spoken) el.setAttribute("aria-label", spoken);
    if (Captions.repeats(role)) Captions.changed();
  }

  function image(id, picture, width, height, stretch) {
    const node = nodes[id];
    node.picture = { width, height, stretch };
    later.delete(node.el);
    if (!picture) node.el.removeAttribute("src");
    else if (building && !node.el.src && node.el.closest("[hidden]"))
      later.set(node.el, `pictures/${picture}`);
    else node.el.src = `pictures/${picture}`;
    node.el.style.visibility = picture ? "" : "hidden";
    imageBox(node);
  }

  // Stretched to its box, or at its natural size from the box's corner.
  function imageBox(node) {
    if (!node.box) return;
    const { width, height } = node.picture && !node.picture.stretch ? node.picture : node.box;
    node.el.style.width = `${width}px`;
    node.el.style.height = `${height}px`;
  }

  return {
    root,
    colour,
    node: (id) => nodes[id],
    withRole: (role) => nodes.filter((node) => node.role === role),
    create,
    place,
    panel,
    label,
    button,
    list,
    name,
    image,
    picturesAsked, // settles once every picture has been asked for
  };
})();
