// The broadcast as a web page in headless Chromium: the page's platform (its
// clock, waits, dialog, end and hidden tab), the window drawn at the design's
// pixels, the options of the address, the fit to the browser window, the
// keyboard, and the offline cache. The program itself is tested natively.
//
// The match runs in virtual time (Playwright's clock) wherever the test can:
// only loading the page and the offline visit take real time.
//
// Environment: SITE (the built site), LINEUPS (the native tool that prints
// what a seed gives), NODE_PATH (playwright-core), CHROMIUM (optional).
"use strict";
const { test, before, after } = require("node:test");
const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { chromium } = require("playwright-core");
const { serve } = require("../../web/serve.js");

const Design = { width: 691, height: 506 };
const shots = fs.mkdtempSync(path.join(os.tmpdir(), "blunderfest-web-"));
let server, base, browser;

const Chromium = {
  executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
  args: ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync"],
};

before(async () => {
  server = await serve(process.env.SITE);
  base = `http://127.0.0.1:${server.address().port}/`;
  browser = await chromium.launchPersistentContext(path.join(shots, "profile"), {
    ...Chromium,
    viewport: { width: Design.width, height: Design.height + 80 },
  });
  console.log(`screenshots in ${shots}`);
});

after(async () => {
  await browser?.close();
  server?.close();
});

// A fresh page on `query`, its clock virtual unless `realTime`, once the
// program waits for its first step.
async function open(query = "", { realTime = false, viewport } = {}) {
  const page = await browser.newPage();
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  page.errors = errors;
  if (viewport) await page.setViewportSize(viewport);
  if (!realTime) {
    // Virtual time stands still but for the test's own steps.
    await page.clock.install({ time: new Date("2026-06-10T20:00:00Z") });
    await page.clock.pauseAt(new Date("2026-06-10T20:00:01Z"));
  }
  await page.goto(base + query);
  await waiting(page);
  return page;
}

// Once the page's program waits for its next step (its scripts may still be
// on their way after a reload).
const waiting = (page) =>
  page.waitForFunction(() => typeof Broadcast === "object" && Broadcast.state().waiting);

const run = (page, ms) => page.clock.runFor(ms);
const element = (page, name) => page.locator(`[data-name="${name}"]`);
const text = (page, name) => element(page, name).textContent();
const shot = (page, name) => page.screenshot({ path: path.join(shots, `${name}.png`) });
const left = (page, name) => element(page, name).evaluate((e) => parseFloat(e.style.left));

// The colour of the page's pixel at design pixel (x, y) of the broadcast.
async function pixel(page, x, y) {
  const box = await page.locator("#broadcast").boundingBox();
  const scale = box.width / Design.width;
  return pagePixel(page, box.x + (x + 0.5) * scale - 0.5, box.y + (y + 0.5) * scale - 0.5);
}

// The colour of the page's pixel at (x, y) as the screen shows it.
async function pagePixel(page, x, y) {
  const png = await page.screenshot({ clip: { x, y, width: 1, height: 1 } });
  return page.evaluate(async (bytes) => {
    const image = await createImageBitmap(new Blob([new Uint8Array(bytes)]));
    const canvas = new OffscreenCanvas(1, 1);
    const context = canvas.getContext("2d");
    context.drawImage(image, 0, 0);
    const [r, g, b] = context.getImageData(0, 0, 1, 1).data;
    return "#" + [r, g, b].map((c) => c.toString(16).padStart(2, "0")).join("");
  }, [...png]);
}

async function kickOff(page) {
  await element(page, "Command2").click();
  await run(page, 100);
  await element(page, "Command5").click();
  await run(page, 100);
}

