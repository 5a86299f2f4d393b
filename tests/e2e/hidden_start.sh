#!/usr/bin/env bash
# "-hide" fades the panel out at once while the process stays; the tray's
# "Exit" puts fan and lighting back under the EC's control, cleans up
# RyzenAdj once and ends with 0.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup
e2e_start -hide
window=$(e2e_wait_window 90) || { check "window appears" yes no; e2e_finish; }
sleep 3
check "hidden panel has opacity 0" 0 "$(xprop -id "$window" _NET_WM_WINDOW_OPACITY | awk '{print $3}')"
check "process stays" 0 "$(kill -0 "$E2E_PID" 2>/dev/null; echo $?)"

e2e_ec_set 0x10 0
e2e_ec_set 0xB3 0xAA
e2e_post 0x111 2   # WM_COMMAND, menu item "Exit"
e2e_wait_exit "$E2E_PID" 30
check "tray Exit ends with 0" 0 $?
check "fan back to automatic" 1 "$(e2e_ec 0x10)"
check "lighting back to the EC" 0 "$(e2e_ec 0xB3)"
log=$E2E_PREFIX/drive_c/ProgramData/VexaSim/ryzenadj.log
check "cleanup_ryzenadj called once" 1 "$(e2e_count "$log" '^cleanup_ryzenadj')"
e2e_finish
