#!/usr/bin/env bash
# vouninst.exe end to end under Wine: uninstall entries made with `wine reg add` in one throwaway
# prefix (each case uses entries of its own), checked by exit code and by the marker file
# that uninstall_probe.exe writes when it has run.
# Usage: vouninst_e2e.sh VOUNINST_EXE UNINSTALL_PROBE_EXE
set -uo pipefail
vouninst=$1
probe=$2

source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine-env.sh"
pelmora_wine_for "$vouninst"
# Without a display the final error report's message box returns at once instead of waiting.
unset DISPLAY WAYLAND_DISPLAY
pelmora_wine_throwaway_prefix vouninst-e2e
wineserver -p  # keep the server between the many short runs below

drive_c="$WINEPREFIX/drive_c"
mkdir -p "$drive_c/out" "$drive_c/Program Files/Probe Dir"
cp "$probe" "$drive_c/Program Files/Probe Dir/probe.exe"
probe_win='"C:\Program Files\Probe Dir\probe.exe"'
path1='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall'
path2='HKLM\SOFTWARE\Microsoft\Windows\Current Version\Uninstall'

passed=0
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
pass() { echo "ok: $*"; passed=$((passed + 1)); }

# entry KEY TYPE DATA: sets the key's UninstallString.
entry() {
  wine reg add "$1" /v UninstallString /t "$2" /d "$3" /f >/dev/null 2>&1 || fail "wine reg add $1"
}
# marker NAME: the probe's marker file of that name, as Windows and as Linux see it.
marker_win() { echo "C:\\out\\$1.txt"; }
marker() { echo "$drive_c/out/$1.txt"; }

# expect CASE EXIT_CODE [ARGUMENTS...]: runs vouninst.exe and checks its exit code.
expect() {
  local name=$1 want=$2
  shift 2
  wine "$vouninst" "$@" >/dev/null 2>&1
  local got=$?
  if [ "$got" -eq "$want" ]; then return 0; fi
  fail "$name: got exit code $got, expected $want"
  return 1
}
# expect_ran CASE [ARGUMENTS...]: exit code 0 and the probe's marker present right after.
expect_ran() {
  local name=$1
  expect "$@" || return 1
  if [ -f "$(marker "$name")" ]; then pass "$name"; return 0; fi
  fail "$name: the command did not run"
  return 1
}
# expect_failed CASE [ARGUMENTS...]: exit code 1.
expect_failed() { expect "$1" 1 "${@:2}" && pass "$1"; }

entry "$path1\\Path1App" REG_SZ "$probe_win $(marker_win path1)"
expect_ran path1 0 Path1App

entry "$path2\\Path2App" REG_SZ "$probe_win $(marker_win path2)"
expect_ran path2 0 Path2App

entry "$path1\\Pelmora Test App" REG_SZ "$probe_win $(marker_win blank)"
expect_ran blank 0 "Pelmora Test App"

entry "$path1\\ExpandApp" REG_EXPAND_SZ "$probe_win $(marker_win expand) 0 0 %SystemRoot%"
if expect_ran expand 0 ExpandApp; then
  grep -q '%SystemRoot%' "$(marker expand)" || fail "expand: the reference was expanded: $(cat "$(marker expand)")"
fi

wine reg add "$path1\\DwordApp" /v UninstallString /t REG_DWORD /d 5 /f >/dev/null 2>&1 || fail "reg add DwordApp"
expect_failed dword-only DwordApp
wine reg add "$path1\\DwordBoth" /v UninstallString /t REG_DWORD /d 5 /f >/dev/null 2>&1 || fail "reg add DwordBoth"
entry "$path2\\DwordBoth" REG_SZ "$probe_win $(marker_win dword-path2)"
expect_ran dword-path2 0 DwordBoth

expect_failed no-entry NoSuchApp

wine reg add "$path1\\NoValueApp" /v DisplayName /t REG_SZ /d "No value" /f >/dev/null 2>&1 || fail "reg add NoValueApp"
expect_failed value-missing NoValueApp

entry "$path1\\EmptyApp" REG_SZ ""
expect_failed value-empty EmptyApp

