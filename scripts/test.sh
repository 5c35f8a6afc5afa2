#!/bin/sh
# Test command (CI runs it): the Release build with its tests and the HTML reference, the
# install test (installed tree, CMake and pkg-config consumers, the examples, the .deb) and
# the Python package's tests on that same build, two minutes of argument fuzzing, the
# threading tests under ThreadSanitizer, then every test again in a build with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build test
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DRUKM_BUILD_TESTS=ON -DRUKM_BUILD_DOCS=ON
cmake --build "$root/build/release" -j "$jobs"
ctest --test-dir "$root/build/release" --output-on-failure -j "$jobs"
"$root/tests/install/run.sh" "$root/build/release"
RUKM_BUILD_DIR="$root/build/release" "$root/scripts/python.sh"
"$root/scripts/fuzz.sh" 120
"$root/scripts/tsan.sh"
cmake -S "$root" -B "$root/build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O1 -DRUKM_SANITIZE=ON \
      -DRUKM_BUILD_TESTS=ON -DRUKM_BUILD_DOCS=OFF
cmake --build "$root/build/sanitize" -j "$jobs"
ctest --test-dir "$root/build/sanitize" --output-on-failure -j "$jobs"
