#!/bin/sh
# Builds the HTML reference from the public headers into build/docs/docs/html (Doxygen; any
# warning fails). The main command installs the same pages with the library.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" build docs
cmake -S "$root" -B "$root/build/docs" -DRUKM_BUILD_TESTS=OFF -DRUKM_BUILD_DOCS=ON >/dev/null
cmake --build "$root/build/docs" --target docs
echo "reference: $root/build/docs/docs/html/index.html"
