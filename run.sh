#!/usr/bin/env bash
# Installs what the window needs and is missing, builds it and opens it.
cd "$(dirname "$0")"
source scripts/common.sh
install_missing "${RUN_PACKAGES[@]}"
build "${RUN_BUILD[@]}"
exec ./build/blunderfest
