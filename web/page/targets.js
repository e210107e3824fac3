// Every button and list a finger can hit: at least 24 x 24 CSS pixels at the
// scale the broadcast is drawn at. Where the drawn control is smaller, the
// page element reaches past it (into the room its neighbours and its
// container leave), while page.css draws the control's look at its own box
// (--gl, --gt, --gr, --gb: how far the element reaches past it on each side).
const Targets = (() => {
  const Least = 24.5; // CSS pixels, a little over the least a target may be
  const controls = new Set(); // the nodes of every button and list
  let scale = 1;

  // How far a control of `size` reaches before and after itself to be
  // `need` long, given the room there is before and after it.
  function reach(size, need, roomBefore, roomAfter) {
    const more = Math.max(0, need - size);
    let before = Math.min(more / 2, roomBefore);
    const after = Math.min(more - before, roomAfter);
    before = Math.min(more - after, roomBefore);
    return [before, after];
  }

  // The room beside a control along one axis: up to its container's edges
  // and half way to the nearest control of the same container facing it.
  function room(node, [start, length], [crossStart, crossLength], extent) {
    let before = node.box[start], after = extent - node.box[start] - node.box[length];
    for (const other of controls) {
      const a = node.box, b = other.box;
      if (other === node || !b || other.el.parentElement !== node.el.parentElement) continue;
      const across =
        b[crossStart] < a[crossStart] + a[crossLength] && a[crossStart] < b[crossStart] + b[crossLength];
      if (!across) continue;
      if (b[start] + b[length] <= a[start]) before = Math.min(before, (a[start] - b[start] - b[length]) / 2);
      else if (b[start] >= a[start] + a[length]) after = Math.min(after, (b[start] - a[start] - a[length]) / 2);
    }
    return [Math.max(0, before), Math.max(0, after)];
  }

  function apply(node) {
    const { el, box } = node;
    if (!box) return;
    const container = Elements.node(node.container)?.box ?? box;
    const need = Least / scale;
    const [gl, gr] = reach(box.width, need,
      ...room(node, ["left", "width"], ["top", "height"], container.width));
    const [gt, gb] = reach(box.height, need,
      ...room(node, ["top", "height"], ["left", "width"], container.height));
    const s = el.style;
    s.left = `${box.left - gl}px`;
    s.top = `${box.top - gt}px`;
    s.width = `${box.width + gl + gr}px`;
    s.height = `${box.height + gt + gb}px`;
    for (const [side, value] of [["--gl", gl], ["--gt", gt], ["--gr", gr], ["--gb", gb]])
      s.setProperty(side, `${value}px`);
  }

  // The controls of a window built anew replace those of the one before.
  const refresh = () => controls.forEach((node) => node.el.isConnected ? apply(node)
    : controls.delete(node));
  let due = false; // a refresh is due once the program's pass has placed everything

  return {
    // A button or list has been placed: it and its neighbours reach anew.
    place(node) {
      controls.add(node);
      if (due) return;
      due = true;
      queueMicrotask(() => {
        due = false;
        refresh();
      });
    },
    // The broadcast is drawn at a new scale.
    scale(to) {
      if (to === scale) return;
      scale = to;
      refresh();
    },
  };
})();
