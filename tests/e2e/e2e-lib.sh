# Sourced by the end-to-end tests: the real program in a prepared prefix of
# its own on a private Xvfb, driven like a person would and checked through
# the screen, the registry and the simulated device.
set -uo pipefail
E2E_TOOLS=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools" && pwd)
. "$E2E_TOOLS/wine-env.sh"
. "$E2E_TOOLS/xvfb.sh"
. "$E2E_TOOLS/device.sh"

E2E_BUILD=$(realpath "$1")
E2E_BIN=$E2E_BUILD/bin
E2E_EXE=$E2E_BIN/Vexa.Control.Center.exe
E2E_FAILURES=0
E2E_PIDS=()

# Only processes this script started and that are still its children are
# ended by PID: a PID whose process has gone may belong to anyone by now.
e2e_kill_child() {
  local parent
  parent=$(sed -E 's/^.*\) //' "/proc/$1/stat" 2>/dev/null | awk '{ print $2 }')
  [ "$parent" = "$$" ] && kill "$1" 2>/dev/null
}

e2e_cleanup() {
  prefix_end "$E2E_PREFIX"
  for pid in "${E2E_PIDS[@]}"; do e2e_kill_child "$pid"; done
  xvfb_stop "$E2E_PREFIX.xvfb.pid"
  rm -rf "$E2E_PREFIX" "$E2E_PREFIX.opacity" "$E2E_PREFIX.log"
}

# e2e_setup [CPU [BOARD]]: a fresh prefix made a device (defaults: the
# supported 6800U on a Vexa Crest board) and a private display, 1920x1080
# unless E2E_SCREEN gives another geometry (WIDTHxHEIGHTx24).
e2e_setup() {
  local cpu=${1:-AMD Ryzen 7 6800U with Radeon Graphics} board=${2:-Vexa Crest}
  "$E2E_TOOLS/make-prefix.sh" "$E2E_BUILD/wine-template" || exit 1
  mkdir -p "$E2E_BUILD/prefixes"
  E2E_PREFIX=$(mktemp -d "$E2E_BUILD/prefixes/run.XXXXXX")
  trap e2e_cleanup EXIT
  cp -a "$E2E_BUILD/wine-template/." "$E2E_PREFIX/"
  export WINEPREFIX=$E2E_PREFIX
  xvfb_start "$E2E_PREFIX.xvfb.pid" "${E2E_SCREEN:-1920x1080x24}" || exit 1
  device_prepare "$E2E_PREFIX" "$cpu" "$board"
}

# e2e_setup_desktop: as e2e_setup (the 6800U on a Vexa Crest board), with
# the program run in a Wine virtual desktop of 1920x1080: bare Xvfb refuses
# mode changes under Wine, the virtual desktop offers 60 Hz modes, switches
# them and sends WM_DISPLAYCHANGE.
e2e_setup_desktop() {
  e2e_setup
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1920x1080 /f >/dev/null
  # The desktop setting is read when the server starts: start it again (which
  # also puts the device's processor and board names back).
  device_prepare "$E2E_PREFIX" "AMD Ryzen 7 6800U with Radeon Graphics" "Vexa Crest"
}

# e2e_start [ARGS...]: starts the program in the background; E2E_PID is its
# process (the wine loader becomes the Windows process, so `wait` gives the
# program's exit code).
e2e_start() {
  wine "$E2E_EXE" "$@" </dev/null >>"$E2E_PREFIX.log" 2>&1 &
  E2E_PID=$!
  E2E_PIDS+=("$E2E_PID")
}

# e2e_wait_window [SECONDS]: the X window id of the panel, once it is mapped.
e2e_wait_window() {
  local deadline=$((SECONDS + ${1:-60})) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --name '^Vexa Control Center$' 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.2
  done
  return 1
}

