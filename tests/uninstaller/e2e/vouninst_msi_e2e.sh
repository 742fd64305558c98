#!/usr/bin/env bash
# The MSI end to end under Wine, in one throwaway prefix: msiexec installs it silently; its files and
# its uninstall entry are there, the entry's UninstallString removing the product, with the icon, the
# folder and the comment that the list of programs shows; the Start-menu entry starts in the user's
# documents; PATH is left alone unless the optional feature is asked for; vouninst.exe from
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
files=(vouninst.exe pelmora-convert.exe Korvex50.dll vcl50.dll libstdc++-6.dll LICENSE.txt)
# The window, its menu entry and its icon come with builds that make the window.
with_window=0
msiinfo export "$msi" File 2>/dev/null | grep -q -F pelmora.exe && with_window=1 && files+=(pelmora.exe)
environment='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment'
# A registry value's data as reg query prints it ("    NAME    REG_SZ    DATA"), or nothing.
value_of() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
# The working folder recorded in a shell link (.lnk), from its string data after the ID list and link info.
link_working_folder() {
  python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 0x14)[0]
at = 0x4C
if flags & 0x01: at += 2 + struct.unpack_from("<H", data, at)[0]   # ID list
if flags & 0x02: at += struct.unpack_from("<I", data, at)[0]       # link info
unicode = flags & 0x80
for bit in (0x04, 0x08, 0x10):                                      # name, relative path, working folder
    if not flags & bit: continue
    count = struct.unpack_from("<H", data, at)[0]; at += 2
    size = count * (2 if unicode else 1)
    text = data[at:at + size].decode("utf-16-le" if unicode else "latin-1"); at += size
    if bit == 0x10: print(text)
PY
}

size=$(stat -c %s "$msi")
[ "$size" -lt $((4 * 1024 * 1024)) ] || fail "the MSI is $size bytes, expected under 4 MB"

wine msiexec /i "Z:$msi" /qn >/dev/null 2>&1
got=$?
[ "$got" -eq 0 ] || fail "msiexec /i: got exit code $got, expected 0"
for f in "${files[@]}"; do [ -f "$folder/$f" ] || fail "installed: $f is missing from $folder"; done
entry=$(wine reg query "$key" /v UninstallString 2>/dev/null | tr -d '\r')
grep -q -i -F "MsiExec.exe /X$product" <<<"$entry" || fail "the uninstall entry's UninstallString is not MsiExec.exe /X$product: $entry"
[ "$failed" -eq 0 ] && pass "installed: files and uninstall entry"

# A Windows path as the file it names in the prefix (winepath gives it through dosdevices' links).
unix_path() { readlink -m "$(wine winepath -u "$1" 2>/dev/null | tr -d '\r')"; }
icon=$(value_of "$key" DisplayIcon)
[ "$with_window" = 0 ] || { [ -n "$icon" ] && [ -f "$(unix_path "${icon%,*}")" ]; } ||
  fail "the uninstall entry's DisplayIcon names no file: '$icon'"
location=$(value_of "$key" InstallLocation)
[ "$(unix_path "$location")" = "$(readlink -m "$folder")" ] ||
  fail "the uninstall entry's InstallLocation is '$location', not the program's folder"
[ -n "$(value_of "$key" Comments)" ] || fail "the uninstall entry has no Comments"
link=$(find "$WINEPREFIX/drive_c" -iname pelmora.lnk -path '*Start Menu*' | head -1)
working=$([ -n "$link" ] && link_working_folder "$link")
[ "$with_window" = 0 ] || grep -q -i -E '\\Documents\\?$' <<<"$working" ||
  fail "the Start-menu entry ($link) starts in '$working', not in the user's Documents"
grep -q -i -F "pelmora" <<<"$(value_of "$environment" PATH)" && fail "PATH names pelmora without the feature"
[ "$failed" -eq 0 ] && pass "installed: DisplayIcon, InstallLocation, Comments, the menu entry's working folder, PATH untouched"

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

# The optional feature: the program folder on PATH while installed, and off it again once removed.
wine msiexec /i "Z:$msi" ADDLOCAL=ALL /qn >/dev/null 2>&1 || fail "msiexec /i ADDLOCAL=ALL failed"
grep -q -i -F 'C:\Program Files\pelmora' <<<"$(value_of "$environment" PATH)" ||
  fail "with ADDLOCAL=ALL PATH lacks the program folder: $(value_of "$environment" PATH)"
wine msiexec /x "$product" /qn >/dev/null 2>&1 || fail "msiexec /x failed"
path=$(value_of "$environment" PATH)
grep -q -i -F 'pelmora' <<<"$path" && fail "after removal PATH still names the program folder: $path"
[ -n "$path" ] || fail "after removal PATH is empty"
[ "$failed" -eq 0 ] && pass "the PATH feature adds the folder and removal takes it off again"

[ "$failed" -eq 0 ]
