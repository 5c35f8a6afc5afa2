#!/bin/sh
# The threading tests under ThreadSanitizer: the concurrency tests and the driver tests,
# built with -fsanitize=thread in build/tsan. GCC's OpenMP runtime is not instrumented, so
# the tests run on LLVM's OpenMP runtime (which serves the same GOMP entry points) with its
# ThreadSanitizer tool, which tells the sanitizer about the runtime's barriers, critical
# sections and task switches. Any report fails the run.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build tsan
build="$root/build/tsan"
llvm=/usr/lib/llvm-14/lib
[ -f "$llvm/libomp.so.5" ] && [ -f "$llvm/libarcher.so" ] || { echo "needs libomp-14-dev (LLVM's OpenMP runtime)"; exit 1; }
jobs=$(nproc 2>/dev/null || echo 2)
nice -n 19 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g" \
  -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread \
  -DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=thread >/dev/null
nice -n 19 cmake --build "$build" -j "$jobs" --target robust_tests frame_tests
# The binaries ask for libgomp.so.1; the stand-in in this directory answers with LLVM's runtime.
shim="$build/omp"
mkdir -p "$shim"
cp "$root/tests/tsan/gomp_shim.c" "$shim/shim.c"
: > "$shim/shim.map"
for v in $(objdump -T "$(gcc -print-file-name=libgomp.so.1)" | grep -o ' G\{0,1\}OMP_[0-9.]* ' | sort -u); do
  marker=rukm_gomp_version_$(echo "$v" | tr . _)
  echo "void $marker(void) {}" >> "$shim/shim.c"
  extra=""
  [ "$v" = OMP_5.0.1 ] && extra=" omp_alloc; omp_free;"
  echo "$v { global: $marker;$extra };" >> "$shim/shim.map"
done
gcc -shared -fPIC "$shim/shim.c" -Wl,--version-script="$shim/shim.map" -Wl,-soname,libgomp.so.1 \
  -o "$shim/libgomp.so.1" -Wl,--no-as-needed -L"$llvm" -Wl,-rpath,"$llvm" -l:libomp.so.5 -ldl
export LD_LIBRARY_PATH="$shim${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
export OMP_TOOL_LIBRARIES="$llvm/libarcher.so"
# The runtime itself is not instrumented; the tool reports its synchronisation instead. One
# driver test asks for an unallocatable scratch block on purpose: it must come back null.
export TSAN_OPTIONS="ignore_noninstrumented_modules=1 allocator_may_return_null=1 halt_on_error=1 exitcode=66 second_deadlock_stack=1"
# The sparse-mapping tests reserve gigabytes of address space, which the sanitizer would shadow.
nice -n 19 "$build/tests/robust_tests" --gtest_filter='Arrays/Concurrent.*:Arrays/ScratchRefused.*'
nice -n 19 "$build/tests/frame_tests" --gtest_filter='Driver.*'
