# Sourced by the harness scripts. xvfb_start starts a private Xvfb on a free
# display and exports DISPLAY; xvfb_stop ends exactly that server by its PID.
# A PID file beside the caller's prefix lets wine-sweep.sh end it too if the
# caller itself was killed.

xvfb_start() {  # $1: PID file to write, $2: screen geometry (default 1920x1080x24)
  local pidfile=$1 geometry=${2:-1920x1080x24} fifo
  fifo=$(mktemp -u /tmp/vexa-xvfb.XXXXXX)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$geometry" -nolisten tcp -noreset 3>"$fifo" </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  echo "$XVFB_PID" >"$pidfile"
  local number
  read -r -t 20 number <"$fifo" || number=""
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "xvfb.sh: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
}

xvfb_stop() {  # $1: PID file written by xvfb_start
  local pidfile=$1 pid
  [ -f "$pidfile" ] || return 0
  pid=$(cat "$pidfile")
  kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -f "$pidfile"
  return 0
}
