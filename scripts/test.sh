#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: natively, then the
# same native suite under AddressSanitizer and UndefinedBehaviorSanitizer, then the 32-bit Windows build under
# Wine, then the packages (built, checked by lintian, tried unpacked).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
jobs=$(nproc)
cmake --preset default
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"
cmake --preset windows
cmake --build --preset windows -j "$jobs"
ctest --preset windows
bash scripts/package.sh --windows
