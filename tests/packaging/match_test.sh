#!/usr/bin/env bash
# The real window replays a match's code line for line on a busy machine: on
# a virtual display, with both cores kept busy by two other processes, the
# window given --match CODE --transcript writes the same lines in its first
# minute as the simulator's replay of that code, in virtual time.
#   match_test.sh PROGRAM SIMULATE
set -euo pipefail
ulimit -c 0
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
program=$1
simulate=$2
work=$(mktemp -d)
busy=()
cleanup() {
  for pid in "${busy[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The lines of a transcript before the match clock shows 01:00.
first_minute() { awk '$1 < "01:00"'; }

code=$("$simulate" 1 7 --each | sed -n 's/.* code \([A-Za-z0-9_-]\{24\}\)$/\1/p' | head -1)
[ -n "$code" ] || fail "the simulator gave no code"
"$simulate" --match "$code" --transcript | first_minute >"$work/expected"
[ -s "$work/expected" ] || fail "the simulator's replay of $code shows no line in its first minute"

for _ in 1 2; do
  (while :; do :; done) &
  busy+=($!)
done

# The window opens on the lineups; Alt+G is their "&Go". It is closed once
# its clock has shown 01:00 (a minute of match is 12 seconds), or after two
# minutes.
XDG_RUNTIME_DIR=$work xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  "$1" --match "$2" --transcript >"$3/got" 2>"$3/err" &
  program=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid $program | head -1)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --window "$window" alt+g
  for _ in $(seq 1200); do
    awk "\$1 >= \"01:00\" { found = 1 } END { exit !found }" "$3/got" && break
    kill -0 $program 2>/dev/null || break
    sleep 0.1
  done
  xdotool windowclose "$window" 2>/dev/null || kill $program
  wait $program || true' _ "$program" "$code" "$work"

first_minute <"$work/got" >"$work/shown"
diff -u "$work/expected" "$work/shown" >"$work/diff" ||
  fail "the window's first minute of $code differs from the simulator's: $(head -c 3000 "$work/diff")"
echo "the real window on two busy cores: the first minute of $code as the simulator plays it," \
  "$(wc -l <"$work/expected") lines"
