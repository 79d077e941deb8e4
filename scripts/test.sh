#!/usr/bin/env bash
# Builds everything and runs every test (core tests with GoogleTest, screens with QtTest on
# the offscreen platform).  Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
