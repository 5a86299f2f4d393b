# Sourced by the harness scripts. xvfb_start starts a private Xvfb on a free
# display and exports DISPLAY; xvfb_stop ends exactly that server by its PID.
# A PID file beside the caller's prefix lets wine-sweep.sh end it too if the
# caller itself was killed. The file holds the PID and the process's start
# time, so that a PID the system has since given to another process is never
# taken for our server.

# process_start_time PID: the start time the kernel gives the process (field
# 22 of /proc/PID/stat, after the parenthesised command name), or nothing.
process_start_time() {
  sed -E 's/^.*\) //' "/proc/$1/stat" 2>/dev/null | awk '{ print $20 }'
}

xvfb_start() {  # $1: PID file to write, $2: screen geometry (default 1920x1080x24)
  local pidfile=$1 geometry=${2:-1920x1080x24} fifo
  fifo=$(mktemp -u /tmp/vexa-xvfb.XXXXXX)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset 3>"$fifo" </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  echo "$XVFB_PID $(process_start_time "$XVFB_PID")" >"$pidfile"
  local number
  read -r -t 20 number <"$fifo" || number=""
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "xvfb.sh: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
}

# xvfb_pid_if_ours PID_FILE: the PID written there when that process is still
# the Xvfb we started (same start time, an Xvfb command line); else nothing.
xvfb_pid_if_ours() {
  local pid started
  [ -f "$1" ] || return 0
  read -r pid started <"$1"
  [ -n "$pid" ] || return 0
  [ "$(process_start_time "$pid")" = "$started" ] || return 0
  tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q '^Xvfb .*-displayfd' || return 0
  echo "$pid"
}

xvfb_stop() {  # $1: PID file written by xvfb_start
  local pidfile=$1 pid
  [ -f "$pidfile" ] || return 0
  pid=$(xvfb_pid_if_ours "$pidfile")
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  fi
  rm -f "$pidfile"
  return 0
}
