#!/usr/bin/env bash
# The program's command line as a user meets it, with no display at all: help
# and version (with the licence) on stdout, each refusal one line on stderr
# with a non-zero status, and only then the look for a display; a display
# named but not to be opened, a full disk or a closed stdout, and a
# comma-decimal locale.
#   command_line_test.sh PROGRAM VERSION SIMULATE
set -euo pipefail
ulimit -c 0
program=$1 version=$2 simulate=$3
out=$(mktemp)
err=$(mktemp)
runtime=$(mktemp -d)  # the toolkit's runtime directory, so that it has nothing to say about one
trap 'rm -rf "$out" "$err" "$runtime"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# run STATUS ARGUMENTS...: the program, without a display but for the
# NAME=VALUE words in the array `with`, must end with STATUS.
with=()
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime")
start() { "${nodisplay[@]}" ${with[@]+"${with[@]}"} "$program" "$@"; }
run() {
  local expected=$1 status=0
  shift
  start "$@" >"$out" 2>"$err" || status=$?
  [ "$status" = "$expected" ] || fail "'$(shown "$@")' ends with $status, not $expected: $(cat "$out" "$err")"
}

# shown ARGUMENTS...: the arguments for a message, cut short.
shown() {
  local all="$*"
  echo "${all:0:80}"
}

# oneLine SAYS: stderr is one line of at most 200 characters without control
# characters, "blunderfest: " and then SAYS somewhere.
oneLine() {
  [ "$(wc -l <"$err")" = 1 ] && [ "$(wc -c <"$err")" -le 200 ] &&
    ! tr -d '\n' <"$err" | LC_ALL=C grep -q '[[:cntrl:]]' &&
    grep -q "^blunderfest: " "$err" && grep -qF -- "$1" "$err"
}

run 0 --help
grep -q -- "--seed <N>" "$out" && grep -q -- "--scale <F>" "$out" && grep -q -- "--fullscreen" "$out" &&
  grep -q -- "--voice" "$out" && grep -q -- "--match <CODE>" "$out" && grep -q -- "--at <MM:SS>" "$out" &&
  grep -q -- "--transcript" "$out" &&
  [ ! -s "$err" ] || fail "--help: $(cat "$out" "$err")"
run 0 --version
[ "$(head -n 1 "$out")" = "blunderfest $version" ] && grep -q "^License GPLv3+: GNU GPL version 3 or later" "$out" &&
  [ ! -s "$err" ] || fail "--version: $(cat "$out" "$err")"

# refused SAYS ARGUMENTS...: status 2, nothing on stdout, SAYS in one line;
# a value from outside is quoted shortened and with its control characters
# written out.
refused() {
  local says=$1
  shift
  run 2 "$@"
  [ ! -s "$out" ] && oneLine "$says" || fail "'$(shown "$@")': $(cat "$out" "$err")"
}
long=$(printf 'a%.0s' {1..100000})
refused "Unknown option 'bogus'" --bogus
refused "not 'abc'" --seed abc
refused "The scale must be a number from 1 to 4" --scale 9
refused "Unexpected argument 'extra'" extra
refused "not '${long:0:40}...'" --seed "$long"
refused "Unknown option '${long:0:40}...'" "--$long"
refused "not '\\x1b[31mRED\\x1b[0m'" --seed $'\e[31mRED\e[0m'
refused "Unexpected argument 'a\\x0ab'" $'a\nb'
refused "Unknown option '\\x1b[2J'" $'--\e[2J'
refused "A match code has 24 characters; this one has 100000." --match "$long"
refused "This match code is mistyped" --match BGE2ij6F5usAAAmkUwpsiewk
refused "--at goes with --match" --at 20:05