entry "$path1\\GoneApp" REG_SZ "C:\\nowhere\\uninstall.exe /S"
expect_failed program-not-found GoneApp

entry "$path1\\FailingApp" REG_SZ "$probe_win $(marker_win own-failure) 0 7"
expect_ran own-failure 0 FailingApp

# The probe writes its marker only after sleeping: present right after vouninst ended means it waited.
entry "$path1\\SlowApp" REG_SZ "$probe_win $(marker_win waits) 2000"
expect_ran waits 0 SlowApp

long_argument=$(printf 'x%.0s' $(seq 600))
entry "$path1\\LongApp" REG_SZ "$probe_win $(marker_win long) 0 0 $long_argument"
if expect_ran long 0 LongApp; then
  grep -q "$long_argument" "$(marker long)" || fail "long: the command was cut"
fi

expect no-argument 0 && pass no-argument

# The relay trace's layout (32-bit arguments, the image at 0x400000) is that of the 32-bit program, which is
# the one shipped; a 64-bit build, tested where 32-bit code cannot run, leaves these checks out.
if [ "$WINEARCH" = win32 ]; then
  # The Win32 calls themselves, as Wine's relay trace shows those made from vouninst's own code
  # (its image starts at 0x400000, so their return addresses begin with 004).
  # own_calls CASE ARGUMENTS...: runs vouninst.exe traced and prints its own calls, in order.
  own_calls() {
    local trace="$WINEPREFIX/$1.relay"
    shift
    WINEDEBUG=+relay wine "$vouninst" "$@" >/dev/null 2>"$trace"
    grep -a -E '^[0-9a-f]+:(Call|Ret) +[A-Za-z0-9]+\.[A-Za-z]+\(.* ret=004[0-9a-f]{5}$' "$trace" | cut -d: -f2-
  }
  # has CASE CALLS EXTENDED_REGEX WHAT
  has() { grep -q -E "$3" <<<"$2" || fail "$1: $4"; }

  entry "$path1\\TracedApp" REG_SZ "$probe_win $(marker_win traced)"
  calls=$(own_calls traced TracedApp)
  before=$failed
  has calls "$calls" '^Call advapi32\.RegOpenKeyExA\(80000002,[0-9a-f]+ "SOFTWARE\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\TracedApp",00000000,000f003f,' \
    "the key is not opened below HKEY_LOCAL_MACHINE with KEY_ALL_ACCESS"
  has calls "$calls" '^Call KERNEL32\.CreateProcessA\(00000000,[0-9a-f]+ "\\"C:\\\\Program Files.*",00000000,00000000,00000000,00000030,00000000,00000000,' \
    "CreateProcessA is not called with the command line alone, no inheritance and flags 0x30"
  has calls "$calls" '^Call KERNEL32\.WaitForSingleObject\([0-9a-f]+,ffffffff\)' "the wait is not INFINITE"
  # The key found stays open while the command runs: its close comes after the wait.
  order=$(grep -E -o '^(Ret  KERNEL32\.WaitForSingleObject|Call advapi32\.RegCloseKey|Call KERNEL32\.CloseHandle)' <<<"$calls" | tr '\n' ' ')
  [ "$order" = "Ret  KERNEL32.WaitForSingleObject Call KERNEL32.CloseHandle Call KERNEL32.CloseHandle Call advapi32.RegCloseKey " ] ||
    fail "calls: handles not closed after the wait as expected: $order"
  [ "$failed" -eq "$before" ] && pass calls

  calls=$(own_calls report NoSuchApp)
  before=$failed
  has report "$calls" '^Call user32\.MessageBoxA\(00000000,[0-9a-f]+ "Exception EAppNotInstalled in module vouninst\.exe at [0-9A-F]{8}\.\\nApplication was not installed on this computer\.",[0-9a-f]+ "Application Error",00002010\)' \
    "the final error report differs: $(grep MessageBoxA <<<"$calls")"
  [ "$failed" -eq "$before" ] && pass report
else
  echo "relay checks skipped: they read the trace of the 32-bit program"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
