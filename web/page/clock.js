// The clock the program runs by, in steps of 1/64 s, stopped while the tab
// is hidden; the inputs queued for the program; and the program's wait,
// which hands control to the browser until the next step or input.
const Clock = (() => {
  const StepsPerSecond = 64;
  const start = performance.now();
  let paused = 0; // milliseconds spent hidden
  let hiddenSince = null;
  const now = () => (hiddenSince ?? performance.now()) - start - paused;
  const step = () => Math.floor((now() * StepsPerSecond) / 1000);
  const msUntil = (s) => Math.max(0, (s * 1000) / StepsPerSecond - now());

  // The inputs as the program takes them: [kind, element, entry], each kind
  // by the number the program names it by (src/web/page.h) before any input.
  const Input = {};
  const inputs = [];
  // The program's wait, while it waits: what resumes it, the step it waits
  // for and the timer armed for that step.
  let resume = null;
  let target = 0;
  let timer = null;
  let ended = false;

  function wake() {
    if (!resume || hiddenSince !== null) return;
    clearTimeout(timer);
    if (inputs.length === 0 && step() < target) {
      // Early (or the tab was hidden meanwhile): wait for the rest.
      timer = setTimeout(wake, Math.ceil(msUntil(target)));
      return;
    }
    const wakeUp = resume;
    resume = null;
    wakeUp();
  }

  function waitFor(until, wakeUp) {
    if (inputs.length > 0 || (step() >= until && hiddenSince === null)) {
      wakeUp(); // nothing to wait for: the program goes on at once
      return;
    }
    resume = wakeUp;
    target = until;
    if (hiddenSince === null) timer = setTimeout(wake, Math.ceil(msUntil(target)));
  }

  function queue(kind, element = 0, entry = 0) {
    if (ended) return;
    inputs.push([kind, element, entry]);
    wake();
  }

  document.addEventListener("visibilitychange", () => {
    if (document.hidden) {
      if (hiddenSince === null) hiddenSince = performance.now();
    } else if (hiddenSince !== null) {
      paused += performance.now() - hiddenSince;
      hiddenSince = null;
      wake();
    }
  });

  return {
    Input,
    nameInputs: (names) => names.split("\n").forEach((name, kind) => name && (Input[name] = kind)),
    step,
    waitFor,
    queue,
    takeInput: () => inputs.shift() ?? null,
    // The broadcast has ended: no input counts any more.
    end() {
      ended = true;
      inputs.length = 0;
    },
    ended: () => ended,
    state: () => ({ step: step(), waiting: resume !== null, inputs: inputs.length, ended }),
  };
})();
