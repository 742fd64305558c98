#!/usr/bin/env bash
# Runs one Windows program under Wine and passes on its exit code. Without a WINEPREFIX of the
# caller's, it makes a throwaway prefix (32- or 64-bit, as the program is) for this one run, so tests
# never see each other's registry or files, and removes it (and stops its wineserver) afterwards.
# Usage: scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
pelmora_wine_for "$1"
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-wine.XXXXXX")
  export WINEPREFIX
  cleanup() { wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"; }
  trap cleanup EXIT
  trap 'exit 143' TERM
  trap 'exit 130' INT
  if ! wineboot -i >/dev/null 2>&1; then
    echo "wine-run.sh: wineboot could not make a prefix in $WINEPREFIX" >&2
    [ "$WINEARCH" = win32 ] && ! pelmora_can_run_32bit &&
      echo "wine-run.sh: this machine cannot run 32-bit code; test the windows64 build instead" >&2
    exit 125
  fi
fi
wine "$@"
