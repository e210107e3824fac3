#!/usr/bin/env bash
# What the README's three commands install on a machine that has none of their
# packages: ./run.sh the window's needs only, ./web.sh no Qt, ./test.sh all of
# both. The commands run from a copy of the scripts, with dpkg-query, apt-get,
# sudo and the build tools stood in for, so nothing is installed or built.
#   install_lists_test.sh SOURCE_DIR
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/tree" "$work/bin"
cp -r "$source/run.sh" "$source/web.sh" "$source/test.sh" "$source/scripts" "$work/tree"
stub() { printf '#!/bin/sh\n%s\n' "$2" >"$work/bin/$1" && chmod +x "$work/bin/$1"; }
stub dpkg-query 'exit 1'  # nothing is installed
stub sudo 'exec "$@"'
stub apt-get '[ "$1" = install ] && printf "%s\n" "$@" >>"$ASKED"; exit 0'
for tool in cmake ctest emcmake node; do stub $tool 'exit 0'; done

# asked COMMAND: the packages COMMAND asks apt-get for, one a line.
asked() {
  rm -f "$work/asked"
  touch "$work/asked"
  ASKED=$work/asked PATH="$work/bin:$PATH" "$work/tree/$1" >/dev/null 2>&1 || true
  grep -v '^-' "$work/asked" | grep -vx install | sort -u
}
run=$(asked run.sh)
web=$(asked web.sh)
all=$(asked test.sh)

for p in g++ cmake qt6-base-dev qt6-speech-flite-plugin fonts-liberation2; do
  grep -qx "$p" <<<"$run" || fail "./run.sh does not install $p: $run"
done
for p in chromium emscripten npm lintian libgtest-dev libbenchmark-dev xdotool locales xvfb; do
  grep -qx "$p" <<<"$run" && fail "./run.sh installs $p, which the window does not need"
done
grep -qx emscripten <<<"$web" || fail "./web.sh does not install emscripten: $web"
grep -E '^(lib)?qt6' <<<"$web" && fail "./web.sh installs Qt"
missing=$(comm -23 <(sort -u <<<"$run"$'\n'"$web") <(sort -u <<<"$all"))
[ -z "$missing" ] || fail "./test.sh does not install what the others do: $missing"
for p in chromium lintian libgtest-dev libbenchmark-dev xdotool locales; do
  grep -qx "$p" <<<"$all" || fail "./test.sh does not install $p"
done
echo "the install lists: ./run.sh $(wc -l <<<"$run") packages, ./web.sh $(wc -l <<<"$web"), ./test.sh $(wc -l <<<"$all")"
