# Shared by run.sh and test.sh: install what is missing, then configure and
# build in the given directory.
set -euo pipefail

# qt6-speech-dev's CMake files need the QML integration headers of qt6-declarative-dev,
# which Debian 12 does not pull in with it. locales holds the sources a test builds a
# Turkish and a German locale from; libxcb1-dev the X events the window watches for;
# xdotool plays another program destroying the window.
PACKAGES=(g++ cmake make qt6-base-dev qt6-svg-dev qt6-speech-dev qt6-declarative-dev
          qt6-speech-flite-plugin libgl-dev libgtest-dev libbenchmark-dev
          fonts-liberation2 xvfb xauth desktop-file-utils appstream dpkg-dev file man-db
          lintian locales libxcb1-dev xdotool emscripten chromium)
PACKAGES+=(python3-fonttools python3-brotli) # cut the page's fonts to WOFF2 at build time
# The web page's tests get their driver with npm; a node installed from
# elsewhere brings its own npm, which Debian's package would clash with.
command -v npm >/dev/null 2>&1 || PACKAGES+=(npm)

# install_missing [PACKAGE...]: installs those of the packages (all of
# PACKAGES when none are named) that are not installed yet.
install_missing() {
  local wanted=("$@") missing=()
  [ ${#wanted[@]} -gt 0 ] || wanted=("${PACKAGES[@]}")
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# build DIR [TARGET] [CMAKE OPTIONS...]: configures DIR and builds TARGET (all when empty).
build() {
  local dir=$1 target=${2:-all}
  shift 2 || shift $#
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" --target "$target" -j"$(nproc)"
}
