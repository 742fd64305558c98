#!/usr/bin/env bash
# Installs what is missing, builds the converter and converts the sample letter beside itself.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh --no-windows
cmake --preset default >/dev/null
cmake --build --preset default --target pelmora-convert -j "$(nproc)"
build/default/converter/app/pelmora-convert examples/letter.rtf
echo "pelmora-convert: the page is at $(pwd)/examples/letter.htm"
