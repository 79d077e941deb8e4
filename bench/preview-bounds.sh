#!/usr/bin/env bash
# Time and peak memory of `Preview --pdf` on print files built to go far past the preview's
# bounds, each beside a real report: a 10 MB line, a million form feeds, a figure data file of
# 60 MB and a metafile polygon of 65,535 crossing points must end within seconds and bounded
# memory, with a note for what was left out.  Files just inside the bounds show the worst that
# is drawn: 1000 full pages of 250-byte lines, a figure of 10,000 points and 1,999 lines across
# it, and a metafile of a 4096-point polygon and polylines crossing it 1,999 times.
# Usage: bench/preview-bounds.sh [PREVIEW, build/program/Preview] [REAL REPORT PRINT FILE]
set -euo pipefail
preview="$(realpath "${1:-build/program/Preview}")"
real="${2:-}"
work="$(mktemp -d "${TMPDIR:-/tmp}/zul-preview-bounds.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# The files, made with perl (in every Debian system).
perl -e 'print "  ", "A" x (10 * 1024 * 1024), "\r\n"' > "$work/long-line.prn"
perl -e 'print "  A\f" x 1_000_000' > "$work/form-feeds.prn"
perl -e '
  # A figure data file of 2,000,000 points ("座標情報" in code page 932) and its index file.
  open(my $fig, ">", "$ARGV[0]/huge.fig") or die;
  binmode $fig;
  print $fig "t\r\ns\r\n0,0,0,0,0,0\r\n\x8d\xc0\x95\x57\x8f\xee\x95\xf1\r\n";
  printf $fig "%8d, %12.6f, %12.6f\r\n", $_, $_ % 100, $_ % 77 for 1 .. 2_000_000;
  print $fig "END\r\n";
  open(my $idx, ">", "$ARGV[0]/huge.idx") or die;
  print $idx "t\r\n 100  90\r\n$ARGV[0]/huge.fig\r\n 0  0\r\nEND\r\n";
  open(my $prn, ">", "$ARGV[0]/figure.prn") or die;
  print $prn "  \x81\x40\x81\x40?FG;000;000;$ARGV[0]/huge.idx\r\n";
' "$work"
perl -e '
  # A placeable metafile: a black brush, then one polygon of 65,535 points across the picture
  # (or, with a second argument, that many small records).
  my ($path, $records) = @ARGV;
  my $body = pack("Vv v V v", 7, 0x02FC, 0, 0, 0) . pack("Vv v", 4, 0x012D, 0);
  my $largest = 7;
  if ($records) {
    $body .= pack("Vv v", 4, 0x0102, 1) x $records;
  } else {
    my $n = 65535;
    my $words = 3 + 1 + 2 * $n;
    $body .= pack("Vv v", $words, 0x0324, $n);
    $body .= pack("s<s<", ($_ * 7919) % 1000, ($_ * 104729) % 1000) for 0 .. $n - 1;
    $largest = $words;
  }
  $body .= pack("Vv", 3, 0);
  my @p = (0x9AC6CDD7, 0, 0, 0, 1000, 1000, 1440, 0);
  my $placeable = pack("Vvs<s<s<s<vV", @p);
  my $sum = 0;
  $sum ^= $_ for unpack("v10", $placeable);
  $placeable .= pack("v", $sum);
  my $header = pack("vvvVvVv", 1, 9, 0x0300, 9 + length($body) / 2, 1, $largest, 0);
  open(my $out, ">", $path) or die;
  binmode $out;
  print $out $placeable, $header, $body;
' "$work/polygon.wmf"
perl -e 'print "  ?BM;000;000;160;110;$ARGV[0]/polygon.wmf\r\n"' "$work" > "$work/polygon.prn"

# Just inside the bounds.
perl -e 'for my $p (1 .. 1000) { print "  ", ("L$p " . "x" x 240), "\r\n" for 1 .. 62; print "\f" }' \
  > "$work/full-pages.prn"
perl -e '
  open(my $fig, ">", "$ARGV[0]/edge.fig") or die;
  binmode $fig;
  print $fig "t\r\ns\r\n0,0,0,0,0,0\r\n\x8d\xc0\x95\x57\x8f\xee\x95\xf1\r\n";
  printf $fig "%d, %.6f, %.6f\r\n", $_, ($_ % 2) * 100, ($_ % 3) * 45 for 1 .. 10_000;
  print $fig "END\r\n\x90\xfc\x95\xaa\x8f\xee\x95\xf1\r\n";   # lines
  printf $fig "%d, 1, 2, %d\r\n", $_, 1 + $_ % 5 for 1 .. 1_999;
  print $fig "END\r\n";
  open(my $idx, ">", "$ARGV[0]/edge.idx") or die;
  print $idx "t\r\n 100  90\r\n$ARGV[0]/edge.fig\r\n 0  0\r\nEND\r\n";
  open(my $prn, ">", "$ARGV[0]/figure-edge.prn") or die;
  print $prn "  \x81\x40\x81\x40?FG;000;000;$ARGV[0]/edge.idx\r\n";
' "$work"
perl -e '
  # A round 4096-point polygon and 1,999 polyline segments across the picture.
  my ($path) = @ARGV;
  my $body = pack("Vv v V v", 7, 0x02FC, 0, 0, 0) . pack("Vv v", 4, 0x012D, 0);
  my $n = 4096;
  $body .= pack("Vv v", 4 + 2 * $n, 0x0324, $n);
  $body .= pack("s<s<", 500 + int(400 * cos(6.2831853 * $_ / $n)), 500 + int(400 * sin(6.2831853 * $_ / $n))) for 0 .. $n - 1;
  my $m = 2000;
  $body .= pack("Vv v", 4 + 2 * $m, 0x0325, $m);
  $body .= pack("s<s<", ($_ % 2) * 1000, $_ / 2) for 0 .. $m - 1;
  $body .= pack("Vv", 3, 0);
  my $placeable = pack("Vvs<s<s<s<vV", 0x9AC6CDD7, 0, 0, 0, 1000, 1000, 1440, 0);
  my $sum = 0;
  $sum ^= $_ for unpack("v10", $placeable);
  $placeable .= pack("v", $sum);
  my $header = pack("vvvVvVv", 1, 9, 0x0300, 9 + length($body) / 2, 1, 4 + 2 * $n, 0);
  open(my $out, ">", $path) or die;
  binmode $out;
  print $out $placeable, $header, $body;
' "$work/edge.wmf"
perl -e 'print "  ?BM;000;000;160;110;$ARGV[0]/edge.wmf\r\n"' "$work" > "$work/metafile-edge.prn"

cases=(long-line form-feeds figure polygon full-pages figure-edge metafile-edge)
if [ -n "$real" ]; then
  cp "$real" "$work/real.prn"
  cases=(real "${cases[@]}")
fi
printf '%-12s %10s %14s %s\n' case seconds "peak RSS kB" "notes (first)"
for name in "${cases[@]}"; do
  status=0
  /usr/bin/time -v "$preview" --pdf "$work/$name.pdf" "$work/$name.prn" 2> "$work/$name.log" || status=$?
  seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/$name.log")
  rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/$name.log")
  note=$(grep -m1 '注意' "$work/$name.log" || true)
  printf '%-12s %10s %14s %s (exit %d)\n' "$name" "$seconds" "$rss" "$note" "$status"
done
