#!/usr/bin/env bash
# The panel on a supported device: right half of a 1920x1080 screen, status
# bar and background colours, full opacity after the fade, a second start
# that ends at once; Alt+F4 closes it and hands fan and lighting back.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup
e2e_start
e2e_wait_shown
e2e_wait_still
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"
e2e_screenshot "$shots/main-en.png"
geometry=$(xdotool getwindowgeometry "$E2E_WINDOW" | tr -d ' ' | tr '\n' ' ')
check "window covers the right half" "Window$E2E_WINDOW Position:960,0(screen:0) Geometry:960x1080 " "$geometry"
check "status bar colour in the top 4 %" 1a1a1a "$(e2e_pixel "$shots/main-en.png" 1100 2)"
check "status bar bottom edge" 1a1a1a "$(e2e_pixel "$shots/main-en.png" 1100 41)"
# Between the fan panel and the frame-rate panel, halfway down.
check "background below the bar" 101010 "$(e2e_pixel "$shots/main-en.png" 1440 600)"
check "left half is not the panel" 000000 "$(e2e_pixel "$shots/main-en.png" 400 600)"
check "full opacity is alpha 250" $((250 * 0x01010101)) "$(e2e_opacity "$E2E_WINDOW")"

# A second copy ends at once with -1 and leaves the first running.
wine "$E2E_EXE" </dev/null >>"$E2E_PREFIX.log" 2>&1
check "second start exits with -1" 255 $?
check "first copy still runs" 0 "$(e2e_running "$E2E_PID"; echo $?)"
check "first copy still shown" $((250 * 0x01010101)) "$(e2e_opacity "$E2E_WINDOW")"

# Alt+F4 typed on the panel closes it; the program ends the orderly way.
e2e_ec_in_use
xdotool mousemove 1400 500
xdotool key alt+F4
e2e_wait_exit "$E2E_PID" 30
check "Alt+F4 ends with 0" 0 $?
e2e_check_ec_safe "Alt+F4"
check "tray icon removed" 0 "$(e2e_until 10 e2e_tray_gone; echo $?)"
check "RyzenAdj cleaned up once" 1 "$(e2e_count "$E2E_PREFIX/drive_c/ProgramData/VexaSim/ryzenadj.log" '^cleanup_ryzenadj')"
e2e_finish
