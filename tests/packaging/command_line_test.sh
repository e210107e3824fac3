#!/usr/bin/env bash
# The program's command line as a user meets it, with no display at all: help
# and version (with the licence) on stdout, each refusal one line on stderr
# with a non-zero status, and only then the look for a display.
#   command_line_test.sh PROGRAM VERSION
set -euo pipefail
program=$1 version=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# run STATUS ARGUMENTS...: the program must end with STATUS.
run() {
  local expected=$1 status=0
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$out" 2>"$err" || status=$?
  [ "$status" = "$expected" ] || fail "'$*' ends with $status, not $expected: $(cat "$out" "$err")"
}

run 0 --help
grep -q -- "--seed <N>" "$out" && grep -q -- "--scale <F>" "$out" && grep -q -- "--fullscreen" "$out" &&
  grep -q -- "--voice" "$out" &&
  [ ! -s "$err" ] || fail "--help: $(cat "$out" "$err")"
run 0 --version
[ "$(head -n 1 "$out")" = "blunderfest $version" ] && grep -q "^License GPLv3+: GNU GPL version 3 or later" "$out" &&
  [ ! -s "$err" ] || fail "--version: $(cat "$out" "$err")"

while IFS='|' read -r arguments says; do
  # shellcheck disable=SC2086 # the arguments split at their blanks
  run 2 $arguments
  [ ! -s "$out" ] && [ "$(wc -l <"$err")" = 1 ] && grep -q "^blunderfest: .*$says" "$err" ||
    fail "'$arguments': $(cat "$out" "$err")"
done <<'CASES'
--bogus|Unknown option 'bogus'
--seed abc|not 'abc'
--scale 9|The scale must be a number from 1 to 4
extra|Unexpected argument 'extra'
CASES

# Good options get as far as looking for a display.
run 1 --seed 1998 --scale 2 --voice
grep -q "^blunderfest: no display" "$err" && [ "$(wc -l <"$err")" = 1 ] ||
  fail "--seed 1998 --scale 2 --voice without a display: $(cat "$err")"
echo "the command line: help, version, refusals and good options as expected"
