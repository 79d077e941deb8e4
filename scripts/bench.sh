#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench) and runs them on one core.  Reports the time
# per CalcPaRa run, the time of the worst-case study table, the peak memory of the run, the
# time of a borehole import (100 layers, 100 tests), the time of the full report of the
# worst-case study as PDF from zul-cli (a Release build with Qt, build-bench-pdf), and the time
# and peak memory of Preview on print files past its bounds (bench/preview-bounds.sh), and the
# memory and time of zul-cli on hostile inputs (scripts/hostile/bounds.sh).
# Usage: scripts/bench.sh [extra Google Benchmark arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUL_BUILD_BENCH=ON \
  -DZUL_BUILD_GUI=OFF -DZUL_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target calc_bench borehole_bench -j"$(nproc)"
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

# Import of a borehole exchange file of 100 layers and 100 tests (target: well under 10 ms).
"${runner[@]}" build-bench/program/borehole_bench

# Site study: one borehole with a table of 3 diameters x 20 lengths (target: under 10 ms), then
# `zul-cli site` over 4000 generated boreholes on two cores, the whole process (targets: well
# under 20 s, peak memory under 500 MB).
cmake --build build-bench --target site_bench zul-cli -j"$(nproc)"
"${runner[@]}" build-bench/program/site_bench
site_folder="$(mktemp -d "${TMPDIR:-/tmp}/zul-bench-site.XXXXXX")"
build-bench/program/site_bench --generate "$site_folder" 4000
site_runner=()
if command -v taskset >/dev/null && [ "$(nproc)" -ge 2 ]; then site_runner=(taskset -c 0,1); fi
if [ -x /usr/bin/time ]; then
  { /usr/bin/time -f "site study, 4000 boreholes, --jobs 2: %e s, peak memory %M kB" \
    "${site_runner[@]}" build-bench/program/zul-cli site "$site_folder/base.zul" "$site_folder/bores" \
    --out-dir "$site_folder/studies" --load-ra 400,600 --jobs 2 --json --csv "$site_folder/site.csv" \
    >/dev/null; } 2>&1 | tail -n 1
fi
rm -rf "$site_folder"

# The full report of the worst-case study as PDF from `zul-cli report --pdf`, the whole process
# (target: under 1 s).  zul-cli draws PDFs only with the Qt layers: a build of its own.
cmake -S . -B build-bench-pdf -G Ninja -DCMAKE_BUILD_TYPE=Release -DZUL_BUILD_BENCH=ON \
  -DZUL_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench-pdf --target report_pdf_bench -j"$(nproc)"
"${runner[@]}" build-bench-pdf/program/report_pdf_bench --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true

# The preview on print files far past its bounds and just inside them: time and peak memory of
# `Preview --pdf` (each within seconds and some tens of MB), beside a real report.
cmake --build build-bench-pdf --target Preview zul-cli -j"$(nproc)"
report_folder="$(mktemp -d "${TMPDIR:-/tmp}/zul-bench-report.XXXXXX")"
trap 'rm -rf "$report_folder"' EXIT
build-bench-pdf/program/zul-cli report examples/end-bearing-pile.zul --print-file "$report_folder/real.prn" \
  --pdf "$report_folder/real.pdf" --program-folder build-bench-pdf/program >/dev/null
bench/preview-bounds.sh build-bench-pdf/program/Preview "$report_folder/real.prn"

# Bounded work of zul-cli on hostile inputs: borehole files under the 32 MB limit (peak memory
# under 200 MB, under 1 s of processor time each), a report template and a settings file far
# past their bounds, and the study table at its limit as JSON (rows streamed).
scripts/hostile/bounds.sh build-bench-pdf
