#!/usr/bin/env bash
# Installs what the web site needs and is missing, builds the broadcast as a
# static web site in build/web/site and serves it on 127.0.0.1 (PORT, or 8098
# by default).
cd "$(dirname "$0")"
source scripts/common.sh
install_missing "${WEB_PACKAGES[@]}"
build_web "${WEB_BUILD[@]}"
exec node web/serve.js build/web/site "${PORT:-8098}"
