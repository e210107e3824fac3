#!/usr/bin/env bash
# Installs what the tests need and is missing, builds the program, its tools,
# benchmarks and web page, and runs every test.
cd "$(dirname "$0")"
source scripts/common.sh
install_missing "${TEST_PACKAGES[@]}"
build "${TEST_BUILD[@]}"
ctest --test-dir build --output-on-failure -j"$(nproc)"