# e2e_wait_exit PID SECONDS: the exit code, or 124 if it is still running.
e2e_wait_exit() {
  local pid=$1 deadline=$((SECONDS + $2))
  while [ $SECONDS -lt $deadline ]; do
    if ! kill -0 "$pid" 2>/dev/null || [ "$(ps -o stat= -p "$pid" 2>/dev/null | cut -c1)" = Z ]; then
      wait "$pid" 2>/dev/null
      return $?
    fi
    sleep 0.2
  done
  return 124
}

e2e_screenshot() { import -window root "$1"; }

# e2e_until SECONDS COMMAND...: runs COMMAND every 0.1 s (or every
# E2E_PAUSE seconds where a test sets that: its conditions take screenshots
# or start Wine processes, and looking again at once would crowd out the
# program) until it succeeds; fails when SECONDS pass first. Every wait of
# the tests goes through this: a condition with a deadline, never a fixed
# pause.
e2e_until() {
  local deadline=$((SECONDS + $1))
  shift
  while ! "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep "${E2E_PAUSE:-0.1}"
  done
  return 0
}

# e2e_opacity WINDOW: the window's alpha as Wine publishes it (alpha x 0x01010101).
e2e_opacity() { xprop -id "$1" _NET_WM_WINDOW_OPACITY 2>/dev/null | awk '/=/ { print $3 }'; }
e2e_opacity_is() { [ "$(e2e_opacity "$1")" = "$(($2 * 0x01010101))" ]; }

# e2e_pixel_now X Y: the screen's pixel as RRGGBB, from a fresh screenshot.
e2e_pixel_now() {
  import -window root -crop "1x1+$1+$2" +repage -depth 8 -format '%[hex:p{0,0}]' info: 2>/dev/null |
    cut -c1-6 | tr 'A-F' 'a-f'
}
e2e_pixel_is() { [ "$(e2e_pixel_now "$1" "$2")" = "$3" ]; }

# e2e_wait_frame [SECONDS]: the panel's first frame is on the screen (its
# status bar colour at the top of the right half).
e2e_wait_frame() { e2e_until "${1:-60}" e2e_pixel_is 1100 2 1a1a1a; }

# e2e_wait_still [SECONDS]: the panel has finished drawing: two screenshots,
# a moment apart, are the same (the layout of the display's size is applied
# shortly after the first frame and redraws the texts).
e2e_wait_still() { E2E_LAST_SHOT=""; e2e_until "${1:-60}" e2e_panel_unchanged; }
e2e_panel_unchanged() {
  local shot
  shot=$(import -window root rgb:- 2>/dev/null | md5sum)
  if [ -n "$E2E_LAST_SHOT" ] && [ "$shot" = "$E2E_LAST_SHOT" ]; then return 0; fi
  E2E_LAST_SHOT=$shot
  sleep 0.3
  return 1
}

# e2e_wait_shown: after e2e_start, the panel is up: its window mapped
# (E2E_WINDOW; a window that does not appear ends the test), its first frame
# drawn and its fade-in over.
e2e_wait_shown() {
  E2E_WINDOW=$(e2e_wait_window 90) || { check "window appears" yes no; e2e_finish; }
  e2e_wait_frame || check "first frame drawn" yes no
  e2e_until 30 e2e_opacity_is "$E2E_WINDOW" 250 || check "fade-in ends" yes no
}

