#!/usr/bin/env bash
# The frame-rate limiter as a user works it, against the stand-in RTSS of
# sim/: RTSS absent, then installed but stopped (the first change starts it),
# off at 45 (45 then 0), on again, a new limit on the slider, and the tray's
# Exit, which leaves RTSS with no limit.
#
# The caption's two lines are told apart by the width of their ink: "RTSS"
# is far narrower than "FPS Limiter", and "Not installed", "Disabled" and
# "Enabled" are each narrower than the one before.
. "$(dirname "$0")/e2e-lib.sh" "$1"
. "$(dirname "$0")/device-lib.sh"

# Places on the 1920 x 1080 screen (the panel is its right half): the
# limiter panel is 44 % x 20 % of the panel at (24 %, 50 %) from the top
# middle, the switch at its top right, the caption at its top left, the
# slider across its lower half.
SWITCH_X=1800 SWITCH_Y=587
SLIDER_LEFT=1480 SLIDER_WIDTH=380 SLIDER_Y=697
line1() { ink_width 1480 553 260 32; }
line2() { ink_width 1480 585 260 32; }
line1_is_not() { [ "$(line1)" != "$1" ]; }

# slide_to VALUE: taps the slider where VALUE should be and nudges a few
# pixels at a time until RTSS is given VALUE (each release sends one limit).
slide_to() {
  local want=$1 x tries sets got
  x=$((SLIDER_LEFT + (want - 10) * SLIDER_WIDTH / 50))
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    sets=$(rtss_set_count)
    e2e_tap "$x" "$SLIDER_Y"
    e2e_until 15 rtss_sets_more_than "$sets" || return 1
    got=$(rtss_sets | awk '{ print $NF }')
    [ "$got" = "$want" ] && return 0
    if [ "$got" -lt "$want" ]; then x=$((x + 3)); else x=$((x - 3)); fi
  done
  return 1
}

e2e_setup
wine reg add 'HKLM\SOFTWARE\ZEV\TMX' /v FPSMode /t REG_DWORD /d 1 /f >/dev/null
wine reg add 'HKLM\SOFTWARE\ZEV\TMX' /v FPSValue /t REG_DWORD /d 45 /f >/dev/null
e2e_start
e2e_wait_window 90 >/dev/null || { check "window appears" yes no; e2e_finish; }
e2e_wait_frame || check "first frame drawn" yes no

# RTSS not installed: the start-up limit finds none, the caption says so.
e2e_until 30 line1_is_not 0 || check "caption drawn" yes no
absent1=$(line1) absent2=$(line2)
echo "caption ink without RTSS: $absent1 $absent2"
check "no RTSS: nothing written" none "$(rtss limit)"
check "no RTSS: the caption's first line is the short \"RTSS\"" yes \
  "$([ "$absent1" -gt 0 ] && [ "$absent2" -gt "$absent1" ] && echo yes || echo "no ($absent1 $absent2)")"

# Installed but stopped: turning the limiter off (at 45) starts RTSS, which
# then gets 45 and then no limit.
device_install_rtss "$E2E_PREFIX" "$E2E_BIN"
check "RTSS is not running yet" stopped "$(rtss running)"
e2e_tap $SWITCH_X $SWITCH_Y
e2e_until 30 rtss_limit_is 0 || check "RTSS takes the change" yes no
check "the change started RTSS" 1 "$(rtss log | grep -c '^RTSS started')"
check "off at 45: 45, then 0" "45 0 " "$(rtss_sets)"
check "\"FPSMode\" stored" 0x0 "$(panel_reg FPSMode)"
e2e_until 10 line1_is_not "$absent1" || check "caption changes" yes no
off1=$(line1) off2=$(line2)
echo "caption ink when off: $off1 $off2"
check "off: \"FPS Limiter\" over \"Disabled\"" yes \
  "$([ "$off1" -gt "$absent1" ] && [ "$off2" -lt "$absent2" ] && echo yes || echo "no ($off1 $off2)")"

# On again: the limit twice.
e2e_tap $SWITCH_X $SWITCH_Y
e2e_until 30 rtss_limit_is 45 || check "on: RTSS limited to 45" yes no
check "on at 45: 45 twice" "45 0 45 45 " "$(rtss_sets)"
check "\"FPSMode\" stored" 0x1 "$(panel_reg FPSMode)"
line2_below() { [ "$(line2)" -lt "$1" ]; }
e2e_until 10 line2_below "$off2" || check "caption changes" yes no
check "on: \"FPS Limiter\" over the narrower \"Enabled\"" "$off1" "$(line1)"

# A new limit: let go of the slider at 30.
slide_to 30 || check "the slider reaches 30" yes no
check "RTSS limited to 30" 30 "$(rtss limit)"
e2e_until 10 reg_is FPSValue 0x1e || check "\"FPSValue\" stored as 30" 0x1e "$(panel_reg FPSValue)"
check "RTSS was started once" 1 "$(rtss log | grep -c '^RTSS started')"
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"
e2e_screenshot "$shots/main-limiter-en.png"

# The tray's Exit: RTSS keeps running, without a limit.
e2e_tray_choose bottom || check "tray menu worked" yes no
e2e_wait_exit "$E2E_PID" 30
check "tray Exit ends with 0" 0 $?
check "RTSS left without a limit" 0 "$(rtss limit)"
check "0 is the last limit set" 0 "$(rtss_sets | awk '{ print $NF }')"
check "RTSS still runs" running "$(rtss running)"
e2e_finish
