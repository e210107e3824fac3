// What the web page costs, side by side in one run, served by web/serve.js as
// ./web.sh serves it:
//  - the whole first visit as a browser makes it, with an empty cache: every
//    request (the page, the program, the fonts, the pictures, the service
//    worker's install), bytes as the server sent them (headers included,
//    compressed where it compresses), and their count;
//  - the first frame on a slow phone link (1.6 Mbit/s down, 750 kbit/s up,
//    150 ms round trip: Chromium's network emulation; median of 3);
//  - load to first frame on 127.0.0.1 (median of 5 cold loads);
//  - CPU time of all the browser's processes over 20 s of a playing match,
//    beside 20 s of a page that only ticks at 64 Hz and of one that also
//    changes a label's text every tick (as bench_platform's windows do): the
//    least a page costs that shows a change at every clock step. Each page
//    is measured once the browser's start-up has settled.
//
//   NODE_PATH=build/web-tests/node_modules node bench/bench_web.js build/web/site
"use strict";
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { chromium } = require("playwright-core");
const { serve } = require("../web/serve.js");

const site = path.resolve(process.argv[2] ?? "build/web/site");
const Seconds = 20;
const Flags = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
  "--no-first-run", "--disable-background-networking", "--disable-component-update",
  "--disable-sync"];
const Viewport = { width: 691, height: 586 };
const SlowLink = { offline: false, latency: 150, downloadThroughput: 1.6e6 / 8,
  uploadThroughput: 0.75e6 / 8 };

// Every request the server answers, with the bytes it wrote for it.
function recordRequests(server) {
  const log = { requests: [], open: 0, last: Date.now() };
  server.on("request", (request, response) => {
    const socket = request.socket;
    const before = socket.bytesWritten;
    ++log.open;
    response.on("close", () => {
      --log.open;
      log.last = Date.now();
      log.requests.push({ path: request.url, kind: request.headers["sec-fetch-dest"] ?? "",
        status: response.statusCode, bytes: socket.bytesWritten - before });
    });
  });
  return log;
}

// CPU seconds (user + system) of a process and all its descendants.
function cpuOfTree(root) {
  const children = new Map();
  const cpu = new Map();
  const tick = 100; // USER_HZ on Linux
  for (const pid of fs.readdirSync("/proc").filter((p) => /^\d+$/.test(p))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, "utf8");
      const fields = stat.slice(stat.lastIndexOf(")") + 2).split(" ");
      const parent = Number(fields[1]);
      if (!children.has(parent)) children.set(parent, []);
      children.get(parent).push(Number(pid));
      cpu.set(Number(pid), (Number(fields[11]) + Number(fields[12])) / tick);
    } catch {}
  }
  let total = 0;
  const walk = (pid) => {
    total += cpu.get(pid) ?? 0;
    for (const c of children.get(pid) ?? []) walk(c);
  };
  walk(root);
  return total;
}

// A fresh browser (empty caches, no service worker) for each measurement.
async function withBrowser(body) {
  const server = await chromium.launchServer({ executablePath: "/usr/bin/chromium", args: Flags });
  const browser = await chromium.connect(server.wsEndpoint());
  try {
    return await body(browser, server.process().pid);
  } finally {
    await browser.close();
    await server.close();
  }
}

// Milliseconds from the start of the navigation to the frame after the
// program's first drawing of the window (the page marks it).
async function firstFrame(page) {
  await page.waitForFunction(() => performance.getEntriesByName("first-frame").length > 0,
    null, { timeout: 60000 });
  return page.evaluate(() => performance.getEntriesByName("first-frame")[0].startTime);
}

async function localFirstFrame(base) {
  return withBrowser(async (browser) => {
    const page = await browser.newPage({ viewport: Viewport });
    await page.goto(base + "?seed=1998");
    return firstFrame(page);
  });
}

async function slowFirstFrame(base) {
  return withBrowser(async (browser) => {
    const page = await browser.newPage({ viewport: Viewport });
    const cdp = await page.context().newCDPSession(page);
    await cdp.send("Network.enable");
    await cdp.send("Network.emulateNetworkConditions", SlowLink);
    await page.goto(base + "?seed=1998", { timeout: 60000 });
    return firstFrame(page);
  });
}

