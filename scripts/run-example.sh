#!/usr/bin/env bash
# Builds the programs (zul, zul-cli and the Preview that the print menu starts) and opens the
# bundled example study in the desktop program.
# Usage: scripts/run-example.sh [FILE.zul]
# Without a display (no $DISPLAY / $WAYLAND_DISPLAY) it prints the allowable values of the
# example with zul-cli instead.
set -euo pipefail
cd "$(dirname "$0")/.."
example="${1:-examples/end-bearing-pile.zul}"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target zul zul-cli Preview
build/program/zul-cli calc "$example"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/program/zul "$example"
fi
echo "(no display: the desktop program was built as build/program/zul)" >&2
