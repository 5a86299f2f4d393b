#!/usr/bin/env bash
# The lighting as a user works it, watched through the simulated EC's write
# log: "Auto" at start, "Manual" from the drop-down (the wheel's red), the
# strength slider let go at 50 (red 127 after the 0x55 latch), let go there
# once more (nothing sent), "Auto" again (0x00, wheel and slider dead).
# Then the lighting screen in Chinese, for its screenshot.
. "$(dirname "$0")/e2e-lib.sh" "$1"
. "$(dirname "$0")/device-lib.sh"

# Places on the 1920 x 1080 screen (the panel is its right half).
TILE_X=1532 TILE_Y=982           # the lighting tile's icon button
RING_X=1440 RING_Y=344           # the top of the colour wheel's ring (hue 180)
SLIDER_LEFT=1056 SLIDER_WIDTH=768 SLIDER_Y=216
DROPDOWN_X=1200 DROPDOWN_Y=950
AUTO_Y=842 MANUAL_Y=892          # its list opens above it
BACK_X=1680 BACK_Y=950
BLUE_X=1278 BLUE_Y=480           # the ring at hue 240

# The top of the ring is cyan (hue 180) only while the lighting screen is
# in place: bright while the wheel takes input, faded to 40 % over the
# screen's black while "Auto" disables it. A slide is over once the screen
# stands still.
ring_top_green() {
  local p
  p=$(e2e_pixel_now $RING_X $RING_Y)
  [ -n "$p" ] && [ $((16#${p:0:2})) -lt 64 ] && [ $((16#${p:4:2})) -gt 96 ] && echo $((16#${p:2:2}))
}
ring_top_is_cyan() { [ "$(ring_top_green)" -gt 96 ] 2>/dev/null; }
ring_top_is_faded() { [ "$(ring_top_green)" -lt 160 ] 2>/dev/null; }
lighting_screen_shown() { ring_top_is_cyan && e2e_wait_still 30; }
main_screen_shown() { ! ring_top_is_cyan && e2e_wait_still 30; }
# The list's grey (the theme's card colour) above the drop-down.
list_open() {
  [ "$(import -window root -crop 400x140+1000+780 +repage png:- 2>/dev/null |
    convert - -fill black +opaque '#282b30' -trim -format '%[fx:w]' info: 2>/dev/null)" -gt 100 ]
}

choose_mode() {  # Y of the option
  e2e_tap $DROPDOWN_X $DROPDOWN_Y
  e2e_until 30 list_open || { check "the drop-down's list opens" yes no; return 1; }
  e2e_tap $DROPDOWN_X "$1"
}

# slide_strength_to VALUE: taps the slider where VALUE should be and nudges
# two pixels at a time until "RGBStrength" reads VALUE. Each release stores
# the strength, so a changed value in the registry tells that a tap is done
# (a tap that lands on the same value gives up waiting after 5 s).
strength_is_not() { [ "$(panel_reg RGBStrength)" != "$1" ]; }
slide_strength_to() {
  local want=$1 x before got tries
  x=$((SLIDER_LEFT + want * SLIDER_WIDTH / 100))
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    before=$(panel_reg RGBStrength)
    e2e_tap "$x" $SLIDER_Y
    e2e_until 5 strength_is_not "$before"
    got=$(($(panel_reg RGBStrength)))
    [ "$got" = "$want" ] && return 0
    if [ "$got" -lt "$want" ]; then x=$((x + 2)); else x=$((x - 2)); fi
  done
  return 1
}

shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"
e2e_setup
e2e_start
e2e_wait_window 90 >/dev/null || { check "window appears" yes no; e2e_finish; }
e2e_wait_frame || check "first frame drawn" yes no
# The other pages write the fan's registers at start too; what counts is
# the last write to the lighting's control byte.
start_written() { [ "$(ec_last_to B3)" = B3=00 ]; }
e2e_until 30 start_written || true
check "start in \"Auto\": 0x00 to 0xB3" "B3=00" "$(ec_last_to B3)"

e2e_tap $TILE_X $TILE_Y
e2e_until 30 lighting_screen_shown || check "the tile opens the lighting screen" yes no
check "Auto: the wheel is faded" yes "$(ring_top_is_faded && echo yes || echo no)"
english_title=$(ink_width 1240 20 400 80)

# "Manual": the cached black shown, then the wheel's red at full strength.
choose_mode $MANUAL_Y
manual="B0=00 B1=00 B2=00 B3=AA B3=55 B0=FF B1=00 B2=00 B3=AA"
e2e_until 30 ec_log_ends_with "$manual"
check "Manual: cache, then red after the latch" "$manual" "$(ec_last 9)"
check "\"RGBMode\" stored" 0x1 "$(panel_reg RGBMode)"
check "\"RGBValue\" stored as red" 0xffff0000 "$(panel_reg RGBValue)"
ring_top_bright() { [ "$(ring_top_green)" -ge 200 ] 2>/dev/null; }
e2e_until 10 ring_top_bright || check "Manual: the wheel is bright" yes no

# Strength 50 while 0xB3 reads 0xAA: 0x55, then red 127 and 0xAA.
e2e_ec_set 0xB3 0xAA
slide_strength_to 50 || check "the slider reaches 50" yes no
half="B3=55 B0=7F B1=00 B2=00 B3=AA"
e2e_until 10 ec_log_ends_with "$half"
check "red at 50: latch, 127, 0, 0, 0xAA" "$half" "$(ec_last 5)"
check "\"RGBStrength\" stored" 0x32 "$(panel_reg RGBStrength)"
e2e_screenshot "$shots/lighting-en.png"

# Let go at 50 again: nothing is sent. "Auto" next is the barrier: its one
# write must follow the 0xAA of the colour directly.
writes=$(ec_writes)
e2e_tap "$((SLIDER_LEFT + 50 * SLIDER_WIDTH / 100))" $SLIDER_Y
choose_mode $AUTO_Y
e2e_until 30 ec_log_ends_with "B3=00" || check "Auto reaches the EC" yes no
check "the second release sent nothing, Auto wrote 0x00" "B3=AA B3=00" "$(ec_last 2)"
check "exactly one write since" $((writes + 1)) "$(ec_writes)"
check "\"RGBMode\" stored" 0x0 "$(panel_reg RGBMode)"

# In "Auto" the wheel and the slider do nothing; "Back" is the barrier.
writes=$(ec_writes)
e2e_tap $BLUE_X $BLUE_Y
e2e_tap "$((SLIDER_LEFT + 90 * SLIDER_WIDTH / 100))" $SLIDER_Y
e2e_tap $BACK_X $BACK_Y
e2e_until 30 main_screen_shown || check "Back returns to the main screen" yes no
check "Auto: nothing more reached the EC" "$writes" "$(ec_writes)"
check "Auto: the strength stays" 0x32 "$(panel_reg RGBStrength)"
check "Auto: the colour stays" 0xffff0000 "$(panel_reg RGBValue)"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30 >/dev/null
e2e_cleanup
trap - EXIT

# The lighting screen of a Chinese Windows, in "Manual".
e2e_setup
wine reg add 'HKLM\SOFTWARE\ZEV\TMX' /v RGBMode /t REG_DWORD /d 1 /f >/dev/null
LC_ALL=zh_CN.UTF-8 wine "$E2E_EXE" </dev/null >>"$E2E_PREFIX.log" 2>&1 &
E2E_PID=$!
E2E_PIDS+=("$E2E_PID")
e2e_wait_window 90 >/dev/null || { check "window appears (Chinese)" yes no; e2e_finish; }
e2e_wait_frame || check "first frame drawn (Chinese)" yes no
e2e_tap $TILE_X $TILE_Y
e2e_until 30 lighting_screen_shown || check "the tile opens the lighting screen (Chinese)" yes no
e2e_until 30 ec_is 0xB3 170 || check "Chinese: the stored manual colour is shown" yes no
# The two glyphs of the Chinese title take far less room than "Lighting".
title_width=$(ink_width 1240 20 400 80)
check "Chinese title" yes \
  "$([ "$title_width" -gt 0 ] && [ $((title_width * 3)) -lt $((english_title * 2)) ] && echo yes ||
    echo "no ($title_width against $english_title)")"
e2e_screenshot "$shots/lighting-zh.png"
e2e_finish
