// What the web page costs, side by side in one run:
//  - its transfer size, gzip -9, without the fonts and pictures;
//  - load to first frame on 127.0.0.1 (median of 5 cold loads);
//  - CPU time of all the browser's processes over 20 s of a playing match,
//    against 20 s of a page that only ticks at 64 Hz.
//
//   NODE_PATH=build/web-tests/node_modules node bench/bench_web.js build/web/site
"use strict";
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const zlib = require("node:zlib");
const { chromium } = require("playwright-core");
const { serve } = require("../web/serve.js");

const site = path.resolve(process.argv[2] ?? "build/web/site");
const Seconds = 20;
const Flags = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
  "--no-first-run", "--disable-background-networking", "--disable-component-update",
  "--disable-sync"];

function transferSize() {
  let total = 0;
  const files = fs.readdirSync(site).filter((f) => fs.statSync(path.join(site, f)).isFile());
  for (const f of files) total += zlib.gzipSync(fs.readFileSync(path.join(site, f)), { level: 9 }).length;
  return { files, total };
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

async function firstFrame(base) {
  return withBrowser(async (browser) => {
    const page = await browser.newPage({ viewport: { width: 691, height: 586 } });
    await page.goto(base + "?seed=1998");
    // The page marks the frame after the program's first drawing of the window.
    await page.waitForFunction(() => performance.getEntriesByName("first-frame").length > 0);
    return page.evaluate(() => performance.getEntriesByName("first-frame")[0].startTime);
  });
}

async function cpuOver(base, query, start) {
  return withBrowser(async (browser, pid) => {
    const page = await browser.newPage({ viewport: { width: 691, height: 586 } });
    await page.goto(base + query);
    await start(page);
    const before = cpuOfTree(pid);
    await new Promise((resolve) => setTimeout(resolve, Seconds * 1000));
    const after = cpuOfTree(pid);
    return ((after - before) / Seconds) * 100;
  });
}

(async () => {
  const ticker = fs.mkdtempSync(path.join(os.tmpdir(), "blunderfest-ticker-"));
  fs.writeFileSync(path.join(ticker, "index.html"), `<!doctype html><title>64 Hz</title>
<body style="background:#000"><script>
let n = 0;
(function tick() { ++n; setTimeout(tick, 1000 / 64); })();
window.ready = true;
</script>`);
  const server = await serve(site);
  const base = `http://127.0.0.1:${server.address().port}/`;
  const tickerServer = await serve(ticker);
  const tickerBase = `http://127.0.0.1:${tickerServer.address().port}/`;

  const { files, total } = transferSize();
  const loads = [];
  for (let i = 0; i < 5; ++i) loads.push(await firstFrame(base));
  loads.sort((a, b) => a - b);

  const idle = await cpuOver(tickerBase, "", (page) => page.waitForFunction(() => window.ready));
  const match = await cpuOver(base, "?seed=1998", async (page) => {
    await page.waitForFunction(() => typeof Broadcast === "object" && Broadcast.state().waiting);
    await page.click('[data-name="Command2"]');
    await page.click('[data-name="Command5"]');
    await page.waitForTimeout(2000); // past the kick-off's first lines
  });

  console.log(`transfer size, gzip -9, no fonts or pictures  ${(total / 1024).toFixed(1)} KiB` +
    ` (${files.join(", ")})`);
  console.log(`load to first frame on 127.0.0.1 (median of 5)  ${loads[2].toFixed(0)} ms` +
    ` (${loads.map((t) => t.toFixed(0)).join(", ")})`);
  console.log(`browser CPU, page ticking at 64 Hz            ${idle.toFixed(1)} % of a core`);
  console.log(`browser CPU, playing match                    ${match.toFixed(1)} % of a core` +
    ` (${(match / idle).toFixed(2)} x)`);
  server.close();
  tickerServer.close();
})();
