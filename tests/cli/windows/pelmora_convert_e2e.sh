#!/usr/bin/env bash
# pelmora-convert.exe end to end under Wine, in one throwaway prefix: a conversion beside the source, the source
# itself as destination (refused with the system's sharing code, source unchanged), a missing source, wildcards,
# /?, the standard streams, a folder tree, and a German message read back from a redirected stream (ANSI code page)
# and from a console (UTF-16).
# Usage: pelmora_convert_e2e.sh PELMORA_CONVERT_EXE SAMPLE_RTF
set -uo pipefail
convert=$(realpath "$1")
sample=$2

source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine-env.sh"
pelmora_wine_for "$convert"
pelmora_wine_throwaway_prefix pelmora-convert-e2e

docs="$WINEPREFIX/drive_c/docs"
mkdir -p "$docs/wild" "$docs/tree/sub" "$docs/out"
cp "$sample" "$docs/letter.rtf"
passed=0
failed=0
check() {  # check CASE CONDITION...
  local name=$1
  shift
  if "$@"; then passed=$((passed + 1)); echo "ok: $name"; else failed=$((failed + 1)); echo "FAIL: $name"; fi
}
# run EXPECTED_EXIT ARGUMENTS...: runs the program in $docs (or $where), keeps its standard output in $out and
# standard error in $err (both raw bytes in files too: $docs/.out, $docs/.err). Standard input comes from $input
# when set.
run() {
  local want=$1
  shift
  (cd "${where:-$docs}" && wine "$convert" "$@" <"${input:-/dev/null}" >"$docs/.out" 2>"$docs/.err")
  local got=$?
  out=$(cat "$docs/.out")
  err=$(cat "$docs/.err")
  [ "$got" -eq "$want" ] || { echo "  got exit code $got, expected $want: $err"; return 1; }
}
has() { grep -q -F -- "$1" <<<"$2"; }

check converts run 0 'C:\docs\letter.rtf'
check page-beside-source grep -q -F $'<TITLE>C:\\docs\\letter.rtf</TITLE>\r' "$docs/letter.htm"

check source-as-destination run 1 -o 'C:\docs\letter.rtf' 'C:\docs\letter.rtf'
check sharing-code has 'I/O-Fehler 32' "$err"
check source-unchanged cmp -s "$sample" "$docs/letter.rtf"

check missing-source run 1 'C:\docs\missing.rtf'
check missing-message has 'Datei nicht gefunden' "$err"

check slash-question-mark run 0 '/?'
check help-text has 'Usage: pelmora-convert' "$out"

printf '{a}' >"$docs/wild/a.rtf"
printf '{b}' >"$docs/wild/B.RTF"
printf '{c}' >"$docs/wild/c.txt"
check wildcards-in-folder run 0 -v 'wild\*.rtf'
check wildcards-sorted has $'wild\\a.rtf -> wild\\a.htm\r\nwild\\B.RTF -> wild\\B.htm' "$(cat "$docs/.out")"
check wildcards-only-matches test ! -e "$docs/wild/c.htm"
where="$docs/wild" check wildcards-here run 0 -v '*.rtf'
check wildcards-here-sorted has $'a.rtf -> a.htm\r\nB.RTF -> B.htm' "$(cat "$docs/.out")"
check wildcard-matching-nothing run 1 'C:\docs\wild\*.doc'
check wildcard-named-in-error has 'C:\docs\wild\*.doc: ' "$err"

# A German message with an umlaut: in the ANSI code page when redirected, in UTF-16 on a console.
printf '{x\\'"'"'zz}' >"$docs/bad.rtf"
acp=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP 2>/dev/null | tr -d '\r' |
  awk '$1 == "ACP" { print $3 }')
from_ansi() { iconv -f "CP${acp:-1252}" -t UTF-8 "$1"; }
check german-redirected run 1 bad.rtf
check german-in-ansi-code-page has "bad.rtf: 'z' ist kein gültiger Integerwert." "$(from_ansi "$docs/.err")"
# script(1) gives the program a terminal, which Wine turns into its console; the loader is named as a program there.
console=$(cd "$docs" && script -qec "\"${WINELOADER:-wine}\" \"$convert\" bad.rtf" /dev/null </dev/null 2>&1)
check german-on-console has "bad.rtf: 'z' ist kein gültiger Integerwert." "$console"

# A file name outside ASCII reaches the program in the ANSI code page, through a wildcard too, and its message
# is written back in that code page.
printf '{umlaut}' >"$docs/wild/grüße.rtf"
check ansi-name run 0 -v 'wild\gr*e.rtf'
check ansi-name-converted test -s "$docs/wild/grüße.htm"
check ansi-name-in-message has 'wild\grüße.rtf -> wild\grüße.htm' "$(from_ansi "$docs/.out")"

printf '{piped}' >"$docs/in.rtf"
input="$docs/in.rtf"
check standard-streams run 0 -
check page-on-standard-output has '<TITLE>-</TITLE>' "$out"
check page-text-on-standard-output has 'piped' "$out"
unset input

printf '{t}' >"$docs/tree/one.Rtf"
printf '{u}' >"$docs/tree/sub/two.rtf"
check tree-into-folder run 0 -r 'C:\docs\tree' -d 'C:\docs\out'
check tree-folders-made grep -q -F 'two.rtf</TITLE>' "$docs/out/sub/two.htm"
check tree-top-level grep -q -F 'one.Rtf</TITLE>' "$docs/out/one.htm"

# One page per destination, names compared as Windows compares them: by letter case and either separator.
mkdir -p "$docs/case/a" "$docs/case/b" "$docs/caseout"
printf '{lower}' >"$docs/case/x.rtf"
printf '{upper}' >"$docs/case/X.RTF"
check collision-by-case run 1 -v 'case\x.rtf' 'case/X.RTF'
check collision-first-page-kept grep -q -F 'lower' "$docs/case/x.htm"
check collision-named has 'case/X.RTF: case/X.htm: already the page of case\x.rtf, not written again.' "$err"
printf '{one}' >"$docs/case/a/p.rtf"
printf '{two}' >"$docs/case/b/P.rtf"
check collision-in-page-folder run 1 -d caseout 'case\a\p.rtf' 'case\b\P.rtf'
check collision-page-folder-first-kept grep -q -F 'one' "$docs/caseout/p.htm"
# In a tree the pages keep their folders, so only x.rtf and X.RTF collide there.
check collision-tree run 1 -d caseout -r case
check collision-tree-keeps-folders grep -q -F 'two' "$docs/caseout/b/P.htm"
check collision-tree-one-line test "$(grep -c 'already the page of' <<<"$err")" -eq 1

# Backslash and slash both separate folders here; the page folder walk ends and keeps the tree.
mkdir -p "$docs/mixed/deep/er" "$docs/mixedout"
printf '{m}' >"$docs/mixed/deep/er/m.rtf"
check mixed-separators run 0 -v --dir='mixedout\' --recursive 'mixed/'
check mixed-separators-page grep -q -F 'm.rtf</TITLE>' "$docs/mixedout/deep/er/m.htm"
check missing-recursive-folder run 2 -r 'C:\docs\nowhere'
check folder-as-source run 1 'C:\docs\mixed'
check folder-as-source-message has 'is a folder' "$err"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
