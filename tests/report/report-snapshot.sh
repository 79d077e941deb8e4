#!/usr/bin/env bash
# Digests of the calculation report as zul-cli writes it: the print files and figure files of the
# examples (with their study graphs and the page images of their PDFs) and of generated studies,
# with the run's folder and the checkout's folder made neutral and the temporary file names
# replaced by their order of appearance.  Two builds that write the
# same reports give the same digests.
#   report-snapshot.sh BUILD_DIR --write DIGESTS [COUNT]   record the digests
#   report-snapshot.sh BUILD_DIR --check DIGESTS [COUNT]   compare with recorded ones (exit 1 when
#                                                          they differ; the differing studies' files
#                                                          stay in the folder named on stderr)
# Extra arguments after COUNT are passed to every zul-cli report run.
set -euo pipefail
build=$(cd "$1" && pwd)
mode=$2
digests=$3
count=${4:-200}
shift $(( $# < 4 ? $# : 4 ))
extra=("$@")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
cli=$build/program/zul-cli
work=$(mktemp -d "${TMPDIR:-/tmp}/zul-snapshot-XXXXXX")
keep=0
trap '[ $keep = 1 ] || rm -rf "$work"' EXIT
[ -n "${SNAPSHOT_KEEP:-}" ] && keep=1

# Heading numbers on, so that the numbering goes through every report.
printf '[Chapter]\r\nMethod=3\r\nInit=1\r\nStyle1=1\r\nStyle2=1\r\nStyle3=2\r\nStyle4=8\r\nMargin1=0\r\nMargin2=2\r\nMargin3=4\r\nMargin4=6\r\n' \
  >"$work/numbering.ini"

# The print file and its figure files in order of reference, with the run's folder and the
# temporary names made neutral.
normalized() {
  perl -e '
    my ($prn, $root, $source) = @ARGV;
    my %names; my $n = 0;
    sub neutral { my $t = shift; $t =~ s/\Q$root\E/ROOT/g; $t =~ s/\Q$source\E/SOURCE/g;
      $t =~ s{(~PS[A-Za-z0-9_]+)}{$names{$1} //= sprintf("~TMP%03d", $n++)}ge; return $t; }
    sub slurp { local $/; open(my $f, "<:raw", shift) or return "MISSING\n"; return <$f>; }
    my $text = slurp($prn); print neutral($text);
    my @queue = ($text =~ /\?(?:FG;000;000;|BM;000;000;160;110;)([^\r\n]*)/g);
    while (@queue) { my $p = shift @queue; my $body = slurp($p);
      print "\n== ", neutral($p), "\n"; print neutral($body);
      push @queue, ($body =~ /^(\/[^\r\n]*~PS[^\r\n]*)\r?$/mg) if $p !~ /\.WMF$/i; }
  ' "$1" "$work" "$source_dir"
}

run_one() { # name study [--pdf]
  local name=$1 study=$2 pdf=${3:-}
  local args=(report "$study" --print-file "$work/$name.prn" --ini "$work/numbering.ini"
              --fmt "$source_dir/data/Zul.fmt" --program-folder "$source_dir/data")
  [ -n "$pdf" ] && args+=(--pdf "$work/$name.pdf")
  local status=0
  "$cli" "${args[@]}" "${extra[@]}" >/dev/null 2>"$work/$name.err" || status=$?
  local text="-" images="-"
  if [ -f "$work/$name.prn" ]; then
    normalized "$work/$name.prn" >"$work/$name.normalized"
    text=$(sha256sum <"$work/$name.normalized" | cut -c1-16)
  fi
  if [ -n "$pdf" ] && [ -f "$work/$name.pdf" ]; then
    pdftoppm -r 40 -gray "$work/$name.pdf" "$work/$name-page"
    images=$(cat "$work/$name"-page*.pgm | sha256sum | cut -c1-16)
    rm -f "$work/$name"-page*.pgm
  fi
  echo "$name exit=$status text=$text pages=$images"
}

{
  for example in end-bearing-pile driven-pile-auto-tip rotary-press-in-pile friction-pile-clay; do
    run_one "$example" "$source_dir/examples/$example.zul" pdf
  done
  mkdir "$work/generated"
  "$build/tests/write_generated_studies" "$work/generated" 1 "$count"
  for seed in $(seq 1 "$count"); do
    run_one "study-$seed" "$work/generated/study-$seed.zul"
  done
} >"$work/digests.txt"

case $mode in
  --write) cp "$work/digests.txt" "$digests" ;;
  --check)
    if ! diff "$digests" "$work/digests.txt" >"$work/differences.txt"; then
      keep=1
      echo "reports differ from $digests (files in $work):" >&2
      head -40 "$work/differences.txt" >&2
      exit 1
    fi ;;
  *) echo "usage: report-snapshot.sh BUILD_DIR --write|--check DIGESTS [COUNT]" >&2; exit 2 ;;
esac
