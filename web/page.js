// The page around the broadcast: the clock and the input queue the program
// waits on, the window's elements as page elements, the information sheet,
// the end, the fit to the browser window, full screen and the voice. The
// program (blunderfest.js, our core in WebAssembly) calls in through
// library.js; the page never calls into the program: it queues inputs and
// wakes the program's wait.
"use strict";

const Broadcast = (() => {
  const StepsPerSecond = 64;
  const params = new URLSearchParams(location.search);

  // ---- The clock: steps of 1/64 s, stopped while the tab is hidden ----------------
  const clock = {
    start: performance.now(),
    paused: 0, // milliseconds spent hidden
    hiddenSince: null,
    now() {
      const at = this.hiddenSince ?? performance.now();
      return at - this.start - this.paused;
    },
  };
  const step = () => Math.floor((clock.now() * StepsPerSecond) / 1000);
  const msUntil = (s) => Math.max(0, (s * 1000) / StepsPerSecond - clock.now());

  // ---- The inputs and the program's wait ------------------------------------------
  const Input = { Click: 1, Choose: 2, Ok: 3, Stage: 4 };
  const inputs = [];
  let waiting = null; // { step, wakeUp, timer } while the program waits
  let ended = false;

  function wake() {
    if (!waiting || clock.hiddenSince !== null) return;
    if (inputs.length === 0 && step() < waiting.step) {
      // Early (or the tab was hidden meanwhile): wait for the rest.
      clearTimeout(waiting.timer);
      waiting.timer = setTimeout(wake, Math.ceil(msUntil(waiting.step)));
      return;
    }
    const { wakeUp, timer } = waiting;
    clearTimeout(timer);
    waiting = null;
    wakeUp();
  }

  function waitFor(target, wakeUp) {
    if (!performance.getEntriesByName("first-sync").length) {
      // The program has drawn the window: the frame that shows it comes next.
      performance.mark("first-sync");
      requestAnimationFrame(() => performance.mark("first-frame"));
      dispatchEvent(new Event("drawn"));
    }
    if (inputs.length > 0 || (step() >= target && clock.hiddenSince === null)) {
      wakeUp(); // nothing to wait for: the program goes on at once
      return;
    }
    waiting = { step: target, wakeUp, timer: null };
    if (clock.hiddenSince === null)
      waiting.timer = setTimeout(wake, Math.ceil(msUntil(target)));
  }

  function queue(kind, element = 0, entry = 0) {
    if (ended) return;
    inputs.push([kind, element, entry]);
    wake();
  }

  document.addEventListener("visibilitychange", () => {
    if (document.hidden) {
      if (clock.hiddenSince === null) clock.hiddenSince = performance.now();
      if (speech.on) speechSynthesis.pause();
    } else if (clock.hiddenSince !== null) {
      clock.paused += performance.now() - clock.hiddenSince;
      clock.hiddenSince = null;
      if (speech.on) speechSynthesis.resume();
      wake();
    }
  });

  // ---- The window's elements ------------------------------------------------------
  // One page element per display element, nested as the form nests them, so
  // that containers clip, the browser repaints only what moved, the buttons and
  // lists are the browser's own (keyboard, access keys, screen readers), a
  // figure's name is its tool-tip and the picture is crisp at every scale. A
  // canvas would have to do all of that again by hand.
  const Kind = { Panel: 0, Label: 1, Button: 2, List: 3, Shape: 4, Line: 5, Image: 6 };
  const nodes = []; // by the program's element id
  const stage = document.getElementById("broadcast");
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

  const tags = {
    [Kind.Panel]: "div",
    [Kind.Label]: "div",
    [Kind.Button]: "button",
    [Kind.List]: "select",
    [Kind.Shape]: "div",
    [Kind.Line]: "div",
    [Kind.Image]: "img",
  };
  const classes = ["panel", "label", "button", "list", "shape", "line", "image"];

  function create(id, kind, container, name, index) {
    const el = id === 0 ? stage : document.createElement(tags[kind]);
    el.classList.add(classes[kind]);
    el.dataset.name = index >= 0 ? `${name}(${index})` : name;
    const node = { el, kind, id };
    nodes[id] = node;
    if (id !== 0) nodes[container].el.append(el);
    if (kind === Kind.Button) {
      el.type = "button";
      el.addEventListener("click", () => queue(Input.Click, id));
    } else if (kind === Kind.List) {
      el.addEventListener("change", () => queue(Input.Choose, id, el.selectedIndex));
    } else if (kind === Kind.Image) {
      el.alt = "";
      el.draggable = false;
    }
    if (name === "Announcer") {
      // The commentary line: screen readers announce every new line.
      el.setAttribute("role", "status");
      el.setAttribute("aria-live", "polite");
    }
  }

  function place(id, left, top, width, height, visible, z) {
    const { el, kind } = nodes[id];
    el.hidden = !visible;
    if (id === 0) {
      // The window itself: the page's own notices lie in front of it.
      stage.style.width = `${width}px`;
      stage.style.height = `${height}px`;
      fit();
      return;
    }
    el.style.zIndex = z;
    if (kind === Kind.Line) return; // a line lies where its ends are
    const node = nodes[id];
    // What has moved once moves again (the figures, the ball, the bomb): it
    // gets a layer of its own, which the browser moves without painting.
    if (node.box && (node.box.left !== left || node.box.top !== top) &&
        (kind === Kind.Panel || kind === Kind.Image))
      el.classList.add("moving");
    const s = el.style;
    s.left = `${left}px`;
    s.top = `${top}px`;
    if (kind === Kind.Label && el.classList.contains("autosize")) {
      s.width = s.height = "";
    } else {
      s.width = `${width}px`;
      s.height = `${height}px`;
    }
    node.box = { left, top, width, height };
    if (kind === Kind.Shape) shapeBox(node);
    else if (kind === Kind.Image) imageBox(node);
  }

  function panel(id, back, border, toolTip, picture, pictureWidth, pictureHeight) {
    const { el } = nodes[id];
    el.style.backgroundColor = colour(back);
    el.classList.toggle("framed", !!border);
    if (toolTip) el.title = toolTip;
    else el.removeAttribute("title");
    el.style.backgroundImage = picture ? `url("pictures/${picture}")` : "";
    el.style.backgroundSize = picture ? `${pictureWidth}px ${pictureHeight}px` : "";
  }

  function label(id, caption, serif, pixels, bold, italic, fore, opaque, back, align, autoSize,
                 singleLine) {
    const node = nodes[id];
    const { el } = node;
    el.textContent = caption.replace(/\r\n?/g, "\n");
    font(el, serif, pixels, bold, italic);
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

  // The design's tab indices come first, in their order; a control without one
  // (the lineups' and the match's buttons) follows in the page's order.
  function button(id, caption, serif, pixels, bold, italic, coloured, back, enabled, tabIndex) {
    const { el } = nodes[id];
    const key = mnemonic(el, caption);
    if (key) el.accessKey = key;
    else el.removeAttribute("accesskey");
    font(el, serif, pixels, bold, italic);
    el.classList.toggle("coloured", !!coloured);
    el.style.setProperty("--face", coloured ? colour(back) : "");
    el.disabled = !enabled;
    el.tabIndex = tabIndex >= 0 ? tabIndex + 1 : 0;
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
    el.tabIndex = tabIndex >= 0 ? tabIndex + 1 : 0;
  }

  function name(id, spoken) {
    const { el } = nodes[id];
    if (el.getAttribute("aria-label") !== spoken) el.setAttribute("aria-label", spoken);
  }

  // ---- Shapes and lines, drawn as the desktop draws them ----------------------------
  // Plain rectangles are boxes with their border inside; curved and hatched
  // shapes and slanted lines are vector drawings without smoothing, so that
  // they keep the desktop's crisp pixels at every scale.
  const svgNS = "http://www.w3.org/2000/svg";
  const svg = (tag, attributes = {}) => {
    const el = document.createElementNS(svgNS, tag);
    for (const [k, v] of Object.entries(attributes)) el.setAttribute(k, v);
    return el;
  };

  // The outline of a shape kind filling (x, y, w, h), as path data; a rounded
  // rectangle's corners have radius r.
  function outline(kind, x, y, w, h, r) {
    if (w <= 0 || h <= 0) return "";
    if (kind >= 2) {
      const rx = w / 2, ry = h / 2;
      return `M${x} ${y + ry}a${rx} ${ry} 0 1 0 ${w} 0a${rx} ${ry} 0 1 0 ${-w} 0Z`;
    }
    if (kind === 0 || r <= 0) return `M${x} ${y}h${w}v${h}h${-w}Z`;
    r = Math.min(r, w / 2, h / 2);
    return (
      `M${x + r} ${y}h${w - 2 * r}a${r} ${r} 0 0 1 ${r} ${r}v${h - 2 * r}` +
      `a${r} ${r} 0 0 1 ${-r} ${r}h${-(w - 2 * r)}a${r} ${r} 0 0 1 ${-r} ${-r}` +
      `v${-(h - 2 * r)}a${r} ${r} 0 0 1 ${r} ${-r}Z`
    );
  }

  // A colour a shade darker, as Qt's darker(135): its value divided by 1.35.
  function darker(rgb) {
    const channel = (shift) => Math.floor((((rgb >> shift) & 255) * 100) / 135);
    return (channel(16) << 16) | (channel(8) << 8) | channel(0);
  }

  function shape(id, kind, opaque, fill, hatch, hatchColor, borderWidth, borderColor) {
    const node = nodes[id];
    node.shape = { kind, opaque, fill, hatch, hatchColor, borderWidth, borderColor };
    shapeBox(node);
  }

  // A circle is the largest circle centred in the box; a rounded rectangle's
  // corners have a sixth of its shorter side as radius.
  function shapeBox(node) {
    if (!node.shape || !node.box) return;
    const { kind, opaque, fill, hatch, hatchColor, borderWidth: bw, borderColor } = node.shape;
    let { left, top, width, height } = node.box;
    if (kind === 3) {
      const d = Math.min(width, height);
      left += Math.floor((width - d) / 2);
      top += Math.floor((height - d) / 2);
      width = height = d;
    }
    const key = [kind, opaque, fill, hatch, hatchColor, bw, borderColor, width, height].join();
    const s = node.el.style;
    s.left = `${left}px`;
    s.top = `${top}px`;
    s.width = `${width}px`;
    s.height = `${height}px`;
    if (node.drawn === key) return; // moved only
    node.drawn = key;
    node.el.replaceChildren();
    if (kind === 0 && hatch === 0) {
      s.border = bw > 0 ? `${bw}px solid ${colour(borderColor)}` : "none";
      s.backgroundColor = opaque ? colour(fill) : "transparent";
      return;
    }
    s.border = "none";
    s.backgroundColor = "transparent";
    const r = Math.min(width, height) / 6;
    const outer = outline(kind, 0, 0, width, height, r);
    const inner = outline(kind, bw, bw, width - 2 * bw, height - 2 * bw, Math.max(0, r - bw));
    const picture = svg("svg", {
      width,
      height,
      viewBox: `0 0 ${width} ${height}`,
      "shape-rendering": "crispEdges",
    });
    if (opaque && inner) picture.append(svg("path", { d: inner, fill: colour(fill) }));
    if (hatch !== 0 && inner) {
      // Qt's diagonal cross: an X in every 8 x 8 cell from the shape's corner;
      // the cloth's lines: every second pixel column from the inner edge.
      const pattern = svg("pattern", {
        id: `hatch-${node.id}`,
        patternUnits: "userSpaceOnUse",
        x: hatch === 1 ? 0 : bw,
        y: 0,
        width: hatch === 1 ? 8 : 2,
        height: hatch === 1 ? 8 : 1,
      });
      if (hatch === 1) {
        for (let y = 0; y < 8; ++y) {
          const x = y < 4 ? y : 7 - y;
          for (const px of [x, 7 - x])
            pattern.append(svg("rect", { x: px, y, width: 1, height: 1, fill: colour(hatchColor) }));
        }
      } else {
        pattern.append(svg("rect", { x: 1, y: 0, width: 1, height: 1, fill: colour(darker(fill)) }));
      }
      picture.append(svg("defs"), pattern);
      picture.append(svg("path", { d: inner, fill: `url(#hatch-${node.id})` }));
    }
    if (bw > 0 && outer)
      picture.append(
        svg("path", { d: outer + inner, fill: colour(borderColor), "fill-rule": "evenodd" }),
      );
    node.el.append(picture);
  }

  function line(id, x1, y1, x2, y2, rgb, width) {
    const { el } = nodes[id];
    const s = el.style;
    el.replaceChildren();
    if (x1 === x2 || y1 === y2) {
      // Along a pixel row or column: exactly its pixels, a round cap reaching
      // half the width past each end.
      const across = Math.floor(width / 2);
      const along = width > 1 ? across : 0;
      s.backgroundColor = colour(rgb);
      s.borderRadius = width > 1 ? `${width / 2}px` : "0";
      s.left = `${Math.min(x1, x2) - (x1 === x2 ? across : along)}px`;
      s.top = `${Math.min(y1, y2) - (y1 === y2 ? across : along)}px`;
      s.width = `${x1 === x2 ? width : Math.abs(x2 - x1) + 1 + 2 * along}px`;
      s.height = `${y1 === y2 ? width : Math.abs(y2 - y1) + 1 + 2 * along}px`;
      return;
    }
    // A slanted stroke through the pixels' centres, round-capped when wide.
    const reach = Math.ceil(width / 2) + 1;
    const left = Math.min(x1, x2) - reach, top = Math.min(y1, y2) - reach;
    const w = Math.abs(x2 - x1) + 2 * reach, h = Math.abs(y2 - y1) + 2 * reach;
    s.backgroundColor = "transparent";
    s.borderRadius = "0";
    s.left = `${left}px`;
    s.top = `${top}px`;
    s.width = `${w}px`;
    s.height = `${h}px`;
    const picture = svg("svg", { width: w, height: h, viewBox: `0 0 ${w} ${h}`,
                                 "shape-rendering": "crispEdges" });
    picture.append(
      svg("line", {
        x1: x1 - left + 0.5, y1: y1 - top + 0.5, x2: x2 - left + 0.5, y2: y2 - top + 0.5,
        stroke: colour(rgb), "stroke-width": width, "stroke-linecap": width > 1 ? "round" : "butt",
      }),
    );
    el.append(picture);
  }

  function image(id, picture, width, height, stretch) {
    const node = nodes[id];
    node.picture = { width, height, stretch };
    if (picture) node.el.src = `pictures/${picture}`;
    else node.el.removeAttribute("src");
    node.el.style.visibility = picture ? "" : "hidden";
    imageBox(node);
  }

  // Stretched to its box, or at its natural size from the box's corner.
  function imageBox(node) {
    if (!node.picture || !node.box || node.picture.stretch) return;
    node.el.style.width = `${node.picture.width}px`;
    node.el.style.height = `${node.picture.height}px`;
  }

  // Alt and a button's underlined letter click it, as on the desktop, in every
  // browser (each has its own keys for access keys, and some none).
  document.addEventListener("keydown", (event) => {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.key.length !== 1) return;
    if (sheet.open || ended) return;
    const key = event.key.toLowerCase();
    const target = Array.from(stage.querySelectorAll("button[accesskey]")).find(
      (b) => b.accessKey === key && !b.disabled && b.offsetParent !== null && !b.closest("[hidden]"),
    );
    if (!target) return;
    event.preventDefault();
    target.focus();
    target.click();
  });

  // ---- The information sheet -----------------------------------------------------
  const sheet = document.getElementById("sheet");
  sheet.querySelector("form").addEventListener("submit", (event) => {
    event.preventDefault();
    sheet.close();
  });
  sheet.addEventListener("close", () => queue(Input.Ok));

  function message(title, text) {
    sheet.querySelector("h2").textContent = title;
    const body = sheet.querySelector(".text");
    body.replaceChildren(
      ...text.replace(/\r\n?/g, "\n").split("\n").map((line) => {
        const p = document.createElement("p");
        p.textContent = line;
        return p;
      }),
    );
    sheet.showModal();
    sheet.querySelector("button").focus();
  }

  // ---- The end -----------------------------------------------------------------
  function end() {
    ended = true;
    inputs.length = 0;
    if (sheet.open) sheet.close();
    speech.stop();
    document.body.classList.add("ended");
    const notice = document.getElementById("ended");
    notice.hidden = false;
    notice.querySelector("button").focus();
  }
  document
    .querySelector("#ended button")
    .addEventListener("click", () => location.reload());

  // ---- The voice -----------------------------------------------------------------
  const speech = {
    on: params.get("voice") === "1" && "speechSynthesis" in window,
    utterance: null,
    say(line) {
      if (!this.on) return;
      const u = new SpeechSynthesisUtterance(line);
      u.lang = "en-US";
      u.onend = u.onerror = () => {
        if (this.utterance === u) this.utterance = null;
      };
      this.utterance = u;
      speechSynthesis.speak(u);
    },
    stop() {
      this.utterance = null;
      if ("speechSynthesis" in window) speechSynthesis.cancel();
    },
    speaking() {
      return this.on && this.utterance !== null;
    },
  };
  const voiceButton = document.getElementById("voice");
  if (!("speechSynthesis" in window)) voiceButton.hidden = true;
  function showVoice() {
    voiceButton.setAttribute("aria-pressed", String(speech.on));
    voiceButton.textContent = speech.on ? "Voice on" : "Voice off";
  }
  voiceButton.addEventListener("click", () => {
    speech.on = !speech.on;
    if (!speech.on) speech.stop();
    showVoice();
  });
  showVoice();

  // ---- The fit to the browser window, and full screen ---------------------------
  const tools = document.getElementById("tools");
  const fullScreen = document.getElementById("fullscreen");
  const ToolsHeight = 40;
  let fitted = 0; // the scale the picture was last drawn at
  function fit() {
    const width = parseFloat(stage.style.width) || 691;
    const height = parseFloat(stage.style.height) || 506;
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
    stage.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    if (scale !== fitted) {
      // The moving elements' own layers are drawn afresh at the new scale.
      fitted = scale;
      stage.classList.add("refit");
      requestAnimationFrame(() => requestAnimationFrame(() => stage.classList.remove("refit")));
    }
    document.body.dataset.fitted = `${vw}x${vh}`;
    tools.classList.toggle("beside", roomBeside && !roomBelow);
  }
  addEventListener("resize", fit);
  if (!document.fullscreenEnabled) fullScreen.hidden = true;
  fullScreen.addEventListener("click", () => {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen().catch(() => {});
  });
  document.addEventListener("fullscreenchange", () => {
    fullScreen.textContent = document.fullscreenElement ? "Leave full screen" : "Full screen";
  });

  // ---- Offline and installable ---------------------------------------------------
  // The worker is registered once the page has loaded what the window shows
  // (the program has drawn it and every picture it asked for has come), so
  // that the worker finds all of it in the browser's HTTP cache.
  const loaded = (picture) =>
    new Promise((resolve) => {
      picture.addEventListener("load", resolve, { once: true });
      picture.addEventListener("error", resolve, { once: true });
    });
  if ("serviceWorker" in navigator && location.protocol !== "file:")
    addEventListener(
      "drawn",
      async () => {
        if (document.readyState !== "complete")
          await new Promise((resolve) => addEventListener("load", resolve, { once: true }));
        await Promise.all([...document.images].filter((i) => !i.complete).map(loaded));
        navigator.serviceWorker.register("sw.js").catch(() => {});
      },
      { once: true },
    );

  const seed = params.get("seed") ?? "";
  if (seed && !/^\d+$/.test(seed)) console.warn(`blunderfest: the seed ${seed} is not a number`);

  return {
    step,
    waitFor,
    takeInput: () => inputs.shift() ?? null,
    seed: () => (/^\d+$/.test(seed) ? seed : ""),
    create,
    place,
    panel,
    label,
    button,
    list,
    name,
    shape,
    line,
    image,
    message,
    end,
    speech,
    // For looking at the skits that come only now and then (card, football,
    // injury, interject): the skit starts as soon as the match runs and no
    // skit holds the display.
    stage: (skit) => {
      const which = ["card", "football", "injury", "interject"].indexOf(skit);
      if (which >= 0) queue(Input.Stage, 0, which);
    },
    state: () => ({ step: step(), waiting: waiting !== null, inputs: inputs.length, ended }),
  };
})();