test("the title screen shows every element at its design pixels and colours", async () => {
  const page = await open("?seed=1998");
  await run(page, 200);
  await shot(page, "title");
  // Centred on the window's outer size: (691 + 6 - 509) / 2 and (506 + 29 - 297) / 2.
  const builder = await element(page, "Picture2").boundingBox();
  const stage = await page.locator("#broadcast").boundingBox();
  assert.deepEqual([builder.x - stage.x, builder.y - stage.y, builder.width, builder.height],
    [94, 119, 509, 297]);
  // Window pixels: the match screen lies at (-2, -2), the builder at (94, 119).
  const probes = [
    [[3, 300], "#008000", "the pitch"],
    [[100, 125], "#0000c0", "the builder's dark blue"],
    [[520, 110], "#808080", "the grey scoreboard"],
    [[495, 100], "#ff8000", "the scoreboard's orange border, 3 pixels inside its box"],
    [[497, 100], "#808080", "and no wider"],
    [[12, 252], "#ffffff", "the left goal's white outline"],
    [[21, 237], "#404040", "its dark grey net, a cross every 8 pixels from its corner"],
    [[22, 237], "#008000", "and the pitch between"],
    [[450, 160], "#c00000", "the decorative flag's red stripe"],
    [[570, 160], "#8080ff", "its light blue stripe"],
    [[300, 444], "#ffffff", "the commentary box"],
    [[5, 120], "#404040", "the wall before the stands"],
    [[614, 262], "#5f005f", "a keeper's purple shirt: a line a shade darker, as the desktop has it"],
    [[613, 262], "#800080", "and the cloth between"],
  ];
  for (const [[x, y], want, what] of probes) assert.equal(await pixel(page, x, y), want, what);
  const go = await element(page, "Command2").boundingBox();
  assert.deepEqual([go.x - builder.x, go.y - builder.y, go.width, go.height], [184, 222, 119, 47]);
  assert.equal(await element(page, "Command2").innerText(), "Go");
  assert.equal(await element(page, "Command2").locator("u").textContent(), "G");
  assert.equal(await element(page, "cmdExit").isDisabled(), true);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("Go, Go: the match plays, the ball moves, the commentary and its live region follow",
  async () => {
    const page = await open("?seed=7");
    await kickOff(page);
    assert.equal(await element(page, "Picture6").isVisible(), false);
    const lines = new Set();
    const balls = new Set();
    for (let second = 0; second < 30; ++second) {
      await run(page, 1000);
      lines.add(await text(page, "Announcer"));
      balls.add(await left(page, "picBall"));
    }
    await shot(page, "match");
    assert.ok(lines.size >= 3, `the commentary changed ${lines.size} times`);
    assert.ok(balls.size >= 5, `the ball stood in ${balls.size} places`);
    assert.equal(await text(page, "Label20"), "02:30"); // five match seconds a second
    const live = page.getByRole("status");
    assert.equal(await live.getAttribute("aria-live"), "polite");
    assert.equal(await live.textContent(), await text(page, "Announcer"));
    // A skit asked for from the console starts within a second once play runs free (the
    // introduction has held the display until now).
    await run(page, 5000);
    await page.evaluate(() => Broadcast.stage("football"));
    await run(page, 1000);
    assert.equal(await text(page, "Announcer"), "Wait a minute.. something's happening here");
    assert.deepEqual(page.errors, []);
    await page.close();
  });

test("i. opens the information sheet; the bomb falls on under it; OK closes it", async () => {
  const page = await open("?seed=5");
  const sheet = page.locator("#sheet");
  await element(page, "Command4(0)").click();
  await run(page, 50);
  assert.equal(await sheet.isVisible(), true);
  const country = await text(page, "Label17");
  assert.ok(await sheet.locator("h2").textContent());
  const lines = await sheet.locator(".text p").allTextContents();
  assert.ok(lines.length === 9 && lines[2] === "", lines.join(" | "));
  assert.ok(lines.join("\n").toLowerCase().includes(country.toLowerCase()));
  const sheetBox = await sheet.boundingBox();
  for (const p of await sheet.locator(".text p").all()) {
    const box = await p.boundingBox();
    assert.ok(box.height > 10, "every line has its height, the empty one included");
    assert.ok(box.height < 30, "each of the sheet's lines stays on one line");
    assert.ok(box.x + box.width <= sheetBox.x + sheetBox.width + 1);
  }
  await shot(page, "sheet");
  const falling = await element(page, "lebomb").evaluate((e) => e.style.top);
  await run(page, 500);
  assert.notEqual(await element(page, "lebomb").evaluate((e) => e.style.top), falling);
  // The sheet hands the program its OK from its close event, which comes
  // after the click: wait for it.
  await sheet.evaluate((s) => s.addEventListener("close", () => (s.dataset.closed = "yes"), { once: true }));
  await sheet.getByRole("button", { name: "OK" }).click();
  await page.waitForFunction(() => document.getElementById("sheet").dataset.closed === "yes");
  await run(page, 50);
  assert.equal(await sheet.isVisible(), false);
  // The builder answers again.
  await element(page, "Command1(0)").click();
  await run(page, 50);
  assert.notEqual(await text(page, "Label17"), country);
  await page.close();
});

test("the match's Exit ends the broadcast 4 s after its line, and the page offers a new match",
  async () => {
    const page = await open("?seed=11");
    await kickOff(page);
    await run(page, 20000);
    await element(page, "cmdExit").click();
    await run(page, 50);
    assert.equal(await text(page, "Announcer"), "Typical of a soccer player.  Quitter.  C-ya.");
    await run(page, 3850);
    assert.equal(await page.locator("#ended").isVisible(), false, "not before 4 s");
    await run(page, 200);
    assert.equal(await page.locator("#ended").isVisible(), true, "by 4 s");
    const clock = await text(page, "Label20");
    await run(page, 5000);
    assert.equal(await text(page, "Label20"), clock, "nothing runs after the end");
    await shot(page, "ended");
    // The notice shows in front of the stopped broadcast.
    const button = await page.locator("#ended button").boundingBox();
    assert.equal(await pagePixel(page, Math.round(button.x + 4), Math.round(button.y + button.height / 2)),
      "#333333");
    // The stopped broadcast has left the tab order; the notice has the focus.
    assert.equal(await page.evaluate(() => document.activeElement.closest("#ended") !== null), true);
    assert.equal(await page.locator("#broadcast").evaluate((e) => e.inert), true);
    await page.locator("#ended button").click();
    // The page loads again: wait for the new one's program, not the old one's.
    await page.waitForFunction(() => typeof Broadcast === "object" && Broadcast.state().waiting &&
      !Broadcast.state().ended);
    assert.equal(await page.evaluate(() => Broadcast.state().ended), false);
    assert.equal(await element(page, "Picture2").isVisible(), true);
    await page.close();
  });

test("?seed=N gives the countries and names the desktop program gives for N", async () => {
  for (const seed of [1998, 42]) {
    const [home, away, ...names] = execFileSync(process.env.LINEUPS, [String(seed)])
      .toString().trim().split("\n");
    const page = await open(`?seed=${seed}`);
    assert.equal(await text(page, "Label17"), home);
    assert.equal(await text(page, "Label18"), away);
    await element(page, "Command2").click();
    await run(page, 50);
    const tips = await page.locator('[data-name^="player("]').evaluateAll((figures) =>
      figures.map((f) => f.title));
    assert.deepEqual(tips, names, "a figure's name is its tool-tip");
    await page.close();
  }
});

test("?voice=1 reads the lines aloud under the speaking policy; the Voice button stops it",
  async () => {
    const page = await browser.newPage();
    // A speech synthesis that records what it is asked and speaks until told.
    await page.addInitScript(() => {
      const said = (window.said = []);
      let current = null;
      Object.defineProperty(window, "speechSynthesis", { value: {
        speak(u) { said.push(u.text); current = u; },
        cancel() { said.push("(cut)"); const u = current; current = null; u?.onend?.(); },
        pause() {}, resume() {}, getVoices: () => [{ lang: "en-US" }], addEventListener() {},
      } });
      window.finishLine = () => { const u = current; current = null; u?.onend?.(); };
    });
    await page.clock.install({ time: new Date("2026-06-10T20:00:00Z") });
    await page.clock.pauseAt(new Date("2026-06-10T20:00:01Z"));
    await page.goto(base + "?seed=4&voice=1");
    await waiting(page);
    assert.equal(await page.locator("#voice").getAttribute("aria-pressed"), "true");
    await kickOff(page);
    await run(page, 3000);
    const first = await page.evaluate(() => window.said.slice());
    assert.ok(first.length >= 1 && first[0] !== "(cut)", "the intro's first line is read");
    assert.equal(first[first.length - 1], await text(page, "Announcer"));
    // A skit's line cuts short the one being read.
    await run(page, 12000);
    const later = await page.evaluate(() => window.said.slice());
    assert.ok(later.includes("(cut)"), later.join(" | "));
    await page.locator("#voice").click();
    assert.equal(await page.locator("#voice").getAttribute("aria-pressed"), "false");
    const silenced = (await page.evaluate(() => window.said.length));
    await page.evaluate(() => window.finishLine());
    await run(page, 10000);
    assert.equal(await page.evaluate(() => window.said.length), silenced, "silent once off");
    await page.close();
    // A browser without a voice to speak with: the button says so, on the address's
    // asking and on the user's.
    const mute = await browser.newPage();
    await mute.addInitScript(() => Object.defineProperty(window, "speechSynthesis", { value: {
      speak() {}, cancel() {}, pause() {}, resume() {}, getVoices: () => [], addEventListener() {},
    } }));
    await mute.goto(base + "?voice=1");
    await waiting(mute);
    const voice = mute.locator("#voice");
    for (let press = 0; press < 2; ++press) {
      assert.equal(await voice.textContent(), "No voice available");
      assert.equal(await voice.getAttribute("aria-pressed"), "false");
      await voice.click();
    }
    await mute.close();
  });

test("a hidden tab stops the clock; shown again it goes on where it was", async () => {
  const page = await open("?seed=3");
  await kickOff(page);
  await run(page, 2000);
  const setHidden = (hidden) => page.evaluate((h) => {
    Object.defineProperty(document, "hidden", { configurable: true, get: () => h });
    document.dispatchEvent(new Event("visibilitychange"));
  }, hidden);
  await setHidden(true);
  const clock = await text(page, "Label20");
  await run(page, 10000);
  assert.equal(await text(page, "Label20"), clock);
  await setHidden(false);
  await run(page, 1100);
  const minutes = (t) => Number(t.slice(0, 2)) * 60 + Number(t.slice(3));
  assert.equal(minutes(await text(page, "Label20")) - minutes(clock), 5);
  await page.close();
});

test("the broadcast fits any browser window: largest scale, aspect kept, centred; full screen", async () => {
  const page = await open("?seed=1");
  for (const viewport of [{ width: 360, height: 640 }, { width: 1920, height: 1080 },
    { width: 800, height: 520 }]) {
    await page.setViewportSize(viewport);
    await page.waitForFunction((v) => document.body.dataset.fitted === `${v.width}x${v.height}`,
      viewport);
    const whole = await page.locator("#broadcast").boundingBox();
    assert.ok(Math.abs(whole.width / whole.height - Design.width / Design.height) < 0.01);
    // Upright, the builder fits while it is up, the window around it cut at the edges.
    const upright = viewport.height > viewport.width;
    const box = upright ? await element(page, "Picture2").boundingBox() : whole;
    const tools = await page.locator("#tools").boundingBox();
    assert.ok(box.x >= -0.5 && box.y >= -0.5 && box.x + box.width <= viewport.width + 0.5 &&
      box.y + box.height <= viewport.height + 0.5, "inside the window");
    assert.ok(Math.abs(box.x - (viewport.width - box.x - box.width)) < 1, "centred across");
    // One side fills the window, or its height less the page's buttons below.
    const fills = [viewport.width - box.width, viewport.height - box.height,
      viewport.height - 80 - box.height].some((d) => Math.abs(d) < 1);
    assert.ok(fills, `as large as fits in ${viewport.width} x ${viewport.height}`);
    const apart = tools.y >= box.y + box.height || tools.x >= box.x + box.width;
    assert.ok(apart, "the page's buttons cover none of the broadcast");
    await shot(page, `fit-${viewport.width}x${viewport.height}`);
  }
  const fullScreen = page.locator("#fullscreen");
  await fullScreen.click();
  await page.waitForFunction(() => document.fullscreenElement === document.documentElement);
  // The label follows in the page's own fullscreenchange handler, which the
  // browser may run after the test sees the full screen.
  await page.waitForFunction(() => document.getElementById("fullscreen").textContent !== "Full screen");
  assert.equal(await fullScreen.textContent(), "Leave full screen");
  await fullScreen.click();
  await page.waitForFunction(() => document.fullscreenElement === null);
  await page.close();
});

test("the keyboard alone: the design's tab order, Alt+G for Go, Tab and Enter to the match's Exit",
  async () => {
    const page = await open("?seed=9");
    const focused = () => page.evaluate(() => document.activeElement.dataset.name);
    // The builder's first control has the focus from the start.
    const order = [await focused()];
    for (let i = 0; i < 11; ++i) {
      await page.keyboard.press("Tab");
      order.push(await focused());
    }
    assert.deepEqual(order, ["Command1(0)", "Combo1(2)", "Combo1(1)", "Combo1(0)", "Combo1(3)",
      "Combo1(4)", "Combo1(5)", "Command1(1)", "Command2", "Command3", "Command4(0)",
      "Command4(1)"]);
    await page.keyboard.press("Shift+Tab");
    assert.equal(await focused(), "Command4(0)");
    // The order is the page's own: no positive tab index, each access key once.
    const keys = await page.evaluate(() => ({
      positive: document.querySelectorAll("[tabindex]:not([tabindex='0']):not([tabindex='-1'])").length,
      keys: Array.from(document.querySelectorAll("[accesskey]"), (e) => e.accessKey),
    }));
    assert.equal(keys.positive, 0);
    // Screen readers meet the home country's controls before the away country's.
    assert.deepEqual(await page.evaluate(() => Array.from(
      document.querySelectorAll('[data-name^="Combo1("]'), (l) => l.dataset.name)),
    ["Combo1(0)", "Combo1(1)", "Combo1(2)", "Combo1(3)", "Combo1(4)", "Combo1(5)"]);
    assert.deepEqual(keys.keys, [...new Set(keys.keys)]);
    // Alt+R, shared by the two Random buttons, moves between them and presses neither.
    const built = () => page.evaluate(() => Array.from(document.querySelectorAll("select"), (l) => l.value).join());
    const countries = await built();
    const hops = [];
    for (let i = 0; i < 3; ++i) {
      await page.keyboard.press("Alt+r");
      await run(page, 50);
      hops.push(await focused());
    }
    assert.deepEqual(hops, ["Command1(0)", "Command1(1)", "Command1(0)"]);
    assert.equal(await built(), countries);
    // Go: the focus goes with the screens to the next control needed, never
    // to the page's body: the lineups' Go, then the match's Exit.
    await page.keyboard.press("Alt+g");
    await run(page, 50);
    assert.equal(await element(page, "Picture6").isVisible(), true);
    assert.equal(await focused(), "Command5");
    await page.keyboard.press("Enter");
    await run(page, 50);
    assert.equal(await element(page, "Picture6").isVisible(), false);
    assert.equal(await focused(), "cmdExit");
    // The match's Exit is in the tab order, beside the page's own buttons.
    await page.keyboard.press("Tab");
    assert.equal(await page.evaluate(() => document.activeElement.id), "voice");
    await page.keyboard.press("Shift+Tab");
    assert.equal(await focused(), "cmdExit");
    await page.keyboard.press("Enter");
    await run(page, 50);
    assert.equal(await text(page, "Announcer"), "Typical of a soccer player.  Quitter.  C-ya.");
    await page.close();
  });

test("installable, and after one visit the broadcast plays offline", async () => {
  // Real time: the service worker installs as the browser pleases.
  const page = await open("?seed=2", { realTime: true });
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  const cdp = await page.context().newCDPSession(page);
  const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors, []);
  await browser.setOffline(true);
  server.close();
  await page.reload();
  await waiting(page);
  await element(page, "Command2").click();
  await page.waitForFunction(() => !document.querySelector('[data-name="Picture6"]').hidden);
  await shot(page, "offline");
  await browser.setOffline(false);
  await page.close();
});

test("a first visit fetches every file of the site once, the service worker's install included; " +
  "the first frame waits only for the pictures it shows", async () => {
    // A browser and a server of its own: an empty cache, no service worker yet.
    const fresh = await chromium.launch(Chromium);
    const site = await serve(process.env.SITE);
    const asked = new Map();
    site.on("request", (request) => {
      const file = new URL(request.url, base).pathname;
      asked.set(file, (asked.get(file) ?? 0) + 1);
    });
    try {
      const page = await fresh.newPage();
      await page.goto(`http://127.0.0.1:${site.address().port}/?seed=2`);
      // The worker takes charge once it has cached the whole site.
      await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null,
        { timeout: 60000 });
      // What the title screen hides was asked for after the window showed
      // (the crowd, which it shows, at once).
      const late = await page.evaluate(() => {
        const shown = performance.getEntriesByName("first-sync")[0].startTime;
        return Object.fromEntries([...document.images].filter((i) => i.src).map((i) =>
          [i.dataset.name, performance.getEntriesByName(i.src)[0].startTime > shown]));
      });
      const hidden = ["girl", "burns", "NFLhelmet(0)", "Image3(0)"];
      for (const name of ["Crowd", ...hidden])
        assert.equal(late[name], hidden.includes(name), `${name} asked for after the window showed`);
    } finally {
      await fresh.close();
      site.close();
    }
    const files = fs.readdirSync(process.env.SITE, { recursive: true })
      .filter((f) => fs.statSync(path.join(process.env.SITE, f)).isFile())
      .map((f) => (f === "index.html" ? "/" : `/${f}`));
    assert.deepEqual([...asked.keys()].sort(), files.sort());
    assert.deepEqual([...asked].filter(([, times]) => times > 1), [], "none twice");
  });

