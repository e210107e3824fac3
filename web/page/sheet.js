// The information sheet: the program's message box as the page's modal
// dialog. Closing it is the OK the program waits for.
const Sheet = (() => {
  const dialog = document.getElementById("sheet");
  dialog.querySelector("form").addEventListener("submit", (event) => {
    event.preventDefault();
    dialog.close();
  });
  dialog.addEventListener("close", () => Clock.queue(Clock.Input.Ok));

  function message(title, text) {
    dialog.querySelector("h2").textContent = title;
    const body = dialog.querySelector(".text");
    body.replaceChildren(
      ...text.replace(/\r\n?/g, "\n").split("\n").map((line) => {
        const p = document.createElement("p");
        p.textContent = line;
        return p;
      }),
    );
    dialog.showModal();
    dialog.querySelector("button").focus();
  }

  return {
    message,
    isOpen: () => dialog.open,
    close() {
      if (dialog.open) dialog.close();
    },
  };
})();
