#!/usr/bin/env bash
# The settings screen through the real input on a 1920x1080 Xvfb: opened
# from the performance page's cog, its volume slider at what Windows reports (Wine's
# endpoint: always full; the audio stand-in: whatever a second process sets,
# followed while the panel is shown), a drag on the volume slider heard by a
# second process, the opacity slider dragged to its left end (window alpha
# 70 and "Opacity" stored), the log-on switch flipped ("AutoStart" stored),
# Back; then the same screen in Chinese. Screenshots of the screen and of the
# status bar land in e2e-shots/.
. "$(dirname "$0")/e2e-lib.sh" "$1"
e2e_setup
# Every wait below looks at a screenshot, the window or the registry.
E2E_PAUSE=0.2
shots=$E2E_BUILD/e2e-shots
mkdir -p "$shots"
shot=$E2E_PREFIX/e2e-shot.png
earlier=$E2E_PREFIX/e2e-earlier.png

# The panel: the right half of the screen, full height on a bare Xvfb.
PX=960 PW=960 PH=1080
at() { echo $((PX + PW * $1 / 1000)) $((PH * $2 / 1000)); }  # per-mille of the panel
tap_at() { local xy; read -r -a xy <<<"$(at "$1" "$2")"; e2e_tap "${xy[0]}" "${xy[1]}"; }
pixel_at() { local xy; read -r -a xy <<<"$(at "$1" "$2")"; e2e_pixel "$shot" "${xy[0]}" "${xy[1]}"; }

# Two screenshots 0.6 s apart are alike: no 500 ms screen slide under way.
settled() {
  e2e_screenshot "$earlier"
  sleep 0.6
  e2e_screenshot "$shot"
  [ "$(compare -metric AE "$earlier" "$shot" null: 2>&1)" = 0 ]
}

# The quick sliders are 90 % of the panel wide (5 % in) and 8 % high, their
# tops at 55 %, 65 % and 75 % of the height. fill SLIDER PERCENT: the colour
# at PERCENT of the slider's width, in a row above its texts: 666666 where
# the value reaches, 2b2b2b beyond.
slider_x() { echo $((PX + PW * 5 / 100 + PW * 90 / 100 * $1 / 100)); }
slider_y() { case $1 in volume) echo $((PH * 56 / 100)) ;; brightness) echo $((PH * 66 / 100)) ;;
  opacity) echo $((PH * 76 / 100)) ;; esac; }
fill() { e2e_pixel "$shot" "$(slider_x "$2")" "$(slider_y "$1")"; }
# shows SLIDER PERCENT: filled a little below PERCENT, empty a little above.
shows() {
  e2e_screenshot "$shot"
  local below=$(($2 - 5)) above=$(($2 + 5))
  { [ "$below" -lt 3 ] || [ "$(fill "$1" "$below")" = 666666 ]; } &&
    { [ "$above" -gt 97 ] || [ "$(fill "$1" "$above")" = 2b2b2b ]; }
}

main_screen_shown() { settled && [ "$(pixel_at 200 5)" = 1a1a1a ]; }
settings_screen_shown() {
  settled && case "$(fill volume 50)" in 666666 | 2b2b2b) true ;; *) false ;; esac
}

# The settings button sits in the status bar right of the clock.
open_settings() {
  tap_at 500 326  # the middle of the performance page's cog
  e2e_until 30 settings_screen_shown
}

# drag SLIDER FROM TO: presses at FROM percent of the slider and moves to TO
# in small steps, as a finger would.
drag() {
  local y x from to step
  y=$(slider_y "$1") from=$(slider_x "$2") to=$(slider_x "$3")
  xdotool mousemove "$from" "$y" sleep 0.1 mousedown 1 sleep 0.1
  for step in 1 2 3 4 5 6 7 8 9 10; do
    x=$((from + (to - from) * step / 10))
    xdotool mousemove "$x" "$y" sleep 0.05
  done
  xdotool sleep 0.1 mouseup 1
}

window_alpha() { xprop -id "$window" _NET_WM_WINDOW_OPACITY 2>/dev/null | awk '{ print $3 }'; }
alpha_is() { [ "$(window_alpha)" = $(($1 * 0x01010101)) ]; }
stored() { e2e_reg 'HKLM\SOFTWARE\ZEV\TMX' "$1"; }
stored_is() { [ "$(stored "$1")" = "$2" ]; }
audio() { wine "$E2E_BIN/audiosim.exe" "$@" 2>/dev/null | tr -d '\r'; }

# --- Wine's own audio endpoint (the harness's null ALSA device) ---
e2e_start
window=$(e2e_wait_window 90) || { check "window appears" yes no; e2e_finish; }
e2e_until 60 main_screen_shown || check "main screen shown" yes no
convert "$shot" -crop "${PW}x$((PH * 4 / 100))+$PX+0" +repage "$shots/statusbar-en.png"
check "the performance page's cog opens the settings screen" yes \
  "$(open_settings && echo yes || echo no)"