// Phones, upright and sideways, with touch, and a desktop.
const Viewports = [{ width: 360, height: 640, touch: true }, { width: 390, height: 844, touch: true },
  { width: 412, height: 915, touch: true }, { width: 844, height: 390, touch: true },
  { width: 1280, height: 800, touch: false }];
// The window's controls each screen shows; the page's own buttons show on all.
const Controls = {
  builder: ["Command1(0)", "Combo1(0)", "Combo1(1)", "Combo1(2)", "Command4(0)", "Command1(1)",
    "Combo1(3)", "Combo1(4)", "Combo1(5)", "Command4(1)", "Command2", "Command3"],
  lineups: ["Command5"],
  match: ["cmdExit"],
};

// Each of `selector`'s visible elements: at least 24 x 24, and what a finger
// hits at its centre is itself.
async function fingerTargets(page, selector, where) {
  for (const control of await page.locator(selector).filter({ visible: true }).all()) {
    await control.scrollIntoViewIfNeeded(); // a list's rows scroll into its view
    const box = await control.boundingBox();
    const { name, hit } = await control.evaluate((e) => {
      const r = e.getBoundingClientRect();
      const at = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);
      return { name: e.dataset.name || e.id || e.textContent, hit: e.contains(at) };
    });
    assert.ok(box.width >= 24 && box.height >= 24, `${where}, ${name}: ${box.width} x ${box.height}`);
    assert.ok(hit, `${where}, ${name}: nothing lies over it`);
  }
}

