#!/usr/bin/env bash
# The simulator built for WebAssembly and run under node plays the same
# matches as the native one: for every seed the same end, skits, nesting,
# commentary lines at the same steps and code, and the same figures in the
# summary; and a few of those codes replay, whole and from a minute on, as
# the same lines with the same match clock (or the same refusal of a time
# past the match's end).
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
codes=$(awk '/^seed / && NR % 50 == 1 { print $NF }' "$out/native")
for code in $codes; do
  for at in 00:00 20:05; do
    # A match that ends before the time is refused alike, with when it ended.
    "$native" --match "$code" --at "$at" --transcript > "$out/native" 2>&1 || echo "status $?" >> "$out/native"
    node "$wasm" --match "$code" --at "$at" --transcript > "$out/wasm" 2>&1 || echo "status $?" >> "$out/wasm"
    if [ ! -s "$out/native" ] && [ "$at" = 00:00 ]; then
      echo "the match of $code has no lines"
      exit 1
    fi
    if ! cmp -s "$out/native" "$out/wasm"; then
      echo "the simulators replay $code from $at differently:"
      diff "$out/native" "$out/wasm" | head -20
      exit 1
    fi
  done
done
echo "$matches matches alike, and the replays of $(echo $codes | wc -w) of their codes"
