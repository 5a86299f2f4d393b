#!/usr/bin/env bash
# The panel on a supported device: right half of a 1920x1080 screen, status
# bar and background colours, full opacity after the fade, a second start
# that ends at once, and a window close that leaves the hardware alone.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup
e2e_start
window=$(e2e_wait_window 90) || { check "window appears" yes no; e2e_finish; }
sleep 3
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"
e2e_screenshot "$shots/main-en.png"
geometry=$(xdotool getwindowgeometry "$window" | tr -d ' ' | tr '\n' ' ')
check "window covers the right half" "Window$window Position:960,0(screen:0) Geometry:960x1080 " "$geometry"
check "status bar colour in the top 4 %" 1a1a1a "$(e2e_pixel "$shots/main-en.png" 1100 2)"
check "status bar bottom edge" 1a1a1a "$(e2e_pixel "$shots/main-en.png" 1100 41)"
check "background below the bar" 101010 "$(e2e_pixel "$shots/main-en.png" 1400 600)"
check "left half is not the panel" 000000 "$(e2e_pixel "$shots/main-en.png" 400 600)"
opacity=$(xprop -id "$window" _NET_WM_WINDOW_OPACITY | awk '{print $3}')
check "full opacity is alpha 250" $((250 * 0x01010101)) "$opacity"

# A second copy ends at once with -1 and leaves the first running.
wine "$E2E_EXE" </dev/null >>"$E2E_PREFIX.log" 2>&1
check "second start exits with -1" 255 $?
check "first copy still runs" 0 "$(kill -0 "$E2E_PID" 2>/dev/null; echo $?)"
check "first copy still shown" "$opacity" "$(xprop -id "$window" _NET_WM_WINDOW_OPACITY | awk '{print $3}')"

# Closing the window ends the process with 0 and restores nothing.
e2e_ec_set 0x10 0
e2e_ec_set 0xB3 0xAA
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30
check "WM_CLOSE ends with 0" 0 $?
check "fan mode untouched" 0 "$(e2e_ec 0x10)"
check "lighting untouched" 170 "$(e2e_ec 0xB3)"
check "no RyzenAdj cleanup" 0 "$(e2e_count "$E2E_PREFIX/drive_c/ProgramData/VexaSim/ryzenadj.log" cleanup_ryzenadj)"
e2e_finish