// No text of the window is cut at the edge of what shows of it: each label
// that shows at all shows whole.
const uncut = (page) => page.evaluate(() => {
  const root = document.getElementById("broadcast").getBoundingClientRect();
  const clip = getComputedStyle(document.getElementById("broadcast")).clipPath;
  const scale = root.width / document.getElementById("broadcast").offsetWidth;
  const [t, r, b, l] = clip === "none" ? [0, 0, 0, 0]
    : clip.match(/-?[\d.]+/g).map(Number).map((v) => v * scale);
  const shows = { left: Math.max(0, root.left + l), top: Math.max(0, root.top + t),
    right: Math.min(innerWidth, root.right - r), bottom: Math.min(innerHeight, root.bottom - b) };
  const cut = [];
  for (const label of document.querySelectorAll("#broadcast .label, #broadcast .button")) {
    if (!label.checkVisibility() || !label.textContent.trim()) continue;
    const box = label.getBoundingClientRect();
    const inside = box.left < shows.right && box.right > shows.left && box.top < shows.bottom &&
      box.bottom > shows.top;
    const whole = box.left >= shows.left - 1 && box.right <= shows.right + 1 &&
      box.top >= shows.top - 1 && box.bottom <= shows.bottom + 1;
    if (inside && !whole) cut.push(label.textContent.trim());
  }
  return cut;
});

