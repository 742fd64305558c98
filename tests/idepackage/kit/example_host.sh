#!/usr/bin/env bash
# The kit for host authors, as a host author uses it: the package and its -dev files installed under a
# prefix that is then moved, examples/korvex-host built there with find_package(Korvex50) and again
# with pkg-config korvex50, and each build run: it loads the package, registers it, presses a key
# and unloads it.
# Usage: example_host.sh BUILD_DIR SOURCE_DIR CXX
set -euo pipefail
build=$1
source=$2
cxx=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-kit.XXXXXX")
trap 'rm -rf "$work"' EXIT

for component in korvex korvexdev; do
  cmake --install "$build" --prefix "$work/staged" --component "$component" >/dev/null
done
mv "$work/staged" "$work/prefix"  # the kit must not remember where it was installed

cmake -S "$source/examples/korvex-host" -B "$work/cmake-host" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/cmake-host" >/dev/null
"$work/cmake-host/korvex_host"

export PKG_CONFIG_PATH="$work/prefix/lib/pkgconfig"
package=$(pkg-config --variable=package korvex50)
# shellcheck disable=SC2046 # the flags are meant to split
"$cxx" -std=c++20 -o "$work/pc-host" "$source/examples/korvex-host/main.cpp" \
  -DKORVEX50_PACKAGE="\"$package\"" $(pkg-config --cflags --libs korvex50) -ldl
"$work/pc-host"