# A code or a time is refused in the same words by the program and the
# simulator: a byte-order mark is a character like any other.
sameRefusal() {
  local says=$1 status=0
  shift
  refused "$says" "$@"
  "$simulate" "$@" >"$out" 2>"$err" || status=$?
  [ $status = 2 ] && [ ! -s "$out" ] && grep -qxF -- "simulate: $says" "$err" ||
    fail "simulate '$(shown "$@")' ends with $status: $(cat "$out" "$err")"
}
wide=$(printf '\xef\xbc\xa1%.0s' {1..24})
sameRefusal "A match code has 24 characters; this one has 25." --match $'\xef\xbb\xbf'BGE2ij6F5usAAAmkUwpsiewj
sameRefusal "A match code holds only letters, digits, '-' and '_'; its character 1 is not one." --match "$wide"
sameRefusal "A match code holds only letters, digits, '-' and '_'; its character 21 is not one." \
  --match $'BGE2ij6F5usAAAmkUwps\e[0m'
sameRefusal "This match code is mistyped: its check characters do not match the rest." \
  --match bge2ij6f5usaaamkuwpsiewj
sameRefusal "A match time is minutes and seconds, such as 20:05: 99:99 has 99 seconds." \
  --match BGE2ij6F5usAAAmkUwpsiewj --at 99:99

# The simulator's own command line: help, and refusals that quote no
# control character raw.
simulated() {
  local expected=$1 says=$2 status=0
  shift 2
  "$simulate" "$@" >"$out" 2>"$err" || status=$?
  [ $status = "$expected" ] && grep -qF -- "$says" "$out" "$err" &&
    ! tr -d '\n' <"$err" | LC_ALL=C grep -q '[[:cntrl:]]' ||
    fail "simulate '$(shown "$@")' ends with $status: $(cat "$out" "$err")"
}
simulated 0 "usage: simulate" --help
simulated 2 "simulate: --match needs a match code after it." --match
simulated 2 "simulate: unexpected argument '3'. See --help." 1 2 3
simulated 2 "simulate: unexpected argument '\x1b[2J'. See --help." $'\e[2J'
simulated 2 "simulate: --golden goes alone." --golden 5

# Good options get as far as looking for a display.
run 1 --seed 1998 --scale 2 --voice
oneLine "no display" || fail "--seed 1998 --scale 2 --voice without a display: $(cat "$err")"
run 1 --match BGE2ij6F5usAAAmkUwpsiewj --at 20:05 --transcript
oneLine "no display" || fail "--match with --at and --transcript without a display: $(cat "$err")"

# A display that is named but cannot be opened is one line, not an abort.
for named in DISPLAY=:4242 QT_QPA_PLATFORM=nonsense WAYLAND_DISPLAY=wayland-0; do
  for options in "" "--scale 2"; do
    with=("$named")
    # shellcheck disable=SC2086 # the options split at their blanks
    run 1 $options
    oneLine "could not open the display ($named)." || fail "$named $options: $(cat "$err")"
  done
done
with=()

# Help and version that cannot be written fail.
for option in --help --version; do
  for stdout in full closed; do
    status=0
    if [ $stdout = full ]; then
      start $option >/dev/full 2>"$err" || status=$?
    else
      start $option >&- 2>"$err" || status=$?
    fi
    [ $status = 1 ] && oneLine "could not write the ${option#--}" ||
      fail "$option to a $stdout stdout ends with $status: $(cat "$err")"
  done
done

# A comma-decimal locale prints the scale as the option reads it. The locale
# is built where the machine lacks it; the window is ended once it has spoken.
if ! locale -a | grep -qx 'de_DE.utf8'; then
  localedef -c -i de_DE -f UTF-8 "$runtime/de_DE.UTF-8" >/dev/null 2>&1 || true
  export LOCPATH=$runtime
fi
LC_ALL=de_DE.UTF-8 locale decimal_point | grep -qx ',' || fail "no de_DE.UTF-8 with its decimal comma"
"${nodisplay[@]}" LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen "$program" --scale 3.5 >"$out" 2>"$err" &
window=$!
for _ in $(seq 300); do
  grep -q "using" "$err" && break
  sleep 0.1
done
kill "$window" 2>/dev/null || true
wait "$window" || true
grep -Eq "^blunderfest: a scale of 3\.5 does not fit the screen \([0-9]+ x [0-9]+ pixels free\); using [0-9]+\.[0-9]+\.$" "$err" ||
  fail "--scale 3.5 under de_DE.UTF-8: $(cat "$err")"
echo "the command line: help, version, refusals, good options, broken displays, failed writes and" \
  "a comma-decimal locale as expected"