// The accessibility tree's images without a name (drawing is hidden from it).
async function namelessImages(page) {
  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send("Accessibility.getFullAXTree");
  await cdp.detach();
  return nodes.filter((n) => !n.ignored && ["image", "img"].includes(n.role?.value) &&
    !n.name?.value).length;
}

// The size of the window's own commentary text as drawn, in CSS pixels.
const drawnCommentary = (page) => element(page, "Announcer").evaluate((line) =>
  parseFloat(line.style.fontSize) * line.getBoundingClientRect().width / line.offsetWidth);

test("on every viewport: each control a finger's target, the sheet whole, no word cut, no " +
  "nameless image, the focus where it is needed, captions with the scoreboard where the " +
  "window's text is small, a tap names a player", async () => {
  // A browser and a server of their own, for pages without a service worker.
  const phones = await chromium.launch(Chromium);
  const site = await serve(process.env.SITE);
  try {
    for (const { touch, ...viewport } of Viewports) {
      const where = `${viewport.width}x${viewport.height}`;
      const upright = viewport.height > viewport.width;
      const context = await phones.newContext({ viewport, hasTouch: touch, isMobile: touch,
        serviceWorkers: "block" });
      const page = await context.newPage();
      await page.clock.install({ time: new Date("2026-06-10T20:00:00Z") });
      await page.clock.pauseAt(new Date("2026-06-10T20:00:01Z"));
      await page.goto(`http://127.0.0.1:${site.address().port}/?seed=7`);
      await waiting(page);
      const press = (name) => (touch ? element(page, name).tap() : element(page, name).click());
      const screen = async (name) => {
        await fingerTargets(page, [...Controls[name].map((n) => `[data-name="${n}"]`),
          "#tools button"].join(", "), `${where} ${name}`);
        assert.deepEqual(await uncut(page), [], `${where} ${name}: words cut`);
        assert.equal(await namelessImages(page), 0, `${where} ${name}: nameless images`);
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth) <= viewport.width,
          `${where}: no sideways scrolling`);
        await shot(page, `viewport-${where}-${name}`);
      };
      await run(page, 200);
      await screen("builder");

      await press("Command4(0)");
      await run(page, 50);
      const sheet = page.locator("#sheet");
      const box = await sheet.boundingBox();
      assert.ok(box.x >= 0 && box.x + box.width <= viewport.width, `${where}: the sheet stands whole`);
      const lines = await sheet.locator(".text p").all();
      assert.equal(lines.length, 9);
      assert.ok((await lines[2].boundingBox()).height > 10, "the empty line has its height");
      await sheet.locator("button").click();
      await page.waitForFunction(() => !document.getElementById("sheet").open);
      await run(page, 50);

      await press("Command2");
      await run(page, 100);
      await screen("lineups");
      await press("Command5");
      await run(page, 100);
      assert.equal(await page.evaluate(() => document.activeElement.dataset.name), "cmdExit",
        `${where}: the focus goes to Exit`);
      await run(page, 20000);
      await screen("match");

      // Where the window's own commentary is small, the captions carry the
      // scoreboard and the commentary, large, clear of the picture.
      const small = (await drawnCommentary(page)) < 16;
      const captions = page.locator("#captions");
      assert.equal(await captions.isVisible(), small, `${where}: captions`);
      if (small) {
        const scoreboard = await Promise.all(["Label17", "Label19(0)", "Label19(1)", "Label18",
          "Label20"].map((n) => text(page, n)));
        const [home, homeGoals, awayGoals, away, clock] = scoreboard;
        assert.equal((await captions.locator(".score").innerText()).replace(/\s+/g, " "),
          `${home} ${homeGoals} - ${awayGoals} ${away} ${clock}`);
        assert.equal(await captions.locator(".line").textContent(), await text(page, "Announcer"));
        for (const part of await captions.locator(".score, .line").all())
          assert.ok(await part.evaluate((p) => parseFloat(getComputedStyle(p).fontSize)) >= 16);
        const picture = await page.locator("#broadcast").boundingBox();
        const c = await captions.boundingBox();
        assert.ok(c.y >= picture.y + picture.height - 0.5 || c.x >= picture.x + picture.width - 0.5,
          `${where}: the captions clear of the picture`);
        assert.ok(c.y + c.height <= viewport.height && c.x + c.width <= viewport.width);
      }

      // A tap on a player shows his name.
      if (touch) {
        const player = await page.evaluate(() => {
          for (const f of document.querySelectorAll('[data-role="figure"]:not([hidden])')) {
            const r = f.getBoundingClientRect();
            const x = r.x + r.width / 2, y = r.y + r.height / 2;
            if (f.title && document.elementFromPoint(x, y)?.closest('[data-role="figure"]') === f)
              return { x, y, name: f.title };
          }
          return null;
        });
        assert.ok(player, "a player to tap");
        await page.touchscreen.tap(player.x, player.y);
        assert.equal(await page.locator("#tip").textContent(), player.name);
        await run(page, 3000);
        assert.equal(await page.locator("#tip").isVisible(), false, "the name goes after a while");
      }
      await context.close();
    }
  } finally {
    await phones.close();
    site.close();
  }
});

