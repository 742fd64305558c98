#!/usr/bin/env bash
# Runs a command with DISPLAY set to an X server of its own (Xvfb, 1024x768, 24 bits), which Wine needs to make
# windows, and stops the server afterwards. Ends with 77 (skipped) and says why when no server can start.
# Usage: with-xvfb.sh COMMAND [ARGUMENTS...]
set -uo pipefail
if ! command -v Xvfb >/dev/null; then
  echo "skipped: Xvfb is not installed (bash scripts/bootstrap.sh installs it); Wine cannot make windows without an X server"
  exit 77
fi
fifo=$(mktemp -u "${TMPDIR:-/tmp}/pelmora-xvfb.XXXXXX")
mkfifo "$fifo"
# -noreset: without it the server resets whenever its last client (an xdotool, a stopped program) leaves,
# and a program that connects during the reset fails with "cannot open display".
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$fifo"' EXIT
display=
read -r -t 20 display <"$fifo"
if [ -z "$display" ]; then
  echo "skipped: Xvfb did not start within 20 seconds; Wine cannot make windows without an X server"
  exit 77
fi
export DISPLAY=":$display"
"$@"
