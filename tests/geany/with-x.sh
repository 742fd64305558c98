#!/usr/bin/env bash
# Runs a command on an X server of its own (Xvfb), for tests that need a display but show no window. Ends
# with 77 (skipped) and says why when no server can start.
# Usage: with-x.sh COMMAND [ARGUMENTS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=geany-session.sh
source "$here/geany-session.sh"
command -v Xvfb >/dev/null || { echo "skipped: Xvfb is not installed (bash scripts/bootstrap.sh installs it)"; exit 77; }
trap geany_session_stop EXIT
geany_session_start_x
"$@"
