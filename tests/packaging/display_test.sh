#!/usr/bin/env bash
# The program on virtual displays without a window manager: where its window
# lies on a small screen, on a large one and full screen, that it ends when
# another program destroys its window, and that an 8-bit display is refused
# in one line.
#   display_test.sh PROGRAM
set -euo pipefail
ulimit -c 0
# The program is to find the virtual display that xvfb-run names, and no other.
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
program=$1
runtime=$(mktemp -d)  # the toolkit's runtime directory, so that it has nothing to say about one
err=$runtime/err
trap 'rm -rf "$runtime"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# shown SCREEN ARGUMENTS...: starts the program on a new display of SCREEN
# (WxHxDEPTH), waits for its window, prints the window's place and size, then
# destroys the window as another program would and prints how the program
# ended: "X=291 Y=244 WIDTH=691 HEIGHT=506 status=0".
shown() {
  local screen=$1
  shift
  XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 $screen -nolisten tcp" bash -c '
    "$@" 2>/dev/null &
    program=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid $program | head -1)
    xdotool getwindowgeometry --shell "$window" | grep -E "^(X|Y|WIDTH|HEIGHT)=" | tr "\n" " "
    xdotool windowclose "$window"
    for _ in $(seq 300); do kill -0 $program 2>/dev/null || break; sleep 0.1; done
    if kill -0 $program 2>/dev/null; then
      kill $program
      echo "status=running"
    else
      status=0
      wait $program || status=$?
      echo "status=$status"
    fi' _ "$program" "$@"
}

while IFS='|' read -r screen arguments expected; do
  # shellcheck disable=SC2086 # the arguments split at their blanks
  got=$(shown "$screen" $arguments)
  [ "$got" = "$expected" ] || fail "on $screen with '$arguments': '$got', not '$expected'"
done <<'CASES'
1280x1024x24||X=291 Y=244 WIDTH=691 HEIGHT=506 status=0
320x240x24||X=0 Y=0 WIDTH=691 HEIGHT=506 status=0
640x480x24|--seed 3|X=0 Y=0 WIDTH=691 HEIGHT=506 status=0
1280x1024x24|--fullscreen|X=0 Y=0 WIDTH=1280 HEIGHT=1024 status=0
640x480x24|--fullscreen|X=0 Y=0 WIDTH=640 HEIGHT=480 status=0
CASES

status=0
XDG_RUNTIME_DIR=$runtime xvfb-run -a -s "-screen 0 1280x1024x8 -nolisten tcp" \
  "$program" 2>"$err" || status=$?
[ $status = 1 ] && [ "$(wc -l <"$err")" = 1 ] && grep -q "^blunderfest: the display .* has 8 bits a pixel" "$err" ||
  fail "an 8-bit display ends with $status: $(head -c 2000 "$err")"
echo "the display: the window placed on small and large screens and full screen, ended when destroyed," \
  "an 8-bit display refused"
