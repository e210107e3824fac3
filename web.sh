#!/usr/bin/env bash
# Installs what is missing, builds the broadcast as a static web site in
# build/web/site and serves it on 127.0.0.1 (PORT, or 8098 by default).
cd "$(dirname "$0")"
source scripts/common.sh
# The site needs only emscripten (which brings node), the fonts it serves and
# Debian's fontTools with brotli to cut them.
install_missing cmake make emscripten fonts-liberation2 python3-fonttools python3-brotli
# Debian's emscripten runs its helpers with the node on PATH and keeps their
# modules under /usr/share/nodejs.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build/web -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build/web --target site -j"$(nproc)"
exec node web/serve.js build/web/site "${PORT:-8098}"