// The first visit until the service worker has installed and the network
// has been quiet for a second.
async function firstVisit(base, log) {
  return withBrowser(async (browser) => {
    const page = await browser.newPage({ viewport: Viewport });
    await page.goto(base + "?seed=1998");
    const frame = await firstFrame(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    while (log.open > 0 || Date.now() - log.last < 1000)
      await new Promise((resolve) => setTimeout(resolve, 100));
    return frame;
  });
}

// The browser's own start-up work goes on for a while after the page is up.
const Settle = 2000;

async function cpuOver(base, query, start) {
  return withBrowser(async (browser, pid) => {
    const page = await browser.newPage({ viewport: Viewport });
    await page.goto(base + query);
    await start(page);
    await page.waitForTimeout(Settle);
    const before = cpuOfTree(pid);
    await new Promise((resolve) => setTimeout(resolve, Seconds * 1000));
    const after = cpuOfTree(pid);
    return ((after - before) / Seconds) * 100;
  });
}

const median = (values) => values.sort((a, b) => a - b)[values.length >> 1];
const ms = (values) => `${median(values).toFixed(0)} ms (${values.map((t) => t.toFixed(0)).join(", ")})`;

(async () => {
  // The two pages that tick at 64 Hz: ?label also writes the count into a label.
  const ticker = fs.mkdtempSync(path.join(os.tmpdir(), "blunderfest-ticker-"));
  fs.writeFileSync(path.join(ticker, "index.html"), `<!doctype html><title>64 Hz</title>
<body style="background:#000"><div id="label" style="position:absolute;left:8px;top:8px;
width:100px;height:20px;color:#fff;font:14px sans-serif"></div><script>
const label = location.search === "?label" ? document.getElementById("label") : null;
let n = 0;
(function tick() {
  ++n;
  if (label) label.textContent = n;
  setTimeout(tick, 1000 / 64);
})();
window.ready = true;
</script>`);
  const server = await serve(site);
  const base = `http://127.0.0.1:${server.address().port}/`;
  const tickerServer = await serve(ticker);
  const tickerBase = `http://127.0.0.1:${tickerServer.address().port}/`;

  const log = recordRequests(server);
  await firstVisit(base, log);
  const visit = log.requests.splice(0);
  const slow = [];
  for (let i = 0; i < 3; ++i) slow.push(await slowFirstFrame(base));
  const loads = [];
  for (let i = 0; i < 5; ++i) loads.push(await localFirstFrame(base));

  const ready = (page) => page.waitForFunction(() => window.ready);
  const idle = await cpuOver(tickerBase, "", ready);
  const labelled = await cpuOver(tickerBase, "?label", ready);
  const match = await cpuOver(base, "?seed=1998", async (page) => {
    await page.waitForFunction(() => typeof Broadcast === "object" && Broadcast.state().waiting);
    await page.click('[data-name="Command2"]');
    await page.click('[data-name="Command5"]');
  });

  console.log("first visit, empty cache, as the server sent it:");
  for (const r of visit)
    console.log(`  ${String(r.status).padEnd(4)}${r.kind.padEnd(14)}${r.path.padEnd(40)}` +
      `${(r.bytes / 1024).toFixed(1).padStart(7)} KiB`);
  const total = visit.reduce((sum, r) => sum + r.bytes, 0);
  const twice = visit.length - new Set(visit.map((r) => r.path)).size;
  console.log(`first visit, whole (service worker included)    ${(total / 1024).toFixed(1)} KiB` +
    ` in ${visit.length} requests (${twice} of them for a file asked before)`);
  console.log(`first frame, 1.6 Mbit/s and 150 ms (median of 3) ${ms(slow)}`);
  console.log(`load to first frame on 127.0.0.1 (median of 5)  ${ms(loads)}`);
  console.log(`browser CPU, page ticking at 64 Hz            ${idle.toFixed(1)} % of a core`);
  console.log(`browser CPU, page ticking, a label each tick  ${labelled.toFixed(1)} % of a core`);
  console.log(`browser CPU, playing match                    ${match.toFixed(1)} % of a core` +
    ` (${(match / idle).toFixed(2)} x the ticking page, ${(match / labelled).toFixed(2)} x` +
    ` the page with the label)`);
  server.close();
  tickerServer.close();
})();
