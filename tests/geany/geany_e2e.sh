#!/usr/bin/env bash
# korvex50-geany in a real Geany: the four keys move the caret over LF and CR LF files (tabs, UTF-8, the last
# line without a line end, identifiers inside longer words), the caret keeps its screen row on a long jump, the
# plugin unloads and loads again through the Plugin Manager, and a missing package leaves it disabled with a
# message. Ends with 77 when Geany, Xvfb or xdotool is missing.
# Usage: geany_e2e.sh PLUGIN
set -uo pipefail
plugin=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=geany-session.sh
source "$here/geany-session.sh"
geany_session_require

work=$(mktemp -d "${TMPDIR:-/tmp}/korvex-geany.XXXXXX")
trap 'geany_session_stop; rm -rf "$work"' EXIT
geany_session_start_x

failures=0
# expect WHAT WANTED GOT
expect() {
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAIL: $1: caret at $3, expected $2"
    failures=$((failures + 1))
  fi
}
# step WHAT WANTED KEY...: presses the keys, then checks where the caret is.
step() {
  local what=$1 wanted=$2
  shift 2
  geany_keys "$@"
  expect "$what" "$wanted" "$(geany_caret "$file")"
}
# plugin_manager_toggle: flips the plugin's box in Tools > Plugin Manager, found through the dialog's filter.
plugin_manager_toggle() {
  local dialog tries
  geany_focus
  geany_keys alt+t p
  for ((tries = 0; tries < 50; tries++)); do
    dialog=$(xdotool search --name '^Plugins$' 2>/dev/null | head -1) || true
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  [ -n "$dialog" ] || { echo "FAIL: the Plugin Manager did not open"; failures=$((failures + 1)); return; }
  xdotool windowfocus --sync "$dialog"
  xdotool type Korvex50
  geany_keys Tab space
  sleep 0.5
  geany_keys Escape
  geany_focus
}

# An LF file: a tab before an occurrence, UTF-8 letters before another, the last line without a line end.
file=$work/lf.c
printf 'int foo = 1;\nint foobar = foo + 2;\n\tfoo(x, Foo);\n// Gr\xc3\xb6\xc3\x9fe foo\nreturn FOO;' >"$file"
cp "$file" "$work/lf.orig"
geany_config "$work/on" "$plugin" 1
geany_start "$work/on" "$file" && geany_wait_for_package || exit 1
step "the marker finds the caret" 4 ctrl+Home Right Right Right Right
step "Ctrl+Alt+Down skips foobar" 26 ctrl+alt+Down
step "Ctrl+Alt+Down past a tab" 36 ctrl+alt+Down
step "Ctrl+Alt+Down, whatever the case" 43 ctrl+alt+Down
step "Ctrl+Alt+Down after two-byte letters" 60 ctrl+alt+Down
step "Ctrl+Alt+Down onto the last line, which has no line end" 71 ctrl+alt+Down
step "Ctrl+Alt+Down on the last occurrence: the caret stays" 71 ctrl+alt+Down
step "Ctrl+Alt+Up back over the last line's start" 60 ctrl+alt+Up
step "Ctrl+Alt+Right finds the remembered identifier from the file's start" 4 ctrl+Home ctrl+alt+Right
step "Ctrl+Alt+Left before the first occurrence: the caret stays" 4 ctrl+alt+Left

# package_mapped: whether Korvex50.so is in Geany's memory.
package_mapped() { grep -q '/Korvex50\.so$' "/proc/$GEANY_PID/maps"; }
package_mapped || { echo "FAIL: the enabled plugin did not load Korvex50.so"; failures=$((failures + 1)); }
plugin_manager_toggle
step "disabled in the Plugin Manager: Ctrl+Alt+Down does nothing" 4 ctrl+alt+Down
if package_mapped; then
  echo "FAIL: Korvex50.so stayed loaded after the plugin was disabled"
  failures=$((failures + 1))
else
  echo "ok: disabling the plugin unloaded Korvex50.so"
