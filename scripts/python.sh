#!/bin/sh
# Installs the Python package rukm into a virtual environment and runs its tests.
#
#   ./scripts/python.sh            install (Debian packages when missing, the library, the
#                                  venv ./out/venv, the package) and run the pytest suite
#   ./scripts/python.sh --no-test  install only
#
# Afterwards `. out/venv/bin/activate` (or out/venv/bin/python) imports rukm from any folder.
# RUKM_BUILD_DIR may name an existing CMake build tree, such as build/release of
# scripts/test.sh, whose two libraries are then used (built there if out of date); by
# default they are built in build/python, without the tests. RUKM_VENV names another
# place for the virtual environment.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${RUKM_BUILD_DIR:-$root/build/python}
case "$build" in /*) ;; *) build=$(pwd)/$build ;; esac  # the steps below change folder
venv=${RUKM_VENV:-$root/out/venv}
python=/usr/bin/python3   # Debian's interpreter, which sees Debian's numpy

# 1. Debian packages, only those missing.
"$root/scripts/deps.sh" build python

# 2. The library: its two shared libraries, in the build tree (up to date if it is).
jobs=$(nproc 2>/dev/null || echo 2)
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRUKM_BUILD_TESTS=OFF
nice -n 19 cmake --build "$build" -j "$jobs" --target rukm rukcore

# 3. The virtual environment, seeing Debian's numpy, pytest and dask.
[ -x "$venv/bin/python" ] || $python -m venv --system-site-packages "$venv"

# 4. The package: build the module against the library, copy both beside it, install.
#    No index is needed: setuptools comes from the system, nothing is downloaded.
cd "$root/python"
rm -rf build rukm.egg-info
RUKM_BUILD_DIR=$build nice -n 19 "$venv/bin/python" -m pip install --no-build-isolation --no-deps --no-index \
  --disable-pip-version-check -q .
rm -rf build rukm.egg-info
(cd / && "$venv/bin/python" -c "import rukm; print('rukm', rukm.__file__, 'over librukm', rukm.library_version()[4])")

# 5. The tests, from outside the source tree so that the installed package is the one tested.
if [ "${1:-}" != "--no-test" ]; then
  cd "$root/python/tests"
  "$venv/bin/python" -m pytest -q -p no:cacheprovider "$root/python/tests"
fi
