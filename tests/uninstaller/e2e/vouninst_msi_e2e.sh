#!/usr/bin/env bash
# The MSI end to end under Wine, in one throwaway prefix: msiexec installs it silently; its files and
# its uninstall entry are there, the entry's UninstallString removing the product; vouninst.exe from
# the build folder (the installed copy goes with the product) run with the entry's key name removes
# product, files and entry; run again, it reports the product as not installed, with exit code 1.
# Usage: vouninst_msi_e2e.sh MSI VOUNINST_EXE PRODUCT_CODE
set -uo pipefail
msi=$1
vouninst=$2
product=$3

source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine-env.sh"
pelmora_wine_for "$vouninst"
# Without a display the final error report's message box returns at once instead of waiting.
unset DISPLAY WAYLAND_DISPLAY
pelmora_wine_throwaway_prefix vouninst-msi-e2e

failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
pass() { echo "ok: $*"; }

key="HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product"
folder="$WINEPREFIX/drive_c/Program Files/pelmora"
files=(vouninst.exe pelmora-convert.exe Korvex50.dll vcl50.dll libstdc++-6.dll)

wine msiexec /i "Z:$msi" /qn >/dev/null 2>&1
got=$?
[ "$got" -eq 0 ] || fail "msiexec /i: got exit code $got, expected 0"
for f in "${files[@]}"; do [ -f "$folder/$f" ] || fail "installed: $f is missing from $folder"; done
entry=$(wine reg query "$key" /v UninstallString 2>/dev/null | tr -d '\r')
grep -q -i -F "MsiExec.exe /X$product" <<<"$entry" || fail "the uninstall entry's UninstallString is not MsiExec.exe /X$product: $entry"
[ "$failed" -eq 0 ] && pass "installed: files and uninstall entry"

wine "$vouninst" "$product" >/dev/null 2>&1
got=$?
[ "$got" -eq 0 ] || fail "vouninst: got exit code $got, expected 0"
for f in "${files[@]}"; do [ ! -e "$folder/$f" ] || fail "uninstalled: $f is still in $folder"; done
wine reg query "$key" >/dev/null 2>&1 && fail "uninstalled: the uninstall entry is still there"
[ "$failed" -eq 0 ] && pass "vouninst removed product, files and entry"

# The message box's text, as Wine's relay trace shows the call.
trace="$WINEPREFIX/second-run.relay"
WINEDEBUG=+relay wine "$vouninst" "$product" >/dev/null 2>"$trace"
got=$?
[ "$got" -eq 1 ] || fail "second run: got exit code $got, expected 1"
report=$(grep -a -m1 'Call user32\.MessageBoxA(' "$trace")
grep -q -F '\nApplication was not installed on this computer.",' <<<"$report" ||
  fail "second run: no report that the application was not installed: $report"
[ "$failed" -eq 0 ] && pass "second run: not installed, exit code 1"

[ "$failed" -eq 0 ]
