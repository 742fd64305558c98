#!/usr/bin/env bash
# Makes docs/screenshot-geany.png: Geany with the korvex50-geany plugin enabled, a C source file open and the
# caret moved by Ctrl+Alt+Down to the next occurrence of the identifier it stood on; drawn on an X server of its
# own (Xvfb), without a window manager, so the picture is Geany's window without a frame.
# Usage: scripts/screenshot-geany.sh [build folder]   (default: build/default, configured if missing)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
build=${1:-build/default}
if [ ! -f "$build/build.ninja" ]; then
  cmake --preset default -B "$build" >/dev/null
fi
cmake --build "$build" --target korvex50-geany Korvex50 -j 2 >/dev/null
plugin=$top/$build/hosts/geany/korvex50-geany.so

source tests/geany/geany-session.sh
geany_session_require
work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-geany-shot.XXXXXX")
trap 'geany_session_stop; rm -rf "$work"' EXIT
mkdir -p "$work/fb" "$work/src"
geany_session_start_x "$work/fb"

file=$work/src/wordcount.c
cat >"$file" <<'SOURCE'
#include <ctype.h>
#include <stdio.h>

/* Counts the words of standard input. */
static long count_words(FILE *in)
{
	long count = 0;
	int inside = 0;
	int c;

	while ((c = getc(in)) != EOF) {
		if (isspace(c)) {
			inside = 0;
		} else if (!inside) {
			inside = 1;
			count++;
		}
	}
	return count;
}

int main(void)
{
	long words = count_words(stdin);

	printf("%ld\n", words);
	return words > 0 ? 0 : 1;
}
SOURCE
geany_config "$work/config" "$plugin" 1
geany_start "$work/config" "$file"
geany_wait_for_package
# The caret on "count" in "long count = 0;", then Ctrl+Alt+Down: onto "count++;" below.
geany_keys ctrl+Home Down Down Down Down Down Down End Left Left Left Left Left Left Left Left Left Left ctrl+alt+Down
xdotool mousemove 1000 700  # the pointer off the window
sleep 0.6
python3 - "$work/fb/Xvfb_screen0" "$top/docs/screenshot-geany.png" 900 600 <<'PYTHON'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
header = struct.unpack_from(">25I", data, 0)
header_size, width, height = header[0], header[4], header[5]
byte_order, bits, stride, colours = header[7], header[11], header[12], header[19]
assert bits == 32
crop_w, crop_h = min(int(sys.argv[3]), width), min(int(sys.argv[4]), height)
offset = header_size + colours * 12
pixel = "<I" if byte_order == 0 else ">I"
rows = bytearray()
for y in range(crop_h):
    rows += b"\0"
    for x in range(crop_w):
        value, = struct.unpack_from(pixel, data, offset + y * stride + x * 4)
        rows += bytes(((value >> 16) & 255, (value >> 8) & 255, value & 255))
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", crop_w, crop_h, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b"")
open(sys.argv[2], "wb").write(png)
PYTHON
echo "screenshot: $top/docs/screenshot-geany.png"
