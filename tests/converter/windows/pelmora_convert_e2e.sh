#!/usr/bin/env bash
# pelmora-convert.exe end to end under Wine, in one throwaway prefix: a conversion beside the source, the
# source itself as destination (refused with the system's sharing code, source unchanged) and a missing source.
# Usage: pelmora_convert_e2e.sh PELMORA_CONVERT_EXE SAMPLE_RTF
set -uo pipefail
convert=$1
sample=$2

source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine-env.sh"
pelmora_wine_for "$convert"
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-convert-e2e.XXXXXX")
export WINEPREFIX
cleanup() { wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"; }
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
wineboot -i >/dev/null 2>&1 || { echo "wineboot failed"; exit 1; }

docs="$WINEPREFIX/drive_c/docs"
mkdir -p "$docs"
cp "$sample" "$docs/letter.rtf"
passed=0
failed=0
check() {  # check CASE CONDITION...
  local name=$1
  shift
  if "$@"; then passed=$((passed + 1)); echo "ok: $name"; else failed=$((failed + 1)); echo "FAIL: $name"; fi
}
# run EXPECTED_EXIT ARGUMENTS...: runs the program, keeps its standard error in $err.
run() {
  local want=$1
  shift
  err=$(wine "$convert" "$@" 2>&1 >/dev/null)
  local got=$?
  [ "$got" -eq "$want" ] || { echo "  got exit code $got, expected $want: $err"; return 1; }
}

check converts run 0 'C:\docs\letter.rtf'
check page-beside-source grep -q -F $'<TITLE>C:\\docs\\letter.rtf</TITLE>\r' "$docs/letter.htm"

check source-as-destination run 1 -o 'C:\docs\letter.rtf' 'C:\docs\letter.rtf'
check sharing-code grep -q -F 'I/O-Fehler 32' <<<"$err"
check source-unchanged cmp -s "$sample" "$docs/letter.rtf"

check missing-source run 1 'C:\docs\missing.rtf'
check missing-message grep -q -F 'Datei nicht gefunden' <<<"$err"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