test("the page says in a sentence why the broadcast cannot play; a seed of 64 bits plays; " +
  "the window's place is fitted while the program loads",
  async () => {
    const NotLoaded = "The broadcast could not be loaded. Check the connection and try again.";
    const cases = [
      { what: "no WebAssembly", init: () => delete window.WebAssembly,
        says: "This browser cannot play the broadcast: it has no WebAssembly." },
      { what: "the WebAssembly not loaded", block: "**/blunderfest.wasm", says: NotLoaded },
      { what: "the program not loaded", block: "**/blunderfest.js", says: NotLoaded },
      { what: "a seed of 2^64", query: "?seed=18446744073709551616",
        says: "The seed must be a whole number from 0 to 18446744073709551615, not " +
          "'18446744073709551616'." },
      { what: "a seed that is no number", query: "?seed=-1",
        says: "The seed must be a whole number from 0 to 18446744073709551615, not '-1'." },
      { what: "the largest seed", query: "?seed=18446744073709551615", says: null },
    ];
    const fresh = await chromium.launch(Chromium);
    const site = await serve(process.env.SITE);
    const address = `http://127.0.0.1:${site.address().port}/`;
    try {
      for (const c of cases) {
        const context = await fresh.newContext({ serviceWorkers: "block" });
        const page = await context.newPage();
        if (c.init) await page.addInitScript(c.init);
        if (c.block) await page.route(c.block, (route) => route.abort());
        await page.goto(address + (c.query ?? ""));
        if (c.says === null) {
          await waiting(page);
          assert.equal(await page.locator("#notice").isVisible(), false, c.what);
        } else {
          await page.locator("#notice").waitFor({ state: "visible" });
          assert.equal(await page.locator("#notice p").textContent(), c.says, c.what);
          assert.equal(await page.locator("#broadcast").isVisible(), false, c.what);
          assert.equal(await page.evaluate(() => document.activeElement.closest("#notice") !== null),
            true, c.what);
          await shot(page, `failed-${c.what.replaceAll(" ", "-")}`);
        }
        await context.close();
      }
      // While the program is still on its way, its window's empty place is fitted.
      const loading = await fresh.newPage({ viewport: { width: 360, height: 640 } });
      await loading.route("**/blunderfest.wasm", () => {}); // never answered
      await loading.goto(address);
      await loading.waitForFunction(() => document.body.dataset.fitted === "360x640");
      const place = await loading.locator("#broadcast").boundingBox();
      assert.ok(place.x >= 0 && Math.abs(place.x + place.width - 360) < 0.5, "fills the width");
      await loading.close();
      // Without JavaScript, only the notice shows.
      const context = await fresh.newContext({ javaScriptEnabled: false });
      const page = await context.newPage();
      await page.goto(address);
      assert.equal(await page.locator(".noscript").isVisible(), true);
      for (const hidden of ["#broadcast", "#tools", "#notice"])
        assert.equal(await page.locator(hidden).isVisible(), false, hidden);
      await context.close();
    } finally {
      await fresh.close();
      site.close();
    }
  });

