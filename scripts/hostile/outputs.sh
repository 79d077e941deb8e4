#!/bin/sh
# Hostile cases of the outputs: nothing of the user's is deleted or replaced, nothing is silently
# wrong, and every failure says why.  Run after a build:  scripts/hostile/outputs.sh [BUILD]
# (BUILD defaults to build/).  Each case prints "ok" or "FAILED" with what went wrong; the script
# exits 1 when any case failed.  The full-disk case needs the administrator (mount); it is
# skipped otherwise.
set -u
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build}
cli=$build/program/zul-cli
preview=$build/program/Preview
data=$here/data
study=$here/examples/driven-pile-auto-tip.zul
work=$(mktemp -d)
trap 'umount "$work/disk" 2>/dev/null; rm -rf "$work"' EXIT
failed=0

check() { # name, condition (shell test) ...
    name=$1
    shift
    if "$@"; then echo "ok      $name"; else echo "FAILED  $name"; failed=1; fi
}
run() { # runs a command, keeps its status in $status and stderr in $work/err
    "$@" >"$work/out" 2>"$work/err"
    status=$?
}
says() { grep -q -- "$1" "$work/err"; }

# 1. A file, a link or a folder of the user at OUT.figures is never replaced.
cd "$work" || exit 1
echo mine >keep.txt
ln -s keep.txt a.prn.figures
run "$cli" report "$study" --print-file a.prn --program-folder "$data"
check "figures: a link at a.prn.figures is refused (exit 2), kept" \
    test "$status" = 2 -a -L a.prn.figures -a "$(cat keep.txt)" = mine -a ! -e a.prn
rm a.prn.figures && echo mine >a.prn.figures
run "$cli" report "$study" --print-file a.prn --program-folder "$data"
check "figures: a file at a.prn.figures is refused, kept" test "$status" = 2 -a "$(cat a.prn.figures)" = mine
rm a.prn.figures

# 2. Without --pdf the graph item prints this study's own graphs, beside the print file.
run "$cli" report "$study" --print-file a.prn --program-folder "$data"
check "graphs: drawn into a.prn.figures" test "$status" = 0 -a -s a.prn.figures/RA01.WMF
check "graphs: the print file names them there" grep -q "a.prn.figures/RA01.WMF" a.prn

# 3. The largest number survives convert.
cr=$(printf '\r')
sed "7s/.*/ 1.7976931348623157E+308 $cr/" "$here/examples/new-study.zul" >big.zul
run "$cli" convert big.zul big2.zul
check "convert: the largest number is written so that it reads back" \
    sh -c "test $status = 0 && '$cli' convert big2.zul big3.zul 2>/dev/null"

# 4. A report that cannot be made leaves the earlier outputs as they were.
cp a.prn a.prn.before
: >empty.fmt
run "$cli" report "$study" --print-file a.prn --fmt empty.fmt --program-folder "$data"
check "report: an empty template fails (exit 2) and keeps the print file" \
    sh -c "test $status = 2 && cmp -s a.prn a.prn.before"
run "$cli" report "$study" --print-file a.prn --program-folder "$work"
check "report: missing definition files fail and keep the print file" \
    sh -c "test $status = 2 && cmp -s a.prn a.prn.before"

# 5. A full disk is named as such.
mkdir disk
if mount -t tmpfs -o size=96k tmpfs disk 2>/dev/null; then
    head -c $((24 * 1024)) /dev/zero >disk/filler
    run "$cli" report "$study" --print-file disk/r.prn --program-folder "$data"
    check "full disk: named" sh -c "test $status = 2 && grep -q '空き容量がありません' '$work/err'"
    umount disk
else
    echo "skipped full disk (mount needs the administrator)"
fi

# 6. Outputs over inputs are refused.
cp "$here/examples/new-study.zul" s.zul
run "$cli" import-boring s.zul --out s.zul
check "import-boring: --out over the borehole file is refused" sh -c "test $status = 2 && cmp -s s.zul '$here/examples/new-study.zul'"
if [ -x "$preview" ]; then
    run "$preview" --pdf a.prn a.prn
    check "Preview: --pdf over the print file is refused" sh -c "test $status = 2 && cmp -s a.prn a.prn.before"
    # 8. A graph cut short: the PDF is written, exit 3, the file named.
    head -c 2000 a.prn.figures/RA01.WMF >cut.wmf
    printf '  A\r\n  ?BM;000;000;160;110;%s/cut.wmf\r\n' "$work" >cut.prn
    run "$preview" --pdf cut.pdf cut.prn
    check "Preview: a cut metafile exits 3 and is named" sh -c "test $status = 3 && grep -q '途中で切れています' '$work/err'"
fi

# 7. Calculation causes.
sed "7s/.*/-0.8 $cr/" "$here/examples/end-bearing-pile.zul" >neg.zul
run "$cli" calc neg.zul
check "calc: a diameter below 0 fails with its cause" sh -c "test $status = 1 && grep -q '杭径' '$work/err'"
sed "11s/.*/90 $cr/" "$here/examples/end-bearing-pile.zul" >steep.zul
run "$cli" calc steep.zul
check "calc: an inclination of 90 degrees fails with its cause" sh -c "test $status = 1 && grep -q '打込み角' '$work/err'"
sed "24s/.*/-3 $cr/" "$here/examples/end-bearing-pile.zul" >negn.zul
run "$cli" calc negn.zul
check "calc: a safety factor below 0 calculates with a note" sh -c "test $status = 0 && grep -q '安全率 n = -3.00 が負' '$work/out'"
sed "10s/.*/1E+300 $cr/" "$here/examples/end-bearing-pile.zul" >long.zul
run "$cli" calc long.zul
check "calc: a design length of 1E+300 is named, as cause or note" sh -c "grep -q '設計杭長.*入力範囲' '$work/err' '$work/out'"

# 12. Causes in words.
cp "$here/examples/new-study.zul" s.txt
run "$cli" calc s.txt
check "calc: a study not named .zul says why" says ".zul で終わっていない"
run "$cli" import-boring x.xml --out y.zul --max-depth -1
check "range: no number in 309 digits" sh -c "! grep -q 17976931348623157 '$work/err'"

exit $failed
