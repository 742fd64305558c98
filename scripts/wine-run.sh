#!/usr/bin/env bash
# Runs one Windows program under Wine. Without a WINEPREFIX of the caller's, it makes a throwaway
# 32-bit prefix for this one run, so tests never see each other's registry or files.
set -uo pipefail
export WINEDEBUG="${WINEDEBUG:--all}"
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-wine.XXXXXX")
  export WINEPREFIX WINEARCH=win32
  cleanup() { wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"; }
  trap cleanup EXIT
  wineboot -i >/dev/null 2>&1
fi
wine "$@"
