#!/usr/bin/env bash
# pelmora.exe under Wine as a user drives it: started in a folder holding an RTF file, Tab moves to the file
# list, Down selects the file, Enter presses OK and writes the page beside it, Alt+S closes the window, and the
# program ends with exit code 0. The keys go through the X server (xdotool), as a keyboard's would.
# Usage: pelmora_keys_e2e.sh PELMORA_EXE SAMPLE_RTF   (with DISPLAY set, see with-xvfb.sh)
set -uo pipefail
exe=$1
sample=$2
if ! command -v xdotool >/dev/null; then
  echo "skipped: xdotool is not installed (bash scripts/bootstrap.sh installs it)"
  exit 77
fi

source "$(dirname "${BASH_SOURCE[0]}")/../../../scripts/wine-env.sh"
pelmora_wine_for "$exe"
pelmora_wine_throwaway_prefix pelmora-keys-e2e

docs="$WINEPREFIX/drive_c/docs"
mkdir -p "$docs"
cp "$sample" "$docs/letter.rtf"
cd "$docs" || exit 1
wine "$exe" &
program=$!

# keys WINDOW KEY...: each key to the window, once it has the focus.
keys() {
  local window=$1
  shift
  for key in "$@"; do
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers "$key"
    sleep 0.5
  done
}

window=
for _ in $(seq 60); do
  window=$(xdotool search --name '^Form1$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || { echo "FAIL: the window Form1 did not appear"; kill "$program"; exit 1; }
sleep 1
keys "$window" Tab Down Return
for _ in $(seq 20); do
  [ -f "$docs/letter.htm" ] && break
  sleep 0.5
done
failed=0
if tail -c 18 "$docs/letter.htm" 2>/dev/null | cmp -s - <(printf '</BODY>\r\n</HTML>\r\n'); then
  echo "ok: Tab, Down and Enter wrote letter.htm beside letter.rtf"
else
  echo "FAIL: no complete letter.htm after Tab, Down and Enter"
  failed=1
fi
keys "$window" alt+s
for _ in $(seq 20); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$program" 2>/dev/null; then
  echo "FAIL: the window is still open after Alt+S"
  kill "$program"
  exit 1
fi
wait "$program"
code=$?
if [ "$code" -eq 0 ]; then echo "ok: Alt+S closed the window, exit code 0"; else echo "FAIL: exit code $code"; failed=1; fi
exit "$failed"
