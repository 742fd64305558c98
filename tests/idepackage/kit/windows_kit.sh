#!/usr/bin/env bash
# The Windows kit as a host author uses it: the zip unpacked, the example host it carries built with
# the cross compiler and find_package(Korvex50), installed with the DLLs it ships beside itself, and
# the installed program run under Wine: it loads the package, registers it, presses a key, unloads it.
# Usage: windows_kit.sh KIT_ZIP CXX SOURCE_DIR
set -euo pipefail
zip=$1
cxx=$2
source=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-winkit.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "windows_kit: $*" >&2; exit 1; }

unzip -q "$zip" -d "$work/unpacked"
kit=$(find "$work/unpacked" -mindepth 1 -maxdepth 1 -type d)
for file in include/korvex50/Toolsapi.h include/korvex50/PackageLoader.h include/korvex50/KorvexKeys.h \
            include/korvex50/Version.h include/korvex50/Exception.h lib/libvcl50.dll.a bin/vcl50.dll \
            bin/Korvex50.dll bin/libstdc++-6.dll lib/cmake/Korvex50/Korvex50Config.cmake LICENSE.txt \
            examples/korvex-host/main.cpp examples/korvex-host/CMakeLists.txt; do
  [ -e "$kit/$file" ] || fail "the kit lacks $file"
done
[ ! -e "$kit/include/korvex50/KorvexOTA50.h" ] || fail "the kit carries the package's own unit headers"

cmake -S "$kit/examples/korvex-host" -B "$work/build" -G Ninja -DCMAKE_SYSTEM_NAME=Windows \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_PREFIX_PATH="$kit" >/dev/null
cmake --build "$work/build" >/dev/null
cmake --install "$work/build" --prefix "$work/installed" >/dev/null
output=$(bash "$source/scripts/wine-run.sh" "$work/installed/bin/korvex_host.exe" | tr -d '\r') \
  || fail "the installed host failed: $output"
echo "$output"
grep -q "Ctrl+Alt+Down handled" <<<"$output" || fail "the installed host did not get the key handled"