test("a new version deployed: the returning visit that sees it says so, and reloads into it " +
  "when asked", async () => {
  // Real time, a site and a browser of its own: the service workers come and go as they please.
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "blunderfest-site-"));
  fs.cpSync(process.env.SITE, dir, { recursive: true });
  const site = await serve(dir);
  const fresh = await chromium.launch(Chromium);
  try {
    const page = await fresh.newPage();
    await page.goto(`http://127.0.0.1:${site.address().port}/`);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null,
      { timeout: 60000 });
    assert.equal(await page.locator("#notice").isVisible(), false, "nothing new on a first visit");
    fs.appendFileSync(path.join(dir, "sw.js"), "// the next version\n");
    await page.reload();
    await page.locator("#notice").waitFor({ state: "visible", timeout: 60000 });
    assert.equal(await page.locator("#notice p").textContent(), "A new version is ready");
    // The window makes room for the notice rather than lying under it.
    await page.waitForFunction(() => document.getElementById("broadcast").getBoundingClientRect()
      .top >= document.getElementById("notice").getBoundingClientRect().bottom);
    await shot(page, "update");
    // The broadcast goes on under the notice until the user asks.
    await element(page, "Command2").click();
    await page.waitForFunction(() => !document.querySelector('[data-name="Picture6"]').hidden);
    await page.evaluate(() => (window.before = true));
    await page.locator("#notice button").click();
    await page.waitForFunction(() => !window.before && typeof Broadcast === "object" &&
      Broadcast.state().waiting, null, { timeout: 60000 });
    assert.equal(await page.locator("#notice").isVisible(), false);
  } finally {
    await fresh.close();
    site.close();
    fs.rmSync(dir, { recursive: true, force: true });
  }
});

// ---- Passing a match on

// A match's code and the simulator's replay of it (SIMULATE, the native tool).
const simulate = (...args) => execFileSync(process.env.SIMULATE, args).toString();
const Code = /code ([\w-]{24})$/m.exec(simulate("1", "7", "--each"))[1];
const transcript = (...args) => simulate("--match", Code, ...args, "--transcript").trim().split("\n");

// The commentary lines the page shows from now on, after the clock shown with them.
const transcribe = (page) => page.evaluate(() => {
  const said = (globalThis.said = []);
  const line = document.querySelector('[data-name="Announcer"]');
  const clock = document.querySelector('[data-name="Label20"]');
  new MutationObserver(() => said.push(`${clock.textContent} ${line.textContent}`))
    .observe(line, { childList: true, characterData: true, subtree: true });
});
async function linesShown(page, count, realTime) {
  if (realTime) await page.waitForFunction((n) => said.length >= n, count, { timeout: 60000 });
  for (let k = 0; k < 120 && (await page.evaluate(() => said.length)) < count; ++k) await run(page, 1000);
  return page.evaluate((n) => said.slice(0, n), count);
}

// Joined at a time, the match runs unseen at once. It does so in real time,
// in a browser of its own: the virtual clock, which every page of the shared
// profile keeps, costs the hurry's every reading of the clock far more.
// It has a server of its own too: the offline test ends the shared one.
async function openInRealTime(query, viewport = { width: Design.width, height: Design.height + 80 }) {
  const site = await serve(process.env.SITE);
  const own = await chromium.launch(Chromium);
  const page = await own.newPage({ viewport });
  page.errors = [];
  page.on("pageerror", (e) => page.errors.push(e.message));
  page.on("close", () => own.close().then(() => site.close()));
  await page.goto(`http://127.0.0.1:${site.address().port}/${query}`);
  await waiting(page);
  return page;
}

test("?match=CODE opens its lineups and plays the simulator's lines; &at= starts at that clock",
  async () => {
    for (const at of ["", "20:00"]) {
      const expected = transcript(...(at ? ["--at", at] : [])).slice(0, 3);
      const query = `?match=${Code}${at && `&at=${at}`}`;
      const page = at ? await openInRealTime(query) : await open(query);
      assert.equal(await element(page, "Picture6").isVisible(), true, "the lineups");
      await transcribe(page);
      await element(page, "Command5").click();
      // Joined at a time, the broadcast shows first the line that was showing then.
      const shown = await linesShown(page, expected.length + (at ? 1 : 0), at !== "");
      if (at) assert.equal(shown.shift().slice(0, 5), at);
      assert.deepEqual(shown, expected, `from ${at || "the start"}`);
      assert.equal(await page.locator("#told").textContent(), "");
      assert.deepEqual(page.errors, []);
      await page.close();
    }
  });

test("a refused code or time is said in a notice, and the page plays all the same", async () => {
  const refusals = [
    ["?match=1998", "A match code has 24 characters; this one has 4.", "Picture2"],
    [`?match=${Code.slice(0, 23)}!`, "A match code holds only letters, digits, '-' and '_'; its character 24 is not one.", "Picture2"],
    [`?match=${Code.slice(0, 10)}${Code[10] === "d" ? "e" : "d"}${Code.slice(11)}`,
      "This match code is mistyped", "Picture2"],
    [`?match=${"x".repeat(100000)}`, "this one has 100000.", "Picture2"],
    [`?match=${Code}&at=20:60`, "20:60 has 60 seconds.", "Picture6"],
  ];
  for (const [query, says, screen] of refusals) {
    const page = await open(query);
    assert.ok((await page.locator("#told").textContent()).includes(says), query.slice(0, 40));
    assert.equal(await element(page, screen).isVisible(), true, `${query.slice(0, 40)}: ${screen}`);
    await page.close();
  }
});

