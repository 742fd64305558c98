#!/usr/bin/env bash
# Makes docs/screenshot.png: the pelmora window on a small sample folder, drawn on Qt's offscreen platform (no
# display needed). Usage: scripts/screenshot.sh [build folder]   (default: build/default, configured if missing)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
build=${1:-build/default}
if [ ! -f "$build/build.ninja" ]; then
  cmake --preset default -B "$build" >/dev/null
fi
cmake --build "$build" --target pelmora_screenshot -j 2 >/dev/null

# A folder as a user might have it; its path shows in the folder list. Made fresh, and removed afterwards.
base=${TMPDIR:-/tmp}/pelmora
if [ -e "$base" ]; then
  echo "screenshot: $base is in the way; move it aside first" >&2
  exit 1
fi
trap 'rm -rf "$base"' EXIT
demo=$base/Dokumente
mkdir -p "$demo/Archiv" "$demo/Entwürfe" "$demo/.cache"
for name in brief.rtf einladung.rtf rechnung.rtf notizen.txt; do
  printf '{\\rtf1\\ansi %s}\r\n' "$name" >"$demo/$name"
done
[ -f examples/letter.rtf ] && cp examples/letter.rtf "$demo/letter.rtf"

mkdir -p docs
(cd "$demo" && QT_QPA_PLATFORM=offscreen "$top/$build/tests/app/pelmora_screenshot" "$top/docs/screenshot.png")
echo "screenshot: $top/docs/screenshot.png"
