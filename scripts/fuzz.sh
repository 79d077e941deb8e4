#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (address and undefined-behaviour sanitizers) in
# build-fuzz and runs each for a bounded time, one after the other: the .zul reader, the settings
# reader, the calculation of every study that reads, the report template reader and filler, the
# definition files, and the preview's print file reader and page layout, figure files and
# metafile player.  Usage: scripts/fuzz.sh [SECONDS per target, 60] [TARGET ...]
# A finding is written to fuzz/crash-*, fuzz/leak-* or fuzz/timeout-* and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZUL_BUILD_FUZZ=ON -DZUL_BUILD_GUI=ON -DZUL_BUILD_TESTS=OFF \
  -DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers" >/dev/null
all_targets=(input_file settings calc template definitions print_file figure_files metafile)
targets=("${all_targets[@]}")
if [ $# -gt 1 ]; then targets=("${@:2}"); fi
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# Every file the targets write goes below one folder of this run, in memory where possible,
# removed when the script ends in any way (a finding aborts a target before it cleans up).
shm=/dev/shm
[ -d "$shm" ] && [ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
ZUL_FUZZ_FOLDER="$(mktemp -d "$shm/zul-fuzz-run.XXXXXX")"
export ZUL_FUZZ_FOLDER
trap 'rm -rf "$ZUL_FUZZ_FOLDER"' EXIT

# Seeds: the bundled studies and a settings file in the shape the program writes.
for target in "${all_targets[@]}"; do mkdir -p "fuzz/corpus-$target"; done
# Seeds kept with the targets: a report template, the definition files, a figure and its index,
# a print file with its records and a graph metafile as the program writes them.
for target in template definitions print_file figure_files metafile; do
  cp fuzz/seeds/$target/* "fuzz/corpus-$target/"
done
cp examples/*.zul fuzz/corpus-input_file/
# The calculation target reads its first byte as the choice: 0 to 3 a bundled study with changed
# lines, 4 the rest as a whole file.
for i in 0 1 2 3; do printf "\\x0$i" > fuzz/corpus-calc/seed-$i; done
for f in examples/*.zul; do { printf '\x04'; cat "$f"; } > "fuzz/corpus-calc/seed-$(basename "$f")"; done
printf 'FileName\r\n[MenuMain]\r\nTop=1200\r\nLeft=-15\r\n[FileName]\r\nInitDir=/home/user\r\nFileName1=/home/user/a.zul\r\n[Chapter]\r\nMethod=2\r\n' \
  > fuzz/corpus-settings/seed.ini

# The preview's targets draw text through Qt and fontconfig, which keeps its caches to the end.
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
status=0
for target in "${targets[@]}"; do
  echo "== fuzz_$target for ${seconds} s" >&2
  dict=()
  case "$target" in input_file | calc) dict=(-dict=fuzz/zul.dict) ;; esac
  build-fuzz/fuzz/fuzz_$target fuzz/corpus-$target "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -max_len=16384 -print_final_stats=1 -artifact_prefix=fuzz/ || status=1
done
exit $status
