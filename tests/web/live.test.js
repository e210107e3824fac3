// Two viewers of the live channel on two platforms, tuned in at different
// moments: the page in Chromium, its clock set by the site's Date header (the
// device's clock is days off), and the desktop under Xvfb, its clock started
// by the test-only BLUNDERFEST_TEST_UTC. Each shows, at each UTC second, the
// line and the scoreboard that `simulate --live --at` says the channel shows;
// the page, hidden a while and shown again, shows where the channel is then.
//
// Environment: SITE, SIMULATE, BLUNDERFEST, NODE_PATH (playwright-core),
// CHROMIUM (optional).
"use strict";
const { test, before, after } = require("node:test");
const assert = require("node:assert/strict");
const { execFileSync, spawn } = require("node:child_process");
const { chromium } = require("playwright-core");
const { serve } = require("../../web/serve.js");

const At = Date.parse("2026-12-24T20:05:00Z"); // in the middle of a match
const Lines = 4;
let server, browser;

before(async () => {
  server = await serve(process.env.SITE);
  browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run"],
  });
});

after(async () => {
  await browser?.close();
  server?.close();
});

// What the channel shows from At on: each line with the UTC millisecond it
// shows at and the scoreboard before it ("20:05 ... and the ball!...").
const simulate = (...more) => execFileSync(process.env.SIMULATE,
  ["--live", "--at", new Date(At).toISOString().replace(".000", ""), ...more]).toString();
const channel = simulate("--transcript").trim().split("\n")
  .map((l) => /^(\S+Z)  (\d\d:\d\d .*)$/.exec(l))
  .filter(Boolean)
  .map((m) => ({ utc: Date.parse(m[1]), line: m[2] }));

// The lines a viewer showed must be consecutive lines of the channel's, each
// shown within the second the channel shows it. `started`, given how late
// the first line came by the test's clock, says how much of that is the
// viewer's own clock starting late: the desktop's test clock starts with its
// process, once Xvfb and Qt are up (0.7 s here, seconds on a busy machine).
function sameAsTheChannel(viewer, shown, started = () => 0) {
  const first = channel.findIndex((c) => c.line === shown[0].line);
  assert.ok(first >= 0, `${viewer}: "${shown[0].line}" is not the channel's`);
  assert.deepEqual(shown.map((s) => s.line), channel.slice(first, first + shown.length)
    .map((c) => c.line), viewer);
  const delay = started(shown[0].utc - channel[first].utc);
  shown.forEach((s, k) => {
    const late = s.utc - delay - channel[first + k].utc;
    assert.ok(late > -1000 && late < 1000, `${viewer}: "${s.line}" ${late} ms off the channel`);
  });
}

