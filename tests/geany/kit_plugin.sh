#!/usr/bin/env bash
# korvex50-geany as a host author builds it: the package and its kit installed under a prefix that is then
# moved, and hosts/geany configured on its own against that kit (find_package(Korvex50)) and built. The plugin
# must link the kit's host interface and nothing of the package.
# Usage: kit_plugin.sh BUILD_DIR SOURCE_DIR CXX
set -euo pipefail
build=$1
source=$2
cxx=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-geany-kit.XXXXXX")
trap 'rm -rf "$work"' EXIT

for component in korvex korvexdev; do
  cmake --install "$build" --prefix "$work/staged" --component "$component" >/dev/null
done
mv "$work/staged" "$work/prefix"
cmake -S "$source/hosts/geany" -B "$work/plugin" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/plugin" --target korvex50-geany >/dev/null
needed=$(readelf -d "$work/plugin/korvex50-geany.so")
grep -q 'Shared library: \[libvcl50.so\]' <<<"$needed" || { echo "FAIL: the plugin does not link libvcl50.so"; exit 1; }
grep -q "$work/prefix/" <<<"$needed" || { echo "FAIL: the plugin has no run path into the kit's prefix"; exit 1; }
echo "ok: korvex50-geany builds against the installed kit alone"
