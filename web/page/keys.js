// Alt and a button's underlined letter click it, as on the desktop, in every
// browser (each has its own keys for access keys, and some none).
document.addEventListener("keydown", (event) => {
  if (!event.altKey || event.ctrlKey || event.metaKey || event.key.length !== 1) return;
  if (Sheet.isOpen() || Clock.ended()) return;
  const key = event.key.toLowerCase();
  const target = Array.from(Elements.root.querySelectorAll("button[accesskey]")).find(
    (b) => b.accessKey === key && !b.disabled && b.offsetParent !== null && !b.closest("[hidden]"),
  );
  if (!target) return;
  event.preventDefault();
  target.focus();
  target.click();
});
