#!/usr/bin/env bash
# Lighthouse's audit of the page as ./web.sh serves it, with the system's
# Chromium: the four scores (Performance, Accessibility, Best Practices, SEO)
# with its mobile preset and with its desktop preset, and the audits that fail.
#
#   bench/lighthouse.sh [SITE_DIR]        (build/web/site by default)
#
# Lighthouse comes from npm on first use, into build/lighthouse; the reports
# stay there too (mobile.json, desktop.json).
set -euo pipefail
cd "$(dirname "$0")/.."
site=${1:-build/web/site}
dir=build/lighthouse
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
  CHROME_PATH=/usr/bin/chromium "$dir/node_modules/.bin/lighthouse" "$url" "${options[@]}" \
    --chrome-flags="$flags" --only-categories=performance,accessibility,best-practices,seo \
    --output=json --output-path="$dir/$preset.json" --quiet
  node - "$dir/$preset.json" $preset <<'EOF'
const [file, preset] = process.argv.slice(2);
const report = JSON.parse(require("fs").readFileSync(file, "utf8"));
const categories = Object.values(report.categories);
console.log(preset.padEnd(9) +
  categories.map((c) => `${c.title} ${Math.round(c.score * 100)}`).join("   "));
for (const c of categories)
  for (const ref of c.auditRefs) {
    const audit = report.audits[ref.id];
    if (ref.weight > 0 && audit.score !== null && audit.score < 1)
      console.log(`  ${c.title}: ${audit.title}` +
        (audit.displayValue ? ` (${audit.displayValue})` : ""));
  }
EOF
done
