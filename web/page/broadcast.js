// The page's side of the program's calls (web/library.js hands them over):
// the one name the page puts in the browser's global scope, Broadcast. The
// page never calls into the program: it queues inputs and wakes the
// program's wait.
globalThis.Broadcast = (() => {
  const seed = new URLSearchParams(location.search).get("seed");
  // The builder's first control has the focus when the window first shows.
  addEventListener("drawn", Keys.focusFirst, { once: true });
  return {
    step: Clock.step,
    waitFor: Clock.waitFor,
    takeInput: Clock.takeInput,
    // The seed as the address gives it (null without one): the program refuses
    // one that is not a seed.
    seed: () => seed ?? "",
    refuse: (why) => Notice.fail(why, "Play without a seed", () => {
      const address = new URL(location.href);
      address.searchParams.delete("seed");
      location.assign(address);
    }),
    create: Elements.create,
    place: Elements.place,
    panel: Elements.panel,
    label: Elements.label,
    button: Elements.button,
    list: Elements.list,
    name: Elements.name,
    image: Elements.image,
    shape: (id, ...drawing) => Shapes.shape(Elements.node(id), ...drawing),
    line: (id, ...ends) => Shapes.line(Elements.node(id), ...ends),
    message: Sheet.message,
    end: End.end,
    say: Voice.say,
    stopSpeaking: Voice.stop,
    speaking: Voice.speaking,
    // For looking at the skits that come only now and then (card, football,
    // injury, interject): the skit starts as soon as the match runs and no
    // skit holds the display.
    stage: (skit) => {
      const which = ["card", "football", "injury", "interject"].indexOf(skit);
      if (which >= 0) Clock.queue(Clock.Input.Stage, 0, which);
    },
    state: Clock.state,
  };
})();
