#!/usr/bin/env bash
# Helpers for driving a real Geany with the korvex50-geany plugin on an X server of its own (Xvfb), with
# xdotool. Sourced by the end-to-end test and by scripts/screenshot-geany.sh.

# Ends with 77 (skipped) and says why when Geany, Xvfb or xdotool is missing.
geany_session_require() {
  local tool
  for tool in geany Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
      echo "skipped: $tool is not installed (bash scripts/bootstrap.sh installs it)"
      exit 77
    fi
  done
}

# geany_session_start_x [FBDIR]: starts Xvfb (1024x768, 24 bits) and sets DISPLAY; with FBDIR the screen is also
# kept as an XWD file there. Ends with 77 when no server starts. geany_session_stop stops it.
geany_session_start_x() {
  local fifo display fb=()
  [ -n "${1:-}" ] && fb=(-fbdir "$1")
  GEANY_SESSION_FBDIR=${1:-}
  fifo=$(mktemp -u "${TMPDIR:-/tmp}/korvex-geany-xvfb.XXXXXX")
  mkfifo "$fifo"
  GEANY_SESSION_XVFB_LOG=$fifo.log
  # -noreset: without it the server resets whenever its last client (an xdotool, a stopped program) leaves,
  # and a program that connects during the reset fails with "cannot open display".
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset "${fb[@]}" 3>"$fifo" >"$GEANY_SESSION_XVFB_LOG" 2>&1 &
  GEANY_SESSION_XVFB=$!
  display=
  read -r -t 20 display <"$fifo"
  rm -f "$fifo"
  if [ -z "$display" ]; then
    echo "skipped: Xvfb did not start within 20 seconds; Geany needs an X server"
    exit 77
  fi
  export DISPLAY=":$display"
}

# geany_session_stop_x: stops the X server (one that has ended already is only waited for).
geany_session_stop_x() {
  kill "$GEANY_SESSION_XVFB" 2>/dev/null
  wait "$GEANY_SESSION_XVFB" 2>/dev/null
  GEANY_SESSION_XVFB=
}

geany_session_stop() {
  geany_stop
  [ -n "${GEANY_SESSION_XVFB:-}" ] && geany_session_stop_x
  rm -f "${GEANY_SESSION_XVFB_LOG:-}"
}

# geany_session_check_x: when the X server has ended, or runs but takes no client, says so with its messages and
# starts a new one.
geany_session_check_x() {
  if ! kill -0 "$GEANY_SESSION_XVFB" 2>/dev/null; then
    echo "note: the X server $DISPLAY has ended; its messages:" >&2
  elif xdotool getmouselocation >/dev/null 2>&1; then
    echo "note: the X server $DISPLAY is running and takes clients" >&2
    return
  else
    echo "note: the X server $DISPLAY runs but takes no client; its messages:" >&2
  fi
  geany_session_stop_x
  cat "$GEANY_SESSION_XVFB_LOG" >&2
  rm -f "$GEANY_SESSION_XVFB_LOG"
  geany_session_start_x "$GEANY_SESSION_FBDIR"
}

# geany_config DIR PLUGIN ACTIVE [FOLDER]: a configuration folder for Geany with PLUGIN in DIR/plugins/, enabled
# when ACTIVE is 1; with FOLDER, PLUGIN stays where it is and Geany is told to look for plugins in FOLDER too.
# Side bar and message window hidden, so the editor fills the window; files saved exactly as they are.
geany_config() {
  local dir=$1 plugin=$2 active=$3 folder=${4:-} list=""
  mkdir -p "$dir/plugins"
  if [ -z "$folder" ]; then
    cp "$plugin" "$dir/plugins/korvex50-geany.so"
    plugin=$dir/plugins/korvex50-geany.so
  fi
  [ "$active" = 1 ] && list="$plugin;"
  cat >"$dir/geany.conf" <<CONF
[geany]
pref_main_load_session=false
pref_main_save_winpos=false
sidebar_visible=false
msgwindow_visible=false
geometry=0;0;900;600;0;
pref_editor_new_line=false
pref_editor_trail_space=false
pref_editor_newline_strip=false
pref_editor_ensure_convert_line_endings=false
pref_editor_replace_tabs=false
[plugins]
load_plugins=true
custom_plugin_path=$folder
active_plugins=$list
CONF
}

