#!/bin/sh
# Configures a Release build with the benchmarks, builds it (2 jobs) and runs rukm_bench.
# Extra arguments go to rukm_bench (any --benchmark_* flag, e.g. --benchmark_filter=32f or
# --benchmark_repetitions=3). The build directory is build/bench, or $RUKM_BENCH_BUILD_DIR.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RUKM_BENCH_BUILD_DIR:-$root/build/bench}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRUKM_BUILD_BENCH=ON -DRUKM_BUILD_TESTS=OFF
cmake --build "$build" -j 2 --target rukm_bench
exec "$build/bench/rukm_bench" "$@"
