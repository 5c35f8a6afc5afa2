#!/bin/sh
# Installs the Debian packages the build, the tests and the benchmarks need, when missing.
set -eu
pkgs="build-essential cmake libgtest-dev libbenchmark-dev libeigen3-dev libglm-dev libxsmm-dev liblapacke-dev libopenblas-dev clang libclang-rt-14-dev libomp-14-dev"
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
