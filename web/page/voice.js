// The voice: the browser's speech synthesis reads the lines the program
// hands it (the program decides what is read and what is cut short), while
// ?voice=1 or the page's Voice button has it on.
const Voice = (() => {
  const available = "speechSynthesis" in window;
  let on = new URLSearchParams(location.search).get("voice") === "1";
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

  // The browser may have speech synthesis and no voice to speak with (its
  // voices come a little after the page): asked for then, the button says so
  // instead of reading to silence.
  const button = document.getElementById("voice");
  const voiced = () => available && speechSynthesis.getVoices().length > 0;
  let asked = on; // the user or the address has asked for the voice
  function show() {
    const silent = asked && !voiced();
    if (silent) on = false;
    button.setAttribute("aria-pressed", String(on));
    button.textContent = silent ? "No voice available" : on ? "Voice on" : "Voice off";
  }
  button.addEventListener("click", () => {
    on = !on;
    asked = on;
    if (!on) stop();
    show();
  });
  if (available) speechSynthesis.addEventListener?.("voiceschanged", () => {
    if (asked && voiced()) on = true;
    show();
  });
  show();

  return { say, stop, speaking: () => on && utterance !== null };
})();
