// The page's side of the program's calls (web/library.js hands them over):
// the one name the page puts in the browser's global scope, Broadcast. The
// page never calls into the program: it queues inputs and wakes the
// program's wait.
globalThis.Broadcast = (() => {
  const parameters = new URLSearchParams(location.search);
  let skits = []; // the names of the skits, as the program stages them by entry
  // The builder's first control has the focus when the window first shows.
  addEventListener("drawn", Keys.focusFirst, { once: true });
  return {
    pause: Start.pause,
    shown: Start.shown,
    step: Clock.step,
    waitFor: Clock.waitFor,
    takeInput: Clock.takeInput,
    names: (inputs, theSkits) => {
      Clock.nameInputs(inputs);
      skits = theSkits.split("\n").filter(Boolean);
    },
    parameter: (name) => parameters.get(name) ?? "",
    // Where a match's links lead: this page, without its parameters.
    site: () => location.origin + location.pathname,
    notice: Share.say,
    starts: Address.starts,
    address: Address.follow,
    link: Share.link,
    moment: End.moment,
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
    // For looking at the skits that come only now and then, by the
    // program's names of them (Broadcast.skits()): the skit starts as soon as
    // the match runs and no skit holds the display.
    skits: () => [...skits],
    stage: (skit) => {
      const which = skits.indexOf(skit);
      if (which >= 0) Clock.queue(Clock.Input.Stage, 0, which);
    },
    state: Clock.state,
    live: Live, // the live channel's calls (web/page/live.js)
  };
})();
