#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
cd "$(dirname "$0")"
source scripts/common.sh
install_missing
build build
ctest --test-dir build --output-on-failure -j"$(nproc)"
