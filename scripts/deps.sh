#!/bin/sh
# Installs the Debian packages a command needs, when missing. Arguments name what is needed:
#   build  compiler, CMake, pkg-config (the default)
#   docs   Doxygen, for the HTML reference
#   test   the tests: Google Test, LAPACKE and OpenBLAS (references), dpkg-dev (the .deb)
#   python the Python package: venv, numpy, pytest, pybind11, setuptools, Dask
#   fuzz   the argument fuzzer: clang with its fuzzer and sanitizer runtimes
#   tsan   the ThreadSanitizer run: LLVM's OpenMP runtime and its race-detection tool
#   bench  the benchmarks: Google Benchmark, Eigen, glm, LIBXSMM, gnuplot (the chart)
set -eu
pkgs="build-essential cmake pkg-config"
for what in "${@:-build}"; do
  case "$what" in
    build) ;;
    docs) pkgs="$pkgs doxygen" ;;
    test) pkgs="$pkgs doxygen libgtest-dev liblapacke-dev libopenblas-dev dpkg-dev" ;;
    python) pkgs="$pkgs python3-dev python3-venv python3-numpy python3-pytest pybind11-dev python3-setuptools python3-wheel python3-dask python3-distributed" ;;
    fuzz) pkgs="$pkgs clang libclang-rt-14-dev" ;;
    tsan) pkgs="$pkgs libomp-14-dev" ;;
    bench) pkgs="$pkgs libbenchmark-dev libeigen3-dev libglm-dev libxsmm-dev liblapacke-dev libopenblas-dev gnuplot-nox" ;;
    *) echo "deps.sh: unknown group '$what' (build, docs, test, python, fuzz, tsan, bench)" >&2; exit 2 ;;
  esac
done
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q $missing