test("the page and the desktop show the channel's lines at the channel's seconds", async () => {
  const desktop = (async () => {
    const started = Date.now();
    const child = spawn("xvfb-run", ["-a", process.env.BLUNDERFEST, "--live", "--transcript"], {
      env: { ...process.env, BLUNDERFEST_TEST_UTC: new Date(At).toISOString() },
      detached: true,
    });
    const shown = [];
    let rest = "";
    await new Promise((resolve) => {
      child.stdout.on("data", (data) => {
        const lines = (rest + data).split("\n");
        rest = lines.pop();
        // The desktop's clock started at At a moment after the process did.
        for (const line of lines) shown.push({ utc: At + Date.now() - started, line });
        if (shown.length >= Lines) resolve();
      });
      child.on("exit", resolve);
    });
    process.kill(-child.pid);
    return shown;
  })();

  // The page tunes in 7 seconds later by the site's clock.
  const page = await browser.newPage();
  const site = At + 7000;
  const opened = Date.now();
  await page.route("**/*", (route) => {
    if (route.request().method() !== "HEAD") return route.continue();
    return route.fulfill({
      status: 200,
      headers: { Date: new Date(site + Date.now() - opened).toUTCString() },
    });
  });
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  await page.goto(`http://127.0.0.1:${server.address().port}/?live`);
  await page.waitForFunction(() => typeof Broadcast === "object" && Broadcast.state().waiting);
  // The device's clock, days away from the site's, is corrected by it.
  const offset = await page.evaluate(() => Broadcast.live.offset());
  assert.ok(Math.abs(Date.now() + offset - (site + Date.now() - opened)) < 1500, "corrected");
  await page.evaluate(() => {
    const said = (globalThis.said = []);
    const line = document.querySelector('[data-name="Announcer"]');
    const clock = document.querySelector('[data-name="Label20"]');
    new MutationObserver(() => said.push({
      utc: (Broadcast.live.now() * 1000) / 64,
      line: `${clock.textContent} ${line.textContent}`,
    })).observe(line, { childList: true, characterData: true, subtree: true });
  });
  await page.waitForFunction((n) => said.length > n, Lines, { timeout: 60000 });
  // The first is the line that was showing when the page tuned in, drawn
  // with the clock of that moment: it is the channel's line before the next.
  const [tunedIn, ...onPage] = await page.evaluate(() => said);
  const next = channel.findIndex((c) => c.line === onPage[0].line);
  assert.ok(next > 0 && tunedIn.line.endsWith(channel[next - 1].line.slice(5)), tunedIn.line);
  assert.deepEqual(errors, []);
  // Leaving the channel for this match from its kick-off: an ordinary code.
  const onAir = /  ([\w-]{24})  ends /.exec(simulate())[1];
  assert.equal(await page.locator("#from-start").getAttribute("href"),
    `http://127.0.0.1:${server.address().port}/?match=${onAir}`);
  sameAsTheChannel("the page", onPage);

  // Hidden a while and shown again, the page shows where the channel is now,
  // not where it stopped: its scoreboard, by its own clock, is the channel's.
  const setHidden = (hidden) => page.evaluate((h) => {
    Object.defineProperty(document, "hidden", { configurable: true, get: () => h });
    document.dispatchEvent(new Event("visibilitychange"));
  }, hidden);
  await setHidden(true);
  await new Promise((resolve) => setTimeout(resolve, 5000));
  await setHidden(false);
  const kickOff = Date.parse(/^(\S+Z)  /m.exec(simulate().split("\n")[1])[1]);
  // Seconds the scoreboard is behind the channel's: 0, or 5 while a step is drawn.
  const behind = (k) => {
    const shown = document.querySelector('[data-name="Label20"]').textContent;
    const due = 5 * Math.floor(((Broadcast.live.now() * 1000) / 64 - k) / 1000);
    return `${due - Number(shown.slice(0, 2)) * 60 - Number(shown.slice(3))} s behind`;
  };
  await page.waitForFunction(`/^[05] s/.test((${behind})(${kickOff}))`, null, { timeout: 15000 })
    .catch(async () => assert.fail(await page.evaluate(behind, kickOff)));
  await page.close();

  // The desktop's first line, the channel's at At, shows when its clock starts.
  sameAsTheChannel("the desktop", await desktop, (delay) => {
    assert.ok(delay >= 0 && delay < 15000, `the desktop started ${delay} ms after it was run`);
    return delay;
  });
});

// At a match's end the next follows in the same page, as the viewer left it
// (a page opened anew would lose the voice and full screen): one window, its
// lineups counting down, the link from its start the next match's.
test("at full time the next match's lineups follow in the same page", async () => {
  const guide = execFileSync(process.env.SIMULATE, ["--schedule", "--from",
    new Date(At).toISOString().replace(".000", ""), "--count", "2"]).toString();
  const [on, next] = [...guide.matchAll(/^(\S+)T\S+  (\S+) v \S+  (\S+)  ends (\S+)/gm)]
    .map(([, day, home, code, ends]) => ({ day, home, code, ends }));
  const site = Date.parse(`${on.day}T${on.ends}Z`) - 3000;
  const page = await browser.newPage();
  const opened = Date.now();
  await page.route("**/*", (route) => route.request().method() !== "HEAD" ? route.continue()
    : route.fulfill({ status: 200, headers: { Date: new Date(site + Date.now() - opened).toUTCString() } }));
  await page.goto(`http://127.0.0.1:${server.address().port}/?live`);
  await page.waitForFunction(() => typeof Broadcast === "object" && Broadcast.state().waiting);
  const elements = () => page.evaluate(() => document.querySelectorAll("#broadcast [data-name]").length);
  const first = await elements();
  await page.evaluate(() => (globalThis.samePage = true));
  // The next window is built a piece at a time, hidden: count it once shown.
  await page.waitForFunction((h) => document.querySelector('[data-name="Label17"]')?.textContent === h &&
    /^\d\d:\d\d$/.test(document.querySelector('[data-name="Command5"]')?.textContent) &&
    !document.getElementById("broadcast").classList.contains("building"), next.home,
  { timeout: 60000 });
  assert.equal(await page.evaluate(() => globalThis.samePage), true);
  assert.equal(await elements(), first);
  assert.deepEqual(await page.locator("#from-start").evaluateAll((links) => links.map((a) => a.href)),
    [`http://127.0.0.1:${server.address().port}/?match=${next.code}`]);
  await page.close();
});