e2e_running() { kill -0 "$1" 2>/dev/null && [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" != Z ]; }

# The notification area: without a desktop Wine shows its own "Wine System
# Tray" window (top left), which is there only while it holds an icon.
e2e_tray_window() { xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -n 1; }
e2e_tray_shown() { [ -n "$(e2e_tray_window)" ]; }
e2e_tray_gone() { [ -z "$(e2e_tray_window)" ]; }
e2e_visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }

# e2e_tray_choose top|bottom: clicks the program's icon in the tray and then
# the first ("Show"/"Hide") or last ("Exit") item of the menu that opens.
e2e_tray_choose() {
  local tray before menu x y w h
  e2e_until 30 e2e_tray_shown || return 1
  tray=$(e2e_tray_window)
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  before=$(e2e_visible_windows)
  xdotool mousemove $((X + 9)) $((Y + 10)) click 1
  e2e_until 15 e2e_new_window "$before" || return 1
  menu=$(comm -13 <(echo "$before") <(e2e_visible_windows) | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  if [ "$1" = top ]; then
    xdotool mousemove $((X + 20)) $((Y + 10)) click 1
  else
    xdotool mousemove $((X + 20)) $((Y + HEIGHT - 10)) click 1
  fi
}
e2e_new_window() { [ -n "$(comm -13 <(echo "$1") <(e2e_visible_windows))" ]; }

# e2e_hotkey: Ctrl+Alt+Shift+T typed on the keyboard, with the pointer over
# the panel so that X gives the keys to a Wine window.
e2e_hotkey() {
  xdotool mousemove 1400 500
  xdotool key ctrl+alt+shift+t
}

# e2e_pixel FILE X Y: the pixel as RRGGBB.
e2e_pixel() {
  convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6 | tr 'A-F' 'a-f'
}

# e2e_tap X Y: a press held long enough for the toolkit's 10 ms input
# polling to see it, as a finger would.
e2e_tap() {
  xdotool mousemove "$1" "$2" sleep 0.1 mousedown 1 sleep 0.15 mouseup 1
}

# e2e_post [--send] MESSAGE [WPARAM [LPARAM]]: posts (or sends) a message to the panel.
e2e_post() { wine "$E2E_BIN/post_message.exe" "$@"; }
# A run of the tool that prints nothing (Wine failing to start a process on
# a loaded machine) is tried again, twice at the most, and said on stderr.
e2e_ec() {
  local value tries
  for tries in 1 2 3; do
    value=$(wine "$E2E_BIN/ecsim.exe" -q get "$1" | tr -d '\r')
    [ -n "$value" ] && break
    echo "e2e_ec: ecsim printed nothing for $1 (try $tries)" >&2
  done
  echo "$value"
}
e2e_ec_set() { wine "$E2E_BIN/ecsim.exe" set "$1" "$2" >/dev/null; }

# e2e_ec_in_use: the EC as the panel leaves it while running: fan on a fixed
# duty, lighting on its own colour. e2e_check_ec_safe: fan and lighting are
# the EC's again (checked after every way out).
e2e_ec_in_use() {
  e2e_ec_set 0x10 0
  e2e_ec_set 0xB3 0xAA
}
e2e_check_ec_safe() {
  check "$1: fan back to automatic (0x10 = 1)" 1 "$(e2e_ec 0x10)"
  check "$1: lighting back to the EC (0xB3 = 0)" 0 "$(e2e_ec 0xB3)"
}
E2E_SAFETY_LOG_NAME=drive_c/ProgramData/ZEV/TMX/safe-state.log
e2e_safety_log() { cat "$E2E_PREFIX/$E2E_SAFETY_LOG_NAME" 2>/dev/null | tr -d '\r'; }

# e2e_reg KEY VALUE: the data of a registry value as `reg query` prints it, or
# nothing when it is absent.
e2e_reg() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1 == v { print $3 }'
}

# e2e_count FILE PATTERN: lines of FILE matching PATTERN (0 when it is absent).
e2e_count() { cat "$1" 2>/dev/null | grep -c -- "$2"; }

# check NAME EXPECTED ACTUAL
check() {
  if [ "$2" = "$3" ]; then
    echo "ok   $1"
  else
    echo "FAIL $1: expected '$2', got '$3'"
    E2E_FAILURES=$((E2E_FAILURES + 1))
  fi
}

e2e_finish() {
  if [ "$E2E_FAILURES" -ne 0 ]; then
    echo "--- program output ---"
    tail -n 40 "$E2E_PREFIX.log" 2>/dev/null
    exit 1
  fi
  exit 0
}
