#!/usr/bin/env bash
# Makes docs/screenshot.png: the pelmora window on a small sample folder, drawn on Qt's offscreen platform (no
# display needed); and docs/screenshot-windows.png: pelmora.exe's window on the same folder, drawn by Wine on an
# X server of its own (Xvfb), frame included. The Windows picture comes from the windows build, or from the
# windows64 build where this machine cannot run 32-bit code.
# Usage: scripts/screenshot.sh [build folder]   (default: build/default, configured if missing)
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
# fill_demo FOLDER: the sample folder's subfolders and files.
fill_demo() {
  mkdir -p "$1/Archiv" "$1/Entwürfe" "$1/.cache"
  for name in brief.rtf einladung.rtf rechnung.rtf notizen.txt; do
    printf '{\\rtf1\\ansi %s}\r\n' "$name" >"$1/$name"
  done
  [ -f examples/letter.rtf ] && cp examples/letter.rtf "$1/letter.rtf"
  return 0
}
fill_demo "$demo"

mkdir -p docs
(cd "$demo" && QT_QPA_PLATFORM=offscreen "$top/$build/tests/window/qt/pelmora_screenshot" "$top/docs/screenshot.png")
echo "screenshot: $top/docs/screenshot.png"

source scripts/wine-env.sh
preset=windows
pelmora_can_run_32bit || preset=windows64
if [ ! -f "build/$preset/build.ninja" ]; then
  cmake --preset "$preset" >/dev/null
fi
cmake --build "build/$preset" --target pelmora_screenshot_win -j 2 >/dev/null
shooter=$top/build/$preset/tests/window/win32/pelmora_screenshot_win.exe
pelmora_wine_for "$shooter"
WINEPREFIX=$base/wine
export WINEPREFIX
trap 'wineserver -k >/dev/null 2>&1; rm -rf "$base"' EXIT
# The prefix is made on the same X server that then shows the window. There is no window manager, so Wine draws
# the frame and caption itself, as Windows would. Wine shows names beginning with "." as hidden, so .cache is left
# out as on Linux.
export -f fill_demo
bash tests/window/win32/with-xvfb.sh bash -c '
  source scripts/wine-env.sh && pelmora_wine_for "$0" && wineboot -i >/dev/null 2>&1 &&
  wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Decorated /d N /f >/dev/null 2>&1 &&
  fill_demo "$WINEPREFIX/drive_c/Dokumente" && cd "$WINEPREFIX/drive_c/Dokumente" && wine "$0" "C:\\window.bmp"' \
  "$shooter"
python3 - "$WINEPREFIX/drive_c/window.bmp" "$top/docs/screenshot-windows.png" <<'PYTHON'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
offset, = struct.unpack_from("<I", data, 10)
width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
assert bits == 24
stride = (width * 3 + 3) & ~3
rows = b""
for y in range(height - 1, -1, -1):  # bottom-up BGR rows to top-down RGB
    row = data[offset + y * stride:offset + y * stride + width * 3]
    rows += b"\0" + bytes(c for i in range(0, len(row), 3) for c in (row[i + 2], row[i + 1], row[i]))
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")
open(sys.argv[2], "wb").write(png)
PYTHON
echo "screenshot: $top/docs/screenshot-windows.png"