# geany_start DIR FILE [ARGS...]: starts Geany with configuration DIR on FILE and waits for its window, which
# gets the keyboard. Sets GEANY_PID and GEANY_WINDOW; its messages go to DIR/geany.log.
geany_start() {
  local dir=$1 file=$2 tries attempt
  shift 2
  for attempt in 1 2; do
    geany --config="$dir" --new-instance --no-session "$@" "$file" >"$dir/geany.log" 2>&1 &
    GEANY_PID=$!
    GEANY_CONFIG_DIR=$dir
    GEANY_WINDOW=
    for ((tries = 0; tries < 100; tries++)); do
      GEANY_WINDOW=$(xdotool search --name "^$(basename "$file") - " 2>/dev/null | head -1) || true
      [ -n "$GEANY_WINDOW" ] && break
      kill -0 "$GEANY_PID" 2>/dev/null || break
      sleep 0.2
    done
    [ -n "$GEANY_WINDOW" ] && break
    geany_stop
    # Geany's own start is not under test: one that found no display is reported and tried once more.
    if [ "$attempt" = 1 ] && grep -q "cannot open display" "$dir/geany.log"; then
      echo "note: Geany found no display, starting it once more; its log:" >&2
      cat "$dir/geany.log" >&2
      geany_session_check_x
      continue
    fi
    echo "FAIL: Geany's window did not appear; its log:" >&2
    cat "$dir/geany.log" >&2
    return 1
  done
  sleep 0.5  # the plugin is enabled once the window shows; let the first draw settle
  geany_focus
}

# geany_wait_for_package: waits up to ten seconds until Geany has loaded Korvex50.so (the plugin is enabled).
geany_wait_for_package() {
  local tries
  for ((tries = 0; tries < 100; tries++)); do
    grep -q '/Korvex50\.so$' "/proc/$GEANY_PID/maps" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "FAIL: Geany did not load Korvex50.so; its log:" >&2
  cat "$GEANY_CONFIG_DIR/geany.log" >&2
  return 1
}

geany_focus() { xdotool windowfocus --sync "$GEANY_WINDOW"; }

geany_stop() {
  if [ -n "${GEANY_PID:-}" ]; then
    kill "$GEANY_PID" 2>/dev/null
    wait "$GEANY_PID" 2>/dev/null
    GEANY_PID=
  fi
}

# geany_keys KEY...: presses each key combination in turn, with a short pause for Geany to handle it.
geany_keys() {
  local key
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.05
  done
  sleep 0.2
}

# geany_wait_for FILE PRESENT: waits up to five seconds until FILE holds an @ (PRESENT 1) or none (0).
geany_wait_for() {
  local tries
  for ((tries = 0; tries < 50; tries++)); do
    if grep -q '@' "$1"; then [ "$2" = 1 ] && return 0; else [ "$2" = 0 ] && return 0; fi
    sleep 0.1
  done
  return 1
}

# geany_caret FILE: prints the byte offset of the caret in FILE, found by typing a marker there, saving, and
# reading the file; the marker is taken out again (and saved) afterwards.
geany_caret() {
  local file=$1 before
  xdotool type '@'
  geany_keys ctrl+s
  geany_wait_for "$file" 1 || { echo "FAIL: the marker never reached $file" >&2; return 1; }
  before=$(grep -o -b -m 1 '@' "$file" | head -1)
  geany_keys BackSpace ctrl+s
  geany_wait_for "$file" 0 || { echo "FAIL: the marker stayed in $file" >&2; return 1; }
  echo "${before%%:*}"
}
