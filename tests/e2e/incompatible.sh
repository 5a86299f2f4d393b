#!/usr/bin/env bash
# An unrecognised board shows only the "not compatible" screen and loads no
# setting. A press on its EXIT button that is dragged off the panel and let
# go there does not exit, and the button does not stay pressed; a real tap
# ends the process, and what was started before the board check (RyzenAdj,
# ADLX) is released on the way out.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup "AMD Ryzen 7 6800U with Radeon Graphics" "Some Other Board"
e2e_start
window=$(e2e_wait_window 90) || { check "window appears" yes no; e2e_finish; }
# The EXIT button: 30 % wide, 10 % high, its bottom 25 % above the screen's bottom.
button_x=$((960 + 480)) button_y=$((1080 - 270 - 54))
probe_x=$((button_x - 100))
e2e_until 60 e2e_pixel_is "$probe_x" "$button_y" f44336 || check "EXIT button shown" yes no
e2e_until 30 e2e_opacity_is "$window" 250 || check "fade-in ends" yes no
e2e_wait_still
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"
e2e_screenshot "$shots/incompatible-en.png"
check "no setting loaded" "" "$(e2e_reg 'HKLM\SOFTWARE\ZEV\TMX' AutoStart)"
check "EXIT button in the primary colour" f44336 "$(e2e_pixel "$shots/incompatible-en.png" "$probe_x" "$button_y")"

xdotool mousemove "$button_x" "$button_y" mousedown 1
pressed_look() { ! e2e_pixel_is "$probe_x" "$button_y" f44336; }
check "a held press shows the button pressed" 0 "$(e2e_until 10 pressed_look; echo $?)"
xdotool mousemove 400 500
xdotool mouseup 1
check "let go off the panel: the button is released" 0 "$(e2e_until 10 e2e_pixel_is "$probe_x" "$button_y" f44336; echo $?)"
check "and nothing was clicked" 0 "$(e2e_running "$E2E_PID"; echo $?)"

e2e_tap "$button_x" "$button_y"
e2e_wait_exit "$E2E_PID" 30
check "EXIT ends with 0" 0 $?
log=$E2E_PREFIX/drive_c/ProgramData/VexaSim
check "RyzenAdj cleaned up once" 1 "$(e2e_count "$log/ryzenadj.log" '^cleanup_ryzenadj')"
check "ADLX terminated with nothing alive" 1 "$(e2e_count "$log/adlx.log" 'ADLXTerminate live 0 misuse 0')"
check "tray icon removed" 0 "$(e2e_until 10 e2e_tray_gone; echo $?)"
e2e_finish
