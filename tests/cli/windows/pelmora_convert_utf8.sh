#!/usr/bin/env bash
# pelmora-convert.exe --utf-8 under Wine, in one throwaway prefix: a Japanese and a Greek document of our own give
# their letters in UTF-8 through the system's code pages, and every corpus document gives, byte for byte, the
# UTF-8 page that the native build gives.
# Usage: pelmora_convert_utf8.sh PELMORA_CONVERT_EXE NATIVE_PELMORA_CONVERT CORPUS_DIR
# Without the native program or the corpus, the comparison is skipped (exit 77 when nothing else ran).
set -uo pipefail
convert=$(realpath "$1")
native=$(realpath -m "$2")
corpus=$3

source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine-env.sh"
pelmora_wine_for "$convert"
pelmora_wine_throwaway_prefix pelmora-convert-utf8

docs="$WINEPREFIX/drive_c/docs"
mkdir -p "$docs/win" "$docs/native"
passed=0
failed=0
check() {  # check CASE CONDITION...
  local name=$1
  shift
  if "$@"; then passed=$((passed + 1)); echo "ok: $name"; else failed=$((failed + 1)); echo "FAIL: $name"; fi
}
has() { grep -q -F -- "$1" "$2"; }
convert_in_docs() { (cd "$docs" && wine "$convert" "$@" >"$docs/.out" 2>"$docs/.err"); }

# Shift-JIS in a \fcharset128 font, with the font's name in Shift-JIS, and a \u character.
printf '%s' '{\rtf1\ansi\ansicpg932\deff0{\fonttbl{\f0\fnil\fcharset128 \'"'"'82\'"'"'6c\'"'"'82\'"'"'72 \'"'"'96\'"'"'be\'"'"'92\'"'"'a9;}}' \
  '\f0 \'"'"'93\'"'"'fa\'"'"'96\'"'"'7b\'"'"'8c\'"'"'ea \u12354\'"'"'82\'"'"'a0}' >"$docs/japanese.rtf"
# Windows-1253 in a \fcharset161 font, and the Symbol font's Greek letters.
printf '%s' '{\rtf1\ansi\ansicpg1253{\fonttbl{\f0\fswiss\fcharset161 Arial Greek;}{\f1\ftech\fcharset2 Symbol;}}' \
  '\f0 \'"'"'c1\'"'"'e8\'"'"'de\'"'"'ed\'"'"'e1 {\f1 abg}}' >"$docs/greek.rtf"

check japanese-converts convert_in_docs -u japanese.rtf
check japanese-charset has 'CONTENT="text/html; charset=utf-8">' "$docs/japanese.htm"
check japanese-letters has '日本語 あ' "$docs/japanese.htm"
check japanese-font-name has '<FONT FACE="ＭＳ 明朝">' "$docs/japanese.htm"
check greek-converts convert_in_docs --utf-8 greek.rtf
check greek-letters has 'Αθήνα <FONT FACE="Symbol">αβγ</FONT>' "$docs/greek.htm"

if [ -x "$native" ] && [ -d "$corpus" ]; then
  # The same documents in the same order on both sides: the font table carries over from one to the next.
  mapfile -t names < <(cd "$corpus" && LC_ALL=C ls -- *.rtf)
  cp -- "${names[@]/#/$corpus/}" "$docs/"
  (cd "$docs" && "$native" -u -d native -- "${names[@]}" 2>"$docs/.native-err")
  convert_in_docs -u -d win -- "${names[@]}"
  for name in "${names[@]}"; do
    page="${name%???}htm"
    check "same-page:$name" cmp -s "$docs/native/$page" "$docs/win/$page"
  done
else
  echo "skipped: the corpus comparison needs the native program ($native) and the corpus ($corpus)"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
