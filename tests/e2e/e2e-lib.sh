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

e2e_cleanup() {
  prefix_end "$E2E_PREFIX"
  for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  xvfb_stop "$E2E_PREFIX.xvfb.pid"
  rm -rf "$E2E_PREFIX"
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

# e2e_pixel FILE X Y: the pixel as RRGGBB.
e2e_pixel() {
  convert "$1" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6 | tr 'A-F' 'a-f'
}

# e2e_tap X Y: a press held long enough for the toolkit's 10 ms input
# polling to see it, as a finger would.
e2e_tap() {
  xdotool mousemove "$1" "$2" sleep 0.1 mousedown 1 sleep 0.15 mouseup 1
}

e2e_post() { wine "$E2E_BIN/post_message.exe" "$@"; }
e2e_ec() { wine "$E2E_BIN/ecsim.exe" -q get "$1" | tr -d '\r'; }
e2e_ec_set() { wine "$E2E_BIN/ecsim.exe" set "$1" "$2" >/dev/null; }

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
