#!/usr/bin/env bash
# Soaks the real program: whole matches on a virtual X display with a window
# manager, driven by random clicks and keys (xdotool) on the builder's lists
# and buttons, the information sheets, the pitch and the keyboard, ended at a
# random moment by "&Exit", by closing the window, or by the match itself.
# Reports per run the exit status, the time from the ending action to the
# exit, resident memory after kick-off and after ten minutes of match, and
# the CPU share during the match.
#
#   tools/soak.sh [RUNS] [MINUTES]     (3 runs, matches of up to 12 minutes)
#
# The ending action comes at a random moment from SOAK_EARLIEST seconds of
# match on (60 by default; 660 lets every run that is not ended by the match
# itself reach ten minutes).
# Needs xvfb, openbox and xdotool (Debian packages of those names) and a built
# ./build/blunderfest. Runs go side by side, each on a display of its own.
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
minutes=${2:-12}
program=$PWD/build/blunderfest
[ -x "$program" ] || { echo "soak: build the program first (./run.sh or cmake --build build)"; exit 2; }
for tool in Xvfb openbox xdotool; do
  command -v $tool >/dev/null || { echo "soak: $tool is missing (apt-get install xvfb openbox xdotool)"; exit 2; }
done
out=$(mktemp -d /tmp/soak.XXXXXX)

# Window pixels of the design's buttons and lists: the builder and the
# lineups are centred on the window as start-up places them.
go=(337 364); kickoff=(353 294); matchExit=(37 478)
lists=(154,233 220,233 294,233 155,303 219,303 293,303)
randoms=(370,232 370,302); sheets=(419,232 419,302)

rss() { awk '/VmRSS/ {print $2}' "/proc/$1/status" 2>/dev/null; }
ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null; }
now() { date +%s.%N; }

one_run() {
  local run=$1 display=$((90 + $1)) seed=${SOAK_SEED:-$((RANDOM * 32768 + RANDOM))}
  local log=$out/run$run.txt
  RANDOM=$seed
  Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  local xvfb=$!
  sleep 1
  export DISPLAY=:$display
  openbox >/dev/null 2>&1 &
  local wm=$!
  sleep 1
  "$program" --seed $seed >/dev/null 2>&1 &
  local pid=$!
  local win
  win=$(xdotool search --sync --onlyvisible --pid $pid 2>/dev/null | head -1)
  at() { xdotool mousemove --window "$win" "$1" "$2" click 1 2>/dev/null; }  # a window pixel
  # The builder: lists, "&Random", "i." sheets, in random order.
  for ((k = RANDOM % 6; k > 0; --k)); do
    case $((RANDOM % 3)) in
      0) IFS=, read -r x y <<<"${lists[RANDOM % 6]}"; at $x $y; sleep 0.5
         for ((d = RANDOM % 5; d > 0; --d)); do xdotool key Down; done; xdotool key Return ;;
      1) IFS=, read -r x y <<<"${randoms[RANDOM % 2]}"; at $x $y ;;
      2) IFS=, read -r x y <<<"${sheets[RANDOM % 2]}"; at $x $y; sleep 1; xdotool key Return ;;
    esac
    sleep 0.5
  done
  at "${go[@]}"; sleep 1
  at "${kickoff[@]}"; sleep 5
  xwd -root -silent >"$out/run$run-kickoff.xwd" 2>/dev/null
  local rssStart cpu0 t0 ending endAt
  rssStart=$(rss $pid); cpu0=$(ticks $pid); t0=$(now)
  # How it ends: the user's "&Exit", closing the window, or the match itself.
  ending=$(( RANDOM % 3 ))
  local earliest=${SOAK_EARLIEST:-60}
  endAt=$(( earliest + RANDOM % (minutes * 60 - earliest) ))
  [ $ending -eq 2 ] && endAt=$((minutes * 60))
  local rss10="" lastRss=$rssStart elapsed=0 action="" actionTime="" cpuMatch=$cpu0 wall=0
  while kill -0 $pid 2>/dev/null && [ $elapsed -lt $endAt ]; do
    sleep 5
    elapsed=$(printf '%.0f' "$(echo "$(now) - $t0" | bc)")
    kill -0 $pid 2>/dev/null && { lastRss=$(rss $pid); cpuMatch=$(ticks $pid); wall=$(echo "$(now) - $t0" | bc); }
    [ -z "$rss10" ] && [ $elapsed -ge 600 ] && rss10=$lastRss
    # Idle hands: a click on the pitch or a harmless key now and then.
    case $((RANDOM % 4)) in
      0) at $((60 + RANDOM % 560)) $((150 + RANDOM % 250)) ;;
      1) xdotool key --window "$win" "$(shuf -n1 -e Tab Down Up Escape)" 2>/dev/null ;;
    esac
  done
  if kill -0 $pid 2>/dev/null; then
    actionTime=$(now)
    xwd -root -silent >"$out/run$run-ending.xwd" 2>/dev/null
    case $ending in
      0) action="Exit"; at "${matchExit[@]}" ;;
      *) action="close"; xdotool windowactivate --sync "$win" key --clearmodifiers alt+F4 2>/dev/null ;;
    esac
  else
    action="the match ended itself"
  fi
  wait $pid; local status=$?
  local toExit="-"
  [ -n "$actionTime" ] && toExit=$(printf '%.1f s' "$(echo "$(now) - $actionTime" | bc)")
  local share="-"
  [ "$wall" != 0 ] && share=$(printf '%.2f%%' "$(echo "($cpuMatch - $cpu0) / $(getconf CLK_TCK) / $wall * 100" | bc -l)")
  printf 'run %d  seed %-10d  %-22s after %4.0f s  exit status %d  to exit %-7s  RSS after kick-off %6s kB, after 10 min %6s kB (last %s kB)  CPU %s\n' \
    "$run" "$seed" "$action" "$wall" "$status" "$toExit" "$rssStart" "${rss10:--}" "$lastRss" "$share" >"$log"
  kill $wm $xvfb 2>/dev/null
  wait $wm $xvfb 2>/dev/null
}

for ((r = 1; r <= runs; ++r)); do one_run $r & sleep 2; done
wait
cat "$out"/run*.txt
! grep -q 'exit status [^0]' "$out"/run*.txt
