#!/usr/bin/env bash
# measure.sh WIN_BUILD_DIR: what the running program costs on the simulated
# device under Wine: time from launch to the first frame on screen, private
# memory, and CPU use over 60 s visible and idle and over 60 s hidden.
# CPU is counted for the program's process and, separately, for its
# wineserver (which does the work of many Windows calls under Wine).
. "$(dirname "$0")/../tests/e2e/e2e-lib.sh" "${1:-build/win}"
hz=$(getconf CLK_TCK)

cpu_ticks() {
  if [ -n "$1" ] && [ -r "/proc/$1/stat" ]; then
    sed -E 's/^.*\) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
  else
    echo 0
  fi
}
# The wineserver of this prefix (other trees and helpers run their own).
server_pid() {
  local pid
  for pid in $(pgrep -f wineserver); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$E2E_PREFIX"; then
      echo "$pid"
      return
    fi
  done
}

# usage_over PID SECONDS: percent of one core used by PID and by the wineserver.
usage_over() {
  local pid=$1 seconds=$2 server a0 b0 a1 b1
  server=$(server_pid)
  a0=$(cpu_ticks "$pid") b0=$(cpu_ticks "$server")
  sleep "$seconds"
  a1=$(cpu_ticks "$pid") b1=$(cpu_ticks "$server")
  awk -v a=$((a1 - a0)) -v b=$((b1 - b0)) -v s="$seconds" -v hz="$hz" \
    'BEGIN { printf "program %.2f %% of one core, wineserver %.2f %%\n", 100 * a / (s * hz), 100 * b / (s * hz) }'
}

e2e_setup
start=$(date +%s.%N)
e2e_start
until e2e_pixel_is 1100 2 1a1a1a; do
  sleep 0.02
done
first=$(date +%s.%N)
echo "first frame: $(awk -v a="$start" -v b="$first" 'BEGIN { printf "%.2f", b - a }') s after launch" \
  "(includes the 0.5 s ADLX settle wait and Wine's process start)"
sleep 5
echo "private memory: $(awk '/^Private_(Clean|Dirty)/ { kb += $2 } END { printf "%.1f MiB", kb / 1024 }' "/proc/$E2E_PID/smaps_rollup")"
echo "visible and idle, 60 s: $(usage_over "$E2E_PID" 60)"
window=$(e2e_wait_window 10)
e2e_post 0x111 1   # tray "Hide"
e2e_until 30 e2e_opacity_is "$window" 0
sleep 2
echo "hidden, 60 s: $(usage_over "$E2E_PID" 60)"
echo "private memory, hidden: $(awk '/^Private_(Clean|Dirty)/ { kb += $2 } END { printf "%.1f MiB", kb / 1024 }' "/proc/$E2E_PID/smaps_rollup")"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30 >/dev/null
# How soon a volume change made by another program shows on the settings
# screen (its own prefix, with the audio stand-in).
"$(dirname "$0")/measure-volume-sync.sh" "${1:-build/win}"
