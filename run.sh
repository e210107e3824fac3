#!/usr/bin/env bash
# Installs what is missing, builds and opens the window.
cd "$(dirname "$0")"
source scripts/common.sh
install_missing
build build blunderfest
exec ./build/blunderfest
