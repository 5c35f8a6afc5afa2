#!/bin/sh
# Main command: installs what the build needs (Debian packages), builds librukm (Release),
# installs it with its CMake package, pkg-config files and HTML reference into a prefix, then
# builds the examples against that installed tree and runs them.
#
#   ./scripts/install.sh                        prefix ./out/install inside the checkout
#   PREFIX=/usr/local ./scripts/install.sh      any other prefix
#
# The build directory is build/release (shared with scripts/test.sh, so neither builds the
# library twice); the examples build in build/examples.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=${PREFIX:-$root/out/install}
case "$prefix" in /*) ;; *) prefix=$(pwd)/$prefix ;; esac
jobs=$(nproc 2>/dev/null || echo 2)

"$root/scripts/deps.sh" build docs

cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
      -DRUKM_BUILD_TESTS=OFF -DRUKM_BUILD_DOCS=ON
cmake --build "$root/build/release" -j "$jobs"

# A prefix the user cannot write to (e.g. /usr/local for a user) is installed with sudo.
sudo=""
parent=$prefix
while [ ! -d "$parent" ]; do parent=$(dirname "$parent"); done
if [ ! -w "$parent" ] && [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo cmake --install "$root/build/release" --prefix "$prefix"
# A system library directory: refresh the loader's cache so programs find the libraries.
case "$prefix" in /usr|/usr/local) if command -v ldconfig >/dev/null; then $sudo ldconfig; fi ;; esac

rm -rf "$root/build/examples"
cmake -S "$root/examples" -B "$root/build/examples" -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$prefix"
cmake --build "$root/build/examples" -j "$jobs"
for example in transform_points matrix_stacks lu_systems; do
  echo "== $example"
  "$root/build/examples/$example"
done
echo "librukm is installed in $prefix (reference: $prefix/share/doc/rukm/html/index.html)"
