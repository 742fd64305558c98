#!/usr/bin/env bash
# The kit for host authors, as a host author uses it: the package and its -dev files installed under a
# prefix that is then moved, examples/korvex-host built there with find_package(Korvex50) and again
# with pkg-config korvex50 exactly as the README shows, each host installed into a folder of its own
# and run from there: it loads the package, registers it, presses a key and unloads it.
# Usage: example_host.sh BUILD_DIR SOURCE_DIR CXX
set -euo pipefail
build=$1
source=$2
cxx=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-kit.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "example_host: $*" >&2; exit 1; }

for component in korvex korvexdev; do
  cmake --install "$build" --prefix "$work/staged" --component "$component" >/dev/null
done
mv "$work/staged" "$work/prefix"  # the kit must not remember where it was installed

# Only what a host author uses is installed, under include/korvex50.
for unit in KorvexUtils.h KorvexOTAUtils.h KorvexOTA50.h; do
  [ ! -e "$work/prefix/include/korvex50/$unit" ] || fail "the package's own unit header $unit is installed"
done
[ -z "$(find "$work/prefix/include" -maxdepth 1 -type f)" ] || fail "headers straight on the include path"

cmake -S "$source/examples/korvex-host" -B "$work/cmake-host" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/cmake-host" >/dev/null
cmake --install "$work/cmake-host" --prefix "$work/cmake-installed" >/dev/null
rm -rf "$work/cmake-host"  # the installed host must not lean on its build folder
"$work/cmake-installed/bin/korvex_host" || fail "the host built with find_package failed once installed"

pcdir=$(dirname "$(find "$work/prefix" -name korvex50.pc)")
export PKG_CONFIG_PATH="$pcdir"
cd "$source/examples/korvex-host"
# shellcheck disable=SC2046 # the flags are meant to split
"$cxx" -std=c++20 -o "$work/pc-host" main.cpp $(pkg-config --cflags --libs korvex50)
install -D "$work/pc-host" "$work/pc-installed/bin/korvex_host"
rm "$work/pc-host"
"$work/pc-installed/bin/korvex_host" || fail "the host built with pkg-config failed once installed"
