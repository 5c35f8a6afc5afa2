#!/bin/sh
# Argument fuzzing of every export for a bounded time: scripts/fuzz.sh [seconds] (default 120).
# Builds the library (Release, build/release) and the libFuzzer target with clang's fuzzer,
# address and undefined-behaviour sanitizers, then runs it from the seed corpus in
# tests/fuzz/corpus on one process. A finding stops the run with a non-zero exit and leaves
# the input as build/fuzz/crash-*; replay it with build/fuzz/fuzz_exports <file>.
# RUKM_FUZZ_WRITE_SEEDS=<dir> build/fuzz/fuzz_exports rewrites the seeds.
set -eu
seconds=${1:-120}
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build fuzz
build="$root/build/release"
out="$root/build/fuzz"
mkdir -p "$out/work"
[ -f "$build/CMakeCache.txt" ] || nice -n 19 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
nice -n 19 cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target rukm
nice -n 19 clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root/include" -DRUKM_HEADER="\"$root/include/rukm.h\"" \
  "$root/tests/fuzz/fuzz_exports.cpp" -o "$out/fuzz_exports" \
  -L"$build" -Wl,-rpath,"$build" -lrukm -lrukcore -ldl
cd "$out"
# The probe jumps out of calls that fault on purpose, so blocks they allocated are not freed.
ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1 \
  nice -n 19 ./fuzz_exports -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -max_len=4096 \
  -print_final_stats=1 "$out/work" "$root/tests/fuzz/corpus"
