#!/usr/bin/env bash
# The simulator built for WebAssembly and run under node plays the same
# matches as the native one: for every seed the same end, skits, nesting and
# commentary lines at the same steps, and the same figures in the summary.
#   same_matches.sh NATIVE_SIMULATE WASM_SIMULATE_JS MATCHES
set -euo pipefail
native=$1 wasm=$2 matches=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$native" "$matches" 1 --each | grep -v '^wall time' > "$out/native"
node "$wasm" "$matches" 1 --each | grep -v '^wall time' > "$out/wasm"
lines=$(grep -c '^seed ' "$out/native")
if [ "$lines" -ne "$matches" ]; then
  echo "the native simulator printed $lines matches, not $matches"
  exit 1
fi
if ! diff "$out/native" "$out/wasm" > "$out/diff"; then
  echo "the simulators differ:"
  head -20 "$out/diff"
  exit 1
fi
echo "$matches matches alike"
