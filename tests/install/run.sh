#!/bin/sh
# The install test: what a user of an installed librukm sees. Takes a configured and built
# Release tree (default build/release; built with RUKM_BUILD_DOCS=ON, the reference is
# checked too) and, in a temporary directory:
#   - installs it into a prefix and checks the files and soname links;
#   - builds and runs a consumer with pkg-config, then moves the tree (the CMake package is
#     relocatable) and builds and runs the consumer and the examples with find_package;
#   - configures a parent project that takes the source tree in with FetchContent and with
#     add_subdirectory;
#   - builds the .deb with CPack, checks its contents and dependencies, unpacks it into a
#     throw-away root and builds the consumer against that with pkg-config and CMake, then
#     installs and removes it with dpkg in a second throw-away root.
# Ends with "install test: N passed, M failed"; exits non-zero when anything failed.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/release}" && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
work=$(mktemp -d "${TMPDIR:-/tmp}/rukm-install-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
unset CMAKE_BUILD_TYPE CMAKE_PREFIX_PATH PKG_CONFIG_PATH PKG_CONFIG_LIBDIR PKG_CONFIG_SYSROOT_DIR
passed=0
failed=0

# step NAME COMMAND...: runs the command, shows its output when it fails.
step() {
  name=$1
  shift
  if "$@" >"$work/step.log" 2>&1; then
    passed=$((passed + 1))
    echo "ok    $name"
  else
    failed=$((failed + 1))
    echo "FAIL  $name"
    sed 's/^/      /' "$work/step.log"
  fi
}

# has_files DIR PATH...: every path exists under DIR (as a file or a link).
has_files() {
  dir=$1
  shift
  for f in "$@"; do
    if [ ! -e "$dir/$f" ] && [ ! -L "$dir/$f" ]; then
      echo "missing: $f"
      return 1
    fi
  done
  echo "all of: $*"
}

# links_to DIR LINK TARGET: DIR/LINK is a symbolic link to TARGET.
links_to() {
  [ "$(readlink "$1/$2")" = "$3" ] || { echo "$2 -> $(readlink "$1/$2"), not $3"; return 1; }
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
major=${version%%.*}
docs=$(sed -n 's/^RUKM_BUILD_DOCS:BOOL=//p' "$build/CMakeCache.txt")
files="lib/librukm.so.$version lib/librukcore.so.$version include/rukm.h include/rukcore.h
       lib/cmake/rukm/rukmConfig.cmake lib/cmake/rukm/rukmConfigVersion.cmake lib/cmake/rukm/rukmTargets.cmake
       lib/pkgconfig/rukm.pc lib/pkgconfig/rukcore.pc share/doc/rukm/README.md"
if [ "$docs" = ON ]; then files="$files share/doc/rukm/html/index.html"; fi

check_tree() {  # check_tree PREFIX: the files and the soname links
  has_files "$1" $files &&
  links_to "$1" "lib/librukm.so.$major" "librukm.so.$version" &&
  links_to "$1" lib/librukm.so "librukm.so.$major" &&
  links_to "$1" "lib/librukcore.so.$major" "librukcore.so.$version" &&
  links_to "$1" lib/librukcore.so "librukcore.so.$major"
}

consumer_pc() {  # consumer_pc OUT PCDIR SYSROOT LIBDIR: builds the consumer with pkg-config's flags, runs it
  flags=$(PKG_CONFIG_LIBDIR=$2 PKG_CONFIG_SYSROOT_DIR=$3 pkg-config --cflags --libs rukm) || return 1
  echo "pkg-config --cflags --libs rukm: $flags"
  got=$(PKG_CONFIG_LIBDIR=$2 PKG_CONFIG_SYSROOT_DIR=$3 pkg-config --modversion rukm)
  [ "$got" = "$version" ] || { echo "pkg-config --modversion rukm: $got"; return 1; }
  cc -std=c11 -Wall -Wextra -Werror -o "$1" "$root/tests/install/consumer/consumer.c" $flags &&
  LD_LIBRARY_PATH=$4 "$1"
}

consumer_cmake() {  # consumer_cmake PREFIX BUILD [more cmake arguments]: configures, builds, runs
  p=$1 b=$2
  shift 2
  cmake -S "$root/tests/install/consumer" -B "$b" -DCMAKE_PREFIX_PATH="$p" "$@" &&
  cmake --build "$b" &&
  "$b/consumer"
}

not_found() {  # the version file refuses a major version the package is not
  if cmake -S "$root/tests/install/consumer" -B "$work/c-v" -DCMAKE_PREFIX_PATH="$1" -DRUKM_WANT_VERSION=$((major + 1)); then
    echo "find_package(rukm $((major + 1))) was accepted"
    return 1
  fi
}

examples() {  # examples PREFIX: builds the examples against PREFIX and runs them
  cmake -S "$root/examples" -B "$work/examples" -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$1" &&
  cmake --build "$work/examples" -j "$jobs" &&
  ctest --test-dir "$work/examples" --output-on-failure -V
}

parent() {  # parent BUILD [cmake arguments]: a parent project configures with librukm's tree in it
  b=$1
  shift
  cmake -S "$root/tests/install/subproject" -B "$b" -DRUKM_SOURCE_DIR="$root" "$@"
}

deb_contents() {  # deb_contents DEB: the package holds the tree under /usr and names its dependencies
  dpkg-deb -c "$1" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/deb.list"
  cat "$work/deb.list"
  for f in $files; do
    grep -qx "/usr/$f" "$work/deb.list" || { echo "not in the package: /usr/$f"; return 1; }
  done
  for f in "librukm.so.$major" librukm.so "librukcore.so.$major" librukcore.so; do
    dpkg-deb -c "$1" | grep -q "/usr/lib/$f -> " || { echo "no link /usr/lib/$f"; return 1; }
  done
  if grep -v -e '^/usr/' -e '^/$' "$work/deb.list"; then echo "files outside /usr"; return 1; fi
  deps=$(dpkg-deb -f "$1" Depends)
  echo "Depends: $deps"
  case "$deps" in *libgomp1*) ;; *) echo "no dependency on the OpenMP runtime"; return 1 ;; esac
}

