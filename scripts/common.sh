# Shared by run.sh, web.sh, test.sh and .ci/run: install what a command needs
# and is missing, then configure and build in the given directory.
set -euo pipefail

# What each command needs, by Debian package.
#
# The window: qt6-speech-dev's CMake files need the QML integration headers of
# qt6-declarative-dev, which Debian 12 does not pull in with it; libxcb1-dev
# holds the X events the window watches for; the fonts are the design's.
RUN_PACKAGES=(g++ cmake make qt6-base-dev qt6-svg-dev qt6-speech-dev qt6-declarative-dev
              qt6-speech-flite-plugin libxcb1-dev fonts-liberation2)
# The web site: emscripten (which brings node, which serves the site) and the
# fonts it carries, made into WOFF2 subsets with fonttools and brotli.
WEB_PACKAGES=(cmake make emscripten fonts-liberation2 python3-fonttools python3-brotli)
# Every test: both of the above, GoogleTest and Google Benchmark; virtual
# displays and xdotool to play another program destroying the window; the
# checkers of the menu entry, the metadata, the manual page and the package;
# locales, which holds the sources a test builds a Turkish and a German locale
# from; the system's Chromium for the page's tests.
TEST_PACKAGES=("${RUN_PACKAGES[@]}" "${WEB_PACKAGES[@]}" libgtest-dev libbenchmark-dev
               xvfb xauth xdotool desktop-file-utils appstream dpkg-dev file man-db lintian
               locales chromium)
# The page's tests get their driver with npm; a node installed from elsewhere
# brings its own npm, which Debian's package would clash with.
command -v npm >/dev/null 2>&1 || TEST_PACKAGES+=(npm)

# How each command builds: the directory, the target and the options, for
# `build` (the web site's with `build_web`). .ci/run builds ./run.sh's and
# ./web.sh's exactly so, with the packages they do not install made
# unfindable.
RUN_BUILD=(build blunderfest -DBLUNDERFEST_TESTS=OFF -DBLUNDERFEST_WEB=OFF)
WEB_BUILD=(build/web site -DCMAKE_BUILD_TYPE=MinSizeRel)
TEST_BUILD=(build all -DBLUNDERFEST_TESTS=ON -DBLUNDERFEST_BENCH=ON -DBLUNDERFEST_WEB=ON)

# install_missing PACKAGE...: installs those of the packages that are not
# installed yet.
install_missing() {
  local missing=() p
  for p in $(printf '%s\n' "$@" | sort -u); do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# build DIR [TARGET] [CMAKE OPTIONS...]: configures DIR and builds TARGET (all when empty).
build() {
  local dir=$1 target=${2:-all}
  shift 2 || shift $#
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" --target "$target" -j"$(nproc)"
}

# build_web DIR TARGET [CMAKE OPTIONS...]: the same with emscripten. Debian's
# emscripten runs its helpers with the node on PATH and keeps their modules
# under /usr/share/nodejs.
build_web() {
  local dir=$1 target=$2
  shift 2
  NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B "$dir" "$@" >/dev/null
  NODE_PATH=/usr/share/nodejs cmake --build "$dir" --target "$target" -j"$(nproc)"
}
