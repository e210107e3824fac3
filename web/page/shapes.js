// Shapes and lines, drawn as the desktop draws them. The program decides how
// a shape is drawn (its box, outline, corners, border, fill and hatch); the
// page only draws it. Plain boxes are page elements with their border
// inside; curved and hatched shapes and slanted lines are vector drawings
// without smoothing, so that they keep the desktop's crisp pixels at every
// scale.
const Shapes = (() => {
  const colour = Elements.colour;
  const svgNS = "http://www.w3.org/2000/svg";
  const svg = (tag, attributes = {}) => {
    const el = document.createElementNS(svgNS, tag);
    for (const [k, v] of Object.entries(attributes)) el.setAttribute(k, v);
    return el;
  };

  // The outline filling (x, y, w, h), as path data; a rounded box's corners
  // have radius r.
  function outline(kind, x, y, w, h, r) {
    if (w <= 0 || h <= 0) return "";
    if (kind === "ellipse") {
      const rx = w / 2, ry = h / 2;
      return `M${x} ${y + ry}a${rx} ${ry} 0 1 0 ${w} 0a${rx} ${ry} 0 1 0 ${-w} 0Z`;
    }
    if (kind === "box" || r <= 0) return `M${x} ${y}h${w}v${h}h${-w}Z`;
    r = Math.min(r, w / 2, h / 2);
    return (
      `M${x + r} ${y}h${w - 2 * r}a${r} ${r} 0 0 1 ${r} ${r}v${h - 2 * r}` +
      `a${r} ${r} 0 0 1 ${-r} ${r}h${-(w - 2 * r)}a${r} ${r} 0 0 1 ${-r} ${-r}` +
      `v${-(h - 2 * r)}a${r} ${r} 0 0 1 ${r} ${-r}Z`
    );
  }

  // The hatches, from their origin: the desktop's diagonal cross, an X in
  // every 8 x 8 cell; the cloth's lines, one pixel column in every two.
  function hatchPattern(id, hatch, x, y, rgb) {
    const cross = hatch === "cross";
    const pattern = svg("pattern", {
      id,
      patternUnits: "userSpaceOnUse",
      x,
      y,
      width: cross ? 8 : 2,
      height: cross ? 8 : 1,
    });
    const dot = (px, py) => svg("rect", { x: px, y: py, width: 1, height: 1, fill: colour(rgb) });
    if (!cross) pattern.append(dot(0, 0));
    else
      for (let py = 0; py < 8; ++py) {
        const px = py < 4 ? py : 7 - py;
        pattern.append(dot(px, py), dot(7 - px, py));
      }
    return pattern;
  }

  function shape(node, left, top, width, height, kind, radius, insideRadius, border, borderColor,
                 filled, fill, hatch, hatchColor, hatchLeft, hatchTop) {
    const s = node.el.style;
    s.left = `${left}px`;
    s.top = `${top}px`;
    s.width = `${width}px`;
    s.height = `${height}px`;
    const hatchX = hatchLeft - left, hatchY = hatchTop - top;
    const key = [width, height, kind, radius, insideRadius, border, borderColor, filled, fill,
      hatch, hatchColor, hatchX, hatchY].join();
    if (node.drawn === key) return; // moved only
    node.drawn = key;
    node.el.replaceChildren();
    if (kind === "box" && !hatch) {
      s.border = border > 0 ? `${border}px solid ${colour(borderColor)}` : "none";
      s.backgroundColor = filled ? colour(fill) : "transparent";
      return;
    }
    s.border = "none";
    s.backgroundColor = "transparent";
    const outer = outline(kind, 0, 0, width, height, radius);
    const inner = outline(kind, border, border, width - 2 * border, height - 2 * border,
      insideRadius);
    const picture = svg("svg", {
      width,
      height,
      viewBox: `0 0 ${width} ${height}`,
      "shape-rendering": "crispEdges",
    });
    if (filled && inner) picture.append(svg("path", { d: inner, fill: colour(fill) }));
    if (hatch && inner) {
      const id = `hatch-${node.id}`;
      picture.append(svg("defs"), hatchPattern(id, hatch, hatchX, hatchY, hatchColor));
      picture.append(svg("path", { d: inner, fill: `url(#${id})` }));
    }
    if (border > 0 && outer)
      picture.append(
        svg("path", { d: outer + inner, fill: colour(borderColor), "fill-rule": "evenodd" }),
      );
    node.el.append(picture);
  }

  function line(node, x1, y1, x2, y2, rgb, width) {
    const { el } = node;
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

  return { shape, line };
})();
