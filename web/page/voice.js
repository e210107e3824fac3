// The voice: the browser's speech synthesis reads the lines the program
// hands it (the program decides what is read and what is cut short), while
// ?voice=1 or the page's Voice button has it on.
const Voice = (() => {
  const available = "speechSynthesis" in window;
  let on = new URLSearchParams(location.search).get("voice") === "1" && available;
  let utterance = null; // the line being read

  function say(line) {
    if (!on) return;
    const u = new SpeechSynthesisUtterance(line);
    u.lang = "en-US";
    u.onend = u.onerror = () => {
      if (utterance === u) utterance = null;
    };
    utterance = u;
    speechSynthesis.speak(u);
  }

  function stop() {
    utterance = null;
    if (available) speechSynthesis.cancel();
  }

  // A hidden tab holds the line being read, as it holds the broadcast.
  let held = false;
  document.addEventListener("visibilitychange", () => {
    if (document.hidden === held) return;
    held = document.hidden;
    if (!on) return;
    if (held) speechSynthesis.pause();
    else speechSynthesis.resume();
  });

  const button = document.getElementById("voice");
  if (!available) button.hidden = true;
  function show() {
    button.setAttribute("aria-pressed", String(on));
    button.textContent = on ? "Voice on" : "Voice off";
  }
  button.addEventListener("click", () => {
    on = !on;
    if (!on) stop();
    show();
  });
  show();

  return { say, stop, speaking: () => on && utterance !== null };
})();