fi
plugin_manager_toggle
geany_wait_for_package || failures=$((failures + 1))
step "enabled again, the package starts afresh: nothing remembered for Ctrl+Alt+Right" 4 ctrl+alt+Right
step "enabled again: Ctrl+Alt+Down jumps" 26 ctrl+alt+Down
kill -0 "$GEANY_PID" 2>/dev/null || { echo "FAIL: Geany ended"; failures=$((failures + 1)); }
geany_stop
# same_file WHAT: the file holds what it held before Geany opened it.
same_file() {
  if cmp "$file" "$1"; then
    echo "ok: $2"
  else
    echo "FAIL: $2"
    od -c "$file" | tail -3
    failures=$((failures + 1))
  fi
}
same_file "$work/lf.orig" "the LF file is as it was"

# A CR LF file: foo only inside longer words between the two occurrences of Foo.
file=$work/crlf.c
printf 'int Foo(void);\r\nint\r\n  xfoo, foox;\r\nvoid f(void) {\r\n  foo_1 = 0; Foo();\r\n}\r\n' >"$file"
cp "$file" "$work/crlf.orig"
geany_start "$work/on" "$file" && geany_wait_for_package || exit 1
step "CR LF: Ctrl+Alt+Down skips xfoo, foox and foo_1" 65 ctrl+Home Right Right Right Right ctrl+alt+Down
step "CR LF: nothing further, the caret stays" 65 ctrl+alt+Down
step "CR LF: Ctrl+Alt+Up goes back" 4 ctrl+alt+Up
step "CR LF: inside xfoo, Ctrl+Alt+Up finds no other xfoo" 24 ctrl+Home Down Down Right Right Right ctrl+alt+Up
geany_stop
same_file "$work/crlf.orig" "the CR LF file is as it was, line ends included"

# A jump 200 lines down keeps the caret's screen row: a click at one point of the window lands 200 lines lower
# after the jump than before it.
file=$work/long.txt
for ((i = 1; i <= 300; i++)); do
  case $i in 5 | 205) echo "target $i" ;; *) echo "line $i" ;; esac
done >"$file"
line_of() { head -c "$1" "$file" | wc -l; }
click_line() {
  xdotool mousemove --window "$GEANY_WINDOW" 300 300 click 1
  sleep 0.3
  line_of "$(geany_caret "$file")"
}
geany_start "$work/on" "$file" && geany_wait_for_package || exit 1
before=$(click_line)
step "long file: the caret on line 5" "$(grep -b -m 1 '^target 5$' "$file" | cut -d: -f1)" ctrl+Home Down Down Down Down
step "long file: Ctrl+Alt+Down to line 205" "$(grep -b -m 1 '^target 205$' "$file" | cut -d: -f1)" ctrl+alt+Down
after=$(click_line)
if [ "$((after - before))" = 200 ]; then
  echo "ok: the caret kept its screen row (a click lands on line $after, before the jump on $before)"
else
  echo "FAIL: the view moved by $((after - before)) lines, expected 200"
  failures=$((failures + 1))
fi
geany_stop

# A package that is not there: the plugin stays disabled and says so.
mkdir -p "$work/on/plugins/korvex50"
printf '[korvex50]\npackage=%s\n' "$work/missing/Korvex50.so" >"$work/on/plugins/korvex50/korvex50.conf"
file=$work/lf.c
geany_start "$work/on" "$file" || exit 1
step "missing package: Ctrl+Alt+Down does nothing" 4 ctrl+Home Right Right Right Right ctrl+alt+Down
geany_stop
if grep -q "Korvex50: there is no package at $work/missing/Korvex50.so" "$work/on/geany.log"; then
  echo "ok: a missing package is reported"
else
  echo "FAIL: no message about the missing package; Geany's log:"
  cat "$work/on/geany.log"
  failures=$((failures + 1))
fi

echo "$failures failures"
[ "$failures" = 0 ]
