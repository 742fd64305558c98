#!/usr/bin/env bash
# Runs one Windows program under Wine and passes on its exit code. Without a WINEPREFIX of the
# caller's, it makes a throwaway prefix (32- or 64-bit, as the program is) for this one run, so tests
# never see each other's registry or files, and removes it (and stops its wineserver) afterwards.
# Usage: scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
pelmora_wine_for "$1"
[ -n "${WINEPREFIX:-}" ] || pelmora_wine_throwaway_prefix pelmora-wine 125
wine "$@"