cp "$shot" "$shots/settings-en.png"
check "volume shows Wine's full volume" yes "$(shows volume 100 && echo yes || echo no)"
check "brightness without a provider stays at 0" 2b2b2b "$(fill brightness 10)"
check "opacity starts full (250)" yes "$(shows opacity 100 && echo yes || echo no)"
check "the full panel is alpha 250" yes "$(alpha_is 250 && echo yes || echo no)"

drag opacity 95 -5
check "dragging opacity to its left end makes the window alpha 70" yes \
  "$(e2e_until 10 alpha_is 70 && echo yes || echo no)"
check "and stores Opacity 70" 0x46 "$(e2e_until 10 stored_is Opacity 0x46; stored Opacity)"
check "the slider shows its left end" yes "$(e2e_until 10 shows opacity 0 && echo yes || echo no)"

check "AutoStart stored at start" 0x1 "$(stored AutoStart)"
tap_at 500 325
check "switching log-on start off stores AutoStart 0" 0x0 \
  "$(e2e_until 10 stored_is AutoStart 0x0; stored AutoStart)"
tap_at 500 325
check "and on again stores 1" 0x1 "$(e2e_until 10 stored_is AutoStart 0x1; stored AutoStart)"

tap_at 500 920
check "Back returns to the main screen" yes \
  "$(e2e_until 30 main_screen_shown && echo yes || echo no)"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30
check "closes with 0" 0 $?

# A second process cannot change Wine's master volume at all.
said=$(audio set 40)
check "Wine refuses a master volume change from any process" "SetMasterVolumeLevelScalar: 0x80004001" "$said"

# --- The audio stand-in in Wine's place: a volume others can change ---
wine regsvr32 /s "$E2E_BIN/audiosim.dll" >/dev/null 2>&1
check "the stand-in answers with its own volume" 75 "$(audio get)"
e2e_start
window=$(e2e_wait_window 90) || { check "window appears again" yes no; e2e_finish; }
e2e_until 60 main_screen_shown
check "the panel starts with the stored opacity" yes "$(e2e_until 10 alpha_is 70 && echo yes || echo no)"
open_settings
check "volume slider at the stand-in's 75 %" yes "$(e2e_until 10 shows volume 75 && echo yes || echo no)"
audio set 30 >/dev/null
set_at=$(date +%s%N)
if e2e_until 10 shows volume 30; then
  seen=$((($(date +%s%N) - set_at) / 1000000))
  check "a change by a second process moves the slider" yes yes
  echo "seen on screen ${seen} ms after the second process set it (screenshot-bound)"
else
  check "a change by a second process moves the slider" yes no
fi
check "the panel wrote nothing back to Windows" 30 "$(audio get)"
drag volume 30 60
got=$(audio get)
check "a drag on the slider reaches Windows (58..62 %)" yes \
  "$([ -n "$got" ] && [ "$got" -ge 58 ] && [ "$got" -le 62 ] && echo yes || echo no)"
echo "Windows volume after the drag: $got %"
# The old device goes away and a new one becomes the default.
audio replace >/dev/null
audio set 15 >/dev/null
check "after a device change the new device's volume shows" yes \
  "$(e2e_until 10 shows volume 15 && echo yes || echo no)"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30

# --- Chinese ---
LC_ALL=zh_CN.UTF-8 wine "$E2E_EXE" </dev/null >>"$E2E_PREFIX.log" 2>&1 &
E2E_PID=$!
E2E_PIDS+=("$E2E_PID")
e2e_until 90 main_screen_shown || check "Chinese panel appears" yes no
convert "$shot" -crop "${PW}x$((PH * 4 / 100))+$PX+0" +repage "$shots/statusbar-zh.png"
check "Chinese settings screen opens" yes "$(open_settings && echo yes || echo no)"
cp "$shot" "$shots/settings-zh.png"
# The title's first line: "Vexa 控制中心" is narrower than "Vexa Control Center".
title_width() {
  convert "$1" -crop "$((PW * 8 / 10))x$((PH * 5 / 100))+$((PX + PW / 10))+$((PH * 2 / 100))" +repage \
    -fill black -opaque '#101010' -trim info: 2>/dev/null | awk '{ split($3, s, "x"); print s[1] }'
}
en=$(title_width "$shots/settings-en.png") zh=$(title_width "$shots/settings-zh.png")
echo "title ink width: English $en px, Chinese $zh px"
check "the Chinese title is another text" yes \
  "$([ -n "$en" ] && [ -n "$zh" ] && [ "$zh" -gt 100 ] && [ "$zh" -lt $((en - 60)) ] && echo yes || echo no)"
e2e_post 0x10
e2e_wait_exit "$E2E_PID" 30
check "Chinese run closes with 0" 0 $?
e2e_finish
