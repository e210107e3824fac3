// What tuning in to the live channel costs:
//  - finding what is on, natively and in WebAssembly under node: onAir at the
//    last step of each hour of some days, the dearest moment (the hour's
//    whole chain is played unseen), by `simulate --lookup-cost`;
//  - the page tuned in on a phone: Chromium's 4x CPU slowdown and a phone's
//    screen, from the first frame (the lineups, drawn once the channel's
//    match is found) to the live moment shown (the match caught up with the
//    channel, waiting for its next step at the pace); median of 5.
//
//   NODE_PATH=build/web-tests/node_modules node bench/bench_live.js build/simulate \
//     build/web/simulate.js build/web/site [DAYS]
"use strict";
const { execFileSync } = require("node:child_process");
const { chromium } = require("playwright-core");
const { serve } = require("../web/serve.js");

const [native, wasm, site, days = "3"] = process.argv.slice(2);

async function tuneIn(browser, port, at) {
  const context = await browser.newContext({
    viewport: { width: 412, height: 915 }, deviceScaleFactor: 2.6, isMobile: true, hasTouch: true,
  });
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send("Emulation.setCPUThrottlingRate", { rate: 4 });
  await page.addInitScript(() => {
    // The first frame at which the channel's moment shows: its lineups
    // counting down, or its match caught up with the channel.
    const look = () => {
      const shows = (name) => document.querySelector(`[data-name="${name}"]`)?.offsetParent;
      const text = (name) => document.querySelector(`[data-name="${name}"]`)?.textContent;
      const lineups = shows("Picture6") && /^\d\d:\d\d$/.test(text("Command5"));
      const match = shows("Label20") && text("Label20") !== "00:00";
      if (globalThis.Broadcast?.state().waiting && (lineups || match))
        globalThis.liveShown = performance.now();
      else requestAnimationFrame(look);
    };
    requestAnimationFrame(look);
  });
  if (at) {
    // The site's clock says `at`, and the page goes by it.
    const opened = Date.now();
    await page.route("**/*", (route) => route.request().method() !== "HEAD" ? route.continue()
      : route.fulfill({ status: 200, headers: { Date: new Date(at + Date.now() - opened).toUTCString() } }));
  }
  await page.goto(`http://127.0.0.1:${port}/?live`);
  await page.waitForFunction(() => globalThis.liveShown, null, { timeout: 60000, polling: 100 });
  const times = await page.evaluate(() => ({
    firstFrame: performance.getEntriesByName("first-frame")[0]?.startTime,
    live: globalThis.liveShown,
  }));
  await context.close();
  return times;
}

(async () => {
  for (const [name, run] of [["natively", [native]], ["WebAssembly under node", ["node", wasm]]]) {
    const [command, ...args] = run;
    console.log(`${name}:`);
    console.log(execFileSync(command, [...args, "--lookup-cost", "--count", days]).toString()
      .trim().split("\n").slice(1).join("\n"));
  }
  const server = await serve(site);
  const browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run"],
  });
  const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
  // Now, and 19.5 minutes into a match that goes to full time: the longest
  // hurry to the channel's moment.
  for (const [when, at] of [["now", null],
    ["at 2026-12-24T20:20:30Z, 19.5 minutes into a match", Date.parse("2026-12-24T20:20:30Z")]]) {
    const runs = [];
    for (let k = 0; k < 5; ++k) runs.push(await tuneIn(browser, server.address().port, at));
    console.log(`the page on a phone (4x CPU slowdown), tuned in ${when}:`);
    console.log(`  load to first frame: median ${median(runs.map((r) => r.firstFrame)).toFixed(0)} ms`);
    console.log(`  first frame to the live moment: median ${
      median(runs.map((r) => r.live - r.firstFrame)).toFixed(0)} ms, most ${
      Math.max(...runs.map((r) => r.live - r.firstFrame)).toFixed(0)} ms`);
  }
  await browser.close();
  server.close();
})();
