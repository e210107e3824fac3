#!/usr/bin/env bash
# Lighthouse's audit of the page as ./web.sh serves it, with the system's
# Chromium: the four scores (Performance, Accessibility, Best Practices, SEO)
# with its mobile preset and with its desktop preset, and the audits that fail.
# Performance varies from run to run (a run's long tasks are multiplied by
# the slow phone it simulates), so each preset runs RUNS times (5 by default,
# as Lighthouse advises) and its median run is the preset's result.
#
#   [RUNS=N] bench/lighthouse.sh [SITE_DIR]        (build/web/site by default)
#
# Lighthouse comes from npm on first use, into build/lighthouse; the reports
# stay there too (mobile-1.json, ...; mobile.json and desktop.json are the
# median runs).
set -euo pipefail
cd "$(dirname "$0")/.."
site=${1:-build/web/site}
dir=build/lighthouse
runs=${RUNS:-5}
version=12.8.2 # runs on the node of Debian 12
[ -f "$site/index.html" ] || { echo "lighthouse.sh: no site in $site (./web.sh builds it)" >&2; exit 2; }
if [ ! -x "$dir/node_modules/.bin/lighthouse" ]; then
  echo "Installing Lighthouse $version into $dir"
  npm install --prefix "$dir" --no-audit --no-fund --loglevel=error "lighthouse@$version"
fi

# The site on a free port, as ./web.sh serves it.
log=$(mktemp)
node web/serve.js "$site" 0 >"$log" &
server=$!
trap 'kill $server; rm -f "$log"' EXIT
until url=$(grep -o 'http://[^ ]*' "$log"); do sleep 0.1; done

flags="--headless=new --no-sandbox --disable-gpu --disable-quic --no-first-run"
flags+=" --disable-background-networking --disable-component-update --disable-sync"
for preset in mobile desktop; do
  options=()
  [ $preset = desktop ] && options=(--preset=desktop)
  for run in $(seq "$runs"); do
    CHROME_PATH=/usr/bin/chromium "$dir/node_modules/.bin/lighthouse" "$url" "${options[@]}" \
      --chrome-flags="$flags" --only-categories=performance,accessibility,best-practices,seo \
      --output=json --output-path="$dir/$preset-$run.json" --quiet
  done
  node - "$dir" $preset "$runs" <<'EOF'
const [dir, preset, runs] = process.argv.slice(2);
const fs = require("fs");
const reports = [];
for (let run = 1; run <= Number(runs); ++run)
  reports.push(JSON.parse(fs.readFileSync(`${dir}/${preset}-${run}.json`, "utf8")));
const scores = (report) => Object.values(report.categories).map((c) => Math.round(c.score * 100));
const metric = (report, id) => report.audits[id].displayValue;
for (const report of reports)
  console.log(`  ${preset} run  ${scores(report).join(" / ")}  (FCP ${metric(report, "first-contentful-paint")},` +
    ` LCP ${metric(report, "largest-contentful-paint")}, TBT ${metric(report, "total-blocking-time")},` +
    ` SI ${metric(report, "speed-index")})`);
// The median run by Performance (the lower of the middle two for an even count).
const median = [...reports].sort((a, b) => scores(a)[0] - scores(b)[0])[(reports.length - 1) >> 1];
fs.writeFileSync(`${dir}/${preset}.json`, JSON.stringify(median));
const categories = Object.values(median.categories);
console.log(preset.padEnd(9) + categories.map((c) => `${c.title} ${Math.round(c.score * 100)}`).join("   ") +
  (reports.length > 1 ? `   (the median of ${reports.length} runs)` : ""));
for (const c of categories)
  for (const ref of c.auditRefs) {
    const audit = median.audits[ref.id];
    if (ref.weight > 0 && audit.score !== null && audit.score < 1)
      console.log(`  ${c.title}: ${audit.title}` +
        (audit.displayValue ? ` (${audit.displayValue})` : ""));
  }
EOF
done
