#!/usr/bin/env bash
# "-hide" starts the panel fully transparent and it never flashes: the
# window's opacity is watched from before it is first shown. Ctrl+Alt+Shift+T
# typed on the keyboard shows and hides it. Task Manager's "End task" (a
# WM_CLOSE sent to the window) ends the program the orderly way.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup
e2e_start -hide
# The X window exists (unmapped) from the window's creation, long before the
# panel is built and shown; from then on every opacity it gets is recorded.
found_window() { xdotool search --name '^Vexa Control Center$' 2>/dev/null | head -n 1; }
has_window() { [ -n "$(found_window)" ]; }
e2e_until 90 has_window || { check "window appears" yes no; e2e_finish; }
window=$(found_window)
spy=$E2E_PREFIX.opacity
xprop -spy -id "$window" _NET_WM_WINDOW_OPACITY >"$spy" 2>&1 &
E2E_PIDS+=("$!")
mapped() { xwininfo -id "$window" 2>/dev/null | grep -q 'IsViewable'; }
e2e_until 90 mapped || check "window shown" yes no
e2e_until 30 e2e_opacity_is "$window" 0 || check "hidden panel has opacity 0" yes no
check "process stays" 0 "$(e2e_running "$E2E_PID"; echo $?)"
seen=$(awk '/=/ { print $3 }' "$spy" | sort -u | tr '\n' ' ')
check "never anything but transparent before the hotkey" "0 " "$seen"

e2e_hotkey
check "the hotkey shows the panel" 0 "$(e2e_until 30 e2e_opacity_is "$window" 250; echo $?)"
e2e_wait_frame 30 || check "panel drawn once shown" yes no
e2e_hotkey
check "the hotkey hides it again" 0 "$(e2e_until 30 e2e_opacity_is "$window" 0; echo $?)"

e2e_ec_in_use
e2e_post --send 0x10   # WM_CLOSE, sent as "End task" does
e2e_wait_exit "$E2E_PID" 30
check "End task ends with 0" 0 $?
e2e_check_ec_safe "End task"
check "cleanup_ryzenadj called once" 1 "$(e2e_count "$E2E_PREFIX/drive_c/ProgramData/VexaSim/ryzenadj.log" '^cleanup_ryzenadj')"
e2e_finish
