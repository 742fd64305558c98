#!/usr/bin/env bash
# The Debian packages korvex50 and korvex50-geany unpacked into one root, as dpkg would install them: Geany,
# told to look for plugins in the root's Geany plugin folder, loads the plugin, the plugin finds the package
# beside its host interface library, and Ctrl+Alt+Down jumps. Ends with 77 when Geany, Xvfb or xdotool is
# missing.
# Usage: geany_unpacked.sh KORVEX50_DEB KORVEX50_GEANY_DEB
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=geany-session.sh
source "$here/geany-session.sh"
geany_session_require

work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-geany-deb.XXXXXX")
trap 'geany_session_stop; rm -rf "$work"' EXIT
dpkg -x "$1" "$work/root"
dpkg -x "$2" "$work/root"
plugin=$(find "$work/root" -name korvex50-geany.so)
[ -n "$plugin" ] || { echo "FAIL: no korvex50-geany.so in $2"; exit 1; }
case "$plugin" in
  "$work/root/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)/geany/"*) ;;
  *) echo "FAIL: the plugin is not in Geany's plugin folder: ${plugin#"$work/root"}"; exit 1 ;;
esac

geany_session_start_x
file=$work/lf.c
printf 'int foo = 1;\nreturn foo;\n' >"$file"
geany_config "$work/config" "$plugin" 1 "$(dirname "$plugin")"
geany_start "$work/config" "$file" && geany_wait_for_package || exit 1
geany_keys ctrl+Home Right Right Right Right ctrl+alt+Down
caret=$(geany_caret "$file")
maps=$(cat "/proc/$GEANY_PID/maps")
geany_stop
# The package's private folder, in the multiarch folder as the packages lay it out.
grep -q -E "$work/root/usr/lib/([^/]+/)?korvex50/Korvex50.so" <<<"$maps" \
  || { echo "FAIL: Geany did not load the unpacked Korvex50.so"; exit 1; }
if [ "$caret" = 20 ]; then
  echo "ok: the unpacked plugin loads the unpacked package and Ctrl+Alt+Down jumps"
else
  echo "FAIL: caret at $caret after Ctrl+Alt+Down, expected 20; Geany's log:"
  cat "$work/config/geany.log"
  exit 1
fi
