#!/bin/sh
# Draws the chart of a benchmark run: one bar per case, the fastest peer's median over
# librukm's (above 1: librukm is faster), 1.0 marked.
#
#   bench/chart.sh OUTPUT.txt CHART.png
#
# OUTPUT.txt is what rukm_bench printed (its final table is read); needs gnuplot.
set -eu
[ $# -eq 2 ] || { echo "usage: $0 benchmark-output.txt chart.png" >&2; exit 2; }
in=$1
out=$2
data=$(mktemp)
trap 'rm -f "$data"' EXIT

# The table: a group's name starts its first line; the rukm line carries the ratio to the
# fastest peer and names it ("best peer eigen >= 1.00x: met").
awk '
  /^-+$/ { table = !table; next }
  table && /best peer / {
    if ($0 !~ /^ /) group = $1
    ratio = ""
    for (i = 1; i <= NF; ++i) if ($i ~ /^[0-9.]+x$/) { ratio = substr($i, 1, length($i) - 1); break }
    for (i = 1; i < NF; ++i) if ($i == "peer") { peer = $(i + 1); break }
    if (ratio != "") printf "%d %s \"%s\" \"%s\"\n", n++, ratio, group, peer
    next
  }
  table && /^[^ ]/ { group = $1 }
' "$in" >"$data"
cases=$(wc -l <"$data")
[ "$cases" -gt 0 ] || { echo "$0: no table with ratios in $in" >&2; exit 1; }
cpu=$(sed -n 's/^processor: //p' "$in" | head -n 1)
height=$((120 + 18 * cases))

gnuplot <<GNUPLOT
set terminal pngcairo noenhanced size 1100,$height font "sans,9"
set output "$out"
set title "librukm against the fastest peer of each case: peer median / librukm median, one thread\n(above 1.0: librukm is faster)   $cpu"
set yrange [$cases - 0.4:-0.6]
set xrange [0:*]
set offsets 0, graph 0.12, 0, 0
set xtics nomirror
set ytics scale 0 font "monospace,8"
set grid xtics lc rgb "#dddddd"
unset key
set style fill solid 0.85 noborder
set arrow from 1, graph 0 to 1, graph 1 nohead lw 1.5 dt 2 lc rgb "#333333" front
set label "1.0" at 1, graph 1 offset -1, 0.6 font "sans,9"
plot "$data" using (\$2/2):1:(\$2/2):(0.38):(\$2 >= 1 ? 0x2e8b57 : 0xc0504d):ytic(3) with boxxyerror lc rgb variable, \
     "" using 2:1:(sprintf("%.2fx %s", \$2, stringcolumn(4))) with labels left offset 0.5, 0 font "sans,8"
GNUPLOT
echo "chart of $cases cases: $out"
