#!/usr/bin/env bash
# Installs what the demo needs (compiler, CMake, Ninja) when missing, builds pelmora-convert alone in build/demo,
# and converts the sample letter beside itself.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh --demo
# A build folder of its own: the options below must not stick to the cache of the full build.
cmake --preset default -B build/demo -DPELMORA_BUILD_WINDOW=OFF -DPELMORA_BUILD_IDEPACKAGE=OFF \
  -DPELMORA_BUILD_UNINSTALLER=OFF -DPELMORA_BUILD_TESTS=OFF >/dev/null
cmake --build build/demo --target pelmora-convert -j "$(nproc)"
build/demo/converter/cli/pelmora-convert examples/letter.rtf
echo "pelmora-convert: the page is at $(pwd)/examples/letter.htm"