dpkg_root() {  # dpkg_root DEB ROOT: dpkg installs the package into an empty root and removes it cleanly
  r=$2
  mkdir -p "$r/var/lib/dpkg/info" "$r/var/lib/dpkg/updates" "$r/var/lib/dpkg/triggers"
  : >"$r/var/lib/dpkg/status"
  : >"$r/var/lib/dpkg/available"
  # The root holds nothing else: the libraries the package depends on are missing there.
  set -- --root="$r" --force-depends --force-script-chrootless --log=/dev/null
  [ "$(id -u)" -eq 0 ] || set -- "$@" --force-not-root
  dpkg "$@" --install "$deb" || return 1
  check_tree "$r/usr" || return 1
  dpkg "$@" --status librukm | grep -q '^Status: install ok installed' || { echo "not installed"; return 1; }
  dpkg "$@" --remove librukm || return 1
  left=$(find "$r" -path "$r/var/lib/dpkg" -prune -o \( -type f -o -type l \) -print)
  [ -z "$left" ] || { echo "left behind after removal:"; echo "$left"; return 1; }
  echo "installed and removed; nothing left in $r outside dpkg's database"
}

# -- the installed tree
prefix=$work/prefix
step "cmake --install into a temporary prefix" cmake --install "$build" --prefix "$prefix"
step "installed files and soname links" check_tree "$prefix"
step "consumer with pkg-config against the prefix" consumer_pc "$work/c-pc" "$prefix/lib/pkgconfig" "" "$prefix/lib"
# The CMake package is relocatable: the tree is used from elsewhere.
moved=$work/moved
mv "$prefix" "$moved"
step "consumer with find_package(rukm $version) against the moved tree" consumer_cmake "$moved" "$work/c-cmake"
step "find_package(rukm $((major + 1))) is refused" not_found "$moved"
step "examples against the moved tree" examples "$moved"

# -- the source tree inside a parent project (configuring only)
step "parent project with FetchContent" parent "$work/parent-fc"
step "parent project with add_subdirectory" parent "$work/parent-as" -DRUKM_ADD_SUBDIRECTORY=ON

# -- the Debian package
if command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  step "cpack -G DEB" sh -c "cd '$work' && cpack -G DEB --config '$build/CPackConfig.cmake' -B '$work/deb'"
  deb=$(ls "$work"/deb/*.deb 2>/dev/null | head -n 1)
  step "package contents and dependencies ($(basename "${deb:-none}"))" deb_contents "$deb"
  step "dpkg -x into a throw-away root" dpkg-deb -x "$deb" "$work/x"
  step "unpacked tree" check_tree "$work/x/usr"
  step "consumer with pkg-config against the unpacked package (sysroot)" \
    consumer_pc "$work/c-deb-pc" "$work/x/usr/lib/pkgconfig" "$work/x" "$work/x/usr/lib"
  step "consumer with find_package against the unpacked package" consumer_cmake "$work/x/usr" "$work/c-deb-cmake"
  step "dpkg --install and --remove in a throw-away root" dpkg_root "$deb" "$work/root"
else
  failed=$((failed + 1))
  echo "FAIL  the .deb: dpkg-deb and dpkg-shlibdeps (dpkg-dev) are needed"
fi

echo "install test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
