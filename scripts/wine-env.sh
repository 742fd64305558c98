# Sourced by the scripts that run Windows programs under Wine: picks the Wine that can run a program.
# A 32-bit program needs Wine's 32-bit loader, and that needs a kernel that runs 32-bit code; some machines
# (virtual machines among them) run 64-bit code only. A 64-bit program runs under wine64 in a 64-bit prefix.
#   pelmora_wine_for PROGRAM.exe   sets WINEARCH and, for a 64-bit program, the functions wine, wineboot and
#                                  wineserver of the calling script to the 64-bit ones
#   pelmora_can_run_32bit          succeeds when this machine can start 32-bit Windows programs

export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: nothing here needs them, and their installers would ask on a desktop.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# The machine field of a PE file's header: 8664 for x86-64, 14c for i386.
pelmora_pe_machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$offset" ] || return 1
  od -An -tx2 -j$((offset + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}

pelmora_can_run_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

pelmora_wine_for() {
  if [ "$(pelmora_pe_machine "$1")" = 8664 ]; then
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
    wine() { /usr/lib/wine/wine64 "$@"; }
    wineboot() { /usr/lib/wine/wine64 wineboot "$@"; }
    wineserver() { /usr/lib/wine/wineserver64 "$@"; }
  else
    export WINEARCH=win32
  fi
}

# Makes a throwaway prefix for the calling script, named NAME.XXXXXX, and removes it (stopping its wineserver)
# when the script ends. When Wine cannot make it, says why and ends the script with FAIL_CODE (default 1).
# Call after pelmora_wine_for, so that the prefix is of the program's kind.
pelmora_wine_throwaway_prefix() {
  WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
  export WINEPREFIX
  trap 'wineserver -k >/dev/null 2>&1; rm -rf "$WINEPREFIX"' EXIT
  trap 'exit 143' TERM
  trap 'exit 130' INT
  if ! wineboot -i >/dev/null 2>&1; then
    echo "FAIL: wineboot could not make a prefix in $WINEPREFIX" >&2
    [ "$WINEARCH" = win32 ] && ! pelmora_can_run_32bit &&
      echo "this machine cannot run 32-bit code; test the windows64 build instead" >&2
    exit "${2:-1}"
  fi
  # wineboot returns while the prefix's first-start jobs still run; a program started meanwhile can fail at random.
  wineserver -w
}
