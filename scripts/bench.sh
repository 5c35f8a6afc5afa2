#!/bin/sh
# Benchmark command: installs what is missing, builds librukm and its benchmark (Release), runs
# it against its peers, keeps the output in build/bench/results.txt and draws the chart of each
# case's ratio to its fastest peer into build/bench/ratios.png (or $RUKM_BENCH_CHART).
# Extra arguments go to the benchmark program (e.g. --benchmark_filter=Mul_mama).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build bench
results=$root/build/bench/results.txt
chart=${RUKM_BENCH_CHART:-$root/build/bench/ratios.png}
mkdir -p "$root/build/bench"
rm -f "$results.status"
{ "$root/bench/run.sh" "$@"; echo $? >"$results.status"; } | tee "$results"
status=$(cat "$results.status" 2>/dev/null || echo 1)
rm -f "$results.status"
[ "$status" -eq 0 ] || exit "$status"
"$root/bench/chart.sh" "$results" "$chart"
