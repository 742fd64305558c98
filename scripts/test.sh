#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: natively, then the
# same native suite under AddressSanitizer and UndefinedBehaviorSanitizer, then the 32-bit Windows build under
# Wine (its 64-bit twin where the machine cannot run 32-bit code), then the packages (built, checked by lintian, tried unpacked).
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
source scripts/wine-env.sh
if pelmora_can_run_32bit; then
  ctest --preset windows
else
  # The 32-bit programs are built and packed all the same; their tests run on the 64-bit build of the same code.
  echo "test.sh: this machine cannot run 32-bit code, so the Windows tests run on the windows64 build"
  cmake --preset windows64
  cmake --build --preset windows64 -j "$jobs"
  ctest --preset windows64
fi
bash scripts/package.sh --windows
