#!/usr/bin/env bash
# An unrecognised board shows only the "not compatible" screen, loads no
# setting, and its EXIT button ends the process at once.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup "AMD Ryzen 7 6800U with Radeon Graphics" "Some Other Board"
e2e_start
window=$(e2e_wait_window 90) || { check "window appears" yes no; e2e_finish; }
sleep 3
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"
e2e_screenshot "$shots/incompatible-en.png"
check "no setting loaded" "" "$(e2e_reg 'HKLM\SOFTWARE\ZEV\TMX' AutoStart)"
# The EXIT button: 30 % wide, 10 % high, its bottom 25 % above the screen's bottom.
button_x=$((960 + 480)) button_y=$((1080 - 270 - 54))
pixel=$(e2e_pixel "$shots/incompatible-en.png" $((button_x - 100)) $button_y)
check "EXIT button in the primary colour" f44336 "$pixel"
e2e_tap "$button_x" "$button_y"
e2e_wait_exit "$E2E_PID" 30
check "EXIT ends with 0" 0 $?
e2e_finish