// The lineups of a match joined at a time say so; a start past the match's
// end opens its end, which says when the match ended and offers its moments.
// That end, on every viewport: a solid panel whose links and buttons are
// targets clear of anything else, the captions and the page's buttons gone,
// each memorable moment told once, and a list that shows when it has more.
test("a time waits for Go and says so; past the end, the end says when it ended, on every " +
  "viewport", async () => {
  const page = await openInRealTime(`?match=${Code}&at=999:00`);
  assert.equal(await page.locator("#told").textContent(), "Starts at 999:00 - press Go");
  await element(page, "Command5").click();
  await page.locator("#ended").waitFor({ state: "visible", timeout: 120000 });
  assert.match(await page.locator("#ended-why").textContent(),
    /^This match ended at \d\d:\d\d, before 999:00\.$/);
  const moments = await page.locator("#moments a").allTextContents();
  assert.ok(moments.length > 3, moments.join(" | "));
  assert.deepEqual(moments, [...new Set(moments)], "each moment once");
  for (const moment of moments) {
    assert.match(moment, /^\d\d:\d\d [A-Z]/);
    assert.ok(!moment.includes("An aside") && !moment.includes("interjection"), moment);
  }
  for (const { touch, ...viewport } of Viewports) {
    const where = `${viewport.width}x${viewport.height}`;
    await page.setViewportSize(viewport);
    await page.waitForFunction((v) => document.body.dataset.fitted === `${v.width}x${v.height}`,
      viewport);
    await fingerTargets(page, "#ended button, #ended .actions a, #moments a", `${where} end`);
    for (const gone of ["#captions", "#tools"])
      assert.equal(await page.locator(gone).isVisible(), false, `${where}: ${gone} gone`);
    const panel = await page.locator("#ended .card").boundingBox();
    assert.ok(panel.x >= 0 && panel.y >= 0 && panel.x + panel.width <= viewport.width &&
      panel.y + panel.height <= viewport.height, `${where}: the panel whole`);
    // The list scrolls where it does not fit, and shows at which edge it has more.
    const list = await page.locator("#moments").evaluate((l) => ({
      over: l.scrollHeight > l.clientHeight + 1,
      shows: l.classList.contains("more-below") || l.classList.contains("more-above"),
    }));
    assert.equal(list.shows, list.over, `${where}: shows there is more`);
    if (touch) await shot(page, `end-${where}`);
  }
  await page.close();
});

// The speech balloon's line in the captions, with who says it: the bald
// businessman's order of this match at 29:15.
test("upright and sideways, the captions carry the balloon's line and who says it", async () => {
  const page = await openInRealTime(`?match=${Code}&at=29:00`, { width: 390, height: 844 });
  await element(page, "Command5").click();
  const balloon = page.locator("#captions .balloon");
  await balloon.waitFor({ state: "visible", timeout: 60000 });
  const said = await text(page, "Label24");
  assert.match(said, /^Smithers! Have these \S+ shot at once!$/);
  assert.equal(await balloon.locator(".who").textContent(), "The bald businessman");
  assert.equal(await balloon.locator("q").textContent(), said);
  assert.ok(await balloon.evaluate((b) => parseFloat(getComputedStyle(b).fontSize)) >= 16);
  await shot(page, "balloon-upright");
  await page.setViewportSize({ width: 844, height: 390 });
  await page.waitForFunction(() => document.body.dataset.fitted === "844x390");
  assert.equal(await balloon.isVisible(), true, "sideways too");
  await shot(page, "balloon-sideways");
  await page.close();
});

// The address follows the match once it has kicked off; a reload comes back
// to the same match at the same time, kicked off.
test("a reload mid-match resumes the same match at the time the address carries", async () => {
  const page = await openInRealTime(`?match=${Code}`);
  const clockOf = (t) => Number(t.slice(0, -3)) * 60 + Number(t.slice(-2));
  const pages = await page.evaluate(() => history.length);
  await element(page, "Command5").click();
  await page.waitForFunction(() => new URL(location.href).searchParams.get("at") >= "00:20", null,
    { timeout: 60000 });
  const address = new URL(page.url());
  assert.equal(address.searchParams.get("match"), Code);
  const at = clockOf(address.searchParams.get("at"));
  // Back still leaves: the address was replaced, never pushed.
  assert.equal(await page.evaluate(() => history.length), pages);
  await page.reload();
  await waiting(page);
  await page.waitForFunction((time) =>
    document.querySelector('[data-name="Picture6"]')?.hidden === true &&
    document.querySelector('[data-name="Label20"]').textContent >= time,
  address.searchParams.get("at"), { timeout: 60000 });
  const resumed = clockOf(await text(page, "Label20"));
  assert.ok(resumed >= at && resumed <= at + 10, `${resumed} s against ${at} s`);
  assert.equal(new URL(page.url()).searchParams.get("match"), Code);
  await page.close();
});

test("Share copies the link to this match at the clock shown; the end links its moments",
  async () => {
    await browser.grantPermissions(["clipboard-read", "clipboard-write"], { origin: base });
    const page = await open(`?match=${Code}`);
    await page.evaluate(() => delete Navigator.prototype.share); // a desktop browser: the clipboard
    await element(page, "Command5").click();
    for (let k = 0; k < 6; ++k) await run(page, 10000); // five minutes of match
    const clock = await text(page, "Label20");
    await page.locator("#share").click();
    await page.waitForFunction(() => document.getElementById("told").textContent !== "");
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()),
      `${base}?match=${Code}&at=${clock}`);
    assert.equal(await page.locator("#told").textContent(),
      `The link to this match at ${clock} is copied to the clipboard.`);
    await shot(page, "shared");

    await element(page, "cmdExit").click();
    await run(page, 4200);
    assert.equal(await page.locator("#again").getAttribute("href"), `${base}?match=${Code}`);
    const moments = await page.locator("#moments a").evaluateAll((links) =>
      links.map((a) => [a.textContent, a.getAttribute("href")]));
    assert.ok(moments.length >= 2, "the card of five minutes, and the sign-off");
    for (const [label, href] of moments) {
      const [time] = label.split(" ");
      assert.equal(href, `${base}?match=${Code}${time === "00:00" ? "" : `&at=${time}`}`);
    }
    assert.deepEqual(moments.at(-1)[0], `${clock} The sign-off`);
    await shot(page, "ended-moments");
    await page.close();
  });
