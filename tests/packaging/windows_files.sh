#!/usr/bin/env bash
# The Windows files as shipped: every program and DLL stripped and with a version record, the programs
# carrying their own C++ runtime (no MinGW runtime DLL among their imports), pelmora.exe with its
# manifest (common controls 6, the supported systems).
# Usage: windows_files.sh OBJDUMP PROGRAMS... -- DLLS...
set -uo pipefail
objdump=$1
shift
failed=0
fail() { echo "FAIL: $*"; failed=1; }

kind=program
for file in "$@"; do
  [ "$file" = -- ] && { kind=dll; continue; }
  name=$(basename "$file")
  headers=$("$objdump" -p -h "$file")
  grep -q -E '^ *[0-9]+ \.debug_' <<<"$headers" && fail "$name carries debug sections"
  grep -q -E 'PointerToSymbolTable[[:space:]]+0*[1-9a-f]' <<<"$headers" && fail "$name carries a symbol table"
  # Resource types are the first level of the resource directory: 0x10 is the version record.
  types=$(sed -n 's/^[0-9a-f]\{3\}   Entry: ID: 0x\([0-9a-f]*\),.*/\1/p' <<<"$headers")
  case "$name" in
    lib*) ;;  # the compiler's runtime DLLs are shipped as they come, stripped
    *) grep -q -x 000010 <<<"$types" || fail "$name has no version record" ;;
  esac
  if [ "$kind" = program ]; then
    imports=$(grep 'DLL Name:' <<<"$headers")
    grep -q -i -E 'libstdc\+\+|libgcc|libwinpthread' <<<"$imports" && fail "$name needs the MinGW runtime DLLs"
  fi
  if [ "$name" = pelmora.exe ]; then
    grep -q -x 000018 <<<"$types" || fail "pelmora.exe has no manifest"
    manifest=$(strings "$file")
    grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest" ||
      fail "pelmora.exe's manifest does not ask for common controls 6"
    grep -q 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' <<<"$manifest" ||
      fail "pelmora.exe's manifest does not name Windows 10 among the supported systems"
  fi
done
[ "$failed" -eq 0 ] && echo "ok: stripped, versioned, the programs self-contained"
exit "$failed"
