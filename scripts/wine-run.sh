#!/usr/bin/env bash
# Runs one Windows program under Wine and passes on its exit code. Without a WINEPREFIX of the
# caller's, it makes a throwaway 32-bit prefix for this one run, so tests never see each other's
# registry or files, and removes it (and stops its wineserver) afterwards.
# Usage: scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -uo pipefail
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: nothing here needs them, and their installers would ask on a desktop.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-wine.XXXXXX")
  export WINEPREFIX WINEARCH=win32
  cleanup() { wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"; }
  trap cleanup EXIT
  trap 'exit 143' TERM
  trap 'exit 130' INT
  if ! wineboot -i >/dev/null 2>&1; then
    echo "wine-run.sh: wineboot could not make a prefix in $WINEPREFIX" >&2
    exit 125
  fi
fi
wine "$@"
