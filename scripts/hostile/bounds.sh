#!/usr/bin/env bash
# Hostile inputs of bounded work: borehole exchange files built to exhaust memory or time, a
# report template and a settings file far past their bounds, and the study table at its own
# limit.  Each case runs the built program on a generated file and checks its exit status, what
# it says, its peak memory and its time.  The files are made in a temporary folder and removed.
# Time is processor time (user + system), which a busy machine does not stretch.
#
# Usage: scripts/hostile/bounds.sh [BUILD_FOLDER]     (default: build; needs zul-cli built)
# Prints one line per case and "all N cases passed" or the failed cases; exit status 1 on failure.
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
cli=$build/program/zul-cli
if [ ! -x "$cli" ]; then
  echo "no $cli: build it first (cmake --build $build --target zul-cli)" >&2
  exit 2
fi
if [ ! -x /usr/bin/time ]; then
  echo "needs /usr/bin/time (Debian package: time)" >&2
  exit 2
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
passed=0
failed=()

# case NAME STATUS MAX_MB MAX_SECONDS TEXT -- COMMAND...
# TEXT must occur in stderr (or stdout); empty checks nothing.
case_() {
  local name=$1 status=$2 max_mb=$3 max_s=$4 text=$5
  shift 6
  /usr/bin/time -f '%M %U %S' -o "$tmp/time" "$@" >"$tmp/out" 2>"$tmp/err"
  local got=$?
  local kb user sys secs
  read -r kb user sys < <(tail -n 1 "$tmp/time")
  secs=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')
  local mb=$((kb / 1024)) problems=()
  [ "$got" = "$status" ] || problems+=("exit $got, expected $status")
  [ "$mb" -le "$max_mb" ] || problems+=("peak ${mb} MB > ${max_mb} MB")
  awk -v s="$secs" -v m="$max_s" 'BEGIN { exit !(s <= m) }' || problems+=("${secs} s > ${max_s} s")
  if [ -n "$text" ] && ! grep -qF -- "$text" "$tmp/err" "$tmp/out"; then
    problems+=("does not say: $text")
  fi
  if [ ${#problems[@]} -eq 0 ]; then
    passed=$((passed + 1))
    printf 'ok    %-48s exit %s, %4s MB, %5s s\n' "$name" "$got" "$mb" "$secs"
  else
    failed+=("$name")
    printf 'FAIL  %-48s %s\n' "$name" "$(IFS=';'; echo "${problems[*]}")"
    sed -n '1,3p' "$tmp/err" | cut -c1-200 | sed 's/^/        /'
  fi
}

# n copies of a text, without line ends.
repeat() { yes "$2" | head -n "$1" | tr -d '\n'; }

# A borehole file: head, body (a file or "-" for stdin), tail; Shift_JIS when the 4th argument says so.
borehole() {
  local out=$1 encoding=${2:-UTF-8}
  { printf '<?xml version="1.0" encoding="%s"?>\n<ボーリング情報 DTD_version="4.00">' "$encoding"
    cat
    printf '<工学的地質区分名現場土質名><工学的地質区分名現場土質名_下端深度>5.00</工学的地質区分名現場土質名_下端深度>'
    printf '<工学的地質区分名現場土質名_工学的地質区分名現場土質名>砂</工学的地質区分名現場土質名_工学的地質区分名現場土質名></工学的地質区分名現場土質名>'
    printf '</ボーリング情報>\n'
  } | if [ "$encoding" = Shift_JIS ]; then iconv -f UTF-8 -t CP932; else cat; fi >"$out"
}

out=$tmp/out.zul
import() { case_ "$@"; }

# ---- borehole exchange files under the 32 MB limit (peak memory 200 MB, 1 s each)
repeat 2600000 '<孔内水位/>' | borehole "$tmp/water.xml" Shift_JIS
import "2.6 M empty water records, --json" 2 200 1 "要素が 100,000 個を超えています" -- \
  "$cli" import-boring "$tmp/water.xml" --out "$out" --json
repeat 8000000 '<a/>' | borehole "$tmp/small.xml"
import "33 MB of small elements" 2 200 1 "要素が 100,000 個を超えています" -- \
  "$cli" import-boring "$tmp/small.xml" --out "$out"
{ printf '<?xml version="1.0"?>\n<!DOCTYPE ボーリング情報 [<!ENTITY a "">]>\n<ボーリング情報><ボーリング名>'
  repeat 11000000 '&a;'
  printf '</ボーリング名></ボーリング情報>\n'; } >"$tmp/entities.xml"
import "11 M entity references" 2 200 1 "実体（ENTITY）を宣言したﾌｧｲﾙは読みません" -- \
  "$cli" import-boring "$tmp/entities.xml" --out "$out"
repeat 2200000 '<標準貫入試験/>' | borehole "$tmp/tests.xml" Shift_JIS
import "2.2 M empty tests" 2 200 1 "要素が 100,000 個を超えています" -- \
  "$cli" import-boring "$tmp/tests.xml" --out "$out"
repeat 99000 "<a>$(head -c 320 /dev/zero | tr '\0' x)</a>" | borehole "$tmp/full.xml"
import "99,000 elements of 320 bytes (within bounds)" 0 200 1 "取り込みました" -- \
  "$cli" import-boring "$tmp/full.xml" --out "$out"
repeat 99000 "<a>$(head -c 200 /dev/zero | tr '\0' x)ｱ</a>" | borehole "$tmp/full-sjis.xml" Shift_JIS
import "the same in Shift_JIS" 0 200 1 "取り込みました" -- \
  "$cli" import-boring "$tmp/full-sjis.xml" --out "$out"
repeat 1001 '<孔内水位/>' | borehole "$tmp/water1001.xml"
import "1,001 water records" 2 200 1 "「孔内水位」の記録が 1,000 件を超えています" -- \
  "$cli" import-boring "$tmp/water1001.xml" --out "$out" --json
repeat 2000 '<標準貫入試験><標準貫入試験_開始深度>1.15</標準貫入試験_開始深度></標準貫入試験>' |
  borehole "$tmp/tests2000.xml"
import "2,000 tests without blows, notes summarised" 0 200 1 "ほかに標準貫入試験 1995 件も打撃回数がない" -- \
  "$cli" import-boring "$tmp/tests2000.xml" --out "$out"

# ---- file errors in words (borehole XML)
{ printf '<ボーリング情報><ボーリング名>'; head -c 11000000 /dev/zero | tr '\0' a; printf '</ボーリング名></ボーリング情報>'; } >"$tmp/text.xml"
import "XML text over 10 MB" 2 200 1 "ﾀｸﾞのない文字が 10 MB を超えて" -- "$cli" import-boring "$tmp/text.xml" --out "$out"
printf '<ボーリング情報><ボーリング名>あ' | head -c -1 >"$tmp/cut.xml"
import "a cut character" 2 200 1 "ﾌｧｲﾙが文字の途中で終わっています" -- "$cli" import-boring "$tmp/cut.xml" --out "$out"
printf '<ボーリング情報>\n<ボーリング名>a\0b</ボーリング名></ボーリング情報>' >"$tmp/nul.xml"
import "a NUL" 2 200 1 "2 行目に NUL 文字" -- "$cli" import-boring "$tmp/nul.xml" --out "$out"
printf '<工学的地質区分名現場土質名><工学的地質区分名現場土質名_工学的地質区分名現場土質名>砂</工学的地質区分名現場土質名_工学的地質区分名現場土質名></工学的地質区分名現場土質名></ボーリング情報>' |
  { printf '<ボーリング情報>'; cat; } >"$tmp/one.xml"
import "no layer to import names its reasons" 5 200 1 "注意：1 番目の地層「砂」は下端深度がない" -- \
  "$cli" import-boring "$tmp/one.xml" --out "$out"
import "missing study for --into: words and path" 2 200 1 "入力ﾃﾞｰﾀﾌｧｲﾙ（$tmp/none.zul）：" -- \
  "$cli" import-boring "$tmp/tests2000.xml" --out "$out" --into "$tmp/none.zul"

# ---- report template and settings file past their bounds (outputs left as they were)
study=examples/friction-pile-clay.zul
{ head -c 64000000 /dev/zero | tr '\0' "'"; printf '\r\n'; cat data/Zul.fmt; } >"$tmp/big.fmt"
case_ "64 MB template (--fmt)" 3 200 1 "大きすぎます（1 MB まで）" -- \
  "$cli" report "$study" --print-file "$tmp/a.prn" --fmt "$tmp/big.fmt"
{ printf '[Chapter]\r\nMethod=1\r\n'; head -c 60000000 /dev/zero | tr '\0' ';'; } >"$tmp/big.ini"
case_ "60 MB settings file (--ini) reads as defaults" 0 200 1 "" -- \
  "$cli" report "$study" --print-file "$tmp/b.prn" --ini "$tmp/big.ini"

# ---- the study table at its limit: 100,000 lengths x 10 diameters as JSON, streamed
awk 'NR == 81 { print "1\r"; next } NR == 82 { print "10000.9\r"; next } NR == 83 { print "0.1\r"; next }
     NR >= 91 && NR <= 100 { printf "\"%.1f\"\r\n", 0.5 + (NR - 91) / 10; next } { print }' \
  "$study" >"$tmp/limit.zul"
case_ "table --json at its limit" 0 200 120 "" -- "$cli" table --json "$tmp/limit.zul"
rows=$(grep -o '"L"' "$tmp/out" | wc -l)
echo "      (table --json wrote $(wc -c <"$tmp/out") bytes, $rows rows)"

echo
if [ ${#failed[@]} -eq 0 ]; then
  echo "all $passed cases passed"
else
  echo "${#failed[@]} failed: ${failed[*]}"
  exit 1
fi
