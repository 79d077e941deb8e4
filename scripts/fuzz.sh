#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (address and undefined-behaviour sanitizers) in
# build-fuzz and runs each for a bounded time, one after the other: the .zul reader, the settings
# reader, the calculation of every study that reads, the borehole exchange file reader with its
# import, the report template reader and filler, the definition files, and the preview's print
# file reader and page layout, figure files and metafile player.  Usage: scripts/fuzz.sh [SECONDS per target, 60] [TARGET ...]
# A finding is written to fuzz/crash-*, fuzz/leak-* or fuzz/timeout-* and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZUL_BUILD_FUZZ=ON -DZUL_BUILD_GUI=ON -DZUL_BUILD_TESTS=OFF \
  -DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers" >/dev/null
all_targets=(input_file settings calc borehole borehole_source template definitions print_file figure_files metafile)
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
# a print file with its records, a graph metafile and a borehole source block as the program
# writes them.
for target in borehole_source template definitions print_file figure_files metafile; do
  cp fuzz/seeds/$target/* "fuzz/corpus-$target/"
done
cp examples/*.zul fuzz/corpus-input_file/
# The calculation target reads its first byte as the choice: 0 to 3 a bundled study with changed
# lines, 4 the rest as a whole file.
for i in 0 1 2 3; do printf "\\x0$i" > fuzz/corpus-calc/seed-$i; done
for f in examples/*.zul; do { printf '\x04'; cat "$f"; } > "fuzz/corpus-calc/seed-$(basename "$f")"; done
printf 'FileName\r\n[MenuMain]\r\nTop=1200\r\nLeft=-15\r\n[FileName]\r\nInitDir=/home/user\r\nFileName1=/home/user/a.zul\r\n[Chapter]\r\nMethod=2\r\n' \
  > fuzz/corpus-settings/seed.ini
# A small borehole of each layout (the first byte chooses the import options).
printf '\x00<?xml version="1.0" encoding="Shift_JIS"?><ボーリング情報 DTD_version="2.10"><孔口標高>1.5</孔口標高><土質岩種区分><土質岩種区分_下端深度>2.00</土質岩種区分_下端深度><土質岩種区分_土質岩種区分1>シルト質砂</土質岩種区分_土質岩種区分1></土質岩種区分><土質岩種区分><土質岩種区分_下端深度>5.5</土質岩種区分_下端深度><土質岩種区分_土質岩種区分1>砂岩</土質岩種区分_土質岩種区分1></土質岩種区分><標準貫入試験><標準貫入試験_開始深度>1.15</標準貫入試験_開始深度><標準貫入試験_合計打撃回数>12</標準貫入試験_合計打撃回数><標準貫入試験_合計貫入量>30</標準貫入試験_合計貫入量></標準貫入試験><孔内水位><孔内水位_孔内水位>1.2</孔内水位_孔内水位></孔内水位></ボーリング情報>' \
  > fuzz/corpus-borehole/seed-2.xml
printf '\x05<ボーリング情報 DTD_version="3.00"><岩石土区分><岩石土区分_下端深度>3</岩石土区分_下端深度><岩石土区分_岩石土名>粘土</岩石土区分_岩石土名></岩石土区分><標準貫入試験><標準貫入試験_開始深度>1</標準貫入試験_開始深度><標準貫入試験_合計打撃回数>50</標準貫入試験_合計打撃回数><標準貫入試験_合計貫入量>8</標準貫入試験_合計貫入量></標準貫入試験></ボーリング情報>' \
  > fuzz/corpus-borehole/seed-3.xml
printf '\x0b<ボーリング情報 DTD_version="4.00"><工学的地質区分名現場土質名><工学的地質区分名現場土質名_下端深度>4</工学的地質区分名現場土質名_下端深度><工学的地質区分名現場土質名_工学的地質区分名現場土質名>砂礫</工学的地質区分名現場土質名_工学的地質区分名現場土質名></工学的地質区分名現場土質名><標準貫入試験><標準貫入試験_開始深度>1</標準貫入試験_開始深度><標準貫入試験_0_100打撃回数/><標準貫入試験_合計打撃回数>5</標準貫入試験_合計打撃回数><標準貫入試験_合計貫入量>300</標準貫入試験_合計貫入量></標準貫入試験><孔内水位><孔内水位_孔内水位>-99.99</孔内水位_孔内水位></孔内水位></ボーリング情報>' \
  > fuzz/corpus-borehole/seed-4.xml


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
