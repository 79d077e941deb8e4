#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench) and runs them on one core.  Reports the time
# per CalcPaRa run, the time of the worst-case study table and the peak memory of the run.
# Usage: scripts/bench.sh [extra Google Benchmark arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUL_BUILD_BENCH=ON \
  -DZUL_BUILD_GUI=OFF -DZUL_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target calc_bench -j"$(nproc)"
bench=build-bench/program/calc_bench
# Pin to one core where taskset exists, so the figures are those of a single core.
runner=()
if command -v taskset >/dev/null; then runner=(taskset -c 0); fi
"${runner[@]}" "$bench" "$@"
# Peak memory of the small and the full table: flat in the number of lengths.
for lengths in 999 9990; do
  if [ -x /usr/bin/time ]; then
    rss=$( { /usr/bin/time -v "${runner[@]}" "$bench" --benchmark_filter="BM_CalcRaTable_WorstCase/lengths:${lengths}/deep:0\$" \
      --benchmark_min_time=0.01 >/dev/null; } 2>&1 | sed -n 's/.*Maximum resident set size (kbytes): //p')
    echo "peak memory, table of ${lengths} lengths x 10 diameters: ${rss} kB"
  fi
done
